#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets of the number texts (src/model/zahltext.cpp) with
# clang's libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer, and
# runs each target for the given number of seconds (default 5).
#
#   tests/fuzz/run-fuzz.sh [seconds]
#
# The targets are built in build-fuzz/ (KETTENBRIEF_FUZZ_BUILD_DIR chooses
# another directory). Each run starts from the seeds in
# tests/fuzz/corpus/<target>/ and keeps what it finds in the build
# directory, never in the repository. A failing input is written to
# <build>/artifacts/. The compiler is the release's default clang++
# (scripts/install-deps.sh installs it); KETTENBRIEF_FUZZ_CXX names another.
set -euo pipefail

seconds=${1:-5}
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [[ "$seconds" -lt 1 ]]; then
    echo "usage: $0 [seconds per target, at least 1]" >&2
    exit 2
fi

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${KETTENBRIEF_FUZZ_BUILD_DIR:-$root/build-fuzz}
cxx=${KETTENBRIEF_FUZZ_CXX:-clang++}
targets=(nachsichtig streng hilfetext)

if ! command -v "$cxx" >/dev/null 2>&1; then
    echo "run-fuzz: $cxx not found (scripts/install-deps.sh installs clang and libclang-rt-dev)" >&2
    exit 1
fi

mkdir -p "$build/artifacts"
# shellcheck disable=SC2054  # the commas belong to -fsanitize=
flags=(-std=c++20 -g -O1 -fno-omit-frame-pointer
       -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
       -Wall -Wextra -Werror -I"$root/src/model")

for target in "${targets[@]}"; do
    echo "run-fuzz: building fuzz_$target"
    "$cxx" "${flags[@]}" "$root/tests/fuzz/fuzz_$target.cpp" "$root/src/model/zahltext.cpp" \
        -o "$build/fuzz_$target"
done

export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
failed=()
summary=()
for target in "${targets[@]}"; do
    mkdir -p "$build/corpus/$target"
    log="$build/fuzz_$target.log"
    echo "run-fuzz: fuzz_$target for $seconds s"
    status=0
    # The first corpus directory receives new inputs; the committed seeds are only read.
    "$build/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$build/artifacts/$target-" \
        "$build/corpus/$target" "$root/tests/fuzz/corpus/$target" >"$log" 2>&1 </dev/null || status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    summary+=("fuzz_$target: ${runs:-?} executions in $seconds s, exit status $status")
    if [[ $status -ne 0 ]]; then
        failed+=("$target")
        echo "run-fuzz: fuzz_$target failed; the end of its log ($log):" >&2
        tail -n 40 "$log" >&2
    fi
done

printf '%s\n' "${summary[@]}"
if [[ ${#failed[@]} -gt 0 ]]; then
    echo "run-fuzz: failed: ${failed[*]} (inputs in $build/artifacts/)" >&2
    exit 1
fi
echo "run-fuzz: all ${#targets[@]} targets ran without a finding"
