"""Cameras: enumeration, opening by serial number, frames as NumPy arrays."""

import ctypes
import os
from ctypes import byref, c_int, c_void_p
from typing import NamedTuple

import numpy as np

from . import features as _features
from . import settings as _settings
from ._library import (
    UpgradeCallback,
    lib,
    stCameraCapability,
    stDeviceInfo,
    stFrameStatistic,
    stGigeInfo,
    stImageInfo,
)
from .errors import INVALID_ARGUMENT, INVALID_HANDLE, NotSupportedError, check, error_for

MONO8 = 0x01080001
RGB8 = 0x02180014
BGR8 = 0x02180015

TRIGGER_CONTINUOUS = 0
TRIGGER_SOFTWARE = 1
TRIGGER_HARDWARE = 2

FILE_JPG = 1
FILE_BMP = 2
FILE_PNG = 8

# Texts cross the library in the local 8-bit encoding, as file names do.
_encode = os.fsencode
_decode = os.fsdecode


def _text(field):
    # ctypes stops a char array at its first NUL and never reads past the field.
    return _decode(field)


def _version_text(packed):
    return "v%d.%d.%d.%d" % ((packed >> 12) & 15, (packed >> 8) & 15, (packed >> 4) & 15, packed & 15)


class DeviceInfo(NamedTuple):
    """One camera as enumeration reports it."""

    serial: str
    nickname: str
    product: str
    series: str
    port: str
    sensor: str
    device_version: str
    firmware: str
    opened: bool

    @property
    def is_gige(self):
        return "GigE" in self.port


class FrameStatistic(NamedTuple):
    total: int  # frames the sensor produced
    captured: int  # frames captured into the library's buffers
    lost: int  # frames overwritten before they were fetched, or missed while lost


class Frame(NamedTuple):
    """A converted frame: ``image`` is (height, width, 3) for RGB8/BGR8 and
    (height, width) for Mono8, a view into the buffer the library wrote."""

    image: np.ndarray
    frame_id: int
    timestamp_us: int
    exposure_us: int
    gain: int  # analog gain x1000
    media_type: int


class GigeConfig(NamedTuple):
    ip: str
    mask: str
    gateway: str
    static: bool  # False: DHCP
    mac: str
    host_interface: str
    host_ip: str
    host_mask: str


def sdk_version():
    """The library's version text."""
    buffer = ctypes.create_string_buffer(32)
    check(lib.CameraSdkGetVersionString(buffer), "CameraSdkGetVersionString")
    return _decode(buffer.value)


def list_cameras():
    """Every camera the configured backends find. A camera that cannot be read
    is left out, as the programs do."""
    count = c_int(0)
    check(lib.CameraEnumerateDevice(byref(count)), "CameraEnumerateDevice")
    cameras = []
    for index in range(count.value):
        info = stDeviceInfo()
        if lib.CameraGetEnumIndexInfo(index, byref(info)) != 0:
            continue
        cameras.append(
            DeviceInfo(
                serial=_text(info.acSn),
                nickname=_text(info.acFriendlyName),
                product=_text(info.acProductName),
                series=_text(info.acProductSeries),
                port=_text(info.acPortType),
                sensor=_text(info.acSensorType),
                device_version=_text(info.acDeviceVersion),
                firmware=_version_text(info.uFirmwareVersion),
                opened=info.iOpened != 0,
            )
        )
    return cameras


def _quad(value, what):
    data = _encode(value)
    if len(data) > 15:
        raise error_for(INVALID_ARGUMENT, "CameraGigeSetIp", "%s %r is not a dotted quad" % (what, value))
    return data


def gige_config(serial):
    """A GigE camera's IP configuration, without opening it."""
    info = stGigeInfo()
    check(lib.CameraGigeGetIp(_encode(serial), byref(info)), "CameraGigeGetIp", serial)
    return GigeConfig(
        ip=_text(info.acIp),
        mask=_text(info.acMask),
        gateway=_text(info.acGateway),
        static=info.iIpMode != 0,
        mac=":".join("%02x" % b for b in info.abMac),
        host_interface=_text(info.acNicName),
        host_ip=_text(info.acNicIp),
        host_mask=_text(info.acNicMask),
    )


def set_gige_config(serial, ip=None, mask=None, gateway=None, static=True):
    """Writes a GigE camera's persistent IP configuration (used from its next
    start). Fields left None keep their current value; static=False is DHCP."""
    info = stGigeInfo()
    check(lib.CameraGigeGetIp(_encode(serial), byref(info)), "CameraGigeGetIp", serial)
    for field, value, what in (("acIp", ip, "address"), ("acMask", mask, "mask"), ("acGateway", gateway, "gateway")):
        if value is not None:
            setattr(info, field, _quad(value, what))
    info.iIpMode = 1 if static else 0
    check(lib.CameraGigeSetIp(_encode(serial), byref(info)), "CameraGigeSetIp", serial)


class Camera:
    """An open camera. Use it in a ``with`` block or call close().

    Any method may be called from any thread; give each camera its own
    grabbing thread (the library's calls release the interpreter lock).
    """

    def __init__(self, serial):
        self.serial = serial
        handle = c_void_p()
        check(lib.CameraInitEx3(byref(handle), _encode(serial)), "CameraInitEx3", serial)
        self._handle = handle

    @property
    def handle(self):
        """The library's handle, for calls this module does not wrap."""
        if self._handle is None:
            raise error_for(INVALID_HANDLE, "Camera", "%s is closed" % self.serial)
        return self._handle

    def close(self):
        if self._handle is not None:
            handle, self._handle = self._handle, None
            check(lib.CameraUnInit(handle), "CameraUnInit", self.serial)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def __del__(self):
        if getattr(self, "_handle", None) is not None:
            lib.CameraUnInit(self._handle)
            self._handle = None

    def __repr__(self):
        return "<vexocamera.Camera %s%s>" % (self.serial, "" if self._handle is not None else " closed")

    # ---- identity -----------------------------------------------------------

    def _text_call(self, function, *extra, size=128):
        buffer = ctypes.create_string_buffer(size)
        check(getattr(lib, function)(self.handle, buffer, *extra), function)
        return _decode(buffer.value)

    @property
    def nickname(self):
        return self._text_call("CameraGetFriendlyName")

    @nickname.setter
    def nickname(self, name):
        check(lib.CameraSetFriendlyName(self.handle, _encode(name)), "CameraSetFriendlyName", name)

    @property
    def firmware_version(self):
        return self._text_call("CameraGetFirmwareVision", size=64)

    def capability(self):
        """Sensor size, colour, the preset resolutions and the gain range."""
        cap = stCameraCapability()
        check(lib.CameraGetCapability(self.handle, byref(cap)), "CameraGetCapability")
        return {
            "sensor_width": cap.iSensorWidth,
            "sensor_height": cap.iSensorHeight,
            "color": cap.iIsColor != 0,
            "max_frame_rate": cap.iMaxFrameRate,
            "resolutions": [
                (r.iIndex, _text(r.acDescription), r.iWidth, r.iHeight)
                for r in cap.pImageSizeDesc[: max(cap.iImageSizeDesc, 0)]
            ],
            "analog_gain_range": (cap.iAnalogGainMin, cap.iAnalogGainMax),
            "input_lines": cap.iInputIoCounts,
            "output_lines": cap.iOutputIoCounts,
        }

    # ---- settings -----------------------------------------------------------

    def get(self, name):
        """A setting by name (vexocamera.settings.SETTINGS lists them)."""
        return _settings.read(self.handle, _settings.lookup(name))

    def set(self, name, value):
        _settings.write(self.handle, _settings.lookup(name), value)

    def settings(self):
        """Every setting the camera supports, by name."""
        values = {}
        for setting in _settings.SETTINGS:
            try:
                values[setting.name] = _settings.read(self.handle, setting)
            except NotSupportedError:
                pass
        return values

    @property
    def roi(self):
        """The region of interest on the sensor: (x, y, width, height)."""
        return self.get("roi")

    @roi.setter
    def roi(self, region):
        self.set("roi", region)

    @property
    def resolution(self):
        """Index of the preset resolution, 255 for a custom region."""
        return self.get("resolution")

    @resolution.setter
    def resolution(self, index):
        self.set("resolution", index)

    def save_parameters(self, group):
        check(lib.CameraSaveParameter(self.handle, group), "CameraSaveParameter")

    def load_parameters(self, group):
        """Group 0..3 (A..D), or 255 for the factory defaults."""
        check(lib.CameraLoadParameter(self.handle, group), "CameraLoadParameter")

    def save_parameter_file(self, path):
        check(lib.CameraSaveParameterToFile(self.handle, _encode(path)), "CameraSaveParameterToFile", path)

    def load_parameter_file(self, path):
        """A bad, truncated or foreign file raises and changes nothing."""
        check(lib.CameraReadParameterFromFile(self.handle, _encode(path)), "CameraReadParameterFromFile", path)

    # ---- features by name ------------------------------------------------------

    def features(self):
        """The camera's whole feature tree, categories before what they hold."""
        return _features.list_features(self.handle)

    def get_feature(self, name):
        """A feature's value as the library's text (integers in decimal,
        booleans 1/0, enumerations by entry name)."""
        return _features.get_value(self.handle, name)

    def set_feature(self, name, value):
        """Writes a feature once (bool, int, float or text); read it back for
        what the camera took. A refusal raises with the camera's reason."""
        _features.set_value(self.handle, name, value)

    def execute(self, name):
        """Runs a command feature, such as TriggerSoftware."""
        _features.execute(self.handle, name)

    def transport_statistic(self):
        """Incomplete frames and, for GigE Vision, resent and missing packets."""
        return _features.transport_statistic(self.handle)

    # ---- streaming ------------------------------------------------------------

    def start(self):
        check(lib.CameraPlay(self.handle), "CameraPlay")

    def stop(self):
        check(lib.CameraPause(self.handle), "CameraPause")

    def soft_trigger(self):
        check(lib.CameraSoftTrigger(self.handle), "CameraSoftTrigger")

    def statistic(self):
        s = stFrameStatistic()
        check(lib.CameraGetFrameStatistic(self.handle, byref(s)), "CameraGetFrameStatistic")
        return FrameStatistic(s.iTotal, s.iCapture, s.iLost)

    def buffer_for(self, width, height):
        """A buffer that grab(buffer=...) can fill again and again."""
        return np.empty(width * height * 4, dtype=np.uint8)

    def grab(self, timeout_ms=1000, buffer=None):
        """The next frame, converted by the library's image pipeline straight
        into a NumPy buffer: the library writes each pixel once and nothing
        copies it again. Pass ``buffer`` (a writable uint8 array from
        buffer_for) to reuse memory; the frame is then a view into it.
        Raises FrameTimeoutError when no frame comes within the time-out."""
        handle = self.handle
        frame = c_void_p()
        check(lib.CameraGetRawImageBuffer(handle, byref(frame), int(timeout_ms)), "CameraGetRawImageBuffer")
        try:
            info = stImageInfo()
            raw = c_void_p()
            check(lib.CameraGetImageInfo(handle, frame, byref(info), byref(raw)), "CameraGetImageInfo")
            # The library's contract: room for width x height x 4 covers every format.
            needed = info.uiWidth * info.uiHeight * 4
            if buffer is None:
                buffer = np.empty(needed, dtype=np.uint8)
            elif buffer.dtype != np.uint8 or not buffer.flags.c_contiguous or not buffer.flags.writeable \
                    or buffer.nbytes < needed:
                raise ValueError("grab: the buffer must be a writable contiguous uint8 array of %d bytes" % needed)
            check(lib.CameraGetOutImageBuffer(handle, byref(info), raw, buffer.ctypes.data), "CameraGetOutImageBuffer")
        finally:
            lib.CameraReleaseFrameHandle(handle, frame)
        return Frame(_image_view(buffer, info), info.uiFrameId, info.uiTimestamp, info.uiExposureUs, info.uiGain,
                     info.uiMediaType)

    def grab_raw(self, timeout_ms=1000):
        """The next frame as the sensor sent it (Bayer or Mono8), unconverted.
        The library lends its raw buffer only until the frame is released, so
        this is the one copy of each frame."""
        handle = self.handle
        frame = c_void_p()
        check(lib.CameraGetRawImageBuffer(handle, byref(frame), int(timeout_ms)), "CameraGetRawImageBuffer")
        try:
            info = stImageInfo()
            raw = c_void_p()
            check(lib.CameraGetImageInfo(handle, frame, byref(info), byref(raw)), "CameraGetImageInfo")
            pixels = np.empty((info.uiHeight, info.uiWidth), dtype=np.uint8)
            ctypes.memmove(pixels.ctypes.data, raw, min(pixels.nbytes, info.uiBytes))
        finally:
            lib.CameraReleaseFrameHandle(handle, frame)
        return Frame(pixels, info.uiFrameId, info.uiTimestamp, info.uiExposureUs, info.uiGain, info.uiMediaType)

    def frames(self, count=None, timeout_ms=1000):
        """Starts the camera and yields ``count`` frames (forever if None)."""
        self.start()
        produced = 0
        while count is None or produced < count:
            yield self.grab(timeout_ms)
            produced += 1

    def save_image(self, path, frame, file_type=FILE_PNG, quality=90):
        """Writes a frame from grab() as BMP, JPG or PNG; the library appends
        the extension and writes the file completely or not at all."""
        image = _padded(frame.image, frame.media_type)
        height, width = image.shape[:2]
        info = stImageInfo(uiWidth=width, uiHeight=height, uiMediaType=frame.media_type,
                           uiBytes=_row_bytes(width, frame.media_type) * height)
        check(lib.CameraSaveImage(self.handle, _encode(path), image.ctypes.data, byref(info), file_type, quality),
              "CameraSaveImage", path)

    # ---- firmware ---------------------------------------------------------------

    def upgrade(self, path, progress=None):
        """Writes a firmware file into the camera; blocks until done and calls
        progress(percent) on the way."""
        callback = UpgradeCallback(lambda percent, _context: progress(percent) if progress else None)
        check(lib.CameraUpgrade(self.handle, _encode(path), callback, None), "CameraUpgrade", path)


def _channels(media_type):
    return 3 if media_type in (RGB8, BGR8) else 1


def _row_bytes(width, media_type):
    return (width * _channels(media_type) + 3) & ~3


def _image_view(buffer, info):
    """(height, width[, 3]) over rows padded to 4 bytes, without copying."""
    width, height = info.uiWidth, info.uiHeight
    channels = _channels(info.uiMediaType)
    rows = buffer[: height * _row_bytes(width, info.uiMediaType)].reshape(height, -1)
    image = rows[:, : width * channels]
    return image.reshape(height, width, channels) if channels == 3 else image


def _padded(image, media_type):
    """The image in the library's layout (rows padded to 4 bytes); a copy only
    when the array is laid out differently, for example after slicing."""
    channels = _channels(media_type)
    if image.dtype != np.uint8 or image.ndim != (3 if channels == 3 else 2) or \
            (channels == 3 and image.shape[2] != 3):
        raise ValueError("save_image: a uint8 image of shape (height, width%s) is needed" %
                         (", 3" if channels == 3 else ""))
    height, width = image.shape[:2]
    row = _row_bytes(width, media_type)
    if image.strides[0] == row and image.strides[1] == channels and (channels == 1 or image.strides[2] == 1):
        return image
    padded = np.zeros(row * height, dtype=np.uint8)
    _image_view(padded, stImageInfo(uiWidth=width, uiHeight=height, uiMediaType=media_type))[...] = image
    return _image_view(padded, stImageInfo(uiWidth=width, uiHeight=height, uiMediaType=media_type))


def open_camera(serial):
    """Opens a camera by serial number (AlreadyOpenedError when another
    program holds it, NoDeviceError when no camera has this serial)."""
    return Camera(serial)


__all__ = [
    "Camera",
    "DeviceInfo",
    "Frame",
    "FrameStatistic",
    "GigeConfig",
    "gige_config",
    "list_cameras",
    "open_camera",
    "sdk_version",
    "set_gige_config",
]
