#!/usr/bin/env bash
# The real program on a real X server with a tray host: the icon appears, the right button opens the menu,
# "Programı Kapat" ends it with status 0 and tarih.kyt holds today; SIGTERM ends it the same way; a second
# start on the same folder only brings the first one's calendar forward.
set -euo pipefail

program=${1:?usage: smoke_tray.sh path/to/velkor}
program=$(readlink -f "$program")
source "$(dirname "$(readlink -f "$0")")/../desktop/wait.sh"

if [ -z "${VELKOR_SMOKE_X:-}" ]; then
  export VELKOR_SMOKE_X=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

work=$(mktemp -d)
cleanup() {
  kill "${velkor_pid:-}" "${trayer_pid:-}" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; [ -f "$work/app/velkor.log" ] && cat "$work/app/velkor.log" >&2; exit 1; }

mkdir -p "$work/app"
cp "$program" "$work/app/velkor"
[ -d "$(dirname "$program")/help" ] && cp -r "$(dirname "$program")/help" "$work/app/"
export QT_QPA_PLATFORM=xcb LANG=C.UTF-8 HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
mkdir -p "$HOME"

# The tray host is the machine's, not ours: one that dies while starting is started again.
tray_host() {
  if [ -z "${trayer_pid:-}" ] || ! kill -0 "$trayer_pid" 2>/dev/null; then
    trayer --edge bottom --align right --widthtype request --height 32 --SetDockType true \
      >>"$work/trayer.log" 2>&1 &
    trayer_pid=$!
  fi
  xdotool search --class trayer
}

wait_for tray_host || fail "the tray host did not start: $(cat "$work/trayer.log")"

start_velkor() {
  (cd "$work/app" && exec ./velkor >"$work/app/velkor.log" 2>&1) &
  velkor_pid=$!
  # The icon is a small window of ours embedded in the tray.
  wait_for tray_icon || fail "the tray icon did not appear"
}

tray_icon() {
  local id
  for id in $(xdotool search --class velkor 2>/dev/null); do
    if xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable'; then
      echo "$id"
      return 0
    fi
  done
  return 1
}

expect_exit_record() {
  local status=$1
  [ "$status" -eq 0 ] || fail "exit status $status"
  local today
  today=$(date +%Y,%-m,%-d)
  local records
  records=$(grep -c . "$work/app/tarih.kyt")
  [ "$records" -eq 1 ] || fail "tarih.kyt holds $records records"
  grep -q "^$today," "$work/app/tarih.kyt" || fail "tarih.kyt does not hold today: $(cat "$work/app/tarih.kyt")"
}

# 1. Right button on the icon opens the menu; its last item ends the program.
start_velkor
icon=$(tray_icon)
windows_before=$(xdotool search --onlyvisible --class velkor | sort)
eval "$(xdotool getwindowgeometry --shell "$icon")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 3
menu_window() { comm -13 <(echo "$windows_before") <(xdotool search --onlyvisible --class velkor | sort) | grep .; }
wait_for menu_window || fail "the menu did not open"
# A click on the last item: unlike keys, it does not depend on the new menu holding the keyboard yet.
eval "$(xdotool getwindowgeometry --shell "$(menu_window | head -1)")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 10)) click 1
# Ended: gone, or a zombie waiting for this script to collect its status.
ended() {
  local state
  state=$(awk '{print $3}' "/proc/$velkor_pid/stat" 2>/dev/null)
  [ -z "$state" ] || [ "$state" = Z ]
}
wait_for ended || fail "the menu's last item did not end the program"
status=0
wait "$velkor_pid" || status=$?
velkor_pid=
expect_exit_record "$status"

# 2. A second start on the same folder exits at once with status 0; the first shows its calendar and stays
#    the only icon.
start_velkor
calendar_shown() { xdotool search --onlyvisible --name "^$(date +%d.%m.%Y)\$" >/dev/null; }
calendar_shown && fail "the calendar was shown before anyone asked"
(cd "$work/app" && timeout "$wait_deadline" ./velkor >>"$work/app/velkor.log" 2>&1) ||
  fail "the second start did not end with status 0"
wait_for calendar_shown || fail "the first copy did not show its calendar"
# One process, so one tray icon and one reminder timer.
[ "$(processes_of "$work/app/velkor" | wc -l)" -eq 1 ] || fail "more than one Velkor runs"
kill -0 "$velkor_pid" || fail "the first copy ended"

# 3. SIGTERM counts as a clean exit too.
kill -TERM "$velkor_pid"
status=0
wait "$velkor_pid" || status=$?
velkor_pid=
expect_exit_record "$status"
echo "smoke test passed"
