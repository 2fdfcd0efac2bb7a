# SPDX-License-Identifier: GPL-3.0-or-later
#
# Hardening of what gets installed, as Debian builds its own packages.
#
# kettenbrief_haerten(<target>) gives the target's own sources a checked
# libc (_FORTIFY_SOURCE=2) and stack canaries (-fstack-protector-strong) in
# the optimised configurations only: _FORTIFY_SOURCE needs the optimiser and
# warns without it, which -Werror would turn into a broken Debug tree. The
# sanitizer tree gets neither, because AddressSanitizer does not check the
# fortified __*_chk functions and would look at fewer calls.
#
# kettenbrief_binden(<executable>) links with full RELRO and bind-now in
# every configuration: all relocations are done at start-up and the tables
# they wrote become read-only afterwards.

function(kettenbrief_haerten target)
    if(KETTENBRIEF_SANITIZE)
        return()
    endif()
    set(optimiert "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
    # -U first: a compiler that already defines _FORTIFY_SOURCE would
    # otherwise warn about the redefinition.
    target_compile_options(${target} PRIVATE
        "$<${optimiert}:-U_FORTIFY_SOURCE>"
        "$<${optimiert}:-D_FORTIFY_SOURCE=2>"
        "$<${optimiert}:-fstack-protector-strong>")
endfunction()

function(kettenbrief_binden target)
    target_link_options(${target} PRIVATE "LINKER:-z,relro,-z,now")
endfunction()
