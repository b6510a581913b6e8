#!/usr/bin/env bash
# Draws the print preview bar's button strips: four tiles each (normal, pressed, focused,
# disabled) on the standard button grey, which the buttons map to the system's colours.
# Run from this folder after changing a strip; the .bmp files are committed.
set -euo pipefail
font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
w=28 h=22

tile() {  # tile <out> <glyph> <colour> <plate> <frame>
  convert -size "${w}x${h}" xc:silver -fill "$4" -stroke "$5" \
    -draw "rectangle 0,0 $((w - 1)),$((h - 1))" -stroke none -fill "$3" \
    -font "$font" -pointsize 11 -gravity center -annotate +0+0 "$2" "$1"
}

strip() {  # strip <file> <glyph> <colour>
  tile t0.png "$2" "$3" silver gray
  tile t1.png "$2" "$3" gray black
  tile t2.png "$2" "$3" silver black
  tile t3.png "$2" gray silver gray
  convert t0.png t1.png t2.png t3.png +append -alpha off -type truecolor "BMP3:$1"
  rm -f t0.png t1.png t2.png t3.png
}

strip prev.bmp "◀" "#1f618d"
strip next.bmp "▶" "#1f618d"
strip two_pages.bmp "1" "#303030"
strip print.bmp "Dr" "#303030"
strip one_page.bmp "2" "#303030"
strip zoom_in.bmp "+" "#2e8b57"
strip zoom_out.bmp "−" "#c0392b"
