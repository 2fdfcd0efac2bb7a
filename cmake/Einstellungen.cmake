# Settings every target of the project gets: strict warnings, and the
# sanitizers when KETTENBRIEF_SANITIZE is on. Whether warnings stop the build
# is the configuration's choice (CMAKE_COMPILE_WARNING_AS_ERROR, set by the
# presets for developers and CI), so a packager's newer compiler does not
# fail on a warning it newly finds.

option(KETTENBRIEF_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

function(kettenbrief_einstellungen ziel)
    target_compile_options(${ziel} PRIVATE -Wall -Wextra -Wpedantic)
    if(KETTENBRIEF_SANITIZE)
        target_compile_options(${ziel} PRIVATE
            -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
        target_link_options(${ziel} PRIVATE -fsanitize=address,undefined)
    endif()
endfunction()
