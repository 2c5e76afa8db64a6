#!/usr/bin/env python3
"""Launch of the whole program under a running X server (e.g. Xvfb :97 with a
1024x768 screen): time from starting the process to the first painted window,
and resident memory 1.5 s after start. Polls one screen pixel inside the centred
window until it shows the form's silver.

With --reference, a second program (bench's empty_window: a bare window of the
same size and colour) is timed the same way in the same run, the two launches
taking turns so that a change of machine load touches both; the medians and
their ratio are printed.

    Xvfb :97 -screen 0 1024x768x24 &
    bench/launch_to_first_paint.py build/release/app/tablerix :97 11
    bench/launch_to_first_paint.py build/rel/app/tablerix :97 11 \
        --reference build/rel/bench/empty_window
"""
import argparse
import ctypes
import os
import shlex
import statistics
import subprocess
import sys
import time

parser = argparse.ArgumentParser(description="launch to first painted window")
parser.add_argument("exe")
parser.add_argument("display", nargs="?", default=":97")
parser.add_argument("runs", nargs="?", type=int, default=9)
parser.add_argument("--reference", help="a second program timed alongside, e.g. empty_window"
                    " (arguments allowed: 'empty_window --with-text')")
args = parser.parse_args()
display = args.display

x = ctypes.cdll.LoadLibrary("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XDefaultRootWindow.restype = ctypes.c_ulong
x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x.XGetImage.restype = ctypes.c_void_p
x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                        ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
x.XGetPixel.restype = ctypes.c_ulong
x.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
x.XDestroyImage.argtypes = [ctypes.c_void_p]
x.XDisplayWidth.argtypes = [ctypes.c_void_p, ctypes.c_int]
x.XDisplayHeight.argtypes = [ctypes.c_void_p, ctypes.c_int]
d = x.XOpenDisplay(display.encode())
if not d:
    sys.exit(f"cannot open display {display}")
root = x.XDefaultRootWindow(d)
# The 680x478 window is centred; (600, 300) inside it is bare form on the start screen.
px = (x.XDisplayWidth(d, 0) - 680) // 2 + 600
py = (x.XDisplayHeight(d, 0) - 478) // 2 + 300
SILVER = 0xC0C0C0


def pixel():
    img = x.XGetImage(d, root, px, py, 1, 1, 0xFFFFFFFF, 2)
    value = x.XGetPixel(img, 0, 0) & 0xFFFFFF
    x.XDestroyImage(img)
    return value


def cpu_ms(pid):
    """Processor time of all the process's threads so far, in ms."""
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/schedstat") as f:
                total += int(f.read().split()[0])
        except (FileNotFoundError, ProcessLookupError):
            pass
    return total / 1e6


def launch(exe):
    """Milliseconds to the first silver pixel, processor ms spent by then, and
    resident MB 1.5 s after start."""
    if pixel() == SILVER:
        sys.exit("another window already covers the measuring point")
    t0 = time.perf_counter()
    p = subprocess.Popen(shlex.split(exe), env=dict(os.environ, DISPLAY=display),
                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    while pixel() != SILVER:
        if p.poll() is not None:
            sys.exit(f"{exe} ended before it painted")
        time.sleep(0.001)
    elapsed = (time.perf_counter() - t0) * 1000
    cpu = cpu_ms(p.pid)
    time.sleep(1.5)
    with open(f"/proc/{p.pid}/status") as f:
        resident = int(next(l for l in f if l.startswith("VmRSS")).split()[1]) / 1024
    p.terminate()
    p.wait()
    time.sleep(0.3)
    return elapsed, cpu, resident


programs = [args.exe] + ([args.reference] if args.reference else [])
times = {exe: [] for exe in programs}
cpus = {exe: [] for exe in programs}
rss = {exe: [] for exe in programs}
for _ in range(args.runs):
    for exe in programs:
        t, c, r = launch(exe)
        times[exe].append(t)
        cpus[exe].append(c)
        rss[exe].append(r)

for exe in programs:
    if len(programs) > 1:
        print(exe)
    print("launch to first paint, ms:", [round(t) for t in times[exe]], "median",
          round(statistics.median(times[exe])))
    # Less sensitive to other load on the machine than the wall-clock time.
    print("processor time to first paint, ms:", [round(c) for c in cpus[exe]], "median",
          round(statistics.median(cpus[exe])))
    print("resident memory after start, MB:", [round(r, 1) for r in rss[exe]], "median",
          round(statistics.median(rss[exe]), 1))
if args.reference:
    ratio = statistics.median(times[args.exe]) / statistics.median(times[args.reference])
    print(f"ratio of the medians: {ratio:.2f}")
    cpu_ratio = statistics.median(cpus[args.exe]) / statistics.median(cpus[args.reference])
    print(f"ratio of the processor-time medians: {cpu_ratio:.2f}")
print("load average:", " ".join(open("/proc/loadavg").read().split()[:3]))
