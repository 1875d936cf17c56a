#!/usr/bin/env bash
# The demo: packs a few files (one with a Shift-JIS name whose second byte is
# a backslash code) into an .mlz archive, lists it and unpacks it again.
set -euo pipefail
build="${VN_BUILD_DIR:?VN_BUILD_DIR not set}"
mlz="$build/tools/mlz/mlz"
work="$build/demo"
rm -rf "$work"
mkdir -p "$work/in"
for i in $(seq 200); do echo "第${i}話　表示テスト"; done > "$work/in/表示.txt"
cp "$(dirname "$0")/../README.md" "$work/in/README.md"
"$mlz" pack "$work/demo.mlz" "$work"/in/*
"$mlz" list "$work/demo.mlz"
"$mlz" extract "$work/demo.mlz" "$work/out"
diff -r "$work/in" "$work/out"
echo "round trip of $(ls "$work/in" | wc -l) files through $work/demo.mlz: identical"
