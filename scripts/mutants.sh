#!/usr/bin/env bash
# Plants each fault of mutants/*.patch, one at a time, into a copy of the sources, rebuilds incrementally,
# runs the test suite and prints which tests noticed. The working tree is never touched.
#   scripts/mutants.sh [PATTERN]   only the mutants whose file name contains PATTERN
# MUTANTS_TESTS=REGEX runs only the tests it matches (to see what one test catches alone);
# MUTANTS_EXCLUDE=REGEX leaves out the tests it matches (e.g. '^package$', which cannot see these faults).
# Exit status: 0 when at least MUTANTS_MIN_KILLED percent (default 90) are killed and every mutant builds.
#
# SAMPLE=n [SEED=s] instead plants n mechanical mutants drawn by scripts/mutagen.py (PATTERN then picks
# source files), in a fast build of its own; see sample_mode below. RECHECK=FILE plants the sites listed
# in FILE (lines as --list prints them, e.g. an earlier run's survivors-seed<s>.sites) the same way.
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
sample=${SAMPLE:-${RECHECK:+all}}
seed=${SEED:-1}
mutagen=$root/scripts/mutagen.py

# Mechanical mutants, drawn in seeded order: each is planted and built (one that does not compile is set
# aside and the next drawn), then only the tests whose programs the build changed run, fastest first,
# until one fails. The package test stays in: it is the only one that runs the installed layout.
sample_mode() {
  local build=$work/fast stamp=$work/fast.stamp sites=$logs/sites-seed$seed.txt replay=${RECHECK:-}
  local survivors=$logs/survivors-seed$seed.txt nobuilt=$logs/nobuild-seed$seed.txt run="seed $seed"
  # -O1 -g0 and gold: one file compiles about as fast as at -O0 and every program relinks in seconds, while
  # the suite runs in 16 s instead of 23 (a year of reminders, minute by minute).
  cmake -S "$tree" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g0" \
    -DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=gold -DVELKOR_WERROR=ON -DVELKOR_BENCH=OFF \
    >"$logs/fast-configure.log" 2>&1 || { cat "$logs/fast-configure.log"; exit 2; }
  # The clean run also leaves the test times that order the tests.
  if ! cmake --build "$build" -j2 >"$logs/fast-build.log" 2>&1 ||
    ! ctest --test-dir "$build" -j2 "${only_tests[@]}" >"$logs/fast-clean.log" 2>&1; then
    echo "The unmutated sources do not build or pass their tests; see $logs." >&2
    exit 2
  fi
  python3 "$mutagen" --test-map "$build" >"$logs/tests.tsv" || exit 2
  if [ -n "$replay" ]; then
    # The sites of an earlier run (e.g. its survivors) again, against the tests as they are now.
    sites=$logs/recheck.txt survivors=$logs/survivors-recheck.txt nobuilt=$logs/nobuild-recheck.txt
    run=recheck
    grep -v '^$' "$replay" >"$sites"
    sample=$(wc -l <"$sites")
  else
    python3 "$mutagen" --seed "$seed" --list --root "$tree" >"$sites" || exit 2
  fi
  : >"$survivors"
  : >"${survivors%.txt}.sites"
  : >"$nobuilt"

  local k=-1 total=0 killed=0 nobuild=0 start=$SECONDS
  local site name file log by ran result test programs p changed
  printf '| %-56s | %-8s | %s\n' "mutant ($run)" "result" "noticed by"
  printf '|%s|%s|%s\n' "$(printf -- '-%.0s' {1..58})" "----------" "----------------"
  while [ "$total" -lt "$sample" ] && IFS= read -r -u 3 site; do
    k=$((k + 1))
    name=${site%%: *}
    file=${name%%:*}
    [[ -n "$pattern" && "$file" != *"$pattern"* ]] && continue
    log=$logs/${run// /}-$k
    rm -f "$log".*.log
    # Planted by what the list says, not by its place, so the list is the record of what ran.
    python3 "$mutagen" --site "$site" --tree "$tree" >/dev/null 2>&1
    case $? in
    0) ;;
    3)
      printf '| %-56s | %-8s | %s\n' "$name" "GONE" "the line has changed since it was listed"
      continue
      ;;
    *) exit 2 ;;
    esac
    touch "$stamp"
    if ! cmake --build "$build" -j2 >"$log.build.log" 2>&1 </dev/null; then
      nobuild=$((nobuild + 1))
      echo "$site" >>"$nobuilt"
    else
      total=$((total + 1)) by="" ran=0
      while IFS=$'\t' read -r -u 4 test programs; do
        [[ -n "${MUTANTS_TESTS:-}" && ! "$test" =~ $MUTANTS_TESTS ]] && continue
        [[ -n "${MUTANTS_EXCLUDE:-}" && "$test" =~ $MUTANTS_EXCLUDE ]] && continue
        changed=""
        for p in $programs; do [ "$p" -nt "$stamp" ] && changed=1; done
        [ -z "$changed" ] && continue
        ran=$((ran + 1))
        if ! ctest --test-dir "$build" -R "^$test\$" --timeout 120 --output-on-failure \
          >>"$log.test.log" 2>&1 </dev/null; then
          by=$test
          grep -q '\*\*\*Timeout' "$log.test.log" && by="$test (timeout)"
          break
        fi
      done 4<"$logs/tests.tsv"
      if [ -n "$by" ]; then
        result=killed
        killed=$((killed + 1))
      else
        result=SURVIVED
        echo "$site" >>"${survivors%.txt}.sites"
        {
          echo -n "== $name  ($ran tests ran"
          [ "$ran" -eq 0 ] && echo -n ": none of the chosen tests runs a program built from this file"
          echo ")"
          diff -U2 --label "a/$file" --label "b/$file" "$tree/.mutagen/$file" "$tree/$file"
          echo
        } >>"$survivors"
      fi
      printf '| %-56s | %-8s | %s\n' "$name" "$result" "$by"
    fi
    # Rebuild the original now, so the next mutant's build changes only what that mutant touches.
    python3 "$mutagen" --revert --tree "$tree"
    if ! cmake --build "$build" -j2 >"$logs/fast-rebuild.log" 2>&1 </dev/null; then
      echo "The unmutated sources no longer build after $name; see $logs/fast-rebuild.log." >&2
      exit 2
    fi
  done 3<"$sites"

  [ "$total" -eq 0 ] && { echo "No mutant built${pattern:+ in files matching '$pattern'}."; exit 2; }
  local spent=$((SECONDS - start))
  echo
  echo "$killed of $total killed ($((100 * killed / total))%)."
  echo "$spent s for $total mutants ($((spent / total)) s each), $nobuild more drawn that did not compile" \
    "(listed in $nobuilt)."
  [ "$killed" -lt "$total" ] && echo "Survivors and their diffs: $survivors"
  [ $((100 * killed)) -ge $((min_killed * total)) ]
}

# A sampled run cut short leaves its mutant planted; put it back before comparing with the working tree.
[ -n "$sample" ] && python3 "$mutagen" --revert --tree "$tree"

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
[ -n "$sample" ] && { sample_mode; exit; }
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
