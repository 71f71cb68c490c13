/**
 * @file VexoCameraSDK/features.h
 * @brief Every feature of a camera by its standard name.
 *
 * Part of the camera library's interface; programs include VexoCameraSDK.h.
 */
#ifndef VEXO_CAMERA_SDK_FEATURES_H
#define VEXO_CAMERA_SDK_FEATURES_H

#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

/** @name Features by name
 * See @ref features. After a status other than CAMERA_STATUS_SUCCESS, CameraGetFeatureError() gives the
 * reason.
 * @{ */
/**
 * @brief Reads the camera's whole feature tree now and keeps it for the handle.
 *
 * Types, access, ranges, entries and values are read at once; CameraGetFeatureInfo() and
 * CameraGetFeatureEntry() then give what was kept.
 * @param handle Camera opened by CameraInitEx3().
 * @param count Receives the number of features, categories included.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetFeatureCount(CameraHandle handle, int *count);

/**
 * @brief Gives one feature of the tree kept by CameraGetFeatureCount(), in tree order.
 * @param handle Camera opened by CameraInitEx3().
 * @param index 0 to the count less one; a category comes before what it holds.
 * @param info Receives the feature.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL, or index is outside the kept tree (also
 *                                       before CameraGetFeatureCount()).
 * @threadsafety Any thread.
 */
VEXO_SDK_API CameraSdkStatus CameraGetFeatureInfo(CameraHandle handle, int index, stFeatureInfo *info);

/**
 * @brief Gives one entry of an enumeration of the kept tree.
 * @param handle Camera opened by CameraInitEx3().
 * @param index Position of the enumeration in the kept tree.
 * @param entry 0 to stFeatureInfo::iEntries less one.
 * @param out Receives the entry.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL, index or entry is out of range, or the
 *                                       feature is not an enumeration.
 * @threadsafety Any thread.
 */
VEXO_SDK_API CameraSdkStatus CameraGetFeatureEntry(CameraHandle handle, int index, int entry,
                                                   stFeatureEntry *out);

/**
 * @brief Reads a feature's value from the camera now, as text.
 * @param handle Camera opened by CameraInitEx3().
 * @param name Feature name.
 * @param value Buffer of size bytes; CAMERA_FEATURE_VALUE_BUFFER holds every value.
 * @param size Size of value in bytes.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL, the name is malformed, or the value does not
 *                                       fit in size bytes.
 * @retval CAMERA_STATUS_NOT_SUPPORTED No feature of this name.
 * @retval CAMERA_STATUS_ACCESS_DENIED The feature cannot be read now.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetFeatureValue(CameraHandle handle, const char *name, char *value,
                                                   int size);

/**
 * @brief Writes a feature's value, given as text, once.
 *
 * Read the value back for what the camera took.
 * @param handle Camera opened by CameraInitEx3().
 * @param name Feature name.
 * @param value The value as text (see @ref features).
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL, the name or value is malformed, or the value
 *                                       is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED No feature of this name.
 * @retval CAMERA_STATUS_ACCESS_DENIED The feature cannot be written now.
 * @retval CAMERA_STATUS_FAILED The camera refused the value.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetFeatureValue(CameraHandle handle, const char *name, const char *value);

/**
 * @brief Runs a command feature.
 * @param handle Camera opened by CameraInitEx3().
 * @param name Name of a command feature.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL, the name is malformed, or the feature is not a
 *                                       command.
 * @retval CAMERA_STATUS_NOT_SUPPORTED No feature of this name.
 * @retval CAMERA_STATUS_ACCESS_DENIED The command cannot be run now.
 * @retval CAMERA_STATUS_FAILED The camera refused the command.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraExecuteFeature(CameraHandle handle, const char *name);

/**
 * @brief Tells why the handle's last feature call failed.
 * @param handle Camera opened by CameraInitEx3().
 * @param reason Receives the reason, "" after a success; cut to size bytes.
 * @param size Size of reason in bytes.
 * @return CAMERA_STATUS_SUCCESS, or:
 * @retval CAMERA_STATUS_INVALID_HANDLE 0, a closed or an unknown handle.
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL or size is not positive.
 * @threadsafety Any thread; the reason is the handle's, whichever thread made the call.
 */
VEXO_SDK_API CameraSdkStatus CameraGetFeatureError(CameraHandle handle, char *reason, int size);
/** @} */

#ifdef __cplusplus
} /* extern "C" */
#endif

#endif /* VEXO_CAMERA_SDK_FEATURES_H */
