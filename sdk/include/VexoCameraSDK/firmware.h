/**
 * @file VexoCameraSDK/firmware.h
 * @brief Firmware upgrade.
 *
 * Part of the camera library's interface; programs include VexoCameraSDK.h.
 */
#ifndef VEXO_CAMERA_SDK_FIRMWARE_H
#define VEXO_CAMERA_SDK_FIRMWARE_H

#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

/** @name Firmware
 * @{ */
/**
 * @brief Writes a firmware file into the camera.
 *
 * Blocks until the upgrade is done (seconds). The new firmware version shows in the next enumeration.
 * @param handle Camera opened by CameraInitEx3().
 * @param file Path of the firmware file (*.upg).
 * @param callback Called with the progress 0 to 100 on the calling thread; may be NULL.
 * @param context Handed to callback unchanged.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_FILE_PATH The file cannot be opened or read.
 * @retval CAMERA_STATUS_NOT_MATCH The file is not a firmware image, has a bad checksum or is for
 *                                another model.
 * @retval CAMERA_STATUS_BUSY An upgrade of this camera is already running.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera cannot be upgraded through the library.
 * @threadsafety Any thread; run it in a worker thread to keep a user interface alive. While it runs,
 *               settings calls on the same camera return CAMERA_STATUS_BUSY.
 */
VEXO_SDK_API CameraSdkStatus CameraUpgrade(CameraHandle handle, const char *file,
                                           CameraUpgradeCallback callback, void *context);
/** @} */

#ifdef __cplusplus
} /* extern "C" */
#endif

#endif /* VEXO_CAMERA_SDK_FIRMWARE_H */
