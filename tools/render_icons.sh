#!/usr/bin/env bash
# Renders the PNG sizes of the program icons from their SVG sources (needs rsvg-convert, Debian
# package librsvg2-bin). Run by hand after changing an SVG; the PNGs are committed.
set -euo pipefail
icons="$(cd "$(dirname "${BASH_SOURCE[0]}")/../desktop/icons" && pwd)"
for svg in "$icons"/*.svg; do
  id="$(basename "$svg" .svg)"
  for size in 16 32 48 64 128 256; do
    mkdir -p "$icons/${size}x${size}"
    rsvg-convert -w "$size" -h "$size" "$svg" -o "$icons/${size}x${size}/$id.png"
  done
done
