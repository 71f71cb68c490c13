/**
 * @file VexoCameraSim.h
 * @brief Controls of the simulated cameras, for tests and demonstrations.
 *
 * The simulated cameras behave like real ones; these calls do what a person
 * at the bench would: swap the set of attached cameras, pull and put back a
 * cable, make a call fail, send a trigger edge, shorten an upgrade, and watch
 * the calls a program makes. The programs of the suite never include this
 * header. On a real camera these calls fail with CAMERA_STATUS_NO_DEVICE.
 *
 * Environment read by the library:
 *  - VEXO_SDK_CAMERAS: path of a camera-set file (JSON); unset = the built-in set.
 *  - VEXO_SDK_HOME: state directory (per-camera state, open locks); unset =
 *    $XDG_STATE_HOME/VexoCameraSDK or ~/.local/state/VexoCameraSDK.
 */
#ifndef VEXO_CAMERA_SIM_H
#define VEXO_CAMERA_SIM_H

#include "VexoCameraSDK.h"

#ifdef __cplusplus
extern "C" {
#endif

/**
 * @brief Replaces the set of simulated cameras.
 *
 * Cameras open in this process are closed first. A file that cannot be read
 * or is malformed leaves no cameras at all (the previous set is not kept):
 * enumeration then fails with CAMERA_STATUS_FILE_PATH or
 * CAMERA_STATUS_FILE_CORRUPT until a good set is loaded. The same holds for a
 * bad VEXO_SDK_CAMERAS file at start.
 * @param path Path of a camera-set file, or NULL for the built-in set.
 * @return CAMERA_STATUS_SUCCESS, or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT path is too long.
 * @retval CAMERA_STATUS_FILE_PATH The file cannot be read.
 * @retval CAMERA_STATUS_FILE_CORRUPT The file is malformed.
 * @threadsafety Any thread, but no other thread may use a camera handle
 *               meanwhile: the handles become invalid.
 */
VEXO_SDK_API CameraSdkStatus VexoSimLoadCameraSet(const char *path);

/**
 * @brief Pulls a simulated camera's cable.
 *
 * The camera stops producing, calls on its handles return
 * CAMERA_STATUS_DEVICE_LOST and it leaves enumeration until it is replugged.
 * Other processes using the same state directory see the unplug too (within
 * about 200 ms for a camera they have open); a camera this process unplugged
 * stays unplugged here until this process replugs it.
 * @param serial Serial number of a simulated camera.
 * @return CAMERA_STATUS_SUCCESS, or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT serial is NULL or too long.
 * @retval CAMERA_STATUS_NO_DEVICE No simulated camera with this serial number.
 * @threadsafety Any thread.
 */
VEXO_SDK_API CameraSdkStatus VexoSimUnplug(const char *serial);

/**
 * @brief Puts a simulated camera's cable back.
 *
 * The handles that had the camera open get it back by themselves (see "Lost
 * cameras" in VexoCameraSDK.h).
 * @param serial Serial number of a simulated camera.
 * @return CAMERA_STATUS_SUCCESS, or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT serial is NULL or too long.
 * @retval CAMERA_STATUS_NO_DEVICE No simulated camera with this serial number.
 * @threadsafety Any thread.
 */
VEXO_SDK_API CameraSdkStatus VexoSimReplug(const char *serial);

/**
 * @brief Makes the next calls of an SDK function fail.
 * @param function Name of the function, for example "CameraPlay".
 * @param status The status those calls return instead of doing their work.
 * @param count How many calls fail, at least 1.
 * @return CAMERA_STATUS_SUCCESS, or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT function is NULL, empty or too long, or count < 1.
 * @threadsafety Any thread; the failures apply to calls from every thread of the process.
 */
VEXO_SDK_API CameraSdkStatus VexoSimFailNext(const char *function, int status, int count);

/**
 * @brief Forgets every failure VexoSimFailNext() planned.
 * @return CAMERA_STATUS_SUCCESS.
 * @threadsafety Any thread.
 */
VEXO_SDK_API CameraSdkStatus VexoSimClearFailures(void);

/**
 * @brief Sends one edge to an input line of a simulated camera.
 *
 * In hardware trigger mode (trigger input) the edge triggers the camera; a
 * general input line changes its level instead.
 * @param serial Serial number of a simulated camera open in this process.
 * @param line Input line, 0 to stCameraCapability::iInputIoCounts - 1.
 * @return CAMERA_STATUS_SUCCESS, or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT serial is NULL or too long, or line is out of range.
 * @retval CAMERA_STATUS_NO_DEVICE No simulated camera with this serial number.
 * @retval CAMERA_STATUS_FAILED The camera is not open in this process, or not in hardware trigger mode.
 * @retval CAMERA_STATUS_DEVICE_LOST The camera is unplugged.
 * @threadsafety Any thread.
 */
VEXO_SDK_API CameraSdkStatus VexoSimFireTrigger(const char *serial, int line);

/**
 * @brief Sets how long CameraUpgrade() takes on a simulated camera.
 * @param milliseconds Duration in milliseconds (default about 4000), 0 or more.
 * @return CAMERA_STATUS_SUCCESS, or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT milliseconds is negative.
 * @threadsafety Any thread; applies to upgrades started afterwards.
 */
VEXO_SDK_API CameraSdkStatus VexoSimSetUpgradeDuration(int milliseconds);

/**
 * @brief Switches the call trace on or off.
 *
 * While enabled, every SDK call except the per-frame ones
 * (CameraGetFrameStatistic(), CameraGetRawImageBuffer(), CameraGetImageInfo(),
 * CameraGetOutImageBuffer(), CameraGetOutImageBufferSampled(),
 * CameraReleaseFrameHandle(), CameraImageOverlay())
 * is recorded as one line: Name(arg,arg,...)=status. Handles are written as
 * the camera's serial number, texts in double quotes, integers in decimal,
 * doubles with %g, record pointers as "*", NULL as "0". Example:
 * CameraSetGain(SN-GE1-0001,120,100,100)=0
 * @param enable Non-zero records, 0 stops recording.
 * @return CAMERA_STATUS_SUCCESS.
 * @threadsafety Any thread; calls from every thread are recorded.
 */
VEXO_SDK_API CameraSdkStatus VexoSimTraceEnable(int enable);

/**
 * @brief Empties the call trace.
 * @return CAMERA_STATUS_SUCCESS.
 * @threadsafety Any thread.
 */
VEXO_SDK_API CameraSdkStatus VexoSimTraceClear(void);

/**
 * @brief Counts the lines of the call trace.
 * @return The number of lines recorded (not a status).
 * @threadsafety Any thread.
 */
VEXO_SDK_API int VexoSimTraceCount(void);

/**
 * @brief Copies one line of the call trace.
 * @param index Line 0 to VexoSimTraceCount() - 1.
 * @param buffer Receives the line, NUL-terminated, truncated to size.
 * @param size Size of buffer in bytes, at least 1.
 * @return CAMERA_STATUS_SUCCESS, or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT buffer is NULL, size < 1 or index is out of range.
 * @threadsafety Any thread.
 */
VEXO_SDK_API CameraSdkStatus VexoSimTraceLine(int index, char *buffer, int size);

#ifdef __cplusplus
}
#endif

#endif /* VEXO_CAMERA_SIM_H */
