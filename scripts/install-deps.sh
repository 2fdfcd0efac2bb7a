#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the packages Kettenbrief needs on Debian 12 (bookworm) or
# Debian 13 (trixie), even on a bare system (a debootstrap minbase root has
# neither python3 nor file nor any X tool). The release is read from
# /etc/os-release; on any other system it says so and exits with status 2.
#
#   install-deps.sh           everything: building, running, packing, testing
#   install-deps.sh --start   only building, running and packing the program
#                             (what scripts/start.sh needs)
#
# Only packages that are not installed yet are fetched; apt-get update runs
# only when something is missing. Recommends are never installed, so every
# package needed is named here.
set -euo pipefail

# The Debian release this runs on, from os-release(5): "12" or "13".
debian_release() {
    local file=${KETTENBRIEF_OS_RELEASE:-/etc/os-release} ID='' VERSION_ID='' PRETTY_NAME=''
    # shellcheck disable=SC1090  # a file of shell assignments by definition
    [[ -r $file ]] && . "$file"
    if [[ $ID == debian && ($VERSION_ID == 12 || $VERSION_ID == 13) ]]; then
        echo "$VERSION_ID"
        return
    fi
    echo "install-deps: this is ${PRETTY_NAME:-an unknown system} (${file})." >&2
    echo "install-deps: Kettenbrief is built on Debian 12 (bookworm) and Debian 13 (trixie) only." >&2
    exit 2
}
release=$(debian_release)

# Building and running the program, and packing the Release tree with cpack.
# qt6-svg-dev also provides the older name libqt6svg6-dev (a virtual package
# on Debian 12, so dpkg-query never lists it as installed). The xcb and
# offscreen platform plugins come with libqt6gui6.
program_packages=(
    build-essential
    cmake
    qt6-base-dev
    qt6-base-dev-tools
    qt6-svg-dev
    # Qt Charts for the evaluation's plot; its CMake files need Qt's OpenGL
    # ones (below, per release).
    qt6-charts-dev
    # The class game: the teacher's window serves the page and a live
    # connection, and shows the address as a QR code.
    qt6-httpserver-dev
    qt6-websockets-dev
    libqrencode-dev
    pkg-config
    qt6-translations-l10n
    libgl-dev
    fonts-liberation
    # xdpyinfo: start.sh asks whether an X display can be reached.
    x11-utils
    # cpack's Debian generator calls file(1) on every packed file;
    # dpkg-shlibdeps comes with build-essential's dpkg-dev.
    file
)
# Qt's OpenGL development files are a package of their own on Debian 12.
# Debian 13 moved them into qt6-base-dev, which only provides the old name
# libqt6opengl6-dev: dpkg-query never reports a provided name as installed,
# so asking for it there would run apt-get on every call.
if [[ $release == 12 ]]; then
    program_packages+=(libqt6opengl6-dev)
fi

# The tests on top: end-to-end tests in their own Xvfb, the package checks,
# fuzzing, coverage and memcheck.
test_packages=(
    qt6-l10n-tools
    xvfb
    xauth
    xdotool
    imagemagick
    python3
    # pdfinfo, pdftotext, pdfimages and pdffonts check the worksheet's PDF.
    poppler-utils
    # The German locale's sources: a test builds de_DE of its own (localedef)
    # to check that numbers written for the class game keep their point.
    locales
    # The end-to-end tests read the program's accessibility tree over AT-SPI,
    # on a D-Bus session bus and AT-SPI bus of their own.
    dbus-daemon
    at-spi2-core
    python3-gi
    gir1.2-atspi-2.0
    # Building and checking the .deb (cpack, dpkg-shlibdeps, desktop-file-validate,
    # lintian, appstreamcli, and man with groff for the manual page).
    desktop-file-utils
    dpkg-dev
    lintian
    appstream
    man-db
    groff-base
    # Fuzzing the number texts (clang's libFuzzer), coverage report, memcheck.
    # clang and libclang-rt-dev are the release's default clang (14 on
    # Debian 12, 19 on Debian 13); tests/fuzz/run-fuzz.sh calls it as clang++.
    clang
    libclang-rt-dev
    gcovr
    valgrind
    # The browser edition: em++ compiles the model to WebAssembly, fonttools
    # keeps the letters its fonts need and woff2 packs them, node and npm build the page (npm ci from
    # web/package-lock.json), and Debian's Chromium runs the browser tests
    # headless. The main lesson runs in Firefox (firefox-esr, driven over
    # WebDriver BiDi) and in WebKit as well: webkit2gtk-driver brings
    # WebKitWebDriver, and with libwebkit2gtk-4.1-0 its MiniBrowser, which
    # draws into the tests' own Xvfb.
    emscripten
    fonttools
    woff2
    nodejs
    npm
    chromium
    firefox-esr
    webkit2gtk-driver
)

case "${1:-}" in
    --start) packages=("${program_packages[@]}") ;;
    "") packages=("${program_packages[@]}" "${test_packages[@]}") ;;
    *)
        echo "usage: $0 [--start]" >&2
        exit 2
        ;;
esac

# A node.js from outside Debian (nodesource's, say) is a package named
# nodejs that brings its own npm and conflicts with Debian's: dpkg-query
# does not list npm then, and installing Debian's npm would remove that
# node. An npm on the PATH is as good as Debian's for npm ci.
present_without_dpkg() {
    [[ $1 == npm ]] && command -v npm >/dev/null 2>&1
}

missing=()
for package in "${packages[@]}"; do
    present_without_dpkg "$package" && continue
    status=$(dpkg-query -W -f='${db:Status-Abbrev}' "$package" 2>/dev/null || true)
    if [[ "$status" != ii* ]]; then
        missing+=("$package")
    fi
done

if [[ ${#missing[@]} -eq 0 ]]; then
    echo "install-deps: Debian $release: all ${#packages[@]} packages are installed."
    exit 0
fi

echo "install-deps: Debian $release"
echo "install-deps: installing ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "install-deps: not root and no sudo; please install: ${missing[*]}" >&2
    exit 1
fi

"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y --no-install-recommends "${missing[@]}" </dev/null
