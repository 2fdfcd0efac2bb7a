#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Proves README's two set-up commands on a fresh, minimal Debian 12 or 13:
# builds a debootstrap minbase root of bookworm or trixie in a scratch
# directory, copies the
# committed files of the repository into it (git archive HEAD) and runs
# there, as root and with nothing installed by hand:
#   1. bash scripts/start.sh, no display   on the untouched root: installs its
#                                           short list, builds, then must end
#                                           non-zero with its one line
#   2. bash scripts/start.sh, offscreen    the program must stay up 5 s;
#      cpack -G DEB in build/              README's packing step, still with
#                                           start.sh's packages only
#   3. bash scripts/test.sh                must pass
#   4. bash scripts/start.sh with an Xvfb  the window must show and the
#                                           program stay up 5 s
# Programs started are stopped again; the times of the steps come last.
#
# Usage: frisches-debian.sh <source dir> [release]
#   release: bookworm or 12 (the default), trixie or 13; the argument wins
#   over KETTENBRIEF_FRISCH_RELEASE.
#
# Exit status: 0 all passed, 1 a step failed, 2 usage, 77 skipped (in CI,
# not root, no debootstrap, mirror unreachable, source not a git checkout).
# Inside such a root debootstrap is missing, so the test never recurses.
#
# Environment:
#   KETTENBRIEF_FRISCH_RELEASE    the release when no argument names one
#   KETTENBRIEF_FRISCH_MIRROR     http mirror (default http://deb.debian.org/debian)
#   KETTENBRIEF_FRISCH_BEHALTEN=1 keep the root afterwards (mounts are undone)
#
# The root lives below ${TMPDIR:-/tmp}, never in the source tree; its
# mounts (/proc, /sys, /dev, /dev/pts, /dev/shm) are undone on every exit.
set -uo pipefail

mirror=${KETTENBRIEF_FRISCH_MIRROR:-http://deb.debian.org/debian}
# A clean environment as after a login on a fresh system.
login_env=(/usr/bin/env -i HOME=/root TERM=dumb
           PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin)
no_display_line="Kettenbrief: Keine grafische Anzeige gefunden"
# Seconds: start.sh builds the Release tree before it starts the program.
start_build_seconds=3600
stay_up_seconds=5

say() { echo "frisches-debian: $*"; }
skip() { say "skipped: $*"; exit 77; }
die() { say "FAIL: $*" >&2; exit 1; }

if [[ $# -lt 1 || $# -gt 2 ]]; then
    echo "usage: $0 <source dir> [bookworm|12|trixie|13]" >&2
    exit 2
fi
source_dir=$(cd "$1" && pwd) || exit 2
case "${2:-${KETTENBRIEF_FRISCH_RELEASE:-bookworm}}" in
    bookworm | 12) suite=bookworm release="Debian 12" ;;
    trixie | 13) suite=trixie release="Debian 13" ;;
    *)
        echo "$0: unknown release '${2:-$KETTENBRIEF_FRISCH_RELEASE}' (bookworm, 12, trixie or 13)" >&2
        exit 2
        ;;
esac

# The checkout may belong to another user than root.
git_source() {
    git -c safe.directory='*' -C "$source_dir" "$@"
}

# Asks the mirror for the suite's Release file (HTTP HEAD, at most 20 s).
mirror_reachable() {
    [[ $mirror =~ ^http://([^/:]+)(:([0-9]+))?(/.*)?$ ]] || return 1
    # shellcheck disable=SC2016  # expanded by the inner bash
    timeout 20 bash -c '
        exec 3<>"/dev/tcp/$0/$1" || exit 1
        printf "HEAD %s/dists/%s/Release HTTP/1.1\r\nHost: %s\r\nConnection: close\r\n\r\n" \
            "$2" "$3" "$0" >&3
        IFS= read -r status <&3
        [[ $status =~ ^HTTP/[0-9.]+\ [23][0-9][0-9] ]]
    ' "${BASH_REMATCH[1]}" "${BASH_REMATCH[3]:-80}" "${BASH_REMATCH[4]%/}" "$suite" 2>/dev/null
}

# An hour of a fresh system's installs and builds does not fit CI's run;
# developers run it by hand (README).
[[ ${CI:-} != true ]] || skip "not in CI (run it by hand as root: README, tests/frischesystem)"
[[ $(id -u) -eq 0 ]] || skip "needs root (debootstrap, mount, chroot)"
command -v debootstrap >/dev/null 2>&1 || skip "debootstrap is not installed"
git_source rev-parse --verify -q HEAD >/dev/null 2>&1 \
    || skip "$source_dir is not a git checkout with a commit (or git is missing)"
mirror_reachable || skip "the Debian mirror $mirror cannot be reached (http only)"

# In a mount namespace of its own, the root's mounts vanish with this script
# even when it is killed outright (ctest's timeout), before the trap runs.
if [[ -z ${KETTENBRIEF_FRISCH_NAMESPACE:-} ]] \
        && unshare --mount --propagation private true 2>/dev/null; then
    KETTENBRIEF_FRISCH_NAMESPACE=1 exec unshare --mount --propagation private \
        bash "${BASH_SOURCE[0]}" "$source_dir" "$suite"
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/kettenbrief-frisch.XXXXXX") || die "no scratch directory"
case "$work/" in
    "$source_dir"/*) rm -rf "$work"; die "scratch directory $work lies inside the source tree" ;;
esac
root=$(cd "$work" && pwd -P)/wurzel
xvfb_pid=
start_pid=
display=

# Everything mounted at or below the root, deepest first.
mounts_below_root() {
    awk -v r="$root" '$5 == r || index($5, r "/") == 1 { print $5 }' /proc/self/mountinfo | sort -r
}

# Stops what still runs inside the root (our Xvfb, our program, anything
# they started): it would keep the mounts busy.
stop_root_processes() {
    local signal pid
    for signal in TERM KILL; do
        for pid in /proc/[0-9]*; do
            [[ $(readlink "$pid/root" 2>/dev/null) == "$root" ]] && kill "-$signal" "${pid#/proc/}" 2>/dev/null
        done
        [[ $signal == TERM ]] && sleep 2
    done
    wait 2>/dev/null
}

cleanup() {
    local mount_point left
    trap - EXIT INT TERM HUP
    stop_root_processes
    for mount_point in $(mounts_below_root); do
        umount "$mount_point" 2>/dev/null || umount -l "$mount_point"
    done
    left=$(mounts_below_root)
    if [[ -n $left ]]; then
        say "still mounted, $work left in place: $left" >&2
    elif [[ ${KETTENBRIEF_FRISCH_BEHALTEN:-} == 1 ]]; then
        say "root kept in $root"
    else
        # --one-file-system: never into a mount, should one have survived.
        rm -rf --one-file-system "$work"
    fi
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP

# Certificate authorities the machine's administrator added (a school's
# or a company's proxy that inspects TLS) are part of the network, not of
# the system under test: without them npm ci cannot reach the registry
# from the root. The root gets the machine's bundle for node (npm), and
# nothing else of the host.
host_trust_into_root() {
    compgen -G "/usr/local/share/ca-certificates/*.crt" >/dev/null || return 0
    [[ -r /etc/ssl/certs/ca-certificates.crt ]] || return 0
    cp /etc/ssl/certs/ca-certificates.crt "$root/root/rechner-zertifikate.crt"
    login_env+=(NODE_EXTRA_CA_CERTS=/root/rechner-zertifikate.crt)
    say "the machine's own certificate authorities are handed to node in the root"
}

# Runs a command inside the root as root in login_env; NAME=VALUE arguments
# before it add variables. In the background call chroot directly instead,
# so that $! is the command's own process and not a subshell's.
in_root() {
    chroot "$root" "${login_env[@]}" "$@"
}

make_root() {
    say "debootstrap --variant=minbase $suite ($release) from $mirror"
    if ! debootstrap --variant=minbase "$suite" "$root" "$mirror" >"$work/debootstrap.log" 2>&1; then
        tail -n 40 "$work/debootstrap.log" >&2
        die "debootstrap failed"
    fi
    cp -L /etc/resolv.conf "$root/etc/resolv.conf" || die "no /etc/resolv.conf for the root"
    host_trust_into_root
    # Package scripts must not start daemons inside the root: they would
    # outlive the run and keep its mounts busy.
    printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
    chmod 755 "$root/usr/sbin/policy-rc.d"
    mount -t proc proc "$root/proc" || die "cannot mount /proc"
    mount -t sysfs sysfs "$root/sys" || die "cannot mount /sys"
    mount --bind /dev "$root/dev" || die "cannot bind /dev"
    mount --bind /dev/pts "$root/dev/pts" || die "cannot bind /dev/pts"
    mount -t tmpfs tmpfs "$root/dev/shm" || die "cannot mount /dev/shm"
}

make_root_with_sources() {
    make_root
    copy_sources
}

copy_sources() {
    mkdir -p "$root/root/kettenbrief"
    git_source archive --format=tar HEAD \
        | tar -x -C "$root/root/kettenbrief" || die "cannot copy the committed files"
    say "sources: commit $(git_source rev-parse --short HEAD)" \
        "(committed files only)"
}

# An X server inside the root; Xvfb picks a free display number itself.
start_xvfb() {
    chroot "$root" "${login_env[@]}" Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
        3>"$work/display" >"$work/xvfb.log" 2>&1 </dev/null &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [[ $(cat "$work/display") == *[0-9] ]] && break
        sleep 0.1
    done
    display=:$(tr -d '[:space:]' <"$work/display")
    if [[ $display == : ]]; then
        cat "$work/xvfb.log" >&2
        die "Xvfb inside the root named no display within 10 s"
    fi
    say "Xvfb inside the root on display $display"
}

# Whether a process runs: kill -0 would also count a child that ended and
# waits, as a zombie, to be reaped.
running() {
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
    stat=${stat##*) }
    [[ ${stat%% *} != Z ]]
}

# Waits until start.sh has built the program and replaced itself by it.
wait_for_program() {
    local deadline=$((SECONDS + start_build_seconds)) status
    while [[ $(readlink "/proc/$start_pid/exe" 2>/dev/null) != */build/kettenbrief ]]; do
        if ! running "$start_pid"; then
            wait "$start_pid"
            status=$?
            cat "$work/start.log"
            die "scripts/start.sh ended (exit status $status) before starting the program"
        fi
        if ((SECONDS >= deadline)); then
            cat "$work/start.log"
            die "start.sh did not start the program within $start_build_seconds s"
        fi
        sleep 1
    done
}

# start.sh on the untouched root and without a display: it installs only
# its own list and builds, then must end non-zero with its one line last and
# without Qt's abort. The output goes to ours and to start-erst.log.
run_start_without_display() {
    local status log=$work/start-erst.log
    say "=== bash scripts/start.sh (fresh root, no display)"
    in_root timeout "$start_build_seconds" bash -c 'cd /root/kettenbrief && bash scripts/start.sh' \
        </dev/null 2>&1 | tee "$log"
    status=${PIPESTATUS[0]}
    [[ $status -ne 0 ]] || die "start.sh without a display exited with status 0"
    [[ $status -ne 124 ]] || die "start.sh did not end within $start_build_seconds s"
    [[ $(tail -n 1 "$log") == "$no_display_line"* ]] \
        || die "start.sh without a display did not end with '$no_display_line ...'"
    ! grep -qi "qt.qpa\|could not connect to display\|Aborted" "$log" \
        || die "start.sh without a display still reached Qt's platform plugin"
    say "without a display: exit status $status and the line above"
}

# What only the tests need must not come with start.sh's short list.
check_short_list() {
    local package
    for package in xvfb xdotool imagemagick valgrind clang gcovr; do
        # shellcheck disable=SC2016  # a dpkg-query format, not a shell variable
        if [[ $(in_root dpkg-query -W -f '${db:Status-Abbrev}' "$package" 2>/dev/null) == ii* ]]; then
            die "start.sh installed $package, which only the tests need"
        fi
    done
    say "start.sh installed none of the test command's own packages"
}

# README's packing step on start.sh's Release tree, with start.sh's
# packages only: cpack -G DEB in build/ must write one kettenbrief_*.deb.
run_packing() {
    local debs
    say "=== cpack -G DEB in build/"
    in_root bash -c 'cd /root/kettenbrief/build && cpack -G DEB' </dev/null 2>&1 \
        || die "cpack -G DEB failed in start.sh's tree"
    debs=$(cd "$root/root/kettenbrief/build" && ls kettenbrief_*.deb 2>/dev/null)
    [[ $(wc -w <<<"$debs") -eq 1 ]] || die "expected one kettenbrief_*.deb in build/, found: $debs"
    say "packed $debs"
}

# The test command; its output goes to ours and to test.log.
run_test_command() {
    local status
    say "=== bash scripts/test.sh"
    in_root bash -c 'cd /root/kettenbrief && bash scripts/test.sh' </dev/null 2>&1 \
        | tee "$work/test.log"
    status=${PIPESTATUS[0]}
    [[ $status -eq 0 ]] || die "scripts/test.sh failed with exit status $status"
}

# With DISPLAY given, the program's window must show on it.
wait_for_window() {
    if ! in_root DISPLAY="$display" timeout 60 \
            xdotool search --sync --onlyvisible --pid "$start_pid" >/dev/null; then
        cat "$work/start.log"
        die "the program runs but showed no window within 60 s"
    fi
    say "window shown on $display"
}

# start.sh in the given environment (NAME=VALUE ...): the program must come
# up and still run $stay_up_seconds s later; then it is stopped.
run_start_and_stop() {
    say "=== bash scripts/start.sh ($*)"
    chroot "$root" "${login_env[@]}" "$@" \
        bash -c 'cd /root/kettenbrief && exec bash scripts/start.sh' \
        >"$work/start.log" 2>&1 </dev/null &
    start_pid=$!
    wait_for_program
    [[ " $* " == *" DISPLAY="* ]] && wait_for_window
    sleep "$stay_up_seconds"
    if ! running "$start_pid"; then
        cat "$work/start.log"
        die "the program ended within $stay_up_seconds s"
    fi
    kill -TERM "$start_pid"
    wait "$start_pid"
    start_pid=
    cat "$work/start.log"
    say "the program stayed up $stay_up_seconds s and was stopped"
}

stop_xvfb() {
    kill -TERM "$xvfb_pid"
    wait "$xvfb_pid"
    xvfb_pid=
}

# "install-deps: installing ..." of a log: what the root lacked then.
installed_by() {
    sed -n 's/^install-deps: installing //p' "$1" | head -n 1
}

package_count() {
    in_root dpkg-query -W -f '.\n' | wc -l
}

# Runs one step and notes its time; the step's function is the argument.
timed() {
    local label=$1 step_start=$SECONDS
    shift
    "$@"
    times+=("$label: $((SECONDS - step_start)) s")
}

run_all_steps() {
    local total_start=$SECONDS times=() packages_at_start
    timed "debootstrap and copy" make_root_with_sources
    packages_at_start=$(package_count)
    timed "bash scripts/start.sh on the fresh root (no display)" run_start_without_display
    check_short_list
    timed "bash scripts/start.sh again (offscreen) until stopped" \
        run_start_and_stop QT_QPA_PLATFORM=offscreen
    timed "cpack -G DEB in start.sh's tree" run_packing
    timed "bash scripts/test.sh" run_test_command
    start_xvfb
    timed "bash scripts/start.sh (Xvfb) until stopped" run_start_and_stop DISPLAY="$display"
    stop_xvfb
    say "start.sh installed: $(installed_by "$work/start-erst.log")"
    say "test.sh then installed: $(installed_by "$work/test.log")"
    say "packages in the root: $packages_at_start after debootstrap, $(package_count) at the end"
    printf 'frisches-debian: %s\n' "${times[@]}" "whole run: $((SECONDS - total_start)) s"
    say "PASS: both set-up commands work on a fresh $release minbase root ($suite)"
}

run_all_steps
