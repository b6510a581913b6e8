#include "controls/color_button.h"

namespace {

int GradientChannel(int start, int end, int width, int column)
{
    const double step = static_cast<double>(end - start) / width;
    return static_cast<int>(start + step * column);
}

} // namespace

COLORREF GradientColumnColor(COLORREF start, COLORREF end, int width, int column)
{
    if (width <= 0)
        return start;
    return RGB(GradientChannel(GetRValue(start), GetRValue(end), width, column),
               GradientChannel(GetGValue(start), GetGValue(end), width, column),
               GradientChannel(GetBValue(start), GetBValue(end), width, column));
}

CColorButton::CColorButton()
{
    LOGFONT logFont{};
    CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT))->GetLogFont(&logFont);
    logFont.lfWeight = FW_BOLD;
    m_boldFont.CreateFontIndirect(&logFont);
}

void CColorButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC *dc = CDC::FromHandle(lpDrawItemStruct->hDC);
    const CRect rect(lpDrawItemStruct->rcItem);
    CString text;
    GetWindowText(text);
    if (text.IsEmpty()) {
        dc->FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
        return;
    }
    const int width = rect.Width();
    for (int column = 0; column < width; ++column) {
        dc->FillSolidRect(rect.left + column, rect.top, 1, rect.Height(),
                          GradientColumnColor(m_startColor, m_endColor, width, column));
    }

    const int savedDC = dc->SaveDC();
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(m_textColor);
    const int tab = text.Find('\t');
    if (tab > 0) {
        dc->SelectObject(CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT)));
        dc->SetTextAlign(TA_RIGHT);
        dc->TextOut(rect.right - 2, rect.top + 1, text.Mid(tab + 1));
        dc->SetTextAlign(TA_LEFT);
        text = text.Left(tab);
    }
    dc->SelectObject(&m_boldFont);
    dc->TextOut(rect.left + 2, rect.top + 1, text);
    dc->RestoreDC(savedDC);
}
