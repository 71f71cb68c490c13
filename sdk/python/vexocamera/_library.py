"""The C library, its records and the prototypes of the calls the module uses.

A thin ctypes layer: no compiled code, so the module works with every Python 3
of the system and does not need rebuilding when Python changes. ctypes drops
the interpreter lock during each call, so one thread per camera grabs in
parallel.
"""

import ctypes
import ctypes.util
import os
from ctypes import (
    CFUNCTYPE,
    POINTER,
    Structure,
    c_char,
    c_char_p,
    c_double,
    c_int,
    c_int32,
    c_int64,
    c_uint,
    c_uint8,
    c_uint16,
    c_uint32,
    c_uint64,
    c_void_p,
)

# The runtime package's library first; VEXO_SDK_LIBRARY names another copy
# (a build tree, a private folder).
LIBRARY_NAMES = ("libVexoCameraSDK.so.1", "libVexoCameraSDK.so")


class stDeviceInfo(Structure):
    _fields_ = [
        ("acProductSeries", c_char * 32),
        ("acProductName", c_char * 32),
        ("acFriendlyName", c_char * 128),
        ("acLinkName", c_char * 64),
        ("acDeviceVersion", c_char * 32),
        ("acSensorType", c_char * 32),
        ("acPortType", c_char * 32),
        ("uReserved0", c_uint32),
        ("acSn", c_char * 32),
        ("uInstance", c_uint32),
        ("uFirmwareVersion", c_uint16),
        ("abReserved", c_uint8 * 202),
        ("iOpened", c_int32),
    ]


class stGigeInfo(Structure):
    _fields_ = [
        ("acNicName", c_char * 32),
        ("acNicDescription", c_char * 32),
        ("acNicIp", c_char * 16),
        ("acNicMask", c_char * 16),
        ("acNicGateway", c_char * 16),
        ("iIpMode", c_int32),
        ("acIp", c_char * 16),
        ("acMask", c_char * 16),
        ("acGateway", c_char * 16),
        ("abMac", c_uint8 * 6),
        ("abReserved", c_uint8 * 2),
    ]


class stImageInfo(Structure):
    _fields_ = [
        ("uiWidth", c_uint32),
        ("uiHeight", c_uint32),
        ("uiBytes", c_uint32),
        ("uiMediaType", c_uint32),
        ("uiFrameId", c_uint32),
        ("uiExposureUs", c_uint32),
        ("uiGain", c_uint32),
        ("uiReserved", c_uint32),
        ("uiTimestamp", c_uint64),
    ]


class stFrameStatistic(Structure):
    _fields_ = [("iTotal", c_uint32), ("iCapture", c_uint32), ("iLost", c_uint32)]


class stImageResolution(Structure):
    _fields_ = [
        ("iIndex", c_int32),
        ("acDescription", c_char * 32),
        ("uBinSumMode", c_uint32),
        ("uBinAverageMode", c_uint32),
        ("uSkipMode", c_uint32),
        ("uResampleMask", c_uint32),
        ("iHOffsetFOV", c_int32),
        ("iVOffsetFOV", c_int32),
        ("iWidthFOV", c_int32),
        ("iHeightFOV", c_int32),
        ("iWidth", c_int32),
        ("iHeight", c_int32),
        ("iWidthZoomHd", c_int32),
        ("iHeightZoomHd", c_int32),
        ("iWidthZoomSw", c_int32),
        ("iHeightZoomSw", c_int32),
    ]


class stMediaTypeDesc(Structure):
    _fields_ = [("iIndex", c_int32), ("acDescription", c_char * 32), ("uMediaType", c_uint32)]


class stLutPresetDesc(Structure):
    _fields_ = [("iIndex", c_int32), ("acName", c_char * 32)]


class stCameraCapability(Structure):
    _fields_ = [
        ("iSensorWidth", c_int32),
        ("iSensorHeight", c_int32),
        ("iIsColor", c_int32),
        ("iMaxFrameRate", c_int32),
        ("abReserved0", c_uint8 * 120),
        ("pImageSizeDesc", POINTER(stImageResolution)),
        ("iImageSizeDesc", c_int32),
        ("abReserved1", c_uint8 * 20),
        ("pMediaTypeDesc", POINTER(stMediaTypeDesc)),
        ("iMediaTypeDesc", c_int32),
        ("abReserved2", c_uint8 * 48),
        ("iOutputIoCounts", c_int32),
        ("iInputIoCounts", c_int32),
        ("abReserved3", c_uint8 * 4),
        ("pPresetLutDesc", POINTER(stLutPresetDesc)),
        ("iPresetLut", c_int32),
        ("abReserved4", c_uint8 * 84),
        ("iAnalogGainMin", c_int32),
        ("iAnalogGainMax", c_int32),
        ("iExposureLinesMin", c_int32),
        ("iExposureLinesMax", c_int32),
        ("abReserved5", c_uint8 * 128),
    ]


class stTransportStatistic(Structure):
    _fields_ = [
        ("uIncompleteFrames", c_uint32),
        ("uResentPackets", c_uint32),
        ("uMissingPackets", c_uint32),
        ("iPacketCounters", c_int32),
        ("abReserved", c_uint8 * 16),
    ]


class stFeatureInfo(Structure):
    _fields_ = [
        ("acName", c_char * 64),
        ("acDisplayName", c_char * 64),
        ("acCategory", c_char * 128),
        ("acUnit", c_char * 16),
        ("iType", c_int32),
        ("iAccess", c_int32),
        ("iMin", c_int64),
        ("iMax", c_int64),
        ("iIncrement", c_int64),
        ("dMin", c_double),
        ("dMax", c_double),
        ("dIncrement", c_double),
        ("iEntries", c_int32),
        ("iVisibility", c_int32),
        ("acValue", c_char * 256),
        ("acDescription", c_char * 512),
        ("abReserved", c_uint8 * 48),
    ]


class stFeatureEntry(Structure):
    _fields_ = [
        ("acName", c_char * 64),
        ("acDisplayName", c_char * 64),
        ("iValue", c_int64),
        ("iAvailable", c_int32),
        ("abReserved", c_uint8 * 4),
    ]


# A wrong size here would make the library write past a Python buffer.
for _record, _size in (
    (stDeviceInfo, 600),
    (stGigeInfo, 172),
    (stImageInfo, 40),
    (stFrameStatistic, 12),
    (stImageResolution, 92),
    (stMediaTypeDesc, 40),
    (stLutPresetDesc, 36),
    (stCameraCapability, 480),
    (stTransportStatistic, 32),
    (stFeatureInfo, 1152),
    (stFeatureEntry, 144),
):
    assert ctypes.sizeof(_record) == _size, _record.__name__

UpgradeCallback = CFUNCTYPE(None, c_int, c_void_p)

_H = c_void_p  # CameraHandle
_P = POINTER

# name: argument types. Every call returns the signed 32-bit status.
PROTOTYPES = {
    "CameraEnumerateDevice": [_P(c_int)],
    "CameraGetEnumIndexInfo": [c_int, _P(stDeviceInfo)],
    "CameraInitEx3": [_P(c_void_p), c_char_p],
    "CameraUnInit": [_H],
    "CameraGetFriendlyName": [_H, c_char_p],
    "CameraSetFriendlyName": [_H, c_char_p],
    "CameraReadSN": [_H, c_char_p, c_int],
    "CameraGetFirmwareVision": [_H, c_char_p],
    "CameraSdkGetVersionString": [c_char_p],
    "CameraPlay": [_H],
    "CameraPause": [_H],
    "CameraGetFrameStatistic": [_H, _P(stFrameStatistic)],
    "CameraGetRawImageBuffer": [_H, _P(c_void_p), c_uint],
    "CameraGetImageInfo": [_H, c_void_p, _P(stImageInfo), _P(c_void_p)],
    "CameraGetOutImageBuffer": [_H, _P(stImageInfo), c_void_p, c_void_p],
    "CameraReleaseFrameHandle": [_H, c_void_p],
    "CameraSetIspOutFormat": [_H, c_uint32],
    "CameraGetIspOutFormat": [_H, _P(c_uint32)],
    "CameraGetOutImageSize": [_H, _P(c_int), _P(c_int)],
    "CameraSaveImage": [_H, c_char_p, c_void_p, _P(stImageInfo), c_int, c_int],
    "CameraGetCapability": [_H, _P(stCameraCapability)],
    "CameraGetResolution": [_H, _P(stImageResolution)],
    "CameraSetResolution": [_H, c_int],
    "CameraSetResolutionEx": [_H, _P(stImageResolution)],
    "CameraSetAeState": [_H, c_int],
    "CameraGetAeState": [_H, _P(c_int)],
    "CameraSetExposureTime": [_H, c_double],
    "CameraGetExposureTime": [_H, _P(c_double)],
    "CameraSetAnalogGain": [_H, c_int],
    "CameraGetAnalogGain": [_H, _P(c_int)],
    "CameraSetAeTarget": [_H, c_uint16],
    "CameraGetAeTarget": [_H, _P(c_int)],
    "CameraSetAeExposureRange": [_H, c_double, c_double],
    "CameraGetAeExposureRange": [_H, _P(c_double), _P(c_double)],
    "CameraSetAeAnalogGainRange": [_H, c_int, c_int],
    "CameraGetAeAnalogGainRange": [_H, _P(c_int), _P(c_int)],
    "CameraSetAntiFlick": [_H, c_int],
    "CameraGetAntiFlick": [_H, _P(c_int)],
    "CameraSetLightFrequency": [_H, c_int],
    "CameraGetLightFrequency": [_H, _P(c_int)],
    "CameraSetWbMode": [_H, c_int],
    "CameraGetWbMode": [_H, _P(c_int)],
    "CameraSetOnceWB": [_H],
    "CameraSetGain": [_H, c_int, c_int, c_int],
    "CameraGetGain": [_H, _P(c_int), _P(c_int), _P(c_int)],
    "CameraSetSaturation": [_H, c_int],
    "CameraGetSaturation": [_H, _P(c_int)],
    "CameraSetMonochrome": [_H, c_int],
    "CameraGetMonochrome": [_H, _P(c_int)],
    "CameraSetFrameSpeed": [_H, c_int],
    "CameraGetFrameSpeed": [_H, _P(c_int)],
    "CameraSetSharpness": [_H, c_int],
    "CameraGetSharpness": [_H, _P(c_int)],
    "CameraSetContrast": [_H, c_int],
    "CameraGetContrast": [_H, _P(c_int)],
    "CameraSetMirror": [_H, c_int, c_int],
    "CameraGetMirror": [_H, c_int, _P(c_int)],
    "CameraSetCorrectDeadPixel": [_H, c_int],
    "CameraGetCorrectDeadPixel": [_H, _P(c_int)],
    "CameraSetSensorOutPixelFormat": [_H, c_uint32],
    "CameraGetSensorOutPixelFormat": [_H, _P(c_uint32)],
    "CameraSetLutMode": [_H, c_int],
    "CameraGetLutMode": [_H, _P(c_int)],
    "CameraSetGamma": [_H, c_int],
    "CameraGetGamma": [_H, _P(c_int)],
    "CameraSetContrastLut": [_H, c_int],
    "CameraGetContrastLut": [_H, _P(c_int)],
    "CameraSelectLutPreset": [_H, c_int],
    "CameraGetLutPresetSel": [_H, _P(c_int)],
    "CameraSetTriggerMode": [_H, c_int],
    "CameraGetTriggerMode": [_H, _P(c_int)],
    "CameraSoftTrigger": [_H],
    "CameraSetTriggerFrameCount": [_H, c_int],
    "CameraGetTriggerFrameCount": [_H, _P(c_int)],
    "CameraSetTriggerDelayTime": [_H, c_uint32],
    "CameraGetTriggerDelayTime": [_H, _P(c_uint32)],
    "CameraGetIntValue": [_H, c_int, _P(c_int)],
    "CameraSetIntValue": [_H, c_int, c_int],
    "CameraSaveParameter": [_H, c_int],
    "CameraLoadParameter": [_H, c_int],
    "CameraGetCurrentParameterGroup": [_H, _P(c_int)],
    "CameraSetParameterMode": [_H, c_int],
    "CameraGetParameterMode": [_H, _P(c_int)],
    "CameraSaveParameterToFile": [_H, c_char_p],
    "CameraReadParameterFromFile": [_H, c_char_p],
    "CameraGigeGetIp": [c_char_p, _P(stGigeInfo)],
    "CameraGigeSetIp": [c_char_p, _P(stGigeInfo)],
    "CameraGigeSetTransPacketSize": [_H, c_uint32],
    "CameraGigeGetTransPacketSize": [_H, _P(c_uint32)],
    "CameraGigeSetPacketDelayTime": [_H, c_uint32],
    "CameraGigeGetPacketDelayTime": [_H, _P(c_uint32)],
    "CameraUpgrade": [_H, c_char_p, UpgradeCallback, c_void_p],
}

# Features by name and link counters: libraries from 1.5 on. The module
# offers them where the library has them.
OPTIONAL_PROTOTYPES = {
    "CameraGetTransportStatistic": [_H, _P(stTransportStatistic)],
    "CameraGetFeatureCount": [_H, _P(c_int)],
    "CameraGetFeatureInfo": [_H, c_int, _P(stFeatureInfo)],
    "CameraGetFeatureEntry": [_H, c_int, c_int, _P(stFeatureEntry)],
    "CameraGetFeatureValue": [_H, c_char_p, c_char_p, c_int],
    "CameraSetFeatureValue": [_H, c_char_p, c_char_p],
    "CameraExecuteFeature": [_H, c_char_p],
    "CameraGetFeatureError": [_H, c_char_p, c_int],
}

# The simulated cameras' controls, for tests and demos.
SIM_PROTOTYPES = {
    "VexoSimUnplug": [c_char_p],
    "VexoSimReplug": [c_char_p],
    "VexoSimFireTrigger": [c_char_p, c_int],
    "VexoSimSetUpgradeDuration": [c_int],
    "VexoSimFailNext": [c_char_p, c_int, c_int],
    "VexoSimClearFailures": [],
}


def _candidates():
    explicit = os.environ.get("VEXO_SDK_LIBRARY")
    if explicit:
        return [explicit]
    names = list(LIBRARY_NAMES)
    found = ctypes.util.find_library("VexoCameraSDK")
    if found and found not in names:
        names.append(found)
    return names


def load():
    """Opens the camera library and declares every call the module uses."""
    errors = []
    for name in _candidates():
        try:
            library = ctypes.CDLL(name)
            break
        except OSError as error:
            errors.append(str(error))
    else:
        raise ImportError(
            "vexocamera: the camera library libVexoCameraSDK cannot be loaded "
            "(install libvexocamerasdk1, or name the file in VEXO_SDK_LIBRARY): " + "; ".join(errors)
        )
    for table in (PROTOTYPES, OPTIONAL_PROTOTYPES, SIM_PROTOTYPES):
        for name, argtypes in table.items():
            function = getattr(library, name, None)
            if function is None:
                if table is not PROTOTYPES:
                    continue
                raise ImportError("vexocamera: the camera library lacks " + name + ": it is too old")
            function.argtypes = argtypes
            function.restype = c_int32
    return library


lib = load()
