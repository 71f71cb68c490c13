"""The camera settings by name: one table drives reading, writing and listing.

The names are the ones ``vexocam-cli get`` and ``set`` use. Values keep the
library's own units (gains x1000 or x100, times in microseconds), so what a
program writes is exactly what reaches the camera.
"""

import ctypes
from typing import Callable, NamedTuple, Optional, Tuple

from ._library import lib, stImageResolution
from .errors import check


class Setting(NamedTuple):
    name: str
    kind: str  # bool, int, float or hex; a tuple of `count` values when count > 1
    getter: str
    setter: str
    description: str
    count: int = 1
    leading: Tuple[int, ...] = ()  # arguments before the values (a line, a value id)
    # Settings kept in a record: read(handle) -> values, write(handle, values) -> status.
    record: Optional[Tuple[Callable, Callable]] = None


def _s(name, kind, getter, setter, description, count=1, leading=(), record=None):
    return Setting(name, kind, getter, setter, description, count, leading, record)


def _read_resolution(handle):
    r = stImageResolution()
    check(lib.CameraGetResolution(handle, ctypes.byref(r)), "CameraGetResolution")
    return r


def _write_roi(handle, values):
    x, y, width, height = values
    # No binning or skipping: the output is the region.
    r = stImageResolution(iIndex=255, iHOffsetFOV=x, iVOffsetFOV=y, iWidthFOV=width, iHeightFOV=height,
                          iWidth=width, iHeight=height)
    return lib.CameraSetResolutionEx(handle, ctypes.byref(r))


_RESOLUTION = (lambda h: (_read_resolution(h).iIndex,), lambda h, v: lib.CameraSetResolution(h, v[0]))
_ROI = (lambda h: (lambda r: (r.iHOffsetFOV, r.iVOffsetFOV, r.iWidthFOV, r.iHeightFOV))(_read_resolution(h)),
        _write_roi)


SETTINGS = (
    _s("auto_exposure", "bool", "CameraGetAeState", "CameraSetAeState", "automatic exposure"),
    _s("exposure_time", "float", "CameraGetExposureTime", "CameraSetExposureTime", "exposure time, microseconds"),
    _s("analog_gain", "int", "CameraGetAnalogGain", "CameraSetAnalogGain", "analog gain x1000"),
    _s("ae_target", "int", "CameraGetAeTarget", "CameraSetAeTarget", "automatic exposure brightness target"),
    _s("ae_exposure_range", "float", "CameraGetAeExposureRange", "CameraSetAeExposureRange",
       "automatic exposure limits, microseconds (min, max)", 2),
    _s("ae_gain_range", "int", "CameraGetAeAnalogGainRange", "CameraSetAeAnalogGainRange",
       "automatic exposure gain limits x1000 (min, max)", 2),
    _s("anti_flicker", "bool", "CameraGetAntiFlick", "CameraSetAntiFlick", "anti-flicker"),
    _s("light_frequency", "int", "CameraGetLightFrequency", "CameraSetLightFrequency", "mains frequency: 1 = 50 Hz, 2 = 60 Hz"),
    _s("auto_white_balance", "bool", "CameraGetWbMode", "CameraSetWbMode", "automatic white balance"),
    _s("rgb_gain", "int", "CameraGetGain", "CameraSetGain", "white balance gains x100 (red, green, blue), 0..400", 3),
    _s("saturation", "int", "CameraGetSaturation", "CameraSetSaturation", "saturation 0..255"),
    _s("monochrome", "bool", "CameraGetMonochrome", "CameraSetMonochrome", "monochrome output"),
    _s("frame_speed", "int", "CameraGetFrameSpeed", "CameraSetFrameSpeed", "frame speed: 0 low, 1 medium, 2 high"),
    _s("sharpness", "int", "CameraGetSharpness", "CameraSetSharpness", "sharpness 0..100"),
    _s("contrast", "int", "CameraGetContrast", "CameraSetContrast", "contrast 0..100"),
    _s("mirror_horizontal", "bool", "CameraGetMirror", "CameraSetMirror", "horizontal mirror", 1, (0,)),
    _s("mirror_vertical", "bool", "CameraGetMirror", "CameraSetMirror", "vertical flip", 1, (1,)),
    _s("dead_pixel_correction", "bool", "CameraGetCorrectDeadPixel", "CameraSetCorrectDeadPixel", "dead pixel correction"),
    _s("sensor_pixel_format", "hex", "CameraGetSensorOutPixelFormat", "CameraSetSensorOutPixelFormat",
       "sensor output format (PFNC code)"),
    _s("isp_output_format", "hex", "CameraGetIspOutFormat", "CameraSetIspOutFormat",
       "converted image format (PFNC code: 0x02180014 RGB8, 0x01080001 Mono8)"),
    _s("lut_mode", "int", "CameraGetLutMode", "CameraSetLutMode", "LUT: 0 gamma and contrast, 1 preset"),
    _s("gamma", "int", "CameraGetGamma", "CameraSetGamma", "gamma x100, 0..1000"),
    _s("lut_contrast", "int", "CameraGetContrastLut", "CameraSetContrastLut", "LUT contrast x100, 0..200"),
    _s("lut_preset", "int", "CameraGetLutPresetSel", "CameraSelectLutPreset", "LUT preset index"),
    _s("resolution", "int", "CameraGetResolution", "CameraSetResolution",
       "preset resolution index (capability() lists them), 255 = custom region", record=_RESOLUTION),
    _s("roi", "int", "CameraGetResolution", "CameraSetResolutionEx",
       "region of interest on the sensor (x, y, width, height)", 4, record=_ROI),
    _s("trigger_mode", "int", "CameraGetTriggerMode", "CameraSetTriggerMode", "0 continuous, 1 software, 2 hardware"),
    _s("trigger_frame_count", "int", "CameraGetTriggerFrameCount", "CameraSetTriggerFrameCount", "frames per trigger"),
    _s("trigger_delay", "int", "CameraGetTriggerDelayTime", "CameraSetTriggerDelayTime", "trigger delay, microseconds"),
    _s("packet_size", "int", "CameraGigeGetTransPacketSize", "CameraGigeSetTransPacketSize", "GigE packet size, bytes"),
    _s("packet_delay", "int", "CameraGigeGetPacketDelayTime", "CameraGigeSetPacketDelayTime", "GigE packet delay, microseconds"),
    _s("focus_position", "int", "CameraGetIntValue", "CameraSetIntValue", "focus motor position", 1, (3,)),
    _s("channel_mask", "int", "CameraGetIntValue", "CameraSetIntValue", "enabled channels, bit i = channel i", 1, (0,)),
    _s("parameter_mode", "int", "CameraGetParameterMode", "CameraSetParameterMode",
       "parameter groups kept by 0 model, 1 nickname, 2 serial number"),
)

BY_NAME = {setting.name: setting for setting in SETTINGS}


def lookup(name):
    """The setting of a name; '-' and '_' are the same."""
    setting = BY_NAME.get(name.replace("-", "_"))
    if setting is None:
        raise KeyError("no setting named %r (known: %s)" % (name, ", ".join(BY_NAME)))
    return setting


def _output_types(setting):
    argtypes = getattr(lib, setting.getter).argtypes
    return [pointer._type_ for pointer in argtypes[1 + len(setting.leading):]]


def read(handle, setting):
    if setting.record is not None:
        values = setting.record[0](handle)
        return values[0] if setting.count == 1 else tuple(values)
    outputs = [kind() for kind in _output_types(setting)]
    check(getattr(lib, setting.getter)(handle, *setting.leading, *[ctypes.byref(o) for o in outputs]), setting.getter)
    values = tuple(_from_c(setting.kind, o.value) for o in outputs)
    return values[0] if setting.count == 1 else values


def write(handle, setting, value):
    values = (value,) if setting.count == 1 else tuple(value)
    if len(values) != setting.count:
        raise ValueError("%s takes %d values" % (setting.name, setting.count))
    if setting.record is not None:
        arguments = [_to_c(setting, ctypes.c_int32, v) for v in values]
        check(setting.record[1](handle, arguments), setting.setter)
        return
    argtypes = getattr(lib, setting.setter).argtypes[1 + len(setting.leading):]
    arguments = [_to_c(setting, kind, v) for kind, v in zip(argtypes, values)]
    check(getattr(lib, setting.setter)(handle, *setting.leading, *arguments), setting.setter)


def _from_c(kind, value):
    if kind == "bool":
        return value != 0
    return float(value) if kind == "float" else int(value)


def _to_c(setting, ctype, value):
    # ctypes would silently wrap an out-of-range integer; refuse it instead.
    if setting.kind == "float":
        return float(value)
    if isinstance(value, float) and not value.is_integer():
        raise ValueError("%s takes whole numbers, not %r" % (setting.name, value))
    number = int(value)
    bits = ctypes.sizeof(ctype) * 8
    signed = ctype(-1).value < 0
    low, high = (-(1 << (bits - 1)), (1 << (bits - 1)) - 1) if signed else (0, (1 << bits) - 1)
    if not low <= number <= high:
        raise ValueError("%s: %d is outside %d..%d" % (setting.name, number, low, high))
    return number


