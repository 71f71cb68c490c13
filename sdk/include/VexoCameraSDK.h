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

#include <stddef.h>
#include <stdint.h>

#include "VexoCameraSDKVersion.h"

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

/** Frame head. CameraGetImageInfo() describes the raw frame; CameraGetOutImageBuffer()
 * rewrites width, height, size and media type for the converted image. */
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

/** @name Resolution
 * @{ */
/**
 * @brief Reads what the camera can do: sensor size, presets, formats, I/O lines, ranges.
 * @param handle Camera opened by CameraInitEx3().
 * @param capability Receives the record; its arrays belong to the library and stay valid until
 *                  CameraUnInit().
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetCapability(CameraHandle handle, stCameraCapability *capability);

/**
 * @brief Reads the current resolution: a preset, or the custom region (index CAMERA_RESOLUTION_CUSTOM).
 * @param handle Camera opened by CameraInitEx3().
 * @param resolution Receives the resolution.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetResolution(CameraHandle handle, stImageResolution *resolution);

/**
 * @brief Reads a preset resolution, or the last custom region.
 * @param handle Camera opened by CameraInitEx3().
 * @param index Index of a preset (0 to stCameraCapability::iImageSizeDesc - 1), or
 *             CAMERA_RESOLUTION_CUSTOM.
 * @param resolution Receives the resolution.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT resolution is NULL or index is neither a preset nor
 *                                       CAMERA_RESOLUTION_CUSTOM.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetResolutionEx(CameraHandle handle, int index,
                                                   stImageResolution *resolution);

/**
 * @brief Switches to a preset resolution.
 *
 * Frames of the new size follow; a frame of the old size may still be waiting.
 * @param handle Camera opened by CameraInitEx3().
 * @param index Index of a preset, 0 to stCameraCapability::iImageSizeDesc - 1.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The value is out of range.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetResolution(CameraHandle handle, int index);

/**
 * @brief Switches to a custom region of interest.
 *
 * Offsets are rounded down to even numbers; the region is at least 2 x 2 pixels. Afterwards
 * CameraGetResolution() reports index CAMERA_RESOLUTION_CUSTOM.
 * @param handle Camera opened by CameraInitEx3().
 * @param resolution The region: iHOffsetFOV, iVOffsetFOV, iWidthFOV and iHeightFOV on the sensor; the
 *                  other fields are ignored.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT resolution is NULL, or the region lies outside the sensor or
 *                                       has a non-positive size.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetResolutionEx(CameraHandle handle, const stImageResolution *resolution);

/**
 * @brief Sets the resolution of the stills CameraSnapToBuffer() takes.
 *
 * Streaming keeps its own resolution.
 * @param handle Camera opened by CameraInitEx3().
 * @param resolution A region on the sensor, as for CameraSetResolutionEx().
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT resolution is NULL or the region does not fit the sensor.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetResolutionForSnap(CameraHandle handle,
                                                        const stImageResolution *resolution);
/** @} */

/** @name Current settings
 * @{ */
/**
 * @brief Reads the camera's current settings in one record.
 * @param handle Camera opened by CameraInitEx3().
 * @param info Receives the settings and the device record.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetCurDevInfo(CameraHandle handle, stCurrentDeviceInfo *info);
/** @} */

/** @name Exposure
 * @{ */
/**
 * @brief Switches automatic exposure on or off.
 *
 * In automatic mode the camera steers exposure and analog gain towards the brightness target within the
 * ranges set.
 * @param handle Camera opened by CameraInitEx3().
 * @param automatic 1 automatic exposure, 0 manual.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetAeState(CameraHandle handle, int automatic);

/**
 * @brief Reads whether automatic exposure is on.
 * @param handle Camera opened by CameraInitEx3().
 * @param automatic Receives 1 automatic, 0 manual.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetAeState(CameraHandle handle, int *automatic);

/**
 * @brief Sets the exposure time (manual exposure).
 *
 * A long exposure lowers the frame rate.
 * @param handle Camera opened by CameraInitEx3().
 * @param microseconds Exposure time in microseconds; rounded to whole sensor lines
 *                    (CameraGetExposureLineTime()).
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The time is not a finite number or lies outside
 *                                       stCameraCapability::iExposureLinesMin to iExposureLinesMax
 *                                       lines.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetExposureTime(CameraHandle handle, double microseconds);

/**
 * @brief Reads the exposure time.
 * @param handle Camera opened by CameraInitEx3().
 * @param microseconds Receives the exposure time in microseconds.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetExposureTime(CameraHandle handle, double *microseconds);

/**
 * @brief Reads the time of one sensor line, the step of the exposure time.
 * @param handle Camera opened by CameraInitEx3().
 * @param microseconds Receives the line time in microseconds.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetExposureLineTime(CameraHandle handle, double *microseconds);

/**
 * @brief Sets the analog gain (manual exposure).
 * @param handle Camera opened by CameraInitEx3().
 * @param gainX1000 Gain times 1000, stCameraCapability::iAnalogGainMin to iAnalogGainMax.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetAnalogGain(CameraHandle handle, int gainX1000);

/**
 * @brief Reads the analog gain.
 * @param handle Camera opened by CameraInitEx3().
 * @param gainX1000 Receives the gain times 1000.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetAnalogGain(CameraHandle handle, int *gainX1000);

/**
 * @brief Sets the brightness automatic exposure aims at.
 * @param handle Camera opened by CameraInitEx3().
 * @param target Mean brightness 0 to 255.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetAeTarget(CameraHandle handle, uint16_t target);

/**
 * @brief Reads the brightness automatic exposure aims at.
 * @param handle Camera opened by CameraInitEx3().
 * @param target Receives the target, 0 to 255.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetAeTarget(CameraHandle handle, int *target);

/**
 * @brief Limits the exposure times automatic exposure may choose.
 * @param handle Camera opened by CameraInitEx3().
 * @param minUs Shortest exposure in microseconds.
 * @param maxUs Longest exposure in microseconds, at least minUs.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A value is not finite, minUs > maxUs, or the range leaves the
 *                                       camera's exposure range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetAeExposureRange(CameraHandle handle, double minUs, double maxUs);

/**
 * @brief Reads the exposure range of automatic exposure.
 * @param handle Camera opened by CameraInitEx3().
 * @param minUs Receives the shortest exposure in microseconds.
 * @param maxUs Receives the longest exposure in microseconds.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetAeExposureRange(CameraHandle handle, double *minUs, double *maxUs);

/**
 * @brief Limits the analog gains automatic exposure may choose.
 * @param handle Camera opened by CameraInitEx3().
 * @param minX1000 Lowest gain times 1000.
 * @param maxX1000 Highest gain times 1000, at least minX1000.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT minX1000 > maxX1000 or the range leaves the camera's gain
 *                                       range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetAeAnalogGainRange(CameraHandle handle, int minX1000, int maxX1000);

/**
 * @brief Reads the analog gain range of automatic exposure.
 * @param handle Camera opened by CameraInitEx3().
 * @param minX1000 Receives the lowest gain times 1000.
 * @param maxX1000 Receives the highest gain times 1000.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetAeAnalogGainRange(CameraHandle handle, int *minX1000, int *maxX1000);

/**
 * @brief Switches anti-flicker on or off: automatic exposure then uses multiples of the light's period.
 * @param handle Camera opened by CameraInitEx3().
 * @param enable Anti-flicker: 1 on, 0 off.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetAntiFlick(CameraHandle handle, int enable);

/**
 * @brief Reads whether anti-flicker is on.
 * @param handle Camera opened by CameraInitEx3().
 * @param enable Receives 1 on, 0 off.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetAntiFlick(CameraHandle handle, int *enable);

/**
 * @brief Sets the mains frequency anti-flicker works with.
 * @param handle Camera opened by CameraInitEx3().
 * @param frequency 1 for 50 Hz, 2 for 60 Hz.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetLightFrequency(CameraHandle handle, int frequency);

/**
 * @brief Reads the mains frequency anti-flicker works with.
 * @param handle Camera opened by CameraInitEx3().
 * @param frequency Receives 1 for 50 Hz, 2 for 60 Hz.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetLightFrequency(CameraHandle handle, int *frequency);
/** @} */

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

/** @name Trigger, strobe and I/O lines
 * @{ */
/**
 * @brief Chooses when the camera takes frames.
 *
 * In a trigger mode each trigger yields CameraGetTriggerFrameCount() frames after the trigger delay.
 * @param handle Camera opened by CameraInitEx3().
 * @param mode CAMERA_TRIGGER_CONTINUOUS (free running), CAMERA_TRIGGER_SOFTWARE (CameraSoftTrigger())
 *            or CAMERA_TRIGGER_HARDWARE (edges on an input line in trigger mode).
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this trigger mode (hardware trigger without
 *                                    input lines).
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetTriggerMode(CameraHandle handle, int mode);

/**
 * @brief Reads the trigger mode.
 * @param handle Camera opened by CameraInitEx3().
 * @param mode Receives a CAMERA_TRIGGER_* value.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetTriggerMode(CameraHandle handle, int *mode);

/**
 * @brief Triggers the camera once (software trigger mode).
 * @param handle Camera opened by CameraInitEx3().
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_FAILED The camera is not in software trigger mode.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSoftTrigger(CameraHandle handle);

/**
 * @brief Sets how many frames one trigger yields.
 * @param handle Camera opened by CameraInitEx3().
 * @param count 1 to 1000.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetTriggerFrameCount(CameraHandle handle, int count);

/**
 * @brief Reads how many frames one trigger yields.
 * @param handle Camera opened by CameraInitEx3().
 * @param count Receives the count.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetTriggerFrameCount(CameraHandle handle, int *count);

/**
 * @brief Sets the delay between a trigger and its first frame.
 * @param handle Camera opened by CameraInitEx3().
 * @param microseconds Delay in microseconds, up to 1000000.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetTriggerDelayTime(CameraHandle handle, uint32_t microseconds);

/**
 * @brief Reads the trigger delay.
 * @param handle Camera opened by CameraInitEx3().
 * @param microseconds Receives the delay in microseconds.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetTriggerDelayTime(CameraHandle handle, uint32_t *microseconds);

/**
 * @brief Sets the debounce time of an input line: shorter pulses are ignored.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Input line, 0 to stCameraCapability::iInputIoCounts - 1.
 * @param microseconds Debounce time in microseconds, up to 1000000.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT line or time is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetTriggerJitterTime(CameraHandle handle, int line, uint32_t microseconds);

/**
 * @brief Reads the debounce time of an input line.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Input line, 0 to stCameraCapability::iInputIoCounts - 1.
 * @param microseconds Receives the time in microseconds.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The pointer is NULL or line is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera lacks this feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetTriggerJitterTime(CameraHandle handle, int line,
                                                        uint32_t *microseconds);

/**
 * @brief Chooses what an input line does.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Input line, 0 to stCameraCapability::iInputIoCounts - 1.
 * @param mode 0 trigger input, 1 general input (read with CameraGetInputIOState()).
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT line or value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no such line.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetInputIOMode(CameraHandle handle, int line, int mode);

/**
 * @brief Reads what an input line does.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Input line, 0 to stCameraCapability::iInputIoCounts - 1.
 * @param mode Receives 0 trigger input, 1 general input.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The pointer is NULL or line is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no such line.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetInputIOMode(CameraHandle handle, int line, int *mode);

/**
 * @brief Reads the level of an input line.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Input line, 0 to stCameraCapability::iInputIoCounts - 1.
 * @param state Receives 1 high, 0 low.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The pointer is NULL or line is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no such line.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetInputIOState(CameraHandle handle, int line, int *state);

/**
 * @brief Chooses which signal on an input line triggers.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Input line, 0 to stCameraCapability::iInputIoCounts - 1.
 * @param type 0 rising edge, 1 falling edge, 2 high level, 3 low level.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT line or value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no such line.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetTriggerSignalType(CameraHandle handle, int line, int type);

/**
 * @brief Reads which signal on an input line triggers.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Input line, 0 to stCameraCapability::iInputIoCounts - 1.
 * @param type Receives 0 rising edge, 1 falling edge, 2 high level, 3 low level.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The pointer is NULL or line is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no such line.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetTriggerSignalType(CameraHandle handle, int line, int *type);

/**
 * @brief Chooses what an output line does.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Output line, 0 to stCameraCapability::iOutputIoCounts - 1.
 * @param mode 0 strobe, 1 general output (CameraSetOutputIOState()), 2 PWM (CameraSetOutputIOPWM()).
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT line or value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no such line.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetOutputIOMode(CameraHandle handle, int line, int mode);

/**
 * @brief Reads what an output line does.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Output line, 0 to stCameraCapability::iOutputIoCounts - 1.
 * @param mode Receives 0 strobe, 1 general output, 2 PWM.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The pointer is NULL or line is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no such line.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetOutputIOMode(CameraHandle handle, int line, int *mode);

/**
 * @brief Chooses how a strobe output follows the exposure.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Output line, 0 to stCameraCapability::iOutputIoCounts - 1.
 * @param mode 0 automatic (active during exposure), 1 semi-automatic (delay and pulse width).
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT line or value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no such line.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetStrobeMode(CameraHandle handle, int line, int mode);

/**
 * @brief Reads how a strobe output follows the exposure.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Output line, 0 to stCameraCapability::iOutputIoCounts - 1.
 * @param mode Receives 0 automatic, 1 semi-automatic.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The pointer is NULL or line is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no such line.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetStrobeMode(CameraHandle handle, int line, int *mode);

/**
 * @brief Sets the active level of a strobe output.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Output line, 0 to stCameraCapability::iOutputIoCounts - 1.
 * @param polarity 0 active low, 1 active high.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT line or value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no such line.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetStrobePolarity(CameraHandle handle, int line, int polarity);

/**
 * @brief Reads the active level of a strobe output.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Output line, 0 to stCameraCapability::iOutputIoCounts - 1.
 * @param polarity Receives 0 active low, 1 active high.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The pointer is NULL or line is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no such line.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetStrobePolarity(CameraHandle handle, int line, int *polarity);

/**
 * @brief Sets the delay of a semi-automatic strobe after the exposure starts.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Output line, 0 to stCameraCapability::iOutputIoCounts - 1.
 * @param microseconds Delay in microseconds.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT line or value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no such line.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetStrobeDelayTime(CameraHandle handle, int line, uint32_t microseconds);

/**
 * @brief Reads the delay of a semi-automatic strobe.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Output line, 0 to stCameraCapability::iOutputIoCounts - 1.
 * @param microseconds Receives the delay in microseconds.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The pointer is NULL or line is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no such line.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetStrobeDelayTime(CameraHandle handle, int line, uint32_t *microseconds);

/**
 * @brief Sets the pulse width of a semi-automatic strobe.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Output line, 0 to stCameraCapability::iOutputIoCounts - 1.
 * @param microseconds Width in microseconds.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT line or value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no such line.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetStrobePulseWidth(CameraHandle handle, int line, uint32_t microseconds);

/**
 * @brief Reads the pulse width of a semi-automatic strobe.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Output line, 0 to stCameraCapability::iOutputIoCounts - 1.
 * @param microseconds Receives the width in microseconds.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The pointer is NULL or line is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no such line.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetStrobePulseWidth(CameraHandle handle, int line, uint32_t *microseconds);

/**
 * @brief Sets the level of a general output line.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Output line, 0 to stCameraCapability::iOutputIoCounts - 1.
 * @param state 1 high, 0 low.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT line or value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no such line.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetOutputIOState(CameraHandle handle, int line, int state);

/**
 * @brief Reads the level of a general output line.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Output line, 0 to stCameraCapability::iOutputIoCounts - 1.
 * @param state Receives 1 high, 0 low.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The pointer is NULL or line is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no such line.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetOutputIOState(CameraHandle handle, int line, int *state);

/**
 * @brief Sets the pulse of an output line in PWM mode.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Output line, 0 to stCameraCapability::iOutputIoCounts - 1.
 * @param periodUs Period in microseconds, 1 to 10000000.
 * @param highTimeUs High time per period in microseconds, 0 to periodUs.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT line or value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no such line.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetOutputIOPWM(CameraHandle handle, int line, int periodUs,
                                                  int highTimeUs);

/**
 * @brief Reads the pulse of an output line in PWM mode.
 * @param handle Camera opened by CameraInitEx3().
 * @param line Output line, 0 to stCameraCapability::iOutputIoCounts - 1.
 * @param periodUs Receives the period in microseconds.
 * @param highTimeUs Receives the high time in microseconds.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL or line is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera has no such line.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetOutputIOPWM(CameraHandle handle, int line, int *periodUs,
                                                  int *highTimeUs);
/** @} */

/** @name Integer values (CAMERA_INT_*)
 * @{ */
/**
 * @brief Reads one of the integer values (CAMERA_INT_*).
 * @param handle Camera opened by CameraInitEx3().
 * @param id A CAMERA_INT_* value.
 * @param value Receives the value.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT A pointer is NULL.
 * @retval CAMERA_STATUS_NOT_SUPPORTED Unknown id, or the camera lacks the feature (a focus value
 *                                    without focus motor).
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraGetIntValue(CameraHandle handle, int id, int *value);

/**
 * @brief Sets one of the writable integer values: CAMERA_INT_CHANNEL_MASK or CAMERA_INT_FOCUS_POSITION.
 * @param handle Camera opened by CameraInitEx3().
 * @param id CAMERA_INT_CHANNEL_MASK or CAMERA_INT_FOCUS_POSITION.
 * @param value Channel mask (bit i = channel i, within CAMERA_INT_CHANNEL_COUNT channels) or focus
 *             position (CAMERA_INT_FOCUS_MIN to CAMERA_INT_FOCUS_MAX).
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_INVALID_ARGUMENT The value is out of range.
 * @retval CAMERA_STATUS_NOT_SUPPORTED Unknown or read-only id, or the camera lacks the feature.
 * @threadsafety Any thread, also while another thread grabs frames of the same camera.
 */
VEXO_SDK_API CameraSdkStatus CameraSetIntValue(CameraHandle handle, int id, int value);
/** @} */

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

/** @name Firmware
 * @{ */
/**
 * @brief Writes a firmware file into the camera.
 *
 * Blocks until the upgrade is done (seconds). The new firmware version shows in the next enumeration.
 * @param handle Camera opened by CameraInitEx3().
 * @param file Path of the firmware file (*.upg).
 * @param callback Called with the progress 0 to 100 on the calling thread; may be NULL.
 * @param context Handed to callback unchanged.
 * @return CAMERA_STATUS_SUCCESS, a status of every call on a handle (@ref handle_statuses), or:
 * @retval CAMERA_STATUS_FILE_PATH The file cannot be opened or read.
 * @retval CAMERA_STATUS_NOT_MATCH The file is not a firmware image, has a bad checksum or is for
 *                                another model.
 * @retval CAMERA_STATUS_BUSY An upgrade of this camera is already running.
 * @retval CAMERA_STATUS_NOT_SUPPORTED The camera cannot be upgraded through the library.
 * @threadsafety Any thread; run it in a worker thread to keep a user interface alive. While it runs,
 *               settings calls on the same camera return CAMERA_STATUS_BUSY.
 */
VEXO_SDK_API CameraSdkStatus CameraUpgrade(CameraHandle handle, const char *file,
                                           CameraUpgradeCallback callback, void *context);
/** @} */

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

#endif /* VEXO_CAMERA_SDK_H */
