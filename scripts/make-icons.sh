#!/usr/bin/env bash
# Renders the installed icon sizes from resources/icons/velkor.svg (needs rsvg-convert: apt install
# librsvg2-bin). The PNGs are kept in the repository, so building needs no SVG renderer.
set -euo pipefail
cd "$(dirname "$0")/../resources/icons"
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" velkor.svg -o "velkor-$size.png"
done
