#!/usr/bin/env bash
# The vnscript tool from the shell: every story script assembled, printed
# back and assembled again to the same bytes; the opcode survey; and a bad
# source refused with its line number.
set -euo pipefail
vnscript="$1"
story="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
for source in "$story"/*.vns; do
  name="$(basename "$source" .vns)"
  "$vnscript" asm "$source" "$work/$name"
  "$vnscript" dis "$work/$name" > "$work/$name.dis"
  "$vnscript" asm "$work/$name.dis" "$work/$name.again"
  cmp "$work/$name" "$work/$name.again"
done
"$vnscript" ops "$work"/*.bin | tail -n 1 | grep -q "^used 77 of 77 opcodes"
printf 'Nop\nsay 1 2 "ok"\nJump nowhere\n' > "$work/bad.vns"
if "$vnscript" asm "$work/bad.vns" "$work/bad.bin" 2> "$work/err"; then
  echo "a bad source was accepted" >&2
  exit 1
fi
grep -q "bad.vns: line 3: undefined label 'nowhere'" "$work/err"
[[ ! -e "$work/bad.bin" ]]
