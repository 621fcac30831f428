#!/usr/bin/env bash
# Plants each fault of mutants/*.patch, one at a time, into a copy of the sources, rebuilds incrementally,
# runs the test suite and prints which tests noticed. The working tree is never touched.
#   scripts/mutants.sh [PATTERN]   only the mutants whose file name contains PATTERN
# MUTANTS_TESTS=REGEX runs only the tests it matches (to see what one test catches alone);
# MUTANTS_EXCLUDE=REGEX leaves out the tests it matches (e.g. '^package$', which cannot see these faults).
# Exit status: 0 when at least MUTANTS_MIN_KILLED percent (default 90) are killed and every mutant builds.
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
work=${MUTANTS_DIR:-$root/build-mutants}
tree=$work/tree
build=$work/build
logs=$work/logs
pattern=${1:-}
min_killed=${MUTANTS_MIN_KILLED:-90}
only_tests=()
[ -n "${MUTANTS_TESTS:-}" ] && only_tests=(-R "$MUTANTS_TESTS")
[ -n "${MUTANTS_EXCLUDE:-}" ] && only_tests+=(-E "$MUTANTS_EXCLUDE")
mkdir -p "$tree" "$logs"

# Bring the copy up to date with the working tree, touching only files that changed so the build stays
# incremental.
cd "$root"
git ls-files -z -co --exclude-standard | while IFS= read -r -d '' f; do
  [ -f "$f" ] || continue
  if ! cmp -s "$f" "$tree/$f"; then
    mkdir -p "$tree/$(dirname "$f")"
    cp "$f" "$tree/$f" # a fresh time, so the build sees the change
  fi
done

export CCACHE_BASEDIR=$work
cmake -S "$tree" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELKOR_WERROR=ON \
  -DVELKOR_BENCH=OFF >"$logs/configure.log" 2>&1 || { cat "$logs/configure.log"; exit 2; }
if ! cmake --build "$build" >"$logs/build.log" 2>&1 || ! ctest --test-dir "$build" -j2 >"$logs/clean.log" 2>&1; then
  echo "The unmutated sources do not build or pass their tests; see $logs." >&2
  exit 2
fi

total=0 killed=0 broken=0
survivors=()
printf '| %-44s | %-8s | %s\n' "mutant" "result" "noticed by"
printf '|%s|%s|%s\n' "----------------------------------------------" "----------" "----------------"
for m in "$root"/mutants/*.patch; do
  name=$(basename "$m" .patch)
  [[ -n "$pattern" && "$name" != *"$pattern"* ]] && continue
  total=$((total + 1))
  if ! patch -s -p1 -d "$tree" --dry-run <"$m" >/dev/null 2>&1; then
    printf '| %-44s | %-8s | %s\n' "$name" "STALE" "the patch no longer applies"
    broken=$((broken + 1))
    continue
  fi
  patch -s -p1 -d "$tree" <"$m"
  if ! cmake --build "$build" >"$logs/$name.build.log" 2>&1; then
    result="NOBUILD" by="does not compile: not a fault a test can see"
    broken=$((broken + 1))
  else
    ctest --test-dir "$build" -j2 --timeout 180 "${only_tests[@]}" >"$logs/$name.test.log" 2>&1
    by=$(sed -En 's/^[[:space:]]*[0-9]+ - ([^ ]+) \(.*/\1/p' "$logs/$name.test.log" | paste -sd, -)
    if [ -n "$by" ]; then
      result=killed
      killed=$((killed + 1))
    else
      result=SURVIVED by=""
      survivors+=("$name")
    fi
  fi
  patch -s -p1 -R -d "$tree" <"$m"
  printf '| %-44s | %-8s | %s\n' "$name" "$result" "$by"
done
# Leave the build matching the sources again.
cmake --build "$build" >/dev/null 2>&1

[ "$total" -eq 0 ] && { echo "No mutant matches '$pattern'."; exit 2; }
echo
echo "$killed of $total killed ($((100 * killed / total))%)."
[ ${#survivors[@]} -gt 0 ] && echo "Survived: ${survivors[*]}"
[ "$broken" -eq 0 ] && [ $((100 * killed)) -ge $((min_killed * total)) ]
