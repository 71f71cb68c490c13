/**
 * @file VexoCameraSDK/exposure.h
 * @brief Exposure, gains, automatic exposure and anti-flicker.
 *
 * Part of the camera library's interface; programs include VexoCameraSDK.h.
 */
#ifndef VEXO_CAMERA_SDK_EXPOSURE_H
#define VEXO_CAMERA_SDK_EXPOSURE_H

#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

/** @name Exposure
 * @{ */
/**
 * @brief Switches automatic exposure on or off.
 *
 * In automatic mode the camera steers exposure and analog gain towards the brightness target within the
 * ranges set.
 * @param handle Camera opened by CameraInitEx3().
 * @param automatic 1 automatic exposure, 0 manual.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetAeState(CameraHandle handle, int automatic);

/**
 * @brief Reads whether automatic exposure is on.
 * @param handle Camera opened by CameraInitEx3().
 * @param automatic Receives 1 automatic, 0 manual.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetAeState(CameraHandle handle, int *automatic);

/**
 * @brief Sets the exposure time (manual exposure).
 *
 * A long exposure lowers the frame rate.
 * @param handle Camera opened by CameraInitEx3().
 * @param microseconds Exposure time in microseconds; rounded to whole sensor lines
 *                    (CameraGetExposureLineTime()).
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The time is not a finite number or lies outside
 *                                       stCameraCapability::iExposureLinesMin to iExposureLinesMax
 *                                       lines.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetExposureTime(CameraHandle handle, double microseconds);

/**
 * @brief Reads the exposure time.
 * @param handle Camera opened by CameraInitEx3().
 * @param microseconds Receives the exposure time in microseconds.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetExposureTime(CameraHandle handle, double *microseconds);

/**
 * @brief Reads the time of one sensor line, the step of the exposure time.
 * @param handle Camera opened by CameraInitEx3().
 * @param microseconds Receives the line time in microseconds.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetExposureLineTime(CameraHandle handle, double *microseconds);

/**
 * @brief Sets the analog gain (manual exposure).
 * @param handle Camera opened by CameraInitEx3().
 * @param gainX1000 Gain times 1000, stCameraCapability::iAnalogGainMin to iAnalogGainMax.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetAnalogGain(CameraHandle handle, int gainX1000);

/**
 * @brief Reads the analog gain.
 * @param handle Camera opened by CameraInitEx3().
 * @param gainX1000 Receives the gain times 1000.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetAnalogGain(CameraHandle handle, int *gainX1000);

/**
 * @brief Sets the brightness automatic exposure aims at.
 * @param handle Camera opened by CameraInitEx3().
 * @param target Mean brightness 0 to 255.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetAeTarget(CameraHandle handle, uint16_t target);

/**
 * @brief Reads the brightness automatic exposure aims at.
 * @param handle Camera opened by CameraInitEx3().
 * @param target Receives the target, 0 to 255.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetAeTarget(CameraHandle handle, int *target);

/**
 * @brief Limits the exposure times automatic exposure may choose.
 * @param handle Camera opened by CameraInitEx3().
 * @param minUs Shortest exposure in microseconds.
 * @param maxUs Longest exposure in microseconds, at least minUs.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A value is not finite, minUs > maxUs, or the range leaves the
 *                                       camera's exposure range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetAeExposureRange(CameraHandle handle, double minUs, double maxUs);

/**
 * @brief Reads the exposure range of automatic exposure.
 * @param handle Camera opened by CameraInitEx3().
 * @param minUs Receives the shortest exposure in microseconds.
 * @param maxUs Receives the longest exposure in microseconds.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetAeExposureRange(CameraHandle handle, double *minUs, double *maxUs);

/**
 * @brief Limits the analog gains automatic exposure may choose.
 * @param handle Camera opened by CameraInitEx3().
 * @param minX1000 Lowest gain times 1000.
 * @param maxX1000 Highest gain times 1000, at least minX1000.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT minX1000 > maxX1000 or the range leaves the camera's gain
 *                                       range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetAeAnalogGainRange(CameraHandle handle, int minX1000, int maxX1000);

/**
 * @brief Reads the analog gain range of automatic exposure.
 * @param handle Camera opened by CameraInitEx3().
 * @param minX1000 Receives the lowest gain times 1000.
 * @param maxX1000 Receives the highest gain times 1000.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetAeAnalogGainRange(CameraHandle handle, int *minX1000, int *maxX1000);

/**
 * @brief Switches anti-flicker on or off: automatic exposure then uses multiples of the light's period.
 * @param handle Camera opened by CameraInitEx3().
 * @param enable Anti-flicker: 1 on, 0 off.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetAntiFlick(CameraHandle handle, int enable);

/**
 * @brief Reads whether anti-flicker is on.
 * @param handle Camera opened by CameraInitEx3().
 * @param enable Receives 1 on, 0 off.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetAntiFlick(CameraHandle handle, int *enable);

/**
 * @brief Sets the mains frequency anti-flicker works with.
 * @param handle Camera opened by CameraInitEx3().
 * @param frequency 1 for 50 Hz, 2 for 60 Hz.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetLightFrequency(CameraHandle handle, int frequency);

/**
 * @brief Reads the mains frequency anti-flicker works with.
 * @param handle Camera opened by CameraInitEx3().
 * @param frequency Receives 1 for 50 Hz, 2 for 60 Hz.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetLightFrequency(CameraHandle handle, int *frequency);
/** @} */

#ifdef __cplusplus
} /* extern "C" */
#endif

#endif /* VEXO_CAMERA_SDK_EXPOSURE_H */
