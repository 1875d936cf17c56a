#!/usr/bin/env bash
# pac round trips in all three methods, then a conversion of a game folder
# whose Script.pac, Table.pac and Update.pac use the three methods: the
# entries of data/Script.mlz (with overrides) and data/Table.mlz must equal
# the decoded PAC entries.
set -euo pipefail
pac="$1" conv="$2" mlz="$3"
work="${4:-$(mktemp -d)}"
[[ $# -ge 4 ]] || trap 'rm -rf "$work"' EXIT
rm -rf "$work"/*
mkdir -p "$work/script" "$work/update" "$work/table" "$work/game" "$work/out"

LC_ALL=C awk 'BEGIN { srand(3); for (i = 0; i < 30000; i++) printf "%c", int(rand() * 256) }' > "$work/script/noise.scr"
for i in $(seq 2000); do echo "第${i}話　表示テスト"; done > "$work/script/表示.scr"   # 表 is 0x95 0x5C
printf 'start of the story' > "$work/script/start.scr"
printf 'patched start' > "$work/update/START.SCR"      # replaces start.scr (names compared without case)
printf 'never used' > "$work/update/extra.scr"          # no counterpart in Script.pac
printf 'stand table' > "$work/table/StandInfo.DAT"
printf 'visual table' > "$work/table/VisualInfo.DAT"
for i in $(seq 500); do printf 'scene %d\n' "$i"; done > "$work/table/SceneInfo.DAT"

for m in 0 1 2; do
  "$pac" pack "$work/t$m.pac" --method "$m" "$work"/script/*
  rm -rf "$work/x"
  "$pac" extract "$work/t$m.pac" "$work/x"
  diff -r "$work/script" "$work/x"
done

"$pac" pack "$work/game/Script.pac" --method 1 "$work"/script/*
"$pac" pack "$work/game/Update.pac" --method 0 "$work"/update/*
"$pac" pack "$work/game/Table.pac" --method 2 "$work"/table/*
: > "$work/game/LucentGrove.exe"
"$pac" list "$work/game/Script.pac"
"$conv" --source "$work/game" --output "$work/out" --no-music --no-voices

check() { # archive name expected-file
  "$mlz" cat "$work/out/data/$1" "$2" | cmp - "$3"
  echo "data/$1 $2 = $3"
}
check Script.mlz noise.scr "$work/script/noise.scr"
check Script.mlz 表示.scr "$work/script/表示.scr"
check Script.mlz start.scr "$work/update/START.SCR"
for f in StandInfo.DAT VisualInfo.DAT SceneInfo.DAT; do check Table.mlz "$f" "$work/table/$f"; done
if "$mlz" cat "$work/out/data/Script.mlz" extra.scr > /dev/null 2>&1; then
  echo "an override without counterpart was added"; exit 1
fi
"$mlz" list "$work/out/data/Script.mlz"
"$mlz" list "$work/out/data/Table.mlz"

# The dialog's refusals exit with 2.
rm "$work/game/LucentGrove.exe"
status=0; "$conv" --source "$work/game" --output "$work/out" 2> "$work/err" || status=$?
[[ $status -eq 2 ]] && grep -q 'フォルダを指定して下さい' "$work/err"
echo "pac conversion: ok"
