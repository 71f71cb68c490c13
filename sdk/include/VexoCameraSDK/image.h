/**
 * @file VexoCameraSDK/image.h
 * @brief White balance, colour, the image pipeline's settings, crosshairs and LUTs.
 *
 * Part of the camera library's interface; programs include VexoCameraSDK.h.
 */
#ifndef VEXO_CAMERA_SDK_IMAGE_H
#define VEXO_CAMERA_SDK_IMAGE_H

#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

/** @name White balance and colour
 * @{ */
/**
 * @brief Switches automatic white balance on or off.
 * @param handle Camera opened by CameraInitEx3().
 * @param automatic 1 automatic, 0 manual (the gains of CameraSetGain()).
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED automatic is 1 and the camera has no automatic white balance.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetWbMode(CameraHandle handle, int automatic);

/**
 * @brief Reads whether automatic white balance is on.
 * @param handle Camera opened by CameraInitEx3().
 * @param automatic Receives 1 automatic, 0 manual.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetWbMode(CameraHandle handle, int *automatic);

/**
 * @brief Balances white once from the current picture and keeps the resulting gains.
 *
 * Point the camera at something white or grey first.
 * @param handle Camera opened by CameraInitEx3().
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetOnceWB(CameraHandle handle);

/**
 * @brief Sets the white balance gains of the image pipeline.
 * @param handle Camera opened by CameraInitEx3().
 * @param red Red gain times 100, 0 to 400.
 * @param green Green gain times 100, 0 to 400.
 * @param blue Blue gain times 100, 0 to 400.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The value is out of range.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetGain(CameraHandle handle, int red, int green, int blue);

/**
 * @brief Reads the white balance gains.
 * @param handle Camera opened by CameraInitEx3().
 * @param red Receives the red gain times 100.
 * @param green Receives the green gain times 100.
 * @param blue Receives the blue gain times 100.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetGain(CameraHandle handle, int *red, int *green, int *blue);

/**
 * @brief Sets the colour saturation of the image pipeline.
 * @param handle Camera opened by CameraInitEx3().
 * @param saturation 0 (grey) to 255.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The value is out of range.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetSaturation(CameraHandle handle, int saturation);

/**
 * @brief Reads the colour saturation.
 * @param handle Camera opened by CameraInitEx3().
 * @param saturation Receives 0 to 255.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetSaturation(CameraHandle handle, int *saturation);

/**
 * @brief Makes the image pipeline deliver grey pictures from a colour camera.
 * @param handle Camera opened by CameraInitEx3().
 * @param enable Monochrome: 1 on, 0 off.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The value is out of range.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetMonochrome(CameraHandle handle, int enable);

/**
 * @brief Reads whether monochrome output is on.
 * @param handle Camera opened by CameraInitEx3().
 * @param enable Receives 1 on, 0 off.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetMonochrome(CameraHandle handle, int *enable);
/** @} */

/** @name Image processing
 * @{ */
/**
 * @brief Sets the camera's frame speed.
 * @param handle Camera opened by CameraInitEx3().
 * @param speed 0 low, 1 medium, 2 high (a quarter, half or all of the maximum frame rate).
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetFrameSpeed(CameraHandle handle, int speed);

/**
 * @brief Reads the camera's frame speed.
 * @param handle Camera opened by CameraInitEx3().
 * @param speed Receives 0 low, 1 medium or 2 high.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetFrameSpeed(CameraHandle handle, int *speed);

/**
 * @brief Sets the sharpening of the image pipeline.
 * @param handle Camera opened by CameraInitEx3().
 * @param sharpness 0 (none) to 100.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The value is out of range.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetSharpness(CameraHandle handle, int sharpness);

/**
 * @brief Reads the sharpening.
 * @param handle Camera opened by CameraInitEx3().
 * @param sharpness Receives 0 to 100.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetSharpness(CameraHandle handle, int *sharpness);

/**
 * @brief Sets the contrast of the image pipeline.
 * @param handle Camera opened by CameraInitEx3().
 * @param contrast 0 to 100.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The value is out of range.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetContrast(CameraHandle handle, int contrast);

/**
 * @brief Reads the contrast.
 * @param handle Camera opened by CameraInitEx3().
 * @param contrast Receives 0 to 100.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetContrast(CameraHandle handle, int *contrast);

/**
 * @brief Mirrors the picture horizontally or vertically.
 * @param handle Camera opened by CameraInitEx3().
 * @param direction 0 horizontal, 1 vertical.
 * @param enable Mirroring in this direction: 1 on, 0 off.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetMirror(CameraHandle handle, int direction, int enable);

/**
 * @brief Reads whether the picture is mirrored in one direction.
 * @param handle Camera opened by CameraInitEx3().
 * @param direction 0 horizontal, 1 vertical.
 * @param enable Receives 1 mirrored, 0 not.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT enable is NULL or direction is not 0 or 1.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetMirror(CameraHandle handle, int direction, int *enable);

/**
 * @brief Switches the correction of the sensor's dead (hot) pixels on or off.
 * @param handle Camera opened by CameraInitEx3().
 * @param enable Dead pixel correction: 1 on, 0 off.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetCorrectDeadPixel(CameraHandle handle, int enable);

/**
 * @brief Reads whether dead pixel correction is on.
 * @param handle Camera opened by CameraInitEx3().
 * @param enable Receives 1 on, 0 off.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetCorrectDeadPixel(CameraHandle handle, int *enable);

/**
 * @brief Chooses the raw pixel format the sensor delivers.
 * @param handle Camera opened by CameraInitEx3().
 * @param mediaType A PFNC code from stCameraCapability::pMediaTypeDesc.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The camera does not offer this format.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetSensorOutPixelFormat(CameraHandle handle, uint32_t mediaType);

/**
 * @brief Reads the raw pixel format the sensor delivers.
 * @param handle Camera opened by CameraInitEx3().
 * @param mediaType Receives the PFNC code.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetSensorOutPixelFormat(CameraHandle handle, uint32_t *mediaType);
/** @} */

/** @name Crosshairs
 * @{ */
/**
 * @brief Sets one of the crosshairs CameraImageOverlay() draws.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Crosshair 0 to CAMERA_CROSSLINE_COUNT - 1.
 * @param x Horizontal position on the sensor, 0 to its width.
 * @param y Vertical position on the sensor, 0 to its height.
 * @param colour red | green << 8 | blue << 16.
 * @param visible 1 drawn, 0 hidden.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The value is out of range.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetCrossLine(CameraHandle handle, int line, int x, int y, uint32_t colour,
                                                int visible);

/**
 * @brief Reads one of the crosshairs.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Crosshair 0 to CAMERA_CROSSLINE_COUNT - 1.
 * @param x Receives the horizontal position.
 * @param y Receives the vertical position.
 * @param colour Receives red | green << 8 | blue << 16.
 * @param visible Receives 1 drawn, 0 hidden.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL or line is out of range.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetCrossLine(CameraHandle handle, int line, int *x, int *y,
                                                uint32_t *colour, int *visible);
/** @} */

/** @name LUT
 * @{ */
/**
 * @brief Chooses how the LUT is made: from gamma and contrast, or a preset.
 * @param handle Camera opened by CameraInitEx3().
 * @param mode 0 dynamic (CameraSetGamma(), CameraSetContrastLut()), 1 preset (CameraSelectLutPreset()).
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no LUT (CameraGetLutMode() reports 2).
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetLutMode(CameraHandle handle, int mode);

/**
 * @brief Reads how the LUT is made.
 * @param handle Camera opened by CameraInitEx3().
 * @param mode Receives 0 dynamic, 1 preset, or 2 for a camera without LUT.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetLutMode(CameraHandle handle, int *mode);

/**
 * @brief Sets the gamma of the dynamic LUT.
 * @param handle Camera opened by CameraInitEx3().
 * @param gammaX100 Gamma times 100, 0 to 1000.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no LUT (CameraGetLutMode() reports 2).
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetGamma(CameraHandle handle, int gammaX100);

/**
 * @brief Reads the gamma of the dynamic LUT.
 * @param handle Camera opened by CameraInitEx3().
 * @param gammaX100 Receives gamma times 100.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no LUT (CameraGetLutMode() reports 2).
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetGamma(CameraHandle handle, int *gammaX100);

/**
 * @brief Sets the contrast of the dynamic LUT.
 * @param handle Camera opened by CameraInitEx3().
 * @param contrastX100 Contrast times 100, 0 to 200.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no LUT (CameraGetLutMode() reports 2).
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetContrastLut(CameraHandle handle, int contrastX100);

/**
 * @brief Reads the contrast of the dynamic LUT.
 * @param handle Camera opened by CameraInitEx3().
 * @param contrastX100 Receives contrast times 100.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no LUT (CameraGetLutMode() reports 2).
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetContrastLut(CameraHandle handle, int *contrastX100);

/**
 * @brief Chooses the preset LUT.
 * @param handle Camera opened by CameraInitEx3().
 * @param preset stLutPresetDesc::iIndex of an entry of stCameraCapability::pPresetLutDesc.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no LUT (CameraGetLutMode() reports 2).
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSelectLutPreset(CameraHandle handle, int preset);

/**
 * @brief Reads the chosen preset LUT.
 * @param handle Camera opened by CameraInitEx3().
 * @param preset Receives the preset's index.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no LUT (CameraGetLutMode() reports 2).
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetLutPresetSel(CameraHandle handle, int *preset);
/** @} */

#ifdef __cplusplus
} /* extern "C" */
#endif

#endif /* VEXO_CAMERA_SDK_IMAGE_H */
