// Rejestry: the registers program the main window and the contractor list start; it shows the
// contractor register of the installation's registers database.

#include <windows.h>
#include <commctrl.h>

#include "app/morvelank_app.h"
#include "proceeding/merge/contractor_register_dlg.h"

namespace {

class CRegistersApp : public CMorvelankApp {
public:
    // The register is the whole program: no main window, nothing else opened.
    BOOL InitInstance() override
    {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
        ::InitCommonControlsEx(&controls);
        MainPath = GetProgramFolder();
        MainPath.TrimRight('\\');
        if (OpenRejestryDB())
            RunContractorRegister(nullptr);
        return FALSE;
    }
};

CRegistersApp theRegistersApp;

} // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int nCmdShow)
{
    return AfxWinMain(hInstance, lpCmdLine, nCmdShow);
}
