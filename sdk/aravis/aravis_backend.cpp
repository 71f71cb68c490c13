#include "aravis_backend.h"

#include "library.h"
#include "mapping.h"
#include "netif.h"
#include "parsers.h"

#include <arpa/inet.h>
#include <cstring>

namespace vexo::aravis {

namespace {

constexpr auto kDiscoveryTimeout = std::chrono::milliseconds(400);
constexpr auto kRegisterTimeout = std::chrono::milliseconds(150);

void copyText(char *field, size_t size, const std::string &text)
{
    std::memset(field, 0, size);
    std::memcpy(field, text.data(), std::min(size - 1, text.size()));
}

std::string fitted(const std::string &text, size_t field)
{
    return text.substr(0, std::min(text.size(), field - 1));
}

CameraModel listedModel(const std::string &serial, const std::string &vendor, const std::string &model,
                        const char *port, const std::string &link)
{
    CameraModel m;
    m.serial = fitted(serial, sizeof(stDeviceInfo::acSn));
    m.productSeries = fitted(vendor, sizeof(stDeviceInfo::acProductSeries));
    m.productName = fitted(model, sizeof(stDeviceInfo::acProductName));
    m.friendlyName = m.productName;
    m.portType = port;
    m.linkName = fitted(link, sizeof(stDeviceInfo::acLinkName));
    m.sensorType.clear();
    m.deviceVersion.clear();
    m.firmwareVersion = 0;
    return m;
}

// Cameras an Aravis interface lists (USB3 Vision, or the test camera).
void listInterface(ArvInterface *interface, Endpoint::Kind kind, const char *port,
                   std::vector<std::pair<Endpoint, Backend::Found>> *out)
{
    arv_interface_update_device_list(interface);
    const unsigned count = arv_interface_get_n_devices(interface);
    for (unsigned i = 0; i < count; ++i) {
        const char *id = arv_interface_get_device_id(interface, i);
        const char *serial = arv_interface_get_device_serial_nbr(interface, i);
        if (id == nullptr || serial == nullptr || *serial == '\0') {
            continue;
        }
        const char *vendor = arv_interface_get_device_vendor(interface, i);
        const char *model = arv_interface_get_device_model(interface, i);
        const char *physical = arv_interface_get_device_physical_id(interface, i);
        Endpoint where;
        where.kind = kind;
        where.id = id;
        Backend::Found found;
        found.model = listedModel(serial, vendor != nullptr ? vendor : "", model != nullptr ? model : "",
                                  port, physical != nullptr ? physical : id);
        found.nickname = found.model.productName;
        found.model.link = kind == Endpoint::Kind::Usb3 ? CAMERA_LINK_USB3_VISION : CAMERA_LINK_TEST_CAMERA;
        out->emplace_back(std::move(where), std::move(found));
    }
}

// Takes the camera: its open lock in the state directory, then its control.
CameraSdkStatus takeCamera(const Endpoint &where, const std::string &serial,
                           std::shared_ptr<AravisDevice> *device)
{
    StateStore store(stateDirectory());
    if (!store.ensureDirectory()) {
        return CAMERA_STATUS_IO_ERROR;
    }
    // The lock file keeps our programs apart even where the camera itself
    // cannot tell (USB3 Vision, the test camera).
    bool heldElsewhere = false;
    std::unique_ptr<DeviceLock> deviceLock = DeviceLock::acquire(store.lockPath(serial), &heldElsewhere);
    if (!deviceLock) {
        return heldElsewhere ? CAMERA_STATUS_ALREADY_OPENED : CAMERA_STATUS_IO_ERROR;
    }
    return AravisDevice::open(where, std::move(store), std::move(deviceLock), device);
}

} // namespace

AravisBackend::AravisBackend(const SdkOptions &options)
    : realCameras_(options.uses(kBackendAravis)), testCamera_(options.uses(kBackendAravisFake)),
      gigeAddresses_(options.gigeAddresses)
{
}

std::vector<uint32_t> AravisBackend::gigeAddressesLocked()
{
    if (gigeAddresses_) {
        return *gigeAddresses_;
    }
    // Nothing configured: the cameras answer Aravis's broadcast on every interface.
    std::vector<uint32_t> addresses;
    ArvInterface *gige = arv_gv_interface_get_instance();
    arv_interface_update_device_list(gige);
    for (unsigned i = 0; i < arv_interface_get_n_devices(gige); ++i) {
        const char *text = arv_interface_get_device_address(gige, i);
        in_addr address{};
        if (text != nullptr && ::inet_pton(AF_INET, text, &address) == 1) {
            addresses.push_back(ntohl(address.s_addr));
        }
    }
    return addresses;
}

std::vector<AravisBackend::Known> AravisBackend::listLocked()
{
    std::vector<std::pair<Endpoint, Found>> listed;
    const StateStore store(stateDirectory());
    if (realCameras_) {
        const std::vector<uint32_t> addresses = gigeAddressesLocked();
        for (const gige::Identity &id : gige::discover(addresses, kDiscoveryTimeout)) {
            Endpoint where;
            where.kind = Endpoint::Kind::Gige;
            where.address = id.address;
            where.hostAddress = gige::localAddressFor(id.address);
            Found found;
            found.model = listedModel(id.serial, id.manufacturer, id.model, "GigE", ipv4Text(id.address));
            found.model.deviceVersion = fitted(id.deviceVersion, sizeof(stDeviceInfo::acDeviceVersion));
            packDottedVersion(id.deviceVersion, &found.firmwareVersion);
            found.nickname = id.userName.empty() ? found.model.productName : id.userName;
            found.model.link = CAMERA_LINK_GIGE_VISION;
            found.address = ipv4Text(id.address);
            // Whoever holds the control channel has the camera open, our
            // programs or any other.
            uint32_t privilege = 0;
            found.opened = gige::readRegister(id.address, gige::kRegisterControlPrivilege, &privilege,
                                              kRegisterTimeout) == gige::Reply::Value &&
                           privilege != 0;
            listed.emplace_back(std::move(where), std::move(found));
        }
        listInterface(arv_uv_interface_get_instance(), Endpoint::Kind::Usb3, "USB3.0", &listed);
    }
    if (testCamera_) {
        listInterface(arv_fake_interface_get_instance(), Endpoint::Kind::Fake, "Virtual", &listed);
    }
    std::vector<Known> out;
    for (auto &[where, found] : listed) {
        const std::string &serial = found.model.serial;
        const auto learnt = learnt_.find(serial);
        if (learnt != learnt_.end()) {
            if (where.kind != Endpoint::Kind::Gige) {
                found.nickname = learnt->second.first;
            }
            found.firmwareVersion =
                found.firmwareVersion != 0 ? found.firmwareVersion : learnt->second.second;
        }
        found.opened =
            found.opened || openDeviceLocked(serial) != nullptr || DeviceLock::isHeld(store.lockPath(serial));
        out.push_back({std::move(where), std::move(found)});
    }
    return out;
}

std::shared_ptr<AravisDevice> AravisBackend::openDeviceLocked(const std::string &serial) const
{
    const auto it = open_.find(serial);
    if (it == open_.end()) {
        return nullptr;
    }
    std::shared_ptr<AravisDevice> device = it->second.lock();
    return device && !device->closed() ? device : nullptr;
}

CameraSdkStatus AravisBackend::enumerate(std::vector<Found> *cameras)
{
    std::lock_guard<std::mutex> lock(mutex_);
    std::map<std::string, Known> known;
    cameras->clear();
    for (Known &k : listLocked()) {
        if (known.count(k.found.model.serial) != 0) {
            continue; // the same camera seen twice (two routes to it)
        }
        cameras->push_back(k.found);
        known.emplace(k.found.model.serial, std::move(k));
    }
    known_ = std::move(known);
    return CAMERA_STATUS_SUCCESS;
}

const AravisBackend::Known *AravisBackend::findLocked(const std::string &serial)
{
    if (known_.count(serial) == 0) {
        std::map<std::string, Known> known;
        for (Known &k : listLocked()) {
            known.emplace(k.found.model.serial, std::move(k));
        }
        known_ = std::move(known);
    }
    const auto it = known_.find(serial);
    return it == known_.end() ? nullptr : &it->second;
}

CameraSdkStatus AravisBackend::open(const std::string &serial, std::shared_ptr<Device> *device)
{
    std::lock_guard<std::mutex> lock(mutex_);
    const Known *known = findLocked(serial);
    if (known == nullptr) {
        return CAMERA_STATUS_NO_DEVICE;
    }
    if (openDeviceLocked(serial) != nullptr) {
        return CAMERA_STATUS_ALREADY_OPENED;
    }
    std::shared_ptr<AravisDevice> opened;
    const CameraSdkStatus status = takeCamera(known->endpoint, serial, &opened);
    if (status != CAMERA_STATUS_SUCCESS) {
        return status;
    }
    if (opened->model().serial != serial) {
        opened->close(); // another camera took the address since the listing
        known_.erase(serial);
        return CAMERA_STATUS_NO_DEVICE;
    }
    open_[serial] = opened;
    learnt_[serial] = {opened->nickname(), opened->firmwareVersion()};
    *device = std::move(opened);
    return CAMERA_STATUS_SUCCESS;
}

CameraSdkStatus AravisBackend::gigeKnownLocked(const std::string &serial, const Known **known)
{
    const Known *found = findLocked(serial);
    if (found == nullptr) {
        return CAMERA_STATUS_NO_DEVICE;
    }
    if (found->endpoint.kind != Endpoint::Kind::Gige) {
        return CAMERA_STATUS_NOT_SUPPORTED;
    }
    *known = found;
    return CAMERA_STATUS_SUCCESS;
}

CameraSdkStatus AravisBackend::gigeGetIp(const std::string &serial, stGigeInfo *info)
{
    uint32_t address = 0, host = 0;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        const Known *known = nullptr;
        const CameraSdkStatus status = gigeKnownLocked(serial, &known);
        if (status != CAMERA_STATUS_SUCCESS) {
            return status;
        }
        address = known->endpoint.address;
        host = known->endpoint.hostAddress;
    }
    const std::vector<gige::Identity> answer = gige::discover({address}, kDiscoveryTimeout);
    if (answer.empty() || answer.front().serial != serial) {
        return CAMERA_STATUS_DEVICE_LOST;
    }
    const gige::Identity &id = answer.front();
    std::memset(info, 0, sizeof *info);
    HostInterface nic;
    if (interfaceWithAddress(host, &nic)) {
        copyText(info->acNicName, sizeof info->acNicName, nic.name);
        copyText(info->acNicDescription, sizeof info->acNicDescription, "Network adapter " + nic.name);
        copyText(info->acNicIp, sizeof info->acNicIp, ipv4Text(nic.ip));
        copyText(info->acNicMask, sizeof info->acNicMask, ipv4Text(nic.mask));
        copyText(info->acNicGateway, sizeof info->acNicGateway, ipv4Text(nic.gateway));
    }
    info->iIpMode = (id.ipConfig & gige::kIpConfigPersistent) != 0 ? 1 : 0;
    copyText(info->acIp, sizeof info->acIp, ipv4Text(id.address));
    copyText(info->acMask, sizeof info->acMask, ipv4Text(id.mask));
    copyText(info->acGateway, sizeof info->acGateway, ipv4Text(id.gateway));
    std::memcpy(info->abMac, id.mac, sizeof info->abMac);
    return CAMERA_STATUS_SUCCESS;
}

CameraSdkStatus AravisBackend::gigeSetIp(const std::string &serial, const stGigeInfo &info)
{
    const bool isStatic = info.iIpMode != 0;
    uint32_t ip = 0, mask = 0, gateway = 0;
    if (isStatic &&
        !(parseIpv4(info.acIp, sizeof info.acIp, &ip) && parseIpv4(info.acMask, sizeof info.acMask, &mask) &&
          parseIpv4(info.acGateway, sizeof info.acGateway, &gateway) &&
          isValidStaticAddress(ip, mask, gateway))) {
        return CAMERA_STATUS_INVALID_ARGUMENT;
    }
    std::lock_guard<std::mutex> lock(mutex_);
    const Known *known = nullptr;
    const CameraSdkStatus found = gigeKnownLocked(serial, &known);
    if (found != CAMERA_STATUS_SUCCESS) {
        return found;
    }
    if (std::shared_ptr<AravisDevice> device = openDeviceLocked(serial)) {
        return device->setIpConfiguration(isStatic, ip, mask, gateway);
    }
    // Not open here: take the camera for the moment of the change.
    std::shared_ptr<AravisDevice> device;
    CameraSdkStatus status = takeCamera(known->endpoint, serial, &device);
    if (status == CAMERA_STATUS_SUCCESS) {
        status = device->model().serial == serial ? device->setIpConfiguration(isStatic, ip, mask, gateway)
                                                  : CAMERA_STATUS_NO_DEVICE;
        device->close();
    }
    return status;
}

} // namespace vexo::aravis

namespace vexo::capi {

std::unique_ptr<sdk::Backend> makeAravisBackend(const sdk::SdkOptions &options)
{
    return std::make_unique<aravis::AravisBackend>(options);
}

} // namespace vexo::capi
