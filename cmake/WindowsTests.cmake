# Core test files left out of the Windows build, each for a reason. What they
# check of orvex-cli is checked on Windows by scripts/test-windows.sh, which
# runs every subcommand under Wine and compares its output with the Linux
# build's.
set(ORVEX_POSIX_ONLY_TESTS)
foreach(name
    # They start orvex-cli or the window program through posix_spawn or popen
    # (tests/support/run_program.h).
    bad_input cli_code_page cli_export cli_index cli_records cli_render cli_search
    cli_site_search cli_browse cli_history site_accessibility
    # It reads the joined PDF back with poppler's tools.
    pdf_join
    command_line
    # The POSIX services the Windows build replaces: the private temporary
    # folder's owner and modes, file-size limits (setrlimit), links and
    # lstat-based folder snapshots, setenv for TZ.
    temp_folder export archive_file_guard keep_export
    # A full disk on a tmpfs mount and writes killed with SIGKILL.
    write_faults)
  list(APPEND ORVEX_POSIX_ONLY_TESTS ${CMAKE_CURRENT_LIST_DIR}/../tests/core/${name}_test.cpp)
endforeach()
cmake_path(NORMAL_PATH ORVEX_POSIX_ONLY_TESTS)
