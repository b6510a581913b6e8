#pragma once
// An owner-drawn button filled with a horizontal colour gradient. A caption "word\tkey" shows
// the word bold on the left and the key name right-aligned in the normal font.

#include "framework/ui/controls.h"
#include "framework/ui/gdi.h"

// The colour of column `column` of a gradient `width` columns wide: each channel starts at
// the start colour and grows by (end - start) / width per column, truncated.
COLORREF GradientColumnColor(COLORREF start, COLORREF end, int width, int column);

class CColorButton : public CButton {
public:
    CColorButton();

    COLORREF m_startColor = RGB(0, 128, 128);
    COLORREF m_endColor = RGB(128, 0, 128);
    COLORREF m_textColor = RGB(255, 255, 255);

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

private:
    CFont m_boldFont;
};
