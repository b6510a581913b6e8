#pragma once
// CGridCtrl: a rectangle of text cells with heading rows and columns that never scroll,
// per-row heights and per-column widths and edit types, cell selection, sorting by a heading
// click in list mode and in-place editing. A window of class "MorvGridCtrl": a dialog holds it
// as a custom control subclassed with SubclassDlgItem, code makes it with Create.
//
// Indices count the fixed rows and columns too. A row or column index outside the grid is
// refused with FALSE, 0, -1 or "" and never used.
//
// Shaped by the owner, typically: InsertColumn per column, SetFixedRowCount(1), InsertRow per
// data row, SetItemText, SetColumnEditType, SetRowHeight(row, GetTextRowHeight(text)), AutoSize.
// An edit that ends stores the text with OnEndEditCell; the parent must be a window object of
// ours, because the editors' end notification reaches the grid by reflection.

#include "controls/grid/grid_data_source.h"
#include "controls/grid/grid_drop_sink.h"
#include "controls/grid/grid_types.h"
#include "framework/ui/commctrls.h"
#include "framework/ui/controls.h"
#include "framework/ui/gdi.h"
#include "framework/ui/wnd.h"

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#define GRIDCTRL_CLASSNAME "MorvGridCtrl"

class CPrintInfo;

class CGridCtrl : public CWnd {
    DECLARE_DYNCREATE(CGridCtrl)

public:
    enum { IDT_AUTOSCROLL = 513, WM_GRID_FILLLIST = WM_USER + 1000 };

    // Mouse modes.
    enum {
        MOUSE_NOTHING = 0,
        MOUSE_SELECT_ALL = 1,
        MOUSE_SELECT_COL = 2,
        MOUSE_SELECT_ROW = 3,
        MOUSE_SELECT_CELLS = 4,
        MOUSE_OVER_ROW_DIVIDE = 6,
        MOUSE_SIZING_ROW = 7,
        MOUSE_OVER_COL_DIVIDE = 8,
        MOUSE_SIZING_COL = 9,
        MOUSE_PREPARE_EDIT = 10,
        MOUSE_PREPARE_DRAG = 11,
        MOUSE_DRAGGING = 12,
    };

    explicit CGridCtrl(int nRows = 0, int nCols = 0, int nFixedRows = 0, int nFixedCols = 0);
    ~CGridCtrl() override;

    BOOL Create(const RECT &rect, CWnd *pParentWnd, UINT nID,
                DWORD dwStyle = WS_CHILD | WS_BORDER | WS_TABSTOP | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL);
    // Registers the window class once in this module; throws a resource exception on failure.
    static void RegisterWindowClass();

    // ---- Colours (stored; the owner redraws) --------------------------------------------------
    void SetTextColor(COLORREF clr) { m_crTextColour = clr; }
    COLORREF GetTextColor() const { return m_crTextColour; }
    void SetBkColor(COLORREF clr) { m_crBkColour = clr; }
    COLORREF GetBkColor() const { return m_crBkColour; }
    // The client area right of the last column and below the last row.
    void SetGridColor(COLORREF clr) { m_crGridColour = clr; }
    COLORREF GetGridColor() const { return m_crGridColour; }
    void SetFixedTextColor(COLORREF clr) { m_crFixedTextColour = clr; }
    COLORREF GetFixedTextColor() const { return m_crFixedTextColour; }
    void SetFixedBkColor(COLORREF clr) { m_crFixedBkColour = clr; }
    COLORREF GetFixedBkColor() const { return m_crFixedBkColour; }
    // GVL_NONE, GVL_HORZ, GVL_VERT or GVL_BOTH.
    void SetGridLines(int nWhichLines) { m_nGridLines = nWhichLines; }
    int GetGridLines() const { return m_nGridLines; }

    // ---- Flags ---------------------------------------------------------------------------------
    void SetEditable(BOOL bEditable = TRUE) { m_bEditable = bEditable; }
    BOOL IsEditable() const { return m_bEditable; }
    void SetImageList(CImageList *pList) { m_pImageList = pList; }
    CImageList *GetImageList() const { return m_pImageList; }
    // In list mode a click in a heading row sorts by that column instead of selecting.
    void SetListMode(BOOL bEnableListMode = TRUE) { m_bListMode = bEnableListMode; }
    BOOL GetListMode() const { return m_bListMode; }
    void SetDragAndDrop(BOOL bAllow = TRUE) { m_bAllowDragAndDrop = bAllow; }
    BOOL GetDragAndDrop() const { return m_bAllowDragAndDrop; }
    void SetRowResize(BOOL bResize = TRUE) { m_bAllowRowResize = bResize; }
    BOOL GetRowResize() const { return m_bAllowRowResize; }
    void SetColumnResize(BOOL bResize = TRUE) { m_bAllowColumnResize = bResize; }
    BOOL GetColumnResize() const { return m_bAllowColumnResize; }
    int GetMouseMode() const { return m_MouseMode; }
    int GetWheelScrollLines() const { return m_nWheelScrollLines; }

    // ---- Shape ---------------------------------------------------------------------------------
    int GetRowCount() const { return m_nRows; }
    int GetColumnCount() const { return m_nCols; }
    int GetFixedRowCount() const { return m_nFixedRows; }
    int GetFixedColumnCount() const { return m_nFixedCols; }
    BOOL SetRowCount(int nRows);
    BOOL SetColumnCount(int nCols);
    BOOL SetFixedRowCount(int nFixedRows);
    BOOL SetFixedColumnCount(int nFixedCols);
    // nColumn -1 appends; returns the new column's index or -1.
    int InsertColumn(LPCTSTR strHeading, UINT nFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE, int nColumn = -1,
                     int nEditType = GVET_NONE);
    // nRow -1 appends; returns the new row's index or -1.
    int InsertRow(LPCTSTR strHeading, int nRow = -1);
    BOOL DeleteColumn(int nColumn);
    BOOL DeleteRow(int nRow);

    BOOL IsValid(int nRow, int nCol) const;
    BOOL IsValid(const CGridCellPos &cell) const { return IsValid(cell.row, cell.col); }
    BOOL IsValid(const CGridCellRange &range) const;

    // ---- Cells ---------------------------------------------------------------------------------
    CGridCellObj *GetCell(int nRow, int nCol) const;
    BOOL SetItem(const CGridItem *pItem);
    BOOL GetItem(CGridItem *pItem);
    BOOL SetItemText(int nRow, int nCol, LPCTSTR str);
    virtual CString GetItemText(int nRow, int nCol);
    BOOL SetItemData(int nRow, int nCol, LPARAM lParam);
    LPARAM GetItemData(int nRow, int nCol) const;
    BOOL SetItemImage(int nRow, int nCol, int iImage);
    int GetItemImage(int nRow, int nCol) const;
    BOOL SetItemState(int nRow, int nCol, UINT state);
    UINT GetItemState(int nRow, int nCol) const;
    BOOL SetItemFormat(int nRow, int nCol, UINT nFormat);
    UINT GetItemFormat(int nRow, int nCol) const;

    // ---- Sizes ---------------------------------------------------------------------------------
    BOOL SetRowHeight(int nRow, int height);
    BOOL SetColumnWidth(int nCol, int width);
    int GetRowHeight(int nRow) const;
    int GetColumnWidth(int nCol) const;
    BOOL SetColumnEditType(int nCol, int nEditType);
    int GetColumnEditType(int nCol) const;
    int GetFixedRowHeight() const;
    int GetFixedColumnWidth() const;
    long GetVirtualWidth() const;
    long GetVirtualHeight() const;
    int GetDefaultRowHeight() const { return m_nDefCellHeight; }
    int GetDefaultColumnWidth() const { return m_nDefCellWidth; }
    int GetCellMargin() const { return m_nMargin; }
    BOOL AutoSizeColumn(int nCol);
    BOOL AutoSizeRow(int nRow);
    void AutoSize();
    // Fixed pixels for a text of n lines: n * 13 + 7, whatever the font.
    static int GetTextRowHeight(const CString &text);

    // ---- Geometry and drawing --------------------------------------------------------------
    CGridCellPos GetFirstVisibleCell() const;
    CGridCellRange GetVisibleRange(CRect *pRect = nullptr) const;
    CGridCellRange GetFullyVisibleRange() const;
    BOOL GetCellOrigin(int nRow, int nCol, LPPOINT p) const;
    BOOL GetCellRect(int nRow, int nCol, LPRECT pRect) const;
    CGridCellPos GetCellFromPt(CPoint point, BOOL bAllowFixedCellCheck = TRUE) const;
    BOOL IsCellOnScreen(int nRow, int nCol) const;
    virtual CSize GetCellExtent(int nRow, int nCol, CDC *pDC);
    BOOL RedrawCell(int nRow, int nCol, CDC *pDC = nullptr);
    // Invalidates the cell (and its right and bottom line) when it is shown.
    void InvalidateCell(int nRow, int nCol);
    void ResetScrollBars();
    int GetScrollPos32(int nBar) const;
    BOOL SetScrollPos32(int nBar, int nPos, BOOL bRedraw = TRUE);
    int GetScrollMax(int nBar) const { return nBar == SB_HORZ ? m_nHScrollMax : m_nVScrollMax; }

    virtual void OnDraw(CDC *pDC);
    virtual BOOL DrawFixedCell(CDC *pDC, int nRow, int nCol, CRect rect, BOOL bEraseBk = FALSE);
    virtual BOOL DrawCell(CDC *pDC, int nRow, int nCol, CRect rect, BOOL bEraseBk = FALSE);

    // ---- Focus, selection, sorting ---------------------------------------------------------
    CGridCellPos GetFocusCell() const { return m_idCurrentCell; }
    // A cell outside the grid counts as no cell; returns the previous focus.
    CGridCellPos SetFocusCell(int nRow, int nCol);
    CGridCellPos SetFocusCell(CGridCellPos cell) { return SetFocusCell(cell.row, cell.col); }
    void SetSelectedRange(int nMinRow, int nMinCol, int nMaxRow, int nMaxCol, BOOL bForceRepaint = FALSE);
    void ClearSelection();
    CGridCellRange GetSelectedCellRange() const;
    int GetSelectedCount() const { return (int)m_SelectedCellMap.size(); }
    BOOL IsCellSelected(int nRow, int nCol) const;
    int GetSortColumn() const { return m_SortColumn; }
    BOOL GetSortAscending() const { return m_bAscending; }
    void SortByColumn(int nCol, BOOL bAscending);
    // Rows nLow..nHigh (-1: the last row) by the column's text, byte by byte; not stable.
    BOOL SortTextItems(int nCol, BOOL bAscending, int nLow = 0, int nHigh = -1);

    // ---- Editing -----------------------------------------------------------------------------
    // nChar: VK_LBUTTON for a click, a navigation key after an edit, or the typed character.
    virtual void OnEditCell(int nRow, int nCol, UINT nChar);
    virtual void OnEndEditCell(int nRow, int nCol, CString str);
    // Adds the choices of the column's in-place list box; the grid itself has none.
    virtual void FillListItems(int nCol, CListBox *pListBox);

    // ---- Clipboard and drag-and-drop ---------------------------------------------------------
    // The selection's text: the rows of its bounding range joined by "\r\n", the cells of a
    // row by "\t"; a cell inside the range but not selected gives an empty field.
    CString GetSelectedText();
    // Empties the selected cells (so they are no longer selected).
    virtual void CutSelectedText();
    // A new data object with the selection's text, or null when nothing is selected; the
    // caller releases it.
    virtual CGridDataSource *CopyTextFromGrid();
    // Writes the data's text from the cell on: a line per row, a field per column, fields
    // separated by tabs; an empty field leaves its cell as it is and cells outside the grid
    // are skipped. FALSE when the data has no text or the cell is not a body cell.
    virtual BOOL PasteTextToGrid(int nRow, int nCol, IDataObject *pDataObject);
    // Writes the text as PasteTextToGrid does; FALSE when the cell is not a body cell.
    BOOL PasteText(int nRow, int nCol, const CString &text);
    virtual void OnEditCut();
    virtual void OnEditCopy();
    virtual void OnEditPaste();

    // The drop side, in client coordinates; called by the grid's drop target.
    DWORD OnDragEnter(IDataObject *pDataObject, DWORD dwKeyState, CPoint point);
    DWORD OnDragOver(IDataObject *pDataObject, DWORD dwKeyState, CPoint point);
    void OnDragLeave();
    BOOL OnDrop(IDataObject *pDataObject, DWORD dropEffect, CPoint point);
    CGridCellPos GetDropHighlightCell() const { return m_idDropCell; }
    BOOL IsDropTargetRegistered() const { return m_DropTarget.IsRegistered(); }
    // The focus cell as drawn, masked with the background colour; the hot spot is its
    // bottom-right corner. Null without a focus cell; the caller deletes the list.
    virtual CImageList *CreateDragImage(CPoint *pHotSpot);

    // ---- Printing ------------------------------------------------------------------------------
    // The whole grid on the printer the user picks: headings on every page under a header,
    // the body rows that fit, and a footer with the page number and the date.
    void Print();
    virtual void OnBeginPrinting(CDC *pDC, CPrintInfo *pInfo);
    virtual void OnPrint(CDC *pDC, CPrintInfo *pInfo);
    virtual void OnEndPrinting(CDC *pDC, CPrintInfo *pInfo);
    // The page count of the last OnBeginPrinting; 0 when it printed nothing.
    int GetPrintPageCount() const { return m_nPrintPages; }

protected:
    virtual void PrintColumnHeadings(CDC *pDC, CPrintInfo *pInfo);
    virtual void PrintHeader(CDC *pDC, CPrintInfo *pInfo);
    virtual void PrintFooter(CDC *pDC, CPrintInfo *pInfo);
    virtual void OnFixedColumnClick(CGridCellPos &cell);
    virtual void OnFixedRowClick(CGridCellPos &cell);
    // Called for every cell before it is deleted: leaves the selection and empties the text.
    virtual void EmptyCell(CGridCellObj *pCell, int nRow, int nCol);

    void PreSubclassWindow() override;

    // Messages
    void OnPaint();
    BOOL OnEraseBkgnd(CDC *pDC);
    void OnSize(UINT nType, int cx, int cy);
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar *pScrollBar);
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar *pScrollBar);
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnTimer(UINT_PTR nIDEvent);
    void OnCaptureChanged(CWnd *pWnd);
    BOOL OnSetCursor(CWnd *pWnd, UINT nHitTest, UINT message);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    UINT OnGetDlgCode();
    LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    void OnSysColorChange();
    LRESULT OnFillList(WPARAM wParam, LPARAM lParam);
    void OnEndInPlaceEdit(NMHDR *pNMHDR, LRESULT *pResult);
    void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    // Shape helpers
    CGridCellObj *CellAt(int nRow, int nCol) const { return m_RowData[nRow]->cells[nCol].get(); }
    void DeleteAllCells();
    void ClearFocus();
    // The selection map holds the cells whose state says selected; after rows or columns move
    // it is read again from the cells.
    void RebuildSelectionMap();
    static uint64_t SelectionKey(int nRow, int nCol) { return ((uint64_t)(uint32_t)nCol << 32) | (uint32_t)nRow; }
    void ApplyFont(HFONT hFont);
    void ResetColoursFromSystem();
    static int ReadWheelScrollLines();

    // Drawing helpers
    void FillBackground(CDC *pDC, const CRect &clip, const CRect &visible);
    void DrawCellText(CDC *pDC, const CGridItem &item, CRect rect);
    // Redraws the heading cells of a row (fixed columns) or a column (fixed rows).
    void RedrawHeadingsOf(int nRow, int nCol);

    // Scrolling helpers
    void ScrollBy(int nBar, UINT nSBCode, UINT nPos);
    CRect NonFixedArea() const;

    // Mouse and keyboard helpers
    // Moves the focus cell as a navigation key does; FALSE for any other key.
    BOOL MoveFocusByKey(UINT nChar);
    void ExtendSelection(const CGridCellPos &cell);
    void TrackSelection(const CGridCellPos &cell);
    void InvertBand(const CPoint &point, BOOL bColumn);
    int DividerIndexAt(const CPoint &point, BOOL bColumn) const;
    void ConfineCursorFrom(int nEdge, BOOL bColumn);
    void StartTextDialog(int nRow, int nCol, const CRect &rect, UINT nChar);

    // Clipboard and drag-and-drop helpers
    // FALSE when nothing is selected or the clipboard refused the text.
    BOOL CopyToClipboard();
    void OnBeginDrag();
    void SetDropHighlight(const CGridCellPos &cell);

    // Printing helpers
    // The first body row of each page: a page takes rows while their heights fit the body
    // height, and always at least one, so a row taller than a page gets a page of its own.
    std::vector<int> PageFirstRows() const;
    // The cell's bottom and right lines (and the top and left ones of the first row and column)
    // as the grid-line mode asks, with the DC's pen.
    void PrintCellLines(CDC *pDC, const CRect &rect, BOOL bFirstRow, BOOL bFirstCol);

    // Colours and their system origins
    COLORREF m_crTextColour;
    COLORREF m_crBkColour;
    COLORREF m_crGridColour;
    COLORREF m_crFixedTextColour;
    COLORREF m_crFixedBkColour;
    COLORREF m_crWindowText;
    COLORREF m_crWindowColour;
    COLORREF m_cr3DFace;
    COLORREF m_crShadow;

    int m_nGridLines = GVL_BOTH;
    BOOL m_bEditable = TRUE;
    BOOL m_bAllowDragAndDrop = FALSE;
    BOOL m_bListMode = FALSE;

    int m_nRows = 0;
    int m_nFixedRows = 0;
    int m_nCols = 0;
    int m_nFixedCols = 0;
    std::vector<UINT> m_arRowHeights;
    std::vector<UINT> m_arColWidths;
    std::vector<UINT> m_arColEditTypes;

    int m_nMargin = 0;
    int m_nDefCellWidth = 0;
    int m_nDefCellHeight = 30;
    int m_nVScrollMax = 0;
    int m_nHScrollMax = 0;

    CFont m_Font;
    CImageList *m_pImageList = nullptr;
    std::vector<std::unique_ptr<CGridRowArray>> m_RowData;

    int m_MouseMode = MOUSE_NOTHING;
    CPoint m_LeftClickDownPoint;
    CPoint m_LastMousePoint;
    CGridCellPos m_LeftClickDownCell;
    CGridCellPos m_SelectionStartCell;
    CGridCellPos m_idCurrentCell;
    UINT_PTR m_nTimerID = 0;
    int m_nTimerInterval = 25;
    BOOL m_bAllowRowResize = TRUE;
    BOOL m_bAllowColumnResize = TRUE;
    int m_nWheelScrollLines = 3;
    // Resizing: the row or column being sized.
    int m_nResizeIndex = -1;

    std::unordered_map<uint64_t, CGridCellPos> m_SelectedCellMap;
    std::unordered_map<uint64_t, CGridCellPos> m_PrevSelectedCellMap;

    BOOL m_bAscending = TRUE;
    int m_SortColumn = -1;

    // Drag-and-drop
    CGridCellPos m_idDropCell;
    CGridDropSink m_DropTarget;
    // While this grid's own drag runs; a move within it empties its source cells before the
    // drop writes, and says so.
    BOOL m_bOwnDrag = FALSE;
    BOOL m_bDragSourceCut = FALSE;

    // Printing: the print font and the page metrics, in the grid's logical units.
    CFont m_PrinterFont;
    CSize m_CharSize;
    CSize m_LogicalPageSize;
    CSize m_PaperSize;
    int m_nPageBodyHeight = 0;
    int m_nPrintPages = 0;
};
