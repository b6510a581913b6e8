#include "proceeding/editors/tech_spec.h"

#include <memory>

#include "model/string_utils.h"

namespace {

// The law version whose configuration folder holds the headings.
const char kConfigurationFolder[] = "202509";

std::vector<CString> Split(const CString &text, const char *separator)
{
    int count = 0;
    std::unique_ptr<CString[]> items(SplitString(text, separator, count));
    return std::vector<CString>(items.get(), items.get() + count);
}

// "1", "2.3", "10.": the number a heading may start with.
bool IsHeadingNumber(const CString &text)
{
    if (text.IsEmpty())
        return false;
    for (int i = 0; i < text.GetLength(); ++i)
        if ((text[i] < '0' || text[i] > '9') && text[i] != '.')
            return false;
    return true;
}

} // namespace

CString SpecificationHeadingsPath(const CString &mainPath)
{
    return mainPath + "\\cnf\\" + kConfigurationFolder + "\\specyfikacja_techniczna.cnf";
}

CString SpecificationDefinitionsPath(const CString &mainPath, int heading)
{
    CString path;
    path.Format("%s\\specyfikacja\\%d.txt", mainPath, heading);
    return path;
}

std::vector<CString> ParseSpecificationHeadings(const CString &fileText)
{
    std::vector<CString> headings;
    for (CString line : Split(fileText, "\n")) {
        line.Remove('\r');
        line = TrimChars(line, " ,");
        if (!line.IsEmpty())
            headings.push_back(line);
    }
    return headings;
}

std::vector<DefinitionEntry> ParseSpecificationDefinitions(const CString &fileText)
{
    const std::vector<CString> items = Split(fileText, "|");
    std::vector<DefinitionEntry> definitions;
    for (size_t item = 1; item + 1 < items.size() && definitions.size() < kMaxSpecificationDefinitions; item += 2)
        definitions.push_back({TrimChars(items[item], " \t\r\n"), TrimChars(items[item + 1], " \t\r\n")});
    return definitions;
}

SpecificationInsertion HeadingInsertion(int position, const CString &heading)
{
    // Only a number is cut off: a title may itself hold ". ".
    const int dot = heading.Find(". ");
    const CString title = dot > 0 && IsHeadingNumber(heading.Left(dot)) ? heading.Mid(dot + 2) : heading;
    return {position, title + "\n", kSpecificationName};
}

std::vector<SpecificationInsertion> DefinitionInsertions(int position, const std::vector<DefinitionEntry> &chosen)
{
    std::vector<SpecificationInsertion> insertions;
    if (position == kAtDocumentEnd) {
        for (const DefinitionEntry &definition : chosen) {
            insertions.push_back({position, definition.name, kSpecificationName});
            insertions.push_back({position, " - " + definition.text + "\n\n", kSpecificationText});
        }
        return insertions;
    }
    for (auto definition = chosen.rbegin(); definition != chosen.rend(); ++definition) {
        insertions.push_back({position, " - " + definition->text + "\n\n", kSpecificationText});
        insertions.push_back({position, definition->name, kSpecificationName});
    }
    return insertions;
}
