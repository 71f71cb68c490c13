/**
 * @file VexoCameraSDK/gige.h
 * @brief Addresses and packets of GigE cameras.
 *
 * Part of the camera library's interface; programs include VexoCameraSDK.h.
 */
#ifndef VEXO_CAMERA_SDK_GIGE_H
#define VEXO_CAMERA_SDK_GIGE_H

#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

/** @name GigE
 * @{ */
/**
 * @brief Reads the IP configuration of a GigE camera, without opening it.
 * @param serial Serial number of a GigE camera of the last enumeration.
 * @param info Receives the configuration and the host interface that reaches the camera.
 * @return CAMERA_STATUS_SUCCESS, or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL or serial is empty or too long.
 * @retval CAMERA_STATUS_NO_DEVICE No GigE camera with this serial number.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera cannot report its configuration.
 * @threadsafety Any thread; also while the camera is open elsewhere.
 */
VEXO_SDK_API CameraSdkStatus CameraGigeGetIp(const char *serial, stGigeInfo *info);

/**
 * @brief Writes the persistent IP configuration of a GigE camera, without opening it.
 *
 * The camera uses the configuration from its next start.
 * @param serial Serial number of a GigE camera of the last enumeration.
 * @param info iIpMode, acIp, acMask and acGateway are written; the other fields are ignored.
 * @return CAMERA_STATUS_SUCCESS, or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL, serial is empty or too long, or an address
 *                                       is not a dotted quad.
 * @retval CAMERA_STATUS_NO_DEVICE No GigE camera with this serial number.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera cannot store a configuration.
 * @retval CAMERA_STATUS_FAILED The camera refused the configuration.
 * @threadsafety Any thread.
 */
VEXO_SDK_API CameraSdkStatus CameraGigeSetIp(const char *serial, const stGigeInfo *info);

/**
 * @brief Sets the size of the GigE stream's packets.
 * @param handle Camera opened by CameraInitEx3().
 * @param bytes Packet size in bytes, 1500 to 9000 (above 1500 the network needs jumbo frames).
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED Not a GigE camera.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGigeSetTransPacketSize(CameraHandle handle, uint32_t bytes);

/**
 * @brief Reads the size of the GigE stream's packets.
 * @param handle Camera opened by CameraInitEx3().
 * @param bytes Receives the packet size in bytes.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @retval CAMERA_STATUS_NOT_SUPPORTED Not a GigE camera.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGigeGetTransPacketSize(CameraHandle handle, uint32_t *bytes);

/**
 * @brief Sets the pause between the GigE stream's packets.
 * @param handle Camera opened by CameraInitEx3().
 * @param microseconds Delay in microseconds, up to 1000000.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED Not a GigE camera.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGigeSetPacketDelayTime(CameraHandle handle, uint32_t microseconds);

/**
 * @brief Reads the pause between the GigE stream's packets.
 * @param handle Camera opened by CameraInitEx3().
 * @param microseconds Receives the delay in microseconds.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @retval CAMERA_STATUS_NOT_SUPPORTED Not a GigE camera.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGigeGetPacketDelayTime(CameraHandle handle, uint32_t *microseconds);

/**
 * @brief Reads how the link is doing: incomplete frames, resent and missing packets.
 *
 * Readable after a loss too; the counts go on across losses.
 * @param handle Camera opened by CameraInitEx3().
 * @param statistic Receives the counters.
 * @return CAMERA_STATUS_SUCCESS, or:
 * @retval CAMERA_STATUS_INVALID_HANDLE 0, a closed or an unknown handle.
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetTransportStatistic(CameraHandle handle,
                                                         stTransportStatistic *statistic);
/** @} */

#ifdef __cplusplus
} /* extern "C" */
#endif

#endif /* VEXO_CAMERA_SDK_GIGE_H */
