# SPDX-License-Identifier: GPL-3.0-or-later
# Installing La Numerella like a desktop program (menu entry, icons, AppStream data, manual pages) and its
# Debian package, made by CPack: cmake --build build && (cd build && cpack -G DEB).
include(GNUInstallDirs)

# The program's id for the desktop entry, the metainfo, the icon and the task bar. The project owns no
# Internet domain, so the id sits under a top-level name reserved for private use and claims nobody's.
set(NUMERELLA_ID "internal.numerella.Numerella")
set(NUMERELLA_MANUTENTORE "Gli sviluppatori della Numerella <maintainers@users.noreply.c-seed-5ed7e5b7.example>"
    CACHE STRING "Maintainer of the Debian package, as \"Name <address>\"")
target_compile_definitions(numerella PRIVATE NUMERELLA_ID="${NUMERELLA_ID}")
# Every symbol bound at start-up, so the offset table can be read-only, as Debian builds its own programs.
target_link_options(numerella PRIVATE -Wl,-z,relro,-z,now)

set(linux ${CMAKE_CURRENT_SOURCE_DIR}/resources/linux)
set(generati ${CMAKE_CURRENT_BINARY_DIR}/installazione)
configure_file(${linux}/numerella.desktop.in ${generati}/${NUMERELLA_ID}.desktop @ONLY)
configure_file(${linux}/numerella.metainfo.xml.in ${generati}/${NUMERELLA_ID}.metainfo.xml @ONLY)
configure_file(${linux}/changelog.in ${generati}/changelog @ONLY)

# The PNG icons are drawn from the SVG at build time by a small Qt tool, so no other converter is needed.
find_package(Qt6 6.4 REQUIRED COMPONENTS Gui Svg)
add_executable(numerella_icone tools/icone.cpp)
target_link_libraries(numerella_icone PRIVATE Qt6::Gui Qt6::Svg)
set(icona_svg ${CMAKE_CURRENT_SOURCE_DIR}/resources/pictures/icona.svg)
set(icone_png)
foreach(lato 16 22 24 32 48 64 128 256)
    set(png ${generati}/icone/${lato}/${NUMERELLA_ID}.png)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${generati}/icone/${lato}
        COMMAND numerella_icone ${icona_svg} ${lato} ${png}
        DEPENDS numerella_icone ${icona_svg}
        COMMENT "Drawing the ${lato}×${lato} icon" VERBATIM)
    list(APPEND icone_png ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${lato}x${lato}/apps)
endforeach()

# Debian wants manual pages and the changelog compressed, reproducibly (no name, no time stamp).
find_program(GZIP gzip REQUIRED)
set(compressi)
foreach(coppia "numerella.1;man1/numerella.1" "numerella.it.1;it/man1/numerella.1" "changelog;changelog")
    list(GET coppia 0 sorgente)
    list(GET coppia 1 destinazione)
    if(sorgente STREQUAL "changelog")
        set(da ${generati}/changelog)
    else()
        set(da ${linux}/${sorgente})
    endif()
    set(gz ${generati}/gz/${destinazione}.gz)
    get_filename_component(cartella ${gz} DIRECTORY)
    add_custom_command(OUTPUT ${gz}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${cartella}
        COMMAND ${GZIP} -9n -c ${da} > ${gz}
        DEPENDS ${da}
        COMMENT "Compressing ${destinazione}")
    list(APPEND compressi ${gz})
endforeach()
add_custom_target(numerella_installazione ALL DEPENDS ${icone_png} ${compressi})

install(TARGETS numerella RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${generati}/${NUMERELLA_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${generati}/${NUMERELLA_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${icona_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${NUMERELLA_ID}.svg)
install(FILES ${generati}/gz/man1/numerella.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${generati}/gz/it/man1/numerella.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/it/man1)
install(FILES ${generati}/gz/changelog.gz ${linux}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME numerella)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${NUMERELLA_MANUTENTORE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "multiplication table drill for primary-school children")
# CPack puts the summary above this and indents each line itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "La Numerella asks a child the products of the multiplication table from
1 x 1 to 10 x 10, one at a time and in random order, with a stopwatch and
an error counter; a completed table can be printed with the child's name.
Tables can be left out to start with the easy ones, also from the command
line. The program is in Italian.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What no linker sees: Qt's Italian texts for its dialogs, the fonts that stand in for Comic Sans MS
# and Arial, and the record's SQLite driver. The platform, SVG and printing plugins ship in the Qt
# libraries found above; the print server's and the sound server's client libraries (libcups2,
# libpulse0) are linked.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, fonts-comic-neue, fonts-liberation, libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-color-emoji")
# Printing needs a print service and sound a sound server; desktops have both.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "cups, pipewire-pulse | pulseaudio")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
