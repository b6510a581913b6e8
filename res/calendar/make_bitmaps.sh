#!/usr/bin/env bash
# Draws the calendar grid's 16-pixel flag images: 0 offer deadline, 1 alarm, 2 priority, on a
# magenta mask. Run from this folder after changing them; the .bmp is committed.
set -euo pipefail
font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
tiles=() i=0
for spec in "D:#1f618d" "A:#c0392b" "P:#d68910"; do
  glyph=${spec%%:*} colour=${spec##*:}
  convert -size 16x16 "xc:#ff00ff" +antialias -fill "$colour" -stroke none \
    -draw "roundrectangle 1,1 14,14 3,3" -fill white -font "$font" -pointsize 10 \
    -gravity center -annotate +0+0 "$glyph" "tile$i.png"
  tiles+=("tile$i.png"); i=$((i + 1))
done
convert "${tiles[@]}" +append -alpha off -type truecolor "BMP3:flags.bmp"
rm -f "${tiles[@]}"
