#include "app/morvelank_app.h"

#include <commctrl.h>
#include <objbase.h>
#include <ole2.h>

#include "app/about_dlg.h"
#include "app/database_access.h"
#include "app/minimal_main_frame.h"
#include "app/project.h"
#include "app/system_utils.h"
#include "framework/core/codepage.h"
#include "framework/ui/frameids.h"
#include "framework/ui/msgbox.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CMorvelankApp, CWinApp)
    ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
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
    Trace("WczytajUstawieniaProgramu");
    WczytajUstawieniaProgramu();

    Trace("create main MDI Frame window");
    m_pStartFrame.reset(new CMinimalMainFrame(*this));
    if (!m_pStartFrame->CreateFrame())
        return FALSE;
    m_pMainWnd = m_pStartFrame.get();
    m_pMainWnd->DragAcceptFiles();
    Trace("UstawAutozapis");
    UstawAutozapis();
    Trace("pMainFrame->ShowWindow");
    m_pMainWnd->ShowWindow(SW_SHOWMAXIMIZED);
    m_pMainWnd->UpdateWindow();
    return TRUE;
}

int CMorvelankApp::ExitInstance()
{
    CloseMainDB();
    CloseRejestryDB();
    m_pMainWnd = nullptr;
    m_pStartFrame.reset();
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

void CMorvelankApp::UstawAutozapis()
{
    if (m_pStartFrame && m_pStartFrame->GetSafeHwnd())
        m_pStartFrame->SetAutosaveTimer();
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
    // The settings dialog belongs to the main window, which is not built yet: nothing can be
    // chosen, and the caller stops asking.
    return 0;
}
