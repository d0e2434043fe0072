#!/usr/bin/env bash
# Draws the program's icon: a speech bubble rising from an archive box on a
# blue tile. Writes packaging/icons/orvex.svg and orvex-<size>.png for the
# icon theme's usual sizes. Usage: tools/make_icon.sh [OUTPUT_FOLDER]
# Needs ImageMagick's convert. The shapes are listed once below and written
# both as SVG and as ImageMagick drawing commands, so the two cannot drift.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
out=${1:-"$here/../packaging/icons"}
mkdir -p "$out"
command -v convert >/dev/null || { echo "make_icon.sh: ImageMagick convert not found" >&2; exit 1; }

# One shape per line, on a 256x256 canvas: FILL STROKE WIDTH PATH.
# Paths use only M, H, V, L, A and Z, which both readers take alike.
SHAPES=(
  # The tile.
  "#1F5F8B none 0 M56,16 H200 A40,40 0 0 1 240,56 V200 A40,40 0 0 1 200,240 H56 A40,40 0 0 1 16,200 V56 A40,40 0 0 1 56,16 Z"
  # The speech bubble, its tail running down into the box.
  "#FFFFFF none 0 M80,30 H180 A20,20 0 0 1 200,50 V94 A20,20 0 0 1 180,114 H126 L92,140 L100,114 H80 A20,20 0 0 1 60,94 V50 A20,20 0 0 1 80,30 Z"
  # Three lines of text in the bubble.
  "none #1F5F8B 10 M84,54 H176"
  "none #1F5F8B 10 M84,72 H176"
  "none #1F5F8B 10 M84,90 H140"
  # The box and its lid.
  "#E8A33D #6B3F0C 6 M56,150 H200 V206 A10,10 0 0 1 190,216 H66 A10,10 0 0 1 56,206 Z"
  "#F7C062 #6B3F0C 6 M48,124 H208 V150 H48 Z"
  # The grip on the box's front.
  "#6B3F0C none 0 M112,166 H144 A6,6 0 0 1 144,178 H112 A6,6 0 0 1 112,166 Z"
)

svg="$out/orvex.svg"
mvg=$(mktemp)
trap 'rm -f "$mvg"' EXIT
{
  echo '<?xml version="1.0" encoding="UTF-8"?>'
  echo '<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">'
} >"$svg"
echo "scale 4,4" >"$mvg"
for shape in "${SHAPES[@]}"; do
  read -r fill stroke width path <<<"$shape"
  echo "  <path d=\"$path\" fill=\"$fill\" stroke=\"$stroke\" stroke-width=\"$width\"" \
    "stroke-linecap=\"round\" stroke-linejoin=\"round\"/>" >>"$svg"
  {
    echo "fill '$fill' stroke '$stroke' stroke-width $width"
    echo "stroke-linecap round stroke-linejoin round"
    echo "path '$path'"
  } >>"$mvg"
done
echo '</svg>' >>"$svg"

# Drawn at 1024 pixels and scaled down, which smooths the edges at every size.
big=$(mktemp --suffix=.png)
trap 'rm -f "$mvg" "$big"' EXIT
convert -size 1024x1024 xc:none -draw "$(cat "$mvg")" "$big"
for size in 16 32 48 64 128 256; do
  convert "$big" -filter Box -resize "${size}x${size}" -strip "PNG32:$out/orvex-$size.png"
done
