#pragma once
// CGridCellTextDlg: the multi-line text of one cell, edited in a modal dialog placed at the cell.

#include "framework/ui/dialog.h"
#include "res/grid_ids.h"

class CGridCellTextDlg : public CDialog {
public:
    enum { IDD = IDD_GRID_CELL_TEXT };

    explicit CGridCellTextDlg(CWnd *pParent = nullptr);

    CString m_strText;
    CString m_strTitle;
    // The cell's top-left corner in the parent's client pixels; (0, 0) leaves the dialog centred.
    CPoint m_ptCell;
    UINT m_nFirstChar = 0;

    // Pixels the dialog grows by for each line beyond the sixth.
    enum { LINE_GROWTH = 12, LINES_SHOWN = 6 };

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange *pDX) override;
    void OnMaxTextEdit();
    DECLARE_MESSAGE_MAP()

private:
    void Grow(int nPixels);
};
