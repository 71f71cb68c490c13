"""Shared helpers of the Python-driven tests: the command-line tool and
Aravis's GigE Vision test camera on the loopback interface."""

import ctypes
import os
import signal
import subprocess
import time


def run_cli(*args, timeout=60):
    """Runs vexocam-cli (VEXO_CLI names it); returns (exit code, stdout, stderr)."""
    result = subprocess.run([os.environ["VEXO_CLI"], *args], capture_output=True, text=True, timeout=timeout)
    return result.returncode, result.stdout, result.stderr


def _die_with_parent():
    ctypes.CDLL(None).prctl(1, signal.SIGKILL)  # PR_SET_PDEATHSIG


class FakeGigeCamera:
    """arv-fake-gv-camera-0.8 on lo. Only one can answer on 127.0.0.1 at a
    time: the tests that start it share the CTest resource lock fake_gige."""

    def __init__(self, serial):
        self.serial = serial
        self.process = subprocess.Popen(
            ["arv-fake-gv-camera-0.8", "-i", "lo", "-s", serial],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, preexec_fn=_die_with_parent)

    def running(self):
        return self.process.poll() is None

    def kill(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()

    @classmethod
    def start(cls, serial, list_serials):
        """Starts the camera and waits until list_serials() contains it.
        Another camera answering on 127.0.0.1 would take the port: fail then."""
        others = list_serials()
        if others:
            raise AssertionError("another GigE Vision camera already answers on 127.0.0.1: %s" % others)
        camera = cls(serial)
        if not camera.wait_listed(list_serials):
            camera.kill()
            raise AssertionError("arv-fake-gv-camera-0.8 -s %s was not listed at 127.0.0.1" % serial)
        return camera

    def wait_listed(self, list_serials, seconds=10):
        """Waits until list_serials() contains the camera."""
        end = time.monotonic() + seconds
        while time.monotonic() < end and self.running():
            if self.serial in list_serials():
                return True
            time.sleep(0.2)
        return False


def wait_for(condition, seconds=5, step=0.05):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if condition():
            return True
        time.sleep(step)
    return condition()
