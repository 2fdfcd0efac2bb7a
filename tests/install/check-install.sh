#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks what a classroom machine gets:
#  1. `cmake --install` into a scratch prefix puts the program, its menu
#     entry, its icon, its AppStream metadata, its manual page, the
#     copyright file and the changelog in place, and nothing else. The menu
#     entry passes desktop-file-validate without a word and points at the
#     program and the icon; the metadata passes appstreamcli and names what
#     was installed; the manual page renders without warnings; the
#     compressed files are their sources under gzip -9n; the program is
#     hardened and carries no section Debian strips.
#  2. cpack builds kettenbrief_<package version>_<arch>.deb whose Depends
#     holds what dpkg-shlibdeps finds for the packed program on this
#     release, and the run-time plugins, texts and fonts, whose
#     contents are the same files below /usr with Debian's owners and modes,
#     and on which lintian --pedantic finds no error and no warning.
#
# Usage: check-install.sh <build dir> <source dir>
# KETTENBRIEF_BUILD_TYPE and KETTENBRIEF_SANITIZE describe the tree (the
# stack protector is expected in optimised trees without sanitizers);
# KETTENBRIEF_HOMEPAGE is the package's homepage, KETTENBRIEF_PAKETVERSION
# its version (the project's with the Debian release, 1.0+deb13);
# KETTENBRIEF_WEB_GEBAUT=ON says that the tree builds the browser edition,
# which is then installed as share/kettenbrief/kettenbrief.html, with the
# lintian override that says it is no documentation.
set -euo pipefail

if [[ $# -ne 2 ]]; then
    echo "usage: $0 <build dir> <source dir>" >&2
    exit 2
fi
build_dir=$(cd "$1" && pwd)
source_dir=$(cd "$2" && pwd)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cmake=${KETTENBRIEF_CMAKE:-cmake}
cpack=${KETTENBRIEF_CPACK:-cpack}
build_type=${KETTENBRIEF_BUILD_TYPE:-}
sanitize=${KETTENBRIEF_SANITIZE:-OFF}
homepage=${KETTENBRIEF_HOMEPAGE:-https://kettenbrief.example.org/}

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
pass() {
    echo "ok: $*"
}
# shellcheck source=SCRIPTDIR/pruefungen.sh
source "$here/pruefungen.sh"

for tool in desktop-file-validate dpkg-deb dpkg-shlibdeps dpkg-parsechangelog python3 \
        appstreamcli lintian man lexgrog col readelf gzip; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "FAIL: $tool is missing (scripts/install-deps.sh installs it)" >&2
        exit 1
    fi
done

version=$(sed -n 's/^project(Kettenbrief VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")
if [[ -z $version ]]; then
    echo "FAIL: no project version found in $source_dir/CMakeLists.txt" >&2
    exit 1
fi
# The AppStream id is the name of the one metainfo file in resources/.
shopt -s nullglob
metainfo_sources=("$source_dir"/resources/*.metainfo.xml)
shopt -u nullglob
if [[ ${#metainfo_sources[@]} -ne 1 ]]; then
    echo "FAIL: expected one resources/*.metainfo.xml, found ${#metainfo_sources[@]}" >&2
    exit 1
fi
metainfo_name=$(basename "${metainfo_sources[0]}")
package_version=${KETTENBRIEF_PAKETVERSION:-$version}

scratch=$(mktemp -d "${TMPDIR:-/tmp}/kettenbrief-install.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

# Reads one key of the [Desktop Entry] group.
desktop_key() {
    awk -v key="$2" '
        /^\[/ { in_entry = ($0 == "[Desktop Entry]"); next }
        in_entry && index($0, key "=") == 1 { print substr($0, length(key) + 2); exit }
    ' "$1"
}

# Well-formed XML whose root is an SVG element.
check_svg() {
    local file=$1
    if command -v xmllint >/dev/null 2>&1 && ! xmllint --noout "$file"; then
        fail "$file is not well-formed XML (xmllint)"
        return
    fi
    if python3 - "$file" <<'PY'
import sys
import xml.etree.ElementTree as ET
root = ET.parse(sys.argv[1]).getroot()
if root.tag != "{http://www.w3.org/2000/svg}svg":
    sys.exit("root element is %s, not svg" % root.tag)
PY
    then
        pass "icon is an SVG document"
    else
        fail "$file is not an SVG document"
    fi
}

# The files below the prefix (relative), and where each comes from in the
# sources; the compressed ones are checked against their sources apart.
installed_files=(
    bin/kettenbrief
    share/applications/kettenbrief.desktop
    share/icons/hicolor/scalable/apps/kettenbrief.svg
    "share/metainfo/$metainfo_name"
    share/man/man6/kettenbrief.6.gz
    share/doc/kettenbrief/copyright
    share/doc/kettenbrief/changelog.gz
)
# (Paths below the source tree; the metainfo file and the changelog are
# filled in for the release by the build, in its paket/ folder.)
declare -A copied_from=(
    [share/applications/kettenbrief.desktop]=$source_dir/resources/kettenbrief.desktop
    [share/icons/hicolor/scalable/apps/kettenbrief.svg]=$source_dir/resources/kettenbrief.svg
    ["share/metainfo/$metainfo_name"]="$build_dir/paket/$metainfo_name"
    [share/doc/kettenbrief/copyright]=$source_dir/packaging/copyright
)
if [[ ${KETTENBRIEF_WEB_GEBAUT:-OFF} == ON ]]; then
    installed_files+=(share/kettenbrief/kettenbrief.html share/lintian/overrides/kettenbrief)
    copied_from[share/kettenbrief/kettenbrief.html]=$build_dir/web/kettenbrief.html
    copied_from[share/lintian/overrides/kettenbrief]=$source_dir/packaging/lintian-overrides
fi
declare -A compressed_from=(
    [share/man/man6/kettenbrief.6.gz]=$source_dir/docs/kettenbrief.6
    [share/doc/kettenbrief/changelog.gz]=$build_dir/paket/changelog.quelle
)

# --- 1. cmake --install into a scratch prefix -------------------------------
prefix=$scratch/prefix
echo "== cmake --install into $prefix"
"$cmake" --install "$build_dir" --prefix "$prefix" >"$scratch/install.log" 2>&1 || {
    cat "$scratch/install.log" >&2
    echo "FAIL: cmake --install failed" >&2
    exit 1
}

exe=$prefix/bin/kettenbrief
desktop=$prefix/share/applications/kettenbrief.desktop
icon=$prefix/share/icons/hicolor/scalable/apps/kettenbrief.svg

for file in "${installed_files[@]}"; do
    [[ -f $prefix/$file ]] || fail "$file not installed"
done
for file in "${!copied_from[@]}"; do
    [[ ! -f $prefix/$file ]] || cmp -s "$prefix/$file" "${copied_from[$file]}" \
        || fail "installed $file differs from ${copied_from[$file]}"
done
for file in "${!compressed_from[@]}"; do
    [[ ! -f $prefix/$file ]] || check_gzip_of "$prefix/$file" "${compressed_from[$file]}"
done

if [[ -f $exe && -x $exe ]] && [[ $(head -c 4 "$exe" | od -An -c | tr -d ' ') == '177ELF' ]]; then
    pass "bin/kettenbrief is an executable ELF file"
    check_elf "$exe" "installed bin/kettenbrief"
else
    fail "bin/kettenbrief missing, not executable or not an ELF file"
fi

if [[ -f $desktop ]]; then
    check_desktop_validate "$desktop"
    # The menu entry must start the installed program and find the
    # installed icon by its theme name.
    exec_line=$(desktop_key "$desktop" Exec)
    icon_name=$(desktop_key "$desktop" Icon)
    [[ ${exec_line%% *} == "$(basename "$exe")" ]] \
        || fail "Exec=$exec_line does not start bin/$(basename "$exe")"
    [[ "$icon_name.svg" == "$(basename "$icon")" ]] \
        || fail "Icon=$icon_name does not name the installed icon $(basename "$icon")"
    [[ $(desktop_key "$desktop" Type) == Application ]] || fail "Type is not Application"
    [[ $(desktop_key "$desktop" Terminal) == false ]] || fail "Terminal is not false"
    categories=$(desktop_key "$desktop" Categories)
    [[ ";$categories" == *";Education;"* ]] || fail "Categories=$categories lacks Education"
    [[ -n $(desktop_key "$desktop" Comment) ]] || fail "Comment is empty"
    [[ -n $(desktop_key "$desktop" Keywords) ]] || fail "Keywords is empty"
fi

[[ ! -f $icon ]] || check_svg "$icon"
[[ ! -f $prefix/share/metainfo/$metainfo_name ]] \
    || check_metainfo "$prefix/share/metainfo/$metainfo_name" "$desktop" "$exe"
[[ ! -f $prefix/share/man/man6/kettenbrief.6.gz ]] \
    || check_manpage "$prefix/share/man/man6/kettenbrief.6.gz"

changelog=$prefix/share/doc/kettenbrief/changelog.gz
if [[ -f $changelog ]]; then
    gzip -dc "$changelog" >"$scratch/changelog"
    changelog_version=$(dpkg-parsechangelog -l "$scratch/changelog" -S Version 2>&1) || true
    [[ $changelog_version == "$package_version" ]] \
        || fail "newest changelog entry is '$changelog_version', expected $package_version"
fi

# Nothing else belongs in the prefix (no test programs, no benchmarks).
extra=$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort)
extra=$(grep -vxF -f <(printf '%s\n' "${installed_files[@]}") <<<"$extra" || true)
[[ -z $extra ]] || fail "unexpected installed files: $extra"

# --- 2. the Debian package --------------------------------------------------
echo "== cpack -G DEB"
out=$scratch/deb
if ! (cd "$scratch" && "$cpack" --config "$build_dir/CPackConfig.cmake" -G DEB -B "$out" \
        >"$scratch/cpack.log" 2>&1); then
    cat "$scratch/cpack.log" >&2
    echo "FAIL: cpack -G DEB failed" >&2
    exit 1
fi

shopt -s nullglob
debs=("$out"/kettenbrief_*.deb)
shopt -u nullglob
if [[ ${#debs[@]} -ne 1 ]]; then
    ls -l "$out" >&2
    echo "FAIL: expected exactly one kettenbrief_*.deb, found ${#debs[@]}" >&2
    exit 1
fi
deb=${debs[0]}
arch=$(dpkg --print-architecture)
if [[ $(basename "$deb") == "kettenbrief_${package_version}_${arch}.deb" ]]; then
    pass "package file is $(basename "$deb")"
else
    fail "package file is $(basename "$deb"), expected kettenbrief_${package_version}_${arch}.deb"
fi

field() {
    dpkg-deb --field "$deb" "$1"
}
[[ $(field Package) == kettenbrief ]] || fail "Package is '$(field Package)'"
[[ $(field Version) == "$package_version" ]] \
    || fail "Version is '$(field Version)', expected $package_version"
[[ $(field Architecture) == "$arch" ]] || fail "Architecture is '$(field Architecture)'"
[[ -n $(field Maintainer) ]] || fail "Maintainer is empty"
[[ $(field Homepage) == "$homepage" ]] || fail "Homepage is '$(field Homepage)', expected $homepage"
# The first line without a pipe into head: head's early exit could end
# dpkg-deb by SIGPIPE, which pipefail turns into a silent failure.
synopsis=$(field Description)
synopsis=${synopsis%%$'\n'*}
[[ -n $synopsis ]] || fail "Description is empty"
[[ ${synopsis,,} != kettenbrief* ]] || fail "Description starts with the package's name: $synopsis"

depends=$(field Depends)
echo "Depends: $depends"
# Every entry of Depends as a bare package name.
dep_names=$(tr ',|' '\n\n' <<<"$depends" | sed 's/(.*)//; s/[[:space:]]//g' | sed '/^$/d')
# The release the package is for: base-files of this release and no other.
release=$(sed -n 's/^VERSION_ID="\{0,1\}\([0-9]*\)"\{0,1\}$/\1/p' /etc/os-release 2>/dev/null)
if [[ -n $release && $package_version == *+deb$release ]]; then
    for bound in "base-files (>= $release)" "base-files (<< $((release + 1)))"; do
        grep -qxF "$bound" <<<"${depends//, /$'\n'}" \
            && pass "Depends has $bound" || fail "Depends lacks $bound"
    done
    installable=$(apt-get install --simulate --no-install-recommends "$deb" 2>&1) \
        && pass "apt-get would install the package on this release" \
        || fail "apt-get refuses the package on the release it was built on: $installable"
fi
# What the program only loads at run time: no linker can find these.
for package in qt6-qpa-plugins qt6-translations-l10n fonts-liberation; do
    if grep -qx "$package" <<<"$dep_names"; then
        pass "Depends names $package"
    else
        fail "Depends lacks $package"
    fi
done
# Each name must be a real package of this distribution, or apt-get
# cannot install the .deb.
if command -v apt-cache >/dev/null 2>&1; then
    while read -r package; do
        [[ -n $(apt-cache policy "$package" 2>/dev/null) ]] \
            || fail "Depends names $package, which apt does not know"
    done <<<"$dep_names"
fi

# The package holds exactly the installed files, each as installed.
unpacked=$scratch/unpacked
dpkg-deb --extract "$deb" "$unpacked"
packed_files=$(cd "$unpacked/usr" && find . -type f | sed 's|^\./||' | sort)
expected_files=$(printf '%s\n' "${installed_files[@]}" | sort)
if [[ $packed_files == "$expected_files" ]]; then
    pass "package holds the ${#installed_files[@]} installed files below /usr"
else
    fail "package files differ from the installed ones:" \
        "$(diff <(echo "$expected_files") <(echo "$packed_files") | grep '^[<>]' | tr '\n' ' ')"
fi
for file in "${installed_files[@]}"; do
    [[ $file == bin/kettenbrief || ! -f $unpacked/usr/$file ]] \
        || cmp -s "$unpacked/usr/$file" "$prefix/$file" || fail "packed $file differs from the installed one"
done
check_modes "$deb"
packed_exe=$unpacked/usr/bin/kettenbrief
if [[ -x $packed_exe ]]; then
    check_elf "$packed_exe" "packed usr/bin/kettenbrief"
    check_shlibdeps "$packed_exe" "$depends"
else
    fail "packed usr/bin/kettenbrief is not executable"
fi
appstream_clean "the unpacked package" validate-tree --no-net --pedantic "$unpacked"
check_lintian "$deb"

if [[ $failures -ne 0 ]]; then
    echo "check-install: $failures check(s) failed" >&2
    exit 1
fi
echo "check-install: all checks passed"
