#pragma once
// Turns a page's print attributes into GDI calls: text in its rectangle, lines, boxes and fills.
// Text is drawn in device pixels (the font is sized from the device's resolution), shapes in
// the page's logical units; the centring offset is added to every x.

#include "controls/print_attr_state.h"

class CPrintPainter {
public:
    virtual ~CPrintPainter() = default;
    // Fills the state's result (rectangle, text end, height) and the text metric without drawing.
    virtual void MeasureText(CPrintAttrState &state);
    virtual void PaintText(CPrintAttrState &state);
    // The segment (left, top) to (right, bottom).
    virtual void PaintLine(CPrintAttrState &state, int width);
    virtual void PaintBox(CPrintAttrState &state, int width);
    virtual void PaintFill(CPrintAttrState &state);

    // The stock brush of a fill style, or the null brush.
    static HGDIOBJ FillBrush(int fill);

private:
    void OutputText(CPrintAttrState &state, bool draw);
};

// For one output over a fill: a non-zero fill makes the background transparent and a fill of 3
// or more makes the text white; both come back at the end of the scope.
class CFillTextScope {
public:
    CFillTextScope(CDC *dc, int fill);
    ~CFillTextScope();
    CFillTextScope(const CFillTextScope &) = delete;
    CFillTextScope &operator=(const CFillTextScope &) = delete;

private:
    CDC *m_dc;
    bool m_transparent;
    bool m_white;
    int m_oldMode = 0;
    COLORREF m_oldColour = 0;
};
