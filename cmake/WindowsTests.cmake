# Core test files left out of the Windows build, each for a reason:
set(ORVEX_POSIX_ONLY_TESTS)
