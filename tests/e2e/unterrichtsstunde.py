#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A lesson with kettenbrief as a class would hold it, worked from the outside.

Starts its own Xvfb and the real program on it (xcb platform) and works the
window with the real pointer and keyboard through xdotool; every check is made
on screenshots (ImageMagick's import). Where the controls are, and where the
chart lies after panning, comes from the program's accessibility tree:

 1. hovering three buttons puts three different texts into the help line
    (dark red on light grey); hovering the first again gives the same pixels;
 2. ten clicks on the upper arrow of "Startwert A(0) einstellen" make
    A(0) = 20 (twenty start players on the field), five on "Wachstumsrate p
    einstellen" make p = 10 (the field stays);
 3. a quick run: the players on the field match the bar of cycle 10;
 4. a second quick run, "Zielsuche" (the pass shows on the field) and
    "Ergebnis": the players match the bar of cycle 21;
 5. "Vergleich mit Verhulst": the curve's lines have the heights of
    A(n+1) = A(n) * (1 + (p/10) * (1 - A(n)/2500))^t for p = 10, A(0) = 20,
    t = 1; t = 1.5 typed and taken over fades that curve, and the next curve
    has the heights for t = 1.5;
 6. dragging the chart's scroll bar moves its thumb as dragged, and the
    screenshot shows the chart moved by as much as the tree says it moved;
 7. F1 shows the explanation with its blue frame over the chart; its "X"
    closes it and leaves the chart as it was;
 8. Ctrl+Q ends the program with exit code 0.

Usage: unterrichtsstunde.py PATH/TO/kettenbrief

The helpers (processes, buses, tree, pointer, screenshots) are e2ehilfe's.
"""

import math
import os
import sys
import time

# No __pycache__ beside the sources.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import e2ehilfe as e2e  # noqa: E402
from e2ehilfe import Rect, check  # noqa: E402

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

# Accessible names and roles of the controls the lesson works.
CHART = ("Balkendiagramm", "FILLER")
EXPLANATION = ("Erläuterung", "FILLER")
CLOSE_EXPLANATION = ("Erläuterung schließen", "PUSH_BUTTON")
# The chart's own labels, with its white back colour, move with the chart.
CHART_LABELS = (("2000", "LABEL"), ("1000", "LABEL"),
                ("Achsenbeschriftung Zyklus 10", "TEXT"), ("Achsenbeschriftung Zyklus 50", "TEXT"))
SIDE_BUTTONS = ("Diagramm löschen", "Histogramm in den Vordergrund", "Spielfeld in den Vordergrund")


def button(session, name):
    return session.rect(name, "PUSH_BUTTON")


class Layout:
    """Where the controls that never move are, in window coordinates."""

    def __init__(self, session):
        # The panel "Programmfenster" clips all its children.
        self.panel = session.rect("Programmfenster", "FILLER")
        self.field = session.rect("Spielfeld", "FILLER")
        # The chart's scroll bar lies above the chart and hides its row 0, as
        # the help line hides its last row.
        self.hscroll = session.rect("Diagramm verschieben", "SCROLL_BAR")
        self.help_line = session.rect("Hilfezeile", "TEXT")
        self.help_area = self.help_line.intersected(self.panel)
        side = [button(session, name) for name in SIDE_BUTTONS]
        self.covers = [self.field, self.hscroll, self.help_line] + side
        # The chart's rows between scroll bar and help line, right of the
        # field up to the buttons beside the panel's last column.
        chart = session.rect(*CHART)
        right = min([self.panel.right] + [r.x for r in side])
        self.chart_view = Rect(self.field.right, chart.y + 1, right - self.field.right, chart.h - 2)
        # Where the pointer rests between actions: the middle of the help
        # line, which has no help text, no tooltip and no hover look of its own.
        self.rest = self.help_area.centre()


# --- the chart's pixels (src/ui/surfacemapping.cpp) ----------------------------

def pixel_index(device, size):
    clamped = min(max(device, -8.0), size + 8.0)
    index = math.floor(clamped + 1e-4)
    if index == size and clamped <= size + 1e-9 * max(1, size):
        return size - 1
    return index


class Chart:
    """The chart where it lies now: its user coordinates mapped onto its
    pixels, and which of them show, inside the panel and under nothing."""

    def __init__(self, session, layout):
        self.rect = session.rect(*CHART)
        self.panel = layout.panel
        self.covers = layout.covers + [session.rect(*label) for label in CHART_LABELS]
        left, top, right, bottom = CHART_USER
        self.sx = self.rect.w / (right - left)
        self.sy = self.rect.h / (bottom - top)
        self.dx = -left * self.sx
        self.dy = -top * self.sy
        self.rows = {}

    def column(self, x):
        return pixel_index(x * self.sx + self.dx, self.rect.w)

    def row(self, y):
        return pixel_index(y * self.sy + self.dy, self.rect.h)

    def seen(self, x, y):
        """Whether the window's pixel (x, y) shows the chart."""
        return (self.panel.contains(x, y) and self.rect.contains(x, y)
                and not any(r.contains(x, y) for r in self.covers))

    def visible_rows(self, column):
        if column not in self.rows:
            x = self.rect.x + column
            self.rows[column] = [r for r in range(self.rect.h) if self.seen(x, self.rect.y + r)]
        return self.rows[column]

    def pixel(self, shot, column, row):
        return shot.pixel(self.rect.x + column, self.rect.y + row)

    def run_top(self, shot, column, colour):
        """The top row of the run of `colour` that rises from the chart's
        bottom in `column`, over the visible pixels only; None when the lowest
        visible pixel has another colour or none is visible."""
        top = None
        for r in reversed(self.visible_rows(column)):
            if self.pixel(shot, column, r) != colour:
                break
            top = r
        return top

    def expected_top(self, column, value):
        """The top row the run of a line from 0 up to `value` shows: row(value),
        or the highest visible row when row(value) lies under a cover."""
        row = self.row(value)
        return min((r for r in self.visible_rows(column) if r >= row), default=None)


def verhulst(a0, p, t, last=120):
    """A(0..last) of A(n+1) = A(n) * (1 + (p/10) * (1 - A(n)/2500))^t."""
    values = [float(a0)]
    for _ in range(last):
        a = values[-1]
        values.append(a * (1 + (p / 10) * (1 - a / PLAYERS)) ** t)
    return values


# --- reading the field and the chart ----------------------------------------

def count_players(shot, field, what):
    """The number of filled red boxes of a cell's size on the field."""
    boxes = shot.regions(field, RED)
    cell_w, cell_h = field.w / CELLS, field.h / CELLS
    for x, y, w, h, pixels in boxes:
        # A player's box is 0.9 to 1 cell less the grid: 7 to 9 px each way.
        check(cell_w * 0.6 <= w <= cell_w + 1 and cell_h * 0.6 <= h <= cell_h + 1 and pixels == w * h,
              f"{what}: the red region at ({x}, {y}) of the field, {w} x {h} px with {pixels} red, "
              "is no player's box")
    return len(boxes)


def bar_columns(chart, n):
    # A bar is a 3-px line at x = n: the columns column(n) - 1 .. column(n) + 1.
    c = chart.column(n)
    return (c - 1, c, c + 1)


def bar_present(shot, chart, n):
    return any(chart.run_top(shot, c, BAR) is not None for c in bar_columns(chart, n)
               if chart.rect.h - 2 in chart.visible_rows(c))


def check_bar_matches_field(shot, layout, chart, n, what):
    players = count_players(shot, layout.field, what)
    tops = [t for t in (chart.run_top(shot, c, BAR) for c in bar_columns(chart, n)) if t is not None]
    check(tops, f"{what}: no bar of cycle {n} on the chart")
    top = min(tops)
    # One pixel of the chart's 425 is 2500/425 (about 6) players.
    expected = chart.expected_top(bar_columns(chart, n)[0], players)
    check(abs(top - expected) <= 1,
          f"{what}: the field shows {players} players, so the bar of cycle {n} should reach "
          f"row {expected}, but it reaches row {top}")
    print(f"{what}: {players} players on the field, bar of cycle {n} up to row {top} (expected {expected})")


def verhulst_columns(chart, i):
    # Command1 draws 2-px lines at x = i + 0.3: columns column(i + 0.3) and the one right of it.
    c = chart.column(i + 0.3)
    return (c, c + 1)


def check_curve(shot, chart, values, colour, what):
    """Every visible column of every line of the curve is `colour` from the
    chart's bottom up to the row of its value (within a pixel)."""
    checked = 0
    for i, value in enumerate(values):
        for column in verhulst_columns(chart, i):
            if not 0 <= column < chart.rect.w or not chart.visible_rows(column):
                continue
            expected = chart.expected_top(column, value)
            top = chart.run_top(shot, column, colour)
            check(top is not None and abs(top - expected) <= 1,
                  f"{what}: the line of cycle {i} (A = {value:.1f}) should be {colour} from row "
                  f"{expected} down, but column {column} shows it from row {top}")
            checked += 1
    check(checked >= 20, f"{what}: only {checked} columns of the curve are in sight")
    print(f"{what}: {checked} columns of {colour} with the expected heights")


# --- the lesson ----------------------------------------------------------------

def hover_help(session, layout, name, before):
    session.move(button(session, name).centre())
    area = layout.help_area
    shot = session.wait_for(f"the help text of {name!r}", lambda s: s.area(area) != before, region=area)
    text = shot.count(area, HELP_TEXT)
    back = shot.count(area, HELP_BACK)
    check(text >= 20, f"the help line over {name!r} shows only {text} pixels of the help text's dark red")
    check(back > area.w * area.h // 2, f"the help line over {name!r} is not mostly its light grey ({back} px)")
    print(f"help line over {name!r}: {text} dark red px on {back} grey px")
    return shot.area(area)


def help_texts(session, layout):
    session.move(layout.rest)
    previous = session.wait_for("the window at rest").area(layout.help_area)
    seen = {}
    for name in ("Monte-Carlo initialisieren", "Zielsuche", "Vergleich mit Verhulst"):
        seen[name] = previous = hover_help(session, layout, name, previous)
    check(len(set(seen.values())) == 3, "two of the three buttons show the same help line")
    again = hover_help(session, layout, "Monte-Carlo initialisieren", previous)
    check(again == seen["Monte-Carlo initialisieren"], "hovering a button a second time shows another help line")
    session.move(layout.rest)


def click(session, layout, point, times=1):
    """Clicks at `point`, then lets the pointer rest."""
    session.click(point, times)
    session.move(layout.rest)


def upper_arrow(session, name):
    # Fusion splits a bar too short for a groove (31 px) into its two arrow
    # buttons; the upper quarter lies in the upper arrow.
    rect = session.rect(name, "SCROLL_BAR")
    return rect.x + rect.w // 2, rect.y + rect.h // 4


def parameters(session, layout):
    click(session, layout, upper_arrow(session, "Startwert A(0) einstellen"), LESSON_A0 - START_A0)
    # Every change of A(0) starts a new game with that many players.
    shot = session.wait_for(f"{LESSON_A0} start players", lambda s: len(s.regions(layout.field, RED)) == LESSON_A0)
    check(count_players(shot, layout.field, "after A(0) = 20") == LESSON_A0, "the start players are no boxes")
    session.save(shot, "a0")
    field = shot.area(layout.field)

    click(session, layout, upper_arrow(session, "Wachstumsrate p einstellen"), LESSON_P - START_P)
    shot = session.wait_for("the window after p = 10")
    # p only takes effect with the next pass; the game stays as it is.
    check(shot.area(layout.field) == field, "changing p changed the field")


def quick_run(session, layout, chart, last_cycle):
    click(session, layout, button(session, "Schnelldurchlauf 10 Iterationen").centre())
    return session.wait_for(f"the bar of cycle {last_cycle}", lambda s: bar_present(s, chart, last_cycle),
                            seconds=60)


def cycles(session, layout, chart):
    shot = quick_run(session, layout, chart, 10)
    session.save(shot, "quick-run-1")
    check(not bar_present(shot, chart, 11), "a bar of cycle 11 after ten cycles")
    missing = [n for n in range(1, 11) if not bar_present(shot, chart, n)]
    check(not missing, f"no bars of cycles {missing} after ten cycles")
    check_bar_matches_field(shot, layout, chart, 10, "after the first quick run")

    shot = quick_run(session, layout, chart, 20)
    session.save(shot, "quick-run-2")
    check(not bar_present(shot, chart, 21), "a bar of cycle 21 after twenty cycles")

    click(session, layout, button(session, "Zielsuche").centre())
    # The pass draws every recruitment attempt as a cyan line on the field.
    shot = session.wait_for("the pass on the field", lambda s: s.count(layout.field, CYAN) > 0)
    session.save(shot, "zielsuche")

    click(session, layout, button(session, "Ergebnis").centre())
    shot = session.wait_for("the bar of cycle 21", lambda s: bar_present(s, chart, 21))
    session.save(shot, "ergebnis")
    check(shot.count(layout.field, CYAN) == 0, "the commit left the pass's lines on the field")
    check_bar_matches_field(shot, layout, chart, 21, "after cycle 21")


def curves(session, layout, chart):
    first = verhulst(LESSON_A0, LESSON_P, 1.0)
    second = verhulst(LESSON_A0, LESSON_P, LESSON_T)

    def drawn(colour):
        return lambda s: chart.run_top(s, verhulst_columns(chart, 5)[0], colour) is not None

    compare = button(session, "Vergleich mit Verhulst").centre()
    click(session, layout, compare)
    shot = session.wait_for("the Verhulst curve", drawn(VERHULST))
    session.save(shot, "verhulst-t1")
    check_curve(shot, chart, first, VERHULST, "curve for t = 1")

    # Select the exponent's text with a triple click and type over it.
    session.click(session.rect("Exponent t", "TEXT").centre(), 3)
    session.xdotool("type", "--delay", 60, f"{LESSON_T}")
    click(session, layout, button(session, "Exponent t initialisieren").centre())
    shot = session.wait_for("the faded curve", drawn(FADED))
    session.save(shot, "faded")
    # The button draws the last curve again in the pale colour, then takes t over.
    check_curve(shot, chart, first, FADED, "faded curve for t = 1")
    check(shot.count(layout.chart_view, VERHULST) == 0, "dark blue lines are left after fading")

    click(session, layout, compare)
    shot = session.wait_for("the curve for t = 1.5", drawn(VERHULST))
    session.save(shot, "verhulst-t15")
    check_curve(shot, chart, second, VERHULST, "curve for t = 1.5")
    return shot, second


def find_pan(before, after, view):
    """The shifts in pixels that carry the chart of `before` onto `after`:
    every row of `view` agrees."""
    x0, x1 = view.x, view.right
    return [shift for shift in range(1, x1 - x0)
            if all(after.row_bytes(y, x0, x1 - shift) == before.row_bytes(y, x0 + shift, x1)
                   for y in range(view.y, view.bottom))]


def drag_thumb(session, layout, before, drag):
    """Drags the scroll bar's thumb `drag` px to the right; checks that the
    thumb moved that far on the screenshot after the drag."""
    bar = layout.hscroll
    y = bar.y + bar.h // 2
    # The thumb sits at the bar's left end right of the arrow button
    # (Fusion's arrow buttons are as long as the bar is high).
    grab = bar.x + bar.h + 8
    session.move((grab, y))
    session.xdotool("mousedown", 1)
    for step in range(1, 11):
        session.move((grab + drag * step // 10, y))
        time.sleep(0.03)
    session.xdotool("mouseup", 1)
    session.move(layout.rest)
    shot = session.wait_for("the panned chart",
                            lambda s: s.area(layout.chart_view) != before.area(layout.chart_view))
    session.save(shot, "panned")
    # The pixels of the bar's middle row that changed form two runs: where
    # the thumb was and where it is now.
    old, new = before.row_bytes(y, bar.x, bar.right), shot.row_bytes(y, bar.x, bar.right)
    runs = []
    for x in (x for x in range(bar.w) if old[3 * x:3 * x + 3] != new[3 * x:3 * x + 3]):
        if runs and x <= runs[-1][1] + 2:
            runs[-1][1] = x
        else:
            runs.append([x, x])
    check(len(runs) == 2, f"the scroll bar's thumb did not move as dragged: changed runs {runs}")
    # The right ends: Qt 6.8's Fusion draws the left arrow button's edge two
    # pixels further right, over the first pixels of a thumb at the bar's
    # left end, so there the old run starts late. The thumb itself sits at
    # the same place for the same value under Qt 6.4 and 6.8.
    moved = runs[1][1] - runs[0][1]
    check(abs(moved - drag) <= 1, f"the thumb moved {moved} px for a drag of {drag} px")
    return shot, moved


def pan(session, layout, chart, before, second):
    shot, moved = drag_thumb(session, layout, before, 100)
    panned = Chart(session, layout)
    expected = chart.rect.x - panned.rect.x
    check(expected > 0, f"the accessibility tree has the chart at {panned.rect} after the drag, "
          f"not left of {chart.rect}")
    shifts = find_pan(before, shot, layout.chart_view)
    check(shifts == [expected], f"the chart moved by {expected} px, but the screenshot after the drag "
          f"shows it shifted by {shifts or 'no'} px")
    print(f"pan: the thumb moved {moved} px, the chart {expected} px")
    # What came into sight is the rest of the same curve.
    check_curve(shot, panned, second, VERHULST, "curve for t = 1.5 after panning")
    return shot, panned


def check_explanation(shot, before, layout, chart, panel, close):
    frame_x, frame_y = panel.x + FRAME_COLUMN, panel.y + FRAME_ROW
    # The right edge of the frame runs from the chart's top to the bottom
    # edge, except where the "X" button lies on it.
    column = [y for y in range(chart.rect.y, frame_y + 1)
              if chart.seen(frame_x, y) and not close.contains(frame_x, y)]
    blue = sum(1 for y in column if shot.pixel(frame_x, y) == FRAME_BLUE)
    check(len(column) > 250 and blue == len(column),
          f"the explanation's frame is not blue all along x = {frame_x} ({blue} of {len(column)} px)")
    # The last line of text lies below the frame and its capitals reach
    # across the bottom edge: most of it is blue, not all.
    row = [x for x in range(panel.x, frame_x + 1) if chart.seen(x, frame_y)]
    blue = sum(1 for x in row if shot.pixel(x, frame_y) == FRAME_BLUE)
    check(len(row) > 100 and blue >= 0.8 * len(row),
          f"the explanation's frame is not blue along y = {frame_y}: {blue} of {len(row)} px")
    left = max(panel.x, layout.field.right)
    inside = Rect(left, chart.rect.y + 1, frame_x - left, FRAME_ROW - 8)
    grey = shot.count(inside, PANEL_GREY)
    check(grey > inside.w * inside.h // 2, f"the explanation is not mostly its light grey ({grey} px)")
    changed = sum(1 for y in range(inside.y, inside.bottom)
                  if shot.row_bytes(y, inside.x, inside.right) != before.row_bytes(y, inside.x, inside.right))
    check(changed == inside.h, f"the explanation left {inside.h - changed} rows of the chart unchanged")
    print(f"explanation at {panel}: frame at ({frame_x}, {frame_y}), {grey} grey px inside")


def explanation(session, layout, chart, before):
    session.key("F1")
    panel = session.shown(*EXPLANATION)
    close = session.shown(*CLOSE_EXPLANATION)

    def frame_shown(shot):
        return shot.pixel(panel.x + FRAME_COLUMN, panel.y + FRAME_ROW - 40) == FRAME_BLUE

    shot = session.wait_for("the explanation", frame_shown)
    session.save(shot, "explanation")
    check_explanation(shot, before, layout, chart, panel, close)

    click(session, layout, close.centre())
    shot = session.wait_for("the explanation to close", lambda s: not frame_shown(s))
    session.save(shot, "closed")
    check(session.rect(*EXPLANATION).empty(), "the accessibility tree still shows the explanation")
    # Everything below the scroll bar but the help line: the field and the chart.
    below = Rect(layout.panel.x, layout.hscroll.bottom, layout.panel.w, layout.help_line.y - layout.hscroll.bottom)
    check(shot.area(below) == before.area(below), "the field or the chart differ after the explanation closed")


def timed(name, step, *args):
    started = time.monotonic()
    result = step(*args)
    print(f"-- {name}: {time.monotonic() - started:.1f} s")
    return result


def lesson(session):
    """The lesson up to closing the explanation; the program keeps running."""
    layout = Layout(session)
    chart = Chart(session, layout)
    timed("help texts", help_texts, session, layout)
    timed("A(0) and p", parameters, session, layout)
    timed("cycles", cycles, session, layout, chart)
    shot, second = timed("curves", curves, session, layout, chart)
    shot, chart = timed("pan", pan, session, layout, chart, shot, second)
    timed("explanation", explanation, session, layout, chart, shot)


def quit_program(session):
    session.key("ctrl+q")
    session.wait_exit("Ctrl+Q")


def whole_lesson(session):
    started = time.monotonic()
    lesson(session)
    quit_program(session)
    return f"the lesson ran as expected in {time.monotonic() - started:.0f} s; Ctrl+Q ended it"


if __name__ == "__main__":
    sys.exit(e2e.run_test(__doc__, whole_lesson, "kettenbrief-lesson-"))
