#include "proceeding/editors/definition_list_dlg.h"

#include "app/app_settings.h"
#include "framework/ui/ddx.h"

BEGIN_MESSAGE_MAP(CDefinitionListDlg, CDialog)
    ON_BN_CLICKED(IDC_DEFINITION_TAKE, OnOK)
END_MESSAGE_MAP()

CDefinitionListDlg::CDefinitionListDlg(CWnd *pParent) : CDialog(IDD, pParent)
{
    if (const AppSettings *settings = GetProgramSettings())
        m_strMainPath = settings->MainPath;
}

void CDefinitionListDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DEFINITION_LIST, m_list);
    DDX_Check(pDX, IDC_DEFINITION_ADD_NUMBER, m_nAddNumber);
}

BOOL CDefinitionListDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_nMode == kContractScopesMode) {
        LoadContractScopes();
        SetWindowText("Przykładowe zakresy umów");
        GetDlgItem(IDC_DEFINITION_ADD_NUMBER)->ShowWindow(SW_HIDE);
    } else {
        LoadDefinitions();
        SetWindowText("Lista definicji");
    }
    m_nAddNumber = 1;
    UpdateData(FALSE);
    return TRUE;
}

void CDefinitionListDlg::LoadDefinitions()
{
    FillList(ReadDefinitionFile(m_strMainPath, kDefinitionsMode), "Definicja");
}

void CDefinitionListDlg::LoadContractScopes()
{
    FillList(ReadDefinitionFile(m_strMainPath, kContractScopesMode), "Wzór umowy");
}

void CDefinitionListDlg::FillList(const DefinitionFile &file, const char *textHeading)
{
    m_entries = file.entries;
    m_list.SetSize(2, (int)m_entries.size());
    m_list.SetColumnHeading(0, "Nazwa");
    m_list.SetColumnHeading(1, textHeading);
    m_list.SetColumnWidth(0, 100);
    m_list.SetColumnWidth(1, 440);
    for (int row = 0; row < (int)m_entries.size(); ++row) {
        m_list.SetCellText(0, row, m_entries[row].name);
        m_list.SetCellText(1, row, m_entries[row].text);
    }
    if (!file.problem.IsEmpty())
        MessageBox(file.problem, "Błąd", MB_ICONERROR);
}

void CDefinitionListDlg::OnOK()
{
    const int row = m_list.GetSelectedRow();
    if (row < 0 || row >= (int)m_entries.size()) {
        MessageBox("Nie wybrano żadnej definicji.", "Błąd", MB_ICONERROR);
        return;
    }
    m_strChosenText = ChosenDefinitionText(m_nMode, m_entries[row]);
    CDialog::OnOK();
}
