#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Tells whether Kettenbrief can open its window here: exit status 0 if so,
# otherwise one German line on stderr and exit status 1. Without a display
# Qt's platform plugin would abort with a core dump and a long English text.
#
# A QT_QPA_PLATFORM chosen by the user (offscreen, for instance) and a
# WAYLAND_DISPLAY are taken as they are; an X DISPLAY is asked with
# xdpyinfo, for at most 5 s, so that a remote display that does not answer
# cannot hold up the start.
set -uo pipefail

if [[ -n ${QT_QPA_PLATFORM:-} || -n ${WAYLAND_DISPLAY:-} ]]; then
    exit 0
fi
if [[ -z ${DISPLAY:-} ]]; then
    grund="weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt"
elif ! command -v xdpyinfo >/dev/null 2>&1; then
    # Nothing to ask the display with (x11-utils is missing): Qt may try.
    exit 0
elif timeout 5 xdpyinfo >/dev/null 2>&1; then
    exit 0
else
    grund="DISPLAY=$DISPLAY ist nicht erreichbar"
fi
echo "Kettenbrief: Keine grafische Anzeige gefunden ($grund);" \
    "das Programm braucht eine Desktop-Sitzung oder ein erreichbares DISPLAY." >&2
exit 1
