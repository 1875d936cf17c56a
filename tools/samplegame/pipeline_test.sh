#!/usr/bin/env bash
# The sample game end to end: generate it, convert it for both screen sizes
# (the large one without sound, to keep the run short) and check that every
# name of the game is present in both data trees.
set -euo pipefail
samplegame="$1"
convert="$2"
work="$3"
rm -rf "$work"
mkdir -p "$work"
"$samplegame" "$work/install" >/dev/null
"$convert" --source "$work/install" --output "$work/small" --screen 320x240 >/dev/null
"$convert" --source "$work/install" --output "$work/large" --screen 640x480 --no-music --no-voices >/dev/null
"$samplegame" --check "$work/small/data"
"$samplegame" --check "$work/large/data" --vga --no-sounds --no-voices
rm -rf "$work"
