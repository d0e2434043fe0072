# Runs at install time (install(SCRIPT) from Install.cmake), when the prefix
# is final: puts relative links to the program folder's executables on the
# PATH and writes the desktop entry with the program's full path. Both go
# through file(INSTALL), which honours DESTDIR and records them in the
# install manifest.
if(IS_ABSOLUTE "${ORVEX_INSTALL_PROGRAM_DIR}")
  set(orvex_program_dir "${ORVEX_INSTALL_PROGRAM_DIR}")
else()
  set(orvex_program_dir "${CMAKE_INSTALL_PREFIX}/${ORVEX_INSTALL_PROGRAM_DIR}")
endif()
if(IS_ABSOLUTE "${ORVEX_INSTALL_BINDIR}")
  set(orvex_bin_dir "${ORVEX_INSTALL_BINDIR}")
else()
  set(orvex_bin_dir "${CMAKE_INSTALL_PREFIX}/${ORVEX_INSTALL_BINDIR}")
endif()
cmake_path(NORMAL_PATH orvex_program_dir)
cmake_path(NORMAL_PATH orvex_bin_dir)
file(RELATIVE_PATH orvex_to_program "${orvex_bin_dir}" "${orvex_program_dir}")

file(MAKE_DIRECTORY "${ORVEX_STAGING_DIR}")
foreach(name IN LISTS ORVEX_INSTALL_LINKS)
  file(REMOVE "${ORVEX_STAGING_DIR}/${name}")
  file(CREATE_LINK "${orvex_to_program}/${name}" "${ORVEX_STAGING_DIR}/${name}" SYMBOLIC)
  file(INSTALL DESTINATION "${orvex_bin_dir}" TYPE FILE FILES "${ORVEX_STAGING_DIR}/${name}")
endforeach()

if(ORVEX_INSTALL_DESKTOP_ENTRY)
  set(ORVEX_DESKTOP_EXEC "${orvex_program_dir}/orvex")
  cmake_path(NORMAL_PATH ORVEX_DESKTOP_EXEC)
  configure_file("${ORVEX_DESKTOP_TEMPLATE}" "${ORVEX_STAGING_DIR}/orvex.desktop" @ONLY)
  if(IS_ABSOLUTE "${ORVEX_INSTALL_DATADIR}")
    set(orvex_data_dir "${ORVEX_INSTALL_DATADIR}")
  else()
    set(orvex_data_dir "${CMAKE_INSTALL_PREFIX}/${ORVEX_INSTALL_DATADIR}")
  endif()
  file(INSTALL DESTINATION "${orvex_data_dir}/applications" TYPE FILE
       FILES "${ORVEX_STAGING_DIR}/orvex.desktop")
endif()
