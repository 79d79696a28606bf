#!/bin/sh
# Renders the PNG sizes of the icon from its SVG (needs rsvg-convert from
# librsvg2-bin). The PNGs are committed, so a build does not need it.
set -eu
cd "$(dirname "$0")"
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" org.sorvat.Sorvat.svg -o "org.sorvat.Sorvat-$size.png"
done
