#include "app/morvelank_app.h"

#include "app/about_dlg.h"
#include "app/database_access.h"
#include "model/project.h"
#include "app/system_utils.h"
#include "framework/core/codepage.h"
#include "framework/ui/commondlg.h"
#include "framework/ui/frameids.h"
#include "framework/ui/mdiframe.h"
#include "framework/ui/msgbox.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CMorvelankApp, CWinApp)
    ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
    ON_COMMAND(ID_FILE_OPEN, OnOpenProceedingFile)
END_MESSAGE_MAP()

namespace {

const int kCurrentDirectoryBuffer = 1000;

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

AppSettings *GetProgramSettings()
{
    return GetMorvelankApp();
}

void SaveProgramSettings()
{
    if (CMorvelankApp *app = GetMorvelankApp())
        app->SaveSettings();
}

ProceedingHeaderReader *GetProgramProceedingHeaderReader()
{
    return GetMorvelankApp();
}

MainWindowServices *GetProgramMainWindow()
{
    CMorvelankApp *app = GetMorvelankApp();
    return app ? app->GetMainWindowServices() : nullptr;
}

CMorvelankApp::CMorvelankApp(const ProgramAssembly &assembly) : m_assembly(assembly)
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
    // The templates come first: the program's services register their file types.
    if (m_assembly.createDocumentTemplates) {
        Trace("CMultiDocTemplate");
        m_assembly.createDocumentTemplates(*this);
    }
    if (m_assembly.installServices && !m_assembly.installServices(*this))
        return FALSE;
    Trace("InitInstance");
    CWinApp::InitInstance();
    Trace("AfxInitRichEdit");
    wchar_t folder[kCurrentDirectoryBuffer] = L"";
    ::GetCurrentDirectoryW(kCurrentDirectoryBuffer, folder);
    MainPath = WideToCp1250(folder);
    Trace("GetOSVersionInfo");
    OsVersion = GetOSVersionInfo();
    SetRegistryKey("Dravo");
    CCommandLineInfo commandLine;
    ParseCommandLine(commandLine);
    Trace("EnableSplashScreen");
    SplashEnabled = commandLine.m_bShowSplash;
    Trace("WczytajUstawieniaProgramu");
    WczytajUstawieniaProgramu();
    Trace("LoadStdProfileSettings");
    LoadStdProfileSettings(4);

    Trace("create main MDI Frame window");
    CRuntimeClass *mainFrameClass = m_assembly.mainFrameClass;
    CMDIFrameWnd *pMainFrame = mainFrameClass ? dynamic_cast<CMDIFrameWnd *>(mainFrameClass->CreateObject()) : nullptr;
    if (!pMainFrame)
        return FALSE;
    if (!pMainFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE)) {
        delete pMainFrame;
        return FALSE;
    }
    m_pMainWnd = pMainFrame;
    m_pMainWnd->DragAcceptFiles();
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
    AfxShowMessageBox(nullptr, "Przed rozpoczęciem pracy należy ustawić katalog postępowań bieżących", "Informacja",
                      MB_ICONINFORMATION);
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
