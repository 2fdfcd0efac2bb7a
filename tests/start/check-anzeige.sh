#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks scripts/anzeige.sh, the question start.sh asks before it starts
# the program: which environments count as a display, and the one German
# line it gives otherwise.
#
# Usage: check-anzeige.sh <source dir>
set -uo pipefail

if [[ $# -ne 1 ]]; then
    echo "usage: $0 <source dir>" >&2
    exit 2
fi
probe=$(cd "$1" && pwd)/scripts/anzeige.sh
line_start="Kettenbrief: Keine grafische Anzeige gefunden"

if ! command -v Xvfb >/dev/null 2>&1; then
    echo "FAIL: Xvfb is missing (scripts/install-deps.sh installs it)" >&2
    exit 1
fi

scratch=$(mktemp -d "${TMPDIR:-/tmp}/kettenbrief-anzeige.XXXXXX")
xvfb_pid=
cleanup() {
    if [[ -n $xvfb_pid ]]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT

# A display of our own; Xvfb picks a free number and writes it to fd 3.
Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$scratch/display" \
    >"$scratch/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    [[ $(cat "$scratch/display") == *[0-9] ]] && break
    sleep 0.1
done
display=:$(tr -d '[:space:]' <"$scratch/display")
if [[ $display == : ]]; then
    cat "$scratch/xvfb.log" >&2
    echo "FAIL: Xvfb named no display within 10 s" >&2
    exit 1
fi
# A number that nobody serves: the highest one X allows on this machine is
# as good as any, as long as no socket of that name exists.
unserved=:32767
if [[ -e /tmp/.X11-unix/X32767 ]]; then
    echo "FAIL: display $unserved exists here; cannot test an unreachable display" >&2
    exit 1
fi

failures=0
# Row: name, expected exit status, expected text on stderr ("" = none),
# then the environment (on top of PATH only).
check_row() {
    local name=$1 want_status=$2 want_text=$3
    shift 3
    local out err status
    out=$(env -i PATH="$PATH" "$@" bash "$probe" 2>"$scratch/err")
    status=$?
    err=$(cat "$scratch/err")
    local problem=
    [[ $status -eq $want_status ]] || problem+="; exit status $status, expected $want_status"
    [[ -z $out ]] || problem+="; stdout not empty: $out"
    if [[ -z $want_text ]]; then
        [[ -z $err ]] || problem+="; unexpected stderr: $err"
    elif [[ $(wc -l <<<"$err") -ne 1 || $err != "$line_start"*"$want_text"* ]]; then
        problem+="; stderr is not one line with '$want_text': $err"
    fi
    if [[ -n $problem ]]; then
        echo "FAIL: $name: ${problem#; }" >&2
        failures=$((failures + 1))
    else
        echo "ok: $name"
    fi
}

check_row "nothing set" 1 "weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt"
check_row "empty DISPLAY" 1 "weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt" DISPLAY=
check_row "unreachable X display" 1 "DISPLAY=$unserved ist nicht erreichbar" DISPLAY=$unserved
check_row "reachable X display" 0 "" DISPLAY="$display"
check_row "platform chosen by the user" 0 "" QT_QPA_PLATFORM=offscreen
check_row "platform chosen, display unreachable" 0 "" QT_QPA_PLATFORM=offscreen DISPLAY=$unserved
check_row "Wayland session" 0 "" WAYLAND_DISPLAY=wayland-0

if [[ $failures -ne 0 ]]; then
    echo "check-anzeige: $failures row(s) failed" >&2
    exit 1
fi
echo "check-anzeige: all rows passed"
