#!/usr/bin/env bash
# Builds with gcov counters in build-coverage/, runs every test there and prints line and branch coverage
# for each folder of src/ (tests, fuzz drivers, benchmarks and moc output are not counted).
# Exit status: that of the test run, so a failing test is not hidden behind a table.
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-coverage
cd "$root"

cmake --preset coverage >/dev/null || exit 2
cmake --build --preset coverage || exit 2
# Counters add up across runs; start from zero so the numbers are this run's.
find "$build" -name '*.gcda' -delete
ctest --preset coverage >"$build/tests.log" 2>&1
tests=$?
[ "$tests" -ne 0 ] && { grep -A50 'tests passed' "$build/tests.log"; echo "(see $build/tests.log)"; echo; }

# Branches the compiler adds for exceptions and for code that can never run would only blur the numbers.
gcovr --root "$root" --object-directory "$build" --filter "$root/src/" \
  --exclude-directories "$build/CMakeFiles" --exclude-unreachable-branches --exclude-throw-branches -j 2 \
  --txt "$build/coverage.txt" --json-summary "$build/coverage.json" "$build" 2>"$build/gcovr.log" ||
  { cat "$build/gcovr.log"; exit 2; }

python3 - "$build/coverage.json" <<'EOF'
import json, sys
from collections import defaultdict

files = json.load(open(sys.argv[1]))["files"]
folders = defaultdict(lambda: [0, 0, 0, 0])
for f in files:
    parts = f["filename"].split("/")
    folder = "/".join(parts[:3] if parts[1] in ("core", "ui") else parts[:2]) if len(parts) > 2 else parts[0]
    for i, key in enumerate(("line_covered", "line_total", "branch_covered", "branch_total")):
        folders[folder][i] += f[key]
        folders["total"][i] += f[key]

pct = lambda got, of: f"{100 * got / of:5.1f}%" if of else "    -"
print(f"{'folder':<20} {'lines':>8} {'branches':>9}   (lines, branches)")
for name in sorted(folders, key=lambda n: (n == "total", n)):
    lc, lt, bc, bt = folders[name]
    print(f"{name:<20} {pct(lc, lt):>8} {pct(bc, bt):>9}   ({lc}/{lt}, {bc}/{bt})")
EOF
echo "Per file: $build/coverage.txt"
exit "$tests"
