#include "controls/print_painter.h"

#include "framework/ui/gdi.h"

namespace {

UINT DrawTextFlags(int attributes)
{
    UINT flags = DT_NOPREFIX;
    if (attributes & PRINT_CENTER)
        flags |= DT_CENTER;
    else if (attributes & PRINT_RIGHT)
        flags |= DT_RIGHT;
    if (attributes & PRINT_VCENTER)
        flags |= DT_VCENTER;
    if (attributes & PRINT_EXPAND_TABS)
        flags |= DT_EXPANDTABS;
    if (attributes & PRINT_NO_CLIP)
        flags |= DT_NOCLIP;
    flags |= (attributes & PRINT_SINGLE_LINE) ? DT_SINGLELINE : DT_WORDBREAK;
    return flags;
}

// DT_CALCRECT keeps the left (and top) of the rectangle; move the measured text to where the
// alignment put it, so the result is the place the text really occupies.
void AlignMeasured(RECT &measured, const RECT &box, UINT flags)
{
    const int width = measured.right - measured.left;
    const int height = measured.bottom - measured.top;
    if (flags & DT_CENTER) {
        measured.left = box.left + (box.right - box.left - width) / 2;
    } else if (flags & DT_RIGHT) {
        measured.left = box.right - width;
    }
    measured.right = measured.left + width;
    if ((flags & DT_VCENTER) && (flags & DT_SINGLELINE)) {
        measured.top = box.top + (box.bottom - box.top - height) / 2;
        measured.bottom = measured.top + height;
    }
}

int PenStyle(int lineStyle, bool forBox)
{
    if (lineStyle == PRINT_LINE_DASH)
        return PS_DASH;
    if (lineStyle == PRINT_LINE_DOT)
        return PS_DOT;
    if (!forBox && lineStyle == PRINT_LINE_DASH_DOT)
        return PS_DASHDOT;
    if (!forBox && lineStyle == PRINT_LINE_DASH_DOT_DOT)
        return PS_DASHDOTDOT;
    return PS_SOLID;
}

} // namespace

HGDIOBJ CPrintPainter::FillBrush(int fill)
{
    if (fill == PRINT_FILL_GRAY)
        return ::GetStockObject(GRAY_BRUSH);
    if (fill == PRINT_FILL_LIGHT_GRAY)
        return ::GetStockObject(LTGRAY_BRUSH);
    if (fill == PRINT_FILL_DARK_GRAY)
        return ::GetStockObject(DKGRAY_BRUSH);
    if (fill == PRINT_FILL_BLACK)
        return ::GetStockObject(BLACK_BRUSH);
    return ::GetStockObject(NULL_BRUSH);
}

void CPrintPainter::MeasureText(CPrintAttrState &state)
{
    OutputText(state, false);
}

void CPrintPainter::PaintText(CPrintAttrState &state)
{
    OutputText(state, true);
}

void CPrintPainter::OutputText(CPrintAttrState &state, bool draw)
{
    CDC *dc = state.dc;
    const int offset = state.centringOffset;
    RECT box{state.left + offset, state.top, state.right + offset, state.bottom};
    if (box.right > state.pageWidth - offset)
        box.right = state.pageWidth - offset;
    if (state.text.IsEmpty()) {
        // Nothing occupies no room: the next line starts where this one would have.
        state.resultLeft = state.resultRight = state.textEnd = state.left;
        state.resultTop = state.resultBottom = state.top;
        state.textHeight = 0;
        return;
    }
    const bool unbounded = box.right == 0 && box.bottom == 0;

    dc->LPtoDP(&box);
    const int saved = dc->SaveDC();
    dc->SetMapMode(MM_TEXT);

    const int attributes = state.attributes;
    CFont font;
    font.CreateFont(-::MulDiv(state.pointSize, dc->GetDeviceCaps(LOGPIXELSY), 72), 0, 0, 0,
                    (attributes & PRINT_BOLD) ? FW_BOLD : FW_NORMAL, (attributes & PRINT_ITALIC) ? 1 : 0,
                    (attributes & PRINT_UNDERLINE) ? 1 : 0, (attributes & PRINT_STRIKEOUT) ? 1 : 0, ANSI_CHARSET,
                    OUT_TT_PRECIS, CLIP_STROKE_PRECIS, PROOF_QUALITY, VARIABLE_PITCH | FF_SWISS, state.faceName);
    dc->SelectObject(&font);

    const UINT flags = DrawTextFlags(attributes);
    if (unbounded)
        dc->DrawText(state.text, &box, flags | DT_CALCRECT);

    if (draw) {
        const bool framed = (attributes & PRINT_FRAMED) != 0;
        const int oldMode = framed ? dc->SetBkMode(TRANSPARENT) : 0;
        const bool white = framed && (state.fill == PRINT_FILL_BLACK || state.fill == PRINT_FILL_DARK_GRAY);
        const COLORREF oldColour = white ? dc->SetTextColor(RGB(255, 255, 255)) : 0;
        if (framed)
            ::FillRect(dc->GetSafeHdc(), &box, (HBRUSH)FillBrush(state.fill));
        RECT drawn = box;
        dc->DrawText(state.text, &drawn, flags);
        if (white)
            dc->SetTextColor(oldColour);
        if (framed)
            dc->SetBkMode(oldMode);
    }

    RECT measured = box;
    dc->DrawText(state.text, &measured, flags | DT_CALCRECT);
    AlignMeasured(measured, box, flags);
    if (state.textMetric != nullptr)
        dc->GetTextMetrics(state.textMetric);
    dc->RestoreDC(saved); // also deselects the font before it is freed

    dc->DPtoLP(&measured);
    state.resultLeft = measured.left - offset;
    state.resultTop = measured.top;
    state.resultRight = measured.right - offset;
    state.resultBottom = measured.bottom;
    state.textEnd = state.resultRight;
    state.textHeight = measured.bottom - measured.top;
}

void CPrintPainter::PaintLine(CPrintAttrState &state, int width)
{
    CDC *dc = state.dc;
    CPen pen(PenStyle(state.lineStyle, false), width, dc->GetTextColor());
    CPen *oldPen = dc->SelectObject(&pen);
    dc->MoveTo(state.left + state.centringOffset, state.top);
    dc->LineTo(state.right + state.centringOffset, state.bottom);
    dc->SelectObject(oldPen);
}

void CPrintPainter::PaintBox(CPrintAttrState &state, int width)
{
    CDC *dc = state.dc;
    const int offset = state.centringOffset;
    const POINT corners[4] = {{state.left + offset, state.top},
                              {state.right + offset, state.top},
                              {state.right + offset, state.bottom},
                              {state.left + offset, state.bottom}};
    CPen pen(PenStyle(state.lineStyle, true), width, dc->GetTextColor());
    CPen *oldPen = dc->SelectObject(&pen);
    HGDIOBJ oldBrush = ::SelectObject(dc->GetSafeHdc(), FillBrush(state.fill));
    dc->Polygon(corners, 4);
    ::SelectObject(dc->GetSafeHdc(), oldBrush);
    dc->SelectObject(oldPen);
}

void CPrintPainter::PaintFill(CPrintAttrState &state)
{
    const int offset = state.centringOffset;
    const RECT box{state.left + offset, state.top, state.right + offset, state.bottom};
    ::FillRect(state.dc->GetSafeHdc(), &box, (HBRUSH)FillBrush(state.fill));
}

CFillTextScope::CFillTextScope(CDC *dc, int fill) : m_dc(dc), m_transparent(fill != 0), m_white(fill >= 3)
{
    if (m_transparent)
        m_oldMode = dc->SetBkMode(TRANSPARENT);
    if (m_white)
        m_oldColour = dc->SetTextColor(RGB(255, 255, 255));
}

CFillTextScope::~CFillTextScope()
{
    if (m_white)
        m_dc->SetTextColor(m_oldColour);
    if (m_transparent)
        m_dc->SetBkMode(m_oldMode);
}
