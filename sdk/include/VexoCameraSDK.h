/**
 * @file VexoCameraSDK.h
 * @brief The camera library's C interface: enumeration, open and close,
 *        frames, every camera setting, parameter groups and files, GigE
 *        addressing and firmware.
 */
/**
 * @mainpage libVexoCameraSDK
 *
 * A C library for USB and GigE machine-vision cameras. A program enumerates
 * the cameras, opens one by serial number and then addresses it by a handle;
 * the library is never initialised as a whole. Include VexoCameraSDK.h and
 * link the library, with CMake (`find_package(VexoCameraSDK 1.0 REQUIRED)`,
 * target `VexoCameraSDK::VexoCameraSDK`) or pkg-config (`vexocamerasdk`).
 * The examples in the package's documentation folder show the common tasks.
 *
 * @par Statuses
 * Every function returns a signed 32-bit status, CAMERA_STATUS_SUCCESS (0) on
 * success, otherwise one of the CAMERA_STATUS_* values.
 *
 *
 * @anchor handle_statuses
 * @par Statuses of every call on a handle
 * Besides the statuses each function lists, a call on a camera handle returns
 * - CAMERA_STATUS_INVALID_HANDLE for 0, a closed or an unknown handle;
 * - CAMERA_STATUS_DEVICE_LOST while the camera is lost (see below);
 * - CAMERA_STATUS_BUSY for a call that changes the camera while a firmware
 *   upgrade of it runs;
 * - CAMERA_STATUS_NOT_SUPPORTED where the camera lacks the feature;
 * - CAMERA_STATUS_FAILED when the camera does not answer or refuses.
 *
 * @par Conventions
 *  - Handles are opaque, pointer-sized; 0 (NULL) is never a valid handle.
 *  - Texts are 8-bit, NUL-terminated inside their field. The library never
 *    writes past a field or a documented caller buffer size, and a text it
 *    returns always fits its field.
 *  - Records are plain little-endian structures with fixed sizes and offsets
 *    (pinned by static assertions in C++); bytes named "reserved" are written
 *    as zero.
 *  - Output images (CameraGetOutImageBuffer(), CameraSaveImage()) are packed
 *    pixels in rows padded to a multiple of 4 bytes: RGB8 rows take
 *    (width * 3 + 3) & ~3 bytes, Mono8 rows (width + 3) & ~3 bytes. This is
 *    the row length of a QImage of format RGB888 / Grayscale8. An output
 *    buffer must hold width * height * 4 bytes, which covers every format.
 *
 * @par Threads
 * Any call may come from any thread; parameter calls may run while another
 * thread grabs frames of the same camera. Each function names its own
 * limits under "Thread safety". Callbacks (CameraUpgrade()) run on the
 * calling thread.
 *
 * @par Lost cameras
 * A camera that goes away while open (a pulled cable, a power cut, a USB
 * hub reset) keeps its handle. Meanwhile calls on the handle return
 * CAMERA_STATUS_DEVICE_LOST (a fetch already waiting returns at once),
 * except CameraGetFrameStatistic(), CameraSaveImage() and the calls on frames
 * already lent.
 * When the same camera (the same serial number) is present again and no
 * other program holds it, the library opens it again by itself, within
 * about a second, without any call from the program: it gives the camera
 * the settings the handle had at the moment of the loss (everything
 * CameraGetCurDevInfo() and the setters cover: exposure, gains, white
 * balance, image processing, LUT, crosshairs, trigger and I/O lines,
 * resolution or region of interest; packet size and delay set through the
 * handle) and streams again if it was streaming, so a grabber that keeps
 * calling CameraGetRawImageBuffer() simply receives frames again. A camera
 * another program opened meanwhile stays with that program: the handle
 * stays lost while the camera is held elsewhere. CameraUnInit() on a lost
 * handle returns at once. The frame counters go on across the loss; the
 * frames a free-running camera would have sent meanwhile count in
 * stFrameStatistic::iTotal and stFrameStatistic::iLost.
 *
 * @par Cameras and backends
 * Real GigE Vision and USB3 Vision cameras come through Aravis; a set of
 * simulated cameras serves tests and demonstrations (VexoCameraSim.h).
 * VEXO_SDK_BACKENDS (for example "aravis,sim") and VEXO_SDK_GIGE_ADDRESSES
 * (GigE cameras asked by address instead of by broadcast) choose, over the
 * system's and the user's sdk.conf.
 *
 * @par Versions
 * VexoCameraSDKVersion.h gives the version compiled against,
 * CameraSdkGetVersionString() the one running. Programs built against 1.x run
 * with every later 1.y (SONAME libVexoCameraSDK.so.1).
 */
#ifndef VEXO_CAMERA_SDK_H
#define VEXO_CAMERA_SDK_H

#include "VexoCameraSDKVersion.h"

#include "VexoCameraSDK/devices.h"
#include "VexoCameraSDK/exposure.h"
#include "VexoCameraSDK/features.h"
#include "VexoCameraSDK/firmware.h"
#include "VexoCameraSDK/frames.h"
#include "VexoCameraSDK/gige.h"
#include "VexoCameraSDK/image.h"
#include "VexoCameraSDK/parameter_groups.h"
#include "VexoCameraSDK/resolution.h"
#include "VexoCameraSDK/trigger_io.h"
#include "VexoCameraSDK/types.h"

#endif /* VEXO_CAMERA_SDK_H */
