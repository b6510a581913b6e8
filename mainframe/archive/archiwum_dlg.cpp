#include "mainframe/archive/archiwum_dlg.h"

#include "app/app_settings.h"
#include "app/proceeding_header.h"
#include "app/working_folder.h"
#include "framework/ui/ddx.h"
#include "framework/ui/msgbox.h"
#include "mainframe/archive/archive_delete.h"
#include "mainframe/settings_dlg.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CArchiwumDlg, CDialog)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_ARCHIWUM_LIST, OnListItemChanged)
    ON_NOTIFY(NM_DBLCLK, IDC_ARCHIWUM_LIST, OnListDoubleClick)
    ON_CBN_SELCHANGE(IDC_ARCHIWUM_KIND, OnKindChanged)
    ON_BN_CLICKED(IDC_ARCHIWUM_DELETE, OnDelete)
    ON_BN_CLICKED(IDC_ARCHIWUM_CHANGE_FOLDER, OnChangeFolder)
    ON_BN_CLICKED(IDC_ARCHIWUM_SAMPLE, OnSample)
END_MESSAGE_MAP()

namespace {

const COLORREF kImageMask = RGB(255, 0, 255);
const int kImageSize = 16;

} // namespace

CArchiwumDlg::CArchiwumDlg(CWnd *pParent) : CDialog(IDD_ARCHIWUM, pParent) {}

void CArchiwumDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_ARCHIWUM_FOLDER, m_strFolder);
    DDX_Text(pDX, IDC_ARCHIWUM_LABEL, m_strLabel);
    DDX_Text(pDX, IDC_ARCHIWUM_DESCRIPTION, m_strDescription);
}

BOOL CArchiwumDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!EnsureWorkingFolder()) {
        EndDialog(IDCANCEL);
        return TRUE;
    }
    m_strLabel = m_nMode == ModeCurrent ? "Katalog postępowań bieżących:" : "Katalog archiwum:";
    ReadFolderSetting();

    m_list.SubclassDlgItem(IDC_ARCHIWUM_LIST, this);
    m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    if (m_images.Create(IDB_TREE_IMAGES, kImageSize, 0, kImageMask))
        m_list.SetImageList(&m_images, LVSIL_SMALL);
    m_list.InsertColumn(ColumnKind, "Tryb", LVCFMT_LEFT, 180);
    m_list.InsertColumn(ColumnName, "Nazwa dokumentu", LVCFMT_LEFT, 200);
    m_list.InsertColumn(ColumnPath, "Scieżka", LVCFMT_LEFT, 0);
    if (m_nMode == ModeCurrent)
        m_list.InsertColumn(ColumnModified, "Data modyfikacji", LVCFMT_LEFT, 100);

    m_kindCombo.SubclassDlgItem(IDC_ARCHIWUM_KIND, this);
    for (int i = 0; i < kArchiveKindFilterCount; ++i)
        m_kindCombo.SetItemData(m_kindCombo.AddString(kArchiveKindFilters[i].text),
                                (DWORD_PTR)(INT_PTR)kArchiveKindFilters[i].code);
    m_kindCombo.SetCurSel(0);
    m_nKindFilter = kAllKinds;

    SetWindowText(m_nMode == ModeCurrent ? "Postępowanie w toku..." : "Archiwum");
    GetDlgItem(IDC_ARCHIWUM_SAMPLE)->ShowWindow(m_nMode == ModeCurrent ? SW_SHOW : SW_HIDE);
    UpdateData(FALSE);
    FillListTellingMissingFolder();
    GotoDlgCtrl(&m_list);
    return FALSE;
}

void CArchiwumDlg::ReadFolderSetting()
{
    const AppSettings &settings = *GetProgramSettings();
    m_strFolder = m_nMode == ModeCurrent ? settings.WorkingPath : settings.ArchivePath;
    m_strFolder.TrimRight('\\');
}

bool CArchiwumDlg::FillList()
{
    m_list.DeleteAllItems();
    ArchiveListing listing = ListArchiveFolder(*GetProgramProceedingHeaderReader(), m_strFolder, m_nKindFilter);
    m_entries.swap(listing.entries);
    const bool withDates = m_nMode == ModeCurrent;
    for (int i = 0; i < (int)m_entries.size(); ++i) {
        const ArchiveEntry &entry = m_entries[i];
        const int item = m_list.InsertItem(i, entry.kindName, entry.image);
        m_list.SetItemText(item, ColumnName, entry.name);
        m_list.SetItemText(item, ColumnPath, entry.path);
        if (withDates)
            m_list.SetItemText(item, ColumnModified, entry.modified);
        m_list.SetItemData(item, (DWORD_PTR)i);
    }
    ClearSelection();
    return listing.folderFound;
}

void CArchiwumDlg::FillListTellingMissingFolder()
{
    if (FillList())
        return;
    const CString text = m_strFolder.IsEmpty() ? CString("Nie ustawiono katalogu do przeglądania.")
                                               : "Nie znaleziono katalogu: " + m_strFolder + ".";
    AfxShowMessageBox(m_hWnd, text + "\r\nKatalog można wskazać przyciskiem \"Zmień katalog\".", "Błąd",
                      MB_ICONWARNING);
}

void CArchiwumDlg::ClearSelection()
{
    m_strProceedingFolder.Empty();
    m_strFileName.Empty();
    m_strKindText.Empty();
    m_nItemData = -1;
    m_strDescription.Empty();
    SetDlgItemText(IDC_ARCHIWUM_DESCRIPTION, m_strDescription);
}

// The selection is read from the list itself, so that a row chosen with the keyboard counts as
// much as a clicked one.
void CArchiwumDlg::TakeSelection()
{
    const int item = m_list.GetNextItem(-1, LVNI_SELECTED);
    const int index = item < 0 ? -1 : (int)m_list.GetItemData(item);
    if (index < 0 || index >= (int)m_entries.size()) {
        ClearSelection();
        return;
    }
    m_strKindText = m_list.GetItemText(item, ColumnKind);
    m_nItemData = index;
    SplitArchivePath(m_list.GetItemText(item, ColumnPath), m_strProceedingFolder, m_strFileName);
    m_strDescription = m_entries[index].description;
    SetDlgItemText(IDC_ARCHIWUM_DESCRIPTION, m_strDescription);
}

void CArchiwumDlg::OnListItemChanged(NMHDR *, LRESULT *pResult)
{
    TakeSelection();
    *pResult = 0;
}

void CArchiwumDlg::OnListDoubleClick(NMHDR *, LRESULT *pResult)
{
    OnOK();
    *pResult = 0;
}

CString CArchiwumDlg::GetChosenFolder() const
{
    return m_strProceedingFolder.IsEmpty() ? m_strFolder : m_strFolder + "\\" + m_strProceedingFolder;
}

void CArchiwumDlg::OnOK()
{
    TakeSelection();
    if (m_nItemData < 0 || m_strFileName.IsEmpty()) {
        AfxShowMessageBox(m_hWnd, "Proszę wybrać plik do otwarcia", "Błąd", MB_ICONERROR);
        return;
    }
    // The opening code reads only record files: it would look for "<name>.baz" beside the old
    // file and could open another proceeding of that name.
    if (m_entries[m_nItemData].kind == ArchiveEntryKind::OldSingleFile) {
        AfxShowMessageBox(m_hWnd, "Postępowania zapisanego w starszym formacie jednoplikowym nie można otworzyć.",
                          "Błąd", MB_ICONERROR);
        return;
    }
    m_strResultPath = GetChosenFolder() + "\\" + m_strFileName;
    EndDialog(IDOK);
}

void CArchiwumDlg::OnSample()
{
    // The sample needs no row: the flag alone tells the caller what to open.
    m_nSample = 1;
    EndDialog(IDOK);
}

void CArchiwumDlg::OnKindChanged()
{
    const int selected = m_kindCombo.GetCurSel();
    m_nKindFilter = selected < 0 ? kAllKinds : (int)(INT_PTR)m_kindCombo.GetItemData(selected);
    FillList();
}

void CArchiwumDlg::OnDelete()
{
    const int item = m_list.GetNextItem(-1, LVNI_SELECTED);
    if (item < 0)
        return;
    TakeSelection();
    const CString name = m_list.GetItemText(item, ColumnName);
    if (name.IsEmpty() || m_nItemData < 0)
        return;
    if (m_entries[m_nItemData].kind != ArchiveEntryKind::ProceedingFolder) {
        AfxShowMessageBox(m_hWnd, "Usunąć można tylko postępowanie zapisane we własnym katalogu.", "Błąd",
                          MB_ICONERROR);
        return;
    }
    if (AfxShowMessageBox(m_hWnd,
                          "Operacja usunięcia postępowania jest operacją nieodwracalną.\r\n"
                          "Czy chcesz usunąc zaznaczone postępowanie?",
                          "Pytanie", MB_YESNO | MB_ICONQUESTION)
        != IDYES)
        return;
    if (!DeleteProceedingFolder(m_strFolder, name)) {
        AfxShowMessageBox(m_hWnd,
                          "Nie udało się usunąć postępowania \"" + name
                              + "\".\r\nNiektóre jego pliki mogą być otwarte w innym programie.",
                          "Błąd", MB_ICONERROR);
        return;
    }
    m_list.DeleteItem(item);
    TakeSelection();
}

void CArchiwumDlg::OnChangeFolder()
{
    CUstawieniaDlg settings(this);
    settings.m_focusField = m_nMode == ModeCurrent ? CUstawieniaDlg::FocusCurrent : CUstawieniaDlg::FocusArchive;
    if (settings.DoModal() != IDOK)
        return;
    ReadFolderSetting();
    UpdateData(FALSE);
    FillListTellingMissingFolder();
}
