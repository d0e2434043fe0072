#!/usr/bin/env bash
# Builds everything, writes the bundled demo archive and shows one of its
# conversations.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${ORVEX_BUILD_DIR:-$ROOT/build}"

bash "$ROOT/scripts/setup.sh"
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" --parallel "$(nproc)"

DEMO="$BUILD/demo"
"$BUILD/bin/orvex-make-demo" "$DEMO"
FILE="$(find "$DEMO" -name '*.dat' -path '*Archive/Messages*' | sort | head -n 1)"
echo "== $FILE"
"$BUILD/bin/orvex-cli" records "$FILE"
