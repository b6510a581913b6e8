#include "controls/multi_line_list.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/core/codepage.h"
#include "framework/core/exceptions.h"

namespace {

const wchar_t kClassName[] = L"CMultilineList";
const UINT kMeasureFormat = DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX; // 0xC10
const UINT kDrawFormat = DT_WORDBREAK | DT_NOPREFIX;                  // 0x810
const int kCellMargin = 2;
const int kLineStep = 25;

void RegisterListClass()
{
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSW wc{};
    if (::GetClassInfoW(instance, kClassName, &wc))
        return;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    if (!::RegisterClassW(&wc))
        AfxThrowResourceException();
}

// The bar's own flag: the list may sit in a dialog that is not shown yet.
bool IsShown(const CScrollBar &bar)
{
    return bar.m_hWnd != nullptr && (bar.GetStyle() & WS_VISIBLE) != 0;
}

} // namespace

BEGIN_MESSAGE_MAP(CMultilineList, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_VSCROLL()
    ON_WM_HSCROLL()
    ON_WM_MOUSEWHEEL()
    ON_WM_DESTROY()
    ON_NOTIFY(HDN_TRACKA, CMultilineList::kHeaderId, OnHeaderTrack)
    ON_NOTIFY(HDN_TRACKW, CMultilineList::kHeaderId, OnHeaderTrack)
    ON_NOTIFY(HDN_ENDTRACKA, CMultilineList::kHeaderId, OnHeaderEndTrack)
    ON_NOTIFY(HDN_ENDTRACKW, CMultilineList::kHeaderId, OnHeaderEndTrack)
END_MESSAGE_MAP()

CMultilineList::CMultilineList()
{
    RegisterListClass();
}

CMultilineList::~CMultilineList()
{
    // Gone before the fonts, pen and bitmap its children and painting use.
    if (m_hWnd != nullptr)
        DestroyWindow();
    if (m_oldMemBitmap != nullptr)
        ::SelectObject(m_memDC, m_oldMemBitmap);
}

// ---- Data ---------------------------------------------------------------------------------------

void CMultilineList::SetSize(int columns, int rows)
{
    if (columns < 0 || rows < 0 || (columns == m_columnCount && rows == m_rowCount))
        return;
    if (columns < m_columnCount || rows < m_rowCount) {
        for (auto cell = m_cells.begin(); cell != m_cells.end();) {
            if (cell->first.first >= columns || cell->first.second >= rows)
                cell = m_cells.erase(cell);
            else
                ++cell;
        }
    }
    if (columns < m_columnCount) {
        m_columns.erase(m_columns.lower_bound(columns), m_columns.end());
        m_rowHeights.clear();
    } else if (rows < m_rowCount) {
        m_rowHeights.erase(m_rowHeights.lower_bound(rows), m_rowHeights.end());
    }
    m_columnCount = columns;
    m_rowCount = rows;
    // A selection that is gone would hand the parent an empty row.
    if (m_selectedRow >= rows)
        m_selectedRow = -1;
    if (m_hWnd == nullptr)
        return;
    Invalidate(FALSE);
    RecalcRowHeights();
    UpdateHeaderAndScrollBars();
}

void CMultilineList::SetColumnHeading(int column, const CString &text)
{
    auto found = m_columns.find(column);
    if (found != m_columns.end() && found->second.heading == text)
        return;
    m_columns[column].heading = text;
    if (m_hWnd == nullptr)
        return;
    Invalidate(FALSE);
    UpdateHeaderAndScrollBars();
}

void CMultilineList::SetColumnWidth(int column, int width)
{
    auto found = m_columns.find(column);
    if (found != m_columns.end() && found->second.width == width)
        return;
    m_columns[column].width = width;
    m_rowHeights.clear();
    if (m_hWnd == nullptr)
        return;
    Invalidate(FALSE);
    RecalcRowHeights();
    UpdateHeaderAndScrollBars();
}

int CMultilineList::GetColumnWidth(int column) const
{
    auto found = m_columns.find(column);
    return found == m_columns.end() ? Column().width : found->second.width;
}

void CMultilineList::SetCellText(int column, int row, const CString &text)
{
    const auto key = std::make_pair(column, row);
    auto found = m_cells.find(key);
    if (found != m_cells.end() && found->second == text)
        return;
    m_cells[key] = text;
    m_rowHeights.erase(row);
    if (m_hWnd == nullptr)
        return;
    Invalidate(FALSE);
    RecalcRowHeights();
    UpdateHeaderAndScrollBars();
}

CString CMultilineList::GetCellText(int column, int row) const
{
    auto found = m_cells.find(std::make_pair(column, row));
    return found == m_cells.end() ? CString(" ") : found->second;
}

// ---- Geometry -----------------------------------------------------------------------------------

int CMultilineList::CachedHeight(int row) const
{
    auto found = m_rowHeights.find(row);
    return found == m_rowHeights.end() ? 0 : found->second;
}

int CMultilineList::GetRowHeight(int row)
{
    if (row < 0 || row >= m_rowCount)
        return 0;
    RecalcRowHeights();
    return CachedHeight(row);
}

int CMultilineList::RowTop(int row) const
{
    int top = 0;
    for (int r = 0; r < row; ++r)
        top += CachedHeight(r);
    return top;
}

int CMultilineList::TotalHeight() const
{
    return RowTop(m_rowCount);
}

int CMultilineList::TotalWidth() const
{
    int width = 0;
    for (int c = 0; c < m_columnCount; ++c)
        width += GetColumnWidth(c);
    return width;
}

int CMultilineList::HeaderHeight() const
{
    if (m_header == nullptr)
        return 0;
    RECT rect;
    ::GetWindowRect(m_header, &rect);
    return rect.bottom - rect.top;
}

CRect CMultilineList::GetListRect() const
{
    CRect list;
    GetClientRect(&list);
    list.top += HeaderHeight();
    if (IsShown(m_verticalBar))
        list.right -= ::GetSystemMetrics(SM_CXVSCROLL);
    if (IsShown(m_horizontalBar))
        list.bottom -= ::GetSystemMetrics(SM_CYHSCROLL);
    return list;
}

int CMultilineList::MeasureRow(int row)
{
    int tallest = 0;
    CFont *oldFont = m_memDC.SelectObject(&m_font);
    for (int c = 0; c < m_columnCount; ++c) {
        CRect cell(0, 0, std::max(GetColumnWidth(c) - 2 * kCellMargin, 1), 0);
        m_memDC.DrawText(GetCellText(c, row), &cell, kMeasureFormat);
        tallest = std::max(tallest, cell.Height());
    }
    m_memDC.SelectObject(oldFont);
    return tallest + 5;
}

void CMultilineList::RecalcRowHeights()
{
    if (m_memDC.GetSafeHdc() == nullptr)
        return;
    for (int row = 0; row < m_rowCount; ++row) {
        if (m_rowHeights.find(row) == m_rowHeights.end())
            m_rowHeights[row] = MeasureRow(row);
    }
}

// ---- Children -----------------------------------------------------------------------------------

void CMultilineList::PreSubclassWindow()
{
    CWnd::PreSubclassWindow();
    ModifyStyle(0, WS_BORDER);
    // The frame is drawn only once the window's size changes.
    CRect window;
    GetWindowRect(&window);
    SetWindowPos(nullptr, 0, 0, window.Width() + 1, window.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    SetWindowPos(nullptr, 0, 0, window.Width(), window.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);

    PrepareSurface();

    LOGFONT logFont{};
    CWnd *parent = GetParent();
    CFont *parentFont = parent != nullptr ? parent->GetFont() : nullptr;
    if (parentFont != nullptr)
        parentFont->GetLogFont(&logFont);
    else
        CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT))->GetLogFont(&logFont);
    m_font.CreateFontIndirect(&logFont);
    logFont.lfWeight = FW_BOLD;
    m_boldFont.CreateFontIndirect(&logFont);

    AfxEnsureCommonControls();
    m_header = ::CreateWindowExW(0, WC_HEADERW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, m_hWnd,
                                 (HMENU)(INT_PTR)kHeaderId, ::GetModuleHandleW(nullptr), nullptr);
    if (m_header != nullptr)
        ::SendMessageW(m_header, WM_SETFONT, (WPARAM)(HFONT)m_boldFont, FALSE);
    m_verticalBar.Create(WS_CHILD | SBS_VERT | SBS_RIGHTALIGN, CRect(0, 0, 0, 0), this, kVerticalBarId);
    m_horizontalBar.Create(WS_CHILD | SBS_HORZ | SBS_BOTTOMALIGN, CRect(0, 0, 0, 0), this, kHorizontalBarId);
    LayoutChildren();
    RecalcRowHeights();
    UpdateHeaderAndScrollBars();
}

void CMultilineList::LayoutChildren()
{
    if (m_header == nullptr || m_verticalBar.m_hWnd == nullptr || m_horizontalBar.m_hWnd == nullptr)
        return;
    CRect client;
    GetClientRect(&client);
    TEXTMETRIC metrics{};
    CFont *oldFont = m_memDC.SelectObject(&m_boldFont);
    m_memDC.GetTextMetrics(&metrics);
    m_memDC.SelectObject(oldFont);
    const int headerHeight = metrics.tmHeight + 6;
    ::MoveWindow(m_header, client.left - m_horizontalPos, client.top, client.Width() + m_horizontalPos, headerHeight,
                 TRUE);

    const int barWidth = ::GetSystemMetrics(SM_CXVSCROLL);
    const int barHeight = ::GetSystemMetrics(SM_CYHSCROLL);
    const bool verticalShown = IsShown(m_verticalBar);
    // The bar starts below the header, so that the header's right end stays readable.
    m_verticalBar.MoveWindow(client.right - barWidth, client.top + headerHeight, barWidth,
                             client.Height() - headerHeight);
    m_horizontalBar.MoveWindow(client.left, client.bottom - barHeight, client.Width() - (verticalShown ? barWidth : 0),
                               barHeight);
}

void CMultilineList::SyncHeaderItems()
{
    int items = (int)::SendMessageW(m_header, HDM_GETITEMCOUNT, 0, 0);
    while (items > m_columnCount)
        ::SendMessageW(m_header, HDM_DELETEITEM, --items, 0);
    for (; items < m_columnCount; ++items) {
        HDITEMW item{};
        item.mask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT;
        item.cxy = 100;
        item.pszText = const_cast<LPWSTR>(L"");
        item.fmt = HDF_STRING | HDF_CENTER;
        ::SendMessageW(m_header, HDM_INSERTITEMW, items, (LPARAM)&item);
    }
    for (int c = 0; c < m_columnCount; ++c) {
        wchar_t shown[256] = L"";
        HDITEMW item{};
        item.mask = HDI_WIDTH | HDI_TEXT;
        item.pszText = shown;
        item.cchTextMax = 256;
        ::SendMessageW(m_header, HDM_GETITEMW, c, (LPARAM)&item);
        auto column = m_columns.find(c);
        const Column wanted = column == m_columns.end() ? Column() : column->second;
        const std::wstring heading = Cp1250ToWide(wanted.heading);
        if (item.cxy == wanted.width && heading == shown)
            continue;
        HDITEMW update{};
        update.mask = HDI_WIDTH | HDI_TEXT;
        update.cxy = wanted.width;
        update.pszText = const_cast<LPWSTR>(heading.c_str());
        ::SendMessageW(m_header, HDM_SETITEMW, c, (LPARAM)&update);
    }
}

void CMultilineList::SetBar(CScrollBar &bar, bool needed, int total, int page, int &position, SCROLLINFO &last)
{
    position = needed ? std::min(std::max(position, 0), total - page) : 0;
    if (!needed) {
        bar.EnableWindow(FALSE);
        bar.ShowWindow(SW_HIDE);
        last = SCROLLINFO{};
        return;
    }
    bar.ShowWindow(SW_SHOW);
    bar.EnableWindow(TRUE);
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    info.nMin = 0;
    info.nMax = total - 1;
    info.nPage = (UINT)page;
    info.nPos = position;
    if (info.nMax == last.nMax && info.nPage == last.nPage && info.nPos == last.nPos && last.cbSize != 0)
        return;
    bar.SetScrollInfo(&info, TRUE);
    last = info;
}

void CMultilineList::UpdateHeaderAndScrollBars()
{
    if (m_header == nullptr || m_verticalBar.m_hWnd == nullptr || m_horizontalBar.m_hWnd == nullptr)
        return;
    SyncHeaderItems();

    CRect client;
    GetClientRect(&client);
    const int listHeight = client.Height() - HeaderHeight();
    const int barWidth = ::GetSystemMetrics(SM_CXVSCROLL);
    const int barHeight = ::GetSystemMetrics(SM_CYHSCROLL);
    const int totalHeight = TotalHeight();
    const int totalWidth = TotalWidth();
    // Each bar takes room from the other's direction: settle both.
    bool vertical = false, horizontal = false;
    for (int pass = 0; pass < 2; ++pass) {
        vertical = totalHeight > listHeight - (horizontal ? barHeight : 0);
        horizontal = totalWidth > client.Width() - (vertical ? barWidth : 0);
    }
    const int pageHeight = listHeight - (horizontal ? barHeight : 0);
    const int pageWidth = client.Width() - (vertical ? barWidth : 0);
    SetBar(m_verticalBar, vertical, totalHeight, pageHeight, m_verticalPos, m_lastVertical);
    SetBar(m_horizontalBar, horizontal, totalWidth, pageWidth, m_horizontalPos, m_lastHorizontal);
    LayoutChildren();
}

// ---- Painting -----------------------------------------------------------------------------------

void CMultilineList::PrepareSurface()
{
    CRect client;
    GetClientRect(&client);
    const CSize size(std::max(client.Width(), 1), std::max(client.Height(), 1));
    if (m_memDC.GetSafeHdc() != nullptr && size.cx == m_memSize.cx && size.cy == m_memSize.cy)
        return;
    CClientDC screen(this);
    if (m_memDC.GetSafeHdc() == nullptr)
        m_memDC.CreateCompatibleDC(&screen);
    if (m_oldMemBitmap != nullptr)
        ::SelectObject(m_memDC, m_oldMemBitmap);
    m_memBitmap.DeleteObject();
    m_memBitmap.CreateCompatibleBitmap(&screen, size.cx, size.cy);
    m_oldMemBitmap = ::SelectObject(m_memDC, m_memBitmap);
    m_memSize = size;
}

BOOL CMultilineList::OnEraseBkgnd(CDC *)
{
    return TRUE;
}

void CMultilineList::OnPaint()
{
    CPaintDC dc(this);
    PrepareSurface();
    const COLORREF lineColor = ::GetSysColor(COLOR_WINDOWTEXT);
    if (m_pen.GetSafeHandle() == nullptr || lineColor != m_penColor) {
        m_pen.DeleteObject();
        m_pen.CreatePen(PS_SOLID, 1, lineColor);
        m_penColor = lineColor;
    }
    RecalcRowHeights();
    const CRect list = GetListRect();
    DrawList(m_memDC, list);
    dc.BitBlt(list.left, list.top, list.Width(), list.Height(), &m_memDC, list.left, list.top, SRCCOPY);
}

void CMultilineList::DrawList(CDC &dc, const CRect &list)
{
    dc.FillRect(&list, CBrush::FromHandle(::GetSysColorBrush(COLOR_WINDOW)));
    dc.SetBkMode(TRANSPARENT);
    CFont *oldFont = dc.SelectObject(&m_font);
    CPen *oldPen = dc.SelectObject(&m_pen);
    const int listEnd = list.left - m_horizontalPos + TotalWidth();

    int row = 0;
    int offset = 0;
    while (row < m_rowCount && offset + CachedHeight(row) <= m_verticalPos)
        offset += CachedHeight(row++);
    int y = list.top + offset - m_verticalPos;
    for (const int firstRow = row; row < m_rowCount && y < list.bottom; ++row) {
        const int bottom = y + CachedHeight(row);
        const bool selected = row == m_selectedRow;
        dc.SetTextColor(::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        int x = list.left - m_horizontalPos;
        for (int c = 0; c < m_columnCount; ++c) {
            const int width = GetColumnWidth(c);
            if (selected)
                dc.FillSolidRect(x, y, width, bottom - y, ::GetSysColor(COLOR_HIGHLIGHT));
            CRect text(x + kCellMargin, y + kCellMargin, x + width - kCellMargin, bottom - 3);
            dc.DrawText(GetCellText(c, row), &text, kDrawFormat);
            x += width;
        }
        dc.MoveTo(list.left, bottom + 1);
        dc.LineTo(listEnd, bottom + 1);
        if (row != firstRow) {
            dc.MoveTo(list.left, y + 1);
            dc.LineTo(listEnd, y + 1);
        }
        x = list.left - m_horizontalPos;
        for (int c = 0; c < m_columnCount && x < list.right; ++c) {
            x += GetColumnWidth(c);
            dc.MoveTo(x, y + 1);
            dc.LineTo(x, bottom + 1);
        }
        y = bottom;
    }
    dc.SelectObject(oldPen);
    dc.SelectObject(oldFont);
}

// ---- Mouse, scrolling, header -------------------------------------------------------------------

int CMultilineList::HitTestRow(CPoint point)
{
    RecalcRowHeights();
    const CRect list = GetListRect();
    if (!list.PtInRect(point))
        return -1;
    const int y = point.y + m_verticalPos - list.top;
    int bottom = 0;
    for (int row = 0; row < m_rowCount; ++row) {
        bottom += CachedHeight(row);
        if (y < bottom)
            return row;
    }
    return -1;
}

void CMultilineList::OnLButtonDown(UINT, CPoint point)
{
    SetFocus();
    m_selectedRow = HitTestRow(point);
    Invalidate(FALSE);
    UpdateHeaderAndScrollBars();
    if (m_selectedRow >= 0)
        EnsureRowVisible(m_selectedRow);
    CWnd *parent = GetParent();
    if (parent != nullptr)
        parent->PostMessage(WM_COMMAND, (1 << 16) | (GetDlgCtrlID() & 0xFFFF), (LPARAM)m_hWnd);
}

void CMultilineList::EnsureRowVisible(int row)
{
    if (row < 0 || row >= m_rowCount)
        return;
    RecalcRowHeights();
    const int top = RowTop(row);
    const int height = CachedHeight(row);
    const int listHeight = GetListRect().Height();
    if (top >= m_verticalPos) {
        if (top + height <= m_verticalPos + listHeight)
            return;
        m_verticalPos = height < listHeight ? top + height - listHeight : top;
    } else {
        m_verticalPos = top;
    }
    Invalidate(FALSE);
    UpdateHeaderAndScrollBars();
}

void CMultilineList::OnVScroll(UINT nSBCode, UINT, CScrollBar *)
{
    RecalcRowHeights();
    const int listHeight = GetListRect().Height();
    const int totalHeight = TotalHeight();
    int first = 0;
    int firstTop = 0;
    while (first < m_rowCount && firstTop + CachedHeight(first) <= m_verticalPos)
        firstTop += CachedHeight(first++);
    switch (nSBCode) {
    case SB_LINEUP:
        m_verticalPos -= CachedHeight(std::max(first - 1, 0));
        break;
    case SB_LINEDOWN:
        if (first < m_rowCount && totalHeight - firstTop > listHeight)
            m_verticalPos += CachedHeight(first);
        break;
    case SB_PAGEUP:
        m_verticalPos -= listHeight;
        break;
    case SB_PAGEDOWN:
        m_verticalPos += std::max(std::min(listHeight, totalHeight - m_verticalPos - listHeight), 0);
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
        SCROLLINFO info{sizeof(SCROLLINFO), SIF_TRACKPOS, 0, 0, 0, 0, 0};
        m_verticalBar.GetScrollInfo(&info, SIF_TRACKPOS);
        m_verticalPos = info.nTrackPos;
        break;
    }
    default:
        return;
    }
    m_verticalPos = std::max(m_verticalPos, 0);
    Invalidate(FALSE);
    UpdateHeaderAndScrollBars();
}

void CMultilineList::OnHScroll(UINT nSBCode, UINT, CScrollBar *)
{
    const int listWidth = GetListRect().Width();
    const int remaining = TotalWidth() - m_horizontalPos - listWidth;
    switch (nSBCode) {
    case SB_LINELEFT:
        m_horizontalPos -= kLineStep;
        break;
    case SB_LINERIGHT:
        if (remaining > 0)
            m_horizontalPos += kLineStep;
        break;
    case SB_PAGELEFT:
        m_horizontalPos -= listWidth;
        break;
    case SB_PAGERIGHT:
        m_horizontalPos += std::max(std::min(listWidth, remaining), 0);
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
        SCROLLINFO info{sizeof(SCROLLINFO), SIF_TRACKPOS, 0, 0, 0, 0, 0};
        m_horizontalBar.GetScrollInfo(&info, SIF_TRACKPOS);
        m_horizontalPos = info.nTrackPos;
        break;
    }
    default:
        return;
    }
    m_horizontalPos = std::max(m_horizontalPos, 0);
    Invalidate(FALSE);
    UpdateHeaderAndScrollBars();
}

BOOL CMultilineList::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    if (zDelta > 0)
        OnVScroll(SB_LINEUP, 0, nullptr);
    else if (zDelta < 0)
        OnVScroll(SB_LINEDOWN, 0, nullptr);
    return CWnd::OnMouseWheel(nFlags, zDelta, pt);
}

void CMultilineList::TakeTrackedWidth(NMHDR *pNMHDR)
{
    // The A and W forms differ only in the item's text pointer, which is not read here.
    const NMHEADERW *header = reinterpret_cast<const NMHEADERW *>(pNMHDR);
    if (header->pitem == nullptr || (header->pitem->mask & HDI_WIDTH) == 0 || header->iItem < 0)
        return;
    m_columns[header->iItem].width = header->pitem->cxy;
}

void CMultilineList::OnHeaderTrack(NMHDR *pNMHDR, LRESULT *pResult)
{
    TakeTrackedWidth(pNMHDR);
    *pResult = 0;
    Invalidate(FALSE);
    UpdateHeaderAndScrollBars();
}

void CMultilineList::OnHeaderEndTrack(NMHDR *pNMHDR, LRESULT *pResult)
{
    TakeTrackedWidth(pNMHDR);
    *pResult = 0;
    m_rowHeights.clear();
    RecalcRowHeights();
    Invalidate(FALSE);
    UpdateHeaderAndScrollBars();
}

void CMultilineList::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    LayoutChildren();
    UpdateHeaderAndScrollBars();
}

void CMultilineList::OnDestroy()
{
    m_header = nullptr;
    CWnd::OnDestroy();
}
