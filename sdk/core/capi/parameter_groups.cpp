// Parameter groups kept in the camera, the parameter mode and parameter files.

#include "VexoCameraSDK.h"

#include "guards.h"
#include "state_store.h"

using namespace vexo::capi;
using namespace vexo::sdk;

extern "C" {

CameraSdkStatus CameraSaveParameter(CameraHandle handle, int group)
{
    return call(
        "CameraSaveParameter", true,
        [&] {
            return onSession(handle, Access::Write, [&](Session &s) { return s.device->saveGroup(group); });
        },
        handle, group);
}

CameraSdkStatus CameraLoadParameter(CameraHandle handle, int group)
{
    return call(
        "CameraLoadParameter", true,
        [&] {
            return onSession(handle, Access::Write, [&](Session &s) { return s.device->loadGroup(group); });
        },
        handle, group);
}

CameraSdkStatus CameraGetCurrentParameterGroup(CameraHandle handle, int *group)
{
    return getter(
        "CameraGetCurrentParameterGroup", handle, nullptr,
        [&](Session &s) { *group = s.device->currentGroup(); }, group);
}

CameraSdkStatus CameraSetParameterMode(CameraHandle handle, int mode)
{
    return call(
        "CameraSetParameterMode", true,
        [&] {
            return onSession(handle, Access::Write,
                             [&](Session &s) { return s.device->setParameterMode(mode); });
        },
        handle, mode);
}

CameraSdkStatus CameraGetParameterMode(CameraHandle handle, int *mode)
{
    return getter(
        "CameraGetParameterMode", handle, nullptr, [&](Session &s) { *mode = s.device->parameterMode(); },
        mode);
}

CameraSdkStatus CameraSaveParameterToFile(CameraHandle handle, const char *path)
{
    return call(
        "CameraSaveParameterToFile", true,
        [&] {
            return readSettings(handle, [&](Session &s, const Settings &settings) {
                if (path == nullptr || textLength(path, kMaxPath) <= 0) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                ParameterFile file;
                file.productName = s.device->model().productName;
                file.serial = s.serial;
                file.settings = settings;
                const std::vector<uint8_t> bytes = writeParameterFile(file);
                return writeFileAtomic(path, bytes.data(), bytes.size()) ? CAMERA_STATUS_SUCCESS
                                                                         : CAMERA_STATUS_IO_ERROR;
            });
        },
        handle, path);
}

CameraSdkStatus CameraReadParameterFromFile(CameraHandle handle, const char *path)
{
    return call(
        "CameraReadParameterFromFile", true,
        [&] {
            return onSession(handle, Access::Write, [&](Session &s) {
                if (path == nullptr || textLength(path, kMaxPath) <= 0) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                std::vector<uint8_t> bytes;
                if (!readWholeFile(path, kMaxFileBytes, &bytes)) {
                    return CAMERA_STATUS_FILE_PATH;
                }
                ParameterFile file;
                const CameraModel &m = s.device->model();
                file.settings = defaultSettings(m);
                if (!parseParameterFile(bytes.data(), bytes.size(), &file, nullptr)) {
                    return CAMERA_STATUS_FILE_CORRUPT;
                }
                if (file.productName != m.productName) {
                    return CAMERA_STATUS_NOT_MATCH;
                }
                if (!validateSettings(m, file.settings).empty()) {
                    return CAMERA_STATUS_FILE_CORRUPT;
                }
                return s.device->applySettings(file.settings);
            });
        },
        handle, path);
}

} // extern "C"
