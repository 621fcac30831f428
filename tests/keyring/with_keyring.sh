#!/usr/bin/env bash
# Runs a test program in a home folder of its own: with `--keyring`, inside a private D-Bus session with
# gnome-keyring's Secret Service started and unlocked; without, on a desktop with no session bus at all.
set -euo pipefail
mode=$1
shift
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_DATA_HOME=$home/.local/share XDG_CONFIG_HOME=$home/.config XDG_CACHE_HOME=$home/.cache
export XDG_RUNTIME_DIR=$home/run
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
if [ "$mode" = --keyring ]; then
  # The daemon ends with the session; its unlock password comes on standard input. Not exec'd, so that the
  # home folder goes afterwards.
  dbus-run-session -- bash -c \
    'printf keyring-unlock | gnome-keyring-daemon --unlock --components=secrets >/dev/null && exec "$@"' \
    keyring "$@"
  exit
fi
unset DBUS_SESSION_BUS_ADDRESS
export DBUS_SESSION_BUS_ADDRESS=unix:path=$home/no-bus
"$@"
