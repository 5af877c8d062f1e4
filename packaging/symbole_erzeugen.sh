#!/usr/bin/env bash
# Renders the program symbol's PNG sizes for the hicolor theme from the SVG. The PNGs are kept in
# the repository, so building needs no SVG renderer; run this after changing the SVG.
set -euo pipefail
cd "$(dirname "$0")"
for n in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$n" -h "$n" de.quadrix.Quadrix.svg -o "symbole/de.quadrix.Quadrix-${n}.png"
done
