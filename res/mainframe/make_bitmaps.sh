#!/usr/bin/env bash
# Draws the main window's toolbar strips: one tile per button, a coloured plate with a glyph.
# Run from this folder after changing a strip; the .bmp files are committed.
set -euo pipefail
font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
regular=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf

# strip <file> <tile w> <tile h> <background> <grey 0|1> <glyph:colour>...
strip() {
  local file=$1 w=$2 h=$3 bg=$4 grey=$5; shift 5
  local tiles=() i=0 pt
  for spec in "$@"; do
    local glyph=${spec%%:*} colour=${spec##*:}
    [ "$grey" = 1 ] && colour="#8c8c8c"
    # Three letters only fit the plate smaller.
    if [ ${#glyph} -ge 3 ]; then pt=$(( h * 6 / 16 )); else pt=$(( h * 9 / 16 )); fi
    # The plate's edge is drawn hard: blended edge pixels would escape the mask colour.
    convert -size "${w}x${h}" "xc:$bg" +antialias -fill "$colour" -stroke "#303030" \
      -draw "roundrectangle 2,2 $((w - 3)),$((h - 3)) 4,4" -stroke none -antialias -fill white \
      -font "$font" -pointsize "$pt" -gravity center -annotate +0+0 "$glyph" "tile$i.png"
    tiles+=("tile$i.png"); i=$((i + 1))
  done
  convert "${tiles[@]}" +append -alpha off -type truecolor "BMP3:$file"
  rm -f "${tiles[@]}"
}

# Buttons that are words: dark text straight on the background, legible when the bar greys them.
words() {
  local file=$1 w=$2 h=$3; shift 3
  local tiles=() i=0
  for word in "$@"; do
    convert -size "${w}x${h}" xc:silver +antialias -fill "#202020" -font "$regular" -pointsize 10 \
      -gravity center -annotate +0+0 "$word" "tile$i.png"
    tiles+=("tile$i.png"); i=$((i + 1))
  done
  convert "${tiles[@]}" +append -alpha off -type truecolor "BMP3:$file"
  rm -f "${tiles[@]}"
}

main=("N:#2e8b57" "O:#d2a021" "Z:#4169e1" "D:#505050" "Po:#6a5acd" "Pd:#708090" "T:#c0392b"
      "R:#8e44ad" "E:#16a085" "K:#d35400" "ZP:#2c3e50" "U:#27ae60" "Ś:#b03a2e" "W:#1f618d"
      "A:#7d6608" "CPV:#117864" "i:#5d6d7e" "=:#34495e" "?:#2874a6" "§:#6e2c00" "KIO:#4a235a")
tree=("+:#2e8b57" "-:#c0392b" "1:#2874a6" "2:#2874a6" "3:#2874a6" "4:#2874a6" "P:#7d3c98" "S:#117864")
format=("B:#303030" "I:#303030" "U:#303030" "L:#505050" "C:#505050" "P:#505050" "F:#1f618d")
tools=("Dodaj" "Usuń" "Zmień")
menu=("N:#2e8b57" "O:#d2a021" "Z:#4169e1" "D:#505050" "U:#7f8c8d" "T:#c0392b" "K:#1f618d")

strip toolbar_main.bmp 32 32 silver 0 "${main[@]}"
strip main_normal.bmp 32 32 silver 0 "${main[@]}"
strip main_disabled.bmp 32 32 "#00ff00" 1 "${main[@]}"
strip toolbar_tree.bmp 32 32 silver 0 "${tree[@]}"
strip tree_normal.bmp 32 32 "#00ff00" 0 "${tree[@]}"
strip tree_disabled.bmp 32 32 "#00ff00" 1 "${tree[@]}"
strip toolbar_format.bmp 23 23 silver 0 "${format[@]}"
words toolbar_tools.bmp 63 15 "${tools[@]}"
strip menu_icons.bmp 16 15 silver 0 "${menu[@]}"

# The splash picture (also the picture dialog's and the About box's).
convert -size 480x300 gradient:"#1f3b5a"-"#4f7faf" -fill white -font "$font" -pointsize 54 \
  -gravity center -annotate +0-30 "Morvelank" -pointsize 18 -fill "#dfe8f0" \
  -annotate +0+35 "Przygotowanie i prowadzenie postępowań" -pointsize 14 \
  -annotate +0+110 "wrzesień 2025" -alpha off -type truecolor BMP3:splash.bmp
