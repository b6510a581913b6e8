// CGridListBox: the in-place choice list of a grid cell.
#include "controls/grid/grid_list_box.h"

#include "controls/grid/grid_ctrl.h"

BEGIN_MESSAGE_MAP(CGridListBox, CListBox)
    ON_WM_KILLFOCUS()
    ON_WM_KEYDOWN()
    ON_WM_KEYUP()
    ON_WM_LBUTTONUP()
    ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

void SendGridEndEdit(CGridCtrl *pGrid, UINT nEditorId, int nRow, int nColumn, const CString &text, LPARAM lParam)
{
    // The grid may be going away with its dialog.
    if (pGrid == nullptr || !::IsWindow(pGrid->m_hWnd))
        return;
    CWnd *parent = pGrid->GetParent();
    if (parent == nullptr)
        return;
    CString buffer = text;
    LV_DISPINFOA info{};
    info.hdr.hwndFrom = pGrid->m_hWnd;
    info.hdr.idFrom = nEditorId;
    info.hdr.code = LVN_ENDLABELEDITA;
    info.item.mask = LVIF_TEXT | LVIF_PARAM;
    info.item.iItem = nRow;
    info.item.iSubItem = nColumn;
    info.item.pszText = buffer.GetBuffer();
    info.item.cchTextMax = buffer.GetLength();
    info.item.lParam = lParam;
    parent->SendMessage(WM_NOTIFY, pGrid->GetDlgCtrlID(), (LPARAM)&info);
    buffer.ReleaseBuffer();
}

CGridListBox::CGridListBox(CGridCtrl *pGrid, const CRect &rect, int nRow, int nColumn, const CString &sInitText,
                           UINT nFirstChar)
    : m_pGrid(pGrid), m_nRow(nRow), m_nColumn(nColumn), m_sInitText(sInitText)
{
    m_nLastChar = (BYTE)nFirstChar;
    const int cellHeight = rect.Height();
    CRect listRect = rect;
    listRect.bottom += VISIBLE_ITEMS * cellHeight + ::GetSystemMetrics(SM_CYHSCROLL);
    const DWORD style = WS_CHILD | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_SORT | LBS_HASSTRINGS;
    // A failed creation may have deleted the box already (PostNcDestroy): touch nothing.
    if (!Create(style, listRect, pGrid, IDC_GRID_LISTBOX))
        return;
    pGrid->SendMessage(CGridCtrl::WM_GRID_FILLLIST, nColumn, (LPARAM)this);

    MoveWindow(&listRect);
    SetFont(CFont::FromHandle((HFONT)pGrid->SendMessage(WM_GETFONT)));
    SetItemHeight(0, cellHeight);
    SetHorizontalExtent(0);
    SelectString(-1, sInitText);
    ShowWindow(SW_SHOW);
    SetFocus();
}

void CGridListBox::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    m_nKeyDown = nChar;
    if (nChar >= VK_PRIOR && nChar <= VK_DOWN && (::GetKeyState(VK_CONTROL) & 0x8000)) {
        EndWithKey(nChar);
        return;
    }
    if (nChar == VK_ESCAPE) {
        EndWithKey(nChar);
        return;
    }
    CListBox::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CGridListBox::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // Only a key pressed here answers; the release of the one that opened the list does not.
    if ((nChar == VK_ESCAPE || nChar == VK_TAB || nChar == VK_RETURN) && nChar == m_nKeyDown) {
        EndWithKey(nChar);
        return;
    }
    CListBox::OnKeyUp(nChar, nRepCnt, nFlags);
}

void CGridListBox::OnLButtonUp(UINT nFlags, CPoint point)
{
    CListBox::OnLButtonUp(nFlags, point);
    EndWithKey(VK_LBUTTON);
}

UINT CGridListBox::OnGetDlgCode()
{
    return DLGC_WANTALLKEYS;
}

void CGridListBox::EndWithKey(UINT nKey)
{
    m_nLastChar = (BYTE)nKey;
    m_pGrid->SetFocus();
}

void CGridListBox::OnKillFocus(CWnd *pNewWnd)
{
    CListBox::OnKillFocus(pNewWnd);
    EndEdit();
}

void CGridListBox::EndEdit()
{
    if (m_bEnded)
        return;
    m_bEnded = true;
    CString text = m_sInitText;
    LPARAM data = 0;
    const int selected = GetCurSel();
    if (selected != LB_ERR) {
        GetText(selected, text);
        data = (LPARAM)GetItemData(selected);
    }
    ShowWindow(SW_HIDE);
    SendGridEndEdit(m_pGrid, IDC_GRID_LISTBOX, m_nRow, m_nColumn, text, data);
    PostMessage(WM_CLOSE);
}

void CGridListBox::PostNcDestroy()
{
    delete this;
}
