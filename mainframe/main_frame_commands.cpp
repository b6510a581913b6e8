// The commands of the main window's own menus and toolbar.
#include "mainframe/main_frame.h"

#include "model/file_utils.h"
#include "app/morvelank_app.h"
#include "app/system_utils.h"
#include "document/files/document_sets.h"
#include "document/proceeding_loader.h"
#include "evaluation/calendar/calendar_command.h"
#include "evaluation/deadline/deadline_command.h"
#include "framework/shell/html_help.h"
#include "framework/ui/commondlg.h"
#include "framework/ui/msgbox.h"
#include "mainframe/archive/archive_command.h"
#include "mainframe/outside_program.h"
#include "mainframe/settings_dlg.h"
#include "mainframe/tool_dialogs.h"
#include "mainframe/summary/summary_command.h"
#include "mainframe/tools/tool_commands.h"
#include "proceeding/editors/cpv_command.h"
#include "res/resource.h"

namespace {

CMorvelankApp &App()
{
    return *GetMorvelankApp();
}

const char kCatalogueAddress[] = "https://katalog.morvelank.example/";

// The other kinds of documents: their templates, remembered windows and file types.
struct OtherKind {
    UINT newIds[2];
    UINT openId;
    CMultiDocTemplate *CMorvelankApp::*docTemplate;
    CMDIChildWnd *CMorvelankApp::*window;
    int setKind; // document_sets.h
    const char *extension;
    const char *filter;
};

const OtherKind kOtherKinds[] = {
    {{ID_UMOWY, ID_UMOWY_NOWE},
     ID_UMOWY_OTWORZ,
     &CMorvelankApp::ContractsTemplate,
     &CMorvelankApp::ContractsWindow,
     kKindContracts,
     "um",
     "Pliki umów (*.um)|*.um|Wszystkie pliki (*.*)|*.*||"},
    {{ID_SRODKI_OCHRONY, ID_SRODKI_NOWE},
     ID_SRODKI_OTWORZ,
     &CMorvelankApp::RemediesTemplate,
     &CMorvelankApp::RemediesWindow,
     kKindRemedies,
     "opr",
     "Pliki ochrony prawnej (*.opr)|*.opr|Wszystkie pliki (*.*)|*.*||"},
    {{ID_WZORY_WYKONAWCOW, ID_WZORY_NOWE},
     ID_WZORY_OTWORZ,
     &CMorvelankApp::FormsTemplate,
     &CMorvelankApp::FormsWindow,
     kKindContractorForms,
     "opw",
     "Pliki wzorów dokumentów wykonawców (*.opw)|*.opw|Wszystkie pliki (*.*)|*.*||"},
};

const OtherKind *KindOfCommand(UINT id)
{
    for (const OtherKind &kind : kOtherKinds)
        if (kind.newIds[0] == id || kind.newIds[1] == id || kind.openId == id
            || (id == ID_UMOWY_2006 && kind.openId == ID_UMOWY_OTWORZ))
            return &kind;
    return nullptr;
}

} // namespace

void CMainFrame::OnUpdateTemplateCommand(CCmdUI *pCmdUI)
{
    CMultiDocTemplate *docTemplate = nullptr;
    if (pCmdUI->m_nID == ID_DOKUMENTY_ZP)
        docTemplate = App().ZpTemplate;
    else if (pCmdUI->m_nID == ID_CIEKAWE_ARTYKULY)
        docTemplate = App().ArticlesTemplate;
    else if (const OtherKind *kind = KindOfCommand(pCmdUI->m_nID))
        docTemplate = App().*(kind->docTemplate);
    pCmdUI->Enable(docTemplate != nullptr);
}

void CMainFrame::OnNewProceeding()
{
    NewProject();
}

// The sample proceeding shipped in the installation's example folder, opened read-only.
void CMainFrame::OnSampleProceedings()
{
    OpenProject(0, 1, "Dostawa tonerów", "Dostawa tonerów");
}

// ---- Library windows and the documents of the other kinds ---------------------------------------

void CMainFrame::ShowLibraryWindow(CMultiDocTemplate *docTemplate, CMDIChildWnd *&window)
{
    if (!docTemplate)
        return;
    if (docTemplate->GetFirstDocPosition() && window) {
        MDIActivate(window);
        return;
    }
    if (docTemplate->OpenDocumentFile(nullptr))
        window = MDIGetActive();
}

void CMainFrame::OnZpDocuments()
{
    ShowLibraryWindow(App().ZpTemplate, App().ZpWindow);
}

void CMainFrame::OnInterestingArticles()
{
    ShowLibraryWindow(App().ArticlesTemplate, App().ArticlesWindow);
}

void CMainFrame::OpenOtherDocument(CMultiDocTemplate *docTemplate, CMDIChildWnd *&window, int setKind,
                                   const CString &path)
{
    if (!docTemplate)
        return;
    CDocument *doc = docTemplate->OpenDocumentFile(nullptr);
    if (!doc)
        return;
    window = MDIGetActive();
    ProceedingLoader *view = nullptr;
    for (POSITION viewPos = doc->GetFirstViewPosition(); viewPos && !view;)
        view = dynamic_cast<ProceedingLoader *>(doc->GetNextView(viewPos));
    // A set that could not be read is not shown: saving it would write an empty set over the file.
    if (!view || !view->OpenDocumentSet(setKind, path)) {
        window = nullptr;
        doc->OnCloseDocument();
    }
}

BOOL CMainFrame::OnNewOtherDocument(UINT nID)
{
    if (const OtherKind *kind = KindOfCommand(nID))
        OpenOtherDocument(App().*(kind->docTemplate), App().*(kind->window), kind->setKind, "");
    return TRUE;
}

BOOL CMainFrame::OnOpenOtherDocument(UINT nID)
{
    const OtherKind *kind = KindOfCommand(nID);
    if (!kind)
        return TRUE;
    if (nID == ID_UMOWY_2006) {
        const CString path = App().GetContractsDataPath();
        if (!FileExists(path)) {
            AfxShowMessageBox(m_hWnd, "Nie znaleziono pliku umów: " + path, "Błąd", MB_ICONERROR);
            return TRUE;
        }
        OpenOtherDocument(App().*(kind->docTemplate), App().*(kind->window), kind->setKind, path);
        return TRUE;
    }
    CFileDialog open(TRUE, CString("*.") + kind->extension, App().WorkingPath + "\\*." + kind->extension,
                     OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_FILEMUSTEXIST, kind->filter, this);
    if (open.DoModal() == IDOK)
        OpenOtherDocument(App().*(kind->docTemplate), App().*(kind->window), kind->setKind, open.GetPathName());
    return TRUE;
}

void CMainFrame::OnToolbarDropDown(NMHDR *pNotifyStruct, LRESULT *pResult)
{
    auto *drop = reinterpret_cast<NMTOOLBARW *>(pNotifyStruct);
    const UINT menuId = drop->iItem == ID_UMOWY              ? IDR_CONTRACTS_MENU
                        : drop->iItem == ID_SRODKI_OCHRONY   ? IDR_REMEDIES_MENU
                        : drop->iItem == ID_WZORY_WYKONAWCOW ? IDR_FORMS_MENU
                                                             : 0;
    if (menuId) {
        RECT button;
        m_wndToolBar.GetToolBarCtrl().GetRect(drop->iItem, &button);
        TrackDropDownMenu(menuId, button);
    }
    *pResult = TBDDRET_DEFAULT;
}

void CMainFrame::TrackDropDownMenu(UINT menuId, const RECT &buttonRect)
{
    CMenu menu;
    if (!menu.LoadMenu(menuId))
        return;
    CMenu *popup = menu.GetSubMenu(0);
    if (!popup)
        return;
    if (menuId == IDR_CONTRACTS_MENU && !FileExists(App().GetContractsDataPath()))
        popup->RemoveMenu(ID_UMOWY_2006, MF_BYCOMMAND);
    RECT screen = buttonRect;
    m_wndToolBar.ClientToScreen(&screen);
    popup->TrackPopupMenu(TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_VERTICAL, screen.left, screen.bottom, this, &screen);
}

// ---- Outside programs ---------------------------------------------------------------------------

void CMainFrame::StartInstalledProgram(const char *exeName, const char *arguments, const char *missingMessage)
{
    const CString program = App().MainPath + "\\" + exeName;
    if (!FileExists(program)) {
        AfxShowMessageBox(m_hWnd, CString(missingMessage) + ": " + program, "Błąd", MB_ICONERROR);
        return;
    }
    if (!StartOutsideProgram(program, arguments))
        AfxShowMessageBox(m_hWnd, "Nie można uruchomić programu: " + program, "Błąd", MB_ICONERROR);
}

void CMainFrame::OnRegisters()
{
    StartInstalledProgram("Rejestry.exe", "4", "Nie znaleziono programu rejestrów");
}

void CMainFrame::OnOrderRegister()
{
    StartInstalledProgram("Wendrix.exe", "", "Nie znaleziono programu ewidencji zamówień publicznych");
}

void CMainFrame::OnCalculator()
{
    if (!StartOutsideProgram("calc.exe", ""))
        AfxShowMessageBox(m_hWnd, "Nie znaleziono kalkulatora systemu (calc.exe)", "Błąd", MB_ICONERROR);
}

void CMainFrame::OnOpenProceeding()
{
    RunArchiveBrowser(this, 0);
}

void CMainFrame::OnOpenFromArchive()
{
    RunArchiveBrowser(this, 1);
}

void CMainFrame::OnFindInCurrent()
{
    RunFinder(this, 0);
}

void CMainFrame::OnFindInArchive()
{
    RunFinder(this, 1);
}

void CMainFrame::OnComputeDeadline()
{
    RunDeadlineCalculator(this);
}

void CMainFrame::OnBackup()
{
    RunBackupManager(this);
}

void CMainFrame::OnCpv()
{
    RunCpvDictionary(this);
}

void CMainFrame::OnSummary()
{
    RunProceedingsSummary(this);
}

// Entries changed in the calendar may carry other alarms.
void CMainFrame::OnScheduler()
{
    RunCalendar(this);
    m_alarms.ClearDue();
    WczytajAlarm();
}

// Closing through the menu goes the same way as closing the window: every question first.
void CMainFrame::OnExit()
{
    PostMessage(WM_CLOSE);
}

// ---- Tools --------------------------------------------------------------------------------------

void CMainFrame::OnSettings()
{
    RunSettingsDialog(0);
}

int CMainFrame::RunSettingsDialog(int focusField)
{
    CUstawieniaDlg settings(this);
    settings.m_focusField = focusField;
    return settings.DoModal() == IDOK ? 1 : 0;
}

void CMainFrame::OnBuyerData()
{
    EditBuyerData(this);
}

void CMainFrame::OnWindowList()
{
    CWindows windows(*this, this);
    windows.DoModal();
}

// ---- Toolbars -----------------------------------------------------------------------------------

void CMainFrame::OnTreeBar()
{
    m_treeBarFlag = !m_treeBarFlag;
    if (m_wndTreeBar.GetSafeHwnd())
        ShowControlBar(&m_wndTreeBar, m_treeBarFlag, FALSE);
}

void CMainFrame::OnUpdateTreeBar(CCmdUI *pCmdUI)
{
    pCmdUI->SetCheck(m_treeBarFlag ? 1 : 0);
}

void CMainFrame::OnShowMainBar()
{
    m_mainBarShown = !m_mainBarShown;
    ShowBar(0, m_mainBarShown ? 1 : 0);
}

void CMainFrame::OnShowTreeBar()
{
    m_treeBarShown = !m_treeBarShown;
    ShowBar(1, m_treeBarShown ? 1 : 0);
}

// ---- Help and pages -----------------------------------------------------------------------------

void CMainFrame::ShowHelp(const char *fileAndTopic)
{
    MorvelankHtmlHelp(m_hWnd, App().MainPath + fileAndTopic, HH_DISPLAY_TOPIC, 0);
}

void CMainFrame::OnHelp()
{
    ShowHelp("\\pomoc.chm::/0.htm");
}

void CMainFrame::OnLegalHelp()
{
    ShowHelp("\\prawo.chm::/glowna.html");
}

void CMainFrame::OnKioRulings()
{
    ShowHelp("\\orzeczenia_kio.chm");
}

void CMainFrame::OnOffer()
{
    OpenInShell(App().MainPath + "\\oferta.html", SW_SHOWNORMAL);
}

void CMainFrame::OnCatalogue()
{
    OpenInShell(kCatalogueAddress, SW_SHOWNORMAL);
}
