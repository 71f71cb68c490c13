"""grab_frames - a first program with the vexocamera module.

Lists the cameras, opens one (the first that no other program holds, or the
one named on the command line), grabs ten frames through the library's image
pipeline and saves the last one as a PNG file, creating its folder.

    python3 grab_frames.py [serial] [output path without extension]

Without camera hardware the library offers its simulated cameras.
"""

import os
import sys

import vexocamera

FRAMES = 10


def main():
    wanted = sys.argv[1] if len(sys.argv) > 1 else None
    output = sys.argv[2] if len(sys.argv) > 2 else "frame"

    cameras = vexocamera.list_cameras()
    print("%d camera(s)" % len(cameras))
    for info in cameras:
        print("  %s  %s  %s%s" % (info.serial, info.product, info.port, "  (open elsewhere)" if info.opened else ""))
    serial = wanted or next((c.serial for c in cameras if not c.opened), None)
    if serial is None:
        sys.exit("grab_frames: no free camera")

    # Every failure raises a vexocamera.SdkError carrying the library's status;
    # AlreadyOpenedError and NoDeviceError are the usual ones here.
    try:
        with vexocamera.open_camera(serial) as camera:
            camera.set("isp_output_format", vexocamera.RGB8)
            for frame in camera.frames(FRAMES, timeout_ms=2000):
                # frame.image is a NumPy array (height, width, 3) the library wrote into.
                print("frame %d: %dx%d, mean %.1f" % (frame.frame_id, frame.image.shape[1],
                                                      frame.image.shape[0], frame.image.mean()))
            if os.path.dirname(output):
                os.makedirs(os.path.dirname(output), exist_ok=True)
            camera.save_image(output, frame, vexocamera.FILE_PNG)
            print("saved %s.png; %s" % (output, camera.statistic()))
    except vexocamera.SdkError as error:
        sys.exit("grab_frames: %s" % error)


if __name__ == "__main__":
    main()
