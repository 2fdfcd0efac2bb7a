#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program kettenbrief (Release) into build/ and starts it. Only
# the program is built, not the tests and benchmarks; the tree is the one
# README's packing step (cpack -G DEB in build/) packs.
# Without a reachable display it says so in one line (scripts/anzeige.sh)
# and exits with status 1 after building.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

bash scripts/install-deps.sh --start

jobs=$(nproc)
cmake --preset release
cmake --build --preset release -j"$jobs"
bash scripts/anzeige.sh || exit 1
exec build/kettenbrief "$@"
