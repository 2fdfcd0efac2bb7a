#!/usr/bin/env bash
# Checks what a classroom machine gets:
#  1. `cmake --install` into a scratch prefix puts the program, its menu
#     entry and its icon in place; the menu entry passes
#     desktop-file-validate and points at exactly those two files; the icon
#     is well-formed SVG.
#  2. cpack builds kettenbrief_<version>_<arch>.deb whose Depends names the
#     Qt libraries and the run-time plugins, and whose contents are the
#     same three files below /usr.
#
# Usage: check-install.sh <build dir> <source dir>
set -euo pipefail

if [[ $# -ne 2 ]]; then
    echo "usage: $0 <build dir> <source dir>" >&2
    exit 2
fi
build_dir=$(cd "$1" && pwd)
source_dir=$(cd "$2" && pwd)
cmake=${KETTENBRIEF_CMAKE:-cmake}
cpack=${KETTENBRIEF_CPACK:-cpack}

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
pass() {
    echo "ok: $*"
}

for tool in desktop-file-validate dpkg-deb dpkg-shlibdeps python3; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "FAIL: $tool is missing (scripts/install-deps.sh installs it)" >&2
        exit 1
    fi
done

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

if [[ -f $exe && -x $exe ]] && [[ $(head -c 4 "$exe" | od -An -c | tr -d ' ') == '177ELF' ]]; then
    pass "bin/kettenbrief is an executable ELF file"
else
    fail "bin/kettenbrief missing, not executable or not an ELF file"
fi

if [[ -f $desktop ]]; then
    if desktop-file-validate "$desktop"; then
        pass "desktop-file-validate accepts the menu entry"
    else
        fail "desktop-file-validate rejects $desktop"
    fi
    cmp -s "$desktop" "$source_dir/resources/kettenbrief.desktop" \
        || fail "installed menu entry differs from resources/kettenbrief.desktop"
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
    [[ ";$categories" == *";Education;"* && ";$categories" == *";Science;"* ]] \
        || fail "Categories=$categories lacks Education or Science"
    [[ -n $(desktop_key "$desktop" Comment) ]] || fail "Comment is empty"
    [[ -n $(desktop_key "$desktop" Keywords) ]] || fail "Keywords is empty"
else
    fail "share/applications/kettenbrief.desktop not installed"
fi

if [[ -f $icon ]]; then
    check_svg "$icon"
    cmp -s "$icon" "$source_dir/resources/kettenbrief.svg" \
        || fail "installed icon differs from resources/kettenbrief.svg"
else
    fail "share/icons/hicolor/scalable/apps/kettenbrief.svg not installed"
fi

# Nothing else belongs in the prefix (no test programs, no benchmarks).
extra=$(cd "$prefix" && find . -type f ! -path ./bin/kettenbrief \
    ! -path ./share/applications/kettenbrief.desktop \
    ! -path ./share/icons/hicolor/scalable/apps/kettenbrief.svg)
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
version=$(sed -n 's/^project(Kettenbrief VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")
if [[ -z $version ]]; then
    echo "FAIL: no project version found in $source_dir/CMakeLists.txt" >&2
    exit 1
fi
arch=$(dpkg --print-architecture)
if [[ $(basename "$deb") == "kettenbrief_${version}_${arch}.deb" ]]; then
    pass "package file is $(basename "$deb")"
else
    fail "package file is $(basename "$deb"), expected kettenbrief_${version}_${arch}.deb"
fi

field() {
    dpkg-deb --field "$deb" "$1"
}
[[ $(field Package) == kettenbrief ]] || fail "Package is '$(field Package)'"
[[ $(field Version) == "$version" ]] || fail "Version is '$(field Version)', expected $version"
[[ $(field Architecture) == "$arch" ]] || fail "Architecture is '$(field Architecture)'"
[[ -n $(field Maintainer) ]] || fail "Maintainer is empty"
[[ -n $(field Description) ]] || fail "Description is empty"

depends=$(field Depends)
echo "Depends: $depends"
# Every entry of Depends as a bare package name.
dep_names=$(tr ',|' '\n\n' <<<"$depends" | sed 's/(.*)//; s/[[:space:]]//g' | sed '/^$/d')
for package in libqt6widgets6 libqt6gui6 libqt6core6 libqt6svg6 \
        qt6-qpa-plugins qt6-translations-l10n fonts-liberation; do
    if grep -qx "$package" <<<"$dep_names"; then
        pass "Depends names $package"
    else
        fail "Depends lacks $package"
    fi
done
# shlibdeps gives version bounds; without them it did not run.
grep -q 'libqt6widgets6 (>= ' <<<"$depends" \
    || fail "libqt6widgets6 carries no version bound (did dpkg-shlibdeps run?)"
# Each name must be a real package of this distribution, or apt-get
# cannot install the .deb.
if command -v apt-cache >/dev/null 2>&1; then
    while read -r package; do
        [[ -n $(apt-cache policy "$package" 2>/dev/null) ]] \
            || fail "Depends names $package, which apt does not know"
    done <<<"$dep_names"
fi

contents=$(dpkg-deb --contents "$deb" | awk '{print $NF}')
for path in ./usr/bin/kettenbrief ./usr/share/applications/kettenbrief.desktop \
        ./usr/share/icons/hicolor/scalable/apps/kettenbrief.svg; do
    if grep -qx "$path" <<<"$contents"; then
        pass "package contains ${path#./}"
    else
        fail "package lacks ${path#./}"
    fi
done
# The packed menu entry and icon are the ones from the sources.
unpacked=$scratch/unpacked
dpkg-deb --extract "$deb" "$unpacked"
cmp -s "$unpacked/usr/share/applications/kettenbrief.desktop" "$source_dir/resources/kettenbrief.desktop" \
    || fail "packed menu entry differs from resources/kettenbrief.desktop"
cmp -s "$unpacked/usr/share/icons/hicolor/scalable/apps/kettenbrief.svg" "$source_dir/resources/kettenbrief.svg" \
    || fail "packed icon differs from resources/kettenbrief.svg"
[[ -x $unpacked/usr/bin/kettenbrief ]] || fail "packed usr/bin/kettenbrief is not executable"
packed_files=$(cd "$unpacked" && find . -type f | sort)
[[ $(wc -l <<<"$packed_files") -eq 3 ]] || fail "package holds other files too: $packed_files"

if [[ $failures -ne 0 ]]; then
    echo "check-install: $failures check(s) failed" >&2
    exit 1
fi
echo "check-install: all checks passed"
