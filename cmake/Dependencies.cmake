# SDL2 and its companions by their CMake packages, pkg-config as the fallback.
find_package(PkgConfig)

function(saltwing_find_sdl_part target package pcname)
    find_package(${package} CONFIG QUIET)
    if(NOT TARGET ${target})
        pkg_check_modules(${package}_PC REQUIRED IMPORTED_TARGET ${pcname})
        add_library(${target} INTERFACE IMPORTED)
        target_link_libraries(${target} INTERFACE PkgConfig::${package}_PC)
    endif()
endfunction()

saltwing_find_sdl_part(SDL2::SDL2 SDL2 sdl2)
saltwing_find_sdl_part(SDL2_ttf::SDL2_ttf SDL2_ttf SDL2_ttf)
saltwing_find_sdl_part(SDL2_mixer::SDL2_mixer SDL2_mixer SDL2_mixer)

# Only to quiet ALSA's own error printing, which SDL's ALSA driver leaves on.
pkg_check_modules(ALSA REQUIRED IMPORTED_TARGET alsa)

find_package(Threads REQUIRED)
