#include "proceeding/editors/document_list_dlg.h"

#include <utility>
#include <vector>

#include "framework/ui/ddx.h"
#include "proceeding/dialogs/add_document_dlg.h"
#include "proceeding/editors/document_list.h"

BEGIN_MESSAGE_MAP(CDocumentListDlg, CDialog)
    ON_BN_CLICKED(IDC_DOCUMENT_LIST_ADD, OnAdd)
    ON_BN_CLICKED(IDC_DOCUMENT_LIST_DELETE, OnDelete)
    ON_BN_CLICKED(IDC_DOCUMENT_LIST_EDIT, OnEdit)
    ON_BN_CLICKED(IDC_DOCUMENT_LIST_UP, OnMoveUp)
    ON_BN_CLICKED(IDC_DOCUMENT_LIST_DOWN, OnMoveDown)
END_MESSAGE_MAP()

CDocumentListDlg::CDocumentListDlg(CWnd *pParent) : CDialog(IDD, pParent) {}

void CDocumentListDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DOCUMENT_LIST_BOX, m_list);
}

BOOL CDocumentListDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (const CString &name : ParseDocumentList(m_strValue))
        m_list.AddString(name);
    if (!m_strCaption.IsEmpty())
        SetWindowText(m_strCaption);
    return TRUE;
}

void CDocumentListDlg::OnAdd()
{
    CAddDocumentDlg dialog(this);
    if (dialog.DoModal() != IDOK)
        return;
    // An empty name would end the list at the next load and drop every name after it.
    const CString name = CleanDocumentName(dialog.m_strName);
    if (!name.IsEmpty())
        m_list.AddString(name);
}

void CDocumentListDlg::OnEdit()
{
    const int selected = m_list.GetCurSel();
    if (selected < 0)
        return;
    CAddDocumentDlg dialog(this);
    m_list.GetText(selected, dialog.m_strName);
    if (dialog.DoModal() != IDOK)
        return;
    const CString name = CleanDocumentName(dialog.m_strName);
    if (name.IsEmpty())
        return;
    m_list.DeleteString(selected);
    m_list.InsertString(selected, name);
    m_list.SetCurSel(selected);
}

void CDocumentListDlg::OnDelete()
{
    const int selected = m_list.GetCurSel();
    if (selected >= 0)
        m_list.DeleteString(selected);
}

void CDocumentListDlg::MoveSelected(int step)
{
    const int selected = m_list.GetCurSel();
    const int count = m_list.GetCount();
    const int target = selected + step;
    if (selected < 0 || count >= kMaxMovableDocuments || target < 0 || target >= count)
        return;
    std::vector<CString> names(count);
    for (int i = 0; i < count; ++i)
        m_list.GetText(i, names[i]);
    std::swap(names[selected], names[target]);
    m_list.ResetContent();
    for (const CString &name : names)
        m_list.AddString(name);
    m_list.SetCurSel(target);
}

void CDocumentListDlg::OnMoveUp()
{
    MoveSelected(-1);
}

void CDocumentListDlg::OnMoveDown()
{
    MoveSelected(1);
}

void CDocumentListDlg::OnOK()
{
    std::vector<CString> names(m_list.GetCount());
    for (int i = 0; i < (int)names.size(); ++i)
        m_list.GetText(i, names[i]);
    m_strValue = JoinDocumentList(names);
    CDialog::OnOK();
}
