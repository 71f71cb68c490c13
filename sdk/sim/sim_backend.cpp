#include "sim_backend.h"

#include "netif.h"
#include "parsers.h"

#include <cstdlib>
#include <cstring>

namespace vexo::sim {

using namespace vexo::sdk;

namespace {

void copyText(char *field, size_t size, const std::string &text)
{
    std::memset(field, 0, size);
    std::memcpy(field, text.data(), std::min(size - 1, text.size()));
}

uint32_t hashOf(const std::string &s)
{
    uint32_t h = 2166136261u; // FNV-1a
    for (unsigned char c : s) {
        h = (h ^ c) * 16777619u;
    }
    return h;
}

} // namespace

SimBackend::SimBackend() : controls_(std::make_shared<SimControls>()) {}

StateStore SimBackend::store()
{
    return StateStore(stateDirectory());
}

CameraSdkStatus SimBackend::ensureLoadedLocked()
{
    if (!loaded_) {
        loaded_ = true;
        const char *path = std::getenv("VEXO_SDK_CAMERAS");
        if (path != nullptr && *path != '\0') {
            readCameraSetLocked(path);
        } else {
            set_ = builtInCameraSet();
            setStatus_ = CAMERA_STATUS_SUCCESS;
        }
    }
    return setStatus_;
}

CameraSdkStatus SimBackend::loadCameraSet(const char *path)
{
    std::lock_guard<std::mutex> lock(mutex_);
    for (auto &entry : open_) {
        if (auto device = entry.second.lock()) {
            device->close();
        }
    }
    open_.clear();
    for (const std::string &serial : unplugged_) {
        store().setUnplugged(serial, false);
    }
    unplugged_.clear();
    loaded_ = true;
    set_ = CameraSet{};
    if (path == nullptr) {
        set_ = builtInCameraSet();
        setStatus_ = CAMERA_STATUS_SUCCESS;
        return setStatus_;
    }
    return readCameraSetLocked(path);
}

CameraSdkStatus SimBackend::readCameraSetLocked(const char *path)
{
    std::vector<uint8_t> bytes;
    CameraSet set;
    if (!readWholeFile(path, kMaxFileBytes, &bytes)) {
        setStatus_ = CAMERA_STATUS_FILE_PATH;
    } else if (!parseCameraSet(bytes.data(), bytes.size(), &set, nullptr)) {
        setStatus_ = CAMERA_STATUS_FILE_CORRUPT;
    } else {
        set_ = std::move(set);
        setStatus_ = CAMERA_STATUS_SUCCESS;
    }
    return setStatus_;
}

bool SimBackend::unpluggedLocked(const std::string &serial) const
{
    return unplugged_.count(serial) != 0 || store().isUnplugged(serial);
}

const CameraModel *SimBackend::findLocked(const std::string &serial) const
{
    for (const CameraModel &m : set_.cameras) {
        if (m.serial == serial) {
            return &m;
        }
    }
    return nullptr;
}

std::shared_ptr<SimDevice> SimBackend::openDeviceLocked(const std::string &serial) const
{
    const auto it = open_.find(serial);
    if (it == open_.end()) {
        return nullptr;
    }
    auto device = it->second.lock();
    return device && !device->closed() ? device : nullptr;
}

CameraSdkStatus SimBackend::enumerate(std::vector<Found> *cameras)
{
    std::lock_guard<std::mutex> lock(mutex_);
    const CameraSdkStatus status = ensureLoadedLocked();
    if (status != CAMERA_STATUS_SUCCESS) {
        return status;
    }
    if (set_.enumerationFails) {
        return CAMERA_STATUS_FAILED;
    }
    const StateStore states = store();
    cameras->clear();
    for (const CameraModel &m : set_.cameras) {
        if (unpluggedLocked(m.serial)) {
            continue;
        }
        const PersistentState state = states.load(m);
        Found f;
        f.model = m;
        f.nickname = state.nickname.empty() ? m.friendlyName : state.nickname;
        f.firmwareVersion = state.firmwareVersion != 0 ? state.firmwareVersion : m.firmwareVersion;
        f.opened = openDeviceLocked(m.serial) != nullptr || DeviceLock::isHeld(states.lockPath(m.serial));
        if (m.isGige()) {
            stGigeInfo gige{};
            fillGige(m, state, &gige);
            f.address = std::string(gige.acIp, strnlen(gige.acIp, sizeof gige.acIp));
        }
        cameras->push_back(std::move(f));
    }
    return CAMERA_STATUS_SUCCESS;
}

CameraSdkStatus SimBackend::open(const std::string &serial, std::shared_ptr<Device> *device)
{
    std::lock_guard<std::mutex> lock(mutex_);
    const CameraSdkStatus status = ensureLoadedLocked();
    if (status != CAMERA_STATUS_SUCCESS) {
        return CAMERA_STATUS_NO_DEVICE;
    }
    const CameraModel *model = findLocked(serial);
    if (model == nullptr || unpluggedLocked(serial)) {
        return CAMERA_STATUS_NO_DEVICE;
    }
    if (openDeviceLocked(serial) != nullptr) {
        return CAMERA_STATUS_ALREADY_OPENED;
    }
    StateStore states = store();
    if (!states.ensureDirectory()) {
        return CAMERA_STATUS_IO_ERROR;
    }
    bool heldElsewhere = false;
    std::unique_ptr<DeviceLock> deviceLock = DeviceLock::acquire(states.lockPath(serial), &heldElsewhere);
    if (!deviceLock) {
        return heldElsewhere ? CAMERA_STATUS_ALREADY_OPENED : CAMERA_STATUS_IO_ERROR;
    }
    auto sim = std::make_shared<SimDevice>(*model, std::move(states), std::move(deviceLock), controls_);
    open_[serial] = sim;
    *device = sim;
    return CAMERA_STATUS_SUCCESS;
}

void SimBackend::fillGige(const CameraModel &model, const PersistentState &state, stGigeInfo *info) const
{
    const std::vector<HostInterface> nics = hostInterfaces();
    // Spread the network cameras over the host's interfaces.
    size_t position = 0;
    for (const CameraModel &m : set_.cameras) {
        if (m.serial == model.serial) {
            break;
        }
        if (m.isGige()) {
            ++position;
        }
    }
    const HostInterface &nic = nics[position % nics.size()];
    std::memset(info, 0, sizeof *info);
    copyText(info->acNicName, sizeof info->acNicName, nic.name);
    copyText(info->acNicDescription, sizeof info->acNicDescription, "Network adapter " + nic.name);
    copyText(info->acNicIp, sizeof info->acNicIp, ipv4Text(nic.ip));
    copyText(info->acNicMask, sizeof info->acNicMask, ipv4Text(nic.mask));
    copyText(info->acNicGateway, sizeof info->acNicGateway, ipv4Text(nic.gateway));

    const uint32_t h = hashOf(model.serial);
    if (state.ipSet) {
        info->iIpMode = state.ipMode;
        copyText(info->acIp, sizeof info->acIp, state.ip);
        copyText(info->acMask, sizeof info->acMask, state.mask);
        copyText(info->acGateway, sizeof info->acGateway, state.gateway);
    } else {
        // Factory address: a free-looking host address in the interface's subnet.
        const uint32_t hosts = ~nic.mask;
        uint32_t ip = nic.ip + 1;
        if (hosts >= 3) {
            const uint32_t net = nic.ip & nic.mask;
            uint32_t offset = 1 + h % (hosts - 1);
            ip = net | offset;
            if (ip == nic.ip) {
                offset = offset % (hosts - 1) + 1;
                ip = net | offset;
            }
        }
        info->iIpMode = 1;
        copyText(info->acIp, sizeof info->acIp, ipv4Text(ip));
        copyText(info->acMask, sizeof info->acMask, ipv4Text(nic.mask));
        copyText(info->acGateway, sizeof info->acGateway, ipv4Text(nic.gateway));
    }
    // A locally administered address, stable per serial.
    info->abMac[0] = 0x02;
    info->abMac[1] = 0x56;
    info->abMac[2] = static_cast<uint8_t>(h >> 24);
    info->abMac[3] = static_cast<uint8_t>(h >> 16);
    info->abMac[4] = static_cast<uint8_t>(h >> 8);
    info->abMac[5] = static_cast<uint8_t>(h);
}

CameraSdkStatus SimBackend::gigeModelLocked(const std::string &serial, const CameraModel **model)
{
    if (ensureLoadedLocked() != CAMERA_STATUS_SUCCESS) {
        return CAMERA_STATUS_NO_DEVICE;
    }
    const CameraModel *found = findLocked(serial);
    if (found == nullptr || unpluggedLocked(serial)) {
        return CAMERA_STATUS_NO_DEVICE;
    }
    if (!found->isGige()) {
        return CAMERA_STATUS_NOT_SUPPORTED;
    }
    *model = found;
    return CAMERA_STATUS_SUCCESS;
}

CameraSdkStatus SimBackend::gigeGetIp(const std::string &serial, stGigeInfo *info)
{
    std::lock_guard<std::mutex> lock(mutex_);
    const CameraModel *model = nullptr;
    const CameraSdkStatus status = gigeModelLocked(serial, &model);
    if (status != CAMERA_STATUS_SUCCESS) {
        return status;
    }
    fillGige(*model, store().load(*model), info);
    return CAMERA_STATUS_SUCCESS;
}

CameraSdkStatus SimBackend::gigeSetIp(const std::string &serial, const stGigeInfo &info)
{
    CameraModel model;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        const CameraModel *found = nullptr;
        const CameraSdkStatus status = gigeModelLocked(serial, &found);
        if (status != CAMERA_STATUS_SUCCESS) {
            return status;
        }
        model = *found;
    }
    const bool isStatic = info.iIpMode != 0;
    uint32_t ip = 0, mask = 0, gateway = 0;
    const bool parsed = parseIpv4(info.acIp, sizeof info.acIp, &ip) &&
                        parseIpv4(info.acMask, sizeof info.acMask, &mask) &&
                        parseIpv4(info.acGateway, sizeof info.acGateway, &gateway);
    if (isStatic && (!parsed || !isValidStaticAddress(ip, mask, gateway))) {
        return CAMERA_STATUS_INVALID_ARGUMENT;
    }
    const std::string ipText = ipv4Text(ip), maskText = ipv4Text(mask), gatewayText = ipv4Text(gateway);
    // DHCP keeps the last static address for when static mode comes back.
    stGigeInfo current{};
    {
        std::lock_guard<std::mutex> lock(mutex_);
        fillGige(model, store().load(model), &current);
    }
    const bool ok = store().update(model, [&](PersistentState &st) {
        st.ipSet = true;
        st.ipMode = isStatic ? 1 : 0;
        st.ip = isStatic ? ipText : std::string(current.acIp);
        st.mask = isStatic ? maskText : std::string(current.acMask);
        st.gateway = isStatic ? gatewayText : std::string(current.acGateway);
    });
    return ok ? CAMERA_STATUS_SUCCESS : CAMERA_STATUS_IO_ERROR;
}

CameraSdkStatus SimBackend::unplug(const std::string &serial)
{
    std::lock_guard<std::mutex> lock(mutex_);
    ensureLoadedLocked();
    if (findLocked(serial) == nullptr) {
        return CAMERA_STATUS_NO_DEVICE;
    }
    unplugged_.insert(serial);
    store().setUnplugged(serial, true);
    if (auto device = openDeviceLocked(serial)) {
        device->unplug();
    }
    return CAMERA_STATUS_SUCCESS;
}

CameraSdkStatus SimBackend::replug(const std::string &serial)
{
    std::lock_guard<std::mutex> lock(mutex_);
    ensureLoadedLocked();
    if (findLocked(serial) == nullptr) {
        return CAMERA_STATUS_NO_DEVICE;
    }
    unplugged_.erase(serial);
    store().setUnplugged(serial, false);
    return CAMERA_STATUS_SUCCESS;
}

CameraSdkStatus SimBackend::fireTrigger(const std::string &serial, int line)
{
    std::shared_ptr<SimDevice> device;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        ensureLoadedLocked();
        if (findLocked(serial) == nullptr) {
            return CAMERA_STATUS_NO_DEVICE;
        }
        device = openDeviceLocked(serial);
    }
    if (!device) {
        return CAMERA_STATUS_FAILED; // not open here: nobody listens to the line
    }
    return device->fireTrigger(line);
}

void SimBackend::setUpgradeDuration(int milliseconds)
{
    controls_->upgradeDurationMs = std::max(0, milliseconds);
}

} // namespace vexo::sim
