#include "proceeding/editors/definition_list.h"

#include <memory>

#include "model/file_utils.h"
#include "model/string_utils.h"

namespace {

const char kConfigurationFolder[] = "\\cnf\\202509\\";

// The files write a line break inside a text as the two characters "\n".
CString ExpandText(const CString &text)
{
    CString expanded = text;
    expanded.Replace("\\n", "\r\n");
    expanded.Replace('\t', ' ');
    return expanded;
}

std::vector<CString> Items(const CString &text, const char *separator)
{
    int count = 0;
    std::unique_ptr<CString[]> items(SplitString(text, separator, count));
    std::vector<CString> result;
    for (int i = 0; i < count; ++i)
        result.push_back(items[i]);
    return result;
}

} // namespace

std::vector<DefinitionEntry> ParseDefinitions(const CString &fileText)
{
    std::vector<DefinitionEntry> entries;
    for (const CString &item : Items(fileText, "\n")) {
        const CString line = TrimChars(item, " \r\n·\t");
        const int dash = line.Find('-');
        if (dash <= 0)
            continue;
        // The whole text before the dash is the name: "Wykonawca-osoba" keeps its last letter.
        entries.push_back({TrimChars(line.Left(dash), " \t"), ExpandText(TrimChars(line.Mid(dash + 1), " "))});
    }
    return entries;
}

std::vector<DefinitionEntry> ParseContractScopes(const CString &fileText)
{
    std::vector<DefinitionEntry> entries;
    for (const CString &item : Items(fileText, "|")) {
        const CString record = TrimChars(item, " |\r\n·\t");
        int lineEnd = record.Find('\r');
        if (lineEnd < 0)
            lineEnd = record.Find('\n');
        if (lineEnd < 0)
            continue;
        entries.push_back(
            {TrimChars(record.Left(lineEnd), " \r\n"), ExpandText(TrimChars(record.Mid(lineEnd), " \r\n"))});
    }
    return entries;
}

CString DefinitionFilePath(const CString &mainPath, int mode)
{
    return mainPath + kConfigurationFolder + (mode == kContractScopesMode ? "wzory_umow.cnf" : "definicje.cnf");
}

DefinitionFile ReadDefinitionFile(const CString &mainPath, int mode)
{
    DefinitionFile file;
    const CString path = DefinitionFilePath(mainPath, mode);
    int failed = 0;
    const CString text = ReadFileContents(path, failed);
    if (failed != 0) {
        file.problem.Format("Nie można odczytać pliku \"%s\". Lista jest pusta.", path);
        return file;
    }
    file.entries = mode == kContractScopesMode ? ParseContractScopes(text) : ParseDefinitions(text);
    // The text ends at the first zero byte: a longer file is damaged past that point.
    if (GetFileSize(path) > text.GetLength())
        file.problem.Format("Plik \"%s\" jest uszkodzony. Lista zawiera tylko pozycje sprzed uszkodzenia.", path);
    else if (file.entries.empty())
        file.problem.Format("Plik \"%s\" nie zawiera żadnej pozycji.", path);
    return file;
}

CString ChosenDefinitionText(int mode, const DefinitionEntry &entry)
{
    return entry.name + (mode == kContractScopesMode ? "\r\n" : ": ") + entry.text;
}
