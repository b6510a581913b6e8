#pragma once
// The print attributes of a page: where the next output goes, how it looks, and what the last
// output measured. Saved and restored whole, so an operation can change them for one call.

#include "framework/core/cstring.h"

#include <windows.h>

class CDC;

// Text attribute bits.
enum PrintAttribute {
    PRINT_BOLD = 0x001,
    PRINT_ITALIC = 0x002,
    PRINT_UNDERLINE = 0x004,
    PRINT_STRIKEOUT = 0x008,
    PRINT_FRAMED = 0x010,
    PRINT_RIGHT = 0x040,
    PRINT_CENTER = 0x080,
    PRINT_EXPAND_TABS = 0x100,
    PRINT_SINGLE_LINE = 0x200,
    PRINT_NO_CLIP = 0x400,
    PRINT_VCENTER = 0x800,
};

// Passed as attributes, width, fill or line style: keep the current value.
const int PRINT_KEEP = 0xFFFF;

// Fill styles: stock brushes; any other value fills nothing.
enum PrintFill {
    PRINT_FILL_GRAY = 1,
    PRINT_FILL_LIGHT_GRAY = 2,
    PRINT_FILL_DARK_GRAY = 4,
    PRINT_FILL_BLACK = 8,
};

// Line styles; any other value is solid.
enum PrintLineStyle {
    PRINT_LINE_DOT = 1,
    PRINT_LINE_DASH = 2,
    PRINT_LINE_DASH_DOT = 0x10,
    PRINT_LINE_DASH_DOT_DOT = 0x20,
};

struct CPrintAttrState {
    CDC *dc = nullptr;
    int left = 0;   // output rectangle, in units
    int top = 0;    // also the current y
    int right = 0;  // right edge
    int bottom = 0; // bottom edge
    int pointSize = 10;
    CString text;
    int attributes = 0x420;
    int fill = 0;
    int lineStyle = 0;
    CString faceName = "Times New Roman";
    int pageWidth = 0;
    int pageHeight = 0;
    // What the last text output occupied, in units without the centring offset.
    int textEnd = 0;
    int textHeight = 0;
    int resultLeft = 0;
    int resultTop = 0;
    int resultRight = 0;
    int resultBottom = 0;
    int centringOffset = 0; // added to every x when drawing
    TEXTMETRIC *textMetric = nullptr;
};
