# SPDX-License-Identifier: GPL-3.0-or-later
# Settings every target of the project gets: strict warnings, the sanitizers
# when KETTENBRIEF_SANITIZE is on, and the hardening of cmake/Haertung.cmake
# (the benchmarks' floors are built like the program they are measured
# against). Whether warnings stop the build is the configuration's choice
# (CMAKE_COMPILE_WARNING_AS_ERROR, set by the presets for developers and
# CI), so a packager's newer compiler does not fail on a warning it newly
# finds.

option(KETTENBRIEF_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
include(${CMAKE_CURRENT_LIST_DIR}/Haertung.cmake)

function(kettenbrief_einstellungen ziel)
    target_compile_options(${ziel} PRIVATE -Wall -Wextra -Wpedantic)
    if(KETTENBRIEF_SANITIZE)
        target_compile_options(${ziel} PRIVATE
            -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
        target_link_options(${ziel} PRIVATE -fsanitize=address,undefined)
    endif()
    kettenbrief_haerten(${ziel})
    get_target_property(art ${ziel} TYPE)
    if(art STREQUAL "EXECUTABLE")
        kettenbrief_binden(${ziel})
    endif()
endfunction()
