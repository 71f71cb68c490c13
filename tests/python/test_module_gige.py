"""vexocamera on a real GigE Vision link: Aravis's test camera on the
loopback interface, asked by address (never by broadcast)."""

import unittest

import numpy as np

import vexocamera as vc
import vexocamera._library
from vexotest import FakeGigeCamera, wait_for

SERIAL = "PYGIGE01"


def serials():
    return [c.serial for c in vc.list_cameras()]


class GigeCamera(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.fake = FakeGigeCamera.start(SERIAL, serials)

    @classmethod
    def tearDownClass(cls):
        cls.fake.kill()

    def test_1_identity_address_and_settings(self):
        info = next(c for c in vc.list_cameras() if c.serial == SERIAL)
        self.assertTrue(info.is_gige)
        self.assertEqual(vc.gige_config(SERIAL).ip, "127.0.0.1")
        with vc.open_camera(SERIAL) as camera:
            camera.set("exposure_time", 20000.0)
            self.assertEqual(camera.get("exposure_time"), 20000.0)
            self.assertIn("packet_size", camera.settings())
            with self.assertRaises(vc.AlreadyOpenedError):
                vc.open_camera(SERIAL)

    def test_2_frames_stream_as_arrays(self):
        with vc.open_camera(SERIAL) as camera:
            camera.roi = (0, 0, 320, 240)
            frames = list(camera.frames(5, 3000))
            self.assertEqual([f.image.shape[:2] for f in frames], [(240, 320)] * 5)
            self.assertEqual(frames[-1].image.dtype, np.uint8)
            ids = [f.frame_id for f in frames]
            self.assertEqual(ids, sorted(set(ids)))
            self.assertGreaterEqual(camera.statistic().captured, 5)

    @unittest.skipUnless(hasattr(vc._library.lib, "CameraGetFeatureCount"), "the library has no features by name")
    def test_2_the_cameras_own_features(self):
        with vc.open_camera(SERIAL) as camera:
            tree = {f.name: f for f in camera.features()}
            self.assertGreater(len(tree), 20)
            self.assertEqual(tree["Width"].type, "integer")
            camera.set_feature("Width", 256)
            self.assertEqual(camera.get_feature("Width"), "256")
            self.assertEqual(camera.roi[2], 256)
            camera.start()
            camera.grab(3000)
            self.assertTrue(camera.transport_statistic().counts_packets)

    def test_3_pulled_cable_raises_device_lost(self):
        with vc.open_camera(SERIAL) as camera:
            camera.start()
            camera.grab(3000)
            self.fake.kill()
            errors = []

            def lost():
                try:
                    camera.grab(200)
                except vc.DeviceLostError as error:
                    errors.append(error)
                    return True
                except vc.FrameTimeoutError:
                    pass
                return False

            self.assertTrue(wait_for(lost, 5))
            self.assertEqual(errors[0].status, -13)


if __name__ == "__main__":
    unittest.main()
