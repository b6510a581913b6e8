#pragma once
// CGridListBox: the drop-down list laid under a cell while it is edited; the grid's owner adds
// its items through CGridCtrl::FillListItems. It ends when it loses the focus and reports the
// chosen item's text and data (or the old text when nothing is chosen).

#include "framework/ui/controls.h"

class CGridCtrl;

class CGridListBox : public CListBox {
public:
    enum { IDC_GRID_LISTBOX = 7, VISIBLE_ITEMS = 5 };

    CGridListBox(CGridCtrl *pGrid, const CRect &rect, int nRow, int nColumn, const CString &sInitText, UINT nFirstChar);

protected:
    void OnKillFocus(CWnd *pNewWnd);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnLButtonUp(UINT nFlags, CPoint point);
    UINT OnGetDlgCode();
    void PostNcDestroy() override;
    DECLARE_MESSAGE_MAP()

private:
    void EndWithKey(UINT nKey);
    void EndEdit();

    CGridCtrl *m_pGrid;
    int m_nRow;
    int m_nColumn;
    CString m_sInitText;
    BYTE m_nLastChar = 0;
    UINT m_nKeyDown = 0;
    bool m_bEnded = false;
};

// Sends the end-of-edit report of an in-place editor to the grid's parent.
void SendGridEndEdit(CGridCtrl *pGrid, UINT nEditorId, int nRow, int nColumn, const CString &text, LPARAM lParam);
