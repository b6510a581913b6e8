#include "program/program_services.h"

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>
#include <ole2.h>

#include "app/morvelank_app.h"
#include "framework/ui/msgbox.h"
#include "res/resource.h"

bool InstallProgramServices(CMorvelankApp &app)
{
    CMorvelankApp::Trace("Load MSFTEDIT.DLL");
    if (!::LoadLibraryW(L"MSFTEDIT.DLL")) {
        AfxMessageBox("Could not load the RichControl Dll.", MB_ICONEXCLAMATION);
        return false;
    }
    CMorvelankApp::Trace("InitCommonControls");
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    CMorvelankApp::Trace("AfxOleInit");
    if (FAILED(::OleInitialize(nullptr))) {
        AfxMessageBox(IDP_OLE_INIT_FAILED);
        return false;
    }
    CMorvelankApp::Trace("CoInitialize");
    if (FAILED(::CoInitialize(nullptr))) {
        AfxMessageBox("Unable to initialize COM");
        return false;
    }
    CMorvelankApp::Trace("EnableShellOpen");
    app.EnableShellOpen();
    app.RegisterShellFileTypes(TRUE);
    CMorvelankApp::Trace("RegisterShellFileTypes");
    return true;
}
