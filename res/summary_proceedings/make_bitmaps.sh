#!/usr/bin/env bash
# Draws the summary of proceedings' toolbar strip: two 16x15 images (print, spreadsheet export)
# on the button grey, which the toolbar maps to the system's button face.
# Run from this folder after changing it; the .bmp file is committed.
set -euo pipefail
font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf

convert -size 16x15 xc:silver -fill white -stroke black -draw "rectangle 4,1 11,6" \
  -fill gray -draw "rectangle 1,6 14,11" -fill white -draw "rectangle 4,10 11,14" print.png
convert -size 16x15 xc:silver -fill white -stroke "#1e7b34" -draw "rectangle 1,1 14,13" \
  -stroke none -fill "#1e7b34" -font "$font" -pointsize 10 -gravity center -annotate +0+0 "X" excel.png
convert print.png excel.png +append -alpha off -type truecolor "BMP3:toolbar.bmp"
rm -f print.png excel.png
