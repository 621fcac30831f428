#!/usr/bin/env bash
# Includes run one way: the core sees no window, the windows see no shell, nothing sees the programs.
set -u
src=$1/src
bad=0
check() { # folder, forbidden include prefixes...
  local folder=$1
  shift
  for prefix in "$@"; do
    if grep -rn "#include \"$prefix/" "$src/$folder"; then bad=1; fi
  done
}
check core sync ui shell app reader
check sync ui shell app reader
check ui shell app reader
check shell app reader
# The core is built without the widget libraries: a widget header there would not even compile, but a
# link to them could creep in through a CMake line.
if grep -n 'Widgets\|Qt6::Gui' "$src"/core/*/CMakeLists.txt "$src"/sync/CMakeLists.txt; then bad=1; fi
[ "$bad" -eq 0 ] && echo "layers hold"
exit "$bad"
