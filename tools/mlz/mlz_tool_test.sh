#!/usr/bin/env bash
# Packs files with awkward names and contents, extracts them again and
# compares byte for byte; then checks the tool's refusals.
set -euo pipefail
mlz="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/in"
LC_ALL=C awk 'BEGIN { srand(7); for (i = 0; i < 100000; i++) printf "%c", int(rand() * 256) }' > "$work/in/random.bin"
for i in $(seq 3000); do echo "スクリプト line $i"; done > "$work/in/表示.txt"   # 表 is 0x95 0x5C in Shift-JIS
: > "$work/in/empty.dat"
name63="$(printf 'n%.0s' $(seq 59)).bin"
cp "$work/in/random.bin" "$work/in/$name63"

for mode in "" "--store"; do
  rm -rf "$work/out"
  "$mlz" pack "$work/a.mlz" $mode "$work"/in/*
  "$mlz" list "$work/a.mlz" > /dev/null
  "$mlz" list --tsv "$work/a.mlz" | cut -f2 | sort > "$work/names"
  (cd "$work/in" && ls | sort) | diff - "$work/names"
  "$mlz" extract "$work/a.mlz" "$work/out"
  diff -r "$work/in" "$work/out"
  "$mlz" cat "$work/a.mlz" "表示.TXT" | cmp - "$work/in/表示.txt"
done

expect_fail() { if "$@" 2> "$work/err"; then echo "expected failure: $*"; exit 1; fi; [[ -s "$work/err" ]]; }
expect_fail "$mlz" cat "$work/a.mlz" "missing"
expect_fail "$mlz" list "$work/in/random.bin"
expect_fail "$mlz" list "$work/nothing.mlz"
long="$(printf 'n%.0s' $(seq 64))"
: > "$work/$long"
expect_fail "$mlz" pack "$work/b.mlz" "$work/$long"
expect_fail "$mlz" bogus
echo "mlz tool: ok"
