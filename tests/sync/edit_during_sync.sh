#!/usr/bin/env bash
# A plan written while a sync is under way is not left for the next periodic sync: a running Velkor whose
# only syncs are those a change starts sends a plan out, the proxy holds that request (the sync is under
# way), a second plan is written, and once the held sync has failed both reach the server.
set -euo pipefail

build=$(readlink -f "${1:?usage: edit_during_sync.sh BUILD_DIR DAV_DIR}")
dav=$(readlink -f "${2:?usage: edit_during_sync.sh BUILD_DIR DAV_DIR}")
here=$(dirname "$(readlink -f "$0")")
source "$here/../desktop/wait.sh"

work=$(mktemp -d)
data="$work/velkor"
cleanup() {
  { kill -KILL $(processes_of "$data/velkor") ${proxy_pid:-} && wait; } 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; cat "$work/velkor.log" >&2 2>/dev/null || true; exit 1; }

: >"$work/rule"
/usr/bin/python3 "$here/fault_proxy.py" "$(head -1 "$dav/url")" "$work/rule" >"$work/proxy.out" 2>&1 &
proxy_pid=$!
wait_for test -s "$work/proxy.out" || fail "the proxy did not start"
export QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 HOME="$work/home" XDG_RUNTIME_DIR="$work/run"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
export VELKOR_SYNC_PASSWORD=parola VELKOR_SYNC_TIMING=0,300,3600000
user=u2

mkdir "$data" && cp "$build/velkor/velkor" "$data/"
"$data/velkor" --sync-setup "http://127.0.0.1:$(head -1 "$work/proxy.out")/" "$user" >"$work/velkor.log" 2>&1 ||
  fail "the account was not set up"
echo "PUT 1 hold" >"$work/rule"
(cd "$data" && exec ./velkor >>"$work/velkor.log" 2>&1) &
wait_for test -f "$data/myfile.kyt" || fail "Velkor did not start"

day=$(date -d '+180 days' +%Y%m%d)
add_plan() { printf '%d,%d,25,0,"%s"\r\n' "$((10#${day:4:2}))" "$((10#${day:6:2}))" "$1" >>"$data/myfile.kyt"; }
on_server() { grep -rqF "SUMMARY:$1" "$dav/storage/collection-root/$user"; }
add_plan "sent first $$"
wait_for grep -qx held "$work/proxy.out" || fail "the first plan was not sent"
add_plan "written during the sync $$"
# The held request fails the sync when Velkor gives up on it; the next one is the change's.
wait_for on_server "written during the sync $$" || fail "the plan written during a sync was left behind"
# Several writes travel at once: the two may land in either order.
wait_for on_server "sent first $$" || fail "the first plan did not reach the server"
echo "edit during sync test passed"
