#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs valgrind's memcheck over the program's start-up and one quick run
# (tests/memcheck/memcheck_driver.cpp, on the offscreen platform) and fails
# on memory errors and on definite leaks.
#
# The driver is built in a Debug tree without sanitizers (valgrind and
# AddressSanitizer do not mix): the preset "memcheck" in build-memcheck/.
# Reports that lie wholly inside Qt and the system libraries below it are
# suppressed by scripts/valgrind-qt.supp, where each entry says why; the
# program's own code is never suppressed. The full report is kept in
# <build>/memcheck.log.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
build=build-memcheck

if ! command -v valgrind >/dev/null 2>&1; then
    echo "memcheck: valgrind not found (scripts/install-deps.sh installs it)" >&2
    exit 1
fi

cmake --preset memcheck
cmake --build --preset memcheck -j2

log="$build/memcheck.log"
status=0
QT_QPA_PLATFORM=offscreen valgrind --tool=memcheck \
    --leak-check=full --show-leak-kinds=definite,possible --errors-for-leak-kinds=definite \
    --track-origins=yes --num-callers=40 --error-exitcode=99 \
    --suppressions="$root/scripts/valgrind-qt.supp" --gen-suppressions=all \
    "$build/tests/memcheck/memcheck_driver" >"$log" 2>&1 </dev/null || status=$?

grep -E "memcheck_driver:|ERROR SUMMARY|definitely lost|indirectly lost|possibly lost|still reachable|suppressed:" "$log" || true
case $status in
    0) echo "memcheck: no memory errors, no definite leaks (report: $log)" ;;
    99) echo "memcheck: valgrind found memory errors or definite leaks; see $log" >&2; exit 1 ;;
    *) echo "memcheck: the driver failed (exit status $status); see $log" >&2; exit 1 ;;
esac
