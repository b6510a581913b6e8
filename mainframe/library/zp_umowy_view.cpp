#include "mainframe/library/zp_umowy_view.h"

#include "model/file_utils.h"
#include "app/app_settings.h"
#include "app/main_window_services.h"
#include "app/rich_edit_streams.h"
#include "framework/ui/msgbox.h"
#include "mainframe/library/zp_tree_left_view.h"

namespace {

const char kBaseText[] = "zp\\";

void SetStatus(int pane, const CString &text)
{
    if (MainWindowServices *services = GetProgramMainWindow())
        services->SetStatusText(pane, text);
}

} // namespace

IMPLEMENT_DYNCREATE(CZPUmowyView, CRichEditView)

BEGIN_MESSAGE_MAP(CZPUmowyView, CRichEditView)
    ON_WM_CLOSE()
END_MESSAGE_MAP()

void SetRichEditSel(CWnd &richEdit, long start, long end)
{
    CHARRANGE range = {start, end};
    richEdit.SendMessage(EM_EXSETSEL, 0, (LPARAM)&range);
}

void CZPUmowyView::OnInitialUpdate()
{
    CRichEditView::OnInitialUpdate();
    m_pMainFrame = AfxGetTopLevelFrame(this);
    switch (m_nMode) {
    case kLibraryZp:
        SetZpMode();
        break;
    case kLibraryArticles:
        SetArticlesMode();
        break;
    case kLibraryRulings:
        SetKioMode();
        break;
    default:
        break;
    }
}

void CZPUmowyView::SetZpMode()
{
    LoadConfig();
    ShowLibrary("Dokumenty ZP", kBaseText);
}

void CZPUmowyView::SetArticlesMode()
{
    LoadConfig();
    ShowLibrary("Instrukcje, ciekawe artykuły", kBaseText);
}

void CZPUmowyView::SetKioMode()
{
    LoadConfig();
    ShowLibrary("Orzeczenia KIO", kBaseText);
}

void CZPUmowyView::LoadConfig()
{
    SetStatus(2, "");
    SetStatus(0, "Wczytuje plik konfiguracyjny...");
    m_entries.clear();
    m_fullPaths.clear();
    m_nCurrent = -1;
    const AppSettings *settings = GetProgramSettings();
    const CString path = LibraryConfigPath(settings ? settings->MainPath : CString(), m_nMode);
    int failed = 0;
    const CString text = ReadFileContents(path, failed);
    if (failed) {
        AfxShowMessageBox(m_hWnd, "Błąd otwarcia pliku: " + path, "Błąd", MB_OK | MB_ICONWARNING);
        return;
    }
    m_entries = ParseLibraryConfig(text);
    SetStatus(0, "Gotowe");
}

void CZPUmowyView::ShowLibrary(const CString &rootText, const CString &baseText)
{
    ShowWindow(SW_HIDE);
    if (m_pTree)
        m_pTree->FillTree(rootText, baseText, m_entries, m_fullPaths);
    ShowDocument(0);
    GetRichEditCtrl().LineScroll(-10000);
    ShowWindow(SW_SHOW);

    if (m_pTree) {
        CTreeCtrl &tree = m_pTree->GetTreeCtrl();
        if (HTREEITEM first = tree.GetChildItem(tree.GetRootItem())) {
            tree.SelectItem(first);
            tree.Expand(first, TVE_EXPAND);
        }
    }
    SetStatus(3, "");
    UpdateStatus();
}

void CZPUmowyView::ShowDocument(int index)
{
    if (index < 0 || index >= (int)m_entries.size())
        return;
    CRichEditCtrl &control = GetRichEditCtrl();
    control.SetSel(0, -1);
    control.ReplaceSel("");
    m_nCurrent = index;
    SetStatus(2, m_entries[index].title);

    int failed = 0;
    CString rtf = ReadFileContents(GetFullPath(index), failed);
    if (!failed) {
        EDITSTREAM stream = {(DWORD_PTR)&rtf, 0, StreamInFromString};
        control.StreamIn(SF_RTF, stream);
    }
    SetRichEditSel(*this, 0, 0);
    UpdateStatus();
}

void CZPUmowyView::UpdateStatus()
{
    if (m_nCurrent >= 0 && m_nCurrent < (int)m_entries.size())
        SetStatus(1, m_entries[m_nCurrent].title);
    SetStatus(2, "");
    SetStatus(3, m_nMode == kLibraryArticles ? "Instrukcje, ciekawe artykuły" : m_nMode == kLibraryZp ? "ZP" : "");
}

CString CZPUmowyView::GetFullPath(int index) const
{
    return index >= 0 && index < (int)m_fullPaths.size() ? m_fullPaths[index] : CString();
}

void CZPUmowyView::ClearStatus()
{
    for (int pane = 1; pane <= 3; ++pane)
        SetStatus(pane, "");
}

void CZPUmowyView::OnClose()
{
    ClearStatus();
    CRichEditView::OnClose();
}
