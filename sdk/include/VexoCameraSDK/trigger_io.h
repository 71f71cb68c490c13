/**
 * @file VexoCameraSDK/trigger_io.h
 * @brief Trigger, strobe, I/O lines and the integer values.
 *
 * Part of the camera library's interface; programs include VexoCameraSDK.h.
 */
#ifndef VEXO_CAMERA_SDK_TRIGGER_IO_H
#define VEXO_CAMERA_SDK_TRIGGER_IO_H

#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

/** @name Trigger, strobe and I/O lines
 * @{ */
/**
 * @brief Chooses when the camera takes frames.
 *
 * In a trigger mode each trigger yields CameraGetTriggerFrameCount() frames after the trigger delay.
 * @param handle Camera opened by CameraInitEx3().
 * @param mode CAMERA_TRIGGER_CONTINUOUS (free running), CAMERA_TRIGGER_SOFTWARE (CameraSoftTrigger())
 *            or CAMERA_TRIGGER_HARDWARE (edges on an input line in trigger mode).
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this trigger mode (hardware trigger without
 *                                    input lines).
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetTriggerMode(CameraHandle handle, int mode);

/**
 * @brief Reads the trigger mode.
 * @param handle Camera opened by CameraInitEx3().
 * @param mode Receives a CAMERA_TRIGGER_* value.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetTriggerMode(CameraHandle handle, int *mode);

/**
 * @brief Triggers the camera once (software trigger mode).
 * @param handle Camera opened by CameraInitEx3().
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_FAILED The camera is not in software trigger mode.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSoftTrigger(CameraHandle handle);

/**
 * @brief Sets how many frames one trigger yields.
 * @param handle Camera opened by CameraInitEx3().
 * @param count 1 to 1000.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetTriggerFrameCount(CameraHandle handle, int count);

/**
 * @brief Reads how many frames one trigger yields.
 * @param handle Camera opened by CameraInitEx3().
 * @param count Receives the count.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetTriggerFrameCount(CameraHandle handle, int *count);

/**
 * @brief Sets the delay between a trigger and its first frame.
 * @param handle Camera opened by CameraInitEx3().
 * @param microseconds Delay in microseconds, up to 1000000.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetTriggerDelayTime(CameraHandle handle, uint32_t microseconds);

/**
 * @brief Reads the trigger delay.
 * @param handle Camera opened by CameraInitEx3().
 * @param microseconds Receives the delay in microseconds.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetTriggerDelayTime(CameraHandle handle, uint32_t *microseconds);

/**
 * @brief Sets the debounce time of an input line: shorter pulses are ignored.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Input line, 0 to stCameraCapability::iInputIoCounts - 1.
 * @param microseconds Debounce time in microseconds, up to 1000000.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT line or time is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetTriggerJitterTime(CameraHandle handle, int line, uint32_t microseconds);

/**
 * @brief Reads the debounce time of an input line.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Input line, 0 to stCameraCapability::iInputIoCounts - 1.
 * @param microseconds Receives the time in microseconds.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The pointer is NULL or line is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetTriggerJitterTime(CameraHandle handle, int line,
                                                        uint32_t *microseconds);

/**
 * @brief Chooses what an input line does.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Input line, 0 to stCameraCapability::iInputIoCounts - 1.
 * @param mode 0 trigger input, 1 general input (read with CameraGetInputIOState()).
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT line or value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no such line.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetInputIOMode(CameraHandle handle, int line, int mode);

/**
 * @brief Reads what an input line does.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Input line, 0 to stCameraCapability::iInputIoCounts - 1.
 * @param mode Receives 0 trigger input, 1 general input.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The pointer is NULL or line is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no such line.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetInputIOMode(CameraHandle handle, int line, int *mode);

/**
 * @brief Reads the level of an input line.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Input line, 0 to stCameraCapability::iInputIoCounts - 1.
 * @param state Receives 1 high, 0 low.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The pointer is NULL or line is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no such line.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetInputIOState(CameraHandle handle, int line, int *state);

/**
 * @brief Chooses which signal on an input line triggers.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Input line, 0 to stCameraCapability::iInputIoCounts - 1.
 * @param type 0 rising edge, 1 falling edge, 2 high level, 3 low level.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT line or value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no such line.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetTriggerSignalType(CameraHandle handle, int line, int type);

/**
 * @brief Reads which signal on an input line triggers.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Input line, 0 to stCameraCapability::iInputIoCounts - 1.
 * @param type Receives 0 rising edge, 1 falling edge, 2 high level, 3 low level.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The pointer is NULL or line is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no such line.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetTriggerSignalType(CameraHandle handle, int line, int *type);

/**
 * @brief Chooses what an output line does.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Output line, 0 to stCameraCapability::iOutputIoCounts - 1.
 * @param mode 0 strobe, 1 general output (CameraSetOutputIOState()), 2 PWM (CameraSetOutputIOPWM()).
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT line or value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no such line.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetOutputIOMode(CameraHandle handle, int line, int mode);

/**
 * @brief Reads what an output line does.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Output line, 0 to stCameraCapability::iOutputIoCounts - 1.
 * @param mode Receives 0 strobe, 1 general output, 2 PWM.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The pointer is NULL or line is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no such line.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetOutputIOMode(CameraHandle handle, int line, int *mode);

/**
 * @brief Chooses how a strobe output follows the exposure.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Output line, 0 to stCameraCapability::iOutputIoCounts - 1.
 * @param mode 0 automatic (active during exposure), 1 semi-automatic (delay and pulse width).
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT line or value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no such line.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetStrobeMode(CameraHandle handle, int line, int mode);

/**
 * @brief Reads how a strobe output follows the exposure.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Output line, 0 to stCameraCapability::iOutputIoCounts - 1.
 * @param mode Receives 0 automatic, 1 semi-automatic.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The pointer is NULL or line is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no such line.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetStrobeMode(CameraHandle handle, int line, int *mode);

/**
 * @brief Sets the active level of a strobe output.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Output line, 0 to stCameraCapability::iOutputIoCounts - 1.
 * @param polarity 0 active low, 1 active high.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT line or value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no such line.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetStrobePolarity(CameraHandle handle, int line, int polarity);

/**
 * @brief Reads the active level of a strobe output.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Output line, 0 to stCameraCapability::iOutputIoCounts - 1.
 * @param polarity Receives 0 active low, 1 active high.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The pointer is NULL or line is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no such line.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetStrobePolarity(CameraHandle handle, int line, int *polarity);

/**
 * @brief Sets the delay of a semi-automatic strobe after the exposure starts.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Output line, 0 to stCameraCapability::iOutputIoCounts - 1.
 * @param microseconds Delay in microseconds.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT line or value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no such line.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetStrobeDelayTime(CameraHandle handle, int line, uint32_t microseconds);

/**
 * @brief Reads the delay of a semi-automatic strobe.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Output line, 0 to stCameraCapability::iOutputIoCounts - 1.
 * @param microseconds Receives the delay in microseconds.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The pointer is NULL or line is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no such line.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetStrobeDelayTime(CameraHandle handle, int line, uint32_t *microseconds);

/**
 * @brief Sets the pulse width of a semi-automatic strobe.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Output line, 0 to stCameraCapability::iOutputIoCounts - 1.
 * @param microseconds Width in microseconds.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT line or value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no such line.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetStrobePulseWidth(CameraHandle handle, int line, uint32_t microseconds);

/**
 * @brief Reads the pulse width of a semi-automatic strobe.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Output line, 0 to stCameraCapability::iOutputIoCounts - 1.
 * @param microseconds Receives the width in microseconds.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The pointer is NULL or line is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no such line.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetStrobePulseWidth(CameraHandle handle, int line, uint32_t *microseconds);

/**
 * @brief Sets the level of a general output line.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Output line, 0 to stCameraCapability::iOutputIoCounts - 1.
 * @param state 1 high, 0 low.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT line or value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no such line.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetOutputIOState(CameraHandle handle, int line, int state);

/**
 * @brief Reads the level of a general output line.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Output line, 0 to stCameraCapability::iOutputIoCounts - 1.
 * @param state Receives 1 high, 0 low.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The pointer is NULL or line is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no such line.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetOutputIOState(CameraHandle handle, int line, int *state);

/**
 * @brief Sets the pulse of an output line in PWM mode.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Output line, 0 to stCameraCapability::iOutputIoCounts - 1.
 * @param periodUs Period in microseconds, 1 to 10000000.
 * @param highTimeUs High time per period in microseconds, 0 to periodUs.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT line or value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no such line.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetOutputIOPWM(CameraHandle handle, int line, int periodUs,
                                                  int highTimeUs);

/**
 * @brief Reads the pulse of an output line in PWM mode.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Output line, 0 to stCameraCapability::iOutputIoCounts - 1.
 * @param periodUs Receives the period in microseconds.
 * @param highTimeUs Receives the high time in microseconds.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL or line is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no such line.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetOutputIOPWM(CameraHandle handle, int line, int *periodUs,
                                                  int *highTimeUs);
/** @} */

/** @name Integer values (CAMERA_INT_*)
 * @{ */
/**
 * @brief Reads one of the integer values (CAMERA_INT_*).
 * @param handle Camera opened by CameraInitEx3().
 * @param id A CAMERA_INT_* value.
 * @param value Receives the value.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @retval CAMERA_STATUS_NOT_SUPPORTED Unknown id, or the camera lacks the feature (a focus value
 *                                    without focus motor).
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetIntValue(CameraHandle handle, int id, int *value);

/**
 * @brief Sets one of the writable integer values: CAMERA_INT_CHANNEL_MASK or CAMERA_INT_FOCUS_POSITION.
 * @param handle Camera opened by CameraInitEx3().
 * @param id CAMERA_INT_CHANNEL_MASK or CAMERA_INT_FOCUS_POSITION.
 * @param value Channel mask (bit i = channel i, within CAMERA_INT_CHANNEL_COUNT channels) or focus
 *             position (CAMERA_INT_FOCUS_MIN to CAMERA_INT_FOCUS_MAX).
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED Unknown or read-only id, or the camera lacks the feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetIntValue(CameraHandle handle, int id, int value);
/** @} */

#ifdef __cplusplus
} /* extern "C" */
#endif

#endif /* VEXO_CAMERA_SDK_TRIGGER_IO_H */
