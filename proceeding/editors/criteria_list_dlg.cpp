#include "proceeding/editors/criteria_list_dlg.h"

#include "framework/ui/ddx.h"
#include "framework/ui/msgbox.h"
#include "proceeding/editors/small_value_dialogs.h"

BEGIN_MESSAGE_MAP(CListaKryteriowDlg, CDialog)
    ON_BN_CLICKED(IDC_CRITERIA_LIST_ADD, OnAdd)
    ON_BN_CLICKED(IDC_CRITERIA_LIST_EDIT, OnEdit)
    ON_BN_CLICKED(IDC_CRITERIA_LIST_DELETE, OnDelete)
END_MESSAGE_MAP()

CListaKryteriowDlg::CListaKryteriowDlg(CWnd *pParent) : CDialog(IDD, pParent) {}

void CListaKryteriowDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CRITERIA_LIST_BOX, m_list);
}

BOOL CListaKryteriowDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (const CString &name : m_strNames) {
        if (!name.IsEmpty())
            m_list.AddString(name);
    }
    return TRUE;
}

void CListaKryteriowDlg::OnAdd()
{
    if (m_list.GetCount() >= kMaxCriteria) {
        AfxMessageBox("Ilość kryteriów nie może przekraczać dziesięciu", MB_ICONEXCLAMATION);
        return;
    }
    CAddCriterionDlg dialog(this);
    if (dialog.DoModal() == IDOK && !dialog.m_strText.IsEmpty())
        m_list.AddString(dialog.m_strText);
}

void CListaKryteriowDlg::OnEdit()
{
    const int selected = m_list.GetCurSel();
    if (selected < 0)
        return;
    CAddCriterionDlg dialog(this);
    m_list.GetText(selected, dialog.m_strText);
    // An empty name would be dropped at the next opening and shift the summary's columns.
    if (dialog.DoModal() != IDOK || dialog.m_strText.IsEmpty())
        return;
    m_list.DeleteString(selected);
    m_list.InsertString(selected, dialog.m_strText);
    m_list.SetCurSel(selected);
}

void CListaKryteriowDlg::OnDelete()
{
    const int selected = m_list.GetCurSel();
    if (selected >= 0)
        m_list.DeleteString(selected);
}

void CListaKryteriowDlg::OnOK()
{
    m_nCount = m_list.GetCount();
    for (int i = 0; i < kMaxCriteria; ++i) {
        m_strNames[i].Empty();
        if (i < m_nCount)
            m_list.GetText(i, m_strNames[i]);
    }
    CDialog::OnOK();
}
