#!/usr/bin/env bash
# Kills the store loop with SIGKILL at random moments and checks every file after each kill.
#   crash_test.sh <crash_writer> [kills]   (default 20; the long mode runs 200)
set -euo pipefail
writer=${1:?usage: crash_test.sh path/to/crash_writer [kills]}
kills=${2:-20}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

for i in $(seq "$kills"); do
  "$writer" "$dir" &
  pid=$!
  # Between 5 and 300 ms, so kills land early and late in the files' lives.
  sleep "0.$(printf '%03d' $((5 + RANDOM % 295)))"
  kill -KILL "$pid"
  wait "$pid" 2>/dev/null || true
  if ! "$writer" --check "$dir"; then
    echo "FAIL after kill $i; files kept in $dir.failed" >&2
    cp -r "$dir" "$dir.failed"
    exit 1
  fi
done
echo "$kills kills, every file whole"
