#include "proceeding/merge/contractor_register_dlg.h"

#include "app/program_databases.h"
#include "framework/ui/ddx.h"
#include "framework/ui/msgbox.h"

namespace {

struct ShownField {
    int control;
    int field; // index into Contractor::fields
    const char *heading;
    int percent; // of the list's width; the rest is left for a scroll bar
};

// The register shows and edits the fields whose meaning the program knows; the others stay
// as the registers program wrote them.
const ShownField kShownFields[] = {
    {IDC_CONTRACTOR_NAME, 0, "Nazwa wykonawcy", 27},       {IDC_CONTRACTOR_ADDRESS, 1, "Adres", 28},
    {IDC_CONTRACTOR_PHONES, 5, "Telefony kontaktowe", 14}, {IDC_CONTRACTOR_EMAIL, 6, "Adres e-mail", 14},
    {IDC_CONTRACTOR_CONTACT, 7, "Osoba kontaktowa", 14},
};

bool ConnectionOpen(HWND owner, const ContractorRegister &contractors)
{
    if (contractors.IsOpen())
        return true;
    AfxShowMessageBox(owner, "Baza danych rejestrów nie jest otwarta", "Błąd", MB_OK | MB_ICONERROR);
    return false;
}

} // namespace

CContractorDlg::CContractorDlg(CWnd *pParent) : CDialog(IDD, pParent) {}

void CContractorDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    for (const ShownField &shown : kShownFields)
        DDX_Text(pDX, shown.control, m_contractor.fields[shown.field]);
}

void CContractorDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    for (const ShownField &shown : kShownFields)
        m_contractor.fields[shown.field].Trim();
    if (m_contractor.Name().IsEmpty()) {
        AfxShowMessageBox(m_hWnd, "Nazwa wykonawcy nie może być pusta", "Błąd", MB_OK | MB_ICONERROR);
        GetDlgItem(IDC_CONTRACTOR_NAME)->SetFocus();
        return;
    }
    EndDialog(IDOK);
}

BEGIN_MESSAGE_MAP(CContractorRegisterDlg, CDialog)
    ON_BN_CLICKED(IDC_REGISTER_ADD, OnAdd)
    ON_BN_CLICKED(IDC_REGISTER_CHANGE, OnChange)
    ON_BN_CLICKED(IDC_REGISTER_DELETE, OnDelete)
    ON_NOTIFY(NM_DBLCLK, IDC_REGISTER_LIST, OnDblClkList)
END_MESSAGE_MAP()

CContractorRegisterDlg::CContractorRegisterDlg(CWnd *pParent) : CDialog(IDD, pParent) {}

void CContractorRegisterDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_REGISTER_LIST, m_list);
}

BOOL CContractorRegisterDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!m_connection)
        m_connection = GetRegistersDatabase();
    m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    CRect client;
    m_list.GetClientRect(&client);
    int column = 0;
    for (const ShownField &shown : kShownFields)
        m_list.InsertColumn(column++, shown.heading, LVCFMT_LEFT, client.Width() * shown.percent / 100);
    if (ConnectionOpen(m_hWnd, ContractorRegister(m_connection)))
        LoadRows(0);
    return TRUE;
}

void CContractorRegisterDlg::LoadRows(int selectedKey)
{
    m_list.DeleteAllItems();
    try {
        for (const Contractor &contractor : ContractorRegister(m_connection).LoadAll()) {
            const int row = m_list.InsertItem(m_list.GetItemCount(), contractor.Name());
            int column = 0;
            for (const ShownField &shown : kShownFields)
                m_list.SetItemText(row, column++, contractor.fields[shown.field]);
            m_list.SetItemData(row, static_cast<DWORD_PTR>(contractor.lp));
            if (contractor.lp == selectedKey) {
                m_list.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
                m_list.EnsureVisible(row, FALSE);
            }
        }
    } catch (...) {
        ReportCurrentException(m_hWnd);
    }
}

int CContractorRegisterDlg::SelectedKey() const
{
    const int row = m_list.GetNextItem(-1, LVNI_SELECTED);
    return row < 0 ? 0 : static_cast<int>(m_list.GetItemData(row));
}

void CContractorRegisterDlg::OnAdd()
{
    const ContractorRegister contractors(m_connection);
    if (!ConnectionOpen(m_hWnd, contractors))
        return;
    CContractorDlg form(this);
    if (form.DoModal() != IDOK)
        return;
    try {
        contractors.Add(form.m_contractor);
    } catch (...) {
        ReportCurrentException(m_hWnd);
    }
    LoadRows(form.m_contractor.lp);
}

void CContractorRegisterDlg::OnChange()
{
    const ContractorRegister contractors(m_connection);
    const int key = SelectedKey();
    if (key == 0 || !ConnectionOpen(m_hWnd, contractors))
        return;
    CContractorDlg form(this);
    try {
        // The row as stored now, so that the fields the form does not show are kept.
        if (!contractors.Find(key, form.m_contractor)) {
            AfxShowMessageBox(m_hWnd, "Wykonawcy nie ma już w rejestrze.", "Informacja", MB_OK | MB_ICONINFORMATION);
            LoadRows(0);
            return;
        }
        if (form.DoModal() != IDOK)
            return;
        contractors.Update(form.m_contractor);
    } catch (...) {
        ReportCurrentException(m_hWnd);
    }
    LoadRows(key);
}

void CContractorRegisterDlg::OnDelete()
{
    const ContractorRegister contractors(m_connection);
    const int row = m_list.GetNextItem(-1, LVNI_SELECTED);
    if (row < 0 || !ConnectionOpen(m_hWnd, contractors))
        return;
    const CString question = "Czy na pewno usunąć wykonawcę \"" + m_list.GetItemText(row, 0) + "\" z rejestru?";
    if (AfxShowMessageBox(m_hWnd, question, "Pytanie", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    try {
        contractors.Delete(static_cast<int>(m_list.GetItemData(row)));
    } catch (...) {
        ReportCurrentException(m_hWnd);
    }
    LoadRows(0);
}

void CContractorRegisterDlg::OnDblClkList(NMHDR *, LRESULT *pResult)
{
    OnChange();
    *pResult = 0;
}

void RunContractorRegister(CWnd *parent)
{
    CContractorRegisterDlg dialog(parent);
    dialog.DoModal();
}
