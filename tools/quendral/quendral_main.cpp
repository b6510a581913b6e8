// Quendral: the spreadsheet exporter that the table editor and the summaries start without
// arguments once they have written "export.dat" to the export folder. It makes a workbook of
// the file, named after what it holds, and opens it with the spreadsheet program the shell
// knows; a workbook already there is replaced only on the user's word. The program does not
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

// The workbook's file: its own name, or when a workbook of that name is there already (it may
// hold the user's changes), what the user chooses; empty when the user cancels.
std::wstring ChooseTarget(const std::wstring &folder, const std::wstring &name)
{
    const std::wstring path = WorkbookPath(folder, name, false);
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES)
        return path;
    const std::wstring other = WorkbookPath(folder, name, true);
    const std::wstring question =
        Wide("Arkusz \u201e") + path.substr(folder.size() + 1)
        + Wide("\u201d jest już w folderze eksportu:\n") + folder
        + Wide("\nZastąpić go nowym? Zmiany wprowadzone w nim zostaną utracone.\n\n"
               "Tak \u2013 zastąp go, Nie \u2013 zapisz nowy arkusz jako \u201e")
        + other.substr(folder.size() + 1) + Wide("\u201d.");
    switch (MessageBoxW(nullptr, question.c_str(), kCaption, MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
        return path;
    case IDNO:
        return other;
    default:
        return std::wstring();
    }
}

} // namespace

int main()
{
    const std::wstring folder = ExportFolderSetting();
    if (folder.empty())
        return Tell(Wide("Nie ustawiono folderu eksportu programu Morvelank (Ustawienia)."), MB_ICONERROR);
    Workbook workbook;
    std::string error;
    if (!ReadExportWorkbook(folder, workbook, error))
        return Tell(Wide(error), MB_ICONERROR);
    const std::wstring target = ChooseTarget(folder, workbook.name);
    if (target.empty())
        return 0;
    if (!WriteWorkbook(target, workbook, error))
        return Tell(Wide(error), MB_ICONERROR);
    const HINSTANCE opened = ShellExecuteW(nullptr, L"open", target.c_str(), nullptr, folder.c_str(), SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(opened) <= 32)
        return Tell(Wide("Arkusz zapisano w pliku:\n") + target
                        + Wide("\nNie znaleziono programu, który otwiera arkusze (.xlsx)."),
                    MB_ICONINFORMATION);
    return 0;
}
