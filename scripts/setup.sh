#!/usr/bin/env bash
# Installs every Debian package that building, testing and running Orvex needs,
# and any named as arguments.
# Safe to run again: packages already present are left as they are.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config clang clang-format
  libgtest-dev libgmock-dev googletest libbenchmark-dev libcli11-dev
  qt6-base-dev qt6-base-dev-tools qt6-webengine-dev qt6-webengine-dev-tools
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libqt6printsupport6 libqt6webenginecore6-bin qt6-qpa-plugins
  libgl-dev libglx-dev libxkbcommon-dev
  xvfb xauth imagemagick fonts-dejavu-core
  dpkg-dev lintian appstream desktop-file-utils man-db
  time python3
  libclang-rt-dev
  nlohmann-json3-dev
  poppler-utils
  chromium
)
# The website's browser checks run on Node; any Node 18 or later will do.
if ! command -v node >/dev/null 2>&1; then PACKAGES+=(nodejs npm); fi
# More packages may be named as arguments (scripts/setup-windows.sh does).
PACKAGES+=("$@")

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update
  $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The browser checks' npm packages (tests/browser), at the locked versions.
BROWSER_CHECKS="$(cd "$(dirname "${BASH_SOURCE[0]}")/../tests/browser" && pwd)"
if [ ! -f "$BROWSER_CHECKS/node_modules/.package-lock.json" ] ||
  [ "$BROWSER_CHECKS/package-lock.json" -nt "$BROWSER_CHECKS/node_modules/.package-lock.json" ]; then
  (cd "$BROWSER_CHECKS" && npm ci --no-audit --no-fund)
fi
