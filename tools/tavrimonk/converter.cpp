#include "tools/tavrimonk/converter.h"

#include "framework/shell/rich_text_document.h"
#include "tools/tavrimonk/html_export.h"
#include "tools/tavrimonk/table_file.h"

#include <windows.h>

#include <cstdio>

namespace {

enum Format { FormatDoc = 0, FormatHtml = 1 };

std::string Cp1250(const std::wstring &text)
{
    int length =
        ::WideCharToMultiByte(1250, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(length), '\0');
    ::WideCharToMultiByte(1250, 0, text.c_str(), static_cast<int>(text.size()), &narrow[0], length, nullptr, nullptr);
    return narrow;
}

bool ReadWholeFile(const std::wstring &path, std::string &bytes)
{
    FILE *file = _wfopen(path.c_str(), L"rb");
    if (file == nullptr)
        return false;
    bytes.clear();
    char buffer[65536];
    size_t count;
    while ((count = fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, count);
    bool ok = ferror(file) == 0;
    fclose(file);
    return ok;
}

// Through a temporary file in the target's folder, so a failure never leaves half a file.
bool WriteWholeFile(const std::wstring &path, const std::string &bytes)
{
    std::wstring temporary = path + L".tmp";
    FILE *file = _wfopen(temporary.c_str(), L"wb");
    if (file == nullptr)
        return false;
    bool ok = fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = fclose(file) == 0 && ok;
    if (ok) {
        ok = ::MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    }
    if (!ok)
        ::DeleteFileW(temporary.c_str());
    return ok;
}

} // namespace

std::string RunConversion(const std::vector<std::wstring> &arguments)
{
    if (arguments.size() != 4 || (arguments[0] != L"0" && arguments[0] != L"1")) {
        return "Użycie: Tavrimonk <format 0 DOC lub 1 HTML> \"<plik RTF>\" \"<plik docelowy>\" "
               "\"<plik tabel>\"";
    }
    const Format format = arguments[0] == L"0" ? FormatDoc : FormatHtml;
    const std::wstring &rtfPath = arguments[1];
    const std::wstring &targetPath = arguments[2];
    const std::wstring &tablesPath = arguments[3];

    std::string rtf;
    if (!ReadWholeFile(rtfPath, rtf))
        return "Nie można odczytać pliku " + Cp1250(rtfPath);

    std::string output;
    if (format == FormatDoc) {
        output = rtf;
    } else {
        std::vector<TextTable> tables;
        std::string tableBytes;
        // Without a table file the tables stay as their placeholders.
        if (ReadWholeFile(tablesPath, tableBytes)) {
            std::string error;
            if (!ReadTableFile(tableBytes, tables, error))
                return error;
        }
        output = DocumentToHtml(RichTextDocument::FromRtf(rtf), tables);
    }
    if (!WriteWholeFile(targetPath, output))
        return "Nie można zapisać pliku " + Cp1250(targetPath);
    return std::string();
}
