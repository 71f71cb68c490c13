#include "aravis_device.h"

#include "feature_access.h"
#include "gvcp.h"
#include "mapping.h"
#include "netif.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace vexo::aravis {

namespace {

constexpr auto kWatchPeriod = std::chrono::milliseconds(200);
constexpr auto kProbeTimeout = std::chrono::milliseconds(250);
constexpr int kMissedProbesLost = 2;

GInetAddress *inetAddress(uint32_t address)
{
    const uint32_t network = g_htonl(address);
    return g_inet_address_new_from_bytes(reinterpret_cast<const guint8 *>(&network), G_SOCKET_FAMILY_IPV4);
}

void onControlLost(ArvGvDevice *, gpointer device)
{
    static_cast<AravisDevice *>(device)->markLostFromSignal();
}

} // namespace

AravisDevice::AravisDevice(const Endpoint &where, StateStore store, std::unique_ptr<DeviceLock> lock)
    : DeviceBase(CameraModel{}, std::move(store), std::move(lock)), endpoint_(where)
{
}

CameraSdkStatus AravisDevice::open(const Endpoint &where, StateStore store, std::unique_ptr<DeviceLock> lock,
                                   std::shared_ptr<AravisDevice> *out)
{
    std::shared_ptr<AravisDevice> d(new AravisDevice(where, std::move(store), std::move(lock)));
    Error e;
    switch (where.kind) {
    case Endpoint::Kind::Gige: {
        // Someone holds the control channel: say so at once rather than
        // after the camera's refusal and Aravis's retries.
        uint32_t privilege = 0;
        if (gige::readRegister(where.address, gige::kRegisterControlPrivilege, &privilege, kProbeTimeout) ==
                gige::Reply::Value &&
            privilege != 0) {
            return CAMERA_STATUS_ALREADY_OPENED;
        }
        GInetAddress *host = inetAddress(where.hostAddress);
        GInetAddress *camera = inetAddress(where.address);
        d->device_ = arv_gv_device_new(host, camera, e.out());
        g_object_unref(host);
        g_object_unref(camera);
        if (d->device_ != nullptr && !arv_gv_device_is_controller(ARV_GV_DEVICE(d->device_))) {
            return CAMERA_STATUS_ALREADY_OPENED; // another program controls it
        }
        break;
    }
    case Endpoint::Kind::Usb3:
        d->device_ = arv_interface_open_device(arv_uv_interface_get_instance(), where.id.c_str(), e.out());
        break;
    case Endpoint::Kind::Fake:
        d->device_ = arv_interface_open_device(arv_fake_interface_get_instance(), where.id.c_str(), e.out());
        break;
    }
    if (d->device_ == nullptr) {
        return CAMERA_STATUS_FAILED;
    }
    d->camera_ = arv_camera_new_with_device(d->device_, e.out());
    if (d->camera_ == nullptr) {
        return CAMERA_STATUS_FAILED;
    }
    {
        std::lock_guard<std::mutex> control(d->control_);
        d->learnLocked();
    }
    if (ARV_IS_GV_DEVICE(d->device_)) {
        g_signal_connect(d->device_, "control-lost", G_CALLBACK(onControlLost), d.get());
    }
    AravisDevice *self = d.get();
    d->watchdog_ = std::thread([self] { self->watch(); });
    *out = std::move(d);
    return CAMERA_STATUS_SUCCESS;
}

AravisDevice::~AravisDevice()
{
    close();
    if (camera_ != nullptr) {
        g_object_unref(camera_);
    }
    if (device_ != nullptr) {
        g_object_unref(device_);
    }
}

// --- parameter groups ---------------------------------------------------------------

CameraSdkStatus AravisDevice::saveGroup(int group)
{
    if (group < 0 || group >= kParameterGroups) {
        return CAMERA_STATUS_INVALID_ARGUMENT;
    }
    {
        std::lock_guard<std::mutex> control(control_);
        if (lost()) {
            return CAMERA_STATUS_DEVICE_LOST;
        }
        if (map_.userSets) {
            // The camera keeps its own part, so it also starts up with it.
            const std::string set = "UserSet" + std::to_string(group + 1);
            Error e;
            arv_camera_set_string(camera_, "UserSetSelector", set.c_str(), e.out());
            if (!e) {
                arv_camera_execute_command(camera_, "UserSetSave", e.out());
            }
            if (!e && map_.userSetDefault) {
                arv_camera_set_string(camera_, "UserSetDefault", set.c_str(), e.out());
            }
            if (e) {
                return failureLocked(e.release());
            }
        }
    }
    return persistGroup(group, settings());
}

CameraSdkStatus AravisDevice::loadGroup(int group)
{
    const bool factory = group == CAMERA_PARAMETER_GROUP_DEFAULT;
    if (!factory && (group < 0 || group >= kParameterGroups)) {
        return CAMERA_STATUS_INVALID_ARGUMENT;
    }
    Settings host;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (lost_) {
            return CAMERA_STATUS_DEVICE_LOST;
        }
        host = factory ? defaultSettings(model_) : groupSettingsLocked(group);
    }
    const std::string set = factory ? "Default" : "UserSet" + std::to_string(group + 1);
    const bool onCamera = map_.userSets && hasEntry(camera_, "UserSetSelector", set.c_str());
    if (!onCamera) {
        // The library keeps the whole group and writes it to the camera.
        const CameraSdkStatus status = applySettings(host);
        if (status != CAMERA_STATUS_SUCCESS || factory) {
            return status;
        }
        return persistCurrentGroup(group);
    }
    {
        std::lock_guard<std::mutex> control(control_);
        const bool wasAcquiring = acquiring_;
        stopLocked();
        Error e;
        arv_camera_set_string(camera_, "UserSetSelector", set.c_str(), e.out());
        if (!e) {
            arv_camera_execute_command(camera_, "UserSetLoad", e.out());
        }
        const CameraSdkStatus status = e ? failureLocked(e.release()) : CAMERA_STATUS_SUCCESS;
        const Settings fresh = readCameraLocked(host);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            settings_ = validateSettings(model_, fresh).empty() ? fresh : settings_;
        }
        if (wasAcquiring) {
            startLocked();
        }
        if (status != CAMERA_STATUS_SUCCESS || factory) {
            return status;
        }
    }
    return persistCurrentGroup(group);
}

// --- identity and transport ---------------------------------------------------------

std::string AravisDevice::nickname() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return nickname_.empty() ? model_.friendlyName : nickname_;
}

CameraSdkStatus AravisDevice::setNickname(const std::string &name)
{
    std::lock_guard<std::mutex> control(control_);
    if (lost()) {
        return CAMERA_STATUS_DEVICE_LOST;
    }
    Error e;
    if (map_.deviceUserId) {
        ArvGcNode *node = arv_device_get_feature(device_, "DeviceUserID");
        if (node != nullptr && ARV_IS_GC_STRING(node)) {
            const gint64 limit = arv_gc_string_get_max_length(ARV_GC_STRING(node), e.out());
            if (!e && limit > 0 && name.size() > static_cast<size_t>(limit)) {
                return CAMERA_STATUS_INVALID_ARGUMENT; // refused rather than cut short
            }
            e.clear();
        }
        arv_camera_set_string(camera_, "DeviceUserID", name.c_str(), e.out());
    } else if (endpoint_.kind == Endpoint::Kind::Gige) {
        // The bootstrap's user-defined name: 16 bytes, NUL included.
        if (name.size() >= gige::kUserNameSize) {
            return CAMERA_STATUS_INVALID_ARGUMENT;
        }
        char field[gige::kUserNameSize] = {};
        std::memcpy(field, name.data(), name.size());
        arv_device_write_memory(device_, gige::kRegisterUserName, gige::kUserNameSize, field, e.out());
    } else {
        return CAMERA_STATUS_NOT_SUPPORTED;
    }
    if (e) {
        return failureLocked(e.release());
    }
    std::lock_guard<std::mutex> lock(mutex_);
    nickname_ = name;
    return CAMERA_STATUS_SUCCESS;
}

uint32_t AravisDevice::packetSize() const
{
    if (endpoint_.kind != Endpoint::Kind::Gige) {
        return 0;
    }
    std::lock_guard<std::mutex> control(control_);
    Error e;
    const guint size = arv_camera_gv_get_packet_size(camera_, e.out());
    return e ? 0 : size;
}

CameraSdkStatus AravisDevice::setPacketSize(uint32_t bytes)
{
    if (endpoint_.kind != Endpoint::Kind::Gige) {
        return CAMERA_STATUS_NOT_SUPPORTED;
    }
    if (bytes < 1500 || bytes > 9000) {
        return CAMERA_STATUS_INVALID_ARGUMENT;
    }
    std::lock_guard<std::mutex> control(control_);
    if (lost()) {
        return CAMERA_STATUS_DEVICE_LOST;
    }
    const bool wasAcquiring = acquiring_;
    stopLocked();
    Error e;
    arv_camera_gv_set_packet_size(camera_, static_cast<gint>(bytes), e.out());
    const CameraSdkStatus status = e ? failureLocked(e.release()) : CAMERA_STATUS_SUCCESS;
    if (wasAcquiring) {
        startLocked();
    }
    return status;
}

uint32_t AravisDevice::packetDelay() const
{
    if (!model_.features.packetDelay) {
        return 0;
    }
    std::lock_guard<std::mutex> control(control_);
    Error e;
    const gint64 nanoseconds = arv_camera_gv_get_packet_delay(camera_, e.out());
    return e ? 0 : static_cast<uint32_t>(std::clamp<gint64>(nanoseconds / 1000, 0, 1000000));
}

CameraSdkStatus AravisDevice::setPacketDelay(uint32_t microseconds)
{
    if (!model_.features.packetDelay) {
        return CAMERA_STATUS_NOT_SUPPORTED;
    }
    if (microseconds > 1000000) {
        return CAMERA_STATUS_INVALID_ARGUMENT;
    }
    std::lock_guard<std::mutex> control(control_);
    if (lost()) {
        return CAMERA_STATUS_DEVICE_LOST;
    }
    Error e;
    arv_camera_gv_set_packet_delay(camera_, static_cast<gint64>(microseconds) * 1000, e.out());
    return e ? failureLocked(e.release()) : CAMERA_STATUS_SUCCESS;
}

CameraSdkStatus AravisDevice::setIpConfiguration(bool isStatic, uint32_t ip, uint32_t mask, uint32_t gateway)
{
    if (endpoint_.kind != Endpoint::Kind::Gige) {
        return CAMERA_STATUS_NOT_SUPPORTED;
    }
    std::lock_guard<std::mutex> control(control_);
    if (lost()) {
        return CAMERA_STATUS_DEVICE_LOST;
    }
    ArvGvDevice *gv = ARV_GV_DEVICE(device_);
    Error e;
    if (isStatic) {
        arv_gv_device_set_persistent_ip_from_string(gv, ipv4Text(ip).c_str(), ipv4Text(mask).c_str(),
                                                    ipv4Text(gateway).c_str(), e.out());
    }
    if (!e) {
        arv_gv_device_set_ip_configuration_mode(
            gv, isStatic ? ARV_GV_IP_CONFIGURATION_MODE_PERSISTENT_IP : ARV_GV_IP_CONFIGURATION_MODE_DHCP,
            e.out());
    }
    return e ? failureLocked(e.release()) : CAMERA_STATUS_SUCCESS;
}

uint16_t AravisDevice::firmwareVersion() const
{
    return model_.firmwareVersion;
}

CameraSdkStatus AravisDevice::upgrade(const FirmwareImage &, const std::function<bool(int)> &)
{
    return CAMERA_STATUS_NOT_SUPPORTED; // each maker has its own way, none is standard
}

// --- loss and closing -------------------------------------------------------------

bool AravisDevice::busy() const
{
    return false;
}

void AravisDevice::markLost()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (lost_ || closed_) {
            return;
        }
        lost_ = true;
        wake_.notify_all();
    }
    reportLost();
}

bool AravisDevice::released() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return !farewell_ || farewell_->load();
}

void AravisDevice::markLostFromSignal()
{
    markLost();
}

bool AravisDevice::probe()
{
    if (endpoint_.kind == Endpoint::Kind::Gige) {
        // Its own socket, so a long call on the control channel cannot hide a
        // pulled cable; any answer, even a refusal, means the camera is there.
        uint32_t value = 0;
        return gige::readRegister(endpoint_.address, gige::kRegisterControlPrivilege, &value,
                                  kProbeTimeout) != gige::Reply::None;
    }
    if (endpoint_.kind == Endpoint::Kind::Fake) {
        return true;
    }
    std::unique_lock<std::mutex> control(control_, std::try_to_lock);
    if (!control.owns_lock()) {
        return true; // in use, so it answered recently enough
    }
    guint32 value = 0;
    Error e;
    return arv_device_read_register(device_, 0, &value, e.out()) && !e;
}

void AravisDevice::watch()
{
    int missed = 0;
    for (;;) {
        {
            std::unique_lock<std::mutex> lock(mutex_);
            wake_.wait_for(lock, kWatchPeriod, [this] { return closed_; });
            if (closed_) {
                return;
            }
            if (lost_) {
                continue;
            }
        }
        missed = probe() ? 0 : missed + 1;
        if (missed >= kMissedProbesLost) {
            markLost();
            continue;
        }
        std::unique_lock<std::mutex> control(control_, std::try_to_lock);
        if (control.owns_lock()) {
            refreshAutoValuesLocked();
        }
    }
}

void AravisDevice::close()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (closed_) {
            return;
        }
        closed_ = true;
        latest_.reset();
        wake_.notify_all();
    }
    if (watchdog_.joinable()) {
        watchdog_.join();
    }
    if (device_ != nullptr && ARV_IS_GV_DEVICE(device_)) {
        g_signal_handlers_disconnect_by_data(device_, this);
    }
    std::shared_ptr<StreamPool> pool;
    ArvCamera *camera = nullptr;
    ArvDevice *device = nullptr;
    bool acquiring = false;
    {
        std::lock_guard<std::mutex> control(control_);
        std::lock_guard<std::mutex> lock(mutex_);
        pool = std::move(pool_);
        camera = std::exchange(camera_, nullptr);
        device = std::exchange(device_, nullptr);
        acquiring = std::exchange(acquiring_, false);
    }
    const bool gone = lost();
    auto said = std::make_shared<std::atomic<bool>>(false);
    const auto release = [pool, camera, device, acquiring, gone, said] {
        if (acquiring && camera != nullptr && !gone) {
            arv_camera_stop_acquisition(camera, nullptr);
        }
        if (pool) {
            pool->retire();
        }
        if (camera != nullptr) {
            g_object_unref(camera);
        }
        if (device != nullptr) {
            g_object_unref(device); // gives up the control of a GigE camera
        }
        said->store(true);
    };
    if (gone) {
        // Every request to a vanished camera waits out its retries; the caller
        // must not, so the goodbyes are said on a thread of their own. They
        // end quickly once the camera answers again.
        {
            std::lock_guard<std::mutex> lock(mutex_);
            farewell_ = said;
        }
        std::thread(release).detach();
    } else {
        release();
    }
    lock_.reset();
}

} // namespace vexo::aravis
