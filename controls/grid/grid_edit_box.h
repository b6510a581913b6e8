#pragma once
// CGridEditBox: the one-line edit laid over a cell while it is edited. It ends when it loses the
// focus and reports the text and the key that ended it to the grid's parent, which reflects the
// report to the grid; then it destroys and deletes itself.

#include "framework/ui/controls.h"

class CGridCtrl;

class CGridEditBox : public CEdit {
public:
    enum { IDC_GRID_EDITBOX = 8 };

    // Made with new; nFirstChar is VK_LBUTTON for a click, VK_RETURN, VK_BACK, a navigation key
    // or the typed character that replaces the text.
    CGridEditBox(CGridCtrl *pGrid, const CRect &rect, DWORD dwAlignment, int nRow, int nColumn,
                 const CString &sInitText, UINT nFirstChar);

protected:
    void OnKillFocus(CWnd *pNewWnd);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
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
    UINT m_nLastChar = 0;
    BOOL m_bExitOnArrows;
    UINT m_nKeyDown = 0; // the last key pressed while the box had the focus
    bool m_bEnded = false;
};
