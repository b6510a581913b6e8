#include "tools/quendral/workbook_export.h"

#include "tools/quendral/export_records.h"
#include "tools/quendral/xlsx_workbook.h"

#include <windows.h>

#include <cstdio>

namespace {

const wchar_t kSettingsKey[] = L"Software\\Dravo\\Morvelank4";

bool ReadWholeFile(const std::wstring &path, std::string &bytes)
{
    FILE *file = _wfopen(path.c_str(), L"rb");
    if (!file)
        return false;
    char buffer[65536];
    size_t count;
    while ((count = fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, count);
    const bool ok = !ferror(file);
    fclose(file);
    return ok;
}

bool WriteThroughTemporary(const std::wstring &path, const std::string &bytes)
{
    const std::wstring temporary = path + L".tmp";
    FILE *file = _wfopen(temporary.c_str(), L"wb");
    if (!file)
        return false;
    const bool written = fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (fclose(file) != 0 || !written ||
        !MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}

std::string Cp1250(const std::wstring &text)
{
    const int length =
        WideCharToMultiByte(1250, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(length > 0 ? length : 0), '\0');
    if (length > 0)
        WideCharToMultiByte(1250, 0, text.c_str(), static_cast<int>(text.size()), &bytes[0], length, nullptr,
                            nullptr);
    return bytes;
}

} // namespace

std::wstring ExportFolderSetting()
{
    wchar_t value[MAX_PATH * 2] = L"";
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, L"ExportPath", RRF_RT_REG_SZ, nullptr, value, &size) !=
        ERROR_SUCCESS)
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
        error = "Nie można zapisać arkusza:\n" + Cp1250(target) +
                "\nJeśli jest otwarty w arkuszu kalkulacyjnym, proszę go zamknąć i wyeksportować ponownie.";
        return false;
    }
    workbook = target;
    return true;
}
