/**
 * @file VexoCameraSDK/resolution.h
 * @brief Resolution, region of interest and the current settings as one record.
 *
 * Part of the camera library's interface; programs include VexoCameraSDK.h.
 */
#ifndef VEXO_CAMERA_SDK_RESOLUTION_H
#define VEXO_CAMERA_SDK_RESOLUTION_H

#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

/** @name Resolution
 * @{ */
/**
 * @brief Reads what the camera can do: sensor size, presets, formats, I/O lines, ranges.
 * @param handle Camera opened by CameraInitEx3().
 * @param capability Receives the record; its arrays belong to the library and stay valid until
 *                  CameraUnInit().
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetCapability(CameraHandle handle, stCameraCapability *capability);

/**
 * @brief Reads the current resolution: a preset, or the custom region (index CAMERA_RESOLUTION_CUSTOM).
 * @param handle Camera opened by CameraInitEx3().
 * @param resolution Receives the resolution.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetResolution(CameraHandle handle, stImageResolution *resolution);

/**
 * @brief Reads a preset resolution, or the last custom region.
 * @param handle Camera opened by CameraInitEx3().
 * @param index Index of a preset (0 to stCameraCapability::iImageSizeDesc - 1), or
 *             CAMERA_RESOLUTION_CUSTOM.
 * @param resolution Receives the resolution.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT resolution is NULL or index is neither a preset nor
 *                                       CAMERA_RESOLUTION_CUSTOM.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetResolutionEx(CameraHandle handle, int index,
                                                   stImageResolution *resolution);

/**
 * @brief Switches to a preset resolution.
 *
 * Frames of the new size follow; a frame of the old size may still be waiting.
 * @param handle Camera opened by CameraInitEx3().
 * @param index Index of a preset, 0 to stCameraCapability::iImageSizeDesc - 1.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The value is out of range.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetResolution(CameraHandle handle, int index);

/**
 * @brief Switches to a custom region of interest.
 *
 * Offsets are rounded down to even numbers; the region is at least 2 x 2 pixels. Afterwards
 * CameraGetResolution() reports index CAMERA_RESOLUTION_CUSTOM.
 * @param handle Camera opened by CameraInitEx3().
 * @param resolution The region: iHOffsetFOV, iVOffsetFOV, iWidthFOV and iHeightFOV on the sensor; the
 *                  other fields are ignored.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT resolution is NULL, or the region lies outside the sensor or
 *                                       has a non-positive size.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetResolutionEx(CameraHandle handle, const stImageResolution *resolution);

/**
 * @brief Sets the resolution of the stills CameraSnapToBuffer() takes.
 *
 * Streaming keeps its own resolution.
 * @param handle Camera opened by CameraInitEx3().
 * @param resolution A region on the sensor, as for CameraSetResolutionEx().
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT resolution is NULL or the region does not fit the sensor.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetResolutionForSnap(CameraHandle handle,
                                                        const stImageResolution *resolution);
/** @} */

/** @name Current settings
 * @{ */
/**
 * @brief Reads the camera's current settings in one record.
 * @param handle Camera opened by CameraInitEx3().
 * @param info Receives the settings and the device record.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetCurDevInfo(CameraHandle handle, stCurrentDeviceInfo *info);
/** @} */

#ifdef __cplusplus
} /* extern "C" */
#endif

#endif /* VEXO_CAMERA_SDK_RESOLUTION_H */
