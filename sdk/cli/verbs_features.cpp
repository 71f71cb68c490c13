// features, feature and execute: every feature of a camera by its own name,
// where the library has them.
#include "cli.h"
#include "verbs.h"

#ifdef CAMERA_FEATURE_NAME_BUFFER

#include <cstdio>

namespace vexocli {

namespace {

const char *typeName(int type)
{
    static const char *const names[] = {"category",    "integer", "float",   "boolean",
                                        "enumeration", "string",  "command", "register"};
    return type >= 0 && type < 8 ? names[type] : "unknown";
}

const char *accessName(int access)
{
    static const char *const names[] = {"none", "read", "write", "read-write"};
    return access >= 0 && access < 4 ? names[access] : "none";
}

// A failed feature call with the camera's reason for it.
int reportFeature(CameraHandle h, const std::string &what, CameraSdkStatus status)
{
    if (status == CAMERA_STATUS_SUCCESS)
        return ExitOk;
    char reason[256] = {};
    if (CameraGetFeatureError(h, reason, sizeof reason) == CAMERA_STATUS_SUCCESS && reason[0] != '\0')
        return report(what + " (" + field(reason) + ")", status);
    return report(what, status);
}

Json featureJson(CameraHandle h, int index, const stFeatureInfo &info)
{
    Json out = {{"name", field(info.acName)},         {"display_name", field(info.acDisplayName)},
                {"category", field(info.acCategory)}, {"type", typeName(info.iType)},
                {"access", accessName(info.iAccess)}, {"unit", field(info.acUnit)},
                {"value", field(info.acValue)},       {"description", field(info.acDescription)}};
    if (info.iType == CAMERA_FEATURE_INTEGER)
        out["range"] = {info.iMin, info.iMax, info.iIncrement};
    else if (info.iType == CAMERA_FEATURE_FLOAT)
        out["range"] = {info.dMin, info.dMax, info.dIncrement};
    if (info.iType == CAMERA_FEATURE_ENUMERATION) {
        Json entries = Json::array();
        for (int e = 0; e < info.iEntries; ++e) {
            stFeatureEntry entry{};
            if (CameraGetFeatureEntry(h, index, e, &entry) == CAMERA_STATUS_SUCCESS)
                entries.push_back(field(entry.acName));
        }
        out["entries"] = entries;
    }
    return out;
}

} // namespace

int runFeatures(const Arguments &args)
{
    Camera camera;
    if (const int code = camera.open(args.operands()[0]); code != ExitOk)
        return code;
    const std::string filter = args.operands().size() > 1 ? args.operands()[1] : std::string();
    int count = 0;
    if (const int code = reportFeature(camera.handle(), "cannot read the feature tree",
                                       CameraGetFeatureCount(camera.handle(), &count));
        code != ExitOk)
        return code;
    const bool json = args.has("json");
    Json all = Json::array();
    for (int i = 0; i < count; ++i) {
        stFeatureInfo info{};
        if (const int code = reportFeature(camera.handle(), "cannot read feature " + std::to_string(i),
                                           CameraGetFeatureInfo(camera.handle(), i, &info));
            code != ExitOk)
            return code;
        const std::string name = field(info.acName);
        if (!filter.empty() && name.find(filter) == std::string::npos)
            continue;
        if (json) {
            all.push_back(featureJson(camera.handle(), i, info));
        } else if (info.iType == CAMERA_FEATURE_CATEGORY) {
            if (filter.empty())
                std::printf(
                    "%s/\n",
                    (field(info.acCategory).empty() ? name : field(info.acCategory) + "/" + name).c_str());
        } else {
            std::string value = field(info.acValue);
            if (!field(info.acUnit).empty() && !value.empty())
                value += " " + field(info.acUnit);
            std::printf("  %-32s %-12s %-10s %s\n", name.c_str(), typeName(info.iType),
                        accessName(info.iAccess), value.c_str());
        }
    }
    if (json)
        printJson(all);
    return ExitOk;
}

int runFeature(const Arguments &args)
{
    const std::vector<std::string> &operands = args.operands();
    Camera camera;
    if (const int code = camera.open(operands[0]); code != ExitOk)
        return code;
    const std::string &name = operands[1];
    if (operands.size() == 3) {
        if (const int code =
                reportFeature(camera.handle(), "cannot set " + name,
                              CameraSetFeatureValue(camera.handle(), name.c_str(), operands[2].c_str()));
            code != ExitOk)
            return code;
    }
    // After a write: what the camera took.
    char value[CAMERA_FEATURE_VALUE_BUFFER] = {};
    if (const int code =
            reportFeature(camera.handle(), "cannot read " + name,
                          CameraGetFeatureValue(camera.handle(), name.c_str(), value, sizeof value));
        code != ExitOk)
        return code;
    std::printf("%s\n", field(value).c_str());
    return ExitOk;
}

int runExecute(const Arguments &args)
{
    Camera camera;
    if (const int code = camera.open(args.operands()[0]); code != ExitOk)
        return code;
    const std::string &name = args.operands()[1];
    return reportFeature(camera.handle(), "cannot execute " + name,
                         CameraExecuteFeature(camera.handle(), name.c_str()));
}

} // namespace vexocli

#endif // CAMERA_FEATURE_NAME_BUFFER
