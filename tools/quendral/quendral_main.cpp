// Quendral: the spreadsheet exporter that the table editor and the summaries start without
// arguments once they have written "export.dat" to the export folder. It makes a workbook of
// the file and opens it with the spreadsheet program the shell knows; the program does not
// wait, so every failure is told to the user here.

#include "framework/core/codepage.h"
#include "tools/quendral/workbook_export.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

const wchar_t kCaption[] = L"Eksport do arkusza";

std::wstring Wide(const std::string &cp1250)
{
    return Cp1250ToWide(cp1250.c_str(), static_cast<int>(cp1250.size()));
}

int Tell(const std::wstring &text, UINT icon)
{
    MessageBoxW(nullptr, text.c_str(), kCaption, MB_OK | icon);
    return icon == MB_ICONERROR ? 1 : 0;
}

} // namespace

int main()
{
    const std::wstring folder = ExportFolderSetting();
    if (folder.empty())
        return Tell(Wide("Nie ustawiono folderu eksportu programu Morvelank (Ustawienia)."), MB_ICONERROR);
    std::wstring workbook;
    std::string error;
    if (!ExportToWorkbook(folder, workbook, error))
        return Tell(Wide(error), MB_ICONERROR);
    const HINSTANCE opened = ShellExecuteW(nullptr, L"open", workbook.c_str(), nullptr, folder.c_str(), SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(opened) <= 32)
        return Tell(Wide("Arkusz zapisano w pliku:\n") + workbook
                        + Wide("\nNie znaleziono programu, który otwiera arkusze (.xlsx)."),
                    MB_ICONINFORMATION);
    return 0;
}
