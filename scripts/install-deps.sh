#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test Kettenbrief.
# Only packages that are not installed yet are fetched; apt-get update runs
# only when something is missing.
set -euo pipefail

# qt6-svg-dev also provides the older name libqt6svg6-dev (a virtual package
# on Debian 12, so dpkg-query never lists it as installed).
packages=(
    build-essential
    cmake
    qt6-base-dev
    qt6-base-dev-tools
    qt6-svg-dev
    qt6-translations-l10n
    qt6-l10n-tools
    libgl-dev
    fonts-liberation
    xvfb
    xauth
    xdotool
    x11-utils
    imagemagick
    python3
    # The end-to-end tests read the program's accessibility tree over AT-SPI,
    # on a D-Bus session bus and AT-SPI bus of their own.
    dbus-daemon
    at-spi2-core
    python3-gi
    gir1.2-atspi-2.0
    # Building and checking the .deb (cpack, dpkg-shlibdeps, desktop-file-validate).
    desktop-file-utils
    dpkg-dev
    # Fuzzing the number texts (clang's libFuzzer), coverage report, memcheck.
    clang-14
    libclang-rt-14-dev
    gcovr
    valgrind
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Abbrev}' "$package" 2>/dev/null || true)
    if [[ "$status" != ii* ]]; then
        missing+=("$package")
    fi
done

if [[ ${#missing[@]} -eq 0 ]]; then
    echo "install-deps: all ${#packages[@]} packages are installed."
    exit 0
fi

echo "install-deps: installing ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "install-deps: not root and no sudo; please install: ${missing[*]}" >&2
    exit 1
fi

export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y --no-install-recommends "${missing[@]}" </dev/null
