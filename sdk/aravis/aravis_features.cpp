// A real camera's features from its own GenICam description, walked and
// written through Aravis's node API. A write is followed by a fresh read of
// the settings the SDK's own calls map onto, so the fixed dock and the
// feature browser show the same camera.

#include "aravis_device.h"
#include "feature_access.h"

#include <limits>
#include <set>

namespace vexo::aravis {

namespace {

std::string orEmpty(const char *text)
{
    return text != nullptr ? std::string(text) : std::string();
}

int visibilityOf(ArvGcVisibility visibility)
{
    switch (visibility) {
    case ARV_GC_VISIBILITY_BEGINNER:
    case ARV_GC_VISIBILITY_UNDEFINED:
        return 0;
    case ARV_GC_VISIBILITY_EXPERT:
        return 1;
    default:
        return 2;
    }
}

FeatureAccess accessOf(ArvGcFeatureNode *node)
{
    Error e;
    if (!arv_gc_feature_node_is_available(node, e.out()) || e) {
        return FeatureAccess::None;
    }
    const bool locked = arv_gc_feature_node_is_locked(node, e.out()) && !e;
    switch (arv_gc_feature_node_get_actual_access_mode(node)) {
    case ARV_GC_ACCESS_MODE_RO:
        return FeatureAccess::Read;
    case ARV_GC_ACCESS_MODE_WO:
        return locked ? FeatureAccess::None : FeatureAccess::Write;
    case ARV_GC_ACCESS_MODE_RW:
        return locked ? FeatureAccess::Read : FeatureAccess::ReadWrite;
    default:
        return FeatureAccess::Read;
    }
}

// Kind, limits, entries and (when readable) the value of one feature node.
void describeNode(ArvGcNode *node, FeatureInfo *f)
{
    ArvGcFeatureNode *feature = ARV_GC_FEATURE_NODE(node);
    f->name = orEmpty(arv_gc_feature_node_get_name(feature));
    f->displayName = orEmpty(arv_gc_feature_node_get_display_name(feature));
    if (f->displayName.empty()) {
        f->displayName = f->name;
    }
    f->description = orEmpty(arv_gc_feature_node_get_description(feature));
    f->visibility = visibilityOf(arv_gc_feature_node_get_visibility(feature));
    f->access = accessOf(feature);
    const bool readable = f->readable();
    Error e;
    if (ARV_IS_GC_CATEGORY(node)) {
        f->type = FeatureType::Category;
        f->access = FeatureAccess::Read;
    } else if (ARV_IS_GC_COMMAND(node)) {
        f->type = FeatureType::Command;
        if (f->access == FeatureAccess::ReadWrite) {
            f->access = FeatureAccess::Write;
        }
    } else if (ARV_IS_GC_ENUMERATION(node)) {
        f->type = FeatureType::Enumeration;
        for (const GSList *item = arv_gc_enumeration_get_entries(ARV_GC_ENUMERATION(node)); item != nullptr;
             item = item->next) {
            if (!ARV_IS_GC_ENUM_ENTRY(item->data)) {
                continue;
            }
            ArvGcFeatureNode *entry = ARV_GC_FEATURE_NODE(item->data);
            if (!arv_gc_feature_node_is_implemented(entry, e.out()) || e) {
                continue;
            }
            FeatureEntry out;
            out.name = orEmpty(arv_gc_feature_node_get_name(entry));
            out.displayName = orEmpty(arv_gc_feature_node_get_display_name(entry));
            if (out.displayName.empty()) {
                out.displayName = out.name;
            }
            out.value = arv_gc_enum_entry_get_value(ARV_GC_ENUM_ENTRY(item->data), e.out());
            out.available = arv_gc_feature_node_is_available(entry, e.out()) && !e;
            f->entries.push_back(std::move(out));
        }
        if (readable) {
            const char *value = arv_gc_enumeration_get_string_value(ARV_GC_ENUMERATION(node), e.out());
            f->value = e ? std::string() : orEmpty(value);
        }
    } else if (ARV_IS_GC_BOOLEAN(node)) {
        f->type = FeatureType::Boolean;
        if (readable) {
            const gboolean value = arv_gc_boolean_get_value(ARV_GC_BOOLEAN(node), e.out());
            f->value = e ? std::string() : std::string(value ? "1" : "0");
        }
    } else if (ARV_IS_GC_STRING(node)) {
        f->type = FeatureType::String;
        f->intMax = arv_gc_string_get_max_length(ARV_GC_STRING(node), e.out());
        if (readable) {
            const char *value = arv_gc_string_get_value(ARV_GC_STRING(node), e.out());
            f->value = e ? std::string() : orEmpty(value);
        }
    } else if (ARV_IS_GC_FLOAT(node)) {
        ArvGcFloat *number = ARV_GC_FLOAT(node);
        f->type = FeatureType::Float;
        f->unit = orEmpty(arv_gc_float_get_unit(number));
        f->floatMin = arv_gc_float_get_min(number, e.out());
        f->floatMax = arv_gc_float_get_max(number, e.out());
        f->floatIncrement = arv_gc_float_get_inc(number, e.out());
        // Aravis answers the smallest double for a float without a step.
        if (e || f->floatIncrement <= std::numeric_limits<double>::min()) {
            f->floatIncrement = 0.0;
        }
        if (readable) {
            const double value = arv_gc_float_get_value(number, e.out());
            f->value = e ? std::string() : formatFloat(value);
        }
    } else if (ARV_IS_GC_INTEGER(node)) {
        ArvGcInteger *number = ARV_GC_INTEGER(node);
        f->type = FeatureType::Integer;
        f->unit = orEmpty(arv_gc_integer_get_unit(number));
        f->intMin = arv_gc_integer_get_min(number, e.out());
        f->intMax = arv_gc_integer_get_max(number, e.out());
        f->intIncrement = arv_gc_integer_get_inc(number, e.out());
        if (e) {
            f->intIncrement = 1;
        }
        if (readable) {
            const int64_t value = arv_gc_integer_get_value(number, e.out());
            f->value = e ? std::string() : formatInteger(value);
        }
    } else {
        f->type = FeatureType::Register; // raw bytes: listed, not shown or written here
        if (f->access == FeatureAccess::ReadWrite) {
            f->access = FeatureAccess::Read;
        }
    }
}

// Depth first from a category, categories before what they hold, each
// feature once (a description may list a feature under two categories).
void walk(ArvGc *gc, ArvGcNode *category, const std::string &path, std::set<std::string> *seen,
          std::vector<FeatureInfo> *tree)
{
    for (const GSList *item = arv_gc_category_get_features(ARV_GC_CATEGORY(category)); item != nullptr;
         item = item->next) {
        const char *name = static_cast<const char *>(item->data);
        ArvGcNode *node = name != nullptr ? arv_gc_get_node(gc, name) : nullptr;
        if (node == nullptr || !ARV_IS_GC_FEATURE_NODE(node) || !seen->insert(name).second) {
            continue;
        }
        Error e;
        if (!arv_gc_feature_node_is_implemented(ARV_GC_FEATURE_NODE(node), e.out()) || e) {
            continue;
        }
        FeatureInfo f;
        describeNode(node, &f);
        f.category = path;
        const bool branch = f.type == FeatureType::Category;
        tree->push_back(std::move(f));
        if (branch) {
            walk(gc, node, path.empty() ? std::string(name) : path + "/" + name, seen, tree);
        }
    }
}

} // namespace

FeatureOutcome AravisDevice::usableLocked() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (closed_) {
        return FeatureOutcome::fail(CAMERA_STATUS_INVALID_HANDLE, "the camera is closed");
    }
    if (lost_) {
        return FeatureOutcome::fail(CAMERA_STATUS_DEVICE_LOST, "the camera was lost");
    }
    return FeatureOutcome::ok();
}

FeatureOutcome AravisDevice::featureNodeLocked(const std::string &name, ArvGcNode **node)
{
    const FeatureOutcome usable = usableLocked();
    if (usable.status != CAMERA_STATUS_SUCCESS) {
        return usable;
    }
    ArvGc *gc = arv_device_get_genicam(device_);
    *node = gc != nullptr ? arv_gc_get_node(gc, name.c_str()) : nullptr;
    Error e;
    if (*node == nullptr || !ARV_IS_GC_FEATURE_NODE(*node) || ARV_IS_GC_CATEGORY(*node) ||
        !arv_gc_feature_node_is_implemented(ARV_GC_FEATURE_NODE(*node), e.out()) || e) {
        return FeatureOutcome::fail(CAMERA_STATUS_NOT_SUPPORTED, "the camera has no feature " + name);
    }
    return FeatureOutcome::ok();
}

FeatureOutcome AravisDevice::cameraRefusedLocked(GError *error, const std::string &what)
{
    const std::string reason = error != nullptr && error->message != nullptr ? error->message : "";
    const CameraSdkStatus status = failureLocked(error);
    if (status == CAMERA_STATUS_DEVICE_LOST) {
        return FeatureOutcome::fail(status, "the camera stopped answering");
    }
    return FeatureOutcome::fail(status, reason.empty() ? what + " was refused" : reason);
}

size_t AravisDevice::payloadLocked() const
{
    Error e;
    const size_t payload = arv_camera_get_payload(camera_, e.out());
    return e ? 0 : payload;
}

FeatureOutcome AravisDevice::settingsChangedLocked(size_t payloadBefore, const std::string &what)
{
    // A camera that takes a new size or format while it sends would fill
    // buffers made for the old one: the stream stops at once (what it still
    // holds is of no use, and no loss) and starts again with the new size,
    // as it does for the SDK's own size and format calls.
    const bool reshaped = acquiring_ && payloadLocked() != payloadBefore;
    if (reshaped) {
        stopLocked();
    }
    Settings host;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        host = settings_;
    }
    const Settings fresh = readCameraLocked(host);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (fresh.triggerMode != settings_.triggerMode) {
            latest_.reset(); // a still of the old mode is not what a trigger asks for
        }
        settings_ = fresh;
    }
    if (reshaped) {
        const CameraSdkStatus started = startLocked();
        if (started != CAMERA_STATUS_SUCCESS) {
            return FeatureOutcome::fail(started, "the camera did not stream again after " + what);
        }
    }
    return FeatureOutcome::ok();
}

CameraSdkStatus AravisDevice::features(std::vector<FeatureInfo> *tree)
{
    std::lock_guard<std::mutex> control(control_);
    tree->clear();
    const FeatureOutcome usable = usableLocked();
    if (usable.status != CAMERA_STATUS_SUCCESS) {
        return usable.status;
    }
    ArvGc *gc = arv_device_get_genicam(device_);
    ArvGcNode *root = gc != nullptr ? arv_gc_get_node(gc, "Root") : nullptr;
    if (root == nullptr || !ARV_IS_GC_CATEGORY(root)) {
        return CAMERA_STATUS_NOT_SUPPORTED;
    }
    std::set<std::string> seen{"Root"};
    walk(gc, root, "", &seen, tree);
    return CAMERA_STATUS_SUCCESS;
}

FeatureOutcome AravisDevice::readFeature(const std::string &name, std::string *value)
{
    std::lock_guard<std::mutex> control(control_);
    ArvGcNode *node = nullptr;
    FeatureOutcome outcome = featureNodeLocked(name, &node);
    if (outcome.status != CAMERA_STATUS_SUCCESS) {
        return outcome;
    }
    FeatureInfo f;
    describeNode(node, &f);
    if (!f.readable() || f.type == FeatureType::Register) {
        return FeatureOutcome::fail(CAMERA_STATUS_ACCESS_DENIED, name + " cannot be read now");
    }
    // describeNode reads the value; read it again to tell a failure from "".
    Error e;
    const char *text = arv_gc_feature_node_get_value_as_string(ARV_GC_FEATURE_NODE(node), e.out());
    if (e) {
        return cameraRefusedLocked(e.release(), "reading " + name);
    }
    *value = f.type == FeatureType::String || f.type == FeatureType::Enumeration ? orEmpty(text) : f.value;
    return outcome;
}

FeatureOutcome AravisDevice::writeFeature(const std::string &name, const std::string &value)
{
    std::lock_guard<std::mutex> control(control_);
    ArvGcNode *node = nullptr;
    FeatureOutcome outcome = featureNodeLocked(name, &node);
    if (outcome.status != CAMERA_STATUS_SUCCESS) {
        return outcome;
    }
    FeatureInfo f;
    describeNode(node, &f);
    if (!f.writable() || f.type == FeatureType::Command || f.type == FeatureType::Register) {
        return FeatureOutcome::fail(CAMERA_STATUS_ACCESS_DENIED, name + " cannot be written now");
    }
    FeatureValue parsed;
    std::string reason;
    if (!parseFeatureValue(f, value, &parsed, &reason)) {
        return FeatureOutcome::fail(CAMERA_STATUS_INVALID_ARGUMENT, reason);
    }
    const size_t payload = acquiring_ ? payloadLocked() : 0;
    Error e;
    switch (f.type) {
    case FeatureType::Integer:
        arv_gc_integer_set_value(ARV_GC_INTEGER(node), parsed.integer, e.out());
        break;
    case FeatureType::Float:
        arv_gc_float_set_value(ARV_GC_FLOAT(node), parsed.real, e.out());
        break;
    case FeatureType::Boolean:
        arv_gc_boolean_set_value(ARV_GC_BOOLEAN(node), parsed.integer != 0, e.out());
        break;
    case FeatureType::Enumeration:
        arv_gc_enumeration_set_string_value(ARV_GC_ENUMERATION(node), parsed.text.c_str(), e.out());
        break;
    case FeatureType::String:
        arv_gc_string_set_value(ARV_GC_STRING(node), parsed.text.c_str(), e.out());
        break;
    default:
        break;
    }
    if (e) {
        return cameraRefusedLocked(e.release(), "writing " + name);
    }
    return settingsChangedLocked(payload, "writing " + name);
}

FeatureOutcome AravisDevice::executeFeature(const std::string &name)
{
    std::lock_guard<std::mutex> control(control_);
    ArvGcNode *node = nullptr;
    FeatureOutcome outcome = featureNodeLocked(name, &node);
    if (outcome.status != CAMERA_STATUS_SUCCESS) {
        return outcome;
    }
    if (!ARV_IS_GC_COMMAND(node)) {
        return FeatureOutcome::fail(CAMERA_STATUS_INVALID_ARGUMENT, name + " is not a command");
    }
    if (accessOf(ARV_GC_FEATURE_NODE(node)) == FeatureAccess::None ||
        accessOf(ARV_GC_FEATURE_NODE(node)) == FeatureAccess::Read) {
        return FeatureOutcome::fail(CAMERA_STATUS_ACCESS_DENIED, name + " cannot be executed now");
    }
    const size_t payload = acquiring_ ? payloadLocked() : 0;
    Error e;
    arv_gc_command_execute(ARV_GC_COMMAND(node), e.out());
    if (e) {
        return cameraRefusedLocked(e.release(), name);
    }
    return settingsChangedLocked(payload, name); // a user set load changes everything
}

stTransportStatistic AravisDevice::transportStatistic() const
{
    std::shared_ptr<StreamPool> pool;
    stTransportStatistic s{};
    {
        std::lock_guard<std::mutex> lock(mutex_);
        pool = pool_;
        s.uIncompleteFrames = static_cast<uint32_t>(baseFailures_);
        s.uResentPackets = static_cast<uint32_t>(baseResent_);
        s.uMissingPackets = static_cast<uint32_t>(baseMissing_);
    }
    s.iPacketCounters = endpoint_.kind == Endpoint::Kind::Gige ? 1 : 0;
    if (pool) {
        const StreamPool::Counters now = pool->counters();
        s.uIncompleteFrames += static_cast<uint32_t>(now.failures);
        s.uResentPackets += static_cast<uint32_t>(now.resent);
        s.uMissingPackets += static_cast<uint32_t>(now.missing);
    }
    return s;
}

} // namespace vexo::aravis
