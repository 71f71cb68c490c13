"""software_trigger - one frame per trigger.

In software-trigger mode the camera sends a frame only when the program
triggers it: the usual way to take a picture exactly when a part is in place.

    python3 software_trigger.py [serial]
"""

import sys

import vexocamera

TRIGGERS = 5


def main():
    serial = (sys.argv[1] if len(sys.argv) > 1 else "") or next(
        c.serial for c in vexocamera.list_cameras() if not c.opened)
    with vexocamera.open_camera(serial) as camera:
        camera.set("trigger_mode", vexocamera.TRIGGER_SOFTWARE)
        camera.set("trigger_frame_count", 1)  # frames per trigger
        camera.start()

        # Nothing comes without a trigger: the wait ends with a time-out.
        try:
            camera.grab(timeout_ms=300)
            sys.exit("software_trigger: a frame came without a trigger")
        except vexocamera.FrameTimeoutError:
            print("no trigger, no frame")

        for i in range(TRIGGERS):
            camera.soft_trigger()
            frame = camera.grab(timeout_ms=2000)
            print("trigger %d -> frame %d at %d us" % (i + 1, frame.frame_id, frame.timestamp_us))
        camera.set("trigger_mode", vexocamera.TRIGGER_CONTINUOUS)


if __name__ == "__main__":
    main()
