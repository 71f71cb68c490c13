/**
 * @file VexoCameraSDK/types.h
 * @brief Types, statuses, constants and records shared by every part of the interface.
 *
 * Included by each part; programs include VexoCameraSDK.h.
 */
#ifndef VEXO_CAMERA_SDK_TYPES_H
#define VEXO_CAMERA_SDK_TYPES_H

#include <stddef.h>
#include <stdint.h>

#if defined(VEXO_SDK_BUILD)
#define VEXO_SDK_API __attribute__((visibility("default")))
#else
/** Marks the library's exported functions (visible only when building the library). */
#define VEXO_SDK_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

#ifndef VEXO_SDK_HAVE_BYTE
/** Defined once BYTE is; define it before including this header to bring your own BYTE. */
#define VEXO_SDK_HAVE_BYTE
/** One byte of pixel data. */
typedef unsigned char BYTE;
#endif

/** Result of every call: CAMERA_STATUS_SUCCESS (0) or a negative CAMERA_STATUS_* value. */
typedef int32_t CameraSdkStatus;
/** An opened camera (CameraInitEx3()); 0 = none. */
typedef void *CameraHandle;
/** A raw frame lent by CameraGetRawImageBuffer() or CameraSnapToBuffer() until CameraReleaseFrameHandle(). */
typedef void *CameraFrameHandle;

/** @name Statuses
 * @{ */
#define CAMERA_STATUS_SUCCESS 0             /**< The call succeeded. */
#define CAMERA_STATUS_FAILED (-1)           /**< The operation failed. */
#define CAMERA_STATUS_INVALID_HANDLE (-2)   /**< 0, closed or unknown handle. */
#define CAMERA_STATUS_INVALID_ARGUMENT (-3) /**< Null pointer, value out of range, text too long. */
/** Upgrade file for another model or with a bad checksum; parameter file of another model. */
#define CAMERA_STATUS_NOT_MATCH (-4)
#define CAMERA_STATUS_NOT_SUPPORTED                                                                          \
    (-4) /**< The device lacks this feature (same code as CAMERA_STATUS_NOT_MATCH). */
#define CAMERA_STATUS_TIMEOUT (-12)        /**< No frame within the time-out. */
#define CAMERA_STATUS_DEVICE_LOST (-13)    /**< The camera went away (unplugged, power cut). */
#define CAMERA_STATUS_NO_DEVICE (-14)      /**< No camera with this serial number or index. */
#define CAMERA_STATUS_BUSY (-15)           /**< An upgrade is already running on this camera. */
#define CAMERA_STATUS_ALREADY_OPENED (-18) /**< The camera is open in this or another process. */
#define CAMERA_STATUS_FILE_PATH (-22)      /**< A file cannot be opened or read (upgrade file path wrong). */
#define CAMERA_STATUS_IO_ERROR (-23)       /**< A file cannot be written. */
#define CAMERA_STATUS_FILE_CORRUPT (-24)   /**< A file is truncated, corrupted or of another version. */
/** A feature cannot be read or written now (CameraGetFeatureValue(), CameraSetFeatureValue()). */
#define CAMERA_STATUS_ACCESS_DENIED (-25)
/** @} */

/** @name Pixel formats (GenICam PFNC codes)
 * @{ */
#define CAMERA_MEDIA_TYPE_MONO8 0x01080001u  /**< 8-bit grey. */
#define CAMERA_MEDIA_TYPE_BAYGR8 0x01080008u /**< 8-bit Bayer, GR first row. */
#define CAMERA_MEDIA_TYPE_BAYRG8 0x01080009u /**< 8-bit Bayer, RG first row. */
#define CAMERA_MEDIA_TYPE_BAYGB8 0x0108000Au /**< 8-bit Bayer, GB first row. */
#define CAMERA_MEDIA_TYPE_BAYBG8 0x0108000Bu /**< 8-bit Bayer, BG first row. */
#define CAMERA_MEDIA_TYPE_RGB8 0x02180014u   /**< 24-bit colour, red first. */
#define CAMERA_MEDIA_TYPE_BGR8 0x02180015u   /**< 24-bit colour, blue first. */
/** @} */

/** @name File types of CameraSaveImage()
 * @{ */
#define FILE_JPG 1 /**< JPEG, with a quality. */
#define FILE_BMP 2 /**< Windows bitmap. */
#define FILE_PNG 8 /**< PNG. */
/** @} */

/** @name Integer values (CameraGetIntValue(), CameraSetIntValue())
 * @{ */
#define CAMERA_INT_CHANNEL_MASK 0    /**< Enabled channels: bit i = channel i (writable). */
#define CAMERA_INT_FOCUS_POSITION 3  /**< Position of the focus motor (writable). */
#define CAMERA_INT_FOCUS_MIN 4       /**< Lowest focus position. */
#define CAMERA_INT_FOCUS_MAX 5       /**< Highest focus position. */
#define CAMERA_INT_FOCUS_DEFAULT 6   /**< Factory focus position. */
#define CAMERA_INT_FOCUS_SUPPORTED 7 /**< 1 = manual focus motor present. */
#define CAMERA_INT_CHANNEL_COUNT 8   /**< Number of channels of the camera. */
/** @} */

/** @name Other constants
 * @{ */
#define CAMERA_RESOLUTION_CUSTOM 255       /**< Resolution index of a custom region of interest. */
#define CAMERA_PARAMETER_GROUP_DEFAULT 255 /**< Factory defaults (CameraLoadParameter()). */
#define CAMERA_CROSSLINE_COUNT 9           /**< Number of crosshairs (CameraSetCrossLine()). */
#define CAMERA_TEXT_BUFFER 128             /**< Buffer size of CameraGetFriendlyName(), CameraReadSN(). */
#define CAMERA_VERSION_BUFFER                                                                                \
    64 /**< Buffer size of CameraGetFirmwareVision(), CameraGetInerfaceVersion().                            \
        */
#define CAMERA_SDK_VERSION_BUFFER 32 /**< Buffer size of CameraSdkGetVersionString(). */

#define CAMERA_TRIGGER_CONTINUOUS 0 /**< Trigger mode: free running. */
#define CAMERA_TRIGGER_SOFTWARE 1   /**< Trigger mode: one trigger per CameraSoftTrigger(). */
#define CAMERA_TRIGGER_HARDWARE 2   /**< Trigger mode: signals on an input line. */
/** @} */

/** @name How a camera is reached (stDeviceInfo::uLink)
 * @{ */
#define CAMERA_LINK_SIMULATED 0   /**< A simulated camera (whatever its port type says). */
#define CAMERA_LINK_GIGE_VISION 1 /**< A GigE Vision camera on the network. */
#define CAMERA_LINK_USB3_VISION 2 /**< A USB3 Vision camera. */
#define CAMERA_LINK_TEST_CAMERA 3 /**< Aravis's in-process test camera. */
/** @} */

/* ---- Records ------------------------------------------------------------- */

/** Device record, filled by CameraGetEnumIndexInfo(). Offsets in bytes. */
typedef struct stDeviceInfo
{
    char acProductSeries[32];  /**< 0: product series. */
    char acProductName[32];    /**< 32: product (model) name. */
    char acFriendlyName[128];  /**< 64: nickname (CameraSetFriendlyName()). */
    char acLinkName[64];       /**< 192: driver link of the device. */
    char acDeviceVersion[32];  /**< 256: driver / device version. */
    char acSensorType[32];     /**< 288: sensor type, for example "CMOS". */
    char acPortType[32];       /**< 320: attachment; contains "GigE" for network cameras. */
    uint32_t uReserved0;       /**< 352: reserved. */
    char acSn[32];             /**< 356: serial number, the key of a camera. */
    uint32_t uInstance;        /**< 388: enumeration index. */
    uint16_t uFirmwareVersion; /**< 392: firmware version, four 4-bit digits, most significant first. */
    uint8_t uLink;             /**< 394: how the camera is reached, CAMERA_LINK_*. */
    uint8_t abReserved1[1];    /**< 395: reserved. */
    char acAddress[16];        /**< 396: GigE: the camera's IPv4 address now, dotted; else "". */
    uint8_t abReserved[184];   /**< 412: reserved. */
    int32_t iOpened;           /**< 596: non-zero: open (in any process). */
} stDeviceInfo;

/** GigE network record, CameraGigeGetIp() / CameraGigeSetIp(). Addresses are dotted quads. */
typedef struct stGigeInfo
{
    char acNicName[32];        /**< 0: host interface that reaches the camera. */
    char acNicDescription[32]; /**< 32: its description. */
    char acNicIp[16];          /**< 64: its IPv4 address. */
    char acNicMask[16];        /**< 80: its net mask. */
    char acNicGateway[16];     /**< 96: its gateway. */
    int32_t iIpMode;           /**< 112: non-zero static address, 0 DHCP. */
    char acIp[16];             /**< 116: the camera's address. */
    char acMask[16];           /**< 132: the camera's net mask. */
    char acGateway[16];        /**< 148: the camera's gateway. */
    uint8_t abMac[6];          /**< 164: the camera's MAC address. */
    uint8_t abReserved[2];     /**< 170: reserved. */
} stGigeInfo;

/** Frame head. CameraGetImageInfo() describes the raw frame; CameraGetOutImageBuffer() and
 * CameraGetOutImageBufferSampled() rewrite width, height, size and media type for the converted image. */
typedef struct stImageInfo
{
    uint32_t uiWidth;      /**< 0: width in pixels. */
    uint32_t uiHeight;     /**< 4: height in pixels. */
    uint32_t uiBytes;      /**< 8: bytes of the image in its layout (padded rows). */
    uint32_t uiMediaType;  /**< 12: pixel format, a PFNC code. */
    uint32_t uiFrameId;    /**< 16: running frame number of the camera. */
    uint32_t uiExposureUs; /**< 20: exposure of this frame, microseconds. */
    uint32_t uiGain;       /**< 24: analog gain x1000 of this frame. */
    uint32_t uiReserved;   /**< 28: reserved. */
    uint64_t uiTimestamp;  /**< 32: microseconds since the camera started. */
} stImageInfo;

/** Frame counters, CameraGetFrameStatistic(). */
typedef struct stFrameStatistic
{
    uint32_t iTotal;   /**< Frames the sensor produced, kept or not. */
    uint32_t iCapture; /**< Frames captured into the library's buffers. */
    uint32_t iLost; /**< Frames overwritten before they were fetched, or missed while the camera was lost. */
} stFrameStatistic;

/** One resolution: a preset or a custom region (index CAMERA_RESOLUTION_CUSTOM). */
typedef struct stImageResolution
{
    int32_t iIndex;           /**< 0: preset index, or CAMERA_RESOLUTION_CUSTOM. */
    char acDescription[32];   /**< 4: name shown to users. */
    uint32_t uBinSumMode;     /**< 36: binning by sum (0 = none). */
    uint32_t uBinAverageMode; /**< 40: binning by average (0 = none). */
    uint32_t uSkipMode;       /**< 44: skipping (0 = none). */
    uint32_t uResampleMask;   /**< 48: resampling (0 = none). */
    int32_t iHOffsetFOV;      /**< 52: left edge of the field of view on the sensor. */
    int32_t iVOffsetFOV;      /**< 56: top edge of the field of view on the sensor. */
    int32_t iWidthFOV;        /**< 60: width of the field of view. */
    int32_t iHeightFOV;       /**< 64: height of the field of view. */
    int32_t iWidth;           /**< 68: output width. */
    int32_t iHeight;          /**< 72: output height. */
    int32_t iWidthZoomHd;     /**< 76: hardware zoom width (0 = none). */
    int32_t iHeightZoomHd;    /**< 80: hardware zoom height (0 = none). */
    int32_t iWidthZoomSw;     /**< 84: software zoom width (0 = none). */
    int32_t iHeightZoomSw;    /**< 88: software zoom height (0 = none). */
} stImageResolution;

/** Sensor output format entry of the capability record. */
typedef struct stMediaTypeDesc
{
    int32_t iIndex;         /**< 0: position in the list. */
    char acDescription[32]; /**< 4: name shown to users. */
    uint32_t uMediaType;    /**< 36: PFNC code (CameraSetSensorOutPixelFormat()). */
} stMediaTypeDesc;

/** LUT preset entry of the capability record. */
typedef struct stLutPresetDesc
{
    int32_t iIndex;  /**< 0: value for CameraSelectLutPreset(). */
    char acName[32]; /**< 4: name shown to users. */
} stLutPresetDesc;

/** Capability record, CameraGetCapability(). The arrays belong to the library
 * and stay valid until the camera is closed. */
typedef struct stCameraCapability
{
    int32_t iSensorWidth;              /**< 0: sensor width in pixels. */
    int32_t iSensorHeight;             /**< 4: sensor height in pixels. */
    int32_t iIsColor;                  /**< 8: 1 = colour (Bayer) sensor. */
    int32_t iMaxFrameRate;             /**< 12: frames per second at full size. */
    uint8_t abReserved0[120];          /**< 16: reserved. */
    stImageResolution *pImageSizeDesc; /**< 136: preset resolutions. */
    int32_t iImageSizeDesc;            /**< 144: number of preset resolutions. */
    uint8_t abReserved1[20];           /**< 148: reserved. */
    stMediaTypeDesc *pMediaTypeDesc;   /**< 168: sensor output formats. */
    int32_t iMediaTypeDesc;            /**< 176: number of sensor output formats. */
    uint8_t abReserved2[48];           /**< 180: reserved. */
    int32_t iOutputIoCounts;           /**< 228: number of output lines. */
    int32_t iInputIoCounts;            /**< 232: number of input lines. */
    uint8_t abReserved3[4];            /**< 236: reserved. */
    stLutPresetDesc *pPresetLutDesc;   /**< 240: LUT presets. */
    int32_t iPresetLut;                /**< 248: number of LUT presets. */
    uint8_t abReserved4[84];           /**< 252: reserved. */
    int32_t iAnalogGainMin;            /**< 336: lowest analog gain x1000. */
    int32_t iAnalogGainMax;            /**< 340: highest analog gain x1000. */
    int32_t iExposureLinesMin;         /**< 344: shortest exposure in sensor lines. */
    int32_t iExposureLinesMax;         /**< 348: longest exposure in sensor lines. */
    uint8_t abReserved5[128];          /**< 352: reserved. */
} stCameraCapability;

/** Current settings, CameraGetCurDevInfo(). */
typedef struct stCurrentDeviceInfo
{
    stDeviceInfo sDevice;      /**< 0: the device record. */
    int32_t iAeState;          /**< 600: 1 = automatic exposure. */
    uint8_t abReserved0[4];    /**< 604: reserved. */
    double dExposureTime;      /**< 608: exposure time, microseconds. */
    uint32_t uAnalogGain;      /**< 616: analog gain x1000. */
    int32_t iAeTarget;         /**< 620: brightness target of automatic exposure. */
    uint8_t abReserved1[8];    /**< 624: reserved. */
    double dAeExposureMin;     /**< 632: shortest automatic exposure, microseconds. */
    double dAeExposureMax;     /**< 640: longest automatic exposure, microseconds. */
    int32_t iAeAnalogGainMin;  /**< 648: lowest automatic gain x1000. */
    int32_t iAeAnalogGainMax;  /**< 652: highest automatic gain x1000. */
    int32_t iAntiFlick;        /**< 656: 1 = anti-flicker on. */
    int32_t iLightFrequency;   /**< 660: 1 = 50 Hz, 2 = 60 Hz. */
    uint8_t abReserved2[16];   /**< 664: reserved. */
    int32_t iWbMode;           /**< 680: 1 = automatic white balance. */
    uint32_t uRGain;           /**< 684: red gain x100. */
    uint32_t uGGain;           /**< 688: green gain x100. */
    uint32_t uBGain;           /**< 692: blue gain x100. */
    uint8_t abReserved3[64];   /**< 696: reserved. */
    int32_t iFrameSpeed;       /**< 760: 0 low, 1 medium, 2 high. */
    int32_t iSharpness;        /**< 764: sharpening 0..100. */
    int32_t iSaturation;       /**< 768: saturation 0..255. */
    int32_t iContrast;         /**< 772: contrast 0..100. */
    uint8_t abReserved4[44];   /**< 776: reserved. */
    int32_t iMirrorH;          /**< 820: 1 = mirrored horizontally. */
    int32_t iMirrorV;          /**< 824: 1 = mirrored vertically. */
    int32_t iMonochrome;       /**< 828: 1 = monochrome output. */
    uint8_t abReserved5[4];    /**< 832: reserved. */
    uint8_t bCorrectDeadPixel; /**< 836: 1 = dead pixel correction on. */
    uint8_t abReserved6[27];   /**< 837: reserved. */
} stCurrentDeviceInfo;

/** How the link is doing, CameraGetTransportStatistic(); counted since opening, across losses. */
typedef struct stTransportStatistic
{
    uint32_t uIncompleteFrames; /**< 0: frames that arrived incomplete (also in stFrameStatistic::iLost). */
    uint32_t uResentPackets;    /**< 4: packets asked for again and received. */
    uint32_t uMissingPackets;   /**< 8: packets that never arrived. */
    int32_t iPacketCounters;    /**< 12: 1 = the link counts packets (GigE Vision); else the two are 0. */
    uint8_t abReserved[16];     /**< 16: reserved. */
} stTransportStatistic;

/**
 * @anchor features
 * @name Features by name
 * Every feature of a camera by name, as a tree of categories (GenICam): a
 * real camera with its own description, a simulated camera with the
 * library's settings under the standard feature names (SFNC).
 * CameraGetFeatureCount() reads the whole tree now (types, access, ranges,
 * entries, values) and keeps it for the handle; CameraGetFeatureInfo() and
 * CameraGetFeatureEntry() read what was kept, in tree order (a category
 * comes before what it holds). Values are texts: integers in decimal (or
 * 0x hexadecimal when written), floats with a '.' whatever the locale,
 * booleans "1" / "0", enumerations by entry name, strings as they are.
 * Names are letters, digits and '_' (at most 63). After a non-zero status
 * CameraGetFeatureError() gives the reason.
 * @{ */
#define CAMERA_FEATURE_NAME_BUFFER 64   /**< Bytes that hold every feature name and its final zero. */
#define CAMERA_FEATURE_VALUE_BUFFER 256 /**< Bytes that hold every feature value and its final zero. */

#define CAMERA_FEATURE_CATEGORY 0    /**< A category: holds other features, has no value. */
#define CAMERA_FEATURE_INTEGER 1     /**< An integer, with iMin, iMax and iIncrement. */
#define CAMERA_FEATURE_FLOAT 2       /**< A floating-point number, with dMin, dMax and dIncrement. */
#define CAMERA_FEATURE_BOOLEAN 3     /**< "1" or "0". */
#define CAMERA_FEATURE_ENUMERATION 4 /**< One of iEntries entries, by name (CameraGetFeatureEntry()). */
#define CAMERA_FEATURE_STRING 5      /**< A text. */
#define CAMERA_FEATURE_COMMAND 6     /**< An action, CameraExecuteFeature(). */
#define CAMERA_FEATURE_REGISTER 7    /**< Raw bytes; shown, not written through this interface. */

#define CAMERA_FEATURE_ACCESS_NONE 0       /**< Not available now. */
#define CAMERA_FEATURE_ACCESS_READ 1       /**< Readable only. */
#define CAMERA_FEATURE_ACCESS_WRITE 2      /**< Writable only (commands). */
#define CAMERA_FEATURE_ACCESS_READ_WRITE 3 /**< Readable and writable. */
/** @} */

/** One feature of the tree, CameraGetFeatureInfo(). */
typedef struct stFeatureInfo
{
    char acName[64];         /**< 0: name, as the other feature calls take it. */
    char acDisplayName[64];  /**< 64: name shown to users. */
    char acCategory[128];    /**< 128: path of the categories above it, joined by '/'. */
    char acUnit[16];         /**< 256: unit of the value; "" when none. */
    int32_t iType;           /**< 272: CAMERA_FEATURE_CATEGORY ... CAMERA_FEATURE_REGISTER. */
    int32_t iAccess;         /**< 276: CAMERA_FEATURE_ACCESS_*, when the tree was read. */
    int64_t iMin;            /**< 280: smallest value of an integer. */
    int64_t iMax;            /**< 288: largest value of an integer. */
    int64_t iIncrement;      /**< 296: step of an integer; 0 = none. */
    double dMin;             /**< 304: smallest value of a float. */
    double dMax;             /**< 312: largest value of a float. */
    double dIncrement;       /**< 320: step of a float; 0 = none. */
    int32_t iEntries;        /**< 328: number of an enumeration's entries. */
    int32_t iVisibility;     /**< 332: 0 beginner, 1 expert, 2 guru. */
    char acValue[256];       /**< 336: the value when the tree was read; "" when not readable. */
    char acDescription[512]; /**< 592: what the feature does. */
    uint8_t abReserved[48];  /**< 1104: reserved. */
} stFeatureInfo;

/** One entry of an enumeration, CameraGetFeatureEntry(). */
typedef struct stFeatureEntry
{
    char acName[64];        /**< 0: the text CameraSetFeatureValue() takes. */
    char acDisplayName[64]; /**< 64: name shown to users. */
    int64_t iValue;         /**< 128: the entry's number. */
    int32_t iAvailable;     /**< 136: 1 = can be chosen now. */
    uint8_t abReserved[4];  /**< 140: reserved. */
} stFeatureEntry;

/** Progress of CameraUpgrade(): progress 0..100 and the caller's context, called on the upgrading thread. */
typedef void (*CameraUpgradeCallback)(int progress, void *context);

#ifdef __cplusplus
} /* extern "C" */

static_assert(sizeof(stDeviceInfo) == 600, "stDeviceInfo");
static_assert(offsetof(stDeviceInfo, acProductSeries) == 0, "stDeviceInfo");
static_assert(offsetof(stDeviceInfo, acProductName) == 32, "stDeviceInfo");
static_assert(offsetof(stDeviceInfo, acFriendlyName) == 64, "stDeviceInfo");
static_assert(offsetof(stDeviceInfo, acDeviceVersion) == 256, "stDeviceInfo");
static_assert(offsetof(stDeviceInfo, acSensorType) == 288, "stDeviceInfo");
static_assert(offsetof(stDeviceInfo, acPortType) == 320, "stDeviceInfo");
static_assert(offsetof(stDeviceInfo, acSn) == 356, "stDeviceInfo");
static_assert(offsetof(stDeviceInfo, uFirmwareVersion) == 392, "stDeviceInfo");
static_assert(offsetof(stDeviceInfo, uLink) == 394, "stDeviceInfo");
static_assert(offsetof(stDeviceInfo, acAddress) == 396, "stDeviceInfo");
static_assert(offsetof(stDeviceInfo, iOpened) == 596, "stDeviceInfo");

static_assert(sizeof(stGigeInfo) == 172, "stGigeInfo");
static_assert(offsetof(stGigeInfo, acNicIp) == 64, "stGigeInfo");
static_assert(offsetof(stGigeInfo, acNicMask) == 80, "stGigeInfo");
static_assert(offsetof(stGigeInfo, iIpMode) == 112, "stGigeInfo");
static_assert(offsetof(stGigeInfo, acIp) == 116, "stGigeInfo");
static_assert(offsetof(stGigeInfo, acMask) == 132, "stGigeInfo");
static_assert(offsetof(stGigeInfo, acGateway) == 148, "stGigeInfo");
static_assert(offsetof(stGigeInfo, abMac) == 164, "stGigeInfo");

static_assert(sizeof(stImageInfo) == 40, "stImageInfo");
static_assert(offsetof(stImageInfo, uiWidth) == 0, "stImageInfo");
static_assert(offsetof(stImageInfo, uiHeight) == 4, "stImageInfo");
static_assert(offsetof(stImageInfo, uiMediaType) == 12, "stImageInfo");

static_assert(sizeof(stFrameStatistic) == 12, "stFrameStatistic");
static_assert(offsetof(stFrameStatistic, iCapture) == 4, "stFrameStatistic");

static_assert(sizeof(stTransportStatistic) == 32, "stTransportStatistic");
static_assert(offsetof(stTransportStatistic, iPacketCounters) == 12, "stTransportStatistic");

static_assert(sizeof(stFeatureInfo) == 1152, "stFeatureInfo");
static_assert(offsetof(stFeatureInfo, iType) == 272, "stFeatureInfo");
static_assert(offsetof(stFeatureInfo, iMin) == 280, "stFeatureInfo");
static_assert(offsetof(stFeatureInfo, dMin) == 304, "stFeatureInfo");
static_assert(offsetof(stFeatureInfo, iEntries) == 328, "stFeatureInfo");
static_assert(offsetof(stFeatureInfo, acValue) == 336, "stFeatureInfo");
static_assert(offsetof(stFeatureInfo, acDescription) == 592, "stFeatureInfo");
static_assert(sizeof(stFeatureEntry) == 144, "stFeatureEntry");
static_assert(offsetof(stFeatureEntry, iValue) == 128, "stFeatureEntry");

static_assert(sizeof(stImageResolution) == 92, "stImageResolution");
static_assert(offsetof(stImageResolution, iIndex) == 0, "stImageResolution");
static_assert(offsetof(stImageResolution, acDescription) == 4, "stImageResolution");
static_assert(offsetof(stImageResolution, iHOffsetFOV) == 52, "stImageResolution");
static_assert(offsetof(stImageResolution, iVOffsetFOV) == 56, "stImageResolution");
static_assert(offsetof(stImageResolution, iWidthFOV) == 60, "stImageResolution");
static_assert(offsetof(stImageResolution, iHeightFOV) == 64, "stImageResolution");
static_assert(offsetof(stImageResolution, iWidth) == 68, "stImageResolution");
static_assert(offsetof(stImageResolution, iHeight) == 72, "stImageResolution");

static_assert(sizeof(stMediaTypeDesc) == 40, "stMediaTypeDesc");
static_assert(offsetof(stMediaTypeDesc, acDescription) == 4, "stMediaTypeDesc");
static_assert(offsetof(stMediaTypeDesc, uMediaType) == 36, "stMediaTypeDesc");
static_assert(sizeof(stLutPresetDesc) == 36, "stLutPresetDesc");
static_assert(offsetof(stLutPresetDesc, acName) == 4, "stLutPresetDesc");

static_assert(sizeof(stCameraCapability) == 480, "stCameraCapability");
static_assert(offsetof(stCameraCapability, pImageSizeDesc) == 136, "stCameraCapability");
static_assert(offsetof(stCameraCapability, iImageSizeDesc) == 144, "stCameraCapability");
static_assert(offsetof(stCameraCapability, pMediaTypeDesc) == 168, "stCameraCapability");
static_assert(offsetof(stCameraCapability, iMediaTypeDesc) == 176, "stCameraCapability");
static_assert(offsetof(stCameraCapability, iOutputIoCounts) == 228, "stCameraCapability");
static_assert(offsetof(stCameraCapability, iInputIoCounts) == 232, "stCameraCapability");
static_assert(offsetof(stCameraCapability, pPresetLutDesc) == 240, "stCameraCapability");
static_assert(offsetof(stCameraCapability, iPresetLut) == 248, "stCameraCapability");
static_assert(offsetof(stCameraCapability, iAnalogGainMin) == 336, "stCameraCapability");
static_assert(offsetof(stCameraCapability, iAnalogGainMax) == 340, "stCameraCapability");
static_assert(offsetof(stCameraCapability, iExposureLinesMin) == 344, "stCameraCapability");
static_assert(offsetof(stCameraCapability, iExposureLinesMax) == 348, "stCameraCapability");

static_assert(sizeof(stCurrentDeviceInfo) == 864, "stCurrentDeviceInfo");
static_assert(offsetof(stCurrentDeviceInfo, iAeState) == 600, "stCurrentDeviceInfo");
static_assert(offsetof(stCurrentDeviceInfo, dExposureTime) == 608, "stCurrentDeviceInfo");
static_assert(offsetof(stCurrentDeviceInfo, uAnalogGain) == 616, "stCurrentDeviceInfo");
static_assert(offsetof(stCurrentDeviceInfo, iAeTarget) == 620, "stCurrentDeviceInfo");
static_assert(offsetof(stCurrentDeviceInfo, dAeExposureMin) == 632, "stCurrentDeviceInfo");
static_assert(offsetof(stCurrentDeviceInfo, dAeExposureMax) == 640, "stCurrentDeviceInfo");
static_assert(offsetof(stCurrentDeviceInfo, iAeAnalogGainMin) == 648, "stCurrentDeviceInfo");
static_assert(offsetof(stCurrentDeviceInfo, iAeAnalogGainMax) == 652, "stCurrentDeviceInfo");
static_assert(offsetof(stCurrentDeviceInfo, iAntiFlick) == 656, "stCurrentDeviceInfo");
static_assert(offsetof(stCurrentDeviceInfo, iLightFrequency) == 660, "stCurrentDeviceInfo");
static_assert(offsetof(stCurrentDeviceInfo, iWbMode) == 680, "stCurrentDeviceInfo");
static_assert(offsetof(stCurrentDeviceInfo, uRGain) == 684, "stCurrentDeviceInfo");
static_assert(offsetof(stCurrentDeviceInfo, uGGain) == 688, "stCurrentDeviceInfo");
static_assert(offsetof(stCurrentDeviceInfo, uBGain) == 692, "stCurrentDeviceInfo");
static_assert(offsetof(stCurrentDeviceInfo, iFrameSpeed) == 760, "stCurrentDeviceInfo");
static_assert(offsetof(stCurrentDeviceInfo, iSharpness) == 764, "stCurrentDeviceInfo");
static_assert(offsetof(stCurrentDeviceInfo, iSaturation) == 768, "stCurrentDeviceInfo");
static_assert(offsetof(stCurrentDeviceInfo, iContrast) == 772, "stCurrentDeviceInfo");
static_assert(offsetof(stCurrentDeviceInfo, iMirrorH) == 820, "stCurrentDeviceInfo");
static_assert(offsetof(stCurrentDeviceInfo, iMirrorV) == 824, "stCurrentDeviceInfo");
static_assert(offsetof(stCurrentDeviceInfo, iMonochrome) == 828, "stCurrentDeviceInfo");
static_assert(offsetof(stCurrentDeviceInfo, bCorrectDeadPixel) == 836, "stCurrentDeviceInfo");
#endif /* __cplusplus */

#endif /* VEXO_CAMERA_SDK_TYPES_H */
