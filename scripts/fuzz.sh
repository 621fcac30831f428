#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for FUZZ_SECONDS (default 60), starting from the committed
# corpus (new finds go to build-fuzz/corpus, not into the repository). Prints the executions of each run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}

./scripts/install-deps.sh fuzz
cmake --preset fuzz >/dev/null
targets=$(sed -n 's/^velkor_fuzzer(\([a-z_]*\).*/\1/p' fuzz/CMakeLists.txt)
cmake --build build-fuzz --target $targets

printf '%-22s %14s %10s %s\n' target executions seconds result
for t in $targets; do
  work="build-fuzz/corpus/$t"
  mkdir -p "$work"
  log="build-fuzz/$t.log"
  status=ok
  ./build-fuzz/fuzz/"$t" -max_total_time="$seconds" -print_final_stats=1 "$work" "fuzz/corpus/$t" >"$log" 2>&1 ||
    status="FAILED (see $log)"
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  printf '%-22s %14s %10s %s\n' "$t" "${runs:-?}" "$seconds" "$status"
  [ "$status" = ok ] || exit 1
done
