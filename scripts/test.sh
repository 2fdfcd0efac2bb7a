#!/usr/bin/env bash
# Builds and tests Kettenbrief twice: a Debug tree in build/ and a tree with
# AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/.
# A failed configure or build stops at once; failed tests of the first tree
# still let the second tree run, and the script exits non-zero at the end.
#
# KETTENBRIEF_BUILD_DIR and KETTENBRIEF_ASAN_BUILD_DIR choose other build
# directories (relative to the repository or absolute).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

build_dir=${KETTENBRIEF_BUILD_DIR:-build}
asan_dir=${KETTENBRIEF_ASAN_BUILD_DIR:-build-asan}
jobs=$(nproc)
failed=()

bash scripts/install-deps.sh

run_tests() {
    local dir=$1
    if ! (cd "$dir" && ctest --output-on-failure </dev/null); then
        failed+=("$dir")
    fi
}

echo "=== Debug build in $build_dir ==="
start=$SECONDS
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Debug
cmake --build "$build_dir" -j"$jobs"
run_tests "$build_dir"
echo "=== $build_dir: $((SECONDS - start)) s ==="

echo "=== Sanitizer build in $asan_dir ==="
start=$SECONDS
cmake -S . -B "$asan_dir" -DCMAKE_BUILD_TYPE=Debug \
    -DKETTENBRIEF_SANITIZE=ON -DKETTENBRIEF_BENCH=OFF
cmake --build "$asan_dir" -j"$jobs"
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# Leak checking stays on; only leaks inside the system libraries listed in
# lsan-qt.supp (not our code, not Qt's API use by us) are passed over.
export LSAN_OPTIONS="suppressions=$root/scripts/lsan-qt.supp:print_suppressions=0"
run_tests "$asan_dir"
echo "=== $asan_dir: $((SECONDS - start)) s ==="

if [[ ${#failed[@]} -gt 0 ]]; then
    echo "test.sh: tests failed in ${failed[*]}" >&2
    exit 1
fi
echo "test.sh: all tests passed in $build_dir and $asan_dir"
