# The Debian package: `cpack -G DEB` in the build folder (scripts/package.sh).
# It holds what the install rules lay out, with /usr as the prefix.
set(CPACK_PACKAGE_NAME orvex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Orvex developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "reader for instant messenger message archives")
# Wrapped by hand: the lines go into the control file as they are.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Orvex Messenger Archive finds the archive folders an instant messenger"
  "wrote to disk, shows its identities and contacts, lists the archived"
  "conversations and shows them as themed pages. It searches them, compares"
  "both sides in statistics, and saves them as HTML or text. It never changes"
  "an archive file."
  ""
  "The package also holds orvex-cli, a command-line companion that does the"
  "same work without a window, for scripts.")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://orvex.example.org/messenger-archive/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The installed program needs no debugging information.
set(CPACK_STRIP_FILES ON)

set(ORVEX_PACKAGE_MAINTAINER "Orvex maintainers <maintainers@users.noreply.c-seed-2bcadbb9.example>"
    CACHE STRING "Maintainer field of the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ORVEX_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the executables link are found by dpkg-shlibdeps (dpkg-dev).
# What Qt loads at run time is not linked, so it is named here: the browser
# view's helper process and the platform plugins that draw the window.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TARGET orvex)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6webenginecore6-bin, qt6-qpa-plugins")
  # Qt's own texts (its dialogs' buttons) in the user's language.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
endif()

# The program folder as the package lays it out, for the maintainer script.
if(IS_ABSOLUTE "${ORVEX_INSTALL_PROGRAM_FOLDER}")
  set(ORVEX_PACKAGE_PROGRAM_DIR "${ORVEX_INSTALL_PROGRAM_FOLDER}")
else()
  set(ORVEX_PACKAGE_PROGRAM_DIR "${CPACK_PACKAGING_INSTALL_PREFIX}/${ORVEX_INSTALL_PROGRAM_FOLDER}")
endif()
configure_file(${ORVEX_PACKAGING_DIR}/postrm.in ${CMAKE_BINARY_DIR}/packaging/postrm @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
               WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_BINARY_DIR}/packaging/postrm)

include(CPack)
