"""count_losses - a wait loop that counts the frames it missed.

A program slower than its camera misses frames: the library keeps only the
newest few and counts the ones overwritten. The frame numbers show the gaps
too. This loop works slower than the camera on purpose, then reads both.

    python3 count_losses.py [seconds] [serial]
"""

import sys
import time

import vexocamera


def main():
    seconds = float(sys.argv[1]) if len(sys.argv) > 1 else 2.0
    serial = sys.argv[2] if len(sys.argv) > 2 else next(c.serial for c in vexocamera.list_cameras() if not c.opened)
    with vexocamera.open_camera(serial) as camera:
        camera.start()
        before = camera.statistic()
        received, gaps, last_id = 0, 0, None
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            try:
                frame = camera.grab(timeout_ms=1000)
            except vexocamera.FrameTimeoutError:
                print("no frame for a second")
                continue
            except vexocamera.DeviceLostError:
                # The library opens the camera again by itself when it is back.
                print("camera lost; waiting for it")
                time.sleep(0.5)
                continue
            if last_id is not None and frame.frame_id > last_id + 1:
                gaps += frame.frame_id - last_id - 1
            last_id = frame.frame_id
            received += 1
            time.sleep(0.05)  # the "processing" that makes this loop slow
        after = camera.statistic()
    lost = after.lost - before.lost
    print("received %d frames; the camera produced %d; lost %d (by frame numbers: %d)"
          % (received, after.total - before.total, lost, gaps))


if __name__ == "__main__":
    main()
