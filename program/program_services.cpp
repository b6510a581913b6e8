#include "program/program_services.h"

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>
#include <ole2.h>

#include "app/morvelank_app.h"
#include "document/view/morvelank_view.h"
#include "framework/ui/msgbox.h"
#include "mainframe/my_preview_view.h"
#include "mainframe/schedule_folder_chooser.h"
#include "mainframe/view_tool_dialogs.h"
#include "proceeding/dialogs/dialog_prompts.h"
#include "proceeding/editors/editor_runner.h"
#include "res/resource.h"

namespace {

// The proceeding's prompts and value editors, the view's tool dialogs, the calendar's folder
// chooser and the print preview's view all live above the code that shows them.
void InstallWindowServices()
{
    InstallDialogPrompts();
    RegisterDialogEditorRunner();
    InstallViewToolPrompts();
    InstallScheduleFolderChooser();
    CMorvelankView::SetPreviewViewClass(RUNTIME_CLASS(CMyPreviewView));
}

} // namespace

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
    InstallWindowServices();
    return true;
}
