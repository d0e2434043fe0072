# The Windows build (cmake/mingw-w64-x86_64.cmake): orvex_core,
# orvex_platform, orvex-cli and the core tests. No Qt, no benchmarks, no fuzz
# programs, no install rules or Debian package.
set(ORVEX_BUILD_WINDOW OFF CACHE BOOL "" FORCE)
set(ORVEX_BUILD_WINDOW_TESTS OFF CACHE BOOL "" FORCE)
set(ORVEX_BUILD_BENCH OFF CACHE BOOL "" FORCE)
# -O2: GCC 12's -O3 warns of overlapping copies inside std::string that
# cannot happen (-Wrestrict), and builds slower.
string(REPLACE "-O3" "-O2" CMAKE_CXX_FLAGS_RELEASE "${CMAKE_CXX_FLAGS_RELEASE}")

# The header-only packages are Debian's (CLI11, nlohmann-json). Their CMake
# files name /usr/include, which must not reach the cross compiler (glibc's
# headers would stand before MinGW's), so each gets a folder of its own that
# holds only its headers, and a package file that names that folder.
set(ORVEX_WIN_HEADERS ${CMAKE_BINARY_DIR}/header-only)
foreach(entry "CLI11|CLI11|CLI11|CLI" "nlohmann_json|nlohmann_json|nlohmann_json|nlohmann")
  string(REPLACE "|" ";" parts "${entry}")
  list(GET parts 0 package)
  list(GET parts 1 ns)
  list(GET parts 2 name)
  list(GET parts 3 folder)
  if(NOT EXISTS /usr/include/${folder})
    message(FATAL_ERROR "/usr/include/${folder} is missing: bash scripts/setup-windows.sh")
  endif()
  file(MAKE_DIRECTORY ${ORVEX_WIN_HEADERS}/${package}/include)
  file(CREATE_LINK /usr/include/${folder} ${ORVEX_WIN_HEADERS}/${package}/include/${folder}
       SYMBOLIC)
  file(WRITE ${ORVEX_WIN_HEADERS}/${package}/${package}Config.cmake
    "if(NOT TARGET ${ns}::${name})\n"
    "  add_library(${ns}::${name} INTERFACE IMPORTED)\n"
    "  set_target_properties(${ns}::${name} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES\n"
    "    ${ORVEX_WIN_HEADERS}/${package}/include)\n"
    "endif()\n")
  # Any version asked for is taken: the header's own is Debian's.
  file(WRITE ${ORVEX_WIN_HEADERS}/${package}/${package}ConfigVersion.cmake
    "set(PACKAGE_VERSION_COMPATIBLE TRUE)\n")
  set(${package}_DIR ${ORVEX_WIN_HEADERS}/${package} CACHE PATH "" FORCE)
endforeach()

# GoogleTest from Debian's sources (the googletest package), built here with
# the cross compiler.
if(ORVEX_BUILD_TESTS)
  set(ORVEX_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's sources")
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  add_subdirectory(${ORVEX_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # GoogleTest's own CMake files name the targets GTest::gtest and
  # GTest::gtest_main, as the installed package does.
endif()
