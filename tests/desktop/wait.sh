# Sourced by the desktop tests. A busy machine may be slow but is never wrong, so every wait is for a
# condition, with a deadline far beyond any load; only a behaviour that never comes fails.
wait_deadline=${VELKOR_WAIT_SECONDS:-90}

# Runs the calling script again inside a D-Bus session of its own, ended after SECONDS at the latest, so that
# what it starts on the bus goes with it; in that session, returns at once.
in_own_session() { # SECONDS "$0" "$@"
  [ -z "${VELKOR_OWN_SESSION:-}" ] || return 0
  export VELKOR_OWN_SESSION=1
  local seconds=$1
  shift
  exec timeout "$seconds" dbus-run-session -- "$@"
}

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

# Its own X server on a free display, a home under DIR and a tray host watching, so that killing them
# touches nothing else; sets xvfb_pid and watcher_pid. False when one did not start.
private_desktop() { # DIR
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$1/display" 2>"$1/xvfb.log" &
  xvfb_pid=$!
  wait_for test -s "$1/display" || return 1
  export DISPLAY=":$(cat "$1/display")"
  export QT_QPA_PLATFORM=xcb LANG=C.UTF-8 XDG_CURRENT_DESKTOP= HOME="$1/home" XDG_RUNTIME_DIR="$1/run"
  export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
  mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
  /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/sni.py" watch &
  watcher_pid=$!
  wait_for /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/sni.py" items
}
