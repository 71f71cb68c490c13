/*
 * VexoCameraSDK.h - the camera library's C interface.
 *
 * Every function returns a signed 32-bit status, CAMERA_STATUS_SUCCESS (0) on
 * success. A camera is opened by serial number and then addressed by a handle;
 * the library is never initialised as a whole.
 *
 * Conventions
 *  - Handles are opaque, pointer-sized; 0 (NULL) is never a valid handle.
 *  - Texts are 8-bit, NUL-terminated inside their field. The library never
 *    writes past a field or a documented caller buffer size, and a text it
 *    returns always fits its field.
 *  - Records are plain little-endian structures with the sizes and offsets
 *    pinned below; bytes named "reserved" are written as zero.
 *  - Output images (CameraGetOutImageBuffer, CameraSaveImage) are packed
 *    pixels in rows padded to a multiple of 4 bytes: RGB8 rows take
 *    (width * 3 + 3) & ~3 bytes, Mono8 rows (width + 3) & ~3 bytes. This is
 *    the row length of a QImage of format RGB888 / Grayscale8. An output
 *    buffer must hold width * height * 4 bytes, which covers every format.
 *  - Any call may come from any thread; parameter calls may run while another
 *    thread grabs frames of the same camera.
 *
 * Lost cameras
 *  A camera that goes away while open (a pulled cable, a power cut, a USB
 *  hub reset) keeps its handle. Meanwhile calls on the handle return
 *  CAMERA_STATUS_DEVICE_LOST (a fetch already waiting returns at once),
 *  except CameraGetFrameStatistic, CameraSaveImage and the calls on frames
 *  already lent.
 *  When the same camera (the same serial number) is present again and no
 *  other program holds it, the library opens it again by itself, within
 *  about a second, without any call from the program: it gives the camera
 *  the settings the handle had at the moment of the loss (everything
 *  CameraGetCurDevInfo and the setters below cover: exposure, gains, white
 *  balance, image processing, LUT, crosshairs, trigger and I/O lines,
 *  resolution or region of interest; packet size and delay set through the
 *  handle) and streams again if it was streaming, so a grabber that keeps
 *  calling CameraGetRawImageBuffer simply receives frames again. A camera
 *  another program opened meanwhile stays with that program: the handle
 *  stays lost while the camera is held elsewhere. CameraUnInit on a lost
 *  handle returns at once. The frame counters go on across the loss; the
 *  frames a free-running camera would have sent meanwhile count in iTotal
 *  and iLost.
 */
#ifndef VEXO_CAMERA_SDK_H
#define VEXO_CAMERA_SDK_H

#include <stddef.h>
#include <stdint.h>

#if defined(VEXO_SDK_BUILD)
#define VEXO_SDK_API __attribute__((visibility("default")))
#else
#define VEXO_SDK_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

#ifndef VEXO_SDK_HAVE_BYTE
#define VEXO_SDK_HAVE_BYTE
typedef unsigned char BYTE;
#endif

typedef int32_t CameraSdkStatus;
typedef void *CameraHandle;      /* an opened camera, 0 = none */
typedef void *CameraFrameHandle; /* a raw frame lent by CameraGetRawImageBuffer */

/* ---- Statuses ---------------------------------------------------------- */
#define CAMERA_STATUS_SUCCESS 0
#define CAMERA_STATUS_FAILED (-1)           /* the operation failed */
#define CAMERA_STATUS_INVALID_HANDLE (-2)   /* 0, closed or unknown handle */
#define CAMERA_STATUS_INVALID_ARGUMENT (-3) /* null pointer, value out of range, text too long */
#define CAMERA_STATUS_NOT_MATCH                                                                              \
    (-4)                                   /* upgrade file for another model or with a bad                   \
                                              checksum; parameter file of another model */
#define CAMERA_STATUS_NOT_SUPPORTED (-4)   /* the device lacks this feature (same code) */
#define CAMERA_STATUS_TIMEOUT (-12)        /* no frame within the time-out */
#define CAMERA_STATUS_DEVICE_LOST (-13)    /* the camera was unplugged */
#define CAMERA_STATUS_NO_DEVICE (-14)      /* no camera with this serial / index */
#define CAMERA_STATUS_BUSY (-15)           /* an upgrade is already running on this camera */
#define CAMERA_STATUS_ALREADY_OPENED (-18) /* open in this or another process */
#define CAMERA_STATUS_FILE_PATH (-22)      /* a file cannot be opened or read (upgrade file path wrong) */
#define CAMERA_STATUS_IO_ERROR (-23)       /* a file cannot be written */
#define CAMERA_STATUS_FILE_CORRUPT (-24)   /* a file is truncated, corrupted or of another version */

/* ---- Pixel formats (GenICam PFNC codes) -------------------------------- */
#define CAMERA_MEDIA_TYPE_MONO8 0x01080001u
#define CAMERA_MEDIA_TYPE_BAYGR8 0x01080008u
#define CAMERA_MEDIA_TYPE_BAYRG8 0x01080009u
#define CAMERA_MEDIA_TYPE_BAYGB8 0x0108000Au
#define CAMERA_MEDIA_TYPE_BAYBG8 0x0108000Bu
#define CAMERA_MEDIA_TYPE_RGB8 0x02180014u
#define CAMERA_MEDIA_TYPE_BGR8 0x02180015u

/* ---- File types of CameraSaveImage -------------------------------------- */
#define FILE_JPG 1
#define FILE_BMP 2
#define FILE_PNG 8

/* ---- Integer values (CameraGetIntValue / CameraSetIntValue) ------------- */
#define CAMERA_INT_CHANNEL_MASK 0 /* bit i = channel i enabled */
#define CAMERA_INT_FOCUS_POSITION 3
#define CAMERA_INT_FOCUS_MIN 4
#define CAMERA_INT_FOCUS_MAX 5
#define CAMERA_INT_FOCUS_DEFAULT 6
#define CAMERA_INT_FOCUS_SUPPORTED 7 /* 1 = manual focus motor present */
#define CAMERA_INT_CHANNEL_COUNT 8

/* ---- Other constants ----------------------------------------------------- */
#define CAMERA_RESOLUTION_CUSTOM 255       /* index of a custom region of interest */
#define CAMERA_PARAMETER_GROUP_DEFAULT 255 /* factory defaults (CameraLoadParameter) */
#define CAMERA_CROSSLINE_COUNT 9
#define CAMERA_TEXT_BUFFER 128       /* CameraGetFriendlyName, CameraReadSN */
#define CAMERA_VERSION_BUFFER 64     /* CameraGetFirmwareVision, CameraGetInerfaceVersion */
#define CAMERA_SDK_VERSION_BUFFER 32 /* CameraSdkGetVersionString */

#define CAMERA_TRIGGER_CONTINUOUS 0
#define CAMERA_TRIGGER_SOFTWARE 1
#define CAMERA_TRIGGER_HARDWARE 2

/* ---- Records ------------------------------------------------------------- */

/* Device record, filled by CameraGetEnumIndexInfo. */
typedef struct stDeviceInfo
{
    char acProductSeries[32];  /*   0 */
    char acProductName[32];    /*  32 */
    char acFriendlyName[128];  /*  64 nickname */
    char acLinkName[64];       /* 192 driver link of the device */
    char acDeviceVersion[32];  /* 256 driver / device version */
    char acSensorType[32];     /* 288 */
    char acPortType[32];       /* 320 contains "GigE" for network cameras */
    uint32_t uReserved0;       /* 352 */
    char acSn[32];             /* 356 serial number: the key of a camera */
    uint32_t uInstance;        /* 388 enumeration index */
    uint16_t uFirmwareVersion; /* 392 four 4-bit digits, most significant first */
    uint8_t abReserved[202];   /* 394 */
    int32_t iOpened;           /* 596 non-zero: open (in any process) */
} stDeviceInfo;

/* GigE network record, CameraGigeGetIp / CameraGigeSetIp. */
typedef struct stGigeInfo
{
    char acNicName[32];        /*   0 host interface that reaches the camera */
    char acNicDescription[32]; /*  32 */
    char acNicIp[16];          /*  64 its IPv4 address */
    char acNicMask[16];        /*  80 its net mask */
    char acNicGateway[16];     /*  96 */
    int32_t iIpMode;           /* 112 non-zero static, 0 DHCP */
    char acIp[16];             /* 116 the camera's address */
    char acMask[16];           /* 132 */
    char acGateway[16];        /* 148 */
    uint8_t abMac[6];          /* 164 */
    uint8_t abReserved[2];     /* 170 */
} stGigeInfo;

/* Frame head. CameraGetImageInfo describes the raw frame; CameraGetOutImageBuffer
 * rewrites width, height, size and media type for the converted image. */
typedef struct stImageInfo
{
    uint32_t uiWidth;      /*  0 pixels */
    uint32_t uiHeight;     /*  4 pixels */
    uint32_t uiBytes;      /*  8 bytes of the image in its layout (padded rows) */
    uint32_t uiMediaType;  /* 12 PFNC code */
    uint32_t uiFrameId;    /* 16 running frame number of the camera */
    uint32_t uiExposureUs; /* 20 exposure of this frame, microseconds */
    uint32_t uiGain;       /* 24 analog gain x1000 of this frame */
    uint32_t uiReserved;   /* 28 */
    uint64_t uiTimestamp;  /* 32 microseconds since the camera started */
} stImageInfo;

/* Frame counters, CameraGetFrameStatistic. */
typedef struct stFrameStatistic
{
    uint32_t iTotal;   /* frames the sensor produced, kept or not */
    uint32_t iCapture; /* frames captured into the library's buffers */
    uint32_t iLost;    /* frames overwritten before they were fetched, or
                          missed while the camera was lost */
} stFrameStatistic;

/* One resolution: a preset or a custom region (index 255). */
typedef struct stImageResolution
{
    int32_t iIndex;           /*  0 */
    char acDescription[32];   /*  4 */
    uint32_t uBinSumMode;     /* 36 */
    uint32_t uBinAverageMode; /* 40 */
    uint32_t uSkipMode;       /* 44 */
    uint32_t uResampleMask;   /* 48 */
    int32_t iHOffsetFOV;      /* 52 field of view on the sensor */
    int32_t iVOffsetFOV;      /* 56 */
    int32_t iWidthFOV;        /* 60 */
    int32_t iHeightFOV;       /* 64 */
    int32_t iWidth;           /* 68 output size */
    int32_t iHeight;          /* 72 */
    int32_t iWidthZoomHd;     /* 76 */
    int32_t iHeightZoomHd;    /* 80 */
    int32_t iWidthZoomSw;     /* 84 */
    int32_t iHeightZoomSw;    /* 88 */
} stImageResolution;

/* Sensor output format entry of the capability record. */
typedef struct stMediaTypeDesc
{
    int32_t iIndex;         /*  0 */
    char acDescription[32]; /*  4 */
    uint32_t uMediaType;    /* 36 PFNC code */
} stMediaTypeDesc;

/* LUT preset entry of the capability record. */
typedef struct stLutPresetDesc
{
    int32_t iIndex;  /* 0 value for CameraSelectLutPreset */
    char acName[32]; /* 4 */
} stLutPresetDesc;

/* Capability record, CameraGetCapability. The arrays belong to the library
 * and stay valid until the camera is closed. */
typedef struct stCameraCapability
{
    int32_t iSensorWidth;              /*   0 */
    int32_t iSensorHeight;             /*   4 */
    int32_t iIsColor;                  /*   8 1 = colour (Bayer) sensor */
    int32_t iMaxFrameRate;             /*  12 frames per second at full size */
    uint8_t abReserved0[120];          /*  16 */
    stImageResolution *pImageSizeDesc; /* 136 preset resolutions */
    int32_t iImageSizeDesc;            /* 144 */
    uint8_t abReserved1[20];           /* 148 */
    stMediaTypeDesc *pMediaTypeDesc;   /* 168 sensor output formats */
    int32_t iMediaTypeDesc;            /* 176 */
    uint8_t abReserved2[48];           /* 180 */
    int32_t iOutputIoCounts;           /* 228 */
    int32_t iInputIoCounts;            /* 232 */
    uint8_t abReserved3[4];            /* 236 */
    stLutPresetDesc *pPresetLutDesc;   /* 240 */
    int32_t iPresetLut;                /* 248 */
    uint8_t abReserved4[84];           /* 252 */
    int32_t iAnalogGainMin;            /* 336 x1000 */
    int32_t iAnalogGainMax;            /* 340 x1000 */
    int32_t iExposureLinesMin;         /* 344 sensor lines */
    int32_t iExposureLinesMax;         /* 348 sensor lines */
    uint8_t abReserved5[128];          /* 352 */
} stCameraCapability;

/* Current settings, CameraGetCurDevInfo. */
typedef struct stCurrentDeviceInfo
{
    stDeviceInfo sDevice;      /*   0 */
    int32_t iAeState;          /* 600 1 = automatic exposure */
    uint8_t abReserved0[4];    /* 604 */
    double dExposureTime;      /* 608 microseconds */
    uint32_t uAnalogGain;      /* 616 x1000 */
    int32_t iAeTarget;         /* 620 brightness target */
    uint8_t abReserved1[8];    /* 624 */
    double dAeExposureMin;     /* 632 microseconds */
    double dAeExposureMax;     /* 640 microseconds */
    int32_t iAeAnalogGainMin;  /* 648 x1000 */
    int32_t iAeAnalogGainMax;  /* 652 x1000 */
    int32_t iAntiFlick;        /* 656 1 = on */
    int32_t iLightFrequency;   /* 660 1 = 50 Hz, 2 = 60 Hz */
    uint8_t abReserved2[16];   /* 664 */
    int32_t iWbMode;           /* 680 1 = automatic */
    uint32_t uRGain;           /* 684 x100 */
    uint32_t uGGain;           /* 688 x100 */
    uint32_t uBGain;           /* 692 x100 */
    uint8_t abReserved3[64];   /* 696 */
    int32_t iFrameSpeed;       /* 760 0 low, 1 medium, 2 high */
    int32_t iSharpness;        /* 764 */
    int32_t iSaturation;       /* 768 */
    int32_t iContrast;         /* 772 */
    uint8_t abReserved4[44];   /* 776 */
    int32_t iMirrorH;          /* 820 1 = on */
    int32_t iMirrorV;          /* 824 */
    int32_t iMonochrome;       /* 828 */
    uint8_t abReserved5[4];    /* 832 */
    uint8_t bCorrectDeadPixel; /* 836 1 = on */
    uint8_t abReserved6[27];   /* 837 */
} stCurrentDeviceInfo;

/* Progress of CameraUpgrade, 0..100, called on the upgrading thread. */
typedef void (*CameraUpgradeCallback)(int progress, void *context);

/* ---- Enumeration, open and close ---------------------------------------- */
VEXO_SDK_API CameraSdkStatus CameraEnumerateDevice(int *count);
VEXO_SDK_API CameraSdkStatus CameraGetEnumIndexInfo(int index, stDeviceInfo *info);
VEXO_SDK_API CameraSdkStatus CameraInitEx3(CameraHandle *handle, const char *serial);
VEXO_SDK_API CameraSdkStatus CameraUnInit(CameraHandle handle);
/* name: buffer of CAMERA_TEXT_BUFFER bytes */
VEXO_SDK_API CameraSdkStatus CameraGetFriendlyName(CameraHandle handle, char *name);
VEXO_SDK_API CameraSdkStatus CameraSetFriendlyName(CameraHandle handle, const char *name);
/* serial: buffer of CAMERA_TEXT_BUFFER bytes; which: 0 = device serial number */
VEXO_SDK_API CameraSdkStatus CameraReadSN(CameraHandle handle, char *serial, int which);
VEXO_SDK_API CameraSdkStatus CameraGetDeviceType(CameraHandle handle, uint32_t *type);
/* version buffers: CAMERA_VERSION_BUFFER bytes */
VEXO_SDK_API CameraSdkStatus CameraGetFirmwareVision(CameraHandle handle, char *version);
VEXO_SDK_API CameraSdkStatus CameraGetInerfaceVersion(CameraHandle handle, char *version);
/* version: buffer of CAMERA_SDK_VERSION_BUFFER bytes */
VEXO_SDK_API CameraSdkStatus CameraSdkGetVersionString(char *version);

/* ---- Streaming and frames ------------------------------------------------ */
VEXO_SDK_API CameraSdkStatus CameraPlay(CameraHandle handle);
VEXO_SDK_API CameraSdkStatus CameraPause(CameraHandle handle);
VEXO_SDK_API CameraSdkStatus CameraGetFrameStatistic(CameraHandle handle, stFrameStatistic *statistic);
/* Waits up to timeoutMs for a frame newer than the last one fetched. The frame
 * stays valid until CameraReleaseFrameHandle. */
VEXO_SDK_API CameraSdkStatus CameraGetRawImageBuffer(CameraHandle handle, CameraFrameHandle *frame,
                                                     unsigned int timeoutMs);
/* Fills the head of a lent frame and points *raw at its pixels. */
VEXO_SDK_API CameraSdkStatus CameraGetImageInfo(CameraHandle handle, CameraFrameHandle frame,
                                                stImageInfo *info, BYTE **raw);
/* The image pipeline: converts raw pixels into out (see the row layout above)
 * in the ISP output format, and updates info for the converted image. */
VEXO_SDK_API CameraSdkStatus CameraGetOutImageBuffer(CameraHandle handle, stImageInfo *info, const BYTE *raw,
                                                     BYTE *out);
VEXO_SDK_API CameraSdkStatus CameraReleaseFrameHandle(CameraHandle handle, CameraFrameHandle frame);
VEXO_SDK_API CameraSdkStatus CameraSetIspOutFormat(CameraHandle handle, uint32_t mediaType);
VEXO_SDK_API CameraSdkStatus CameraGetIspOutFormat(CameraHandle handle, uint32_t *mediaType);
/* Draws the visible crosshairs into a converted image. */
VEXO_SDK_API CameraSdkStatus CameraImageOverlay(CameraHandle handle, BYTE *image, const stImageInfo *info);
VEXO_SDK_API CameraSdkStatus CameraGetOutImageSize(CameraHandle handle, int *width, int *height);
/* One still at the resolution set by CameraSetResolutionForSnap (the current
 * one when none was set); release it with CameraReleaseFrameHandle. */
VEXO_SDK_API CameraSdkStatus CameraSnapToBuffer(CameraHandle handle, CameraFrameHandle *frame,
                                                stImageInfo *info, BYTE **raw, unsigned int timeoutMs);
/* Writes a converted image; the extension (.bmp, .jpg, .png) is appended to
 * path. quality 1..100 applies to JPG. The file appears complete or not at all. */
VEXO_SDK_API CameraSdkStatus CameraSaveImage(CameraHandle handle, const char *path, const BYTE *image,
                                             const stImageInfo *info, int fileType, int quality);

/* ---- Resolution ----------------------------------------------------------- */
VEXO_SDK_API CameraSdkStatus CameraGetCapability(CameraHandle handle, stCameraCapability *capability);
VEXO_SDK_API CameraSdkStatus CameraGetResolution(CameraHandle handle, stImageResolution *resolution);
/* index: a preset index, or 255 for the current custom region */
VEXO_SDK_API CameraSdkStatus CameraGetResolutionEx(CameraHandle handle, int index,
                                                   stImageResolution *resolution);
VEXO_SDK_API CameraSdkStatus CameraSetResolution(CameraHandle handle, int index);
/* Custom region; refused when outside the sensor or of non-positive size. */
VEXO_SDK_API CameraSdkStatus CameraSetResolutionEx(CameraHandle handle, const stImageResolution *resolution);
VEXO_SDK_API CameraSdkStatus CameraSetResolutionForSnap(CameraHandle handle,
                                                        const stImageResolution *resolution);

/* ---- Current settings ----------------------------------------------------- */
VEXO_SDK_API CameraSdkStatus CameraGetCurDevInfo(CameraHandle handle, stCurrentDeviceInfo *info);

/* ---- Exposure --------------------------------------------------------------- */
VEXO_SDK_API CameraSdkStatus CameraSetAeState(CameraHandle handle, int automatic);
VEXO_SDK_API CameraSdkStatus CameraGetAeState(CameraHandle handle, int *automatic);
VEXO_SDK_API CameraSdkStatus CameraSetExposureTime(CameraHandle handle, double microseconds);
VEXO_SDK_API CameraSdkStatus CameraGetExposureTime(CameraHandle handle, double *microseconds);
VEXO_SDK_API CameraSdkStatus CameraGetExposureLineTime(CameraHandle handle, double *microseconds);
VEXO_SDK_API CameraSdkStatus CameraSetAnalogGain(CameraHandle handle, int gainX1000);
VEXO_SDK_API CameraSdkStatus CameraGetAnalogGain(CameraHandle handle, int *gainX1000);
VEXO_SDK_API CameraSdkStatus CameraSetAeTarget(CameraHandle handle, uint16_t target);
VEXO_SDK_API CameraSdkStatus CameraGetAeTarget(CameraHandle handle, int *target);
VEXO_SDK_API CameraSdkStatus CameraSetAeExposureRange(CameraHandle handle, double minUs, double maxUs);
VEXO_SDK_API CameraSdkStatus CameraGetAeExposureRange(CameraHandle handle, double *minUs, double *maxUs);
VEXO_SDK_API CameraSdkStatus CameraSetAeAnalogGainRange(CameraHandle handle, int minX1000, int maxX1000);
VEXO_SDK_API CameraSdkStatus CameraGetAeAnalogGainRange(CameraHandle handle, int *minX1000, int *maxX1000);
VEXO_SDK_API CameraSdkStatus CameraSetAntiFlick(CameraHandle handle, int enable);
VEXO_SDK_API CameraSdkStatus CameraGetAntiFlick(CameraHandle handle, int *enable);
/* 1 = 50 Hz, 2 = 60 Hz */
VEXO_SDK_API CameraSdkStatus CameraSetLightFrequency(CameraHandle handle, int frequency);
VEXO_SDK_API CameraSdkStatus CameraGetLightFrequency(CameraHandle handle, int *frequency);

/* ---- White balance and colour ----------------------------------------------- */
VEXO_SDK_API CameraSdkStatus CameraSetWbMode(CameraHandle handle, int automatic);
VEXO_SDK_API CameraSdkStatus CameraGetWbMode(CameraHandle handle, int *automatic);
VEXO_SDK_API CameraSdkStatus CameraSetOnceWB(CameraHandle handle);
/* gains x100, 0..400 */
VEXO_SDK_API CameraSdkStatus CameraSetGain(CameraHandle handle, int red, int green, int blue);
VEXO_SDK_API CameraSdkStatus CameraGetGain(CameraHandle handle, int *red, int *green, int *blue);
VEXO_SDK_API CameraSdkStatus CameraSetSaturation(CameraHandle handle, int saturation); /* 0..255 */
VEXO_SDK_API CameraSdkStatus CameraGetSaturation(CameraHandle handle, int *saturation);
VEXO_SDK_API CameraSdkStatus CameraSetMonochrome(CameraHandle handle, int enable);
VEXO_SDK_API CameraSdkStatus CameraGetMonochrome(CameraHandle handle, int *enable);

/* ---- Image processing --------------------------------------------------------- */
VEXO_SDK_API CameraSdkStatus CameraSetFrameSpeed(CameraHandle handle,
                                                 int speed); /* 0 low, 1 medium, 2 high */
VEXO_SDK_API CameraSdkStatus CameraGetFrameSpeed(CameraHandle handle, int *speed);
VEXO_SDK_API CameraSdkStatus CameraSetSharpness(CameraHandle handle, int sharpness); /* 0..100 */
VEXO_SDK_API CameraSdkStatus CameraGetSharpness(CameraHandle handle, int *sharpness);
VEXO_SDK_API CameraSdkStatus CameraSetContrast(CameraHandle handle, int contrast); /* 0..100 */
VEXO_SDK_API CameraSdkStatus CameraGetContrast(CameraHandle handle, int *contrast);
/* direction 0 horizontal, 1 vertical */
VEXO_SDK_API CameraSdkStatus CameraSetMirror(CameraHandle handle, int direction, int enable);
VEXO_SDK_API CameraSdkStatus CameraGetMirror(CameraHandle handle, int direction, int *enable);
VEXO_SDK_API CameraSdkStatus CameraSetCorrectDeadPixel(CameraHandle handle, int enable);
VEXO_SDK_API CameraSdkStatus CameraGetCorrectDeadPixel(CameraHandle handle, int *enable);
VEXO_SDK_API CameraSdkStatus CameraSetSensorOutPixelFormat(CameraHandle handle, uint32_t mediaType);
VEXO_SDK_API CameraSdkStatus CameraGetSensorOutPixelFormat(CameraHandle handle, uint32_t *mediaType);

/* ---- Crosshairs (lines 0..8); colour = red | green << 8 | blue << 16 ------------ */
VEXO_SDK_API CameraSdkStatus CameraSetCrossLine(CameraHandle handle, int line, int x, int y, uint32_t colour,
                                                int visible);
VEXO_SDK_API CameraSdkStatus CameraGetCrossLine(CameraHandle handle, int line, int *x, int *y,
                                                uint32_t *colour, int *visible);

/* ---- LUT: mode 0 dynamic (gamma + contrast), 1 preset; 2 is reported by
 *      cameras without a LUT ------------------------------------------------------ */
VEXO_SDK_API CameraSdkStatus CameraSetLutMode(CameraHandle handle, int mode);
VEXO_SDK_API CameraSdkStatus CameraGetLutMode(CameraHandle handle, int *mode);
VEXO_SDK_API CameraSdkStatus CameraSetGamma(CameraHandle handle, int gammaX100); /* 0..1000 */
VEXO_SDK_API CameraSdkStatus CameraGetGamma(CameraHandle handle, int *gammaX100);
VEXO_SDK_API CameraSdkStatus CameraSetContrastLut(CameraHandle handle, int contrastX100); /* 0..200 */
VEXO_SDK_API CameraSdkStatus CameraGetContrastLut(CameraHandle handle, int *contrastX100);
VEXO_SDK_API CameraSdkStatus CameraSelectLutPreset(CameraHandle handle, int preset);
VEXO_SDK_API CameraSdkStatus CameraGetLutPresetSel(CameraHandle handle, int *preset);

/* ---- Trigger, strobe and I/O lines ------------------------------------------------ */
VEXO_SDK_API CameraSdkStatus CameraSetTriggerMode(CameraHandle handle, int mode); /* CAMERA_TRIGGER_* */
VEXO_SDK_API CameraSdkStatus CameraGetTriggerMode(CameraHandle handle, int *mode);
VEXO_SDK_API CameraSdkStatus CameraSoftTrigger(CameraHandle handle);
VEXO_SDK_API CameraSdkStatus CameraSetTriggerFrameCount(CameraHandle handle, int count);
VEXO_SDK_API CameraSdkStatus CameraGetTriggerFrameCount(CameraHandle handle, int *count);
VEXO_SDK_API CameraSdkStatus CameraSetTriggerDelayTime(CameraHandle handle, uint32_t microseconds);
VEXO_SDK_API CameraSdkStatus CameraGetTriggerDelayTime(CameraHandle handle, uint32_t *microseconds);
VEXO_SDK_API CameraSdkStatus CameraSetTriggerJitterTime(CameraHandle handle, int line, uint32_t microseconds);
VEXO_SDK_API CameraSdkStatus CameraGetTriggerJitterTime(CameraHandle handle, int line,
                                                        uint32_t *microseconds);
/* input line mode: 0 trigger input, 1 general input */
VEXO_SDK_API CameraSdkStatus CameraSetInputIOMode(CameraHandle handle, int line, int mode);
VEXO_SDK_API CameraSdkStatus CameraGetInputIOMode(CameraHandle handle, int line, int *mode);
VEXO_SDK_API CameraSdkStatus CameraGetInputIOState(CameraHandle handle, int line, int *state);
/* 0 rising edge, 1 falling edge, 2 high level, 3 low level */
VEXO_SDK_API CameraSdkStatus CameraSetTriggerSignalType(CameraHandle handle, int line, int type);
VEXO_SDK_API CameraSdkStatus CameraGetTriggerSignalType(CameraHandle handle, int line, int *type);
/* output line mode: 0 strobe, 1 general output, 2 PWM */
VEXO_SDK_API CameraSdkStatus CameraSetOutputIOMode(CameraHandle handle, int line, int mode);
VEXO_SDK_API CameraSdkStatus CameraGetOutputIOMode(CameraHandle handle, int line, int *mode);
/* strobe mode: 0 automatic, 1 semi-automatic */
VEXO_SDK_API CameraSdkStatus CameraSetStrobeMode(CameraHandle handle, int line, int mode);
VEXO_SDK_API CameraSdkStatus CameraGetStrobeMode(CameraHandle handle, int line, int *mode);
VEXO_SDK_API CameraSdkStatus CameraSetStrobePolarity(CameraHandle handle, int line, int polarity);
VEXO_SDK_API CameraSdkStatus CameraGetStrobePolarity(CameraHandle handle, int line, int *polarity);
VEXO_SDK_API CameraSdkStatus CameraSetStrobeDelayTime(CameraHandle handle, int line, uint32_t microseconds);
VEXO_SDK_API CameraSdkStatus CameraGetStrobeDelayTime(CameraHandle handle, int line, uint32_t *microseconds);
VEXO_SDK_API CameraSdkStatus CameraSetStrobePulseWidth(CameraHandle handle, int line, uint32_t microseconds);
VEXO_SDK_API CameraSdkStatus CameraGetStrobePulseWidth(CameraHandle handle, int line, uint32_t *microseconds);
VEXO_SDK_API CameraSdkStatus CameraSetOutputIOState(CameraHandle handle, int line, int state);
VEXO_SDK_API CameraSdkStatus CameraGetOutputIOState(CameraHandle handle, int line, int *state);
VEXO_SDK_API CameraSdkStatus CameraSetOutputIOPWM(CameraHandle handle, int line, int periodUs,
                                                  int highTimeUs);
VEXO_SDK_API CameraSdkStatus CameraGetOutputIOPWM(CameraHandle handle, int line, int *periodUs,
                                                  int *highTimeUs);

/* ---- Integer values (CAMERA_INT_*) ------------------------------------------------- */
VEXO_SDK_API CameraSdkStatus CameraGetIntValue(CameraHandle handle, int id, int *value);
VEXO_SDK_API CameraSdkStatus CameraSetIntValue(CameraHandle handle, int id, int value);

/* ---- Parameter groups (0..3 = A..D, 255 = factory defaults) and files ---------------- */
VEXO_SDK_API CameraSdkStatus CameraSaveParameter(CameraHandle handle, int group);
VEXO_SDK_API CameraSdkStatus CameraLoadParameter(CameraHandle handle, int group);
VEXO_SDK_API CameraSdkStatus CameraGetCurrentParameterGroup(CameraHandle handle, int *group);
/* 0 by model, 1 by nickname, 2 by serial number */
VEXO_SDK_API CameraSdkStatus CameraSetParameterMode(CameraHandle handle, int mode);
VEXO_SDK_API CameraSdkStatus CameraGetParameterMode(CameraHandle handle, int *mode);
VEXO_SDK_API CameraSdkStatus CameraSaveParameterToFile(CameraHandle handle, const char *path);
/* A bad, truncated or foreign file returns non-zero and changes nothing. */
VEXO_SDK_API CameraSdkStatus CameraReadParameterFromFile(CameraHandle handle, const char *path);

/* ---- GigE ------------------------------------------------------------------------------ */
/* By serial number, without opening the camera. */
VEXO_SDK_API CameraSdkStatus CameraGigeGetIp(const char *serial, stGigeInfo *info);
VEXO_SDK_API CameraSdkStatus CameraGigeSetIp(const char *serial, const stGigeInfo *info);
VEXO_SDK_API CameraSdkStatus CameraGigeSetTransPacketSize(CameraHandle handle, uint32_t bytes);
VEXO_SDK_API CameraSdkStatus CameraGigeGetTransPacketSize(CameraHandle handle, uint32_t *bytes);
VEXO_SDK_API CameraSdkStatus CameraGigeSetPacketDelayTime(CameraHandle handle, uint32_t microseconds);
VEXO_SDK_API CameraSdkStatus CameraGigeGetPacketDelayTime(CameraHandle handle, uint32_t *microseconds);

/* ---- Firmware -------------------------------------------------------------------------- */
/* Blocks until done. -22: file cannot be read; -4: file for another model or
 * bad checksum; progress goes 0..100 through callback (may be NULL). */
VEXO_SDK_API CameraSdkStatus CameraUpgrade(CameraHandle handle, const char *file,
                                           CameraUpgradeCallback callback, void *context);

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
