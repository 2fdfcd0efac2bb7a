#!/usr/bin/env python3
"""A lesson with kettenbrief as a class would hold it, worked from the outside.

Starts its own Xvfb and the real program on it (xcb platform) and works the
window with the real pointer and keyboard through xdotool; every check is made
on screenshots (ImageMagick's import):

 1. hovering three buttons puts three different texts into the help line
    (dark red on light grey); hovering the first again gives the same pixels;
 2. ten clicks on the upper arrow of vscStart make A(0) = 20 (twenty start
    players on the field), five on vscFaktor make p = 10 (the field stays);
 3. a quick run: the players on the field match the bar of cycle 10;
 4. a second quick run, "Zielsuche" (the pass shows on the field) and
    "Ergebnis": the players match the bar of cycle 21;
 5. "Vergleich mit Verhulst": the curve's lines have the heights of
    A(n+1) = A(n) * (1 + (p/10) * (1 - A(n)/2500))^t for p = 10, A(0) = 20,
    t = 1; t = 1.5 typed and taken over fades that curve, and the next curve
    has the heights for t = 1.5;
 6. dragging the chart's scroll bar pans the chart by the dragged amount;
 7. F1 shows the explanation with its blue frame over the chart; its "X"
    closes it and leaves the chart as it was;
 8. Ctrl+Q ends the program with exit code 0.

Usage: unterrichtsstunde.py PATH/TO/kettenbrief

Only the standard library is used, plus the helpers of startfenster.py.
"""

import math
import os
import signal
import subprocess
import sys
import tempfile
import time

# No __pycache__ beside the sources.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import startfenster as sf  # noqa: E402  (the shared X helpers)

Failure = sf.Failure
check = sf.check

# --- where everything is ---------------------------------------------------
#
# The design rectangles in twips (left, top, width, height), each relative to
# its parent, as in src/ui/controltable.cpp. Controls::pixelRect turns them
# into pixels at 15 twips per pixel: left = lround(left / 15), top likewise,
# width = lround((left + width) / 15) - left, height likewise.

TWIPS_PER_PIXEL = 15

DESIGN = {
    #  name           parent        left   top    width  height
    "Picture1":     ("",            120,    60,  13275,  9195),
    "Picture2":     ("Picture1",    -60,  -120,  13575,  2355),
    "picHisto":     ("Picture1",   6600,  2400,  25000,  6375),
    "picAusgabe":   ("Picture1",      0,  2400,   6630,  6375),
    "HScroll2":     ("Picture1",      0,  2220,  13275,   195),
    "txtHilfe":     ("Picture1",    -60,  8760,  13575,   435),
    "image2":       ("picHisto",      0,   -60,   6615,  5595),
    "Command8":     ("image2",     6120,   120,    375,   315),
    "Label8":       ("picHisto",    240,  1020,    390,   195),
    "Label2":       ("picHisto",    240,  3600,    390,   195),
    "txtskala2":    ("picHisto",   2100,  6120,    495,   225),
    "Text3":        ("picHisto",  10425,  6120,    315,   285),
    "cmdStart":     ("Picture2",   4320,   780,   2040,   345),
    "cmdZielsuche": ("Picture2",   4320,  1320,    900,   345),
    "cmdErgebnis":  ("Picture2",   4320,  1800,    900,   345),
    "Command2":     ("Picture2",   5580,  1320,    765,   825),
    "Command1":     ("Picture2",   7020,  1320,    765,   810),
    "Text4":        ("Picture2",  10320,  1620,    795,   465),
    "Command3":     ("Picture2",  11160,  1620,   1905,   450),
    "vscStart":     ("Picture2",   1800,   720,    315,   465),
    "vscFaktor":    ("Picture2",   1800,  1260,    315,   465),
    "Command5":     ("",          13380,  2520,    315,   315),
    "Command6":     ("",          13380,  2820,    315,   315),
    "Command7":     ("",          13380,  3120,    315,   315),
}

# HScroll2 runs over 0..24600; the chart's left edge lies at 6600 - value
# twips inside Picture1, so value 0 puts it at its design place.
HSCROLL2_MAXIMUM = 24600
CHART_LEFT_TWIPS = 6600


def lround(value):
    """std::lround: halves away from zero."""
    return int(math.floor(value + 0.5)) if value >= 0 else -int(math.floor(-value + 0.5))


class Rect:
    def __init__(self, x, y, w, h):
        self.x, self.y, self.w, self.h = x, y, w, h

    @property
    def right(self):  # exclusive
        return self.x + self.w

    @property
    def bottom(self):  # exclusive
        return self.y + self.h

    def contains(self, x, y):
        return self.x <= x < self.right and self.y <= y < self.bottom

    def moved(self, dx, dy):
        return Rect(self.x + dx, self.y + dy, self.w, self.h)

    def centre(self):
        return self.x + self.w // 2, self.y + self.h // 2

    def __repr__(self):
        return f"({self.x}, {self.y}) {self.w} x {self.h}"


def pixel_rect(name):
    """The control's rectangle in pixels, relative to its parent."""
    _, left, top, width, height = DESIGN[name]
    x, y = lround(left / TWIPS_PER_PIXEL), lround(top / TWIPS_PER_PIXEL)
    return Rect(x, y, lround((left + width) / TWIPS_PER_PIXEL) - x,
                lround((top + height) / TWIPS_PER_PIXEL) - y)


def client_rect(name, pan=0):
    """The control's rectangle in the client area below the menu bar.

    `pan` is how many pixels the chart has been moved left by HScroll2;
    it moves picHisto and everything on it.
    """
    rect = pixel_rect(name)
    if name == "picHisto":
        rect = rect.moved(-pan, 0)
    parent = DESIGN[name][0]
    if not parent:
        return rect
    origin = client_rect(parent, pan)
    return rect.moved(origin.x, origin.y)


# Picture1 (120, 60) 13275 x 9195: (8, 4) and 885 x 613 px in the client area.
# It clips all its children: client x 8..892, y 4..616.
PICTURE1 = client_rect("Picture1")
# picAusgabe (0, 2400) 6630 x 6375 in Picture1: (0, 160), 442 x 425 px, so
# client (8, 164). It is the front-most child of Picture1 after every
# initialisation and covers the chart's first two columns.
FIELD = client_rect("picAusgabe")
# picHisto (6600, 2400) 25000 x 6375: (440, 160), width lround(31600/15) - 440
# = 1667 px, height 425 px: client (448, 164) while HScroll2 is at 0.
CHART_SIZE = (pixel_rect("picHisto").w, pixel_rect("picHisto").h)
# HScroll2 (0, 2220) 13275 x 195: (0, 148), 885 x 13 px, client (8, 152).
# It lies above the chart (a later sibling) and hides the chart's row 0
# (Picture1 row 160), as the help line txtHilfe (Picture1 rows 584..612)
# hides its row 424.
HSCROLL2 = client_rect("HScroll2")
# txtHilfe (-60, 8760) 13575 x 435: (-4, 584), 905 x 29 px; clipped by
# Picture1 to client x 8..892, y 588..616.
HELP_LINE = client_rect("txtHilfe")
HELP_AREA = Rect(max(HELP_LINE.x, PICTURE1.x), HELP_LINE.y,
                 min(HELP_LINE.right, PICTURE1.right) - max(HELP_LINE.x, PICTURE1.x),
                 min(HELP_LINE.bottom, PICTURE1.bottom) - HELP_LINE.y)
# The chart's rows 1..423 between HScroll2 and the help line, right of the
# field up to Picture1's last column but one (Command5..7 lie on the last).
CHART_VIEW = Rect(FIELD.right, FIELD.y + 1, PICTURE1.right - 1 - FIELD.right, FIELD.h - 2)
# Where the pointer rests between actions: the middle of the help line,
# which has no help text, no tooltip and no hover look of its own.
REST = HELP_AREA.centre()

# Controls that lie above the chart wherever it is panned to; the chart's
# own labels (with its white back colour) move with the chart.
FIXED_COVERS = [FIELD, HSCROLL2, HELP_LINE] + [client_rect(n) for n in ("Command5", "Command6", "Command7")]
CHART_LABELS = ("Label8", "Label2", "txtskala2", "Text3")

# The chart's user coordinates: x = cycle 0..120 left to right, y = players
# 2500..0 top to bottom (Form1::startUp).
CHART_USER = (0.0, 2500.0, 120.0, 0.0)

PLAYERS = 2500
CELLS = 50

RED = (255, 0, 0)
BAR = (200, 20, 20)
VERHULST = (15, 15, 200)
FADED = (200, 200, 255)
CYAN = (0, 255, 255)
HELP_TEXT = (128, 0, 0)
HELP_BACK = (224, 224, 224)
FRAME_BLUE = (0, 0, 255)
PANEL_GREY = (243, 243, 243)

# The explanation picture (src/ui/erlaeuterungsbild.*) is drawn in units of
# 1/600 inch at 96 px per inch, 0.16 px per unit. Its frame is a line 6
# units wide along (3, 3)-(2553, 2166): the right edge covers units
# 2550..2556, the pixels round(408.0)..round(408.96) = column 408; the bottom
# edge units 2163..2169, the pixels round(346.08)..round(347.04) = row 346.
PANEL_PIXELS_PER_UNIT = 96 / 600
FRAME_COLUMN = round(2550 * PANEL_PIXELS_PER_UNIT)
FRAME_ROW = round(2163 * PANEL_PIXELS_PER_UNIT)

START_A0, START_P = 10, 5          # the scroll bars' values at start
LESSON_A0, LESSON_P = 20, 10       # after 10 and 5 clicks on the upper arrows
LESSON_T = 1.5

STEP_SECONDS = 20
QUIT_SECONDS = 10


# --- the surfaces' pixel rules (src/ui/surfacemapping.cpp) ------------------

def pixel_index(device, size):
    clamped = min(max(device, -8.0), size + 8.0)
    index = math.floor(clamped + 1e-4)
    if index == size and clamped <= size + 1e-9 * max(1, size):
        return size - 1
    return index


class Mapping:
    """User coordinates to pixels of a surface of `size` pixels."""

    def __init__(self, user, size):
        left, top, right, bottom = user
        self.sx = size[0] / (right - left)
        self.sy = size[1] / (bottom - top)
        self.dx = -left * self.sx
        self.dy = -top * self.sy
        self.size = size

    def column(self, x):
        return pixel_index(x * self.sx + self.dx, self.size[0])

    def row(self, y):
        return pixel_index(y * self.sy + self.dy, self.size[1])


CHART = Mapping(CHART_USER, CHART_SIZE)


def verhulst(a0, p, t, last=120):
    """A(0..last) of A(n+1) = A(n) * (1 + (p/10) * (1 - A(n)/2500))^t."""
    values = [float(a0)]
    for _ in range(last):
        a = values[-1]
        values.append(a * (1 + (p / 10) * (1 - a / PLAYERS)) ** t)
    return values


# --- screenshots -------------------------------------------------------------

class Shot:
    """A screenshot of the window, addressed in client coordinates."""

    def __init__(self, data, menu_height):
        self.data = data
        tokens, pos = [], 0
        while len(tokens) < 4:
            while data[pos:pos + 1].isspace():
                pos += 1
            if data[pos:pos + 1] == b"#":
                pos = data.index(b"\n", pos)
                continue
            start = pos
            while not data[pos:pos + 1].isspace():
                pos += 1
            tokens.append(data[start:pos])
        check(tokens[0] == b"P6" and tokens[3] == b"255",
              f"the screenshot is no 8-bit binary PPM: {tokens!r}")
        self.width, self.height = int(tokens[1]), int(tokens[2])
        self.offset = pos + 1
        check(len(data) - self.offset >= self.width * self.height * 3, "the screenshot is cut short")
        self.menu = menu_height

    def _at(self, x, y):
        return self.offset + 3 * ((y + self.menu) * self.width + x)

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


# --- the session -------------------------------------------------------------

class Session:
    """Xvfb, the program on it, its window and the pointer and keyboard."""

    def __init__(self, executable, workdir):
        self.workdir = workdir
        self.xvfb = self.program = None
        self.xvfb_log = open(os.path.join(workdir, "xvfb.log"), "wb")
        self.program_log = open(os.path.join(workdir, "kettenbrief.log"), "wb")
        self.xvfb, display = sf.start_xvfb(self.xvfb_log)
        env = {k: v for k, v in os.environ.items()
               if not k.startswith("QT_") and k not in ("WAYLAND_DISPLAY", "XAUTHORITY")}
        env["DISPLAY"] = display
        env["QT_QPA_PLATFORM"] = "xcb"
        env["XDG_RUNTIME_DIR"] = workdir
        self.env = env
        self.program = subprocess.Popen([executable], env=env, stdin=subprocess.DEVNULL,
                                        stdout=self.program_log, stderr=subprocess.STDOUT,
                                        cwd=workdir, preexec_fn=sf._die_with_parent)
        self.window = sf.find_window(env, self.program)
        width, height = sf.window_size(env, self.window)
        check(width == sf.CLIENT_WIDTH and sf.CLIENT_HEIGHT < height < sf.MAX_HEIGHT,
              f"the window is {width} x {height} px: not the client area of "
              f"{sf.CLIENT_WIDTH} x {sf.CLIENT_HEIGHT} px plus a menu bar")
        self.menu = height - sf.CLIENT_HEIGHT
        self.shots = 0
        print(f"Xvfb on {display}, window {self.window}, menu bar {self.menu} px")

    def close(self):
        sf.stop(self.program, "kettenbrief")
        sf.stop(self.xvfb, "Xvfb")
        self.xvfb_log.close()
        self.program_log.close()

    def xdotool(self, *args):
        sf.x_tool(["xdotool", *[str(a) for a in args]], self.env)

    def alive(self):
        check(self.program.poll() is None, f"kettenbrief ended early with exit code {self.program.returncode}")

    def move(self, point):
        x, y = point
        self.xdotool("mousemove", "--sync", "--window", self.window, x, y + self.menu)

    def click(self, point, times=1):
        self.move(point)
        for _ in range(times):
            self.xdotool("click", 1)
            time.sleep(0.06)

    def rest(self):
        self.move(REST)

    def key(self, keys):
        self.xdotool("windowfocus", "--sync", self.window)
        self.xdotool("key", "--clearmodifiers", keys)

    def shot(self):
        self.alive()
        return Shot(sf.screenshot(self.env, self.window), self.menu)

    def save(self, shot, name):
        self.shots += 1
        path = os.path.join(self.workdir, f"{self.shots:02d}-{name}.ppm")
        with open(path, "wb") as f:
            f.write(shot.data)

    def wait_for(self, what, condition=lambda shot: True, region=None, seconds=STEP_SECONDS):
        """The first screenshot that meets `condition` and that the next one,
        0.3 s later, repeats (in `region`, else everywhere): the window has
        finished painting."""
        deadline = time.monotonic() + seconds
        last = None
        while True:
            shot = self.shot()
            if condition(shot):
                time.sleep(0.3)
                again = self.shot()
                same = (again.area(region) == shot.area(region)) if region else again.data == shot.data
                if same and condition(again):
                    return again
                last = again
            else:
                last = shot
            if time.monotonic() > deadline:
                self.save(last, "timeout")
                raise Failure(f"waited {seconds} s in vain for {what}")
            time.sleep(0.15)


# --- reading the field and the chart ----------------------------------------

def red_boxes(shot):
    """The 4-connected regions of pure red on the field, as bounding boxes."""
    wanted = bytes(RED)
    red = set()
    for y in range(FIELD.h):
        row = shot.row_bytes(FIELD.y + y, FIELD.x, FIELD.right)
        for x in range(FIELD.w):
            if row[3 * x:3 * x + 3] == wanted:
                red.add((x, y))
    boxes = []
    while red:
        start = red.pop()
        stack, pixels = [start], 1
        x0 = x1 = start[0]
        y0 = y1 = start[1]
        while stack:
            px, py = stack.pop()
            for n in ((px + 1, py), (px - 1, py), (px, py + 1), (px, py - 1)):
                if n in red:
                    red.remove(n)
                    stack.append(n)
                    pixels += 1
                    x0, x1, y0, y1 = min(x0, n[0]), max(x1, n[0]), min(y0, n[1]), max(y1, n[1])
        boxes.append((x0, y0, x1 - x0 + 1, y1 - y0 + 1, pixels))
    return boxes


def count_players(shot, what):
    """The number of filled red boxes of a cell's size on the field."""
    boxes = red_boxes(shot)
    cell_w, cell_h = FIELD.w / CELLS, FIELD.h / CELLS
    for x, y, w, h, pixels in boxes:
        # A player's box is 0.9 to 1 cell less the grid: 7 to 9 px each way.
        check(cell_w * 0.6 <= w <= cell_w + 1 and cell_h * 0.6 <= h <= cell_h + 1 and pixels == w * h,
              f"{what}: the red region at ({x}, {y}) of the field, {w} x {h} px with {pixels} red, "
              "is no player's box")
    return len(boxes)


def chart_covers(pan):
    return FIXED_COVERS + [client_rect(n, pan) for n in CHART_LABELS]


def chart_visible(pan):
    """visible(column, row) of the chart: inside Picture1 and under nothing."""
    chart = client_rect("picHisto", pan)
    covers = chart_covers(pan)

    def visible(cx, cy):
        x, y = chart.x + cx, chart.y + cy
        return PICTURE1.contains(x, y) and not any(r.contains(x, y) for r in covers)
    return visible


def chart_pixel(shot, pan, cx, cy):
    chart = client_rect("picHisto", pan)
    return shot.pixel(chart.x + cx, chart.y + cy)


def run_top(shot, pan, column, colour):
    """The top row of the run of `colour` that rises from the chart's bottom in
    `column`, over the visible pixels only; None when the lowest visible pixel
    has another colour or none is visible."""
    visible = chart_visible(pan)
    rows = [r for r in range(CHART_SIZE[1]) if visible(column, r)]
    if not rows:
        return None
    top = None
    for r in reversed(rows):
        if chart_pixel(shot, pan, column, r) != colour:
            break
        top = r
    return top


def expected_top(pan, column, value):
    """The top row the run of a line from 0 up to `value` shows: row(value),
    or the highest visible row when row(value) lies under a cover."""
    visible = chart_visible(pan)
    rows = [r for r in range(CHART_SIZE[1]) if visible(column, r)]
    row = CHART.row(value)
    return min((r for r in rows if r >= row), default=None)


def bar_columns(n):
    # A bar is a 3-px line at x = n: the columns column(n) - 1 .. column(n) + 1.
    c = CHART.column(n)
    return (c - 1, c, c + 1)


def bar_present(shot, pan, n):
    return any(run_top(shot, pan, c, BAR) is not None for c in bar_columns(n)
               if chart_visible(pan)(c, CHART_SIZE[1] - 2))


def check_bar_matches_field(shot, n, what):
    players = count_players(shot, what)
    tops = [run_top(shot, 0, c, BAR) for c in bar_columns(n)]
    tops = [t for t in tops if t is not None]
    check(tops, f"{what}: no bar of cycle {n} on the chart")
    top = min(tops)
    # One pixel of the chart's 425 is 2500/425 (about 6) players.
    expected = expected_top(0, bar_columns(n)[0], players)
    check(abs(top - expected) <= 1,
          f"{what}: the field shows {players} players, so the bar of cycle {n} should reach "
          f"row {expected}, but it reaches row {top}")
    print(f"{what}: {players} players on the field, bar of cycle {n} up to row {top} (expected {expected})")
    return players


def verhulst_columns(i):
    # Command1 draws 2-px lines at x = i + 0.3: columns column(i + 0.3) and the one right of it.
    c = CHART.column(i + 0.3)
    return (c, c + 1)


def check_curve(shot, pan, values, colour, what):
    """Every visible column of every line of the curve is `colour` from the
    chart's bottom up to the row of its value (within a pixel)."""
    visible = chart_visible(pan)
    checked = 0
    for i, value in enumerate(values):
        for column in verhulst_columns(i):
            if not 0 <= column < CHART_SIZE[0] or not any(visible(column, r) for r in range(CHART_SIZE[1])):
                continue
            expected = expected_top(pan, column, value)
            top = run_top(shot, pan, column, colour)
            check(top is not None and abs(top - expected) <= 1,
                  f"{what}: the line of cycle {i} (A = {value:.1f}) should be {colour} from row "
                  f"{expected} down, but column {column} shows it from row {top}")
            checked += 1
    check(checked >= 20, f"{what}: only {checked} columns of the curve are in sight")
    print(f"{what}: {checked} columns of {colour} with the expected heights")


# --- the lesson ----------------------------------------------------------------

def hover_help(session, name, before):
    session.move(client_rect(name).centre())
    shot = session.wait_for(f"the help text of {name}",
                            lambda s: s.area(HELP_AREA) != before, region=HELP_AREA)
    area = shot.area(HELP_AREA)
    text = shot.count(HELP_AREA, HELP_TEXT)
    back = shot.count(HELP_AREA, HELP_BACK)
    check(text >= 20, f"the help line over {name} shows only {text} pixels of the help text's dark red")
    check(back > HELP_AREA.w * HELP_AREA.h // 2,
          f"the help line over {name} is not mostly its light grey ({back} px)")
    print(f"help line over {name}: {text} dark red px on {back} grey px")
    return area


def help_texts(session):
    session.rest()
    blank = session.wait_for("the window at rest").area(HELP_AREA)
    seen = {}
    previous = blank
    for name in ("cmdStart", "cmdZielsuche", "Command1"):
        seen[name] = previous = hover_help(session, name, previous)
    check(len(set(seen.values())) == 3, "two of the three controls show the same help line")
    again = hover_help(session, "cmdStart", previous)
    check(again == seen["cmdStart"], "hovering cmdStart a second time shows another help line")
    session.rest()


def upper_arrow(name):
    # Fusion splits a bar too short for a groove (31 px) into its two arrow
    # buttons; the upper quarter lies in the upper arrow.
    rect = client_rect(name)
    return rect.x + rect.w // 2, rect.y + rect.h // 4


def parameters(session):
    session.click(upper_arrow("vscStart"), LESSON_A0 - START_A0)
    session.rest()
    # Every change of A(0) starts a new game with that many players.
    shot = session.wait_for(f"{LESSON_A0} start players",
                            lambda s: len(red_boxes(s)) == LESSON_A0)
    check(count_players(shot, "after A(0) = 20") == LESSON_A0, "the start players are no boxes")
    session.save(shot, "a0")
    field = shot.area(FIELD)

    session.click(upper_arrow("vscFaktor"), LESSON_P - START_P)
    session.rest()
    shot = session.wait_for("the window after p = 10")
    # p only takes effect with the next pass; the game stays as it is.
    check(shot.area(FIELD) == field, "changing p changed the field")


def quick_run(session, last_cycle):
    session.click(client_rect("Command2").centre())
    session.rest()
    return session.wait_for(f"the bar of cycle {last_cycle}",
                            lambda s: bar_present(s, 0, last_cycle), seconds=60)


def cycles(session):
    shot = quick_run(session, 10)
    session.save(shot, "quick-run-1")
    check(not bar_present(shot, 0, 11), "a bar of cycle 11 after ten cycles")
    missing = [n for n in range(1, 11) if not bar_present(shot, 0, n)]
    check(not missing, f"no bars of cycles {missing} after ten cycles")
    check_bar_matches_field(shot, 10, "after the first quick run")

    shot = quick_run(session, 20)
    session.save(shot, "quick-run-2")
    check(not bar_present(shot, 0, 21), "a bar of cycle 21 after twenty cycles")

    session.click(client_rect("cmdZielsuche").centre())
    session.rest()
    # The pass draws every recruitment attempt as a cyan line on the field.
    shot = session.wait_for("the pass on the field", lambda s: s.count(FIELD, CYAN) > 0)
    session.save(shot, "zielsuche")

    session.click(client_rect("cmdErgebnis").centre())
    session.rest()
    shot = session.wait_for("the bar of cycle 21", lambda s: bar_present(s, 0, 21))
    session.save(shot, "ergebnis")
    check(shot.count(FIELD, CYAN) == 0, "the commit left the pass's lines on the field")
    check_bar_matches_field(shot, 21, "after cycle 21")


def curve_drawn(colour):
    return lambda s: run_top(s, 0, verhulst_columns(5)[0], colour) is not None


def curves(session):
    first = verhulst(LESSON_A0, LESSON_P, 1.0)
    second = verhulst(LESSON_A0, LESSON_P, LESSON_T)

    session.click(client_rect("Command1").centre())
    session.rest()
    shot = session.wait_for("the Verhulst curve", curve_drawn(VERHULST))
    session.save(shot, "verhulst-t1")
    check_curve(shot, 0, first, VERHULST, "curve for t = 1")

    # Select Text4's text with a triple click and type over it.
    session.click(client_rect("Text4").centre(), 3)
    session.xdotool("type", "--delay", 60, f"{LESSON_T}")
    session.click(client_rect("Command3").centre())
    session.rest()
    shot = session.wait_for("the faded curve", curve_drawn(FADED))
    session.save(shot, "faded")
    # Command3 draws the last curve again in the pale colour, then takes t over.
    check_curve(shot, 0, first, FADED, "faded curve for t = 1")
    check(shot.count(CHART_VIEW, VERHULST) == 0, "dark blue lines are left after fading")

    session.click(client_rect("Command1").centre())
    session.rest()
    shot = session.wait_for("the curve for t = 1.5", curve_drawn(VERHULST))
    session.save(shot, "verhulst-t15")
    check_curve(shot, 0, second, VERHULST, "curve for t = 1.5")
    return shot, second


def find_pan(before, after):
    """The shift in pixels that carries the chart of `before` onto `after`:
    every visible row of the chart beside the field agrees."""
    x0, x1 = CHART_VIEW.x, CHART_VIEW.right
    rows = range(CHART_VIEW.y, CHART_VIEW.bottom)
    found = []
    for shift in range(1, x1 - x0):
        if all(after.row_bytes(y, x0, x1 - shift) == before.row_bytes(y, x0 + shift, x1) for y in rows):
            found.append(shift)
    return found


def pan(session, before, second):
    # Drag HScroll2's thumb to the right. The thumb sits at the bar's left end
    # right of the arrow button (Fusion's arrow buttons are as long as the
    # bar is high).
    drag = 100
    bar_y = HSCROLL2.y + HSCROLL2.h // 2
    grab = HSCROLL2.x + HSCROLL2.h + 8
    session.move((grab, bar_y))
    session.xdotool("mousedown", 1)
    for step in range(1, 11):
        session.move((grab + drag * step // 10, bar_y))
        time.sleep(0.03)
    session.xdotool("mouseup", 1)
    session.rest()
    shot = session.wait_for("the panned chart", lambda s: s.area(CHART_VIEW) != before.area(CHART_VIEW))
    session.save(shot, "panned")

    # The thumb: the pixels of the bar's middle row that changed form two
    # runs, where it was and where it is now.
    old = before.row_bytes(bar_y, HSCROLL2.x, HSCROLL2.right)
    new = shot.row_bytes(bar_y, HSCROLL2.x, HSCROLL2.right)
    changed = [x for x in range(HSCROLL2.w) if old[3 * x:3 * x + 3] != new[3 * x:3 * x + 3]]
    runs = []
    for x in changed:
        if runs and x <= runs[-1][1] + 2:
            runs[-1][1] = x
        else:
            runs.append([x, x])
    check(len(runs) == 2, f"the scroll bar's thumb did not move as dragged: changed runs {runs}")
    moved = runs[1][0] - runs[0][0]
    thumb = runs[0][1] - runs[0][0] + 1
    check(abs(moved - drag) <= 1, f"the thumb moved {moved} px for a drag of {drag} px")
    # Qt maps the thumb's travel (the bar less both arrows and the thumb) onto
    # 0..24600; the chart's left edge is at 6600 - value twips.
    travel = HSCROLL2.w - 2 * HSCROLL2.h - thumb
    value = round(HSCROLL2_MAXIMUM * drag / travel)
    expected = pixel_rect("picHisto").x - lround((CHART_LEFT_TWIPS - value) / TWIPS_PER_PIXEL)

    shifts = find_pan(before, shot)
    check(len(shifts) == 1, f"the chart after the drag is no single shift of the one before: {shifts}")
    shift = shifts[0]
    check(abs(shift - expected) <= 2,
          f"the chart moved {shift} px for a drag of {drag} px (value about {value}), not {expected} px")
    print(f"pan: the thumb moved {moved} px, the chart {shift} px (expected {expected})")
    # What came into sight is the rest of the same curve.
    check_curve(shot, shift, second, VERHULST, "curve for t = 1.5 after panning")
    return shot, shift


def explanation(session, before, shift):
    chart = client_rect("picHisto", shift)
    panel = client_rect("image2", shift)
    covers = chart_covers(shift)

    def seen(x, y):
        return (PICTURE1.contains(x, y) and chart.contains(x, y)
                and not any(r.contains(x, y) for r in covers))

    button = client_rect("Command8", shift)
    frame_x = panel.x + FRAME_COLUMN
    frame_y = panel.y + FRAME_ROW

    def frame_shown(shot):
        return shot.pixel(frame_x, frame_y - 40) == FRAME_BLUE

    session.key("F1")
    shot = session.wait_for("the explanation", frame_shown)
    session.save(shot, "explanation")
    # The right edge of the frame runs from the chart's top to the bottom
    # edge, except where the "X" button lies on it.
    column = [y for y in range(chart.y, frame_y + 1) if seen(frame_x, y) and not button.contains(frame_x, y)]
    check(len(column) > 250 and all(shot.pixel(frame_x, y) == FRAME_BLUE for y in column),
          f"the explanation's frame is not blue all along x = {frame_x} "
          f"({sum(1 for y in column if shot.pixel(frame_x, y) == FRAME_BLUE)} of {len(column)} px)")
    # The last line of text lies below the frame and its capitals reach
    # across the bottom edge: most of it is blue, not all.
    row = [x for x in range(panel.x, frame_x + 1) if seen(x, frame_y)]
    blue = sum(1 for x in row if shot.pixel(x, frame_y) == FRAME_BLUE)
    check(len(row) > 100 and blue >= 0.8 * len(row),
          f"the explanation's frame is not blue along y = {frame_y}: {blue} of {len(row)} px")
    inside = Rect(max(panel.x, FIELD.right), chart.y + 1, frame_x - max(panel.x, FIELD.right), FRAME_ROW - 8)
    grey = shot.count(inside, PANEL_GREY)
    check(grey > inside.w * inside.h // 2, f"the explanation is not mostly its light grey ({grey} px)")
    changed = sum(1 for y in range(inside.y, inside.bottom)
                  if shot.row_bytes(y, inside.x, inside.right) != before.row_bytes(y, inside.x, inside.right))
    check(changed == inside.h, f"the explanation left {inside.h - changed} rows of the chart unchanged")
    print(f"explanation: frame at ({frame_x}, {frame_y}), {grey} grey px inside")

    session.click(button.centre())
    session.rest()
    shot = session.wait_for("the explanation to close", lambda s: not frame_shown(s))
    session.save(shot, "closed")
    # Everything below the scroll bar but the help line: the field and the chart.
    below = Rect(PICTURE1.x, HSCROLL2.bottom, PICTURE1.w, HELP_LINE.y - HSCROLL2.bottom)
    check(shot.area(below) == before.area(below), "the field or the chart differ after the explanation closed")


def lesson(session):
    """The lesson up to closing the explanation; the program keeps running."""
    steps = [("help texts", lambda: help_texts(session)),
             ("A(0) and p", lambda: parameters(session)),
             ("cycles", lambda: cycles(session))]
    for name, step in steps:
        started = time.monotonic()
        step()
        print(f"-- {name}: {time.monotonic() - started:.1f} s")
    started = time.monotonic()
    shot, second = curves(session)
    print(f"-- curves: {time.monotonic() - started:.1f} s")
    started = time.monotonic()
    shot, shift = pan(session, shot, second)
    print(f"-- pan: {time.monotonic() - started:.1f} s")
    started = time.monotonic()
    explanation(session, shot, shift)
    print(f"-- explanation: {time.monotonic() - started:.1f} s")


def quit_program(session):
    session.key("ctrl+q")
    try:
        code = session.program.wait(timeout=QUIT_SECONDS)
    except subprocess.TimeoutExpired:
        raise Failure(f"kettenbrief did not end within {QUIT_SECONDS} s of Ctrl+Q")
    check(code == 0, f"kettenbrief ended with exit code {code} after Ctrl+Q")


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    executable = os.path.abspath(sys.argv[1])
    check(os.access(executable, os.X_OK), f"{executable} is not an executable")
    for tool in ("xdotool", "xwininfo", "import"):
        sf.require_tool(tool)
    signal.signal(signal.SIGTERM, sf._stop_on_signal)
    signal.signal(signal.SIGHUP, sf._stop_on_signal)

    workdir = tempfile.mkdtemp(prefix="kettenbrief-lesson-")
    session = None
    passed = False
    started = time.monotonic()
    try:
        session = Session(executable, workdir)
        lesson(session)
        quit_program(session)
        passed = True
    except Failure as failure:
        print(f"FAIL: {failure}", file=sys.stderr)
    finally:
        if session is not None:
            session.close()
        sf.logs_or_cleanup(passed, workdir, [(name, os.path.join(workdir, name))
                                             for name in ("kettenbrief.log", "xvfb.log")])
    if passed:
        print(f"PASS: the lesson ran as expected in {time.monotonic() - started:.0f} s; Ctrl+Q ended it")
        return 0
    return 1


if __name__ == "__main__":
    sys.exit(main())
