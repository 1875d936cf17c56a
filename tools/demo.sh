#!/usr/bin/env bash
# The demo: generates the sample game, converts it with convVarnek for both
# handheld screens into play folders (with the opening movie copied into
# data\jmv), and draws a contact sheet of each tree's converted pictures.
set -euo pipefail
build="${VN_BUILD_DIR:?VN_BUILD_DIR not set}"
samplegame="$build/tools/samplegame/samplegame"
convert="$build/converter/app/convVarnek"
work="$build/demo"
start=$(date +%s)
rm -rf "$work"
mkdir -p "$work"

echo "== generating the sample game into $work/install"
"$samplegame" "$work/install"
"$build/tools/pac/pac" extract "$work/install/Script.pac" "$work/scripts" >/dev/null
echo "== opcodes used by the story's scripts"
"$build/tools/vnscript/vnscript" ops "$work/scripts"/*.bin | tail -n 1

for size in 320x240 640x480; do
    play="$work/play-$size"
    echo "== converting for $size into $play/data"
    "$convert" --source "$work/install" --output "$play" --screen "$size" | tail -n 1
    mkdir -p "$play/data/jmv"
    cp "$work/install/jmv/Opening.jmv" "$work/install/jmv/Opening.mp3" "$play/data/jmv/"
    vga=""
    [[ "$size" == 640x480 ]] && vga="-vga"
    "$samplegame" --contact-sheet$vga "$play/data" "$work/contact-sheet-$size.png"
done

echo "== sizes"
du -sh "$work/install" "$work/play-320x240/data" "$work/play-640x480/data"
echo "== contact sheets"
ls "$work"/contact-sheet-*.png
echo "demo finished in $(( $(date +%s) - start )) s"
