#!/usr/bin/env bash
# Installs the Debian packages the Windows build and its tests under Wine need
# (beside scripts/setup.sh's): the MinGW-w64 compiler with POSIX threads,
# Wine, zip for the package, and the Greek locale Wine takes its code page
# (1253) and its file-name characters from. Safe to run again.
set -euo pipefail
PACKAGES=(
  g++-mingw-w64-x86-64-posix wine wine64 zip locales
  cmake ninja-build build-essential googletest libcli11-dev nlohmann-json3-dev
)
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
if ! locale -a | grep -qx 'el_GR.utf8'; then
  localedef -i el_GR -f UTF-8 el_GR.UTF-8
fi
