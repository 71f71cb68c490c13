"""vexocamera on the simulated cameras: enumeration, frames as NumPy arrays,
settings by name, the exceptions and their statuses, threads, firmware."""

import json
import os
import struct
import subprocess
import tempfile
import threading
import unittest

import numpy as np

import vexocamera as vc
import vexocamera._library
from vexotest import run_cli, wait_for

GIGE = "VXG2M-21A0457"  # 1920x1080 colour, GigE
MONO = "VXG1M-19B0932"  # 1280x1024 mono, GigE
USB3 = "VXU5M-22C1180"  # focus motor
USB2 = "VXU03-18D0021"  # 640x480, no GigE, no focus


def read_bmp(path):
    """Pixels of a 24-bit BMP as (height, width, 3) RGB."""
    with open(path, "rb") as f:
        data = f.read()
    offset, = struct.unpack_from("<I", data, 10)
    width, height = struct.unpack_from("<ii", data, 18)
    row = (width * 3 + 3) & ~3
    rows = np.frombuffer(data, np.uint8, row * abs(height), offset).reshape(abs(height), row)
    pixels = rows[:, : width * 3].reshape(abs(height), width, 3)[:, :, ::-1]
    return pixels[::-1] if height > 0 else pixels


class Enumeration(unittest.TestCase):
    def test_cameras_are_those_the_tool_lists(self):
        cameras = vc.list_cameras()
        self.assertEqual([c.serial for c in cameras], [GIGE, MONO, USB3, USB2])
        code, out, _ = run_cli("list", "--json")
        self.assertEqual(code, 0)
        self.assertEqual([c._asdict() for c in cameras], json.loads(out))
        self.assertEqual([c.is_gige for c in cameras], [True, True, False, False])

    def test_open_flag_follows_the_camera(self):
        with vc.open_camera(USB2):
            self.assertTrue(next(c for c in vc.list_cameras() if c.serial == USB2).opened)
        self.assertFalse(next(c for c in vc.list_cameras() if c.serial == USB2).opened)


class Frames(unittest.TestCase):
    def test_frame_is_written_in_place_into_the_callers_buffer(self):
        with vc.open_camera(GIGE) as camera:
            camera.start()
            buffer = camera.buffer_for(1920, 1080)
            first = camera.grab(2000, buffer=buffer)
            second = camera.grab(2000, buffer=buffer)
            self.assertTrue(np.shares_memory(second.image, buffer))
            self.assertEqual(second.image.shape, (1080, 1920, 3))
            self.assertEqual(second.image.dtype, np.uint8)
            self.assertGreater(second.frame_id, first.frame_id)
            self.assertGreater(second.timestamp_us, first.timestamp_us)
            self.assertEqual(second.media_type, vc.RGB8)
            with self.assertRaises(ValueError):
                camera.grab(2000, buffer=np.empty(100, np.uint8))

    def test_odd_widths_and_mono_keep_the_librarys_row_layout(self):
        # Rows of 3 x 642 bytes are padded to 1928: the view must skip the padding,
        # and a saved file must show the same pixels as the array.
        cases = [(GIGE, vc.RGB8, (1080 - 64, 642 + 1), 3), (MONO, vc.MONO8, (1024 - 8, 641), 1)]
        with tempfile.TemporaryDirectory() as folder:
            for serial, media, (height, width), channels in cases:
                with self.subTest(serial=serial), vc.open_camera(serial) as camera:
                    camera.set("isp_output_format", media)
                    camera.roi = (2, 4, width, height)
                    self.assertEqual(camera.roi, (2, 4, width, height))
                    frame = next(camera.frames(1, 2000))
                    expected = (height, width, 3) if channels == 3 else (height, width)
                    self.assertEqual(frame.image.shape, expected)
                    self.assertEqual(frame.image.strides[0], (width * channels + 3) & ~3)
                    if channels == 1:
                        continue
                    path = os.path.join(folder, serial)
                    camera.save_image(path, frame, vc.FILE_BMP)
                    np.testing.assert_array_equal(read_bmp(path + ".bmp"), frame.image)
                    # A plain contiguous array is laid out for the library first.
                    packed = frame._replace(image=np.ascontiguousarray(frame.image))
                    camera.save_image(path + "-packed", packed, vc.FILE_BMP)
                    np.testing.assert_array_equal(read_bmp(path + "-packed.bmp"), frame.image)

    def test_raw_frame_is_the_sensors_bayer_picture(self):
        with vc.open_camera(USB2) as camera:
            camera.start()
            raw = camera.grab_raw(2000)
            self.assertEqual(raw.image.shape, (480, 640))
            self.assertEqual(raw.media_type, 0x01080009)  # BayerRG8

    def test_software_trigger_and_time_out(self):
        with vc.open_camera(USB2) as camera:
            camera.set("trigger_mode", vc.TRIGGER_SOFTWARE)
            camera.start()
            with self.assertRaises(vc.FrameTimeoutError) as caught:
                camera.grab(150)
            self.assertEqual(caught.exception.status, -12)
            camera.soft_trigger()
            self.assertEqual(camera.grab(2000).image.shape, (480, 640, 3))

    def test_cameras_grab_in_parallel_threads(self):
        counts = {}

        def grab(serial):
            with vc.open_camera(serial) as camera:
                counts[serial] = sum(1 for _ in camera.frames(15, 2000))

        threads = [threading.Thread(target=grab, args=(s,)) for s in (GIGE, USB2)]
        for t in threads:
            t.start()
        for t in threads:
            t.join(30)
        self.assertEqual(counts, {GIGE: 15, USB2: 15})

    def test_unplugged_camera_raises_and_comes_back(self):
        with vc.open_camera(USB2) as camera:
            camera.start()
            camera.grab(2000)
            vc.sim.unplug(USB2)
            try:
                with self.assertRaises(vc.DeviceLostError) as caught:
                    camera.grab(2000)
                self.assertEqual(caught.exception.status, -13)
            finally:
                vc.sim.replug(USB2)
            self.assertTrue(wait_for(lambda: _grabs(camera), 5))
            self.assertGreater(camera.statistic().total, 0)


def _grabs(camera):
    try:
        camera.grab(200)
        return True
    except vc.SdkError:
        return False


class Settings(unittest.TestCase):
    def test_every_setting_reads_back_what_was_written(self):
        with vc.open_camera(GIGE) as camera:
            for name, value in camera.settings().items():
                with self.subTest(name=name):
                    camera.set(name, value)
                    self.assertEqual(camera.get(name), value)
            changes = {
                "exposure_time": 20000.0,
                "rgb_gain": (150, 100, 80),
                "mirror_horizontal": True,
                "ae_exposure_range": (200.0, 50000.0),
                "gamma": 180,
                "packet-size": 4000,
            }
            for name, value in changes.items():
                with self.subTest(name=name):
                    camera.set(name, value)
                    self.assertEqual(camera.get(name), value)

    def test_settings_are_the_tools(self):
        with vc.open_camera(USB3) as camera:
            camera.set("focus_position", 10)
            camera.save_parameters(0)
            ours = camera.settings()
        code, out, err = run_cli("get", "--json", USB3)
        self.assertEqual(code, 0, err)
        theirs = {k: tuple(v) if isinstance(v, list) else v for k, v in json.loads(out).items()}
        self.assertEqual(ours, theirs)
        self.assertEqual(ours["focus_position"], 10)

    def test_refusals_raise_with_the_status(self):
        with vc.open_camera(USB2) as camera:
            cases = [
                ("saturation", 1000, vc.InvalidArgumentError, -3, "CameraSetSaturation"),
                ("focus_position", 5, vc.NotSupportedError, -4, "CameraSetIntValue"),
                ("packet_size", 1500, vc.NotSupportedError, -4, "CameraGigeSetTransPacketSize"),
            ]
            for name, value, error, status, function in cases:
                with self.subTest(name=name), self.assertRaises(error) as caught:
                    camera.set(name, value)
                self.assertEqual((caught.exception.status, caught.exception.function), (status, function))
            for name, value in [("saturation", 1 << 40), ("trigger_delay", -1), ("ae_target", 70000),
                                ("rgb_gain", (1, 2)), ("analog_gain", 1.5)]:
                with self.subTest(name=name), self.assertRaises(ValueError):
                    camera.set(name, value)
            with self.assertRaises(KeyError):
                camera.get("no_such_setting")


@unittest.skipUnless(hasattr(vc._library.lib, "CameraGetFeatureCount"), "the library has no features by name")
class Features(unittest.TestCase):
    def test_features_by_name_and_the_fixed_settings_agree(self):
        with vc.open_camera(GIGE) as camera:
            tree = {f.name: f for f in camera.features()}
            exposure = tree["ExposureTime"]
            self.assertEqual((exposure.type, exposure.access, exposure.unit), ("float", "read-write", "us"))
            self.assertLess(exposure.minimum, exposure.maximum)
            self.assertIn("Continuous", [e.name for e in tree["ExposureAuto"].entries])
            camera.set_feature("ExposureTime", 5000.0)
            self.assertEqual(camera.get("exposure_time"), 5000.0)
            camera.set("exposure_time", 8000)
            self.assertEqual(float(camera.get_feature("ExposureTime")), camera.get("exposure_time"))
            camera.set_feature("ReverseX", True)
            self.assertTrue(camera.get("mirror_horizontal"))
            cases = [
                (lambda: camera.set_feature("ExposureAuto", "Bogus"), vc.InvalidArgumentError, "Bogus"),
                (lambda: camera.get_feature("NoSuchFeature"), vc.NotSupportedError, "NoSuchFeature"),
                (lambda: camera.execute("TriggerSoftware"), vc.AccessDeniedError, "TriggerSoftware"),
            ]
            for call, error, reason in cases:
                with self.subTest(reason=reason), self.assertRaises(error) as caught:
                    call()
                self.assertIn(reason, str(caught.exception))
            self.assertFalse(camera.transport_statistic().counts_packets)


class Failures(unittest.TestCase):
    def test_open_failures_carry_the_status(self):
        with self.assertRaises(vc.NoDeviceError) as caught:
            vc.open_camera("NO-SUCH-CAMERA")
        self.assertEqual((caught.exception.status, caught.exception.function), (-14, "CameraInitEx3"))
        with vc.open_camera(USB2):
            with self.assertRaises(vc.AlreadyOpenedError) as caught:
                vc.open_camera(USB2)
            self.assertEqual(caught.exception.status, -18)
            code, _, err = run_cli("get", USB2, "gamma")
            self.assertEqual(code, 4, err)
        camera = vc.open_camera(USB2)
        camera.close()
        camera.close()
        with self.assertRaises(vc.InvalidHandleError):
            camera.get("gamma")

    def test_gige_configuration_by_serial(self):
        vc.set_gige_config(MONO, ip="192.0.2.77", mask="255.255.255.0", gateway="192.0.2.1")
        config = vc.gige_config(MONO)
        self.assertEqual((config.ip, config.mask, config.gateway, config.static),
                         ("192.0.2.77", "255.255.255.0", "192.0.2.1", True))
        vc.set_gige_config(MONO, static=False)
        self.assertFalse(vc.gige_config(MONO).static)
        for bad in ("192.0.2", "1.2.3.4.5.6.7.8.9"):
            with self.subTest(ip=bad), self.assertRaises(vc.InvalidArgumentError):
                vc.set_gige_config(MONO, ip=bad)
        self.assertEqual(vc.gige_config(MONO).ip, "192.0.2.77")
        with self.assertRaises(vc.NotSupportedError):
            vc.gige_config(USB2)

    def test_firmware_upgrade_reports_progress(self):
        vc.sim.set_upgrade_duration(200)
        with tempfile.TemporaryDirectory() as folder:
            good, foreign = os.path.join(folder, "good.upg"), os.path.join(folder, "foreign.upg")
            for path, model in ((good, "VXU-030C"), (foreign, "VXG-200C")):
                subprocess.run([os.environ["VEXO_SIM_TOOL"], "make-upg", "--model", model, "--version",
                                "1.0.0.9", "-o", path], check=True, capture_output=True)
            with vc.open_camera(USB2) as camera:
                seen = []
                camera.upgrade(good, seen.append)
                self.assertEqual(seen[-1], 100)
                self.assertEqual(seen, sorted(seen))
                self.assertEqual(camera.firmware_version, "v1.0.0.9")
                for path, error, status in ((foreign, vc.NotSupportedError, -4),
                                            (os.path.join(folder, "missing.upg"), vc.FileError, -22)):
                    with self.subTest(path=path), self.assertRaises(error) as caught:
                        camera.upgrade(path)
                    self.assertEqual(caught.exception.status, status)


if __name__ == "__main__":
    unittest.main()
