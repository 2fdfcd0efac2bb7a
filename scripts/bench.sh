#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds an optimised tree and runs the benchmarks; every figure is a ratio
# against a floor measured in the same run.
set -euo pipefail
cd "$(dirname "$0")/.."
# The tree of the preset "bench" (CMakePresets.json).
build_dir=build-bench
cmake --preset bench >/dev/null
cmake --build --preset bench -j"$(nproc)" >/dev/null
"$build_dir"/bench/bench_spielzyklus
"$build_dir"/bench/bench_auswertung
"$build_dir"/bench/bench_auswertungsfenster
"$build_dir"/bench/bench_speicher
# A pupil's commit on its way to the teacher's plot, sixty pupils against one.
"$build_dir"/bench/bench_klassenspiel "$build_dir"/tests/klassenschwarm
# Start-up and peak memory of the real window: its own Xvfb, the lesson of
# tests/e2e/unterrichtsstunde.py worked through xdotool. Debian's python3
# first, as it has the AT-SPI bindings the lesson reads the window with.
python=/usr/bin/python3
[[ -x $python ]] || python=python3
"$python" bench/bench_fenster.py "$build_dir"/kettenbrief "$build_dir"/bench/bare_window
# The browser edition against the desktop program, where this tree builds
# the page (em++, node and npm installed).
# The list of targets is read whole first: grep -q ending early would end
# cmake by SIGPIPE, which pipefail counts as "no page".
targets=$(cmake --build "$build_dir" --target help)
if grep -qw kettenbrief_web <<<"$targets"; then
    cmake --build "$build_dir" -j"$(nproc)" --target kettenbrief_web >/dev/null
    "$python" bench/bench_seite.py "$build_dir"
fi
