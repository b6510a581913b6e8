#include "tools/tavrimonk/converter.h"

#include "framework/shell/rich_text_document.h"
#include "tools/common/whole_file.h"
#include "tools/common/narrow_text.h"
#include "tools/tavrimonk/html_export.h"
#include "tools/tavrimonk/rtf_tables.h"
#include "tools/tavrimonk/table_file.h"

namespace {

enum Format { FormatDoc = 0, FormatHtml = 1 };

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

    std::vector<TextTable> tables;
    std::string tableBytes;
    // Without a table file the tables stay as their placeholders.
    if (ReadWholeFile(tablesPath, tableBytes)) {
        std::string error;
        if (!ReadTableFile(tableBytes, tables, error))
            return error;
    }
    const std::string output = format == FormatDoc ? RtfWithTables(rtf, tables)
                                                   : DocumentToHtml(RichTextDocument::FromRtf(rtf), tables);
    if (!WriteThroughTemporary(targetPath, output))
        return "Nie można zapisać pliku " + Cp1250(targetPath);
    return std::string();
}
