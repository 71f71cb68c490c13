"""Controls of the simulated cameras, for tests and demos: pull and put back
a cable, fire a hardware-trigger edge, shorten a firmware upgrade."""

import os

from ._library import lib
from .errors import check


def _call(name, *arguments):
    function = getattr(lib, name, None)
    if function is None:
        raise NotImplementedError("this camera library has no simulated cameras")
    check(function(*arguments), name)


def unplug(serial):
    _call("VexoSimUnplug", os.fsencode(serial))


def replug(serial):
    _call("VexoSimReplug", os.fsencode(serial))


def fire_trigger(serial, line=0):
    _call("VexoSimFireTrigger", os.fsencode(serial), line)


def set_upgrade_duration(milliseconds):
    _call("VexoSimSetUpgradeDuration", milliseconds)
