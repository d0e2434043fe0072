#!/usr/bin/env bash
# Installs, beside scripts/setup.sh's packages, what the Windows build and its
# tests under Wine need: the MinGW-w64 compiler with POSIX threads, Wine, zip
# for the package, and the Greek locale Wine takes its code page (1253) and
# its file-name characters from. Safe to run again.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$ROOT/scripts/setup.sh" g++-mingw-w64-x86-64-posix wine wine64 zip locales procps bsdutils
if ! locale -a | grep -qx 'el_GR.utf8'; then
  localedef -i el_GR -f UTF-8 el_GR.UTF-8
fi
