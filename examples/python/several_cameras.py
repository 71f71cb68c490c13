"""several_cameras - every free camera at once, one thread each.

The library's calls release Python's interpreter lock while they wait for a
frame or convert it, so one thread per camera keeps each at its own rate.

    python3 several_cameras.py [seconds]
"""

import sys
import threading
import time

import vexocamera


def grab(serial, seconds, results):
    try:
        with vexocamera.open_camera(serial) as camera:
            camera.start()
            frames = 0
            end = time.monotonic() + seconds
            while time.monotonic() < end:
                camera.grab(timeout_ms=2000)
                frames += 1
            results[serial] = (frames, camera.statistic())
    except vexocamera.SdkError as error:
        results[serial] = error


def main():
    seconds = float(sys.argv[1]) if len(sys.argv) > 1 else 2.0
    serials = [c.serial for c in vexocamera.list_cameras() if not c.opened]
    results = {}
    threads = [threading.Thread(target=grab, args=(s, seconds, results)) for s in serials]
    for thread in threads:
        thread.start()
    for thread in threads:
        thread.join()
    failed = False
    for serial in serials:
        result = results.get(serial)
        if isinstance(result, tuple):
            frames, statistic = result
            print("%-16s %4d frames, %6.1f fps, lost %d" % (serial, frames, frames / seconds, statistic.lost))
        else:
            print("%-16s failed: %s" % (serial, result))
            failed = True
    sys.exit(1 if failed or not serials else 0)


if __name__ == "__main__":
    main()
