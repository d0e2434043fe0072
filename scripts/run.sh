#!/usr/bin/env bash
# Builds everything, writes the bundled demo archive and starts the window on
# it. The demo's identity is made the messenger's current user in a
# configuration folder of the demo's own; yours is not touched.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${ORVEX_BUILD_DIR:-$ROOT/build}"

bash "$ROOT/scripts/setup.sh"
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" --parallel "$(nproc)"

DEMO="$BUILD/demo"
rm -rf "$DEMO/programs"
"$BUILD/bin/orvex-make-demo" "$DEMO/programs"
mkdir -p "$DEMO/config/orvex"
printf '[Software/Yahoo/Pager]\r\nYahoo! User ID=sam_rivers\r\n\r\n[Software/Yahoo/Pager/profiles/sam_rivers/Archive]\r\nEnabled=1\r\n' \
  > "$DEMO/config/orvex/registry.ini"

export PROGRAMFILES="$DEMO/programs"
export XDG_CONFIG_HOME="$DEMO/config"
if [ "$(id -u)" -eq 0 ]; then export QTWEBENGINE_DISABLE_SANDBOX=1; fi
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: showing one demo conversation with orvex-cli instead."
  FILE="$(find "$PROGRAMFILES" -name '*.dat' -path '*Archive/Messages*' | sort | head -n 1)"
  exec "$BUILD/bin/orvex-cli" records "$FILE"
fi
exec "$BUILD/bin/orvex"
