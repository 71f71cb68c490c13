"""vexocam-cli on the simulated cameras: every verb, its output and its exit
code, as a script would see them."""

import json
import os
import re
import subprocess
import tempfile
import unittest

from vexotest import run_cli, wait_for

GIGE = "VXG2M-21A0457"
MONO = "VXG1M-19B0932"
USB2 = "VXU03-18D0021"
BAYER_RG8 = 0x01080009


class Verbs(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.addCleanup(self.folder.cleanup)
        self.dir = self.folder.name
        for name, model in (("good.upg", "VXU-030C"), ("foreign.upg", "VXG-200C")):
            subprocess.run([os.environ["VEXO_SIM_TOOL"], "make-upg", "--model", model, "--version", "1.0.0.7",
                            "-o", os.path.join(self.dir, name)], check=True, capture_output=True)
        with open(os.path.join(self.dir, "broken.upg"), "wb") as f:
            f.write(b"not firmware")

    def test_verbs_and_exit_codes(self):
        d = self.dir
        # (arguments, exit code, stdout pattern, stderr pattern)
        table = [
            ([], 2, r"^$", r"Usage: vexocam-cli VERB"),
            (["--help"], 0, r"Verbs:\n  list ", r"^$"),
            (["--version"], 0, r"^vexocam-cli \d+\.\d+\.\d+ \(libVexoCameraSDK .+\)\n$", r"^$"),
            (["frobnicate"], 2, r"^$", r"unknown verb 'frobnicate'"),
            (["help", "grab"], 0, r"Usage: vexocam-cli grab \[options\] SERIAL", r"^$"),
            (["list", "--bogus"], 2, r"^$", r"unknown option --bogus for list"),
            (["list"], 0, r"SERIAL +NICKNAME.*\n" + GIGE + r" +Line camera A +VXG-200C +GigE", r"^$"),
            (["info", GIGE], 0, r"serial +VXG2M-21A0457\n(.|\n)*network\n  mode(.|\n)*settings\n  auto_exposure", ""),
            (["info", "NO-SUCH"], 3, r"^$", r"cannot find NO-SUCH: no camera with this serial number \(status -14\)"),
            (["info"], 2, r"^$", r"usage: vexocam-cli info SERIAL"),
            (["get", "--help"], 0, r"exposure_time +exposure time, microseconds", r"^$"),
            (["get", GIGE, "exposure_time"], 0, r"^10000\n$", r"^$"),
            (["get", GIGE, "rgb_gain", "sensor-pixel-format"], 0,
             r"^rgb_gain +100 100 100\nsensor_pixel_format +0x01080009\n$", r"^$"),
            (["get", GIGE, "no_such"], 2, r"^$", r"no setting named 'no_such'"),
            (["get", USB2, "focus_position"], 7, r"^$", r"cannot read focus_position \(CameraGetIntValue\)"),
            (["get", "NO-SUCH"], 3, r"^$", r"cannot open NO-SUCH"),
            (["set", GIGE, "gamma", "150"], 0, r"^150\n$", r"^$"),
            (["set", GIGE, "exposure_time", "5000.5"], 0, r"^5000(\.\d+)?\n$", r"^$"),
            (["set", GIGE, "mirror-horizontal", "on"], 0, r"^on\n$", r"^$"),
            (["set", GIGE, "rgb_gain", "120", "100", "90"], 0, r"^120 100 90\n$", r"^$"),
            (["set", GIGE, "roi", "2", "4", "643", "1016"], 0, r"^2 4 643 1016\n$", r"^$"),
            (["set", GIGE, "roi", "0", "0", "1921", "1080"], 2, r"^$", r"CameraSetResolutionEx\): the camera refused"),
            (["set", GIGE, "resolution", "1"], 0, r"^1\n$", r"^$"),
            (["set", GIGE, "rgb_gain", "120"], 2, r"^$", r"rgb_gain takes 3 values"),
            (["set", GIGE, "gamma", "lots"], 2, r"^$", r"'lots' is not a value for gamma"),
            (["set", GIGE, "saturation", "4294967296"], 2, r"^$", r"refused the value \(status -3\)"),
            (["set", GIGE, "saturation", "999"], 2, r"^$", r"CameraSetSaturation\): the camera refused"),
            (["set", USB2, "packet_size", "1500"], 7, r"^$", r"not supported"),
            (["set", "--save", GIGE, "gamma", "170"], 0, r"^170\nsaved in parameter group A\n$", r"^$"),
            (["get", GIGE, "gamma"], 0, r"^170\n$", r"^$"),
            (["grab", "-n", "3", "-o", d + "/new/folder/shot", GIGE], 0,
             r"^(.*/shot_000[123]\.png 1920x1080 frame \d+\n){3}$", r"^$"),
            (["grab", "--format", "bmp", "-o", d + "/one", "--software-trigger", USB2], 0,
             r"^.*/one\.bmp 640x480 frame \d+\n$", r"^$"),
            (["grab", "--format", "tiff", GIGE], 2, r"^$", r"--format must be png, jpg or bmp"),
            (["grab", "-n", "0", GIGE], 2, r"^$", r"--count must be"),
            (["grab", "-o", d + "/good.upg/x", GIGE], 8, r"^$", r"cannot create the folder"),
            (["rate", "-t", "0.5", "--max-lost", "1000", GIGE], 0,
             GIGE + r": \d+ frames in 0\.\d+ s = \d+\.\d+ fps; camera produced \d+, lost \d+\n", r"^$"),
            (["rate", "-t", "0", GIGE], 2, r"^$", r"--seconds must be"),
            (["nickname", USB2, "Bench two"], 0, r"^Bench two\n$", r"^$"),
            (["nickname", USB2, "x" * 200], 2, r"^$", r"too long"),
            (["ip", MONO, "--static", "192.0.2.40", "--mask", "255.255.255.0"], 0,
             r"static 192\.0\.2\.40 mask 255\.255\.255\.0.*\n.*next start", r"^$"),
            (["ip", MONO, "--dhcp"], 0, r"^" + MONO + r": dhcp ", r"^$"),
            (["ip", MONO, "--dhcp", "--static", "192.0.2.41"], 2, r"^$", r"--dhcp does not go with"),
            (["ip", MONO, "--static", "192.0.2.256"], 2, r"^$", r"needs a dotted quad"),
            (["ip", USB2], 7, r"^$", r"cannot read the IP configuration of " + USB2),
            (["upgrade", USB2, d + "/good.upg"], 0, r"^" + USB2 + r": firmware v1\.0\.0\.1 -> v1\.0\.0\.7\n$",
             r"^0%\n(\d+%\n)*100%\n$"),
            (["upgrade", USB2, d + "/foreign.upg"], 7, r"^$", r"cannot upgrade .* \(status -4\)"),
            (["upgrade", USB2, d + "/broken.upg"], 7, r"^$", r"\(status -4\)"),
            (["upgrade", USB2, d + "/missing.upg"], 8, r"^$", r"cannot be opened or read \(status -22\)"),
        ]
        if "  features " in run_cli("--help")[1]:  # a library with features by name
            table += [
                (["features", GIGE, "Exposure"], 0, r"^  ExposureAuto +enumeration +read-write +Off\n", r"^$"),
                (["feature", GIGE, "ExposureTime", "6000"], 0, r"^6000\n$", r"^$"),
                (["feature", GIGE, "ExposureAuto", "Bogus"], 2, r"^$", r"cannot set ExposureAuto \(.*Bogus"),
                (["feature", GIGE, "NoSuch"], 7, r"^$", r"cannot read NoSuch"),
                (["execute", GIGE, "TriggerSoftware"], 7, r"^$", r"\(status -25\)"),
                (["rate", "-t", "0.3", GIGE], 0, r"\nincomplete frames 0\n$", r"^$"),
            ]
        for args, code, out_pattern, err_pattern in table:
            with self.subTest(args=" ".join(args)):
                result = run_cli(*args)
                self.assertEqual(result[0], code, result[2])
                self.assertRegex(result[1], re.compile(out_pattern))
                self.assertRegex(result[2], re.compile(err_pattern))
        shots = sorted(os.listdir(os.path.join(d, "new", "folder")))
        self.assertEqual(shots, ["shot_0001.png", "shot_0002.png", "shot_0003.png"])
        with open(os.path.join(d, "one.bmp"), "rb") as f:
            self.assertEqual(f.read(2), b"BM")

    def test_json_outputs(self):
        code, out, _ = run_cli("list", "--json")
        self.assertEqual(code, 0)
        cameras = json.loads(out)
        self.assertEqual(len(cameras), 4)
        self.assertEqual(cameras[0]["serial"], GIGE)
        self.assertEqual(cameras[3]["port"], "USB2.0")

        code, out, _ = run_cli("info", "--json", MONO)
        info = json.loads(out)
        self.assertEqual((info["serial"], info["capability"]["color"]), (MONO, False))
        self.assertEqual(info["roi"], [0, 0, 1280, 1024])
        self.assertEqual(info["settings"]["sensor_pixel_format"], 0x01080001)

        code, out, _ = run_cli("get", "--json", GIGE, "rgb_gain", "auto_exposure", "exposure_time")
        self.assertEqual(json.loads(out), {"rgb_gain": [100, 100, 100], "auto_exposure": False,
                                           "exposure_time": 10000.0})

        code, out, _ = run_cli("rate", "--json", "-t", "0.5", GIGE)
        rate = json.loads(out)
        self.assertEqual(code, 0)
        self.assertGreater(rate["frames"], 10)
        self.assertGreaterEqual(rate["produced"], rate["frames"])
        self.assertEqual(rate["lost"], rate["produced"] - rate["frames"])

        code, out, _ = run_cli("ip", "--json", GIGE)
        self.assertEqual(json.loads(out)["mode"], "static")

    def test_camera_in_use_elsewhere(self):
        # The simulated cameras' open lock spans processes: hold one in a child.
        holder = subprocess.Popen([os.environ["VEXO_CLI"], "rate", "-t", "60", USB2], stdout=subprocess.DEVNULL,
                                  stderr=subprocess.DEVNULL)
        self.addCleanup(holder.wait)
        self.addCleanup(holder.kill)
        self.assertTrue(wait_for(lambda: json.loads(run_cli("list", "--json")[1])[3]["opened"], 5))
        for verb in (["get", USB2], ["grab", USB2], ["upgrade", USB2, self.dir + "/good.upg"]):
            with self.subTest(verb=verb[0]):
                code, _, err = run_cli(*verb)
                self.assertEqual(code, 4, err)
                self.assertIn("the camera is open in another program (status -18)", err)


if __name__ == "__main__":
    unittest.main()
