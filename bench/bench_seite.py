#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The browser edition against the desktop program, in the same run on the
same machine, as ratios (page / desktop):

- opening: the page from the navigation's start to its first frame once it
  is ready, in a Chromium that is already running (bench_seite.mjs); the
  desktop program from its process start until its window, mapped on its
  own Xvfb, shows the picture it keeps (bench_fenster.py's measurement).
  The median of N of each.
- a pass ("Zielsuche") on the full field at p = 15 (the game from the start
  played at p = 15 until all 2500 play): the page from the click to the end
  of its handler, which passes, draws and puts the pixels onto the canvas,
  and for information until the frame after the boxes show the result,
  which the screen's refresh rounds up to a frame; the desktop's "pass with drawing"
  from bench_spielzyklus on the same field (the handler with its drawing on
  an offscreen surface). The median of each.

Usage: bench_seite.py BUILD_DIR [N]
(BUILD_DIR holds kettenbrief, bench/bench_spielzyklus and web/kettenbrief.html)
"""

import json
import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import bench_fenster as fenster  # noqa: E402

e2e = fenster.e2e


def desktop_opening(kettenbrief, starts, workdir):
    """Median seconds from the desktop program's start to its painted window."""
    desktop = e2e.Desktop(workdir)
    xlib = None
    try:
        desktop.start(False)
        xlib = fenster.Xlib(desktop.env["DISPLAY"])
        # One start first fills the caches (fonts, libraries).
        fenster.start_once(xlib, kettenbrief, fenster.KETTENBRIEF_TITLE, desktop.env, workdir)
        return statistics.median(
            fenster.start_once(xlib, kettenbrief, fenster.KETTENBRIEF_TITLE, desktop.env, workdir)[1]
            for _ in range(starts))
    finally:
        if xlib is not None:
            xlib.close()
        desktop.close()


def desktop_pass(bench_spielzyklus):
    """The desktop's pass with drawing on the full field at p = 15, in ms."""
    output = subprocess.run([bench_spielzyklus], check=True, capture_output=True, text=True).stdout
    found = re.search(r"^pass with drawing\s+([0-9.]+) ms", output, re.MULTILINE)
    if not found:
        raise e2e.Failure(f"no pass in the output of {bench_spielzyklus}:\n{output}")
    return float(found.group(1))


def page_figures(page, starts):
    """Median ms of the page's opening, of its pass on the full field (the
    handler) and of that pass until its frame is painted."""
    node = shutil.which("node") or "node"
    output = subprocess.run([node, os.path.join(HERE, "bench_seite.mjs"), page, str(starts), str(starts)],
                            check=True, capture_output=True, text=True).stdout
    figures = json.loads(output.strip().splitlines()[-1])
    passes = figures["durchlauf"]
    return (statistics.median(figures["oeffnen"]), statistics.median(p["arbeit"] for p in passes),
            statistics.median(p["bild"] for p in passes))


def main():
    if len(sys.argv) not in (2, 3):
        print(__doc__, file=sys.stderr)
        return 2
    build = os.path.abspath(sys.argv[1])
    starts = int(sys.argv[2]) if len(sys.argv) == 3 else 15
    page = os.path.join(build, "web", "kettenbrief.html")
    if not os.path.exists(page):
        print(f"bench_seite: {page} is not built (em++, node or npm missing)", file=sys.stderr)
        return 1
    workdir = tempfile.mkdtemp(prefix="kettenbrief-bench-seite-")
    try:
        desktop_open = desktop_opening(os.path.join(build, "kettenbrief"), starts, workdir) * 1000
        desktop_run = desktop_pass(os.path.join(build, "bench", "bench_spielzyklus"))
        page_open, page_run, page_frame = page_figures(page, starts)
    except (e2e.Failure, subprocess.CalledProcessError) as failure:
        print(f"bench_seite: {failure} (files in {workdir})", file=sys.stderr)
        return 1
    shutil.rmtree(workdir, ignore_errors=True)
    print(f"browser edition against the desktop program (median of {starts})")
    print(f"  opening to the painted window   page {page_open:8.1f} ms   desktop {desktop_open:8.1f} ms   "
          f"ratio {page_open / desktop_open:.2f}")
    print(f"  pass on the full field, p = 15  page {page_run:8.1f} ms   desktop {desktop_run:8.1f} ms   "
          f"ratio {page_run / desktop_run:.2f}")
    print(f"  the same pass to its painted frame (bound to the screen's refresh) {page_frame:8.1f} ms")
    return 0


if __name__ == "__main__":
    sys.exit(main())
