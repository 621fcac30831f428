#!/usr/bin/env bash
# Velkor installed under a prefix with spaces and Turkish letters, run on a real X server with a private
# D-Bus session:
# 1. no tray of either kind: the calendar stands in for the icon; the data goes to the user's data folder,
#    not beside the installed program; the autostart entry names the installed program;
# 2. a StatusNotifier watcher with a host: the item registers, its tip is today's date, its menu carries
#    every item in the program's language (and another after a click on that language), Activate shows and
#    hides the calendar, and the menu's exit item ends the program cleanly.
set -euo pipefail

build=$(readlink -f "${1:?usage: tray_sni.sh BUILD_DIR}")
here=$(dirname "$(readlink -f "$0")")
sni() { /usr/bin/python3 "$here/sni.py" "$@"; }
source "$here/wait.sh"

if [ -z "${VELKOR_TRAY_SESSION:-}" ]; then
  export VELKOR_TRAY_SESSION=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- "$0" "$@"
fi

work=$(mktemp -d)
cleanup() {
  kill "${velkor_pid:-}" "${watcher_pid:-}" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; cat "$work/velkor.log" >&2 2>/dev/null || true; exit 1; }

prefix="$work/Kurulum Yeri/ğüşıöç İ"
cmake --install "$build" --prefix "$prefix" >/dev/null
program="$prefix/bin/velkor"
export QT_QPA_PLATFORM=xcb LANG=C.UTF-8 XDG_CURRENT_DESKTOP= HOME="$work/home"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
data="$XDG_DATA_HOME/Velkor"
today=$(date +%d.%m.%Y)
calendar_shown() { xdotool search --onlyvisible --name "^$(date +%d.%m.%Y)\$" >/dev/null; }

start_velkor() {
  "$program" >"$work/velkor.log" 2>&1 &
  velkor_pid=$!
}
stop_velkor() {
  local status=0
  [ -n "${1:-}" ] && kill "-$1" "$velkor_pid"
  wait "$velkor_pid" || status=$?
  velkor_pid=
  [ "$status" -eq 0 ] || fail "exit status $status"
  grep -q "^$(date +%Y,%-m,%-d)," "$data/tarih.kyt" || fail "tarih.kyt does not hold today"
}

# 1. No tray at all.
start_velkor
wait_for calendar_shown || fail "without a tray the calendar did not stand in"
grep -q "no system tray" "$work/velkor.log" || fail "the missing tray was not told"
[ -f "$data/myfile.kyt" ] || fail "no plan file in the user's data folder"
[ -z "$(ls "$prefix/bin" | grep -v '^velkor$')" ] || fail "files written beside the installed program"
grep -qxF "Exec=\"$program\"" "$XDG_CONFIG_HOME/autostart/Velkor.desktop" ||
  fail "autostart entry: $(grep Exec= "$XDG_CONFIG_HOME/autostart/Velkor.desktop")"
stop_velkor TERM

# 2. A StatusNotifier host.
sni watch &
watcher_pid=$!
wait_for sni items || fail "the watcher did not start"
start_velkor
item_registered() { [ -n "$(sni items)" ]; }
wait_for item_registered || fail "no item registered"
item=$(sni items)
calendar_shown && fail "the calendar was shown although a tray is there"
[ "$(sni tip "$item")" = "$today" ] || fail "tip: $(sni tip "$item")"

expect_menu() {
  local expected
  expected=$(printf '%s\n' "$@")
  [ "$(sni menu "$item")" = "$expected" ]
}
turkish=(Takvim Kayıtlar Günlük Rehber "Not Defteri" Yardım Hakkında Eşitleme Language "  Turkish" "  English"
         "Menüyü Kapat" "Programı Kapat")
english=(Calendar Records Daily Directory Notebook Help About Sync Dil "  Türkçe" "  İngilizce" "Close menu"
         "Exit program")
expect_menu "${turkish[@]}" || fail "menu in Turkish: $(sni menu "$item")"
sni click "$item" English
wait_for expect_menu "${english[@]}" || fail "menu in English: $(sni menu "$item")"
grep -q '"eng"' "$data/options.prg" || fail "the language was not kept"

sni activate "$item"
wait_for calendar_shown || fail "Activate did not show the calendar"
sni activate "$item"
calendar_hidden() { ! calendar_shown; }
wait_for calendar_hidden || fail "Activate did not hide the calendar"

sni click "$item" "Exit program"
stop_velkor
echo "tray test passed"
