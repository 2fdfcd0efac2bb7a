# SPDX-License-Identifier: GPL-3.0-or-later
"""What the end-to-end tests of kettenbrief (and bench_fenster.py) share.

A Session runs everything private to the test: its own Xvfb, its own D-Bus
session bus, the AT-SPI bus with its registry on that bus, and the real
program with its accessibility bridge switched on. The test works the
window with the real pointer and keyboard (xdotool), looks at it on
screenshots (ImageMagick's import) and learns where each control is from
the program's accessibility tree (AT-SPI through Python's GObject bindings),
by the control's accessible name and role.

All coordinates handed out here are window coordinates: pixels from the
top left corner of the program's X window, menu bar included.

A Desktop is the same without the program (bench_fenster.py starts its own
programs on it). Every process started here dies with the test: each is
signalled should the test be killed outright, and close() stops them all
on every other way out. Nothing here touches a D-Bus bus of the machine.

The tools come from Debian's packages xvfb, xdotool, x11-utils,
imagemagick, dbus-daemon, at-spi2-core, python3-gi and gir1.2-atspi-2.0;
run the tests with Debian's /usr/bin/python3, which has the bindings.
"""

import ctypes
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

TITLE = "Nivra1.0"

XVFB_START_SECONDS = 10
BUS_START_SECONDS = 10
WINDOW_SECONDS = 25
TREE_SECONDS = 15
STEP_SECONDS = 20
STOP_SECONDS = 5
# A call into the program's accessibility tree may wait this long for an
# answer while the program is busy.
TREE_CALL_MS = 5000

REGISTRY = "org.a11y.atspi.Registry"
LIBEXEC = ("/usr/libexec", "/usr/lib/at-spi2-core")


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


# --- processes ---------------------------------------------------------------

_libc = ctypes.CDLL(None, use_errno=True)
_PR_SET_PDEATHSIG = 1


def die_with_parent(signum=signal.SIGKILL):
    """preexec_fn: should the test be killed outright, the child gets
    `signum` and goes with it instead of staying behind."""
    _libc.prctl(_PR_SET_PDEATHSIG, signum)


def _stop_on_signal(signum, _frame):
    raise SystemExit(128 + signum)


def stop_on_signals():
    """SIGTERM and SIGHUP end the test through its cleanup."""
    signal.signal(signal.SIGTERM, _stop_on_signal)
    signal.signal(signal.SIGHUP, _stop_on_signal)


def require_tool(name, directories=None):
    path = shutil.which(name, path=os.pathsep.join(directories) if directories else None)
    check(path is not None, f"{name} not found; scripts/install-deps.sh installs it")
    return path


def stop(process, name):
    if process is None or process.poll() is not None:
        return
    process.terminate()
    try:
        process.wait(timeout=STOP_SECONDS)
    except subprocess.TimeoutExpired:
        print(f"{name} did not stop on SIGTERM, killing it", file=sys.stderr)
        process.kill()
        process.wait()


def read_line(read_end, process, name, seconds):
    """The first line `process` writes into the pipe `read_end`, which is closed."""
    line = b""
    deadline = time.monotonic() + seconds
    try:
        while not line.endswith(b"\n"):
            remaining = deadline - time.monotonic()
            check(remaining > 0, f"{name} gave no answer within {seconds} s")
            ready, _, _ = select.select([read_end], [], [], remaining)
            if ready:
                chunk = os.read(read_end, 256)
                check(chunk, f"{name} ended before answering (exit code {process.poll()})")
                line += chunk
    finally:
        os.close(read_end)
    return line.decode().strip()


def x_tool(args, env, timeout=10):
    try:
        result = subprocess.run(args, env=env, stdin=subprocess.DEVNULL, capture_output=True, timeout=timeout)
    except subprocess.TimeoutExpired:
        raise Failure(f"{' '.join(args)} did not finish within {timeout} s")
    check(result.returncode == 0,
          f"{' '.join(args)} failed ({result.returncode}): {result.stderr.decode(errors='replace')}")
    return result.stdout


def base_env(display, workdir):
    """The environment of everything on the test's display: none of the
    caller's Qt settings, display, session bus or accessibility bus."""
    dropped = ("WAYLAND_DISPLAY", "XAUTHORITY", "DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS")
    env = {k: v for k, v in os.environ.items() if not k.startswith("QT_") and k not in dropped}
    env.update(DISPLAY=display, QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=workdir)
    return env


# --- rectangles and screenshots ----------------------------------------------

class Rect:
    def __init__(self, x, y, w, h):
        self.x, self.y, self.w, self.h = x, y, w, h

    @property
    def right(self):  # exclusive
        return self.x + self.w

    @property
    def bottom(self):  # exclusive
        return self.y + self.h

    def empty(self):
        return self.w <= 0 or self.h <= 0

    def contains(self, x, y):
        return self.x <= x < self.right and self.y <= y < self.bottom

    def centre(self):
        return self.x + self.w // 2, self.y + self.h // 2

    def intersected(self, other):
        x, y = max(self.x, other.x), max(self.y, other.y)
        return Rect(x, y, min(self.right, other.right) - x, min(self.bottom, other.bottom) - y)

    def __eq__(self, other):
        return (self.x, self.y, self.w, self.h) == (other.x, other.y, other.w, other.h)

    def __repr__(self):
        return f"({self.x}, {self.y}) {self.w} x {self.h}"


class Shot:
    """A screenshot of the window as an 8-bit binary PPM, in window coordinates."""

    def __init__(self, data):
        self.data = data
        tokens, pos = [], 0
        while len(tokens) < 4:
            while data[pos:pos + 1].isspace():
                pos += 1
            if data[pos:pos + 1] == b"#":
                pos = data.index(b"\n", pos)
                continue
            start = pos
            while pos < len(data) and not data[pos:pos + 1].isspace():
                pos += 1
            check(pos > start, "the screenshot is not a complete PPM")
            tokens.append(data[start:pos])
        check(tokens[0] == b"P6" and tokens[3] == b"255", f"the screenshot is no 8-bit binary PPM: {tokens!r}")
        self.width, self.height = int(tokens[1]), int(tokens[2])
        self.offset = pos + 1  # the single whitespace after maxval
        check(len(data) - self.offset >= self.width * self.height * 3, "the screenshot is cut short")

    def _at(self, x, y):
        return self.offset + 3 * (y * self.width + x)

    def pixel(self, x, y):
        p = self._at(x, y)
        return tuple(self.data[p:p + 3])

    def row_bytes(self, y, x0, x1):
        return self.data[self._at(x0, y):self._at(x1, y)]

    def area(self, rect):
        return b"".join(self.row_bytes(y, rect.x, rect.right) for y in range(rect.y, rect.bottom))

    def count(self, rect, colour):
        wanted = bytes(colour)
        n = 0
        for y in range(rect.y, rect.bottom):
            row = self.row_bytes(y, rect.x, rect.right)
            n += sum(1 for i in range(0, len(row), 3) if row[i:i + 3] == wanted)
        return n

    def regions(self, rect, colour):
        """The 4-connected regions of `colour` in `rect`: (x, y, w, h, pixels)
        each, the bounding box relative to `rect`."""
        wanted = bytes(colour)
        todo = set()
        for y in range(rect.h):
            row = self.row_bytes(rect.y + y, rect.x, rect.right)
            todo.update((x, y) for x in range(rect.w) if row[3 * x:3 * x + 3] == wanted)
        found = []
        while todo:
            stack = [todo.pop()]
            x0 = x1 = stack[0][0]
            y0 = y1 = stack[0][1]
            pixels = 0
            while stack:
                px, py = stack.pop()
                pixels += 1
                x0, x1, y0, y1 = min(x0, px), max(x1, px), min(y0, py), max(y1, py)
                for n in ((px + 1, py), (px - 1, py), (px, py + 1), (px, py - 1)):
                    if n in todo:
                        todo.remove(n)
                        stack.append(n)
            found.append((x0, y0, x1 - x0 + 1, y1 - y0 + 1, pixels))
        return sorted(found)


# --- D-Bus and the accessibility tree ------------------------------------------

def bindings():
    """(Atspi, Gio, GLib) from Debian's GObject bindings."""
    try:
        import gi
        gi.require_version("Atspi", "2.0")
        gi.require_version("Gio", "2.0")
        from gi.repository import Atspi, Gio, GLib
    except (ImportError, ValueError) as error:
        raise Failure(f"{sys.executable} has no AT-SPI bindings ({error}); scripts/install-deps.sh "
                      "installs python3-gi and gir1.2-atspi-2.0 for Debian's /usr/bin/python3")
    return Atspi, Gio, GLib


def bus_call(connection, name, path, interface, method, args=None):
    """The first value of the reply; raises GLib.Error. Never starts a service."""
    _, Gio, _ = bindings()
    reply = connection.call_sync(name, path, interface, method, args, None,
                                 Gio.DBusCallFlags.NO_AUTO_START, 2000, None)
    return reply.unpack()[0]


def name_owned(connection, name):
    _, _, GLib = bindings()
    return bus_call(connection, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                    "NameHasOwner", GLib.Variant("(s)", (name,)))


# The session bus of a test: only its own socket, no service is ever
# started on demand, everyone may own and talk to everything.
SESSION_BUS_CONFIG = """<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:path={socket}</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
"""

_atspi_bus = None  # the AT-SPI bus this process reads trees from


def atspi_for(desktop):
    """Atspi, set up once per process for the AT-SPI bus of `desktop` (it
    reads the bus's address from the environment when it starts)."""
    global _atspi_bus
    Atspi, _, _ = bindings()
    address = desktop.atspi_bus
    if _atspi_bus is None:
        os.environ["AT_SPI_BUS_ADDRESS"] = address
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = desktop.env["DBUS_SESSION_BUS_ADDRESS"]
        Atspi.init()
        Atspi.set_timeout(TREE_CALL_MS, TREE_SECONDS * 1000)
        _atspi_bus = address
    check(_atspi_bus == address, "a process can read the trees of one AT-SPI bus only")
    return Atspi


class Tree:
    """The program's accessibility tree: its controls by accessible name and
    role (an Atspi.Role name such as "PUSH_BUTTON"), where they are now."""

    def __init__(self, desktop, program, origin):
        self.atspi = atspi_for(desktop)
        self.origin = origin  # the window's top left corner on the screen
        _, _, GLib = bindings()
        try:
            self.frame = self._await_frame(program)
            self.index = [(a.get_name(), a.get_role(), a) for a in self._walk(self.frame)]
        except GLib.Error as error:
            raise Failure(f"reading the accessibility tree failed: {error.message}")

    def _await_frame(self, program):
        desktop = self.atspi.get_desktop(0)
        deadline = time.monotonic() + TREE_SECONDS
        while True:
            check(program.poll() is None, f"kettenbrief ended early with exit code {program.returncode}")
            # The program joins the registry some time after start; ask anew.
            desktop.clear_cache()
            for app in (desktop.get_child_at_index(i) for i in range(desktop.get_child_count())):
                if app is None or app.get_process_id() != program.pid:
                    continue
                for frame in (app.get_child_at_index(i) for i in range(app.get_child_count())):
                    if frame.get_role() == self.atspi.Role.FRAME and frame.get_name() == TITLE:
                        return frame
            check(time.monotonic() < deadline,
                  f"no window {TITLE!r} of kettenbrief in the accessibility tree within {TREE_SECONDS} s")
            time.sleep(0.1)

    def _walk(self, node):
        yield node
        for i in range(node.get_child_count()):
            child = node.get_child_at_index(i)
            if child is not None:
                yield from self._walk(child)

    def find(self, name, role):
        wanted = getattr(self.atspi.Role, role)
        found = [a for n, r, a in self.index if n == name and r == wanted]
        check(len(found) == 1, f"{len(found)} controls named {name!r} with role {role} in the accessibility tree")
        return found[0]

    def extents(self, accessible):
        """Where the control is now, in window coordinates; empty while hidden."""
        _, _, GLib = bindings()
        try:
            e = accessible.get_extents(self.atspi.CoordType.SCREEN)
        except GLib.Error as error:
            raise Failure(f"the accessibility tree gave no extents: {error.message}")
        return Rect(e.x - self.origin[0], e.y - self.origin[1], e.width, e.height)

    def rect(self, name, role):
        return self.extents(self.find(name, role))


# --- the private desktop -------------------------------------------------------

class Desktop:
    """Xvfb and, for the accessibility tree, a D-Bus session bus, the AT-SPI
    bus and its registry: all the test's own. `env` is the environment of a
    program on them. close() stops every process in reverse order of start."""

    def __init__(self, workdir):
        self.workdir = workdir
        self.env = None
        self.atspi_bus = None  # the AT-SPI bus's address
        self.processes = []    # (name, Popen)
        self.logs = []         # (name, path)
        self.connections = []  # Gio.DBusConnection

    def spawn(self, name, args, env, death_signal=signal.SIGKILL, **kwargs):
        path = os.path.join(self.workdir, name + ".log")
        with open(path, "ab") as log:
            process = subprocess.Popen(args, env=env, stdin=subprocess.DEVNULL, stdout=log,
                                       stderr=subprocess.STDOUT, cwd=self.workdir,
                                       preexec_fn=lambda: die_with_parent(death_signal), **kwargs)
        self.logs.append((name, path))
        self.processes.append((name, process))
        return process

    def start(self, accessible):
        self.env = base_env(self._start_xvfb(), self.workdir)
        if accessible:
            self._start_buses()

    def _spawn_answering(self, name, args, env, seconds):
        """Starts `name` with `args`, where "{fd}" stands for a pipe it
        writes one line into once it is ready; that line."""
        read_end, write_end = os.pipe()
        try:
            args = [a.replace("{fd}", str(write_end)) for a in args]
            process = self.spawn(name, args, env, pass_fds=(write_end,))
        except BaseException:
            os.close(read_end)
            raise
        finally:
            os.close(write_end)
        return read_line(read_end, process, name, seconds)

    def _start_xvfb(self):
        """Xvfb on a display it chooses itself; the display's name."""
        args = [require_tool("Xvfb"), "-displayfd", "{fd}", "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                "-noreset"]
        return ":" + self._spawn_answering("Xvfb", args, dict(os.environ), XVFB_START_SECONDS)

    def _start_session_bus(self):
        """A dbus-daemon of the test's own; its address."""
        config = os.path.join(self.workdir, "session-bus.conf")
        with open(config, "w") as f:
            f.write(SESSION_BUS_CONFIG.format(socket=os.path.join(self.workdir, "session-bus")))
        args = [require_tool("dbus-daemon"), "--config-file=" + config, "--nofork", "--nopidfile",
                "--print-address={fd}"]
        return self._spawn_answering("dbus-daemon", args, self.env, BUS_START_SECONDS)

    def _connect(self, address):
        _, Gio, _ = bindings()
        flags = Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION
        connection = Gio.DBusConnection.new_for_address_sync(address, flags, None, None)
        self.connections.append(connection)
        return connection

    def _await(self, process, what, probe):
        """The first true answer of `probe` (a D-Bus call)."""
        _, _, GLib = bindings()
        deadline = time.monotonic() + BUS_START_SECONDS
        while True:
            check(process.poll() is None, f"{what} ended at start (exit code {process.returncode})")
            try:
                answer = probe()
                if answer:
                    return answer
            except GLib.Error:
                pass
            check(time.monotonic() < deadline, f"{what} was not ready within {BUS_START_SECONDS} s")
            time.sleep(0.05)

    def _start_buses(self):
        self.env["DBUS_SESSION_BUS_ADDRESS"] = self._start_session_bus()
        session = self._connect(self.env["DBUS_SESSION_BUS_ADDRESS"])
        # The launcher reads its settings from memory, not from a dconf
        # service. It starts the AT-SPI bus's dbus-daemon as its own child
        # and stops it on SIGTERM, but not when killed: so SIGTERM it is.
        launcher = self.spawn("at-spi-bus-launcher",
                              [require_tool("at-spi-bus-launcher", LIBEXEC), "--launch-immediately", "--a11y=1"],
                              dict(self.env, GSETTINGS_BACKEND="memory"), death_signal=signal.SIGTERM)
        address = self._await(launcher, "at-spi-bus-launcher", lambda: bus_call(
            session, "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress"))
        # Only the registry and the test's own reader get the address: with
        # AT_SPI_BUS_ADDRESS set, Debian 12's Qt never joins the bus; it finds
        # it through the launcher (org.a11y.Bus) on the session bus.
        self.atspi_bus = address
        # Started here rather than on demand by the AT-SPI bus, so that it is
        # the test's child and stops with it.
        registry = self.spawn("at-spi2-registryd", [require_tool("at-spi2-registryd", LIBEXEC)],
                              dict(self.env, AT_SPI_BUS_ADDRESS=address))
        a11y = self._connect(address)
        self._await(registry, "at-spi2-registryd", lambda: name_owned(a11y, REGISTRY))
        self.env.update(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")

    def close(self):
        if self.connections:
            _, _, GLib = bindings()
            for connection in self.connections:
                try:
                    connection.close_sync(None)
                except GLib.Error:
                    pass  # the bus is gone already
        self.connections = []
        for name, process in reversed(self.processes):
            stop(process, name)


# --- the program -----------------------------------------------------------------

class Session(Desktop):
    """The real program on a private desktop: its window and accessibility
    tree, the pointer and keyboard, screenshots."""

    def __init__(self, workdir):
        super().__init__(workdir)
        self.program = self.window = self.tree = None
        self.width = self.height = 0
        self.shots = 0

    def start(self, executable):
        super().start(accessible=True)
        self.program = self.spawn("kettenbrief", [executable], self.env)
        self.window = self._find_window()
        info = x_tool(["xwininfo", "-id", self.window], self.env).decode()
        x, y, self.width, self.height = (
            int(re.search(rf"^\s*{field}:\s*(-?\d+)", info, re.M).group(1))
            for field in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))
        self.tree = Tree(self, self.program, (x, y))
        frame = self.tree.extents(self.tree.frame)
        check(frame == Rect(0, 0, self.width, self.height),
              f"the accessibility tree puts the window at {frame}, the X server at "
              f"({x}, {y}) {self.width} x {self.height}")
        print(f"Xvfb on {self.env['DISPLAY']}, window {self.window}: {self.width} x {self.height}, "
              f"{len(self.tree.index)} accessible objects")

    def _find_window(self):
        try:
            out = x_tool(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^" + re.escape(TITLE) + "$"],
                         self.env, timeout=WINDOW_SECONDS)
        except Failure:
            self.alive()
            raise
        ids = out.decode().split()
        check(len(ids) == 1, f"expected one visible window titled {TITLE!r}, found {ids}")
        return ids[0]

    def alive(self):
        check(self.program.poll() is None, f"kettenbrief ended early with exit code {self.program.returncode}")

    def rect(self, name, role):
        """Where the control with this accessible name and role is now."""
        return self.tree.rect(name, role)

    def shown(self, name, role, seconds=STEP_SECONDS):
        """Where the control is once it shows."""
        deadline = time.monotonic() + seconds
        while (rect := self.rect(name, role)).empty():
            self.alive()
            check(time.monotonic() < deadline, f"{name!r} did not show within {seconds} s")
            time.sleep(0.1)
        return rect

    def xdotool(self, *args):
        x_tool(["xdotool", *[str(a) for a in args]], self.env)

    def move(self, point):
        self.xdotool("mousemove", "--sync", "--window", self.window, *point)

    def click(self, point, times=1):
        self.move(point)
        for _ in range(times):
            self.xdotool("click", 1)
            time.sleep(0.06)

    def key(self, keys):
        self.xdotool("windowfocus", "--sync", self.window)
        self.xdotool("key", "--clearmodifiers", keys)

    def shot(self):
        self.alive()
        return Shot(x_tool(["import", "-window", self.window, "-depth", "8", "ppm:-"], self.env, timeout=15))

    def save(self, shot, name):
        self.shots += 1
        with open(os.path.join(self.workdir, f"{self.shots:02d}-{name}.ppm"), "wb") as f:
            f.write(shot.data)

    def wait_for(self, what, condition=lambda shot: True, region=None, seconds=STEP_SECONDS):
        """The first screenshot that meets `condition` and that the next one,
        0.3 s later, repeats (in `region`, else everywhere): the window has
        finished painting."""
        deadline = time.monotonic() + seconds
        while True:
            last = self.shot()
            if condition(last):
                time.sleep(0.3)
                again = self.shot()
                same = again.area(region) == last.area(region) if region else again.data == last.data
                if same and condition(again):
                    return again
                last = again
            if time.monotonic() > deadline:
                self.save(last, "timeout")
                raise Failure(f"waited {seconds} s in vain for {what}")
            time.sleep(0.15)

    def wait_exit(self, what, seconds=10):
        """The program ends with exit code 0 within `seconds` of `what`."""
        try:
            code = self.program.wait(timeout=seconds)
        except subprocess.TimeoutExpired:
            raise Failure(f"kettenbrief did not end within {seconds} s of {what}")
        check(code == 0, f"kettenbrief ended with exit code {code} after {what}")


# --- a test's run ----------------------------------------------------------------

def print_logs(logs, workdir):
    for name, path in logs:
        if os.path.exists(path) and os.path.getsize(path):
            with open(path, errors="replace") as f:
                print(f"--- output of {name} ---\n{f.read()}", file=sys.stderr)
    print(f"logs and screenshots kept in {workdir}", file=sys.stderr)


def run_test(doc, lesson, prefix, optional_args=0):
    """main() of a test script: `lesson(session, *optional_args)` works the
    started program and returns what passed; a Failure fails the test. The
    work directory is kept, and the logs printed, only after a failure."""
    args = sys.argv[1:]
    if not 1 <= len(args) <= 1 + optional_args:
        print(doc, file=sys.stderr)
        return 2
    stop_on_signals()
    workdir = tempfile.mkdtemp(prefix=prefix)
    session = Session(workdir)
    passed = None
    try:
        executable = os.path.abspath(args[0])
        check(os.access(executable, os.X_OK), f"{executable} is not an executable")
        for tool in ("xdotool", "xwininfo", "import"):
            require_tool(tool)
        session.start(executable)
        passed = lesson(session, *args[1:])
    except Failure as failure:
        print(f"FAIL: {failure}", file=sys.stderr)
    finally:
        session.close()
        if passed is None:
            print_logs(session.logs, workdir)
        else:
            shutil.rmtree(workdir, ignore_errors=True)
    if passed is None:
        return 1
    print(f"PASS: {passed}")
    return 0
