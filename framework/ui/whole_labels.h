// Labels of disabled check boxes and radio buttons drawn whole. Under Wine a disabled button
// draws its label through a bitmap exactly as wide as the text measures, while some letters
// leave ink a pixel or two past their measured width: the "j" of a disabled "powyżej" is lost.
// The label is drawn again, the same way, through a bitmap wide enough for all of its ink.
#pragma once

#include <windows.h>

// Has every check box and radio button among the window's children draw its disabled label
// whole. Nothing changes where the program does not run under Wine.
void KeepLabelsWhole(HWND window);
