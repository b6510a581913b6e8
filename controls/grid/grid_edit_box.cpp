// CGridEditBox: the in-place one-line edit of a grid cell.
#include "controls/grid/grid_edit_box.h"

#include "controls/grid/grid_ctrl.h"
#include "controls/grid/grid_list_box.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CGridEditBox, CEdit)
    ON_WM_KILLFOCUS()
    ON_WM_KEYDOWN()
    ON_WM_KEYUP()
    ON_WM_CHAR()
    ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

namespace {

bool CtrlHeld()
{
    return (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
}

bool IsNavigationKey(UINT nChar)
{
    return nChar >= VK_PRIOR && nChar <= VK_DOWN;
}

} // namespace

CGridEditBox::CGridEditBox(CGridCtrl *pGrid, const CRect &rect, DWORD dwAlignment, int nRow, int nColumn,
                           const CString &sInitText, UINT nFirstChar)
    : m_pGrid(pGrid), m_nRow(nRow), m_nColumn(nColumn), m_sInitText(sInitText),
      m_bExitOnArrows(nFirstChar != VK_LBUTTON)
{
    const DWORD style = dwAlignment | WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE | ES_AUTOHSCROLL;
    // A failed creation may have deleted the box already (PostNcDestroy): touch nothing.
    if (!Create(style, rect, pGrid, IDC_GRID_EDITBOX))
        return;
    SetFont(CFont::FromHandle((HFONT)pGrid->SendMessage(WM_GETFONT)));
    SetWindowText(sInitText);
    SetFocus();

    const int end = GetWindowTextLength();
    switch (nFirstChar) {
    case VK_LBUTTON:
    case VK_RETURN:
        SetSel(end, end);
        break;
    case VK_BACK:
        SetSel(end, end);
        SendMessage(WM_CHAR, VK_BACK, 1);
        break;
    default:
        SetSel(0, -1);
        if (!IsNavigationKey(nFirstChar))
            SendMessage(WM_CHAR, nFirstChar, 1);
        break;
    }
}

void CGridEditBox::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    m_nKeyDown = nChar;
    if (IsNavigationKey(nChar) && (m_bExitOnArrows || CtrlHeld())) {
        EndWithKey(nChar);
        return;
    }
    if (nChar == VK_ESCAPE) {
        SetWindowText(m_sInitText);
        EndWithKey(nChar);
        return;
    }
    CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CGridEditBox::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // The release of the Enter that opened the box is not an answer.
    if ((nChar == VK_TAB || nChar == VK_RETURN || nChar == VK_ESCAPE) && nChar == m_nKeyDown) {
        EndWithKey(nChar);
        return;
    }
    CEdit::OnKeyUp(nChar, nRepCnt, nFlags);
}

void CGridEditBox::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // One line: Enter, Tab and Escape end the edit on their release and add nothing.
    if (nChar == VK_RETURN || nChar == '\n' || nChar == VK_TAB || nChar == VK_ESCAPE)
        return;
    CEdit::OnChar(nChar, nRepCnt, nFlags);

    // Grow to the text, up to the grid's right edge.
    CString text;
    GetWindowText(text);
    CClientDC dc(this);
    CFont *old = dc.SelectObject(GetFont());
    const int wanted = dc.GetTextExtent(text).cx + 5;
    dc.SelectObject(old);
    CRect rect;
    GetWindowRect(&rect);
    m_pGrid->ScreenToClient(&rect);
    if (rect.Width() >= wanted)
        return;
    CRect gridClient;
    m_pGrid->GetClientRect(&gridClient);
    rect.right = std::min((int)rect.left + wanted, (int)gridClient.right);
    MoveWindow(&rect);
}

UINT CGridEditBox::OnGetDlgCode()
{
    return DLGC_WANTALLKEYS;
}

void CGridEditBox::EndWithKey(UINT nKey)
{
    m_nLastChar = nKey;
    m_pGrid->SetFocus();
}

void CGridEditBox::OnKillFocus(CWnd *pNewWnd)
{
    CEdit::OnKillFocus(pNewWnd);
    EndEdit();
}

void CGridEditBox::EndEdit()
{
    if (m_bEnded)
        return;
    m_bEnded = true;
    CString text;
    GetWindowText(text);
    ShowWindow(SW_HIDE);
    SendGridEndEdit(m_pGrid, IDC_GRID_EDITBOX, m_nRow, m_nColumn, text, (LPARAM)m_nLastChar);
    PostMessage(WM_CLOSE);
}

void CGridEditBox::PostNcDestroy()
{
    delete this;
}
