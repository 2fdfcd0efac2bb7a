#!/usr/bin/env bash
# Builds an optimised tree and runs the benchmarks; every figure is a ratio
# against a floor measured in the same run.
set -euo pipefail
cd "$(dirname "$0")/.."
# KETTENBRIEF_BENCH_BUILD_DIR chooses another build directory.
build_dir=${KETTENBRIEF_BENCH_BUILD_DIR:-build-bench}
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DKETTENBRIEF_BENCH=ON >/dev/null
cmake --build "$build_dir" -j"$(nproc)" \
    --target bench_spielzyklus bench_speicher kettenbrief bare_window >/dev/null
"$build_dir"/bench/bench_spielzyklus
"$build_dir"/bench/bench_speicher
# Start-up and peak memory of the real window: its own Xvfb, the lesson of
# tests/e2e/unterrichtsstunde.py worked through xdotool. Debian's python3
# first, as it has the AT-SPI bindings the lesson reads the window with.
python=/usr/bin/python3
[[ -x $python ]] || python=python3
"$python" bench/bench_fenster.py "$build_dir"/kettenbrief "$build_dir"/bench/bare_window
