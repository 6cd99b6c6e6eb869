#!/usr/bin/env bash
# Renders the fixed-size PNG icons from the scalable one (rsvg-convert from librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"
id=io.github.pikutora.Pikutora
for size in 48 256; do
  rsvg-convert -w "$size" -h "$size" "$id.svg" -o "$id-$size.png"
done
