#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up time and peak memory of kettenbrief against a bare Qt window.

Both figures are ratios against bare_window (one label in a window of the
same size, started the same way), measured in the same run on the same Xvfb:

- start-up: from starting the process until its window is mapped (the
  MapNotify, shown for information), and until it is mapped and shows
  the picture it then keeps (its first complete paint). The window is
  watched through Xlib (ctypes): its MapNotify, then its pixels as often as
  the X server hands them over. The median of N starts of each, taken in
  turns. Target: within 1.5 x. Both start without the accessibility
  bridge; with --accessible both run with it on, on the private AT-SPI bus
  the end-to-end tests use (for comparison only).
- peak memory: VmHWM of kettenbrief after the scripted lesson of
  tests/e2e/unterrichtsstunde.py (worked through xdotool, with its checks;
  it finds the controls through the accessibility bridge), against VmHWM of
  the bare window once painted. Target: within 1.5 x.

Usage: bench_fenster.py PATH/TO/kettenbrief PATH/TO/bare_window [STARTS] [--accessible]

Run it with Debian's /usr/bin/python3, which has the AT-SPI bindings.
"""

import ctypes
import ctypes.util
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

# No __pycache__ beside the sources.
sys.dont_write_bytecode = True
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e"))
import e2ehilfe as e2e  # noqa: E402
import unterrichtsstunde as lesson  # noqa: E402

KETTENBRIEF_TITLE = "Nivra1.0"
BARE_TITLE = "Leeres Fenster"
# The window is painted once its picture has not changed for this long.
SETTLE_SECONDS = 1.0
START_SECONDS = 30
POLL_PAUSE = 0.002

# --- Xlib through ctypes -------------------------------------------------------

SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
MAP_NOTIFY = 19
Z_PIXMAP = 2
ALL_PLANES = ctypes.c_ulong(~0 & 0xFFFFFFFFFFFFFFFF)


class XMapEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("event", ctypes.c_ulong), ("window", ctypes.c_ulong),
                ("override_redirect", ctypes.c_int)]


class XEvent(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("xmap", XMapEvent), ("pad", ctypes.c_long * 24)]


class XImageFuncs(ctypes.Structure):
    _fields_ = [("create_image", ctypes.c_void_p),
                ("destroy_image", ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p)),
                ("get_pixel", ctypes.c_void_p), ("put_pixel", ctypes.c_void_p),
                ("sub_image", ctypes.c_void_p), ("add_pixel", ctypes.c_void_p)]


class XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int),
                ("bitmap_pad", ctypes.c_int), ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
                ("bits_per_pixel", ctypes.c_int), ("red_mask", ctypes.c_ulong),
                ("green_mask", ctypes.c_ulong), ("blue_mask", ctypes.c_ulong), ("obdata", ctypes.c_void_p),
                ("f", XImageFuncs)]


ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)


class Xlib:
    def __init__(self, display):
        x = ctypes.CDLL(ctypes.util.find_library("X11"))
        x.XOpenDisplay.restype = ctypes.c_void_p
        x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x.XDefaultRootWindow.restype = ctypes.c_ulong
        x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
        x.XPending.argtypes = [ctypes.c_void_p]
        x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(XEvent)]
        x.XFetchName.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_char_p)]
        x.XFree.argtypes = [ctypes.c_void_p]
        x.XGetGeometry.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong)] + \
            [ctypes.POINTER(ctypes.c_int)] * 2 + [ctypes.POINTER(ctypes.c_uint)] * 4
        x.XGetImage.restype = ctypes.POINTER(XImage)
        x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                                ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        x.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.x = x
        # A window that goes away between two requests must not end the bench.
        self._handler = ERROR_HANDLER(lambda display, event: 0)
        x.XSetErrorHandler(self._handler)
        self.dpy = x.XOpenDisplay(display.encode())
        if not self.dpy:
            raise e2e.Failure(f"cannot open display {display}")
        self.root = x.XDefaultRootWindow(self.dpy)
        x.XSelectInput(self.dpy, self.root, SUBSTRUCTURE_NOTIFY_MASK)
        x.XSync(self.dpy, 0)

    def close(self):
        self.x.XCloseDisplay(self.dpy)

    def drain(self):
        event = XEvent()
        while self.x.XPending(self.dpy):
            self.x.XNextEvent(self.dpy, ctypes.byref(event))

    def mapped_window(self, title):
        """The window with this title among the windows mapped since the last call."""
        event = XEvent()
        while self.x.XPending(self.dpy):
            self.x.XNextEvent(self.dpy, ctypes.byref(event))
            if event.type != MAP_NOTIFY:
                continue
            name = ctypes.c_char_p()
            window = event.xmap.window
            if self.x.XFetchName(self.dpy, window, ctypes.byref(name)) and name.value is not None:
                found = name.value.decode(errors="replace") == title
                self.x.XFree(name)
                if found:
                    return window
        return None

    def picture(self, window):
        """The window's pixels as bytes, or None while it has none to give."""
        root = ctypes.c_ulong()
        x, y = ctypes.c_int(), ctypes.c_int()
        w, h, border, depth = ctypes.c_uint(), ctypes.c_uint(), ctypes.c_uint(), ctypes.c_uint()
        if not self.x.XGetGeometry(self.dpy, window, ctypes.byref(root), ctypes.byref(x), ctypes.byref(y),
                                   ctypes.byref(w), ctypes.byref(h), ctypes.byref(border), ctypes.byref(depth)):
            return None
        image = self.x.XGetImage(self.dpy, window, 0, 0, w.value, h.value, ALL_PLANES, Z_PIXMAP)
        if not image:
            return None
        data = ctypes.string_at(image.contents.data, image.contents.bytes_per_line * image.contents.height)
        image.contents.f.destroy_image(ctypes.cast(image, ctypes.c_void_p))
        return data


# --- one start -----------------------------------------------------------------

def peak_memory_kib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    raise e2e.Failure(f"no VmHWM for process {pid}")


def start_once(xlib, executable, title, env, workdir):
    """(seconds to the window's MapNotify, seconds to its first complete
    picture, VmHWM in KiB once painted)."""
    xlib.drain()
    started = time.monotonic()
    program = subprocess.Popen([executable], env=env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL, cwd=workdir, preexec_fn=e2e.die_with_parent)
    try:
        window = None
        while window is None:
            e2e.check(program.poll() is None, f"{executable} ended at start with {program.returncode}")
            e2e.check(time.monotonic() - started < START_SECONDS, f"{title!r} was not mapped in {START_SECONDS} s")
            window = xlib.mapped_window(title)
            if window is None:
                time.sleep(POLL_PAUSE)
        mapped = time.monotonic() - started
        # Every new picture and when it was first seen; the last one is the
        # picture the window keeps.
        first_seen = None
        picture = None
        changed = time.monotonic()
        while time.monotonic() - changed < SETTLE_SECONDS:
            e2e.check(time.monotonic() - started < START_SECONDS, f"{title!r} kept changing")
            current = xlib.picture(window)
            now = time.monotonic()
            if current is not None and current != picture:
                picture, first_seen, changed = current, now, now
            time.sleep(POLL_PAUSE)
        e2e.check(picture is not None and len(set(picture[i] for i in range(0, len(picture), 97))) > 2,
                  f"{title!r} shows no picture")
        return mapped, first_seen - started, peak_memory_kib(program.pid)
    finally:
        program.send_signal(signal.SIGTERM)
        try:
            program.wait(timeout=10)
        except subprocess.TimeoutExpired:
            program.kill()
            program.wait()


def start_up(kettenbrief, bare, starts, workdir, accessible):
    """Medians of (seconds to the MapNotify, seconds to the painted window,
    VmHWM in KiB once painted), each a dict over "k" (kettenbrief) and "b"
    (the bare window); with `accessible` both run with the accessibility
    bridge on, on the private AT-SPI bus of the end-to-end tests."""
    desktop = e2e.Desktop(workdir)
    xlib = None
    maps = {"k": [], "b": []}
    times = {"k": [], "b": []}
    memory = {"k": [], "b": []}
    try:
        desktop.start(accessible)
        xlib = Xlib(desktop.env["DISPLAY"])
        # One start of each fills the caches (fonts, libraries) first.
        start_once(xlib, kettenbrief, KETTENBRIEF_TITLE, desktop.env, workdir)
        start_once(xlib, bare, BARE_TITLE, desktop.env, workdir)
        for _ in range(starts):
            for key, executable, title in (("b", bare, BARE_TITLE), ("k", kettenbrief, KETTENBRIEF_TITLE)):
                mapped, seconds, peak = start_once(xlib, executable, title, desktop.env, workdir)
                maps[key].append(mapped)
                times[key].append(seconds)
                memory[key].append(peak)
    finally:
        if xlib is not None:
            xlib.close()
        desktop.close()
    return tuple({k: statistics.median(v) for k, v in figures.items()} for figures in (maps, times, memory))


def after_lesson(kettenbrief, workdir):
    """VmHWM in KiB of kettenbrief after the scripted lesson (which finds the
    controls through the accessibility bridge)."""
    # The lesson reports every step; here only its end counts.
    saved = sys.stdout
    sys.stdout = open(os.devnull, "w")
    session = e2e.Session(workdir)
    try:
        session.start(kettenbrief)
        lesson.lesson(session)
        peak = peak_memory_kib(session.program.pid)
        lesson.quit_program(session)
        return peak
    finally:
        session.close()
        sys.stdout.close()
        sys.stdout = saved


def main():
    args = [a for a in sys.argv[1:] if a != "--accessible"]
    if len(args) not in (2, 3):
        print(__doc__, file=sys.stderr)
        return 2
    accessible = len(args) < len(sys.argv) - 1
    kettenbrief, bare = (os.path.abspath(a) for a in args[:2])
    starts = int(args[2]) if len(args) == 3 else 15
    workdir = tempfile.mkdtemp(prefix="kettenbrief-bench-")
    try:
        maps, times, memory = start_up(kettenbrief, bare, starts, workdir, accessible)
        lesson_peak = after_lesson(kettenbrief, workdir)
    except e2e.Failure as failure:
        print(f"bench_fenster: {failure} (files in {workdir})", file=sys.stderr)
        return 1
    shutil.rmtree(workdir, ignore_errors=True)
    ratio = times["k"] / times["b"]
    if accessible:
        print("start-ups with the accessibility bridge on, on a private AT-SPI bus")
    print(f"start-up to the mapped window (median of {starts})")
    print(f"  kettenbrief {maps['k'] * 1000:8.1f} ms   bare window {maps['b'] * 1000:8.1f} ms   "
          f"ratio {maps['k'] / maps['b']:.2f}")
    print(f"start-up to the painted window (median of {starts})")
    print(f"  kettenbrief {times['k'] * 1000:8.1f} ms   bare window {times['b'] * 1000:8.1f} ms   "
          f"ratio {ratio:.2f} (target <= 1.5)")
    print("peak resident memory (VmHWM)")
    print(f"  kettenbrief after start-up {memory['k'] / 1024:7.1f} MiB   bare window {memory['b'] / 1024:7.1f} MiB   "
          f"ratio {memory['k'] / memory['b']:.2f}")
    print(f"  kettenbrief after the lesson {lesson_peak / 1024:5.1f} MiB   bare window {memory['b'] / 1024:7.1f} MiB   "
          f"ratio {lesson_peak / memory['b']:.2f} (target <= 1.5)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
