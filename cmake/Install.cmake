# Installation: one self-contained program folder (the executables with
# themes/ and Smileys/ beside them, where they look for them), links on the
# PATH, a desktop entry and the icon. The program folder defaults to
# /opt/orvex; the links, desktop entry and icon go below CMAKE_INSTALL_PREFIX
# (/usr in the package). A relative ORVEX_INSTALL_PROGRAM_DIR is taken below
# the prefix instead, for a fully relocatable layout.
include(GNUInstallDirs)

set(ORVEX_INSTALL_PROGRAM_DIR "/opt/orvex" CACHE STRING
    "The program folder: executables, themes/ and Smileys/ (absolute, or relative to the prefix)")

set(ORVEX_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(ORVEX_ICON_SIZES 16 32 48 64 128 256)

if(TARGET orvex)
  install(TARGETS orvex RUNTIME DESTINATION ${ORVEX_INSTALL_PROGRAM_DIR})
endif()
install(TARGETS orvex-cli RUNTIME DESTINATION ${ORVEX_INSTALL_PROGRAM_DIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/themes/ DESTINATION ${ORVEX_INSTALL_PROGRAM_DIR}/themes
        FILES_MATCHING PATTERN "*.th")
install(DIRECTORY ${PROJECT_SOURCE_DIR}/Smileys/ DESTINATION ${ORVEX_INSTALL_PROGRAM_DIR}/Smileys
        FILES_MATCHING PATTERN "*.gif")

# The window's desktop integration only makes sense with the window.
if(TARGET orvex)
  foreach(size ${ORVEX_ICON_SIZES})
    install(FILES ${ORVEX_PACKAGING_DIR}/icons/orvex-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME orvex.png)
  endforeach()
  install(FILES ${ORVEX_PACKAGING_DIR}/icons/orvex.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

# The links on the PATH and the desktop entry name the program folder, which
# is only known for certain at install time (`cmake --install --prefix` may
# move it), so they are made then. Relative links keep a staged (DESTDIR)
# tree and the installed system alike.
set(ORVEX_INSTALL_LINKS orvex-cli)
set(ORVEX_INSTALL_DESKTOP_ENTRY OFF)
if(TARGET orvex)
  list(APPEND ORVEX_INSTALL_LINKS orvex)
  set(ORVEX_INSTALL_DESKTOP_ENTRY ON)
endif()
install(CODE "
  set(ORVEX_INSTALL_PROGRAM_DIR \"${ORVEX_INSTALL_PROGRAM_DIR}\")
  set(ORVEX_INSTALL_BINDIR \"${CMAKE_INSTALL_BINDIR}\")
  set(ORVEX_INSTALL_DATADIR \"${CMAKE_INSTALL_DATADIR}\")
  set(ORVEX_INSTALL_LINKS \"${ORVEX_INSTALL_LINKS}\")
  set(ORVEX_INSTALL_DESKTOP_ENTRY ${ORVEX_INSTALL_DESKTOP_ENTRY})
  set(ORVEX_DESKTOP_TEMPLATE \"${ORVEX_PACKAGING_DIR}/orvex.desktop.in\")
  set(ORVEX_STAGING_DIR \"${CMAKE_BINARY_DIR}/install-staging\")
")
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/InstallLinks.cmake)

include(${CMAKE_CURRENT_LIST_DIR}/Package.cmake)
