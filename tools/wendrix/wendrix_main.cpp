// Wendrix: the register of public contracts the main window starts ("Ewidencja zamówień
// publicznych"). It keeps the register in the installation's registers database.

#include "framework/core/codepage.h"
#include "framework/db/com_error.h"
#include "framework/ui/msgbox.h"
#include "tools/wendrix/contract_register.h"
#include "tools/wendrix/register_window.h"

#include <windows.h>
#include <commctrl.h>

namespace {

CString OwnFolder()
{
    wchar_t path[MAX_PATH * 2] = L"";
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
    std::wstring folder(path, length);
    return WideToCp1250(folder.substr(0, folder.find_last_of(L'\\')));
}

} // namespace

int main()
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    const CString folder = OwnFolder();
    const CString database = folder + "\\DB\\rejestry.mdb";
    ConnectionPtr connection;
    connection.CreateInstance();
    try {
        connection->Open("Provider=Microsoft.Jet.OLEDB.4.0;Data Source = " + database + ";");
        ContractRegister contracts(connection);
        contracts.EnsureTable();
        return RunRegisterWindow(contracts, folder);
    } catch (const ComError &error) {
        const CString text = "Nie można otworzyć bazy rejestrów " + database + ":\n" + error.Description();
        ShowSystemMessageBox(nullptr, Cp1250ToWide(text).c_str(), L"Ewidencja zam\u00f3wie\u0144 publicznych",
                    MB_OK | MB_ICONERROR);
        return 1;
    }
}
