// CGridCtrl: painting of heading and body cells and the grid lines. The screen is painted
// through a bitmap the size of the clip box, so nothing flickers.
#include "controls/grid/grid_ctrl.h"

namespace {

// The rectangle's cells and the pixel right of and below it: cell rectangles end on their
// last pixel, fills take an exclusive end.
CRect FillArea(const CRect &rect)
{
    return CRect(rect.left, rect.top, rect.right + 1, rect.bottom + 1);
}

} // namespace

void CGridCtrl::OnPaint()
{
    CPaintDC dc(this);
    OnDraw(&dc);
}

BOOL CGridCtrl::OnEraseBkgnd(CDC *)
{
    return TRUE;
}

void CGridCtrl::OnDraw(CDC *pDC)
{
    CRect clip;
    if (pDC->GetClipBox(&clip) == ERROR || clip.IsRectEmpty())
        return;

    CDC memDC;
    CBitmap bitmap;
    CBitmap *oldBitmap = nullptr;
    CDC *dc = pDC;
    if (!pDC->IsPrinting() && memDC.CreateCompatibleDC(pDC)
        && bitmap.CreateCompatibleBitmap(pDC, clip.Width(), clip.Height())) {
        oldBitmap = memDC.SelectObject(&bitmap);
        memDC.SetWindowOrg(clip.left, clip.top);
        memDC.FillSolidRect(&clip, pDC->GetBkColor());
        dc = &memDC;
    }

    CRect visibleRect;
    const CGridCellRange visible = GetVisibleRange(&visibleRect);
    FillBackground(dc, clip, visibleRect);
    const int fixedWidth = GetFixedColumnWidth();
    const int fixedHeight = GetFixedRowHeight();

    // Corner cells: heading rows by heading columns.
    for (int row = 0, y = 0; row < m_nFixedRows; y += GetRowHeight(row++))
        for (int col = 0, x = 0; col < m_nFixedCols; x += GetColumnWidth(col++))
            DrawFixedCell(dc, row, col, CRect(x, y, x + GetColumnWidth(col) - 1, y + GetRowHeight(row) - 1));

    // Heading columns of the visible rows.
    for (int row = visible.minRow, y = fixedHeight; row <= visible.maxRow; y += GetRowHeight(row++)) {
        if (y > clip.bottom)
            break;
        if (y + GetRowHeight(row) - 1 < clip.top)
            continue;
        for (int col = 0, x = 0; col < m_nFixedCols; x += GetColumnWidth(col++))
            DrawFixedCell(dc, row, col, CRect(x, y, x + GetColumnWidth(col) - 1, y + GetRowHeight(row) - 1));
    }

    // Heading rows of the visible columns.
    for (int col = visible.minCol, x = fixedWidth; col <= visible.maxCol; x += GetColumnWidth(col++)) {
        if (x > clip.right)
            break;
        if (x + GetColumnWidth(col) - 1 < clip.left)
            continue;
        for (int row = 0, y = 0; row < m_nFixedRows; y += GetRowHeight(row++))
            DrawFixedCell(dc, row, col, CRect(x, y, x + GetColumnWidth(col) - 1, y + GetRowHeight(row) - 1));
    }

    // Body cells.
    for (int row = visible.minRow, y = fixedHeight; row <= visible.maxRow; y += GetRowHeight(row++)) {
        if (y > clip.bottom)
            break;
        if (y + GetRowHeight(row) - 1 < clip.top)
            continue;
        for (int col = visible.minCol, x = fixedWidth; col <= visible.maxCol; x += GetColumnWidth(col++)) {
            if (x > clip.right)
                break;
            if (x + GetColumnWidth(col) - 1 < clip.left)
                continue;
            DrawCell(dc, row, col, CRect(x, y, x + GetColumnWidth(col) - 1, y + GetRowHeight(row) - 1));
        }
    }

    // Grid lines with the DC's current pen.
    if (m_nGridLines == GVL_VERT || m_nGridLines == GVL_BOTH) {
        for (int col = visible.minCol, x = fixedWidth; col <= visible.maxCol; ++col) {
            x += GetColumnWidth(col);
            if (x - 1 > clip.right)
                break;
            dc->MoveTo(x - 1, fixedHeight);
            dc->LineTo(x - 1, visibleRect.bottom);
        }
    }
    if (m_nGridLines == GVL_HORZ || m_nGridLines == GVL_BOTH) {
        for (int row = visible.minRow, y = fixedHeight; row <= visible.maxRow; ++row) {
            y += GetRowHeight(row);
            if (y - 1 > clip.bottom)
                break;
            dc->MoveTo(fixedWidth, y - 1);
            dc->LineTo(visibleRect.right, y - 1);
        }
    }

    if (dc == &memDC) {
        pDC->BitBlt(clip.left, clip.top, clip.Width(), clip.Height(), &memDC, clip.left, clip.top, SRCCOPY);
        memDC.SelectObject(oldBitmap);
    }
}

void CGridCtrl::FillBackground(CDC *pDC, const CRect &clip, const CRect &visible)
{
    const int fixedWidth = GetFixedColumnWidth();
    const int fixedHeight = GetFixedRowHeight();
    if (fixedWidth > 0)
        pDC->FillSolidRect(CRect(clip.left, clip.top, fixedWidth, visible.bottom), m_crFixedBkColour);
    if (fixedHeight > 0)
        pDC->FillSolidRect(CRect(fixedWidth - 1, clip.top, visible.right, fixedHeight), m_crFixedBkColour);
    pDC->FillSolidRect(CRect(fixedWidth, fixedHeight, visible.right, visible.bottom), m_crBkColour);
    if (visible.right < clip.right)
        pDC->FillSolidRect(CRect(visible.right, clip.top, clip.right, clip.bottom), m_crGridColour);
    if (visible.bottom < clip.bottom)
        pDC->FillSolidRect(CRect(clip.left, visible.bottom, visible.right, clip.bottom), m_crGridColour);
}

BOOL CGridCtrl::DrawCell(CDC *pDC, int nRow, int nCol, CRect rect, BOOL bEraseBk)
{
    CGridItem item;
    item.row = nRow;
    item.col = nCol;
    item.mask = GVIF_TEXT | GVIF_IMAGE | GVIF_STATE | GVIF_FORMAT;
    if (!GetItem(&item))
        return FALSE;

    const int saved = pDC->SaveDC();
    pDC->SetBkMode(TRANSPARENT);
    const BOOL printing = pDC->IsPrinting();

    if ((item.state & GVIS_FOCUSED) && !printing) {
        if (bEraseBk)
            pDC->FillSolidRect(FillArea(rect), m_crBkColour);
        pDC->SelectStockObject(BLACK_PEN);
        pDC->SelectStockObject(NULL_BRUSH);
        pDC->Rectangle(rect);
        pDC->SetTextColor(m_crTextColour);
        rect.DeflateRect(1, 1);
    } else if ((item.state & GVIS_SELECTED) && !printing) {
        pDC->FillSolidRect(FillArea(rect), ::GetSysColor(COLOR_HIGHLIGHT));
        pDC->SetTextColor(::GetSysColor(COLOR_HIGHLIGHTTEXT));
    } else {
        if (bEraseBk)
            pDC->FillSolidRect(FillArea(rect), m_crBkColour);
        pDC->SetTextColor(m_crTextColour);
    }
    if ((item.state & GVIS_DROPHILITED) && !printing) {
        pDC->SelectStockObject(BLACK_PEN);
        pDC->SelectStockObject(NULL_BRUSH);
        pDC->Rectangle(rect);
    }

    pDC->SelectObject(&m_Font);
    DrawCellText(pDC, item, rect);
    pDC->RestoreDC(saved);
    return TRUE;
}

BOOL CGridCtrl::DrawFixedCell(CDC *pDC, int nRow, int nCol, CRect rect, BOOL bEraseBk)
{
    CGridItem item;
    item.row = nRow;
    item.col = nCol;
    item.mask = GVIF_TEXT | GVIF_FORMAT | GVIF_STATE | GVIF_IMAGE;
    if (!GetItem(&item))
        return FALSE;

    const int saved = pDC->SaveDC();
    const BOOL printing = pDC->IsPrinting();
    if (bEraseBk && !printing)
        pDC->FillSolidRect(FillArea(rect), m_crFixedBkColour);
    pDC->SetTextColor(m_crFixedTextColour);

    // Printed headings take the print font, in bold.
    LOGFONTW logFont{};
    const HFONT baseFont = printing && m_PrinterFont.GetSafeHandle() != nullptr ? (HFONT)m_PrinterFont.GetSafeHandle()
                                                                                : (HFONT)m_Font.GetSafeHandle();
    ::GetObjectW(baseFont, sizeof logFont, &logFont);
    CFont boldFont;
    const bool focusLine = IsValid(m_idCurrentCell) && (m_idCurrentCell.row == nRow || m_idCurrentCell.col == nCol);
    if (printing || focusLine) {
        // The headings of the focus row and column are pressed and bold.
        if (!printing) {
            CRect edge(rect.left, rect.top, rect.right + 1, rect.bottom + 1);
            pDC->DrawEdge(&edge, BDR_SUNKENOUTER | BDR_RAISEDINNER, BF_RECT);
            rect.DeflateRect(1, 1);
        }
        logFont.lfWeight = FW_BOLD;
        boldFont.Attach(::CreateFontIndirectW(&logFont));
        pDC->SelectObject(&boldFont);
    } else {
        CPen light(PS_SOLID, 1, ::GetSysColor(COLOR_BTNHIGHLIGHT));
        CPen dark(PS_SOLID, 1, ::GetSysColor(COLOR_3DDKSHADOW));
        CPen *oldPen = pDC->SelectObject(&light);
        pDC->MoveTo(rect.right, rect.top);
        pDC->LineTo(rect.left, rect.top);
        pDC->LineTo(rect.left, rect.bottom);
        pDC->SelectObject(&dark);
        pDC->MoveTo(rect.right, rect.top);
        pDC->LineTo(rect.right, rect.bottom);
        pDC->LineTo(rect.left, rect.bottom);
        pDC->SelectObject(oldPen);
        rect.DeflateRect(1, 1);
        pDC->SelectObject(&m_Font);
    }

    pDC->SetBkMode(TRANSPARENT);
    DrawCellText(pDC, item, rect);
    pDC->RestoreDC(saved);
    return TRUE;
}

void CGridCtrl::DrawCellText(CDC *pDC, const CGridItem &item, CRect rect)
{
    rect.DeflateRect(m_nMargin, 0);
    if (m_pImageList != nullptr && item.iImage >= 0) {
        IMAGEINFO info{};
        if (ImageList_GetImageInfo(m_pImageList->GetSafeHandle(), item.iImage, &info)) {
            m_pImageList->Draw(pDC, item.iImage, rect.TopLeft(), ILD_NORMAL);
            rect.left += info.rcImage.right - info.rcImage.left + m_nMargin;
        }
    }
    pDC->DrawText(item.strText, &rect, item.nFormat);
}

BOOL CGridCtrl::RedrawCell(int nRow, int nCol, CDC *pDC)
{
    if (!IsCellOnScreen(nRow, nCol))
        return FALSE;
    CRect rect;
    if (!GetCellRect(nRow, nCol, &rect))
        return FALSE;
    if (pDC == nullptr) {
        CRect area = FillArea(rect);
        InvalidateRect(&area, TRUE);
        return TRUE;
    }
    if (nRow < m_nFixedRows || nCol < m_nFixedCols)
        DrawFixedCell(pDC, nRow, nCol, rect, TRUE);
    else
        DrawCell(pDC, nRow, nCol, rect, TRUE);

    const int saved = pDC->SaveDC();
    pDC->SelectStockObject(BLACK_PEN);
    if (m_nGridLines == GVL_HORZ || m_nGridLines == GVL_BOTH) {
        pDC->MoveTo(rect.left, rect.bottom);
        pDC->LineTo(rect.right + 1, rect.bottom);
    }
    if (m_nGridLines == GVL_VERT || m_nGridLines == GVL_BOTH) {
        pDC->MoveTo(rect.right, rect.top);
        pDC->LineTo(rect.right, rect.bottom + 1);
    }
    pDC->RestoreDC(saved);
    return TRUE;
}

void CGridCtrl::InvalidateCell(int nRow, int nCol)
{
    if (m_hWnd == nullptr)
        return;
    RedrawCell(nRow, nCol);
}

void CGridCtrl::RedrawHeadingsOf(int nRow, int nCol)
{
    if (nCol >= 0)
        for (int row = 0; row < m_nFixedRows; ++row)
            InvalidateCell(row, nCol);
    if (nRow >= 0)
        for (int col = 0; col < m_nFixedCols; ++col)
            InvalidateCell(nRow, col);
}
