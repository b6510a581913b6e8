// CGridCellTextDlg: the multi-line text dialog of a grid cell.
#include "controls/grid/grid_cell_text_dlg.h"

#include "framework/ui/controls.h"
#include "framework/ui/ddx.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CGridCellTextDlg, CDialog)
    ON_EN_MAXTEXT(IDC_GRID_CELL_TEXT, OnMaxTextEdit)
END_MESSAGE_MAP()

namespace {

// Where the dialog goes relative to the cell's corner: below the cell, a little to the right.
const int kOffsetX = 8;
const int kOffsetY = 62;
const int kScreenMargin = 4;

} // namespace

CGridCellTextDlg::CGridCellTextDlg(CWnd *pParent) : CDialog(IDD, pParent) {}

void CGridCellTextDlg::DoDataExchange(CDataExchange *pDX)
{
    DDX_Text(pDX, IDC_GRID_CELL_TEXT, m_strText);
}

BOOL CGridCellTextDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    if (m_ptCell.x > 0 && m_ptCell.y > 0) {
        CPoint corner(m_ptCell.x + kOffsetX, m_ptCell.y + kOffsetY);
        // The corner is in the grid's client pixels.
        if (m_pParentWnd != nullptr && m_pParentWnd->GetSafeHwnd() != nullptr)
            m_pParentWnd->ClientToScreen(&corner);
        CRect rect;
        GetWindowRect(&rect);
        const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
        const int left = std::min((int)corner.x, screenWidth - kScreenMargin - rect.Width());
        SetWindowPos(nullptr, left, corner.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    if (!m_strTitle.IsEmpty()) {
        CString title = m_strTitle;
        title.Replace('\n', ' ');
        title.Replace('\r', ' ');
        while (title.Replace("  ", " ") > 0) {}
        SetWindowText(title);
    }

    CEdit *edit = static_cast<CEdit *>(GetDlgItem(IDC_GRID_CELL_TEXT));
    const int length = edit->GetWindowTextLength();
    edit->SetSel(length, length);
    if (m_nFirstChar >= 65 && m_nFirstChar <= 122) {
        const char typed[2] = {(char)m_nFirstChar, 0};
        edit->ReplaceSel(typed);
    }

    int lines = 1;
    for (int i = 0; i < m_strText.GetLength(); ++i)
        if (m_strText[i] == '\n')
            ++lines;
    if (lines > LINES_SHOWN)
        Grow((lines - LINES_SHOWN) * LINE_GROWTH);

    edit->SetFocus();
    return FALSE;
}

void CGridCellTextDlg::Grow(int nPixels)
{
    CRect rect;
    GetWindowRect(&rect);
    SetWindowPos(nullptr, 0, 0, rect.Width(), rect.Height() + nPixels, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    CWnd *edit = GetDlgItem(IDC_GRID_CELL_TEXT);
    edit->GetWindowRect(&rect);
    edit->SetWindowPos(nullptr, 0, 0, rect.Width(), rect.Height() + nPixels,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    CWnd *ok = GetDlgItem(IDOK);
    ok->GetWindowRect(&rect);
    ScreenToClient(&rect);
    ok->SetWindowPos(nullptr, rect.left, rect.top + nPixels, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CGridCellTextDlg::OnMaxTextEdit()
{
    Grow(LINE_GROWTH);
}
