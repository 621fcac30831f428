#!/usr/bin/env bash
# The sync password lives in the keyring only. Run by with_keyring.sh --keyring: a running Velkor is given
# the account in its sync window (typed as a user would), keeps the password in the Secret Service, and
# syncs with it, a plan added while it runs reaching the server. The password is then looked for in every
# file of the data folder and the home folder (configuration, data, cache, the keyring's own encrypted
# file), while Velkor runs and after it has ended: it is in none of them.
set -euo pipefail

build=$(readlink -f "${1:?usage: keyring_live.sh BUILD_DIR DAV_DIR}")
dav=$(readlink -f "${2:?usage: keyring_live.sh BUILD_DIR DAV_DIR}")
here=$(dirname "$(readlink -f "$0")")
sni() { /usr/bin/python3 "$here/../desktop/sni.py" "$@"; }
source "$here/../desktop/wait.sh"
[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] && [ -d "${HOME:-}" ] || { echo "run me by with_keyring.sh --keyring" >&2; exit 2; }

data="$HOME/velkor"
cleanup() {
  { kill -KILL $(processes_of "$data/velkor") ${watcher_pid:-} ${xvfb_pid:-} && wait; } 2>/dev/null || true
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; cat "$HOME/velkor.log" >&2 2>/dev/null || true; exit 1; }

# Without auto-repeat: on a busy machine a key held a moment too long would type twice.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -r 3>"$HOME/display" 2>"$HOME/xvfb.log" &
xvfb_pid=$!
wait_for test -s "$HOME/display" || fail "Xvfb did not start"
export DISPLAY=":$(cat "$HOME/display")" QT_QPA_PLATFORM=xcb LANG=C.UTF-8 XDG_CURRENT_DESKTOP=
sni watch &
watcher_pid=$!
wait_for sni items || fail "the watcher did not start"

# A user of this run's own, with a password no file could hold by chance.
user="keyring$$"
password="kp-$(head -c 12 /dev/urandom | od -An -tx1 | tr -d ' \n')"
/usr/bin/python3 "$here/dav_fixture.py" user "$dav" "$user" "$password"
url=$(head -1 "$dav/url")
unset VELKOR_SYNC_PASSWORD
# Only a change here starts a sync, after the one the window asks for.
export VELKOR_SYNC_TIMING=300,300,3600000

mkdir "$data" && cp "$build/velkor/velkor" "$data/"
(cd "$data" && exec ./velkor >"$HOME/velkor.log" 2>&1) &
pid=$!
wait_for item_of "$pid" || fail "the tray item did not register"
sni click "$(item_of "$pid")" "Eşitleme"
window() { xdotool search --onlyvisible --name '^Eşitleme$'; }
wait_for window || fail "the sync window did not open"
xdotool windowfocus --sync "$(window)"
# Typed again until the server's box holds it: the first keys may come before the window takes them.
server_typed() {
  xdotool key ctrl+a && xdotool type "$url" && xdotool key ctrl+a ctrl+c
  [ "$(timeout 10 xclip -o -selection clipboard)" = "$url" ]
}
wait_for server_typed || fail "the server's address could not be typed"
xdotool key Tab && xdotool type "$user"
xdotool key Tab && xdotool type "$password"
# From the check button on, a key meant for a button still disabled types nothing into a box.
xdotool key Tab alt+h
# "Sync now" can be pressed once the account has been checked; it keeps the account and its password.
kept() {
  xdotool key alt+e
  [ -f "$data/sync.ini" ]
}
wait_for kept || fail "the account was not kept"

# The Secret Service holds the password, and the running Velkor syncs with it: a plan added reaches the server.
in_keyring() {
  /usr/bin/python3 - "$password" <<'EOF'
import sys
import dbus
bus = dbus.SessionBus()
service = dbus.Interface(bus.get_object("org.freedesktop.secrets", "/org/freedesktop/secrets"),
                         "org.freedesktop.Secret.Service")
_, session = service.OpenSession("plain", dbus.String("", variant_level=1))
unlocked, _ = service.SearchItems({})
secrets = service.GetSecrets(unlocked, session)
sys.exit(0 if any(bytes(s[2]) == sys.argv[1].encode() for s in secrets.values()) else 1)
EOF
}
wait_for in_keyring || fail "the password is not in the keyring"
day=$(date -d '+180 days' +%Y%m%d)
plan="kept in the keyring $$"
printf '%d,%d,25,0,"%s"\r\n' "$((10#${day:4:2}))" "$((10#${day:6:2}))" "$plan" >>"$data/myfile.kyt"
on_server() { grep -rqF "SUMMARY:$plan" "$dav/storage/collection-root/$user"; }
wait_for on_server || fail "the plan added while Velkor runs did not reach the server"

# Nowhere in a file: the data folder is under the home folder, and so are the keyring's files.
ls "$HOME"/.local/share/keyrings/*.keyring >/dev/null 2>&1 || fail "the keyring keeps no file"
nowhere() {
  local found
  found=$(grep -rlaF -- "$password" "$HOME" 2>/dev/null || true)
  [ -z "$found" ] || fail "the password is written in: $found"
}
nowhere
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
nowhere
grep -qF "\"$plan\"" "$data/myfile.kyt" || fail "the plan left the plan file"
echo "keyring live test passed"
