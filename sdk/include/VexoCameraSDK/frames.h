/**
 * @file VexoCameraSDK/frames.h
 * @brief Streaming, fetching frames and turning them into pictures and files.
 *
 * Part of the camera library's interface; programs include VexoCameraSDK.h.
 */
#ifndef VEXO_CAMERA_SDK_FRAMES_H
#define VEXO_CAMERA_SDK_FRAMES_H

#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

/** @name Streaming and frames
 * @{ */
/**
 * @brief Starts streaming: the camera produces frames into the library's buffers.
 *
 * Calling it on a streaming camera changes nothing.
 * @param handle Camera opened by CameraInitEx3().
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses).
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraPlay(CameraHandle handle);

/**
 * @brief Stops streaming; settings and counters stay.
 *
 * A thread waiting in CameraGetRawImageBuffer() gets CAMERA_STATUS_TIMEOUT at the end of its time-out.
 * @param handle Camera opened by CameraInitEx3().
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses).
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraPause(CameraHandle handle);

/**
 * @brief Reads the frame counters of the camera.
 *
 * Also answers while the camera is lost; the counters run on across a loss.
 * @param handle Camera opened by CameraInitEx3().
 * @param statistic Receives the counters.
 * @return CAMERA_STATUS_SUCCESS, or:
 * @retval CAMERA_STATUS_INVALID_HANDLE handle is 0, closed or unknown.
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @threadsafety Any thread; cheap enough for every frame.
 */
VEXO_SDK_API CameraSdkStatus CameraGetFrameStatistic(CameraHandle handle, stFrameStatistic *statistic);

/**
 * @brief Waits for the next frame and lends it to the caller.
 *
 * Returns a frame newer than the last one fetched; frames the caller was too slow for count in
 * stFrameStatistic::iLost. The frame stays valid, and its pixels unchanged, until
 * CameraReleaseFrameHandle(); give each frame back soon, the library holds only a few.
 * @param handle Camera opened by CameraInitEx3().
 * @param frame Receives the lent frame.
 * @param timeoutMs Longest wait in milliseconds.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @retval CAMERA_STATUS_TIMEOUT No new frame within timeoutMs (paused, trigger mode without trigger).
 * @retval CAMERA_STATUS_DEVICE_LOST The camera is lost; a wait already running returns at once.
 * @retval CAMERA_STATUS_FAILED Too many frames are lent at once; give some back first.
 * @threadsafety Any thread; one thread at a time per camera is the usual pattern (several waiting
 *               threads each get a different frame).
 */
VEXO_SDK_API CameraSdkStatus CameraGetRawImageBuffer(CameraHandle handle, CameraFrameHandle *frame,
                                                     unsigned int timeoutMs);

/**
 * @brief Describes a lent frame and points at its raw pixels.
 *
 * Also answers for frames lent before the camera was lost.
 * @param handle Camera opened by CameraInitEx3().
 * @param frame A frame lent by CameraGetRawImageBuffer() or CameraSnapToBuffer().
 * @param info Receives the frame head (size, PFNC format, frame number, exposure, time stamp).
 * @param raw Receives a pointer to the raw pixels, valid until the frame is given back.
 * @return CAMERA_STATUS_SUCCESS, or:
 * @retval CAMERA_STATUS_INVALID_HANDLE handle is 0, closed or unknown.
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL or frame is not lent by this handle.
 * @threadsafety Any thread.
 */
VEXO_SDK_API CameraSdkStatus CameraGetImageInfo(CameraHandle handle, CameraFrameHandle frame,
                                                stImageInfo *info, BYTE **raw);

/**
 * @brief Converts raw pixels through the image pipeline.
 *
 * Demosaic, white balance, saturation, contrast, sharpness, gamma or LUT, mirror and monochrome, as
 * currently set on the camera. Call it before the frame is given back.
 * @param handle Camera opened by CameraInitEx3().
 * @param info Head of the raw frame (from CameraGetImageInfo()); rewritten to describe the converted
 *            image (width, height, uiBytes, uiMediaType).
 * @param raw The raw pixels (from CameraGetImageInfo()).
 * @param out Receives the converted image in the ISP output format (CameraSetIspOutFormat()), rows
 *           padded to 4 bytes; must hold width * height * 4 bytes.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL or the head does not fit the camera.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The head's pixel format cannot be converted.
 * @retval CAMERA_STATUS_FAILED The conversion failed.
 * @threadsafety Any thread; conversions of different frames may run in parallel.
 */
VEXO_SDK_API CameraSdkStatus CameraGetOutImageBuffer(CameraHandle handle, stImageInfo *info, const BYTE *raw,
                                                     BYTE *out);

/**
 * @brief Converts only the pixels of a smaller picture of the frame, as a display shows it.
 *
 * Gives, bit for bit, the pixels that CameraGetOutImageBuffer() (and, with overlay, CameraImageOverlay())
 * would give at the centres of an outWidth x outHeight grid over the frame: picture pixel (i, j) is the
 * converted pixel at column (2i + 1) * width / (2 * outWidth) and row (2j + 1) * height / (2 * outHeight),
 * both rounded down. Rows no picture pixel falls on are not converted, and the steps after the demosaic
 * run only on the pixels taken, so a 1920x1080 frame shown at 640x360 costs a fraction of a full
 * conversion. Where the full image is needed as well (to save, record or analyse it), convert it with
 * CameraGetOutImageBuffer() and sample that instead. Call it before the frame is given back.
 * @param handle Camera opened by CameraInitEx3().
 * @param info Head of the raw frame (from CameraGetImageInfo()); rewritten to describe the picture
 *            (width outWidth, height outHeight, uiBytes, uiMediaType).
 * @param raw The raw pixels (from CameraGetImageInfo()).
 * @param out Receives the picture in the ISP output format (CameraSetIspOutFormat()), rows padded to 4
 *           bytes; must hold outWidth * outHeight * 4 bytes.
 * @param outWidth Width of the picture, 1 to the frame's width.
 * @param outHeight Height of the picture, 1 to the frame's height.
 * @param overlay Non-zero draws the visible crosshairs (CameraSetCrossLine()) as they fall on the
 *               picture's pixels; CameraImageOverlay() cannot, since it takes the picture for a whole image.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL, the head does not fit the camera, or the
 *                                       picture's size is outside 1 to the frame's.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The head's pixel format cannot be converted.
 * @retval CAMERA_STATUS_FAILED The conversion failed.
 * @threadsafety Any thread; conversions of different frames may run in parallel.
 */
VEXO_SDK_API CameraSdkStatus CameraGetOutImageBufferSampled(CameraHandle handle, stImageInfo *info,
                                                            const BYTE *raw, BYTE *out, int outWidth,
                                                            int outHeight, int overlay);

/**
 * @brief Gives a lent frame back to the library.
 *
 * Afterwards the frame and its pixel pointer are invalid. Also works on frames lent before the camera
 * was lost.
 * @param handle Camera opened by CameraInitEx3().
 * @param frame A frame lent by CameraGetRawImageBuffer() or CameraSnapToBuffer().
 * @return CAMERA_STATUS_SUCCESS, or:
 * @retval CAMERA_STATUS_INVALID_HANDLE handle is 0, closed or unknown.
 * @retval CAMERA_STATUS_INVALID_ARGUMENT frame is not lent by this handle (or was already given back).
 * @threadsafety Any thread.
 */
VEXO_SDK_API CameraSdkStatus CameraReleaseFrameHandle(CameraHandle handle, CameraFrameHandle frame);

/**
 * @brief Chooses the pixel format CameraGetOutImageBuffer() converts to.
 * @param handle Camera opened by CameraInitEx3().
 * @param mediaType CAMERA_MEDIA_TYPE_RGB8 (default), CAMERA_MEDIA_TYPE_BGR8 or CAMERA_MEDIA_TYPE_MONO8.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT Another format.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetIspOutFormat(CameraHandle handle, uint32_t mediaType);

/**
 * @brief Reads the pixel format CameraGetOutImageBuffer() converts to.
 * @param handle Camera opened by CameraInitEx3().
 * @param mediaType Receives the PFNC code.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetIspOutFormat(CameraHandle handle, uint32_t *mediaType);

/**
 * @brief Draws the visible crosshairs (CameraSetCrossLine()) into a converted image.
 * @param handle Camera opened by CameraInitEx3().
 * @param image Converted image, as written by CameraGetOutImageBuffer().
 * @param info Its head, as rewritten by CameraGetOutImageBuffer().
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL or the head does not describe a converted
 *                                       image of this camera.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraImageOverlay(CameraHandle handle, BYTE *image, const stImageInfo *info);

/**
 * @brief Reads the size of the images the camera currently delivers.
 *
 * The size of the current resolution or region of interest.
 * @param handle Camera opened by CameraInitEx3().
 * @param width Receives the width in pixels.
 * @param height Receives the height in pixels.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetOutImageSize(CameraHandle handle, int *width, int *height);

/**
 * @brief Takes one still at the snapshot resolution and lends it to the caller.
 *
 * The resolution is the one set by CameraSetResolutionForSnap(), or the current one when none was set.
 * @param handle Camera opened by CameraInitEx3().
 * @param frame Receives the lent frame; give it back with CameraReleaseFrameHandle().
 * @param info Receives the frame head.
 * @param raw Receives a pointer to the raw pixels.
 * @param timeoutMs Longest wait in milliseconds.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @retval CAMERA_STATUS_TIMEOUT No still within timeoutMs.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSnapToBuffer(CameraHandle handle, CameraFrameHandle *frame,
                                                stImageInfo *info, BYTE **raw, unsigned int timeoutMs);

/**
 * @brief Writes a converted image to a file.
 *
 * The file appears complete or not at all (written to a temporary file, then renamed); an existing file
 * of the same name is replaced. Also works while the camera is lost.
 * @param handle Camera opened by CameraInitEx3().
 * @param path File path without extension; .bmp, .jpg or .png is appended.
 * @param image Converted image (CameraGetOutImageBuffer()).
 * @param info Its head.
 * @param fileType FILE_BMP, FILE_JPG or FILE_PNG.
 * @param quality JPG quality 1 to 100; ignored for the other types.
 * @return CAMERA_STATUS_SUCCESS, or:
 * @retval CAMERA_STATUS_INVALID_HANDLE handle is 0, closed or unknown.
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL, the path is empty, or the type, quality or
 *                                       head is invalid.
 * @retval CAMERA_STATUS_IO_ERROR The file cannot be written (folder missing, no permission, disk full).
 * @retval CAMERA_STATUS_FAILED The image could not be encoded.
 * @threadsafety Any thread; saves of different images may run in parallel.
 */
VEXO_SDK_API CameraSdkStatus CameraSaveImage(CameraHandle handle, const char *path, const BYTE *image,
                                             const stImageInfo *info, int fileType, int quality);
/** @} */

#ifdef __cplusplus
} /* extern "C" */
#endif

#endif /* VEXO_CAMERA_SDK_FRAMES_H */
