#pragma once
// Device-independent bitmaps read from .bmp files, for pictures on printed pages.

#include <windows.h>

// The picture of a .bmp file (with or without its file header; an old 12-byte core header is
// widened) as one movable global block: a BITMAPINFOHEADER with its size and colour count
// filled in, the palette in 4-byte entries, the bits. Null when the file cannot be opened, is
// cut short or is not an uncompressed or run-length bitmap; the caller frees the block.
HGLOBAL LoadDib(const char *fileName);

// Stretches the picture into the rectangle (logical units of the DC). FALSE when it failed.
BOOL StretchDib(HDC dc, HGLOBAL dib, int x, int y, int width, int height);
