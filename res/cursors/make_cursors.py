#!/usr/bin/env python3
# Draws the document view's two hover cursors as 32x32 two-colour .cur files: over a variable
# an arrow with a pen beside it, over a page-break marker a bar with arrows above and below.
# '#' black, '.' white, anything else transparent; 'H' is a black pixel at the hot spot.
# Run from this folder after changing a picture; the .cur files are committed.
import struct

VARIABLE = """
H
#.#
#..#
#...#
#....#
#.....#
#......#
#.......#
#........#
#.....#####
#..#..#
#.# #..#
##  #..#
#    #..#         ###
     #..#        #..#
      ##        #..#
               #..#
              #..#
             #..#
            #..#
           #..#
          ##.#
          ###
"""

PAGE_BREAK = """
               #
              #.#
             #...#
            #.....#
           ####.####
              #.#
              #.#
              #.#
   #########################
   #.......................#
   #########H###############
   #.......................#
   #########################
              #.#
              #.#
              #.#
           ####.####
            #.....#
             #...#
              #.#
               #
"""


def cursor(picture):
    rows = picture.strip("\n").split("\n")
    size = 32
    hot = (0, 0)
    xor = [[0] * size for _ in range(size)]
    mask = [[1] * size for _ in range(size)]
    for y, row in enumerate(rows[:size]):
        for x, c in enumerate(row[:size]):
            if c in "#H":
                mask[y][x] = 0
            elif c == ".":
                mask[y][x] = 0
                xor[y][x] = 1
            if c == "H":
                hot = (x, y)

    def plane(bits):
        out = b""
        for row in reversed(bits):  # bottom-up
            value = 0
            for bit in row:
                value = (value << 1) | bit
            out += struct.pack(">I", value)
        return out

    image = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    image += bytes([0, 0, 0, 0, 255, 255, 255, 0]) + plane(xor) + plane(mask)
    header = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", size, size, 2, 0, hot[0], hot[1], len(image), 6 + 16)
    return header + entry + image


for name, picture in (("variable.cur", VARIABLE), ("page_break.cur", PAGE_BREAK)):
    with open(name, "wb") as f:
        f.write(cursor(picture))
