#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the pictures of the teacher's guide anew from the real program:
# builds it (the preset "release" in build/), works it in a private X server
# through the steps of docs/anleitung.md and writes docs/bilder/*.png and
# docs/screenshot.png (README and the software centres show that one).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)" >/dev/null
# Debian's python3: it has the AT-SPI bindings the window is read with.
python=/usr/bin/python3
[[ -x $python ]] || python=python3
"$python" scripts/bildschirmfotos.py build/kettenbrief docs/bilder docs/screenshot.png
# The page on a tablet held upright, as the browser tests emulate it.
if [[ -f build/web/kettenbrief.html ]]; then
    KETTENBRIEF_TABLETBILD=docs/bilder/09-tablet-hochkant.png \
        node build/web/werkzeuge/tests/geraete.js build/web/kettenbrief.html >/dev/null
fi
