# Runs at install time (install(SCRIPT) from Install.cmake), when the prefix
# is final: links the program folder's themes/ and Smileys/ (and, with the
# window, help/) to the shared data, puts links to the executables on the
# PATH, and writes the desktop entry. All
# go through file(INSTALL), which honours DESTDIR and records them in the
# install manifest. The links are relative, so a staged (DESTDIR) tree and the
# installed system agree, and within /usr Debian's policy asks for that.
function(orvex_full_path out dir)
  if(IS_ABSOLUTE "${dir}")
    set(path "${dir}")
  else()
    set(path "${CMAKE_INSTALL_PREFIX}/${dir}")
  endif()
  cmake_path(NORMAL_PATH path)
  string(REGEX REPLACE "/$" "" path "${path}")
  set(${out} "${path}" PARENT_SCOPE)
endfunction()

# Installs a link `name` in `folder` pointing at `target` (a full path).
function(orvex_install_link folder name target)
  file(RELATIVE_PATH relative "${folder}" "${target}")
  set(staged "${ORVEX_STAGING_DIR}/links/${folder}")
  file(MAKE_DIRECTORY "${staged}")
  file(REMOVE "${staged}/${name}")
  file(CREATE_LINK "${relative}" "${staged}/${name}" SYMBOLIC)
  file(INSTALL DESTINATION "${folder}" TYPE FILE FILES "${staged}/${name}")
endfunction()

orvex_full_path(orvex_program_dir "${ORVEX_INSTALL_PROGRAM_FOLDER}")
orvex_full_path(orvex_share_dir "${ORVEX_INSTALL_SHARE_DIR}")
orvex_full_path(orvex_bin_dir "${ORVEX_INSTALL_BINDIR}")
orvex_full_path(orvex_data_dir "${ORVEX_INSTALL_DATADIR}")

foreach(folder IN LISTS ORVEX_INSTALL_DATA_FOLDERS)
  orvex_install_link("${orvex_program_dir}" ${folder} "${orvex_share_dir}/${folder}")
endforeach()
foreach(name IN LISTS ORVEX_INSTALL_LINKS)
  orvex_install_link("${orvex_bin_dir}" ${name} "${orvex_program_dir}/${name}")
endforeach()

if(ORVEX_INSTALL_DESKTOP_ENTRY)
  # Started through its link on the PATH, without arguments.
  set(ORVEX_DESKTOP_EXEC "${orvex_bin_dir}/orvex")
  configure_file("${ORVEX_DESKTOP_TEMPLATE}" "${ORVEX_STAGING_DIR}/${ORVEX_APP_ID}.desktop" @ONLY)
  file(INSTALL DESTINATION "${orvex_data_dir}/applications" TYPE FILE
       FILES "${ORVEX_STAGING_DIR}/${ORVEX_APP_ID}.desktop")
endif()
