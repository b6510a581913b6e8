// Whether the mouse stands over a piece of text, from the client positions of its first
// character and of the character after its last.
#pragma once

#include <windows.h>

// A piece on one line is hit inside its box, 15 pixels high; a piece over several lines also
// in the lines between, right of its start on the first line and left of its end on the last.
bool IsOverText(POINT first, POINT afterLast, int x, int y);
