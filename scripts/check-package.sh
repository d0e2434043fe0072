#!/usr/bin/env bash
# Builds the Debian package and checks it as a distribution would: lintian
# (any error or warning fails, and no tag is overridden), the
# desktop entry, the AppStream metadata, and that the changelog and the
# metadata name the package's version. Then installs it on this machine with
# apt, runs both programs from the PATH, renders a demo conversation with the
# installed themes, formats both manual pages, and purges the package again
# (an orvex installed before is replaced and purged too). Installing needs
# root (or sudo). Ends with one summary line.
# Usage: scripts/check-package.sh [BUILD_FOLDER]   (default: build-package/)
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${1:-$ROOT/build-package}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive

fail() {
  echo "check-package: $*" >&2
  exit 1
}

echo "== package"
bash "$ROOT/scripts/package.sh" "$BUILD"  # runs setup.sh, which brings the checkers too
DEB="$(ls "$BUILD"/orvex_*.deb)"
VERSION="$(dpkg-deb -f "$DEB" Version)"
cmake --build "$BUILD" --target orvex-make-demo

echo "== lintian"
LINTIAN_OUT="$(lintian --tag-display-limit 0 "$DEB" 2>/dev/null || true)"
[ -z "$LINTIAN_OUT" ] || echo "$LINTIAN_OUT"
E="$(grep -c '^E: ' <<<"$LINTIAN_OUT" || true)"
W="$(grep -c '^W: ' <<<"$LINTIAN_OUT" || true)"

SCRATCH="$(mktemp -d)"
installed_here=0
cleanup() {
  if [ "$installed_here" = 1 ]; then $SUDO apt-get purge -y orvex >/dev/null || true; fi
  rm -rf "$SCRATCH"
}
trap cleanup EXIT
dpkg-deb -x "$DEB" "$SCRATCH/root"

echo "== desktop entry"
DESKTOP_OUT="$(desktop-file-validate "$SCRATCH"/root/usr/share/applications/*.desktop 2>&1)" ||
  fail "desktop-file-validate: $DESKTOP_OUT"
[ -z "$DESKTOP_OUT" ] || fail "desktop-file-validate: $DESKTOP_OUT"
DESKTOP=ok

echo "== AppStream"
METAINFO="$(ls "$SCRATCH"/root/usr/share/metainfo/*.metainfo.xml)"
appstreamcli validate --no-net --strict "$METAINFO" || fail "appstreamcli validate failed"
grep -q "<release version=\"$VERSION\"" "$METAINFO" ||
  fail "the metadata's releases do not name version $VERSION"
zcat "$SCRATCH/root/usr/share/doc/orvex/changelog.gz" | head -n 1 | grep -q "^orvex ($VERSION)" ||
  fail "the changelog's last entry is not version $VERSION"
APPSTREAM=ok

echo "== install"
if dpkg-query -W -f='${Status}' orvex 2>/dev/null | grep -q 'install ok installed'; then
  echo "check-package: the orvex installed before is replaced, and purged at the end" >&2
fi
installed_here=1
$SUDO apt-get install -y "$(realpath "$DEB")"

got="$(orvex-cli --version)"
[ "$got" = "orvex-cli $VERSION" ] || fail "orvex-cli --version said: $got"
# No display: --version must answer before the window system is needed.
got="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM orvex --version)"
[ "$got" = "orvex $VERSION" ] || fail "orvex --version said: $got"
[ "$(readlink -f /usr/bin/orvex)" = /usr/lib/orvex/orvex ] || fail "/usr/bin/orvex is no link"
for page in orvex orvex-cli; do
  warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)"
  [ -z "$warnings" ] || fail "man $page: $warnings"
  LC_ALL=C.UTF-8 MANWIDTH=80 man -l "/usr/share/man/man1/$page.1.gz" | grep -q '^NAME' ||
    fail "man $page shows no page"
done
# The installed program finds its themes and smileys through the program
# folder's links: a demo conversation renders with the default theme.
"$BUILD/bin/orvex-make-demo" "$SCRATCH/demo" >/dev/null
mapfile -d '' FILES < <(find "$SCRATCH/demo" -path '*/Archive/Messages/*' -name '*.dat' -print0 | sort -z)
((${#FILES[@]})) || fail "the demo has no archive file"
PAGE="$(orvex-cli render --smileys "${FILES[@]}")" || fail "orvex-cli render failed"
grep -q '/usr/lib/orvex/Smileys/[0-9][0-9]\.gif' <<<"$PAGE" ||
  fail "orvex-cli render did not use the installed theme and smileys"
# The guide the Help menu opens lies in the program folder, through its link.
[ "$(readlink -f /usr/lib/orvex/help/guide.html)" = /usr/share/orvex/help/guide.html ] ||
  fail "the guide is not beside the installed program"
# So are the window's catalogues, one per language.
[ "$(readlink -f /usr/lib/orvex/translations/orvex_de.qm)" = /usr/share/orvex/translations/orvex_de.qm ] ||
  fail "the window's catalogues are not beside the installed program"
installed_here=0
$SUDO apt-get purge -y orvex
[ ! -e /usr/bin/orvex ] && [ ! -e /usr/lib/orvex ] && [ ! -e /usr/share/orvex ] ||
  fail "files left after purging"
INSTALL=ok

if [ "$E" != 0 ] || [ "$W" != 0 ]; then fail "lintian E=$E W=$W"; fi
echo "package: lintian E=$E W=$W, desktop $DESKTOP, appstream $APPSTREAM, install $INSTALL"
