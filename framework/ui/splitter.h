#pragma once
// CSplitterWnd: a static splitter, a grid of panes (views) with bars between them that the user
// drags. Column and row sizes are ideal sizes; a pane narrower than its minimum is folded away
// (its current size is 0) and the last column and row take what is left.
//
// Pane (row, col) has the control id AFX_IDW_PANE_FIRST + row * 16 + col. Commands and
// notifications that the panes send and do not take back themselves go on to the frame.

#include "framework/ui/frameids.h"
#include "framework/ui/wnd.h"

#include <vector>

struct CCreateContext;

class CSplitterWnd : public CWnd {
    DECLARE_DYNAMIC(CSplitterWnd)

public:
    CSplitterWnd() = default;

    BOOL CreateStatic(CWnd *pParentWnd, int nRows, int nCols, DWORD dwStyle = WS_CHILD | WS_VISIBLE,
                      UINT nID = AFX_IDW_PANE_FIRST);
    // Creates the view of pane (row, col) for pContext's document; sizeInit is its ideal size.
    virtual BOOL CreateView(int row, int col, CRuntimeClass *pViewClass, SIZE sizeInit, CCreateContext *pContext);

    int GetRowCount() const { return (int)m_rows.size(); }
    int GetColumnCount() const { return (int)m_cols.size(); }
    CWnd *GetPane(int row, int col) const;
    int IdFromRowCol(int row, int col) const { return AFX_IDW_PANE_FIRST + row * 16 + col; }
    void SetColumnInfo(int col, int cxIdeal, int cxMin);
    void GetColumnInfo(int col, int &cxCur, int &cxMin) const;
    void SetRowInfo(int row, int cyIdeal, int cyMin);
    void GetRowInfo(int row, int &cyCur, int &cyMin) const;
    // Puts the panes where the sizes say.
    virtual void RecalcLayout();
    CWnd *GetActivePane(int *pRow = nullptr, int *pCol = nullptr);
    void SetActivePane(int row, int col);

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT *pResult) override;

    void OnPaint();
    void OnSize(UINT nType, int cx, int cy);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    BOOL OnSetCursor(CWnd *pWnd, UINT nHitTest, UINT message);
    void OnCaptureChanged(CWnd *pWnd);

    DECLARE_MESSAGE_MAP()

public:
    int m_cxSplitter = 6; // width of a bar between panes
    int m_cySplitter = 6;

private:
    struct Track {
        int ideal = 0;
        int minimum = 0;
        int current = 0;
    };
    // The bar under a client point: column bars first (index >= 0), then row bars.
    bool HitBar(CPoint point, bool &vertical, int &index) const;
    static void Distribute(std::vector<Track> &tracks, int total, int bar);
    CRect BarRect(bool vertical, int index) const;

    std::vector<Track> m_rows;
    std::vector<Track> m_cols;
    bool m_bTracking = false;
    bool m_bTrackVertical = false; // a column bar
    int m_nTrackIndex = -1;
};
