#include "tools/quendral/workbook_export.h"

#include "framework/core/codepage.h"
#include "tools/quendral/export_records.h"
#include "tools/quendral/xlsx_workbook.h"
#include "tools/common/whole_file.h"
#include "tools/common/narrow_text.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace {

const wchar_t kSettingsKey[] = L"Software\\Dravo\\Morvelank4";

// What an export holds, told by headings its heading row has.
const struct {
    const char *headings[3];
    const char *name;
} kKnownExports[] = {
    {{"Sygnatura", "Data utworzenia", "Tryb postępowania"}, "Zestawienie postępowań"},
    {{"Przedmiot zamówienia", "Wykonawca", "Znak sprawy"}, "Ewidencja zamówień publicznych"},
};
const char kTableName[] = "Tabela";

bool HasHeading(const std::vector<ExportCell> &cells, const char *heading)
{
    return std::any_of(cells.begin(), cells.end(),
                       [heading](const ExportCell &cell) { return cell.row == 0 && cell.text == heading; });
}

std::wstring WorkbookName(const std::vector<ExportCell> &cells)
{
    for (const auto &known : kKnownExports)
        if (std::all_of(std::begin(known.headings), std::end(known.headings),
                        [&cells](const char *heading) { return HasHeading(cells, heading); }))
            return Cp1250ToWide(known.name);
    return Cp1250ToWide(kTableName);
}

bool Exists(const std::wstring &path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

std::wstring ExportFolderSetting()
{
    wchar_t value[MAX_PATH * 2] = L"";
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, L"ExportPath", RRF_RT_REG_SZ, nullptr, value, &size)
        != ERROR_SUCCESS)
        return std::wstring();
    std::wstring folder = value;
    while (!folder.empty() && folder.back() == L'\\')
        folder.pop_back();
    return folder;
}

bool ReadExportWorkbook(const std::wstring &folder, Workbook &workbook, std::string &error)
{
    const std::wstring source = folder + L"\\export.dat";
    std::string bytes;
    if (!ReadWholeFile(source, bytes)) {
        error = "Nie można odczytać pliku eksportu:\n" + Cp1250(source);
        return false;
    }
    std::vector<ExportCell> cells;
    if (!ReadExportRecords(bytes, cells, error))
        return false;
    if (!BuildXlsx(cells, workbook.bytes)) {
        error = "Nie udało się utworzyć arkusza (błąd kompresji).";
        return false;
    }
    workbook.name = WorkbookName(cells);
    return true;
}

std::wstring WorkbookPath(const std::wstring &folder, const std::wstring &name, bool keepExisting)
{
    std::wstring path = folder + L"\\" + name + L".xlsx";
    for (int number = 2; keepExisting && Exists(path); ++number)
        path = folder + L"\\" + name + L" (" + std::to_wstring(number) + L").xlsx";
    return path;
}

bool WriteWorkbook(const std::wstring &path, const Workbook &workbook, std::string &error)
{
    if (WriteThroughTemporary(path, workbook.bytes))
        return true;
    error = "Nie można zapisać arkusza:\n" + Cp1250(path)
            + "\nJeśli jest otwarty w arkuszu kalkulacyjnym, proszę go zamknąć i wyeksportować ponownie.";
    return false;
}
