"""Every feature of a camera by name: the camera's own feature tree (GenICam
names for real cameras; the simulated cameras describe the library's settings
under the standard names). Values cross the library as text."""

import ctypes
import os
from typing import NamedTuple, Tuple

from ._library import lib, stFeatureEntry, stFeatureInfo, stTransportStatistic
from .errors import NOT_SUPPORTED, SUCCESS, error_for

CATEGORY, INTEGER, FLOAT, BOOLEAN, ENUMERATION, STRING, COMMAND, REGISTER = range(8)
TYPE_NAMES = ("category", "integer", "float", "boolean", "enumeration", "string", "command", "register")
ACCESS_NAMES = ("none", "read", "write", "read-write")


class FeatureEntry(NamedTuple):
    name: str
    display_name: str
    value: int
    available: bool


class Feature(NamedTuple):
    name: str
    display_name: str
    category: str  # the categories above it, joined by '/'
    type: str  # TYPE_NAMES
    access: str  # ACCESS_NAMES, when the tree was read
    unit: str
    minimum: object  # int or float; None for other kinds
    maximum: object
    increment: object  # None when there is none
    entries: Tuple[FeatureEntry, ...]
    value: str  # as text, "" when not readable
    description: str


class TransportStatistic(NamedTuple):
    incomplete_frames: int
    resent_packets: int  # GigE Vision only
    missing_packets: int
    counts_packets: bool


def _function(name):
    function = getattr(lib, name, None)
    if function is None:
        raise error_for(NOT_SUPPORTED, name, "this camera library has no features by name")
    return function


def _check(handle, status, function, name=""):
    """Raises with the library's reason for the handle's last feature call."""
    if status == SUCCESS:
        return
    reason = ctypes.create_string_buffer(256)
    if _function("CameraGetFeatureError")(handle, reason, len(reason)) == SUCCESS and reason.value:
        detail = os.fsdecode(reason.value)
    else:
        detail = ""
    raise error_for(status, function, ": ".join(part for part in (name, detail) if part))


def list_features(handle):
    count = ctypes.c_int(0)
    _check(handle, _function("CameraGetFeatureCount")(handle, ctypes.byref(count)), "CameraGetFeatureCount")
    features = []
    for index in range(count.value):
        info = stFeatureInfo()
        _check(handle, _function("CameraGetFeatureInfo")(handle, index, ctypes.byref(info)), "CameraGetFeatureInfo")
        entries = []
        for e in range(max(info.iEntries, 0)):
            entry = stFeatureEntry()
            _check(handle, _function("CameraGetFeatureEntry")(handle, index, e, ctypes.byref(entry)),
                   "CameraGetFeatureEntry")
            entries.append(FeatureEntry(os.fsdecode(entry.acName), os.fsdecode(entry.acDisplayName), entry.iValue,
                                        entry.iAvailable != 0))
        if info.iType == INTEGER:
            limits = (info.iMin, info.iMax, info.iIncrement or None)
        elif info.iType == FLOAT:
            limits = (info.dMin, info.dMax, info.dIncrement or None)
        else:
            limits = (None, None, None)
        kind = TYPE_NAMES[info.iType] if 0 <= info.iType < len(TYPE_NAMES) else "type %d" % info.iType
        access = ACCESS_NAMES[info.iAccess] if 0 <= info.iAccess < len(ACCESS_NAMES) else "none"
        features.append(Feature(os.fsdecode(info.acName), os.fsdecode(info.acDisplayName),
                                os.fsdecode(info.acCategory), kind, access, os.fsdecode(info.acUnit), *limits,
                                tuple(entries), os.fsdecode(info.acValue), os.fsdecode(info.acDescription)))
    return features


def get_value(handle, name):
    value = ctypes.create_string_buffer(256)
    _check(handle, _function("CameraGetFeatureValue")(handle, os.fsencode(name), value, len(value)),
           "CameraGetFeatureValue", name)
    return os.fsdecode(value.value)


def value_text(value):
    """The library's text of a value: booleans 1/0, floats with '.', exact."""
    if isinstance(value, bool):
        return "1" if value else "0"
    if isinstance(value, float):
        return repr(value)
    return str(value)


def set_value(handle, name, value):
    _check(handle, _function("CameraSetFeatureValue")(handle, os.fsencode(name), os.fsencode(value_text(value))),
           "CameraSetFeatureValue", name)


def execute(handle, name):
    _check(handle, _function("CameraExecuteFeature")(handle, os.fsencode(name)), "CameraExecuteFeature", name)


def transport_statistic(handle):
    s = stTransportStatistic()
    _check(handle, _function("CameraGetTransportStatistic")(handle, ctypes.byref(s)), "CameraGetTransportStatistic")
    return TransportStatistic(s.uIncompleteFrames, s.uResentPackets, s.uMissingPackets, s.iPacketCounters != 0)
