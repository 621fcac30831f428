#!/usr/bin/env bash
# Runs every benchmark and prints one table: each figure beside its baseline from the same run.
#   scripts/bench.sh [build-dir]     (VELKOR_IDLE_SECS sets the idle window, default 60)
set -euo pipefail

build=$(readlink -f "${1:-build}")
idle_secs=${VELKOR_IDLE_SECS:-60}

if [ -z "${VELKOR_BENCH_X:-}" ]; then
  export VELKOR_BENCH_X=1
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi

results=$(mktemp)
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work" "$results"' EXIT
export LANG=C.UTF-8 QT_QPA_PLATFORM=xcb HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
mkdir -p "$HOME"

# Library benchmarks.
for bench in "$build"/bench/bench_*; do
  [ -f "$bench" ] && [ -x "$bench" ] && "$bench" >>"$results"
done

# Tray programs: start-up to a mapped icon, memory after 5 s idle, wake-ups while idle.
trayer --edge bottom --align right --widthtype request --height 32 --SetDockType true >/dev/null 2>&1 &
for _ in $(seq 50); do xdotool search --class trayer >/dev/null 2>&1 && break; sleep 0.1; done

icon_mapped() { # class
  local id
  # The icon: a small viewable window of the program (a message box is larger).
  for id in $(xdotool search --class "$1" 2>/dev/null); do
    xwininfo -id "$id" 2>/dev/null | awk '/Map State: IsViewable/ {v = 1} /Width:/ {w = $2} /Height:/ {h = $2}
      END {exit !(v && w <= 64 && h <= 64)}' && return 0
  done
  return 1
}

# Sets $elapsed to the milliseconds from launch to a mapped tray icon; leaves the program running as $pid.
launch() { # dir program class
  local start end
  # The icon of the copy just ended may linger in the tray for a moment.
  while icon_mapped "$3"; do sleep 0.01; done
  start=$(date +%s%N)
  (cd "$1" && exec "./$2" >/dev/null 2>&1) &
  pid=$!
  until icon_mapped "$3"; do sleep 0.005; done
  end=$(date +%s%N)
  elapsed=$(((end - start) / 1000000))
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

measure() { # name dir program class delay-ms
  local name=$1 dir=$2 program=$3 class=$4 delay=$5 runs=()
  for _ in 1 2 3 4 5; do
    rm -f "$dir"/*.kyt "$dir"/options.prg
    launch "$dir" "$program" "$class"
    runs+=($((elapsed - delay)))
    kill "$pid"; wait "$pid" 2>/dev/null || true
  done
  printf '%s\n' "${runs[@]}" | median >"$work/$name.startup"
  launch "$dir" "$program" "$class"
  sleep 5
  awk '/VmRSS/ {printf "%.1f\n", $2 / 1024}' "/proc/$pid/status" >"$work/$name.rss"
  # Every return from a poll is one wake-up of the event loop.
  strace -f -qq -e trace=poll,ppoll,epoll_wait,select,pselect6 -o "$work/$name.strace" -p "$pid" &
  local tracer=$!
  sleep "$idle_secs"
  kill "$tracer"; wait "$tracer" 2>/dev/null || true
  grep -c -E '^[0-9]+ +(poll|ppoll|epoll_wait|select|pselect6)\(' "$work/$name.strace" >"$work/$name.wakeups" || true
  kill "$pid"; wait "$pid" 2>/dev/null || true
}

mkdir -p "$work/bare" "$work/velkor"
cp "$build/bench/bare_tray" "$work/bare/"
cp "$build/velkor/velkor" "$work/velkor/"
measure bare "$work/bare" bare_tray bare_tray 0
measure velkor "$work/velkor" velkor velkor 500

# Start-up with a large plan file, against a plain read-and-parse of the same file; memory above the empty
# start's, against the file's size.
mkdir -p "$work/big"
cp "$build/velkor/velkor" "$work/big/"
parse_ms=$("$build/bench/make_plan_file" "$work/big/myfile.kyt" 200000)
big_runs=()
for run in 1 2 3 4 5 6; do
  # A later start just after the last exit: the catch-up has nothing to say but the whole file to look at.
  printf '1\r\n' >"$work/big/sc.kyt"
  date '+%Y,%-m,%-d,%-H,%-M' | sed 's/$/\r/' >"$work/big/tarih.kyt"
  launch "$work/big" velkor velkor
  if [ "$run" -le 5 ]; then
    big_runs+=($((elapsed - 500)))
    kill "$pid"; wait "$pid" 2>/dev/null || true
  fi
done
sleep 5
big_rss=$(awk '/VmRSS/ {printf "%.1f\n", $2 / 1024}' "/proc/$pid/status")
kill "$pid"; wait "$pid" 2>/dev/null || true
file_mb=$(awk -v b="$(stat -c %s "$work/big/myfile.kyt")" 'BEGIN {printf "%.1f", b / 1048576}')
printf 'start-up to the tray icon with 200,000 plans\t%s\tms\tplain read-and-parse of the file\t%s\n' \
  "$(printf '%s\n' "${big_runs[@]}" | median)" "$parse_ms" >>"$results"
printf 'memory above the idle floor, 200,000 plans\t%s\tMB\tsize of the plan file\t%s\n' \
  "$(awk -v a="$big_rss" -v b="$(cat "$work/velkor.rss")" 'BEGIN {printf "%.1f", a - b}')" "$file_mb" >>"$results"

printf 'startup to tray icon (icon delay taken out)\t%s\tms\tbare Qt tray program\t%s\n' \
  "$(cat "$work/velkor.startup")" "$(cat "$work/bare.startup")" >>"$results"
printf 'resident memory after 5 s idle\t%s\tMB\tbare Qt tray program\t%s\n' \
  "$(cat "$work/velkor.rss")" "$(cat "$work/bare.rss")" >>"$results"
printf 'idle wake-ups in %s s\t%s\tcount\tbare Qt tray program\t%s\n' "$idle_secs" \
  "$(cat "$work/velkor.wakeups")" "$(cat "$work/bare.wakeups")" >>"$results"

# The sync beside vdirsyncer, each on a Radicale of its own.
"$(dirname "$0")/bench_sync.sh" "$build" "$results"

awk -F'\t' 'BEGIN {
    printf "%-48s %12s  %-5s  %-28s %12s  %7s\n", "figure", "value", "unit", "baseline", "baseline", "ratio"
  }
  {
    ratio = ($5 > 0) ? sprintf("%.2f", $2 / $5) : "-"
    printf "%-48s %12s  %-5s  %-28s %12s  %7s\n", $1, $2, $3, $4, $5, ratio
  }' "$results"
