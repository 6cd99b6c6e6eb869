#!/usr/bin/env bash
# Draws the maker's logo of the main window (192 x 27) with ImageMagick.
set -euo pipefail
cd "$(dirname "$0")"
font=$(fc-match -f '%{file}' 'IPAPGothic:bold')
convert -size 192x27 gradient:'#1c3f94-#3fa0e0' -rotate 0 \
  -fill '#ffd23f' -draw 'circle 13,13 13,3' \
  -fill '#1c3f94' -font "$font" -pointsize 14 -annotate +8+18 '+' \
  -fill white -font "$font" -pointsize 17 -annotate +30+20 'ピクトラ' \
  -fill '#ffd23f' -pointsize 11 -annotate +112+18 '1 + 2 × 3' \
  -quality 92 logo.jpg
