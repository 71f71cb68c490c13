"""vexocam-cli on a real GigE Vision link: Aravis's test camera on the
loopback interface, asked by address (never by broadcast)."""

import json
import os
import re
import subprocess
import tempfile
import time
import unittest

from vexotest import FakeGigeCamera, run_cli

SERIAL = "CLIGIGE01"


def serials():
    code, out, _ = run_cli("list", "--json")
    return [c["serial"] for c in json.loads(out)] if code == 0 else []


class GigeCamera(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.fake = FakeGigeCamera.start(SERIAL, serials)

    @classmethod
    def tearDownClass(cls):
        cls.fake.kill()

    def test_verbs_on_a_gige_camera(self):
        with tempfile.TemporaryDirectory() as folder:
            table = [
                (["info", SERIAL], 0, r"port +GigE\n(.|\n)*network\n(.|\n)*ip +127\.0\.0\.1\n"),
                (["ip", SERIAL], 0, r"^" + SERIAL + r": \w+ 127\.0\.0\.1 "),
                (["set", SERIAL, "exposure_time", "20000"], 0, r"^20000\n$"),
                (["get", SERIAL, "packet_size"], 0, r"^\d+\n$"),
                (["set", SERIAL, "roi", "0", "0", "320", "240"], 0, r"^0 0 320 240\n$"),
                (["grab", "-n", "2", "-o", folder + "/g", SERIAL], 0, r"^(.*/g_000[12]\.png \d+x\d+ frame \d+\n){2}$"),
                (["rate", "-t", "1", SERIAL], 0, r"^" + SERIAL + r": [1-9]\d* frames in "),
                (["nickname", SERIAL, "Bench seven"], 0, r"^Bench seven\n$"),
                (["nickname", SERIAL, "sixteen letters!"], 2, r"^$"),
            ]
            if "  features " in run_cli("--help")[1]:  # a library with features by name
                table += [
                    (["feature", SERIAL, "Width", "320"], 0, r"^320\n$"),
                    (["features", "--json", SERIAL, "PixelFormat"], 0, r'"name": "PixelFormat"'),
                    (["rate", "-t", "0.5", SERIAL], 0, r"\nincomplete frames \d+, packets resent \d+, missing \d+\n$"),
                ]
            for args, code, out_pattern in table:
                with self.subTest(args=" ".join(args)):
                    result = run_cli(*args)
                    self.assertEqual(result[0], code, result[2])
                    self.assertRegex(result[1], re.compile(out_pattern))
            self.assertEqual(sorted(os.listdir(folder)), ["g_0001.png", "g_0002.png"])
        self.assertEqual([c["nickname"] for c in json.loads(run_cli("list", "--json")[1])], ["Bench seven"])

    def test_zz_cable_pulled_during_a_measurement(self):
        rate = subprocess.Popen([os.environ["VEXO_CLI"], "rate", "-t", "3", SERIAL], stdout=subprocess.PIPE,
                                stderr=subprocess.PIPE, text=True)
        time.sleep(1)  # let frames flow first: the figures must show the time before the loss
        self.fake.kill()
        out, err = rate.communicate(timeout=30)
        self.assertEqual(rate.returncode, 5, err)
        self.assertIn("the camera was lost during the measurement", err)
        self.assertRegex(out, r"[1-9]\d* frames in ")
        self.assertEqual(run_cli("info", SERIAL)[0], 3)


if __name__ == "__main__":
    unittest.main()
