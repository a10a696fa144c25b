# `cmake --install`: the program in bin/, its generated data in share/saltwing/ (where the program looks
# beside itself: <bin>/../share/saltwing), what a desktop needs to list it: a .desktop file, an icon in the
# hicolor theme and AppStream metainfo, and the manual pages. The replay tool goes beside the game when it
# is built.
include(GNUInstallDirs)

set(SALTWING_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(SALTWING_INSTALL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/saltwing)
if(NOT CMAKE_INSTALL_DATADIR STREQUAL "share")
    message(WARNING "The game looks for its data in <bin>/../share/saltwing; CMAKE_INSTALL_DATADIR is "
                    "${CMAKE_INSTALL_DATADIR}, so the installed game will not find it")
endif()

install(FILES ${SALTWING_PACKAGING_DIR}/saltwing.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${SALTWING_PACKAGING_DIR}/io.github.saltwing.Saltwing.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${SALTWING_PACKAGING_DIR}/saltwing.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
if(TARGET saltwing-replay)
    install(TARGETS saltwing-replay RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${SALTWING_PACKAGING_DIR}/saltwing-replay.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
endif()

# Without the generator (sanitizer builds) there is no data to install.
if(TARGET saltwing_data)
    install(DIRECTORY ${SALTWING_DATA_DIR}/Bitmaps ${SALTWING_DATA_DIR}/audio
            DESTINATION ${SALTWING_INSTALL_DATA_DIR})
    install(DIRECTORY ${SALTWING_DATA_DIR}/fonts DESTINATION ${SALTWING_INSTALL_DATA_DIR} OPTIONAL)
    # Every size desktops ask for, 16 to 512 pixels, and the scalable one.
    install(DIRECTORY ${SALTWING_DATA_DIR}/icons DESTINATION ${CMAKE_INSTALL_DATADIR})

    if(SALTWING_BUILD_TESTS)
        # Installs into a temporary prefix, validates the desktop files and runs the installed game from
        # another working directory.
        add_test(NAME InstalledGameFindsItsData
                 COMMAND bash ${SALTWING_PACKAGING_DIR}/install_check.sh ${CMAKE_BINARY_DIR})
        set_tests_properties(InstalledGameFindsItsData PROPERTIES LABELS data SKIP_RETURN_CODE 77 TIMEOUT 120)
        add_test(NAME IconsInEverySize
                 COMMAND bash ${SALTWING_PACKAGING_DIR}/icon_check.sh ${SALTWING_DATA_DIR}/icons/hicolor)
        set_tests_properties(IconsInEverySize PROPERTIES LABELS data TIMEOUT 60)
    endif()
endif()
