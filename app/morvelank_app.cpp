#include "app/morvelank_app.h"

#include <commctrl.h>
#include <objbase.h>
#include <ole2.h>

#include "app/about_dlg.h"
#include "app/database_access.h"
#include "model/project.h"
#include "app/system_utils.h"
#include "framework/core/codepage.h"
#include "framework/ui/commondlg.h"
#include "framework/ui/doctemplate.h"
#include "framework/ui/frameids.h"
#include "framework/ui/mdiframe.h"
#include "framework/ui/msgbox.h"
#include "res/proceeding_ids.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CMorvelankApp, CWinApp)
    ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
    ON_COMMAND(ID_FILE_OPEN, OnOpenProceedingFile)
END_MESSAGE_MAP()

namespace {

const int kCurrentDirectoryBuffer = 1000;
const UINT kContractsResource = 318;
const UINT kRemediesResource = 376;
const UINT kFormsResource = 379;
const UINT kZpLibraryResource = 319;
const UINT kLibraryResource = 320;
const UINT kInPlaceContainerResource = 6;

// The id counter of the proceeding records: table maxid of the main database.
bool TakeIdFromMainDatabase(int32_t &id)
{
    CMorvelankApp *app = GetMorvelankApp();
    return app && TakeNextProceedingId(app->GetMainConnection(), id);
}

} // namespace

CMorvelankApp *GetMorvelankApp()
{
    return static_cast<CMorvelankApp *>(AfxGetApp());
}

CMorvelankApp::CMorvelankApp()
{
    CProject::SetIdCounter(TakeIdFromMainDatabase);
}

CMorvelankApp::~CMorvelankApp()
{
    CloseMainDB();
    CloseRejestryDB();
    CProject::SetIdCounter(nullptr);
}

BOOL CMorvelankApp::InitInstance()
{
    Trace("Load MSFTEDIT.DLL");
    if (!::LoadLibraryW(L"MSFTEDIT.DLL")) {
        AfxMessageBox("Could not load the RichControl Dll.", MB_ICONEXCLAMATION);
        return FALSE;
    }
    Trace("InitCommonControls");
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    Trace("InitInstance");
    CWinApp::InitInstance();
    Trace("AfxOleInit");
    if (FAILED(::OleInitialize(nullptr))) {
        AfxMessageBox(IDP_OLE_INIT_FAILED);
        return FALSE;
    }
    Trace("AfxInitRichEdit");
    wchar_t folder[kCurrentDirectoryBuffer] = L"";
    ::GetCurrentDirectoryW(kCurrentDirectoryBuffer, folder);
    MainPath = WideToCp1250(folder);
    Trace("GetOSVersionInfo");
    OsVersion = GetOSVersionInfo();
    Trace("AfxEnableControlContainer");
    Trace("CoInitialize");
    if (FAILED(::CoInitialize(nullptr))) {
        AfxMessageBox("Unable to initialize COM");
        return FALSE;
    }
    SetRegistryKey("Dravo");
    CCommandLineInfo commandLine;
    ParseCommandLine(commandLine);
    Trace("EnableSplashScreen");
    SplashEnabled = commandLine.m_bShowSplash;
    Trace("WczytajUstawieniaProgramu");
    WczytajUstawieniaProgramu();
    Trace("LoadStdProfileSettings");
    LoadStdProfileSettings(4);

    Trace("CMultiDocTemplate");
    CreateDocumentTemplates();

    Trace("create main MDI Frame window");
    // The main frame lives above this library: it is made by its class name.
    CMDIFrameWnd *pMainFrame = dynamic_cast<CMDIFrameWnd *>(CRuntimeClass::CreateObject("CMainFrame"));
    if (!pMainFrame)
        return FALSE;
    if (!pMainFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE)) {
        delete pMainFrame;
        return FALSE;
    }
    m_pMainWnd = pMainFrame;
    m_pMainWnd->DragAcceptFiles();
    Trace("EnableShellOpen");
    EnableShellOpen();
    RegisterShellFileTypes(TRUE);
    Trace("RegisterShellFileTypes");
    if (MainWindowServices *services = GetMainWindowServices()) {
        Trace("BuildMainMenu");
        HMENU menu = services->BuildMainMenu();
        if (menu) {
            HMENU old = ::GetMenu(pMainFrame->m_hWnd);
            pMainFrame->m_hMenuDefault = menu;
            ::SetMenu(pMainFrame->m_hWnd, menu);
            if (old && old != menu)
                ::DestroyMenu(old);
        }
    }
    Trace("ProcessShellCommand");
    if (!ProcessShellCommand(commandLine))
        return FALSE;
    Trace("UstawAutozapis");
    UstawAutozapis();
    Trace("pMainFrame->ShowWindow");
    m_pMainWnd->ShowWindow(SW_SHOWMAXIMIZED);
    m_pMainWnd->UpdateWindow();
    return TRUE;
}

void CMorvelankApp::CreateDocumentTemplates()
{
    // The window classes live above this library: they are found by name. A library window
    // whose classes are not in the program keeps a null template, and its command stays
    // disabled.
    CRuntimeClass *document = CRuntimeClass::FromName("CMorvelankDoc");
    CRuntimeClass *frame = CRuntimeClass::FromName("CChildFrame");
    CRuntimeClass *view = CRuntimeClass::FromName("CMorvelankView");
    if (!document || !frame || !view)
        return;
    CRuntimeClass *libraryView = CRuntimeClass::FromName("CZPUmowyView");
    auto libraryTemplate = [&](UINT resource, const char *frameName) -> CMultiDocTemplate * {
        CRuntimeClass *libraryFrame = CRuntimeClass::FromName(frameName);
        return libraryView && libraryFrame ? new CMultiDocTemplate(resource, document, libraryFrame, libraryView)
                                           : nullptr;
    };
    ProceedingTemplate = new CMultiDocTemplate(IDR_PROCEEDING, document, frame, view);
    ContractsTemplate = new CMultiDocTemplate(kContractsResource, document, frame, view);
    ZpTemplate = libraryTemplate(kZpLibraryResource, "CZPFrame");
    ArticlesTemplate = libraryTemplate(kLibraryResource, "CCiekaweFrame");
    RulingsTemplate = libraryTemplate(kLibraryResource, "COrzeczeniaKIOFrame");
    RemediesTemplate = new CMultiDocTemplate(kRemediesResource, document, frame, view);
    FormsTemplate = new CMultiDocTemplate(kFormsResource, document, frame, view);
    const std::initializer_list<CMultiDocTemplate *> inFieldOrder = {
        ProceedingTemplate, ZpTemplate, ContractsTemplate, ArticlesTemplate, RulingsTemplate, RemediesTemplate, FormsTemplate};
    Trace("pDocMorvelankTemplate");
    for (CMultiDocTemplate *docTemplate : inFieldOrder)
        if (docTemplate)
            docTemplate->SetContainerInfo(kInPlaceContainerResource);
    Trace("AddDocTemplate");
    for (CMultiDocTemplate *docTemplate : inFieldOrder)
        if (docTemplate)
            AddDocTemplate(docTemplate);
}

CDocument *CMorvelankApp::OpenDocumentFile(LPCTSTR lpszFileName)
{
    // Proceedings open by their record file, through the main window; what else reaches here
    // (a dropped file, the command line, the recent-file list) is named by that file too.
    const CString path = lpszFileName ? lpszFileName : "";
    MainWindowServices *services = GetMainWindowServices();
    if (!services || path.Right(4).CompareNoCase(".baz") != 0)
        return CWinApp::OpenDocumentFile(lpszFileName);
    const CString folder = path.Left(path.ReverseFind('\\'));
    const CString fileName = path.Mid(path.ReverseFind('\\') + 1);
    CMDIChildWnd *before = ProceedingWindow;
    services->OpenProject(0, 0, folder, fileName);
    return ProceedingWindow && ProceedingWindow != before ? ProceedingWindow->GetActiveDocument() : nullptr;
}

void CMorvelankApp::OnOpenProceedingFile()
{
    CFileDialog dialog(TRUE, "baz", nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST,
                       "Postępowania (*.baz)|*.baz|Wszystkie pliki (*.*)|*.*||", m_pMainWnd);
    dialog.m_ofn.lpstrInitialDir = WorkingPath;
    if (dialog.DoModal() == IDOK)
        OpenDocumentFile(dialog.GetPathName());
}

int CMorvelankApp::ExitInstance()
{
    CloseMainDB();
    CloseRejestryDB();
    m_pMainWnd = nullptr;
    return CWinApp::ExitInstance();
}

void CMorvelankApp::OnAppAbout()
{
    CAboutDlg about;
    about.DoModal();
}

CString CMorvelankApp::GetTitle()
{
    return "Morvelank, wrzesień 2025";
}

CString CMorvelankApp::GetProgramFolder()
{
    wchar_t path[MAX_PATH] = L"";
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    const CString program = WideToCp1250(path);
    return program.Left(program.ReverseFind('\\') + 1);
}

BOOL CMorvelankApp::PreTranslateMessage(MSG *pMsg)
{
    MainWindowServices *services = GetMainWindowServices();
    if (services && services->PreTranslateAppMessage(pMsg))
        return TRUE;
    return CWinApp::PreTranslateMessage(pMsg);
}

MainWindowServices *CMorvelankApp::GetMainWindowServices() const
{
    return m_pMainWnd && m_pMainWnd->GetSafeHwnd() ? dynamic_cast<MainWindowServices *>(m_pMainWnd) : nullptr;
}

void CMorvelankApp::UstawAutozapis()
{
    if (MainWindowServices *services = GetMainWindowServices())
        services->SetAutosaveTimer();
}

int CMorvelankApp::EnsureCurrentFolder()
{
    if (!WorkingPath.IsEmpty())
        return 1;
    AfxShowMessageBox(nullptr, "Przed rozpoczęciem pracy należy ustawić katalog postępowań bieżących",
                      "Informacja", MB_ICONINFORMATION);
    int result = 1;
    while (WorkingPath.IsEmpty()) {
        result = ChooseCurrentFolder();
        if (result == 0)
            break;
    }
    return result;
}

int CMorvelankApp::ChooseCurrentFolder()
{
    // The settings dialog belongs to the main window; without one nothing can be chosen and
    // the caller stops asking.
    MainWindowServices *services = GetMainWindowServices();
    return services ? services->RunSettingsDialog(1) : 0;
}
