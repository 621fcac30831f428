# Sourced by the desktop tests. A busy machine may be slow but is never wrong, so every wait is for a
# condition, with a deadline far beyond any load; only a behaviour that never comes fails.
wait_deadline=${VELKOR_WAIT_SECONDS:-90}

# Runs the command until it succeeds; false once the deadline has passed.
wait_for() {
  local end=$((SECONDS + wait_deadline))
  until "$@" >/dev/null 2>&1; do
    [ "$SECONDS" -lt "$end" ] || return 1
    sleep 0.1
  done
}

# The running processes of the given program file: this user's only, whatever else runs on the machine.
processes_of() {
  local program pid
  program=$(readlink -f "$1")
  for pid in $(pgrep -u "$(id -u)" -x "$(basename "$program")"); do
    [ "$(readlink -f "/proc/$pid/exe" 2>/dev/null)" = "$program" ] && echo "$pid"
  done
  return 0
}

# The StatusNotifier item the process registered, as `sni.py items` names it.
item_of() {
  local item
  for item in $(/usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/sni.py" items); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
      org.freedesktop.DBus.GetConnectionUnixProcessID "string:${item%%/*}" | grep -w "uint32 $1" >/dev/null && echo "$item" && return 0
  done
  return 1
}
