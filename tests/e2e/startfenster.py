#!/usr/bin/env python3
"""The window of kettenbrief right after start, seen from the outside.

Starts its own Xvfb, runs the real program on it (xcb platform), finds the
window "Nivra1.0", checks its size, takes a screenshot with ImageMagick and
counts the red start players on the field. Then it quits the program through
its menu (Alt+B, "Programm beenden") and expects a clean exit.

Usage: startfenster.py PATH/TO/kettenbrief [SAVE_SCREENSHOT.ppm]

Only the standard library is used; the X tools come from Debian's packages
xvfb, xdotool, x11-utils and imagemagick.
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
CLIENT_WIDTH = 916
CLIENT_HEIGHT = 629
# The largest menu bar that is still plausible for one line of menus.
MAX_HEIGHT = 700
# The field "picAusgabe" inside the client area: panel Picture1 at (8, 4),
# the field at (0, 160) inside it.
FIELD_X, FIELD_Y = 8, 4 + 160
FIELD_WIDTH, FIELD_HEIGHT = 442, 425
FIELD_CELLS = 50

RED = (255, 0, 0)
GRID = (100, 100, 100)
BLACK = (0, 0, 0)
START_PLAYERS = 10

XVFB_START_SECONDS = 10
WINDOW_SECONDS = 25
STABLE_PICTURE_SECONDS = 15
QUIT_SECONDS = 10


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


# --- processes -------------------------------------------------------------

_libc = ctypes.CDLL(None, use_errno=True)
_PR_SET_PDEATHSIG = 1


def _die_with_parent():
    # Should this script be killed outright (ctest's timeout), the X server
    # and the program go with it instead of staying behind.
    _libc.prctl(_PR_SET_PDEATHSIG, signal.SIGKILL)


def _stop_on_signal(signum, _frame):
    raise SystemExit(128 + signum)


def require_tool(name):
    path = shutil.which(name)
    check(path is not None, f"{name} not found; scripts/install-deps.sh installs it")
    return path


def stop(process, name):
    if process is None or process.poll() is not None:
        return
    process.terminate()
    try:
        process.wait(timeout=5)
    except subprocess.TimeoutExpired:
        print(f"{name} did not stop on SIGTERM, killing it", file=sys.stderr)
        process.kill()
        process.wait()


def start_xvfb(log):
    """Starts Xvfb on a display it chooses itself; returns (process, display)."""
    xvfb = require_tool("Xvfb")
    read_end, write_end = os.pipe()
    process = subprocess.Popen(
        [xvfb, "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
         "-nolisten", "tcp", "-noreset"],
        stdin=subprocess.DEVNULL, stdout=log, stderr=log,
        pass_fds=(write_end,), preexec_fn=_die_with_parent)
    os.close(write_end)
    number = b""
    deadline = time.monotonic() + XVFB_START_SECONDS
    try:
        while not number.endswith(b"\n"):
            remaining = deadline - time.monotonic()
            check(remaining > 0, f"Xvfb named no display within {XVFB_START_SECONDS} s")
            ready, _, _ = select.select([read_end], [], [], remaining)
            if not ready:
                continue
            chunk = os.read(read_end, 64)
            check(chunk, f"Xvfb ended before naming a display (exit code {process.poll()})")
            number += chunk
    except BaseException:
        stop(process, "Xvfb")
        raise
    finally:
        os.close(read_end)
    return process, ":" + number.decode().strip()


def x_tool(args, env, timeout=10):
    try:
        result = subprocess.run(args, env=env, stdin=subprocess.DEVNULL,
                                capture_output=True, timeout=timeout)
    except subprocess.TimeoutExpired:
        raise Failure(f"{' '.join(args)} did not finish within {timeout} s")
    check(result.returncode == 0,
          f"{' '.join(args)} failed ({result.returncode}): {result.stderr.decode(errors='replace')}")
    return result.stdout


# --- the window ------------------------------------------------------------

def find_window(env, program):
    try:
        out = x_tool(["xdotool", "search", "--sync", "--onlyvisible", "--name",
                      "^" + re.escape(TITLE) + "$"], env, timeout=WINDOW_SECONDS)
    except Failure:
        check(program.poll() is None, f"kettenbrief ended early with exit code {program.returncode}")
        raise
    ids = out.decode().split()
    check(len(ids) == 1, f"expected one visible window titled {TITLE!r}, found {ids}")
    return ids[0]


def window_size(env, window):
    info = x_tool(["xwininfo", "-id", window], env).decode()
    width = re.search(r"^\s*Width:\s*(\d+)", info, re.M)
    height = re.search(r"^\s*Height:\s*(\d+)", info, re.M)
    check(width and height, f"xwininfo gave no size:\n{info}")
    return int(width.group(1)), int(height.group(1))


def parse_ppm(data):
    """(width, height, rows of RGB tuples) of a binary PPM (P6)."""
    tokens = []
    pos = 0
    while len(tokens) < 4:
        while pos < len(data) and data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            while pos < len(data) and data[pos:pos + 1] != b"\n":
                pos += 1
            continue
        start = pos
        while pos < len(data) and not data[pos:pos + 1].isspace():
            pos += 1
        check(pos > start, "the screenshot is not a complete PPM")
        tokens.append(data[start:pos])
    pos += 1  # the single whitespace after maxval
    check(tokens[0] == b"P6", f"the screenshot is not a binary PPM but {tokens[0]!r}")
    width, height, maxval = (int(t) for t in tokens[1:])
    sample = 1 if maxval < 256 else 2
    check(len(data) - pos >= width * height * 3 * sample, "the screenshot's pixels are cut short")
    rows = []
    for y in range(height):
        row = []
        base = pos + y * width * 3 * sample
        for x in range(width):
            p = base + x * 3 * sample
            if sample == 1:
                rgb = tuple(data[p:p + 3])
            else:
                rgb = tuple(int.from_bytes(data[p + 2 * i:p + 2 * i + 2], "big") for i in range(3))
            if maxval != 255:
                rgb = tuple(round(v * 255 / maxval) for v in rgb)
            row.append(rgb)
        rows.append(row)
    return width, height, rows


def screenshot(env, window):
    return x_tool(["import", "-window", window, "-depth", "8", "ppm:-"], env, timeout=15)


def stable_screenshot(env, window, program):
    """A screenshot that two captures in a row agree on: the window has painted."""
    deadline = time.monotonic() + STABLE_PICTURE_SECONDS
    previous = None
    while True:
        check(program.poll() is None, f"kettenbrief ended early with exit code {program.returncode}")
        current = screenshot(env, window)
        if current == previous:
            return current
        check(time.monotonic() < deadline,
              f"the window kept changing for {STABLE_PICTURE_SECONDS} s")
        previous = current
        time.sleep(0.4)


def red_regions(rows, left, top, width, height):
    """Bounding boxes and sizes of the 4-connected regions of pure red."""
    seen = set()
    regions = []
    for y in range(top, top + height):
        for x in range(left, left + width):
            if rows[y][x] != RED or (x, y) in seen:
                continue
            seen.add((x, y))
            stack = [(x, y)]
            pixels = 0
            x0 = x1 = x
            y0 = y1 = y
            while stack:
                px, py = stack.pop()
                pixels += 1
                x0, x1, y0, y1 = min(x0, px), max(x1, px), min(y0, py), max(y1, py)
                for nx, ny in ((px + 1, py), (px - 1, py), (px, py + 1), (px, py - 1)):
                    if (left <= nx < left + width and top <= ny < top + height
                            and (nx, ny) not in seen and rows[ny][nx] == RED):
                        seen.add((nx, ny))
                        stack.append((nx, ny))
            regions.append({"x": x0, "y": y0, "w": x1 - x0 + 1, "h": y1 - y0 + 1, "pixels": pixels})
    return regions


def check_field(width, height, rows, menu_height):
    left, top = FIELD_X, menu_height + FIELD_Y
    check(left + FIELD_WIDTH <= width and top + FIELD_HEIGHT <= height,
          f"the field at ({left}, {top}) does not fit into the {width} x {height} screenshot")
    field = [row[left:left + FIELD_WIDTH] for row in rows[top:top + FIELD_HEIGHT]]

    total = FIELD_WIDTH * FIELD_HEIGHT
    black = sum(row.count(BLACK) for row in field)
    check(black > total // 2, f"the field is not black: {black} of {total} pixels are")

    # Grid lines: columns and rows of the field that are mostly grid grey.
    grid_columns = sum(1 for x in range(FIELD_WIDTH)
                       if sum(1 for row in field if row[x] == GRID) > FIELD_HEIGHT // 2)
    grid_rows = sum(1 for row in field if row.count(GRID) > FIELD_WIDTH // 2)
    check(FIELD_CELLS - 5 <= grid_columns <= FIELD_CELLS + 1 and
          FIELD_CELLS - 5 <= grid_rows <= FIELD_CELLS + 1,
          f"the field shows no 50 x 50 grid: {grid_columns} grid columns, {grid_rows} grid rows")

    regions = red_regions(rows, left, top, FIELD_WIDTH, FIELD_HEIGHT)
    print(f"red regions on the field: {len(regions)}")
    for r in regions:
        print(f"  at ({r['x'] - left}, {r['y'] - top}) in the field: {r['w']} x {r['h']}, {r['pixels']} px")
    check(len(regions) == START_PLAYERS,
          f"expected {START_PLAYERS} red start players on the field, found {len(regions)}")

    cell_width = FIELD_WIDTH / FIELD_CELLS
    cell_height = FIELD_HEIGHT / FIELD_CELLS
    for r in regions:
        # A filled box of 0.9 cells: about 8 x 8 px, not a line or a blot.
        check(cell_width * 0.6 <= r["w"] <= cell_width + 1 and
              cell_height * 0.6 <= r["h"] <= cell_height + 1,
              f"a red region of {r['w']} x {r['h']} px is no start player's box")
        check(r["pixels"] == r["w"] * r["h"],
              f"the red region at ({r['x']}, {r['y']}) is not a filled box")
    return regions


def report_outside_field(width, height, rows, field_regions):
    # Icons elsewhere in the window may use pure red too; they are no players
    # and are only listed here.
    everywhere = red_regions(rows, 0, 0, width, height)
    print(f"red regions elsewhere in the window (icons): {len(everywhere) - len(field_regions)}")


# --- the run ---------------------------------------------------------------

def quit_through_menu(env, window, program):
    x_tool(["xdotool", "windowfocus", "--sync", window], env)
    x_tool(["xdotool", "key", "--clearmodifiers", "alt+b"], env)
    try:
        code = program.wait(timeout=QUIT_SECONDS)
    except subprocess.TimeoutExpired:
        raise Failure(f"kettenbrief did not end within {QUIT_SECONDS} s of Alt+B (Programm beenden)")
    check(code == 0, f"kettenbrief ended with exit code {code}")


def logs_or_cleanup(passed, workdir, logs):
    """After a failure print the logs (name, path) and keep workdir; else remove it."""
    if passed:
        shutil.rmtree(workdir, ignore_errors=True)
        return
    for name, path in logs:
        if os.path.exists(path) and os.path.getsize(path):
            with open(path, errors="replace") as f:
                print(f"--- output of {name} ---\n{f.read()}", file=sys.stderr)
    print(f"logs and screenshots kept in {workdir}", file=sys.stderr)


def main():
    if len(sys.argv) not in (2, 3):
        print(__doc__, file=sys.stderr)
        return 2
    executable = os.path.abspath(sys.argv[1])
    save_as = sys.argv[2] if len(sys.argv) == 3 else None
    check(os.access(executable, os.X_OK), f"{executable} is not an executable")
    for tool in ("xdotool", "xwininfo", "import"):
        require_tool(tool)

    signal.signal(signal.SIGTERM, _stop_on_signal)
    signal.signal(signal.SIGHUP, _stop_on_signal)

    workdir = tempfile.mkdtemp(prefix="kettenbrief-e2e-")
    xvfb_log_path = os.path.join(workdir, "xvfb.log")
    program_log_path = os.path.join(workdir, "kettenbrief.log")
    xvfb = program = None
    passed = False
    try:
        with open(xvfb_log_path, "wb") as xvfb_log, open(program_log_path, "wb") as program_log:
            xvfb, display = start_xvfb(xvfb_log)
            print(f"Xvfb on display {display}")

            env = {k: v for k, v in os.environ.items()
                   if not k.startswith("QT_") and k not in ("WAYLAND_DISPLAY", "XAUTHORITY")}
            env["DISPLAY"] = display
            env["QT_QPA_PLATFORM"] = "xcb"
            env["XDG_RUNTIME_DIR"] = workdir
            program = subprocess.Popen([executable], env=env, stdin=subprocess.DEVNULL,
                                       stdout=program_log, stderr=subprocess.STDOUT,
                                       cwd=workdir, preexec_fn=_die_with_parent)

            window = find_window(env, program)
            width, height = window_size(env, window)
            print(f"window {window}: {width} x {height}")
            check(width == CLIENT_WIDTH, f"the window is {width} px wide, not {CLIENT_WIDTH}")
            check(CLIENT_HEIGHT < height < MAX_HEIGHT,
                  f"the window is {height} px high: not the client area of {CLIENT_HEIGHT} px "
                  "plus a menu bar")
            menu_height = height - CLIENT_HEIGHT

            data = stable_screenshot(env, window, program)
            with open(os.path.join(workdir, "fenster.ppm"), "wb") as f:
                f.write(data)
            if save_as:
                with open(save_as, "wb") as f:
                    f.write(data)
            shot_width, shot_height, rows = parse_ppm(data)
            check((shot_width, shot_height) == (width, height),
                  f"the screenshot is {shot_width} x {shot_height}, the window {width} x {height}")

            regions = check_field(shot_width, shot_height, rows, menu_height)
            report_outside_field(shot_width, shot_height, rows, regions)

            quit_through_menu(env, window, program)
            passed = True
    except Failure as failure:
        print(f"FAIL: {failure}", file=sys.stderr)
    finally:
        stop(program, "kettenbrief")
        stop(xvfb, "Xvfb")
        logs_or_cleanup(passed, workdir, (("kettenbrief", program_log_path), ("Xvfb", xvfb_log_path)))
    if passed:
        print("PASS: window, field and ten start players as expected; quit through the menu")
        return 0
    return 1


if __name__ == "__main__":
    sys.exit(main())
