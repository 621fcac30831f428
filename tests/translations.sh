#!/usr/bin/env bash
# Every word the program shows has its translation: lupdate, run over the sources into copies of the
# translation files, must find no text without a translation and none that the sources no longer use.
set -euo pipefail
lupdate=$1
root=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in "$root"/translations/velkor_*.ts; do
  copy=$work/$(basename "$ts")
  cp "$ts" "$copy"
  options=(-locations none -no-ui-lines -source-language en)
  # English is the words of the sources; its file holds only the forms of counted words.
  case $(basename "$ts") in velkor_en.ts) options+=(-pluralonly) ;; esac
  "$lupdate" "${options[@]}" "$root/src" -ts "$copy" >/dev/null
  if grep -q 'type="unfinished"\|type="vanished"\|type="obsolete"' "$copy"; then
    echo "$(basename "$ts"): texts without a translation, or translations the sources no longer use:"
    grep -B3 'type="unfinished"\|type="vanished"\|type="obsolete"' "$copy" | grep '<source>' || true
    status=1
  fi
done
exit $status
