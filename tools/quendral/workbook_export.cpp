#include "tools/quendral/workbook_export.h"

#include "tools/quendral/export_records.h"
#include "tools/quendral/xlsx_workbook.h"
#include "tools/common/whole_file.h"
#include "tools/common/narrow_text.h"

#include <windows.h>

#include <cstdio>

namespace {

const wchar_t kSettingsKey[] = L"Software\\Dravo\\Morvelank4";

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

bool ExportToWorkbook(const std::wstring &folder, std::wstring &workbook, std::string &error)
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
    std::string xlsx;
    if (!BuildXlsx(cells, xlsx)) {
        error = "Nie udało się utworzyć arkusza (błąd kompresji).";
        return false;
    }
    const std::wstring target = folder + L"\\export.xlsx";
    if (!WriteThroughTemporary(target, xlsx)) {
        error = "Nie można zapisać arkusza:\n" + Cp1250(target)
                + "\nJeśli jest otwarty w arkuszu kalkulacyjnym, proszę go zamknąć i wyeksportować ponownie.";
        return false;
    }
    workbook = target;
    return true;
}
