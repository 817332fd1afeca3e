#!/bin/sh
# Draws the application icon (a gold star on a crimson rounded tile) and writes
# zorvane.ico with the sizes Windows asks for: 16 and 24 (small), 32 and 48
# (large), 256 (Explorer's big views). The result is committed; run this only
# to change the picture. Needs ImageMagick 6.
set -eu
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A five-pointed star with outer radius 92 and inner radius 38 around (128,132).
star=$(awk 'BEGIN {
  pi = atan2(0, -1)
  for (i = 0; i < 10; i++) {
    r = (i % 2 == 0) ? 92 : 38
    a = -pi / 2 + i * pi / 5
    printf "%s%.1f,%.1f", (i ? " " : ""), 128 + r * cos(a), 132 + r * sin(a)
  }
}')
convert -size 256x256 xc:none \
  -fill '#b0102a' -draw 'roundrectangle 8,8 247,247 44,44' \
  -fill '#d8324a' -draw 'roundrectangle 20,20 235,120 36,36' \
  -fill '#b0102a' -draw 'rectangle 20,90 235,130' \
  -fill '#ffd23c' -stroke '#8a5a00' -strokewidth 8 -draw "polygon $star" \
  "$work/icon-256.png"
for size in 48 32 24 16; do
  convert "$work/icon-256.png" -filter Lanczos -resize ${size}x${size} "$work/icon-$size.png"
done
convert "$work/icon-16.png" "$work/icon-24.png" "$work/icon-32.png" "$work/icon-48.png" "$work/icon-256.png" zorvane.ico
