# SPDX-License-Identifier: GPL-3.0-or-later
# Installing La Numerella like a desktop program (menu entry, icons, AppStream data, manual pages). The
# Debian package is made from debian/ (dpkg-buildpackage), which installs these same files.
include(GNUInstallDirs)

# The program's id for the desktop entry, the metainfo, the icon and the task bar. The project owns no
# Internet domain, so the id sits under a top-level name reserved for private use and claims nobody's.
set(NUMERELLA_ID "internal.numerella.Numerella")
target_compile_definitions(numerella PRIVATE NUMERELLA_ID="${NUMERELLA_ID}")

set(linux ${CMAKE_CURRENT_SOURCE_DIR}/resources/linux)
set(generati ${CMAKE_CURRENT_BINARY_DIR}/installazione)
configure_file(${linux}/numerella.desktop.in ${generati}/${NUMERELLA_ID}.desktop @ONLY)
configure_file(${linux}/numerella.metainfo.xml.in ${generati}/${NUMERELLA_ID}.metainfo.xml @ONLY)
# Software centres show the newest release of the metainfo as the version: it must be this one.
file(STRINGS ${linux}/numerella.metainfo.xml.in ultima_versione REGEX "<release version=" LIMIT_COUNT 1)
if(NOT ultima_versione MATCHES "version=\"${PROJECT_VERSION}\"")
    message(FATAL_ERROR "The newest <release> in numerella.metainfo.xml.in is not ${PROJECT_VERSION}, "
                        "the version of debian/changelog: add its notes there.")
endif()

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

add_custom_target(numerella_installazione ALL DEPENDS ${icone_png})

install(TARGETS numerella RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${generati}/${NUMERELLA_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${generati}/${NUMERELLA_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${icona_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${NUMERELLA_ID}.svg)
install(FILES ${linux}/numerella.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The manual in the other languages it is written in, where man looks for the reader's language.
foreach(lingua IN ITEMS it de fr)
    install(FILES ${linux}/numerella.${lingua}.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/${lingua}/man1
        RENAME numerella.1)
endforeach()
# The school's server is prepared with this script (see the README).
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/resources/server/numerella-server.sql
    DESTINATION ${CMAKE_INSTALL_DATADIR}/numerella)
