#!/usr/bin/env bash
# Builds the Debian package orvex_<version>_<arch>.deb: only the two programs
# and their documentation are built (no tests, no benchmarks), with Debian's
# standard compiler and hardening flags, then CPack lays out the package.
# CPack strips the executables.
# Usage: scripts/package.sh [BUILD_FOLDER]   (default: build-package/)
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${1:-$ROOT/build-package}"

bash "$ROOT/scripts/setup.sh"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
LAUNCHER=()
if command -v ccache >/dev/null; then LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
# The program folder is the package's own (-U forgets one a developer set in
# this build folder's cache).
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVEX_BUILD_BENCH=OFF \
  -UORVEX_INSTALL_PROGRAM_FOLDER "${LAUNCHER[@]}" \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake --build "$BUILD" --parallel "$(nproc)" --target orvex orvex-cli orvex_compressed_docs
cd "$BUILD"
rm -f orvex_*.deb
cpack -G DEB
ls "$BUILD"/orvex_*.deb
