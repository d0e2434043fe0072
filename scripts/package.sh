#!/usr/bin/env bash
# Builds the Debian package orvex_<version>_<arch>.deb: only the two programs
# are built (no tests, no benchmarks), then CPack lays out the package.
# The same build type as the tests use; CPack strips the executables.
# Usage: scripts/package.sh [BUILD_FOLDER]   (default: build-package/)
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${1:-$ROOT/build-package}"

bash "$ROOT/scripts/setup.sh"
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVEX_BUILD_BENCH=OFF
cmake --build "$BUILD" --parallel "$(nproc)" --target orvex orvex-cli
cd "$BUILD"
cpack -G DEB
ls "$BUILD"/orvex_*.deb
