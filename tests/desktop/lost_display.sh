#!/usr/bin/env bash
# Typed notebook text outlives the display: Velkor runs on an X server of its own with a StatusNotifier tray,
# text is typed into the notebook and left unsaved, the X server is killed (SIGKILL, as when a session
# crashes), and the text is found in notes.kyt and the exit moment in tarih.kyt.
set -euo pipefail

build=$(readlink -f "${1:?usage: lost_display.sh BUILD_DIR}")
here=$(dirname "$(readlink -f "$0")")
sni() { /usr/bin/python3 "$here/sni.py" "$@"; }
source "$here/wait.sh"

in_own_session 300 "$0" "$@"

work=$(mktemp -d)
# A portable copy keeps its data beside it: the data folder is private to this test.
data="$work/velkor"
mkdir "$data" && cp "$build/velkor/velkor" "$data/"
cleanup() {
  { kill -KILL $(processes_of "$data/velkor") "${watcher_pid:-}" "${xvfb_pid:-}" && wait; } 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; cat "$work/velkor.log" >&2 2>/dev/null || true; exit 1; }

private_desktop "$work" || fail "the desktop did not start"
(
  status=0
  "$data/velkor" >"$work/velkor.log" 2>&1 || status=$?
  echo "$status" >"$work/status"
) &
item_registered() { [ -n "$(sni items)" ]; }
wait_for item_registered || fail "no item registered"
sni click "$(sni items)" "Not Defteri"
notebook() { xdotool search --onlyvisible --name '^Not Defteri$'; }
wait_for notebook || fail "the notebook did not open"
xdotool windowfocus --sync "$(notebook)"
text="typed before the display went away $$"
xdotool type "$text"
# Every key has been taken once the program hands out the whole text as the clipboard.
xdotool key ctrl+a ctrl+c
copied() { [ "$(timeout 10 xclip -o -selection clipboard)" = "$text" ]; }
wait_for copied || fail "the typed text did not arrive"
! grep -qF "$text" "$data/notes.kyt" || fail "the text was saved before the display went"

{ kill -KILL "$xvfb_pid" && wait "$xvfb_pid"; } 2>/dev/null || true
xvfb_pid=
wait_for test -s "$work/status" || fail "Velkor did not end with its display"
grep -qF "\"$text\"" "$data/notes.kyt" || fail "the typed text is lost; notes.kyt: $(cat "$data/notes.kyt")"
grep -q "^$(date +%Y,%-m,%-d)," "$data/tarih.kyt" || fail "tarih.kyt does not hold today: $(cat "$data/tarih.kyt")"
[ ! -e "$data/velkor.socket" ] || fail "the socket was left named in the data folder"
grep -q "X11 connection broke" "$work/velkor.log" || fail "ended otherwise than by the lost display"
echo "lost display test passed"
