#!/usr/bin/env bash
# Builds orvex-cli for Windows (MinGW-w64, static, stripped) and packs
# orvex-cli-<version>-windows-x86_64.zip: the exe, themes\, Smileys\,
# LICENSE.txt and README-windows.txt (both with CR LF line ends).
# Usage: scripts/package-windows.sh [BUILD_FOLDER]   (default: build-windows/)
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${1:-$ROOT/build-windows}"

bash "$ROOT/scripts/setup-windows.sh"
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$BUILD" --parallel "$(nproc)" --target orvex-cli orvex_themes orvex_smileys
VERSION="$(sed -n 's/^project(orvex VERSION \([0-9.]*\).*/\1/p' "$ROOT/CMakeLists.txt")"
NAME="orvex-cli-$VERSION-windows-x86_64"
STAGE="$BUILD/package/$NAME"
rm -rf "$BUILD/package" "$BUILD/$NAME.zip"
mkdir -p "$STAGE"
x86_64-w64-mingw32-strip -o "$STAGE/orvex-cli.exe" "$BUILD/bin/orvex-cli.exe"
cp -r "$BUILD/bin/themes" "$BUILD/bin/Smileys" "$STAGE/"
crlf() { sed -e 's/\r$//' -e 's/$/\r/' "$@"; }
crlf "$ROOT/LICENSE" >"$STAGE/LICENSE.txt"
crlf "$ROOT/packaging/windows/README-windows.txt" | sed "s/@VERSION@/$VERSION/" \
  >"$STAGE/README-windows.txt"
# Fixed times and order, so the same sources give the same zip.
find "$STAGE" -exec touch -h -d '2000-01-01 00:00:00 UTC' {} +
(cd "$BUILD/package" && find "$NAME" -print | LC_ALL=C sort | zip -q -X -D "$BUILD/$NAME.zip" -@)
ls "$BUILD/$NAME.zip"
