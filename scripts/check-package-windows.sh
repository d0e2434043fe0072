#!/usr/bin/env bash
# Makes the Windows zip (scripts/package-windows.sh), unpacks it into a fresh
# Wine prefix's "Program Files", and runs it from there as its README says:
# --version, then a website of the demo archive in the default profiles
# folder, named through %PROGRAMFILES% in cmd. Ends with one summary line.
# Usage: scripts/check-package-windows.sh   (Linux build: $ORVEX_BUILD_DIR or build/)
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
LINUX_BUILD="${ORVEX_BUILD_DIR:-$ROOT/build}"
WIN_BUILD="${ORVEX_WINDOWS_BUILD_DIR:-$ROOT/build-windows}"
fail() {
  echo "check-package-windows: $*" >&2
  exit 1
}

bash "$ROOT/scripts/package-windows.sh" "$WIN_BUILD"
ZIP="$(ls "$WIN_BUILD"/orvex-cli-*-windows-x86_64.zip)"
VERSION="$(basename "$ZIP" | sed 's/^orvex-cli-\(.*\)-windows-x86_64\.zip$/\1/')"
NAME="$(basename "$ZIP" .zip)"
cmake --build "$LINUX_BUILD" --target orvex-make-demo >/dev/null

WORK="$(mktemp -d)"
export WINEPREFIX="$WORK/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8
cleanup() {
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT
WINE=/usr/lib/wine/wine64
$WINE wineboot --init >/dev/null 2>&1 || true
/usr/lib/wine/wineserver -w
PROGRAMS="$WINEPREFIX/drive_c/Program Files"
unzip -q "$ZIP" -d "$PROGRAMS"
[ "$(head -c 200 "$PROGRAMS/$NAME/README-windows.txt" | tr -cd '\r' | wc -c)" -gt 0 ] ||
  fail "README-windows.txt has no CR LF line ends"
"$LINUX_BUILD/bin/orvex-make-demo" "$PROGRAMS" >/dev/null
EXE="C:\\Program Files\\$NAME\\orvex-cli.exe"

got="$($WINE "$EXE" --version)"
[ "$got" = "orvex-cli $VERSION" ] || fail "--version said: $got"
# The README's command, in a batch file (cmd takes no quotes from Wine's own
# command line).
printf '@"%s" export "%%PROGRAMFILES%%\\Yahoo!\\Messenger\\Profiles" C:\\site --site --all --smileys\r\n' \
  "$EXE" >"$WINEPREFIX/drive_c/site.cmd"
$WINE cmd /c 'C:\site.cmd' || fail "the website export failed"
SITE="$WINEPREFIX/drive_c/site"
[ -f "$SITE/index.html" ] || fail "the website has no index.html"
grep -q 'sam_rivers' "$SITE/index.html" || fail "the website does not list the demo's identity"
pages="$(find "$SITE" -name '*.html' | wc -l)"
smileys="$(find "$SITE" -name '*.gif' | wc -l)"
[ "$smileys" -gt 0 ] || fail "the website holds no smiley picture"
echo "package-windows: $(basename "$ZIP") $(stat -c %s "$ZIP") bytes, --version ok," \
  "website of the default profiles folder: $pages pages, $smileys pictures"
