// Real cameras as a backend: GigE Vision cameras (asked by address, or found
// by Aravis's broadcast when no addresses are configured), USB3 Vision
// cameras, and Aravis's in-process test camera when it is asked for.
#pragma once

#include "aravis_device.h"
#include "gvcp.h"
#include "sdk_options.h"

#include <map>
#include <mutex>
#include <optional>

namespace vexo::aravis {

class AravisBackend final : public Backend
{
public:
    explicit AravisBackend(const SdkOptions &options);

    CameraSdkStatus enumerate(std::vector<Found> *cameras) override;
    CameraSdkStatus open(const std::string &serial, std::shared_ptr<Device> *device) override;
    CameraSdkStatus gigeGetIp(const std::string &serial, stGigeInfo *info) override;
    CameraSdkStatus gigeSetIp(const std::string &serial, const stGigeInfo &info) override;

private:
    struct Known
    {
        Endpoint endpoint;
        Found found;
    };

    // The cameras present now; the last list is kept for open().
    std::vector<Known> listLocked();
    std::vector<uint32_t> gigeAddressesLocked();
    // The entry of serial, listing again once when it is not known yet.
    const Known *findLocked(const std::string &serial);
    // A listed GigE Vision camera.
    CameraSdkStatus gigeKnownLocked(const std::string &serial, const Known **known);
    std::shared_ptr<AravisDevice> openDeviceLocked(const std::string &serial) const;

    const bool realCameras_;
    const bool testCamera_;
    const std::optional<std::vector<uint32_t>> gigeAddresses_;
    std::mutex mutex_;
    std::map<std::string, Known> known_;
    std::map<std::string, std::weak_ptr<AravisDevice>> open_;
    // What an open showed that a listing cannot (USB3 Vision names, firmware).
    std::map<std::string, std::pair<std::string, uint16_t>> learnt_;
};

} // namespace vexo::aravis
