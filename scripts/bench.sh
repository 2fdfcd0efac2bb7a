#!/usr/bin/env bash
# Builds an optimised tree and runs the benchmarks; every figure is a ratio
# against a floor measured in the same run.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DKETTENBRIEF_BENCH=ON >/dev/null
cmake --build build-bench -j"$(nproc)" --target bench_spielzyklus >/dev/null
QT_QPA_PLATFORM=offscreen build-bench/bench/bench_spielzyklus
