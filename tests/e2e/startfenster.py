#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The window of kettenbrief right after start, seen from the outside.

Runs the real program on its own Xvfb (xcb platform), finds the window
"Nivra1.0", checks its size, takes a screenshot and counts the red start
players on the field, which it finds in the program's accessibility tree
("Spielfeld"). Then it quits the program through its menu (Alt+B,
"Programm beenden") and expects a clean exit.

Usage: startfenster.py PATH/TO/kettenbrief [SAVE_SCREENSHOT.ppm]

The helpers (processes, buses, tree, pointer, screenshots) are e2ehilfe's.
"""

import os
import sys

# No __pycache__ beside the sources.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import e2ehilfe as e2e  # noqa: E402
from e2ehilfe import check  # noqa: E402

CLIENT_WIDTH = 916
CLIENT_HEIGHT = 629
# The largest window that is still plausible for one line of menus.
MAX_HEIGHT = 700
FIELD_CELLS = 50

RED = (255, 0, 0)
GRID = (100, 100, 100)
BLACK = (0, 0, 0)
START_PLAYERS = 10


def check_size(session):
    width, height = session.width, session.height
    print(f"window {session.window}: {width} x {height}")
    check(width == CLIENT_WIDTH, f"the window is {width} px wide, not {CLIENT_WIDTH}")
    check(CLIENT_HEIGHT < height < MAX_HEIGHT,
          f"the window is {height} px high: not the client area of {CLIENT_HEIGHT} px plus a menu bar")


def check_grid(shot, field):
    total = field.w * field.h
    black = shot.count(field, BLACK)
    check(black > total // 2, f"the field is not black: {black} of {total} pixels are")
    # Grid lines: columns and rows of the field that are mostly grid grey.
    grid = bytes(GRID)
    rows = [shot.row_bytes(y, field.x, field.right) for y in range(field.y, field.bottom)]
    grid_columns = sum(1 for x in range(field.w)
                       if sum(1 for row in rows if row[3 * x:3 * x + 3] == grid) > field.h // 2)
    grid_rows = sum(1 for row in rows
                    if sum(1 for x in range(field.w) if row[3 * x:3 * x + 3] == grid) > field.w // 2)
    check(FIELD_CELLS - 5 <= grid_columns <= FIELD_CELLS + 1 and FIELD_CELLS - 5 <= grid_rows <= FIELD_CELLS + 1,
          f"the field shows no 50 x 50 grid: {grid_columns} grid columns, {grid_rows} grid rows")


def check_players(shot, field):
    regions = shot.regions(field, RED)
    print(f"red regions on the field: {len(regions)}")
    for x, y, w, h, pixels in regions:
        print(f"  at ({x}, {y}) in the field: {w} x {h}, {pixels} px")
    check(len(regions) == START_PLAYERS, f"expected {START_PLAYERS} red start players on the field, "
          f"found {len(regions)}")
    cell_width, cell_height = field.w / FIELD_CELLS, field.h / FIELD_CELLS
    for x, y, w, h, pixels in regions:
        # A filled box of 0.9 cells: about 8 x 8 px, not a line or a blot.
        check(cell_width * 0.6 <= w <= cell_width + 1 and cell_height * 0.6 <= h <= cell_height + 1,
              f"a red region of {w} x {h} px is no start player's box")
        check(pixels == w * h, f"the red region at ({x}, {y}) is not a filled box")
    # Icons elsewhere in the window may use pure red too; they are no players
    # and are only counted here.
    everywhere = shot.regions(e2e.Rect(0, 0, shot.width, shot.height), RED)
    print(f"red regions elsewhere in the window (icons): {len(everywhere) - len(regions)}")


def start_window(session, save_as=None):
    check_size(session)
    field = session.rect("Spielfeld", "FILLER")
    print(f"the field at {field}")
    check(e2e.Rect(0, 0, session.width, session.height).intersected(field) == field,
          f"the field at {field} lies outside the {session.width} x {session.height} window")
    shot = session.wait_for("the painted window")
    session.save(shot, "fenster")
    if save_as:
        with open(save_as, "wb") as f:
            f.write(shot.data)
    check((shot.width, shot.height) == (session.width, session.height),
          f"the screenshot is {shot.width} x {shot.height}, the window {session.width} x {session.height}")
    check_grid(shot, field)
    check_players(shot, field)

    session.key("alt+b")
    session.wait_exit("Alt+B (Programm beenden)")
    return "window, field and ten start players as expected; quit through the menu"


if __name__ == "__main__":
    sys.exit(e2e.run_test(__doc__, start_window, "kettenbrief-e2e-", optional_args=1))
