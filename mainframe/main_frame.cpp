#include "mainframe/main_frame.h"

#include <exception>

#include "app/database_upgrade.h"
#include "app/morvelank_app.h"
#include "model/file_utils.h"
#include "app/system_utils.h"
#include "framework/core/exceptions.h"
#include "framework/ui/frameids.h"
#include "document/files/document_sets.h"
#include "document/proceeding_loader.h"
#include "model/project.h"
#include "framework/ui/msgbox.h"
#include "mainframe/outside_program.h"
#include "mainframe/preview_dlg.h"
#include "mainframe/wizard/kreator_dlg.h"
#include "proceeding/frame/child_frame.h"
#include "mainframe/splash_wnd.h"
#include "res/resource.h"

IMPLEMENT_DYNCREATE(CMainFrame, CMDIFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CMDIFrameWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_CLOSE()
    ON_WM_TIMER()
    ON_NOTIFY(TBN_DROPDOWN, AFX_IDW_TOOLBAR, OnToolbarDropDown)
    ON_COMMAND(ID_NOWY, OnNewProceeding)
    ON_COMMAND(ID_DOKUMENTY_ZP, OnZpDocuments)
    ON_COMMAND(ID_CIEKAWE_ARTYKULY, OnInterestingArticles)
    ON_COMMAND_EX(ID_UMOWY, OnNewOtherDocument)
    ON_COMMAND_EX(ID_UMOWY_NOWE, OnNewOtherDocument)
    ON_COMMAND_EX(ID_SRODKI_OCHRONY, OnNewOtherDocument)
    ON_COMMAND_EX(ID_SRODKI_NOWE, OnNewOtherDocument)
    ON_COMMAND_EX(ID_WZORY_WYKONAWCOW, OnNewOtherDocument)
    ON_COMMAND_EX(ID_WZORY_NOWE, OnNewOtherDocument)
    ON_COMMAND_EX(ID_UMOWY_OTWORZ, OnOpenOtherDocument)
    ON_COMMAND_EX(ID_UMOWY_2006, OnOpenOtherDocument)
    ON_COMMAND_EX(ID_SRODKI_OTWORZ, OnOpenOtherDocument)
    ON_COMMAND_EX(ID_WZORY_OTWORZ, OnOpenOtherDocument)
    ON_COMMAND(ID_REJESTRY, OnRegisters)
    ON_COMMAND(ID_EWIDENCJA, OnOrderRegister)
    ON_COMMAND(ID_EWIDENCJA_TOOLBAR, OnOrderRegister)
    ON_COMMAND(ID_KALKULATOR, OnCalculator)
    ON_COMMAND(ID_USTAWIENIA, OnSettings)
    ON_COMMAND(ID_DANE_ZAMAWIAJACEGO, OnBuyerData)
    ON_COMMAND(ID_LISTA_OKIEN, OnWindowList)
    ON_COMMAND(ID_PASEK_DRZEWA, OnTreeBar)
    ON_UPDATE_COMMAND_UI(ID_PASEK_DRZEWA, OnUpdateTreeBar)
    ON_COMMAND(ID_POKAZ_PASEK_GLOWNY, OnShowMainBar)
    ON_COMMAND(ID_POKAZ_PASEK_DRZEWA, OnShowTreeBar)
    ON_COMMAND(ID_POMOC, OnHelp)
    ON_COMMAND(ID_POMOC_PRAWNA, OnLegalHelp)
    ON_COMMAND(ID_ORZECZENIA_KIO, OnKioRulings)
    ON_COMMAND(ID_OFERTA, OnOffer)
    ON_COMMAND(ID_KATALOG, OnCatalogue)
    ON_COMMAND(ID_APP_EXIT, OnExit)
    ON_COMMAND(ID_PRZYKLADOWE, OnSampleProceedings)
    ON_COMMAND(ID_OTWORZ, OnOpenProceeding)
    ON_COMMAND(ID_OTWORZ_Z_ARCHIWUM, OnOpenFromArchive)
    ON_COMMAND(ID_ZNAJDZ_W_BIEZACYCH, OnFindInCurrent)
    ON_COMMAND(ID_ZNAJDZ_W_ARCHIWUM, OnFindInArchive)
    ON_COMMAND(ID_OBLICZ_TERMIN, OnComputeDeadline)
    ON_COMMAND(ID_KOPIA_ZAPASOWA, OnBackup)
    ON_COMMAND(ID_TERMINARZ, OnScheduler)
    ON_COMMAND(ID_CPV, OnCpv)
    ON_COMMAND(ID_ZESTAWIENIE, OnSummary)
    // Library windows and documents of the other kinds need their templates.
    ON_UPDATE_COMMAND_UI(ID_DOKUMENTY_ZP, OnUpdateTemplateCommand)
    ON_UPDATE_COMMAND_UI(ID_CIEKAWE_ARTYKULY, OnUpdateTemplateCommand)
    ON_UPDATE_COMMAND_UI(ID_UMOWY, OnUpdateTemplateCommand)
    ON_UPDATE_COMMAND_UI(ID_UMOWY_NOWE, OnUpdateTemplateCommand)
    ON_UPDATE_COMMAND_UI(ID_UMOWY_OTWORZ, OnUpdateTemplateCommand)
    ON_UPDATE_COMMAND_UI(ID_UMOWY_2006, OnUpdateTemplateCommand)
    ON_UPDATE_COMMAND_UI(ID_SRODKI_OCHRONY, OnUpdateTemplateCommand)
    ON_UPDATE_COMMAND_UI(ID_SRODKI_NOWE, OnUpdateTemplateCommand)
    ON_UPDATE_COMMAND_UI(ID_SRODKI_OTWORZ, OnUpdateTemplateCommand)
    ON_UPDATE_COMMAND_UI(ID_WZORY_WYKONAWCOW, OnUpdateTemplateCommand)
    ON_UPDATE_COMMAND_UI(ID_WZORY_NOWE, OnUpdateTemplateCommand)
    ON_UPDATE_COMMAND_UI(ID_WZORY_OTWORZ, OnUpdateTemplateCommand)
END_MESSAGE_MAP()

namespace {

const UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_DOCUMENT, ID_INDICATOR_PROGRESS, ID_INDICATOR_PROJECT};
const UINT kTreeBarId = AFX_IDW_TOOLBAR + 2;
const UINT kFormatBarId = AFX_IDW_TOOLBAR + 3;
const UINT kTreeToolsBarId = AFX_IDW_TOOLBAR + 4;
const UINT kDropDownButtons[] = {ID_UMOWY, ID_SRODKI_OCHRONY, ID_WZORY_WYKONAWCOW};
const COLORREF kSilver = RGB(192, 192, 192);
const COLORREF kPureGreen = RGB(0, 255, 0);
const DWORD kBarStyle = WS_CHILD | WS_VISIBLE | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC;

CMorvelankApp &App()
{
    return *GetMorvelankApp();
}

CString MessageOf(const CException *e)
{
    char text[512] = "";
    e->GetErrorMessage(text, sizeof text);
    return text;
}

CString WindowText(HWND window)
{
    CString text;
    CWnd::FromHandle(window)->GetWindowText(text);
    return text;
}

} // namespace

CMainFrame::CMainFrame()
{
    if (CMorvelankApp *app = GetMorvelankApp())
        CSplashWnd::EnableSplashScreen(app->SplashEnabled);
}

CMainFrame::~CMainFrame() = default;

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT &cs)
{
    if (!CMDIFrameWnd::PreCreateWindow(cs))
        return FALSE;
    cs.style &= ~FWS_ADDTOTITLE;
    // The system's default place and size; start-up maximises the window afterwards.
    cs.x = cs.y = cs.cx = cs.cy = CW_USEDEFAULT;
    return TRUE;
}

BOOL CMainFrame::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext *pContext)
{
    if (!CMDIFrameWnd::OnCreateClient(lpcs, pContext))
        return FALSE;
    return m_wndMdiClient.SubclassWindow(m_hWndMDIClient);
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    // Shown first, so it is there while the bars and the databases load.
    CSplashWnd::ShowSplashScreen(this);
    try {
        if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT, kBarStyle | CBRS_TOP, CRect(0, 0, 0, 0), AFX_IDW_TOOLBAR)
            || !m_wndToolBar.LoadToolBar(IDR_MAINFRAME)) {
            AfxShowMessageBox(m_hWnd, "error", "Błąd", MB_ICONERROR);
            return -1;
        }
        m_wndToolBar.SetBarStyle((m_wndToolBar.GetBarStyle() & ~CBRS_HIDE_INPLACE) | CBRS_TOOLTIPS | CBRS_FLYBY);
        m_treeBarFlag = 1;
        m_wndToolBar.GetToolBarCtrl().SetExtendedStyle(m_wndToolBar.GetToolBarCtrl().GetExtendedStyle()
                                                       | TBSTYLE_EX_DRAWDDARROWS);
        for (UINT id : kDropDownButtons) {
            const int index = m_wndToolBar.CommandToIndex(id);
            if (index >= 0)
                m_wndToolBar.SetButtonStyle(index, m_wndToolBar.GetButtonStyle(index) | TBBS_DROPDOWN);
        }

        if (!m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR)
            || !m_wndStatusBar.SetIndicators(kIndicators, 4))
            return -1;

        BuildImageLists(m_wndToolBar, m_mainNormal, m_mainDisabled, IDB_MAIN_TOOLBAR, IDB_MAIN_TOOLBAR_DISABLED,
                        kSilver, kPureGreen);
        CreateBars();

        SetTimer(kAlarmTimer, kAlarmPeriod);
        m_progressCreated = 0;
        m_pProgress = new CProgressCtrl;
        SetWindowText(CMorvelankApp::GetTitle());
        ShowProgress();
        SetProgressPos(0);
        for (int pane = 0; pane < 4; ++pane)
            SetStatusText(pane, "");
    } catch (CException *e) {
        AfxShowMessageBox(m_hWnd, "Błąd w trakcie ładowania programu: " + MessageOf(e), "Błąd", MB_ICONERROR);
        e->Delete();
    } catch (...) {
        AfxShowMessageBox(m_hWnd, "Nieznany błąd w trakcie ładowania programu", "Błąd", MB_ICONERROR);
    }

    WczytajAlarm();
    if (!App().OpenMainDB()) {
        AfxShowMessageBox(m_hWnd, "Błąd podczas otwierania bazy danych.", "Błąd", MB_ICONERROR);
        ::ExitProcess(1);
    }
    UpdateMorvelankDatabase();
    ImportAllMorvelank();
    try {
        App().OpenRejestryDB();
    } catch (CException *e) {
        AfxShowMessageBox(m_hWnd, "Błąd w trakcie otwierania bazy rejestrów: " + MessageOf(e), "Błąd", MB_ICONERROR);
        e->Delete();
    } catch (...) {
        AfxShowMessageBox(m_hWnd, "Nieznany błąd w trakcie otwierania bazy rejestrów", "Błąd", MB_ICONERROR);
    }
    ShowFormatBar(0);
    return 0;
}

void CMainFrame::CreateBars()
{
    m_wndTreeBar.CreateEx(this, TBSTYLE_FLAT, kBarStyle | CBRS_LEFT, CRect(0, 0, 0, 0), kTreeBarId);
    m_wndTreeBar.LoadToolBar(IDR_TREE_TOOLBAR);
    m_wndFormatBar.CreateEx(this, TBSTYLE_FLAT, (kBarStyle & ~WS_VISIBLE) | CBRS_RIGHT, CRect(0, 0, 0, 0),
                            kFormatBarId);
    m_wndFormatBar.LoadToolBar(IDR_FORMAT_TOOLBAR);

    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndToolBar);

    if (m_wndTreeToolsBar.CreateEx(this, TBSTYLE_FLAT, kBarStyle | CBRS_TOP, CRect(0, 0, 0, 0), kTreeToolsBarId)
        && m_wndTreeToolsBar.LoadToolBar(IDR_TREE_TOOLS_TOOLBAR)) {
        m_wndTreeToolsBar.EnableDocking(CBRS_ALIGN_TOP);
        DockControlBar(&m_wndTreeToolsBar);
    }

    BuildImageLists(m_wndTreeBar, m_treeNormal, m_treeDisabled, IDB_TREE_TOOLBAR, IDB_TREE_TOOLBAR_DISABLED, kPureGreen,
                    kPureGreen);
    if (m_wndTreeBar.GetSafeHwnd()) {
        m_wndTreeBar.EnableDocking(CBRS_ALIGN_LEFT);
        EnableDocking(CBRS_ALIGN_LEFT);
        DockControlBar(&m_wndTreeBar, AFX_IDW_DOCKBAR_LEFT);
    }
    if (m_wndFormatBar.GetSafeHwnd()) {
        m_wndFormatBar.EnableDocking(CBRS_ALIGN_RIGHT);
        EnableDocking(CBRS_ALIGN_RIGHT);
        DockControlBar(&m_wndFormatBar, AFX_IDW_DOCKBAR_RIGHT);
    }
}

void CMainFrame::BuildImageLists(CToolBar &bar, CImageList &normal, CImageList &disabled, UINT normalId,
                                 UINT disabledId, COLORREF normalMask, COLORREF disabledMask)
{
    if (!bar.GetSafeHwnd())
        return;
    const int kImageWidth = 32;
    if (normal.Create(normalId, kImageWidth, 1, normalMask)) {
        bar.GetToolBarCtrl().SetImageList(&normal);
        bar.GetToolBarCtrl().SetHotImageList(&normal);
    }
    if (disabled.Create(disabledId, kImageWidth, 1, disabledMask))
        bar.GetToolBarCtrl().SetDisabledImageList(&disabled);
}

BOOL CMainFrame::DestroyWindow()
{
    KillTimer(kAlarmTimer);
    KillTimer(kAutosaveTimer);
    if (m_pProgress) {
        if (m_pProgress->GetSafeHwnd())
            m_pProgress->DestroyWindow();
        delete m_pProgress;
        m_pProgress = nullptr;
        m_progressCreated = 0;
    }
    return CMDIFrameWnd::DestroyWindow();
}

void CMainFrame::OnSize(UINT nType, int cx, int cy)
{
    CMDIFrameWnd::OnSize(nType, cx, cy);
    if (m_progressCreated && m_pProgress && m_wndStatusBar.GetSafeHwnd()) {
        CRect pane;
        m_wndStatusBar.GetItemRect(1, &pane);
        ::SetWindowPos(m_pProgress->GetSafeHwnd(), HWND_TOP, pane.left, pane.top, pane.Width(), pane.Height(), 0);
    }
}

// ---- Services -----------------------------------------------------------------------------------

HMENU CMainFrame::BuildMainMenu()
{
    m_mainMenu.DestroyMenu();
    if (!m_mainMenu.LoadMenu(IDR_MAINFRAME))
        return nullptr;
    m_mainMenu.m_useMaskColor = true;
    m_mainMenu.LoadToolbar(IDR_MENU_ICONS);
    // The items keep their drawing records in m_mainMenu; only the handle changes owner.
    return m_mainMenu.Detach();
}

void CMainFrame::SetStatusText(int pane, const CString &text)
{
    if (pane < 0 || pane > 3 || !m_wndStatusBar.GetSafeHwnd())
        return;
    m_wndStatusBar.SetPaneText(pane, text);
    m_wndStatusBar.UpdateWindow();
}

void CMainFrame::ShowProgress()
{
    if (!m_pProgress)
        return;
    if (m_progressCreated) {
        m_pProgress->SetStep(25);
        return;
    }
    CRect pane;
    m_wndStatusBar.GetItemRect(1, &pane);
    if (m_pProgress->Create(WS_CHILD | WS_VISIBLE, pane, &m_wndStatusBar, IDC_STATUS_PROGRESS)) {
        m_pProgress->SetRange(0, 100);
        m_pProgress->SetPos(0);
        m_progressCreated = 1;
    }
}

void CMainFrame::SetProgressPos(int position)
{
    if (m_pProgress && m_pProgress->GetSafeHwnd())
        m_pProgress->SetPos(position);
}

void CMainFrame::SetProgressRange(int maximum)
{
    if (m_pProgress && m_pProgress->GetSafeHwnd())
        m_pProgress->SetRange32(0, maximum);
}

void CMainFrame::ShowBar(int which, int show)
{
    CToolBar *bar = which == 0 ? &m_wndToolBar : which == 1 ? &m_wndTreeBar : nullptr;
    if (!bar || !bar->GetSafeHwnd())
        return;
    bar->ShowWindow(show == 1 ? SW_SHOW : SW_HIDE);
    RecalcLayout();
}

void CMainFrame::ShowFormatBar(int show)
{
    if (m_wndFormatBar.GetSafeHwnd())
        ShowControlBar(&m_wndFormatBar, show, FALSE);
}

BOOL CMainFrame::PreTranslateAppMessage(MSG *message)
{
    return CSplashWnd::PreTranslateAppMessage(message);
}

// ---- Proceedings --------------------------------------------------------------------------------

template <typename Visit>
bool CMainFrame::ForEachProceedingView(Visit visit)
{
    CMultiDocTemplate *proceedings = App().ProceedingTemplate;
    if (!proceedings)
        return true;
    POSITION docPos = proceedings->GetFirstDocPosition();
    while (docPos) {
        CDocument *doc = proceedings->GetNextDoc(docPos);
        POSITION viewPos = doc->GetFirstViewPosition();
        while (viewPos) {
            CView *view = doc->GetNextView(viewPos);
            if (auto *proceeding = dynamic_cast<ProceedingViewServices *>(view))
                if (!visit(view, *proceeding))
                    return false;
        }
    }
    return true;
}

int CMainFrame::ActivateOpenProject(const CString &fileName, int folderKind)
{
    if (fileName.IsEmpty())
        return 0;
    const CString title = GetFileTitleNoExt(fileName);
    int activated = 0;
    CMultiDocTemplate *proceedings = App().ProceedingTemplate;
    if (!proceedings)
        return 0;
    POSITION docPos = proceedings->GetFirstDocPosition();
    while (docPos && !activated) {
        CDocument *doc = proceedings->GetNextDoc(docPos);
        POSITION viewPos = doc->GetFirstViewPosition();
        while (viewPos) {
            CView *view = doc->GetNextView(viewPos);
            auto *proceeding = dynamic_cast<ProceedingViewServices *>(view);
            if (!proceeding)
                continue;
            // Only the document's first proceeding view counts.
            if (proceeding->GetProceedingTitle() == title && (proceeding->IsFromArchive() ? 1 : 0) == folderKind) {
                if (CFrameWnd *frame = view->GetParentFrame())
                    frame->ActivateFrame();
                activated = 1;
            }
            break;
        }
    }
    return activated;
}

void CMainFrame::OpenProject(int folderKind, int sample, const CString &folder, const CString &fileName)
{
    if (ActivateOpenProject(fileName, folderKind != 0 ? 1 : 0))
        return;
    CMultiDocTemplate *proceedings = App().ProceedingTemplate;
    if (!proceedings)
        return;
    CDocument *doc = proceedings->OpenDocumentFile(nullptr);
    if (!doc)
        return;
    App().ProceedingWindow = MDIGetActive();
    // The tree is the window's first view; the proceeding is in the other one.
    ProceedingViewServices *proceeding = nullptr;
    for (POSITION viewPos = doc->GetFirstViewPosition(); viewPos && !proceeding;)
        proceeding = dynamic_cast<ProceedingViewServices *>(doc->GetNextView(viewPos));
    if (!proceeding || !proceeding->OpenProceeding(folderKind, sample, folder, fileName)) {
        doc->OnCloseDocument();
        return;
    }
    // The list names the record file the view read, with its full path: the example is not
    // listed, as it opens only by its own command and never as a proceeding of the user's.
    auto *view = dynamic_cast<ProceedingLoader *>(proceeding);
    if (view && view->GetProceedingKind() != kKindExample)
        App().AddToRecentFileList(view->GetProject().GetProjectFilePath());
}

bool CMainFrame::AskToSaveProceedings()
{
    return ForEachProceedingView([](CView *view, ProceedingViewServices &proceeding) {
        if (proceeding.IsFromArchive())
            return true;
        if (CFrameWnd *frame = view->GetParentFrame())
            frame->ActivateFrame();
        return proceeding.SaveModifiedPrompt();
    });
}

void CMainFrame::OnClose()
{
    // Every question comes before the databases close: a cancelled one leaves all as it was.
    if (!AskToSaveProceedings())
        return;
    if (!App().SaveAllModified())
        return;
    App().CloseMainDB();
    App().CloseRejestryDB();
    CMDIFrameWnd::OnClose();
}

// ---- Timers -------------------------------------------------------------------------------------

void CMainFrame::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kAlarmTimer) {
        SYSTEMTIME now;
        ::GetLocalTime(&now);
        CheckAlarms(now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute);
    } else if (nIDEvent == kAutosaveTimer) {
        Autosave();
    }
}

void CMainFrame::SetAutosaveTimer()
{
    KillTimer(kAutosaveTimer);
    CMorvelankApp &app = App();
    if (!GetSafeHwnd() || !app.AutoSaveOn)
        return;
    if (app.AutoSaveInterval < kShortestAutosave)
        app.AutoSaveInterval = kShortestAutosave;
    if (app.AutoSaveInterval > kLongestAutosave)
        app.AutoSaveInterval = kLongestAutosave;
    SetTimer(kAutosaveTimer, static_cast<UINT>(app.AutoSaveInterval) * 60000u);
}

void CMainFrame::Autosave()
{
    HCURSOR previous = ::SetCursor(::LoadCursorW(nullptr, (LPCWSTR)IDC_WAIT));
    SetStatusText(0, "Autozapis");
    try {
        SaveOptions autosave;
        autosave.onlyIfModified = true;
        ForEachProceedingView([&autosave](CView *, ProceedingViewServices &proceeding) {
            if (!proceeding.IsFromArchive())
                proceeding.SaveProceeding(autosave);
            return true;
        });
    } catch (CException *e) {
        e->Delete();
    } catch (...) {
    }
    SetStatusText(0, "");
    ::SetCursor(previous);
}

void CMainFrame::WczytajAlarm()
{
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    try {
        m_alarms.Load(App().SchedulePath, AlarmMoment{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute});
    } catch (CException *e) {
        AfxShowMessageBox(m_hWnd, "Błąd w trakcie ładowania alarmów: " + MessageOf(e), "Błąd", MB_ICONERROR);
        e->Delete();
    } catch (...) {
        AfxShowMessageBox(m_hWnd, "Nieznany błąd w trakcie ładowania alarmów", "Błąd", MB_ICONERROR);
    }
}

void CMainFrame::CheckAlarms(int year, int month, int day, int hour, int minute)
{
    // The timer keeps firing while an alarm box is open: that check waits for the box.
    if (m_showingAlarm)
        return;
    m_showingAlarm = true;
    AlarmEntry entry;
    while (m_alarms.TakeNextDue(AlarmMoment{year, month, day, hour, minute}, entry)) {
        if (!AlarmSchedule::ClearAlarmInIndex(App().SchedulePath, entry))
            AfxShowMessageBox(m_hWnd, "Błąd zapisu nagłówka", "Błąd", MB_ICONERROR);
        ShowAlarm(entry);
    }
    m_showingAlarm = false;
}

void CMainFrame::ShowAlarm(const AlarmEntry &entry)
{
    CString text;
    if (!AlarmSchedule::ReadText(App().SchedulePath, entry, text))
        return;
    CString message;
    message.Format("%04d/%02d/%02d   %02d:%02d\n\n%s", entry.year + 1900, entry.month, entry.day, entry.hour,
                   entry.minute, (LPCTSTR)text);
    AfxShowMessageBox(m_hWnd, message, "Alarm", MB_OK);
}

// ---- Database -----------------------------------------------------------------------------------

void CMainFrame::UpdateMorvelankDatabase()
{
    ::UpdateMorvelankDatabase(App().GetMainConnection());
}

void CMainFrame::ImportAllMorvelank()
{
    ::ImportAllMorvelank(App());
}

// ---- Start-up page ------------------------------------------------------------------------------

void CMainFrame::ShowStartupPage()
{
    CMorvelankApp &app = App();
    const CString page = app.MainPath + "\\reklama\\powitanie.htm";
    if (FileExists(page) && app.Greetings) {
        CPreview preview(this);
        preview.m_path = page;
        preview.DoModal();
        if (!preview.m_showNextTime) {
            CMorvelankApp::WriteRegString("greetings", "0", HKEY_CURRENT_USER, kSettingsKey);
            app.Greetings = false;
        }
    }
    NewProject();
}

void CMainFrame::NewProject()
{
    CNewProceedingWizard wizard(this);
    if (wizard.DoModal() != IDC_WIZARD_FINISH)
        return;
    const int operation = wizard.m_page1.m_nOperation;
    if (operation != kOperationOldForms && operation != kOperationNewProceeding) {
        RunWizardTool(operation, wizard);
        return;
    }
    CMultiDocTemplate *proceedings = App().ProceedingTemplate;
    if (!proceedings)
        return;
    ShowFormatBar(TRUE);
    CDocument *doc = proceedings->OpenDocumentFile(nullptr);
    if (!doc)
        return;
    if (auto *frame = dynamic_cast<CChildFrame *>(MDIGetActive()))
        App().ProceedingWindow = frame;
    ProceedingLoader *view = nullptr;
    for (POSITION viewPos = doc->GetFirstViewPosition(); viewPos && !view;)
        view = dynamic_cast<ProceedingLoader *>(doc->GetNextView(viewPos));
    if (!view
        || !view->CreateProceeding(wizard.m_wizard.m_bAct2019, wizard.m_page4.m_strName, wizard.m_page4.m_nTaskCount,
                                   wizard.m_wizard.m_nProcedureCode, wizard.m_page3.m_bAboveThreshold,
                                   wizard.m_page4.m_defaults)) {
        doc->OnCloseDocument();
        // The wizard made the folder; a proceeding that was not made leaves it empty, and an
        // empty folder would refuse the same name next time. A folder with anything in it stays.
        RemoveDirectoryA(App().WorkingPath + "\\" + wizard.m_page4.m_strName);
        return;
    }
    App().AddToRecentFileList(view->GetProject().GetProjectFilePath());
}

// The start menu's tools go the way of the main menu's commands for them; opening a
// proceeding (operations 2 and 3) the wizard has already asked for itself.
void CMainFrame::RunWizardTool(int operation, const CNewProceedingWizard &wizard)
{
    static const UINT contracts[] = {ID_UMOWY_NOWE, ID_UMOWY_OTWORZ, ID_UMOWY_2006};
    static const UINT remedies[] = {ID_SRODKI_NOWE, ID_SRODKI_OTWORZ};
    const int contractChoice = wizard.m_page7.m_nChoice;
    const int remedyChoice = wizard.m_page6.m_nChoice;
    switch (operation) {
    case kOperationFormsLibrary:
        OnZpDocuments();
        break;
    case kOperationContracts:
        if (contractChoice >= 0 && contractChoice < 3)
            SendMessage(WM_COMMAND, contracts[contractChoice]);
        break;
    case kOperationRegisters:
        OnRegisters();
        break;
    case kOperationLegalRemedies:
        if (remedyChoice >= 0 && remedyChoice < 2)
            SendMessage(WM_COMMAND, remedies[remedyChoice]);
        break;
    case kOperationAnnualReport:
        if (wizard.m_page5.m_nChoice == 0)
            OpenAnnualReportForm();
        break;
    default:
        break;
    }
}

// The form of the annual report on awarded contracts, in the word processor when one is known,
// else in the program the shell has for it. Where neither opens it, the user is told where the
// form lies, so that it can be opened by hand.
void CMainFrame::OpenAnnualReportForm()
{
    const CString path = App().MainPath + "\\zp\\ZP-SR_2014.dot";
    if (!FileExists(path)) {
        AfxShowMessageBox(m_hWnd, "Brak pliku: " + path, "Błąd", MB_ICONERROR);
        return;
    }
    bool opened = false;
    if (!App().WordPath.IsEmpty()) {
        SetStatusText(0, "Uruchamia MS Word ...");
        opened = ::WinExec(App().WordPath + "\\WinWord.exe \"" + path + "\"", SW_SHOWNORMAL) > 31;
        SetStatusText(0, "");
    } else {
        opened = OpenDocumentInShell(path);
    }
    if (!opened)
        AfxShowMessageBox(m_hWnd,
                          "Nie można otworzyć formularza sprawozdania rocznego: nie znaleziono programu, który "
                          "otwiera pliki tego rodzaju.\nFormularz znajduje się w pliku:\n"
                              + path,
                          "Błąd", MB_ICONERROR);
}

// ---- Window list --------------------------------------------------------------------------------

void CMainFrame::ListWindows(CListCtrl &list)
{
    for (HWND child = ::GetWindow(m_hWndMDIClient, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (::IsWindowVisible(child))
            list.InsertItem(list.GetItemCount(), WindowText(child));
    }
}

int CMainFrame::ActivateWindowByTitle(const CString &title)
{
    for (HWND child = ::GetWindow(m_hWndMDIClient, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (::IsWindowVisible(child) && WindowText(child) == title) {
            MDIActivate(CWnd::FromHandle(child));
            return 1;
        }
    }
    return 0;
}

int CMainFrame::CloseWindowByTitle(const CString &title)
{
    for (HWND child = ::GetWindow(m_hWndMDIClient, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (::IsWindowVisible(child) && WindowText(child) == title) {
            ::SendMessageW(child, WM_CLOSE, 0, 0);
            return 1;
        }
    }
    return 0;
}
