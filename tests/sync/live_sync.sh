#!/usr/bin/env bash
# Computers in step through a real Radicale: running Velkors, each on a data folder of its own, one account,
# the sync's intervals shortened. A plan imported into a copy that syncs only after a change reaches the
# others' plan files. With the server stopped, a plan written into the first fails to go (the tray menu says
# so); once the server is back on its port and storage, it reaches the second with no hand on either. No box
# is ever shown.
set -euo pipefail

build=$(readlink -f "${1:?usage: live_sync.sh BUILD_DIR DAV_DIR}")
dav=$(readlink -f "${2:?usage: live_sync.sh BUILD_DIR DAV_DIR}")
here=$(dirname "$(readlink -f "$0")")
sni() { /usr/bin/python3 "$here/../desktop/sni.py" "$@"; }
fixture() { /usr/bin/python3 "$here/dav_fixture.py" "$@"; }
source "$here/../desktop/wait.sh"

in_own_session 400 "$0" "$@"

work=$(mktemp -d)
server_stopped=
cleanup() {
  { kill -KILL $(processes_of "$work/a/velkor") $(processes_of "$work/b/velkor") \
      $(processes_of "$work/c/velkor") ${watcher_pid:-} \
      ${xvfb_pid:-} && wait; } 2>/dev/null || true
  # The server is the fixture's: whoever comes next finds it running.
  [ -z "$server_stopped" ] || fixture restart "$dav" || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  for side in a b c; do
    echo "--- $side: velkor.log, myfile.kyt" >&2
    cat "$work/$side.log" "$work/$side/myfile.kyt" >&2 2>/dev/null || true
  done
  exit 1
}

# Any window that shows on its own desktop is a box: the tray stands for the rest.
private_desktop "$work" || fail "the desktop did not start"

url=$(head -1 "$dav/url")
export VELKOR_SYNC_PASSWORD=parola
# Yearly plans far from today: neither the catch-up nor the timer has a reminder for them.
day=$(date -d '+180 days' +%Y%m%d)
month=$((10#${day:4:2})) mday=$((10#${day:6:2}))

# A portable copy keeps its data beside it: each folder is one computer. The third syncs only when a change
# there starts it.
for side in a b c; do
  mkdir "$work/$side" && cp "$build/velkor/velkor" "$build/velkor/velkor-reader" "$work/$side/"
  "$work/$side/velkor" --sync-setup "$url" u1 >>"$work/$side.log" 2>&1 || fail "$side: the account was not set up"
  timing=300,300,1500
  [ "$side" = c ] && timing=3600000,300,3600000
  (cd "$work/$side" && VELKOR_SYNC_TIMING=$timing exec ./velkor >>"$work/$side.log" 2>&1) &
  eval "pid_$side=$!"
done
wait_for item_of "$pid_a" && wait_for item_of "$pid_b" && wait_for item_of "$pid_c" ||
  fail "the tray items did not register"
item_a=$(item_of "$pid_a")
# grep reads it all: one that stops at the match could break the pipe under sni.py while it still writes.
menu_of_a_says() { sni menu "$item_a" | grep -xF "$1" >/dev/null; }
shown() { for pid in "$pid_a" "$pid_b" "$pid_c"; do xdotool search --onlyvisible --pid "$pid"; done; }
no_box() {
  local id
  for id in $(shown); do fail "a window was shown: $(xdotool getwindowname "$id")"; done
}
# A box would stand in the way of what is waited for: one that shows ends the wait, and is named.
box_or() { [ -n "$(shown)" ] || "$@"; }
wait_unless_box() {
  wait_for box_or "$@" || true
  no_box
  "$@"
}
running() { kill -0 "$pid_a" && kill -0 "$pid_b" && kill -0 "$pid_c" || fail "a Velkor ended"; }

# 1. A plan imported into the running third copy (it does the import itself) reaches the other two.
first="live plan $$ one"
cat >"$work/plan.ics" <<EOF
BEGIN:VCALENDAR
VERSION:2.0
PRODID:-//velkor tests//live//EN
BEGIN:VEVENT
UID:live-$$-one
DTSTAMP:20250101T000000Z
DTSTART;VALUE=DATE:$day
RRULE:FREQ=YEARLY
SUMMARY:$first
END:VEVENT
END:VCALENDAR
EOF
"$work/c/velkor" --import "$work/plan.ics" >>"$work/c.log" 2>&1 || fail "the import was refused"
grep -qF "\"$first\"" "$work/c/myfile.kyt" || fail "the import did not reach its folder"
for side in a b; do
  wait_unless_box grep -qF "\"$first\"" "$work/$side/myfile.kyt" || fail "the imported plan did not reach folder $side"
done
running
no_box

# 2. The server goes away; a plan written meanwhile goes once it is back, with no hand.
fixture stop "$dav"
server_stopped=1
second="live plan $$ two"
printf '%d,%d,25,0,"%s"\r\n' "$month" "$mday" "$second" >>"$work/a/myfile.kyt"
wait_unless_box menu_of_a_says "Eşitleme (sonuncusu olmadı)" || fail "no failed sync was told in the tray menu"
fixture restart "$dav"
server_stopped=
wait_unless_box grep -qF "\"$second\"" "$work/b/myfile.kyt" || fail "the plan written offline did not reach the second folder"
wait_unless_box menu_of_a_says "Eşitleme" || fail "the tray menu still tells of the failure"
running
no_box
echo "live sync test passed"
