/**
 * @file VexoCameraSDK/devices.h
 * @brief Enumeration, open and close of cameras, and what they can do.
 *
 * Part of the camera library's interface; programs include VexoCameraSDK.h.
 */
#ifndef VEXO_CAMERA_SDK_DEVICES_H
#define VEXO_CAMERA_SDK_DEVICES_H

#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

/** @name Enumeration, open and close
 * @{ */
/**
 * @brief Looks for cameras and counts them.
 *
 * Asks every backend chosen for this process (VEXO_SDK_BACKENDS, sdk.conf) and keeps the list for
 * CameraGetEnumIndexInfo() until the next enumeration. Cameras open in any process are listed too, with
 * stDeviceInfo::iOpened set.
 * @param count Receives the number of cameras found.
 * @return CAMERA_STATUS_SUCCESS, or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @retval CAMERA_STATUS_FAILED Enumeration failed.
 * @retval CAMERA_STATUS_FILE_PATH The simulated camera set (VEXO_SDK_CAMERAS) cannot be read.
 * @retval CAMERA_STATUS_FILE_CORRUPT The simulated camera set is malformed.
 * @threadsafety Any thread. The list is shared by the process: an enumeration in one thread renumbers
 *               the indexes another thread is reading.
 */
VEXO_SDK_API CameraSdkStatus CameraEnumerateDevice(int *count);

/**
 * @brief Reads the device record of one camera of the last enumeration.
 * @param index 0 to the count of CameraEnumerateDevice() - 1.
 * @param info Receives the record.
 * @return CAMERA_STATUS_SUCCESS, or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @retval CAMERA_STATUS_NO_DEVICE index is outside the last enumeration.
 * @retval CAMERA_STATUS_FAILED The camera's information could not be read; skip this index.
 * @threadsafety Any thread.
 */
VEXO_SDK_API CameraSdkStatus CameraGetEnumIndexInfo(int index, stDeviceInfo *info);

/**
 * @brief Opens a camera by serial number.
 *
 * A camera is open in one place at a time, across processes. The camera starts paused; CameraPlay()
 * starts streaming. Close it with CameraUnInit().
 * @param handle Receives the new handle; set to 0 when the call fails.
 * @param serial Serial number (stDeviceInfo::acSn), NUL-terminated 8-bit text.
 * @return CAMERA_STATUS_SUCCESS, or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT handle or serial is NULL, or serial is empty or too long.
 * @retval CAMERA_STATUS_NO_DEVICE No camera with this serial number.
 * @retval CAMERA_STATUS_ALREADY_OPENED The camera is open in this or another process.
 * @retval CAMERA_STATUS_DEVICE_LOST The camera went away while being opened.
 * @threadsafety Any thread.
 */
VEXO_SDK_API CameraSdkStatus CameraInitEx3(CameraHandle *handle, const char *serial);

/**
 * @brief Closes a camera and invalidates its handle.
 *
 * Stops streaming, gives back every frame still lent and releases the camera for other processes. A
 * lost camera closes at once.
 * @param handle Camera opened by CameraInitEx3().
 * @return CAMERA_STATUS_SUCCESS, or:
 * @retval CAMERA_STATUS_INVALID_HANDLE handle is 0, closed or unknown.
 * @threadsafety Any thread, but no other call may use the handle meanwhile or afterwards: stop the
 *               grabbing thread first.
 */
VEXO_SDK_API CameraSdkStatus CameraUnInit(CameraHandle handle);

/**
 * @brief Reads the camera's nickname.
 * @param handle Camera opened by CameraInitEx3().
 * @param name Buffer of CAMERA_TEXT_BUFFER bytes; receives the NUL-terminated nickname.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetFriendlyName(CameraHandle handle, char *name);

/**
 * @brief Changes the camera's nickname, kept by the camera.
 * @param handle Camera opened by CameraInitEx3().
 * @param name New nickname, 1 to 127 bytes of 8-bit text, NUL-terminated.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT name is NULL, empty or longer than 127 bytes.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetFriendlyName(CameraHandle handle, const char *name);

/**
 * @brief Reads the camera's serial number.
 * @param handle Camera opened by CameraInitEx3().
 * @param serial Buffer of CAMERA_TEXT_BUFFER bytes; receives the NUL-terminated serial number.
 * @param which 0: the device serial number (the only one).
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT serial is NULL or which is not 0.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraReadSN(CameraHandle handle, char *serial, int which);

/**
 * @brief Reads the camera's device type code.
 * @param handle Camera opened by CameraInitEx3().
 * @param type Receives the model's device type code.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetDeviceType(CameraHandle handle, uint32_t *type);

/**
 * @brief Reads the camera's firmware version as text.
 * @param handle Camera opened by CameraInitEx3().
 * @param version Buffer of CAMERA_VERSION_BUFFER bytes; receives a text such as "1.2.0.3".
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetFirmwareVision(CameraHandle handle, char *version);

/**
 * @brief Reads the version of the camera's interface protocol.
 * @param handle Camera opened by CameraInitEx3().
 * @param version Buffer of CAMERA_VERSION_BUFFER bytes; receives a text such as "GEV 2.0", "U3V 1.0" or
 *               "USB 2.0".
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetInerfaceVersion(CameraHandle handle, char *version);

/**
 * @brief Reads the version of the library the program runs with.
 *
 * The same text as VEXO_SDK_VERSION_STRING of the library's own headers; it may be newer than the
 * VEXO_SDK_VERSION_STRING a program was compiled with.
 * @param version Buffer of CAMERA_SDK_VERSION_BUFFER bytes; receives "major.minor.patch".
 * @return CAMERA_STATUS_SUCCESS, or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT version is NULL.
 * @threadsafety Any thread.
 */
VEXO_SDK_API CameraSdkStatus CameraSdkGetVersionString(char *version);
/** @} */

#ifdef __cplusplus
} /* extern "C" */
#endif

#endif /* VEXO_CAMERA_SDK_DEVICES_H */
