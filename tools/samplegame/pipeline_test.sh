#!/usr/bin/env bash
# The sample game end to end: generate it, convert it for both screen sizes
# (the large one without sound, to keep the run short) and check that every
# name of the game is present in both data trees; then a movie made with
# jmv from three converted pictures.
set -euo pipefail
samplegame="$1"
convert="$2"
work="$3"
rbp="$4"
jmv="$5"
rm -rf "$work"
mkdir -p "$work"
"$samplegame" "$work/install" >/dev/null
"$convert" --source "$work/install" --output "$work/small" --screen 320x240 >/dev/null
"$convert" --source "$work/install" --output "$work/large" --screen 640x480 --no-music --no-voices >/dev/null
"$samplegame" --check "$work/small/data"
"$samplegame" --check "$work/large/data" --vga --no-sounds --no-voices
for n in 000 004 011; do
  "$rbp" decode "$work/large/data/Thumbnail_vga.mlz:Thum_$n.rbp" "$work/frame$n.png"
done
"$jmv" make "$work/thumbs.jmv" --fps 2 --quality 3 "$work"/frame*.png
"$jmv" info "$work/thumbs.jmv" > "$work/info"
grep -q "^3 frames, 2 fps (1.50 s), 128 x 96" "$work/info"
rm -rf "$work"
