#include "proceeding/merge/contractor_list_dlg.h"

#include "model/file_utils.h"
#include "app/app_settings.h"
#include "app/program_databases.h"
#include "framework/ui/ddx.h"
#include "framework/ui/msgbox.h"
#include "proceeding/merge/contractor_register.h"

namespace {

struct ListColumn {
    const char *heading;
    int percent;
};

const ListColumn kColumns[] = {
    {"Nazwa wykonawcy", 20}, {"Adres", 25}, {"Telefony kontaktowe", 20}, {"Adres e-mail", 15}, {"Osoba kontaktowa", 15},
};

} // namespace

void StartRegistersProgram(HWND owner)
{
    const AppSettings *settings = GetProgramSettings();
    const CString program = (settings ? settings->MainPath : CString()) + "\\Rejestry.exe";
    if (settings == nullptr || !FileExists(program)) {
        AfxShowMessageBox(owner, "Nie znaleziono programu rejestrów", "Błąd", MB_OK | MB_ICONERROR);
        return;
    }
    // The path is quoted: the program folder may hold blanks.
    if (WinExec("\"" + program + "\" 4", SW_SHOWNORMAL) < 32)
        AfxShowMessageBox(owner, "Nie można uruchomić programu: " + program, "Błąd", MB_OK | MB_ICONERROR);
}

BEGIN_MESSAGE_MAP(CContractorListDlg, CDialog)
    ON_BN_CLICKED(IDC_CONTRACTOR_REFRESH, OnRefresh)
    ON_BN_CLICKED(IDC_CONTRACTOR_CHOOSE, OnChoose)
    ON_BN_CLICKED(IDC_CONTRACTOR_EDIT, OnEdit)
END_MESSAGE_MAP()

CContractorListDlg::CContractorListDlg(CWnd *pParent) : CDialog(IDD, pParent) {}

void CContractorListDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CONTRACTOR_LIST, m_list);
}

BOOL CContractorListDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!m_connection)
        m_connection = GetRegistersDatabase();
    m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    CRect client;
    m_list.GetClientRect(&client);
    for (int column = 0; column < static_cast<int>(sizeof(kColumns) / sizeof(kColumns[0])); ++column)
        m_list.InsertColumn(column, kColumns[column].heading, LVCFMT_LEFT,
                            client.Width() * kColumns[column].percent / 100);
    LoadContractors();
    return TRUE;
}

void CContractorListDlg::LoadContractors()
{
    ContractorRegister contractors(m_connection);
    if (!contractors.IsOpen()) {
        AfxShowMessageBox(m_hWnd, "Baza danych rejestrów nie jest otwarta", "Błąd", MB_OK | MB_ICONERROR);
        return;
    }
    try {
        for (const Contractor &contractor : contractors.LoadAll()) {
            const int row = m_list.InsertItem(m_list.GetItemCount(), contractor.Name());
            m_list.SetItemText(row, 1, contractor.Address());
            m_list.SetItemText(row, 2, contractor.Phones());
            m_list.SetItemText(row, 3, contractor.Email());
            m_list.SetItemText(row, 4, contractor.Contact());
        }
    } catch (...) {
        ReportCurrentException(m_hWnd);
    }
}

void CContractorListDlg::OnRefresh()
{
    m_list.DeleteAllItems();
    LoadContractors();
}

void CContractorListDlg::OnChoose()
{
    const int row = m_list.GetNextItem(-1, LVNI_SELECTED);
    if (row < 0)
        return;
    m_strName = m_list.GetItemText(row, 0);
    m_strAddress = m_list.GetItemText(row, 1);
    m_strPhones = m_list.GetItemText(row, 2);
    m_strEmail = m_list.GetItemText(row, 3);
    m_strContact = m_list.GetItemText(row, 4);
    EndDialog(IDOK);
}

void CContractorListDlg::OnEdit()
{
    StartRegistersProgram(m_hWnd);
}

void CContractorListDlg::OnOK()
{
    EndDialog(IDOK);
}

void CContractorListDlg::OnCancel()
{
    m_strName.Empty();
    m_strAddress.Empty();
    m_strPhones.Empty();
    m_strEmail.Empty();
    m_strContact.Empty();
    EndDialog(IDCANCEL);
}
