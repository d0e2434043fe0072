#!/usr/bin/env bash
# Installs what is needed, builds everything and runs every test; then builds
# the core, the companion, their tests, the fuzz targets and the window with
# its random-use driver (the monkey) again with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, runs those tests too and each fuzz target for
# 20 seconds.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${ORVEX_BUILD_DIR:-$ROOT/build}"
SANITIZE_BUILD="${ORVEX_SANITIZE_BUILD_DIR:-$ROOT/build-sanitize}"
JOBS="$(nproc)"

bash "$ROOT/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1

echo "== build and test"
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$BUILD" --parallel "$JOBS"
(cd "$BUILD" && ctest --output-on-failure --parallel "$JOBS" --timeout 600)

if [ "${ORVEX_SKIP_SANITIZE:-0}" != "1" ]; then
  echo "== sanitizer build (clang; address, undefined; fuzz targets; the monkey) and test"
  # The window is built for the monkey alone; the other window tests stay out.
  cmake -S "$ROOT" -B "$SANITIZE_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_COMPILER=clang++ -DORVEX_SANITIZE=ON \
    -DORVEX_BUILD_FUZZ=ON -DORVEX_BUILD_WINDOW_TESTS=OFF -DORVEX_BUILD_BENCH=OFF
  cmake --build "$SANITIZE_BUILD" --parallel "$JOBS"
  (cd "$SANITIZE_BUILD" &&
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
      ctest --output-on-failure --parallel "$JOBS" --timeout 600)
  echo "== fuzz targets, 20 s each"
  bash "$ROOT/scripts/fuzz-run.sh" "$SANITIZE_BUILD" 20
fi
