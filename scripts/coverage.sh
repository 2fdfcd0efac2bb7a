#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Line and branch coverage of the model (src/model/) by the tests.
#
# Builds the Debug tree with gcc's --coverage of the preset "coverage" in build-cov/, runs the model tests and the window tests (the
# window drives the model too; the soak test runs with 2000 events here), and
# reports with gcovr: a summary, the lines and branches not taken, and an
# HTML page in <build>/coverage/.
#
# Branch figures leave out the branches gcc adds for exceptions thrown by
# called functions (--exclude-throw-branches); the unfiltered figures are
# printed as well.
#
# KETTENBRIEF_COV_MIN_LINES / KETTENBRIEF_COV_MIN_BRANCHES (percent, default
# 95 and 90) make the script fail when the model's coverage falls below them.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
build=build-cov
min_lines=${KETTENBRIEF_COV_MIN_LINES:-95}
min_branches=${KETTENBRIEF_COV_MIN_BRANCHES:-90}

if ! command -v gcovr >/dev/null 2>&1; then
    echo "coverage: gcovr not found (scripts/install-deps.sh installs it)" >&2
    exit 1
fi

cmake --preset coverage
cmake --build --preset coverage -j2

# Counts of earlier runs would add up with this one.
find "$build" -name '*.gcda' -delete

# The unit and window tests only: the end-to-end test needs an X server, the
# fuzz targets are built by clang outside this tree.
status=0
(cd "$build" && KETTENBRIEF_SOAK_EVENTS=${KETTENBRIEF_SOAK_EVENTS:-2000} \
    ctest -L 'unit|soak' --output-on-failure </dev/null) || status=$?
if [[ $status -ne 0 ]]; then
    echo "coverage: some tests failed; the figures below count what ran" >&2
fi

mkdir -p "$build/coverage"
common=(--root "$root" --filter "$root/src/model/" --object-directory "$build"
        --exclude-directories "$build/CMakeFiles")
echo "=== Coverage of src/model/ (throw branches excluded) ==="
gcovr "${common[@]}" --exclude-throw-branches --txt "$build/coverage/lines.txt" \
    --html-details "$build/coverage/index.html" --print-summary | tee "$build/coverage/summary.txt"
echo "=== Lines not run ==="
cat "$build/coverage/lines.txt"
echo "=== Branches (throw branches excluded) ==="
gcovr "${common[@]}" --exclude-throw-branches --branches --txt - | tee "$build/coverage/branches.txt"
echo "=== Unfiltered branches ==="
gcovr "${common[@]}" --branches --print-summary --txt /dev/null

lines=$(sed -n 's/^lines: *\([0-9.]*\)%.*/\1/p' "$build/coverage/summary.txt")
branches=$(sed -n 's/^branches: *\([0-9.]*\)%.*/\1/p' "$build/coverage/summary.txt")
echo "coverage: src/model/ lines ${lines}%, branches ${branches}% (HTML: $build/coverage/index.html)"
if awk -v l="$lines" -v b="$branches" -v ml="$min_lines" -v mb="$min_branches" \
    'BEGIN { exit !(l < ml || b < mb) }'; then
    echo "coverage: below ${min_lines}% lines / ${min_branches}% branches" >&2
    status=1
fi
exit $status
