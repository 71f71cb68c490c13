/*
 * VexoCameraSim.h - controls of the simulated camera library, for tests and
 * demos only. The programs never include this header.
 *
 * Environment read by the library:
 *   VEXO_SDK_CAMERAS  path of a camera-set file (JSON); unset = built-in set
 *   VEXO_SDK_HOME     state directory (per-camera state, open locks);
 *                     unset = $XDG_STATE_HOME/VexoCameraSDK or ~/.local/state/VexoCameraSDK
 */
#ifndef VEXO_CAMERA_SIM_H
#define VEXO_CAMERA_SIM_H

#include "VexoCameraSDK.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Replaces the camera set: path of a camera-set file, or NULL for the built-in
 * set. Cameras open in this process are closed first. A file that cannot be
 * read or is malformed leaves no cameras at all (the previous set is not
 * kept): enumeration then fails with CAMERA_STATUS_FILE_PATH or
 * CAMERA_STATUS_FILE_CORRUPT until a good set is loaded. The same holds for a
 * bad VEXO_SDK_CAMERAS file at start. */
VEXO_SDK_API CameraSdkStatus VexoSimLoadCameraSet(const char *path);

/* Unplug: the camera stops producing, calls on its handles return
 * CAMERA_STATUS_DEVICE_LOST and it leaves enumeration. Replug undoes it, and
 * the handles get the camera back by themselves (VexoCameraSDK.h, "Lost
 * cameras"). Other processes using the same state directory see the unplug
 * too (within about 200 ms for a camera they have open); a camera this
 * process unplugged stays unplugged here until this process replugs it. */
VEXO_SDK_API CameraSdkStatus VexoSimUnplug(const char *serial);
VEXO_SDK_API CameraSdkStatus VexoSimReplug(const char *serial);

/* The next call of the named SDK function (for example "CameraPlay") returns
 * status instead of doing its work; count = how many calls fail (>= 1). */
VEXO_SDK_API CameraSdkStatus VexoSimFailNext(const char *function, int status, int count);
VEXO_SDK_API CameraSdkStatus VexoSimClearFailures(void);

/* One edge on an input line of a camera in hardware-trigger mode. */
VEXO_SDK_API CameraSdkStatus VexoSimFireTrigger(const char *serial, int line);

/* Duration of CameraUpgrade in milliseconds (default about 4000). */
VEXO_SDK_API CameraSdkStatus VexoSimSetUpgradeDuration(int milliseconds);

/* Call trace. While enabled, every SDK call except the per-frame ones
 * (CameraGetFrameStatistic, CameraGetRawImageBuffer, CameraGetImageInfo,
 * CameraGetOutImageBuffer, CameraReleaseFrameHandle, CameraImageOverlay) is
 * recorded as one line: Name(arg,arg,...)=status
 * Handles are written as the camera's serial number, texts in double quotes,
 * integers in decimal, doubles with %g, record pointers as "*", NULL as "0".
 * Example: CameraSetGain(SN-GE1-0001,120,100,100)=0 */
VEXO_SDK_API CameraSdkStatus VexoSimTraceEnable(int enable);
VEXO_SDK_API CameraSdkStatus VexoSimTraceClear(void);
VEXO_SDK_API int VexoSimTraceCount(void);
/* Copies line index into buffer (NUL-terminated, truncated to size). */
VEXO_SDK_API CameraSdkStatus VexoSimTraceLine(int index, char *buffer, int size);

#ifdef __cplusplus
}
#endif

#endif /* VEXO_CAMERA_SIM_H */
