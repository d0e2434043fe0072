# Installation, laid out as Linux distributions lay out a program:
#   <prefix>/lib/orvex/          the program folder: the executables, and
#                                themes/, Smileys/, help/ and translations/ as links to
#   <prefix>/share/orvex/        the themes, smiley pictures and the guide the
#                                Help menu opens, the same on every architecture;
#   <prefix>/bin/                links to the executables;
# the desktop entry, the AppStream metadata, the icons, the manual pages, and
# the copyright and changelog files. The programs resolve their executable's
# real path, so they find themes/ and Smileys/ through the links. An absolute
# ORVEX_INSTALL_PROGRAM_FOLDER (a portable copy in /opt, say) is taken as it is.
include(GNUInstallDirs)

set(ORVEX_INSTALL_PROGRAM_FOLDER "lib/orvex" CACHE STRING
    "The program folder: executables, themes/ and Smileys/ (absolute, or relative to the prefix)")
set(ORVEX_INSTALL_SHARE_DIR "${CMAKE_INSTALL_DATADIR}/orvex")
# The AppStream component id, which also names the desktop entry.
set(ORVEX_APP_ID "org.example.orvex.archive")

set(ORVEX_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(ORVEX_PACKAGING_BUILD_DIR ${CMAKE_BINARY_DIR}/packaging)
set(ORVEX_ICON_SIZES 16 32 48 64 128 256)

if(TARGET orvex)
  install(TARGETS orvex RUNTIME DESTINATION ${ORVEX_INSTALL_PROGRAM_FOLDER})
endif()
install(TARGETS orvex-cli RUNTIME DESTINATION ${ORVEX_INSTALL_PROGRAM_FOLDER})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/themes/ DESTINATION ${ORVEX_INSTALL_SHARE_DIR}/themes
        FILES_MATCHING PATTERN "*.th")
install(DIRECTORY ${PROJECT_SOURCE_DIR}/Smileys/ DESTINATION ${ORVEX_INSTALL_SHARE_DIR}/Smileys
        FILES_MATCHING PATTERN "*.gif")
# The folders of shared data the program folder links to.
set(ORVEX_INSTALL_DATA_FOLDERS themes Smileys)
if(TARGET orvex)
  install(FILES ${PROJECT_SOURCE_DIR}/help/guide.html DESTINATION ${ORVEX_INSTALL_SHARE_DIR}/help)
  list(APPEND ORVEX_INSTALL_DATA_FOLDERS help)
  install(DIRECTORY ${ORVEX_BIN_DIR}/translations/ DESTINATION ${ORVEX_INSTALL_SHARE_DIR}/translations
          FILES_MATCHING PATTERN "*.qm")
  list(APPEND ORVEX_INSTALL_DATA_FOLDERS translations)
endif()

# Manual pages and the changelog are installed compressed (gzip -n: no name or
# time stamp, so the same sources give the same bytes).
set(ORVEX_MAN_PAGES orvex-cli)
if(TARGET orvex)
  list(APPEND ORVEX_MAN_PAGES orvex)
endif()
set(ORVEX_COMPRESSED)
foreach(page IN LISTS ORVEX_MAN_PAGES)
  configure_file(${ORVEX_PACKAGING_DIR}/man/${page}.1.in ${ORVEX_PACKAGING_BUILD_DIR}/${page}.1
                 @ONLY)
  list(APPEND ORVEX_COMPRESSED ${ORVEX_PACKAGING_BUILD_DIR}/${page}.1)
endforeach()
configure_file(${ORVEX_PACKAGING_DIR}/changelog ${ORVEX_PACKAGING_BUILD_DIR}/changelog COPYONLY)
list(APPEND ORVEX_COMPRESSED ${ORVEX_PACKAGING_BUILD_DIR}/changelog)
set(ORVEX_COMPRESSED_OUTPUTS)
foreach(file IN LISTS ORVEX_COMPRESSED)
  add_custom_command(OUTPUT ${file}.gz
                     COMMAND gzip -9 -n -c ${file} > ${file}.gz
                     DEPENDS ${file})
  list(APPEND ORVEX_COMPRESSED_OUTPUTS ${file}.gz)
endforeach()
add_custom_target(orvex_compressed_docs ALL DEPENDS ${ORVEX_COMPRESSED_OUTPUTS})
foreach(page IN LISTS ORVEX_MAN_PAGES)
  install(FILES ${ORVEX_PACKAGING_BUILD_DIR}/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
install(FILES ${ORVEX_PACKAGING_BUILD_DIR}/changelog.gz ${ORVEX_PACKAGING_DIR}/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The window's desktop integration only makes sense with the window.
if(TARGET orvex)
  foreach(size ${ORVEX_ICON_SIZES})
    install(FILES ${ORVEX_PACKAGING_DIR}/icons/orvex-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME orvex.png)
  endforeach()
  install(FILES ${ORVEX_PACKAGING_DIR}/icons/orvex.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  configure_file(${ORVEX_PACKAGING_DIR}/orvex.metainfo.xml.in
                 ${ORVEX_PACKAGING_BUILD_DIR}/${ORVEX_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${ORVEX_PACKAGING_BUILD_DIR}/${ORVEX_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

# The links and the desktop entry name folders that are only known for certain
# at install time (`cmake --install --prefix` may move them), so they are made
# then.
set(ORVEX_INSTALL_LINKS orvex-cli)
set(ORVEX_INSTALL_DESKTOP_ENTRY OFF)
if(TARGET orvex)
  list(APPEND ORVEX_INSTALL_LINKS orvex)
  set(ORVEX_INSTALL_DESKTOP_ENTRY ON)
endif()
install(CODE "
  set(ORVEX_INSTALL_PROGRAM_FOLDER \"${ORVEX_INSTALL_PROGRAM_FOLDER}\")
  set(ORVEX_INSTALL_SHARE_DIR \"${ORVEX_INSTALL_SHARE_DIR}\")
  set(ORVEX_INSTALL_DATA_FOLDERS \"${ORVEX_INSTALL_DATA_FOLDERS}\")
  set(ORVEX_INSTALL_BINDIR \"${CMAKE_INSTALL_BINDIR}\")
  set(ORVEX_INSTALL_DATADIR \"${CMAKE_INSTALL_DATADIR}\")
  set(ORVEX_INSTALL_LINKS \"${ORVEX_INSTALL_LINKS}\")
  set(ORVEX_INSTALL_DESKTOP_ENTRY ${ORVEX_INSTALL_DESKTOP_ENTRY})
  set(ORVEX_DESKTOP_TEMPLATE \"${ORVEX_PACKAGING_DIR}/orvex.desktop.in\")
  set(ORVEX_APP_ID \"${ORVEX_APP_ID}\")
  set(ORVEX_STAGING_DIR \"${CMAKE_BINARY_DIR}/install-staging\")
")
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/InstallLinks.cmake)

include(${CMAKE_CURRENT_LIST_DIR}/Package.cmake)
