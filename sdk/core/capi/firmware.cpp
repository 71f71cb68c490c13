// Firmware upgrades.

#include "VexoCameraSDK.h"

#include "guards.h"
#include "state_store.h"

using namespace vexo::capi;
using namespace vexo::sdk;

extern "C" {

CameraSdkStatus CameraUpgrade(CameraHandle handle, const char *file, CameraUpgradeCallback callback,
                              void *context)
{
    return call(
        "CameraUpgrade", true,
        [&] {
            return onSession(
                handle, Access::Write,
                [&](Session &s) {
                    std::vector<uint8_t> bytes;
                    if (file == nullptr || textLength(file, kMaxPath) <= 0 ||
                        !readWholeFile(file, kMaxFileBytes, &bytes)) {
                        return CAMERA_STATUS_FILE_PATH;
                    }
                    FirmwareImage image;
                    if (!parseFirmwareImage(bytes.data(), bytes.size(), &image, nullptr) ||
                        image.productName != s.device->model().productName) {
                        return CAMERA_STATUS_NOT_MATCH;
                    }
                    return s.device->upgrade(image, [&](int percent) {
                        if (callback != nullptr) {
                            callback(percent, context);
                        }
                        return true;
                    });
                },
                &Features::firmwareUpgrade);
        },
        handle, file, callback, static_cast<const void *>(context));
}

} // extern "C"
