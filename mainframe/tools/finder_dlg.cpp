#include "mainframe/tools/finder_dlg.h"

#include "framework/ui/ddx.h"
#include "framework/ui/msgbox.h"
#include "mainframe/tools/finder_search.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CZnajdzPlikiDlg, CDialog)
    ON_BN_CLICKED(IDC_FIND_START, OnFind)
    ON_LBN_SELCHANGE(IDC_FIND_FILES, OnSelectionChange)
END_MESSAGE_MAP()

void SplitFoundEntry(const CString &entry, CString &folder, CString &name)
{
    const int slash = entry.Find('\\');
    if (slash <= 0) {
        folder.Empty();
        name = entry;
        return;
    }
    folder = entry.Left(slash);
    name = entry.Mid(slash + 1);
}

CZnajdzPlikiDlg::CZnajdzPlikiDlg(CWnd *pParent) : CDialog(IDD_ZNAJDZ_PLIKI, pParent) {}

BOOL CZnajdzPlikiDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_files.SubclassDlgItem(IDC_FIND_FILES, this);
    return TRUE;
}

void CZnajdzPlikiDlg::DoDataExchange(CDataExchange *pDX)
{
    DDX_Text(pDX, IDC_FIND_TEXT, m_text);
    DDX_Check(pDX, IDC_FIND_MATCH_CASE, m_matchCase);
    DDX_Text(pDX, IDC_FIND_DESCRIPTION, m_description);
}

void CZnajdzPlikiDlg::OnFind()
{
    m_files.ResetContent();
    UpdateData(TRUE);
    CWaitCursor wait;
    const FinderResult found = FindProceedingFiles(m_folder, m_mode, m_text, m_matchCase != 0);
    if (!found.folderFound) {
        AfxShowMessageBox(m_hWnd, "Nie znaleziono katalogu: " + m_folder, "Błąd", MB_OK | MB_ICONWARNING);
        return;
    }
    for (const CString &entry : found.entries)
        m_files.AddString(entry);
}

void CZnajdzPlikiDlg::OnSelectionChange()
{
    const int selected = m_files.GetCurSel();
    if (selected < 0)
        return;
    m_files.GetText(selected, m_selected);
    DescribeFile(m_selected);
}

void CZnajdzPlikiDlg::DescribeFile(const CString &entry)
{
    if (m_mode == kFinderCurrent) {
        m_description = DescribeCurrentEntry(entry);
    } else {
        const CString path = m_folder + "\\" + entry;
        if (!ReadArchiveDescription(path, m_description)) {
            AfxShowMessageBox(m_hWnd, "Błąd odczytu pliku: " + path, "Błąd", MB_OK | MB_ICONWARNING);
            m_description.Empty();
        }
    }
    SetDlgItemText(IDC_FIND_DESCRIPTION, m_description);
}

// "Otwórz" with nothing chosen keeps the dialog open.
void CZnajdzPlikiDlg::OnOK()
{
    const int selected = m_files.GetCurSel();
    if (selected < 0) {
        AfxShowMessageBox(m_hWnd, "Brak wybranych elementów.", "Błąd", MB_OK | MB_ICONERROR);
        return;
    }
    m_files.GetText(selected, m_selected);
    CDialog::OnOK();
}
