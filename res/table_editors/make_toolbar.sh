#!/usr/bin/env bash
# Draws the grid table editor's toolbar strip: one 21 x 19 tile per button, a coloured plate
# with a glyph. Run from this folder after changing it; the .bmp file is committed.
set -euo pipefail
font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf

tiles=()
i=0
# Add row, delete row, contractors, print, spreadsheet, add column, delete column, save, exit.
for spec in "+W:#2e8b57" "-W:#c0392b" "L:#8e44ad" "D:#505050" "X:#1e7b45" "+K:#2874a6" "-K:#b03a2e" \
            "Z:#4169e1" "W:#7f8c8d"; do
  glyph=${spec%%:*} colour=${spec##*:}
  convert -size 21x19 xc:silver +antialias -fill "$colour" -stroke "#303030" \
    -draw "roundrectangle 1,1 19,17 3,3" -stroke none -antialias -fill white \
    -font "$font" -pointsize 9 -gravity center -annotate +0+0 "$glyph" "tile$i.png"
  tiles+=("tile$i.png"); i=$((i + 1))
done
convert "${tiles[@]}" +append -alpha off -type truecolor "BMP3:grid_toolbar.bmp"
rm -f "${tiles[@]}"
