#include "proceeding/frame/child_frame.h"

#include "app/folder_copy.h"
#include "app/app_settings.h"
#include "app/main_window_services.h"
#include "app/program_windows.h"
#include "app/proceeding_view_services.h"
#include "model/project.h"
#include "framework/core/module.h"
#include "framework/ui/msgbox.h"
#include "proceeding/dialogs/header_footer_dlg.h"
#include "document/proceeding_window_view.h"
#include "proceeding/frame/tree_left_view.h"
#include "proceeding/mail/send_documents.h"
#include "proceeding/merge/mail_merge.h"
#include "res/resource.h"

namespace {

// The law version whose installed templates the private ones can be restored from.
const int kNewestFileVersion = 114;
const char kNewestTemplatesFolder[] = "szablony_202509";

// ProceedingKind of the view by the template that made the frame; -1 leaves it as it is.
int KindOfTemplate(const CDocTemplate *docTemplate)
{
    switch (WhichProgramTemplate(docTemplate)) {
    case ProgramTemplate::Proceeding:
        return 0;
    case ProgramTemplate::Contracts:
        return 3;
    case ProgramTemplate::Remedies:
        return 6;
    case ProgramTemplate::Forms:
        return 8;
    case ProgramTemplate::None:
        break;
    }
    return -1;
}

bool IsSavableKind(int kind)
{
    return kind == 0 || kind == 3 || kind == 6 || kind == 8;
}

} // namespace

IMPLEMENT_DYNCREATE(CChildFrame, CMDIChildWnd)

BEGIN_MESSAGE_MAP(CChildFrame, CMDIChildWnd)
    ON_WM_CLOSE()
    ON_WM_DESTROY()
    ON_WM_MDIACTIVATE()
    ON_COMMAND(ID_ZAMKNIJ_POSTEPOWANIE, CloseProceeding)
    ON_COMMAND(ID_ZAPISZ_POSTEPOWANIE, OnSave)
    ON_UPDATE_COMMAND_UI(ID_ZAPISZ_POSTEPOWANIE, OnUpdateSave)
    ON_COMMAND(ID_ZAWIJANIE_BRAK, OnWrapNone)
    ON_COMMAND(ID_ZAWIJANIE_OKNO, OnWrapToWindow)
    ON_COMMAND(ID_ZAWIJANIE_WYDRUK, OnWrapToPrint)
    ON_UPDATE_COMMAND_UI(ID_ZAWIJANIE_OKNO, OnUpdateWrapToWindow)
    ON_UPDATE_COMMAND_UI(ID_ZAWIJANIE_WYDRUK, OnUpdateWrapToPrint)
    ON_UPDATE_COMMAND_UI(ID_DRZEWO_DOKUMENTOW, OnUpdateDocumentTree)
    ON_COMMAND(ID_UKLAD_WIELOZADANIOWY, OnMultipartLayout)
    ON_UPDATE_COMMAND_UI(ID_UKLAD_WIELOZADANIOWY, OnUpdateMultipartLayout)
    ON_COMMAND(ID_ZABEZPIECZENIE_DOKUMENTU, OnProtectDocument)
    ON_UPDATE_COMMAND_UI(ID_ZABEZPIECZENIE_DOKUMENTU, OnUpdateProtectDocument)
    ON_COMMAND(ID_WYCZYSC_SZABLONY, OnClearTemplates)
    ON_COMMAND(ID_KREATOR_SPECYFIKACJI, OnSpecificationWizard)
    ON_UPDATE_COMMAND_UI(ID_KREATOR_SPECYFIKACJI, OnUpdateSpecificationWizard)
    ON_COMMAND(ID_NAGLOWEK_I_STOPKA, OnHeaderFooter)
    ON_COMMAND(ID_DRZEWO_DO_PLIKU, OnSaveTreeAsText)
    ON_COMMAND(ID_ZAPISZ_JAKO, OnSaveAs)
    ON_UPDATE_COMMAND_UI(ID_ZAPISZ_JAKO, OnUpdateSaveAs)
    ON_COMMAND(ID_ZMIEN_HASLO, OnChangePassword)
    ON_UPDATE_COMMAND_UI(ID_ZMIEN_HASLO, OnUpdateKindZero)
    ON_COMMAND(ID_WLASNOSCI_DOKUMENTOW, OnDocumentProperties)
    ON_UPDATE_COMMAND_UI(ID_WLASNOSCI_DOKUMENTOW, OnUpdateKindZero)
    ON_COMMAND(ID_FILE_PRINT_SETUP, OnPageSetup) // 57606, the menu's "&Ustawienia strony"
    ON_COMMAND(ID_WYSLIJ_EMAIL, OnSendByEmail)
    ON_COMMAND(ID_PRZENIES_DO_ARCHIWUM, OnMoveToArchive)
    ON_UPDATE_COMMAND_UI(ID_PRZENIES_DO_ARCHIWUM, OnUpdateKindZero)
    ON_COMMAND(ID_EDYTOR_SZABLONOW, OnTemplateEditor)
    ON_COMMAND(ID_KORESPONDENCJA_SERYJNA, OnMailMerge)
END_MESSAGE_MAP()

CChildFrame::~CChildFrame() = default;

BOOL CChildFrame::OnCreateClient(LPCREATESTRUCT, CCreateContext *pContext)
{
    m_nWrapMode = 2;
    m_pMainFrame = AfxGetTopLevelFrame(this);

    if (!m_wndSplitter.CreateStatic(this, 1, 2, WS_CHILD | WS_VISIBLE, AFX_IDW_PANE_FIRST))
        return FALSE;
    // The right pane is the view the template pairs with this frame.
    CRuntimeClass *viewClass = pContext != nullptr ? pContext->m_pNewViewClass : nullptr;
    if (viewClass == nullptr || !m_wndSplitter.CreateView(0, 0, RUNTIME_CLASS(CTreeLeftView), CSize(0, 0), pContext)
        || !m_wndSplitter.CreateView(0, 1, viewClass, CSize(100, 0), pContext)) {
        m_wndSplitter.DestroyWindow();
        return FALSE;
    }

    m_pTree = dynamic_cast<CTreeLeftView *>(m_wndSplitter.GetPane(0, 0));
    SetActiveView(m_pTree);
    m_pView = dynamic_cast<ProceedingWindowView *>(m_wndSplitter.GetPane(0, 1));
    m_pTree->SetFrame(this);
    m_pTree->SetView(m_pView);
    if (m_pView != nullptr) {
        m_pView->SetTree(m_pTree);
        const int kind = KindOfTemplate(pContext->m_pNewDocTemplate);
        if (kind >= 0)
            m_pView->SetProceedingKind(kind);
    }

    m_wndSplitter.SetColumnInfo(0, 150, 0);

    BringWindowToTop();
    // The main window's open commands set the member too; it holds the newest proceeding
    // window, and is cleared when that window goes.
    SetProceedingWindow(this);

    SetWindowText("Postępowanie");
    return TRUE;
}

void CChildFrame::ActivateFrame(int nCmdShow)
{
    HICON icon = (HICON)::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDI_EDITOR), IMAGE_ICON,
                                     ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), LR_SHARED);
    if (icon != nullptr)
        SetIcon(icon, FALSE);
    CMDIChildWnd::ActivateFrame(nCmdShow);
}

void CChildFrame::OnDestroy()
{
    ForgetProceedingWindow(this);
    CMDIChildWnd::OnDestroy();
}

void CChildFrame::OnMDIActivate(BOOL bActivate, CWnd *pActivateWnd, CWnd *pDeactivateWnd)
{
    CMDIChildWnd::OnMDIActivate(bActivate, pActivateWnd, pDeactivateWnd);
    if (m_pView != nullptr)
        m_pView->UpdateStatusBar();
}

BOOL CChildFrame::RouteToViewAndSelf(UINT nID, int nCode, void *pExtra, AFX_CMDHANDLERINFO *pHandlerInfo)
{
    if (CMDIChildWnd::RouteToViewAndSelf(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CView *documentView = dynamic_cast<CView *>(m_pView);
    return documentView != nullptr && documentView != GetActiveView()
           && documentView->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

MainWindowServices *CChildFrame::MainWindow() const
{
    return dynamic_cast<MainWindowServices *>(m_pMainFrame);
}

// ---- Closing ------------------------------------------------------------------------------------

void CChildFrame::OnClose()
{
    CloseProceeding();
}

void CChildFrame::CloseProceeding()
{
    if (auto *services = dynamic_cast<ProceedingViewServices *>(m_pView)) {
        if (!services->SaveModifiedPrompt())
            return;
    }
    if (MainWindowServices *main = MainWindow()) {
        main->SetProgressPos(0);
        for (int pane = 0; pane < 4; ++pane)
            main->SetStatusText(pane, "");
    }
    CMDIChildWnd::OnClose();
}

// ---- Saving -------------------------------------------------------------------------------------

void CChildFrame::OnSave()
{
    if (auto *services = dynamic_cast<ProceedingViewServices *>(m_pView))
        services->SaveProceeding(SaveOptions());
}

void CChildFrame::OnUpdateSave(CCmdUI *pCmdUI)
{
    pCmdUI->Enable(m_pView != nullptr && IsSavableKind(m_pView->GetProceedingKind()) && m_pView->IsModified());
}

void CChildFrame::OnSaveAs()
{
    if (m_pView != nullptr)
        m_pView->SaveProceedingAs();
}

void CChildFrame::OnUpdateSaveAs(CCmdUI *pCmdUI)
{
    pCmdUI->Enable(m_pView != nullptr && IsSavableKind(m_pView->GetProceedingKind()));
}

void CChildFrame::OnChangePassword()
{
    if (m_pView != nullptr)
        m_pView->ChangePassword();
}

void CChildFrame::OnDocumentProperties()
{
    if (m_pView != nullptr)
        m_pView->EditDocumentProperties();
}

void CChildFrame::OnMoveToArchive()
{
    if (m_pView != nullptr)
        m_pView->MoveToArchive();
}

void CChildFrame::OnTemplateEditor()
{
    if (m_pView != nullptr)
        m_pView->StartTemplateEditor();
}

void CChildFrame::OnPageSetup()
{
    if (m_pView != nullptr)
        m_pView->GetPageSize();
}

void CChildFrame::OnUpdateKindZero(CCmdUI *pCmdUI)
{
    pCmdUI->Enable(m_pView != nullptr && m_pView->GetProceedingKind() == 0);
}

// ---- View ---------------------------------------------------------------------------------------

void CChildFrame::ApplyWordWrap(int mode)
{
    HMENU menu = m_pMainFrame != nullptr ? ::GetMenu(m_pMainFrame->m_hWnd) : nullptr;
    const UINT ids[] = {ID_ZAWIJANIE_BRAK, ID_ZAWIJANIE_OKNO, ID_ZAWIJANIE_WYDRUK};
    if (menu != nullptr) {
        for (UINT id : ids)
            ::CheckMenuItem(menu, id, MF_BYCOMMAND | MF_UNCHECKED);
        if (mode != 0)
            ::CheckMenuItem(menu, ids[mode], MF_BYCOMMAND | MF_CHECKED);
    }
    if (MainWindowServices *main = MainWindow())
        main->ShowBar(0, 1);
    if (mode == 0 && menu != nullptr)
        ::CheckMenuItem(menu, ids[0], MF_BYCOMMAND | MF_CHECKED);
    if (m_pView != nullptr) {
        m_pView->SetWordWrap(mode);
        // The check marks follow the mode in force.
        m_nWrapMode = mode;
    }
}

void CChildFrame::OnUpdateWrapToWindow(CCmdUI *pCmdUI)
{
    pCmdUI->SetCheck(m_nWrapMode == 1);
}

void CChildFrame::OnUpdateWrapToPrint(CCmdUI *pCmdUI)
{
    pCmdUI->SetCheck(m_nWrapMode == 2);
}

void CChildFrame::OnUpdateDocumentTree(CCmdUI *pCmdUI)
{
    int width = 0;
    int minimum = 0;
    if (m_wndSplitter.GetSafeHwnd() != nullptr)
        m_wndSplitter.GetColumnInfo(0, width, minimum);
    pCmdUI->SetCheck(width != 0);
}

void CChildFrame::OnMultipartLayout()
{
    if (m_pView != nullptr)
        m_pView->RegenerateDocument();
}

void CChildFrame::OnUpdateMultipartLayout(CCmdUI *pCmdUI)
{
    if (m_pView != nullptr)
        m_pView->OnUpdateMultipartLayout(pCmdUI);
    else
        pCmdUI->Enable(FALSE);
}

void CChildFrame::OnUpdateSpecificationWizard(CCmdUI *pCmdUI)
{
    const bool specification = m_pView != nullptr && m_pView->GetDocumentState(-1) == 2;
    if (MainWindowServices *main = MainWindow())
        main->ShowFormatBar(specification ? 1 : 0);
    pCmdUI->Enable(specification);
}

void CChildFrame::OnSpecificationWizard()
{
    if (m_pView != nullptr && m_pView->GetDocumentState(-1) == 2)
        m_pView->RunSpecificationWizard();
}

// ---- Documents ----------------------------------------------------------------------------------

void CChildFrame::OnProtectDocument()
{
    if (m_pTree != nullptr)
        m_pTree->ProtectSelectedDocument();
}

void CChildFrame::OnUpdateProtectDocument(CCmdUI *pCmdUI)
{
    pCmdUI->Enable(m_pView != nullptr && m_pView->GetProceedingKind() == 0 && m_pTree != nullptr
                   && m_pTree->IsDocumentSelected());
}

void CChildFrame::OnHeaderFooter()
{
    if (m_pView == nullptr)
        return;
    CProject &project = m_pView->GetProject();
    CHeaderFootSettingsDlg dialog(this);
    dialog.m_strHeader = project.m_strHeader;
    dialog.m_strFooter = project.m_strFooter;
    dialog.m_nPageNumbering = project.m_nPageNumbering;
    if (dialog.DoModal() != IDOK)
        return;
    project.m_strHeader = dialog.m_strHeader;
    project.m_strFooter = dialog.m_strFooter;
    project.m_nPageNumbering = dialog.m_nPageNumbering;
    m_pView->SetModified();
}

void CChildFrame::OnSendByEmail()
{
    SendDocumentsByEmail(this, m_pView, OpenMapiSession);
}

void CChildFrame::OnMailMerge()
{
    RunMailMerge(this, m_pView, MainWindow());
}

void CChildFrame::OnSaveTreeAsText()
{
    if (m_pTree != nullptr)
        m_pTree->SaveTreeAsText("");
}

// ---- Templates ----------------------------------------------------------------------------------

void CChildFrame::OnClearTemplates()
{
    if (m_pView == nullptr)
        return;
    const int version = m_pView->GetFileVersion();
    if (version < 0) {
        AfxShowMessageBox(m_hWnd, "Należy utworzyć nowe lub rozpocząć edycję postępowania przed edycją szablonów.",
                          "Informacja", MB_OK | MB_ICONERROR);
        return;
    }
    if (version == kNewestFileVersion) {
        if (AfxShowMessageBox(m_hWnd,
                              "Czy skasować wszystkie prywatne szablony?\nUwaga! Operacja ta jest nieodwracalna!",
                              "Pytanie", MB_YESNO | MB_ICONQUESTION)
            == IDYES)
            RestoreOriginalTemplates();
        return;
    }
    AfxShowMessageBox(m_hWnd,
                      "Operację przywracania oryginalnych szablonów można przeprowadzić tylko dla najnowszej, "
                      "ostatniej wersji dokumentacji.",
                      "Informacja", MB_OK | MB_ICONERROR);
}

void CChildFrame::RestoreOriginalTemplates()
{
    const AppSettings *settings = GetProgramSettings();
    if (settings == nullptr)
        return;
    CWaitCursor wait;
    CopyFolder(settings->MainPath + "\\" + kNewestTemplatesFolder, settings->UserTemplatesPath, 1);
}
