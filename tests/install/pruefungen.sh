# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
#
# Checks of single installed files, sourced by check-install.sh. Each
# reports through the caller's pass and fail and never stops the run, so
# one run lists every problem. The caller also sets here, source_dir,
# version, homepage, build_type, sanitize and failures.
# shellcheck disable=SC2154

# desktop-file-validate has nothing at all to say: no error, no warning and
# no hint (two main categories, for instance, are only a hint).
check_desktop_validate() {
    local file=$1 output
    output=$(desktop-file-validate "$file" 2>&1) || true
    if [[ -z $output ]]; then
        pass "desktop-file-validate has nothing to say about the menu entry"
    else
        fail "desktop-file-validate on $file: $output"
    fi
}

# Output of appstreamcli (validate or validate-tree) without a single
# error, warning, info or pedantic hint, on the release at hand.
appstream_clean() {
    local label=$1 output status=0
    shift
    output=$(appstreamcli "$@" 2>&1) || status=$?
    if grep -qE '^[[:space:]]*[EWIP]: ' <<<"$output" || [[ $status -ne 0 ]]; then
        fail "appstreamcli $1 ($label) is not silent (exit $status):"
        echo "$output" >&2
        return
    fi
    pass "appstreamcli $1 accepts $label without a hint"
}

# The metainfo file: valid for appstreamcli, and its content matches what
# was installed (metainfo_pruefen.py).
check_metainfo() {
    local file=$1 desktop=$2 program=$3 problems
    appstream_clean "the metainfo file" validate --no-net --pedantic "$file"
    if problems=$(python3 "$here/metainfo_pruefen.py" "$file" "$desktop" "$program" \
            "$version" "$source_dir/docs/screenshot.png" "$homepage"); then
        pass "metainfo names the installed files, version $version and the screenshot"
    else
        fail "metainfo does not match the installation: $problems"
    fi
}

# The manual page renders without a single warning from man, groff or
# preconv, has the sections an administrator looks for, and carries the
# project's version.
check_manpage() {
    local file=$1 rendered warnings
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
        man --warnings -E UTF-8 -l "$file" 2>&1 >/dev/null) || true
    if [[ -z $warnings ]]; then
        pass "man renders the manual page without warnings"
    else
        fail "man warns about $file: $warnings"
    fi
    rendered=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -E UTF-8 -l "$file" 2>/dev/null | col -b) || true
    local section before=$failures
    for section in NAME SYNOPSIS BESCHREIBUNG TASTATUR UMGEBUNG "SIEHE AUCH"; do
        grep -qx "$section" <<<"$rendered" || fail "manual page has no section $section"
    done
    grep -q '^KETTENBRIEF(6)[[:space:]]' <<<"$rendered" || fail "manual page is not kettenbrief(6)"
    grep -q "^Kettenbrief ${version//./\\.}[[:space:]]" <<<"$rendered" \
        || fail "manual page footer does not name Kettenbrief $version"
    lexgrog "$file" >/dev/null 2>&1 || fail "lexgrog finds no whatis entry in $file"
    [[ $failures -ne $before ]] || pass "manual page is kettenbrief(6) of version $version with all sections"
}

# A compressed file is the source compressed with gzip -9n: maximal
# compression, no name and no time stamp, so every build gives the same bytes.
check_gzip_of() {
    local gz=$1 source=$2
    if cmp -s "$gz" <(gzip -9n -c "$source"); then
        pass "$(basename "$gz") is ${source#"$source_dir"/} under gzip -9n"
    else
        fail "$gz is not ${source#"$source_dir"/} compressed by gzip -9n"
    fi
}

# The ELF program: no section Debian strips (.comment, .note), full RELRO
# and bind-now always, stack canaries in the optimised build.
check_elf() {
    local file=$1 label=$2 sections dynamic segments symbols
    # Whole outputs first: grep -q on a pipe would end readelf early, and
    # pipefail would count that as a failure.
    sections=$(readelf -SW "$file" | sed -n 's/^ *\[ *[0-9]*\] \([^ ]*\) .*/\1/p')
    if grep -qxE '\.comment|\.note' <<<"$sections"; then
        fail "$label keeps a section Debian strips: $(grep -xE '\.comment|\.note' <<<"$sections" | tr '\n' ' ')"
    else
        pass "$label has no .comment or .note section"
    fi
    dynamic=$(readelf -dW "$file")
    segments=$(readelf -lW "$file")
    local before=$failures hardening="full RELRO and bind-now"
    grep -q GNU_RELRO <<<"$segments" || fail "$label has no RELRO segment"
    grep -qE '\(FLAGS_1\).*\bNOW\b' <<<"$dynamic" || fail "$label is not linked with -z now"
    if [[ $sanitize != ON && $build_type =~ ^(Release|RelWithDebInfo|MinSizeRel)$ ]]; then
        hardening+=", stack protector"
        symbols=$(readelf --dyn-syms -W "$file")
        grep -q ' __stack_chk_fail@' <<<"$symbols" \
            || fail "$label has no stack protector (-fstack-protector-strong)"
    fi
    [[ $failures -ne $before ]] || pass "$label has $hardening"
}

# Depends holds, word for word, every entry that dpkg-shlibdeps finds for
# the packed program on this release (libqt6core6 on Debian 12,
# libqt6core6t64 on Debian 13, each with its version bound).
check_shlibdeps() {
    local file=$1 depends=$2 work found entry
    work=$(mktemp -d "${TMPDIR:-/tmp}/kettenbrief-shlibdeps.XXXXXX")
    mkdir "$work/debian"
    : >"$work/debian/control"
    if ! found=$(cd "$work" && dpkg-shlibdeps -O "$file" 2>"$work/log"); then
        cat "$work/log" >&2
        fail "dpkg-shlibdeps cannot read the packed program"
        rm -rf "$work"
        return
    fi
    rm -rf "$work"
    found=${found#shlibs:Depends=}
    [[ -n $found ]] || fail "dpkg-shlibdeps found no library of the packed program"
    while read -r entry; do
        if grep -qxF "$entry" <<<"${depends//, /$'\n'}"; then
            pass "Depends has '$entry' (dpkg-shlibdeps)"
        else
            fail "Depends lacks '$entry', which dpkg-shlibdeps finds for the program"
        fi
    done <<<"${found//, /$'\n'}"
}

# Owner root:root, directories 0755, the program 0755, other files 0644.
check_modes() {
    local deb=$1 listing bad
    listing=$(dpkg-deb --contents "$deb")
    bad=$(awk '
        $2 != "root/root" { print; next }
        $1 ~ /^d/ && $1 != "drwxr-xr-x" { print; next }
        $1 ~ /^-/ && $NF == "./usr/bin/kettenbrief" && $1 != "-rwxr-xr-x" { print; next }
        $1 ~ /^-/ && $NF != "./usr/bin/kettenbrief" && $1 != "-rw-r--r--" { print }
        $1 !~ /^[-d]/ { print }
    ' <<<"$listing")
    if [[ -z $bad ]]; then
        pass "package entries belong to root with modes 0755 and 0644"
    else
        fail "package entries with wrong owner or mode: $bad"
    fi
}

# lintian --pedantic on the package: no error and no warning. Infos and
# pedantic tags are printed for the record.
check_lintian() {
    local deb=$1 output status=0
    output=$(lintian --pedantic --display-info --fail-on error,warning "$deb" 2>&1) || status=$?
    # lintian says so when it runs as root; that is not about the package.
    output=$(grep -v '^running with root privileges is not recommended!$' <<<"$output" || true)
    if [[ $status -eq 0 ]] && ! grep -qE '^[EW]: ' <<<"$output"; then
        pass "lintian --pedantic finds no error and no warning"
        [[ -z $output ]] || echo "$output"
    else
        fail "lintian --pedantic (exit $status):"
        echo "$output" >&2
    fi
}
