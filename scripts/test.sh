#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and tests Kettenbrief twice: the Debug tree of the preset "debug"
# in build/ and the tree of the preset "sanitizer" (AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-asan/ (CMakePresets.json).
# The Debug tree also builds the browser edition, build/web/kettenbrief.html
# (em++, node and npm come from install-deps.sh), and runs its browser
# tests in Chromium; the sanitizer tree builds the desktop program only.
# A failed configure or build stops at once; failed tests of the first tree
# still let the second tree run, and the script exits non-zero at the end.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

jobs=$(nproc)
failed=()

bash scripts/install-deps.sh

# One preset: configure, build, and run every test of its tree.
tree() {
    local preset=$1
    local start=$SECONDS
    echo "=== preset $preset ==="
    cmake --preset "$preset"
    cmake --build --preset "$preset" -j"$jobs"
    if ! ctest --preset "$preset" </dev/null; then
        failed+=("$preset")
    fi
    echo "=== preset $preset: $((SECONDS - start)) s ==="
}

tree debug
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# Leak checking stays on; only leaks inside the system libraries listed in
# lsan-qt.supp (not our code, not Qt's API use by us) are passed over.
export LSAN_OPTIONS="suppressions=$root/scripts/lsan-qt.supp:print_suppressions=0"
tree sanitizer

if [[ ${#failed[@]} -gt 0 ]]; then
    echo "test.sh: tests failed in the presets ${failed[*]}" >&2
    exit 1
fi
echo "test.sh: all tests passed in build/ (debug) and build-asan/ (sanitizer)"
