#include "proceeding/dialogs/multi_task_layout_dlg.h"

#include "framework/ui/ddx.h"
#include "framework/ui/msgbox.h"

const char CMultiTaskLayoutDlg::kDeletedSuffix[] = " (usuniete)";

namespace {

const int kNumberColumn = 0;
const int kNameColumn = 1;
const int kNumberColumnWidth = 30;

CString RowNumber(int row)
{
    CString number;
    number.Format("%d", row + 1);
    return number;
}

} // namespace

CTaskNameDlg::CTaskNameDlg(CWnd *pParent) : CDialog(IDD, pParent) {}

void CTaskNameDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_TASK_NAME, m_strName);
    DDV_MaxChars(pDX, m_strName, kMaxNameLength);
}

void CTaskNameDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    if (m_strName.IsEmpty()) {
        AfxShowMessageBox(m_hWnd, "Nazwa nie może być pusta", "Błąd", MB_OK | MB_ICONERROR);
        return;
    }
    EndDialog(IDOK);
}

BEGIN_MESSAGE_MAP(CMultiTaskLayoutDlg, CDialog)
    ON_BN_CLICKED(IDC_ADD_TASK, OnAdd)
    ON_BN_CLICKED(IDC_EDIT_TASK, OnEdit)
    ON_BN_CLICKED(IDC_DELETE_TASK, OnDelete)
END_MESSAGE_MAP()

CMultiTaskLayoutDlg::CMultiTaskLayoutDlg(CWnd *pParent) : CDialog(IDD, pParent) {}

void CMultiTaskLayoutDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TASK_LIST, m_list);
}

BOOL CMultiTaskLayoutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // An undivided proceeding comes with no parts (-1); nothing may index outside the arrays.
    if (m_nCount < 0)
        m_nCount = 0;
    if (m_nCount > kSlots)
        m_nCount = kSlots;
    m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    RECT client;
    m_list.GetClientRect(&client);
    m_list.InsertColumn(kNumberColumn, "Nr", LVCFMT_LEFT, kNumberColumnWidth);
    m_list.InsertColumn(kNameColumn, "Nazwa", LVCFMT_LEFT, client.right - client.left - kNumberColumnWidth);
    for (int i = 0; i < m_nCount; ++i) {
        CString name = m_strNames[i];
        if (name.IsEmpty())
            name = "Część postępowania " + RowNumber(i);
        const int row = m_list.InsertItem(i, RowNumber(i));
        m_list.SetItemText(row, kNameColumn, m_nActive[i] == 1 ? name : name + kDeletedSuffix);
    }
    return TRUE;
}

int CMultiTaskLayoutDlg::SelectedRow() const
{
    const int row = m_list.GetNextItem(-1, LVNI_SELECTED);
    return row < m_nCount ? row : -1;
}

bool CMultiTaskLayoutDlg::AskName(CString &name)
{
    CTaskNameDlg dialog(this);
    dialog.m_strName = name;
    if (dialog.DoModal() != IDOK)
        return false;
    name = dialog.m_strName;
    return true;
}

void CMultiTaskLayoutDlg::OnAdd()
{
    if (m_nCount >= kMaxParts) {
        AfxShowMessageBox(m_hWnd, "Przekroczona liczba dozwolonych postępowań częściowych", "Błąd",
                          MB_OK | MB_ICONERROR);
        return;
    }
    CString name;
    if (!AskName(name))
        return;
    m_strNames[m_nCount] = name;
    const int row = m_list.InsertItem(m_nCount, RowNumber(m_nCount));
    m_list.SetItemText(row, kNameColumn, name);
    m_nActive[m_nCount] = 1;
    ++m_nCount;
}

void CMultiTaskLayoutDlg::OnEdit()
{
    const int row = SelectedRow();
    if (row < 0)
        return;
    CString name = m_strNames[row];
    if (!AskName(name))
        return;
    m_strNames[row] = name;
    m_list.SetItemText(row, kNameColumn, name);
    m_nActive[row] = 1; // a renamed part is in use again
}

void CMultiTaskLayoutDlg::OnDelete()
{
    const int row = SelectedRow();
    if (row < 0) {
        AfxMessageBox("Nie wybrano pozycji do usunięcia !", MB_OK | MB_ICONERROR);
        return;
    }
    if (m_nFirstRowFixed == 1 && row == 0) {
        AfxMessageBox("Pierwszej pozycji nie można usunąć!", MB_OK | MB_ICONERROR);
        return;
    }
    m_list.SetItemText(row, kNameColumn, m_strNames[row] + kDeletedSuffix);
    m_nActive[row] = 0;
}
