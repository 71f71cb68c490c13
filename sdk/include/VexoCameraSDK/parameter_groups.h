/**
 * @file VexoCameraSDK/parameter_groups.h
 * @brief Parameter groups and parameter files.
 *
 * Part of the camera library's interface; programs include VexoCameraSDK.h.
 */
#ifndef VEXO_CAMERA_SDK_PARAMETER_GROUPS_H
#define VEXO_CAMERA_SDK_PARAMETER_GROUPS_H

#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

/** @name Parameter groups and files
 * @{ */
/**
 * @brief Saves the current settings into a parameter group kept by the camera.
 * @param handle Camera opened by CameraInitEx3().
 * @param group 0 to 3 (groups A to D).
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The value is out of range.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSaveParameter(CameraHandle handle, int group);

/**
 * @brief Loads the settings of a parameter group, or the factory defaults.
 *
 * The loaded group becomes the current one.
 * @param handle Camera opened by CameraInitEx3().
 * @param group 0 to 3 (groups A to D), or CAMERA_PARAMETER_GROUP_DEFAULT for the factory defaults.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The value is out of range.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraLoadParameter(CameraHandle handle, int group);

/**
 * @brief Reads the parameter group loaded or saved last.
 * @param handle Camera opened by CameraInitEx3().
 * @param group Receives 0 to 3, or CAMERA_PARAMETER_GROUP_DEFAULT.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetCurrentParameterGroup(CameraHandle handle, int *group);

/**
 * @brief Chooses by what parameter groups are kept.
 * @param handle Camera opened by CameraInitEx3().
 * @param mode 0 by model, 1 by nickname, 2 by serial number.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The value is out of range.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetParameterMode(CameraHandle handle, int mode);

/**
 * @brief Reads by what parameter groups are kept.
 * @param handle Camera opened by CameraInitEx3().
 * @param mode Receives 0 by model, 1 by nickname, 2 by serial number.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetParameterMode(CameraHandle handle, int *mode);

/**
 * @brief Writes the current settings to a parameter file.
 *
 * The file is versioned and checksummed; it appears complete or not at all.
 * @param handle Camera opened by CameraInitEx3().
 * @param path File path, written as given (no extension is added).
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT path is NULL, empty or too long.
 * @retval CAMERA_STATUS_IO_ERROR The file cannot be written.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSaveParameterToFile(CameraHandle handle, const char *path);

/**
 * @brief Applies the settings of a parameter file.
 *
 * On any failure the camera's settings stay unchanged.
 * @param handle Camera opened by CameraInitEx3().
 * @param path File written by CameraSaveParameterToFile().
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT path is NULL, empty or too long.
 * @retval CAMERA_STATUS_FILE_PATH The file cannot be opened or read.
 * @retval CAMERA_STATUS_FILE_CORRUPT The file is truncated, corrupted or of another version.
 * @retval CAMERA_STATUS_NOT_MATCH The file belongs to another camera model.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraReadParameterFromFile(CameraHandle handle, const char *path);
/** @} */

#ifdef __cplusplus
} /* extern "C" */
#endif

#endif /* VEXO_CAMERA_SDK_PARAMETER_GROUPS_H */
