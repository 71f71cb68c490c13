#!/usr/bin/env python3
"""One 1080p60 camera in a 640x400 cell against a plain GStreamer display
pipeline, one after the other in the same run, both on the same X server:
the whole process's CPU time per displayed frame of each.

    bench/frame_path/side_by_side.py [--framepath build/bin/vexo-framepath] [-s 10]

Starts its own Xvfb on a free display unless DISPLAY is set. The GStreamer
pipeline needs gstreamer1.0-tools, -plugins-base, -plugins-bad and -x (for
measuring only; the suite does not use them)."""

import argparse
import os
import random
import re
import shutil
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
GST_PIPELINE = ("videotestsrc ! video/x-bayer,format=rggb,width=1920,height=1080,framerate=60/1 ! "
                "bayer2rgb ! videoconvert ! videoscale ! video/x-raw,width=640,height=360 ! "
                "fpsdisplaysink video-sink=ximagesink text-overlay=false sync=true")


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    ticks = os.sysconf("SC_CLK_TCK")
    return (int(fields[11]) + int(fields[12])) / ticks  # utime, stime


def start_x():
    for _ in range(20):
        display = f":{random.randint(50, 99)}"
        if os.path.exists(f"/tmp/.X11-unix/X{display[1:]}"):
            continue
        server = subprocess.Popen(["Xvfb", display, "-screen", "0", "1920x1080x24", "-nolisten", "tcp"],
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(1.0)
        if server.poll() is None:
            return server, display
    sys.exit("no free display for Xvfb")


def run_gstreamer(seconds, warmup, env):
    """Rendered frames come from fpsdisplaysink's reports, CPU from /proc."""
    gst = subprocess.Popen(["gst-launch-1.0", "-v"] + GST_PIPELINE.split(), env=env, stdout=subprocess.PIPE,
                           stderr=subprocess.DEVNULL, text=True, bufsize=1)
    rendered = [0]

    import threading

    def read():
        for line in gst.stdout:
            m = re.search(r"rendered: (\d+)", line)
            if m:
                rendered[0] = int(m.group(1))

    reader = threading.Thread(target=read, daemon=True)
    reader.start()
    time.sleep(warmup)
    cpu0, frames0, t0 = cpu_seconds(gst.pid), rendered[0], time.monotonic()
    time.sleep(seconds)
    cpu1, frames1, t1 = cpu_seconds(gst.pid), rendered[0], time.monotonic()
    gst.terminate()
    gst.wait()
    frames = frames1 - frames0
    if frames <= 0:
        sys.exit("GStreamer showed no frames (are its plugins installed?)")
    return (cpu1 - cpu0) * 1000.0 / frames, frames / (t1 - t0)


def run_framepath(framepath, seconds, warmup, env):
    out = subprocess.run([framepath, "-c", os.path.join(HERE, "one_1080p60.json"), "-s", str(seconds),
                          "--warmup", str(warmup)], env=env, capture_output=True, text=True)
    sys.stderr.write(out.stderr)
    m = re.search(r"whole process.*?: ([0-9.]+) ms CPU per displayed frame", out.stdout)
    d = re.search(r"^BENCH-1080-60A\s+([0-9.]+)\s+([0-9.]+)", out.stdout, re.M)
    if not m or not d:
        sys.stdout.write(out.stdout)
        sys.exit("vexo-framepath gave no whole-process figure")
    return float(m.group(1)), float(d.group(2)), out.stdout


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--framepath", default=os.path.join(HERE, "../../build/bin/vexo-framepath"))
    parser.add_argument("-s", "--seconds", type=float, default=10)
    parser.add_argument("--warmup", type=float, default=2)
    parser.add_argument("--verbose", action="store_true", help="print vexo-framepath's whole report")
    args = parser.parse_args()
    if shutil.which("gst-launch-1.0") is None:
        sys.exit("gst-launch-1.0 not found (gstreamer1.0-tools)")

    server = None
    env = dict(os.environ)
    if not env.get("DISPLAY"):
        server, env["DISPLAY"] = start_x()
    env["QT_QPA_PLATFORM"] = "xcb"
    try:
        ours, ourRate, report = run_framepath(args.framepath, args.seconds, args.warmup, env)
        gst, gstRate = run_gstreamer(args.seconds, args.warmup, env)
    finally:
        if server is not None:
            server.terminate()
            server.wait()
    if args.verbose:
        sys.stdout.write(report)
    print(f"whole process, ms CPU per displayed frame (display {env['DISPLAY']}):")
    print(f"  vexo-framepath, 1920x1080@60 in a 640x400 cell  {ours:7.3f}  ({ourRate:.1f} frames/s shown)")
    print(f"  GStreamer bayer2rgb ! videoscale ! ximagesink    {gst:7.3f}  ({gstRate:.1f} frames/s shown)")
    print(f"  ratio {ours / gst:.2f} (target <= 0.5)")


if __name__ == "__main__":
    main()
