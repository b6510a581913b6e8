// A read-only table whose cells wrap their text, so that each row is as tall as its tallest
// cell. It is the window class "CMultilineList", placed on a dialog as a custom control and
// attached with DDX_Control; a click selects one row and tells the parent through WM_COMMAND
// (notification code 1, the list's handle as lParam).
#pragma once

#include <map>
#include <utility>

#include "framework/ui/controls.h"
#include "framework/ui/gdi.h"
#include "framework/ui/wnd.h"

class CMultilineList : public CWnd {
public:
    static constexpr int kHeaderId = 101;
    static constexpr int kVerticalBarId = 102;
    static constexpr int kHorizontalBarId = 103;

    // Registers the window class when it is missing; a failure throws CResourceException.
    CMultilineList();
    ~CMultilineList() override;

    void SetSize(int columns, int rows);
    int GetColumnCount() const { return m_columnCount; }
    int GetRowCount() const { return m_rowCount; }
    void SetColumnHeading(int column, const CString &text);
    void SetColumnWidth(int column, int width);
    int GetColumnWidth(int column) const;
    void SetCellText(int column, int row, const CString &text);
    // " " for a cell never set.
    CString GetCellText(int column, int row) const;

    int GetSelectedRow() const { return m_selectedRow; }
    int GetVerticalPosition() const { return m_verticalPos; }
    int GetHorizontalPosition() const { return m_horizontalPos; }
    // The measured height of a row in pixels, 0 outside the list.
    int GetRowHeight(int row);
    // The client area less the header and the visible scroll bars.
    CRect GetListRect() const;
    // The row under a point of the client area, -1 for none.
    int HitTestRow(CPoint point);
    void EnsureRowVisible(int row);

protected:
    void PreSubclassWindow() override;

    void OnPaint();
    BOOL OnEraseBkgnd(CDC *pDC);
    void OnSize(UINT nType, int cx, int cy);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar *pScrollBar);
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar *pScrollBar);
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    void OnHeaderTrack(NMHDR *pNMHDR, LRESULT *pResult);
    void OnHeaderEndTrack(NMHDR *pNMHDR, LRESULT *pResult);
    void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    struct Column {
        int width = 100;
        CString heading = " ";
    };

    void LayoutChildren();
    void RecalcRowHeights();
    int MeasureRow(int row);
    void UpdateHeaderAndScrollBars();
    void SyncHeaderItems();
    void SetBar(CScrollBar &bar, bool needed, int total, int page, int &position, SCROLLINFO &last);
    void PrepareSurface();
    void DrawList(CDC &dc, const CRect &list);
    int HeaderHeight() const;
    int TotalHeight() const;
    int TotalWidth() const;
    int RowTop(int row) const;
    int CachedHeight(int row) const;
    void TakeTrackedWidth(NMHDR *pNMHDR);

    int m_selectedRow = -1;
    int m_verticalPos = 0;
    int m_horizontalPos = 0;
    int m_columnCount = 0;
    int m_rowCount = 0;
    std::map<int, Column> m_columns;
    std::map<std::pair<int, int>, CString> m_cells; // (column, row)
    std::map<int, int> m_rowHeights;                // forgotten when they may be stale

    CDC m_memDC;
    CBitmap m_memBitmap;
    HGDIOBJ m_oldMemBitmap = nullptr;
    CSize m_memSize;
    HWND m_header = nullptr;
    CScrollBar m_verticalBar;
    CScrollBar m_horizontalBar;
    SCROLLINFO m_lastVertical{};
    SCROLLINFO m_lastHorizontal{};
    CPen m_pen;
    COLORREF m_penColor = 0;
    CFont m_font;
    CFont m_boldFont;
};
