#include "proceeding/editors/cpv_dictionary.h"

#include <memory>

#include "model/file_utils.h"
#include "model/string_utils.h"

namespace {

const int kFieldCount = 3;

// The entry of one line, false when the line holds none.
bool ParseLine(const CString &rawLine, CpvEntry &entry)
{
    const CString line = TrimChars(rawLine, " \r");
    if (line.IsEmpty())
        return false;
    int count = 0;
    std::unique_ptr<CString[]> fields(SplitString(line, "|", count));
    if (count != kFieldCount)
        return false;
    entry.code = TrimChars(fields[1], " \n\r|");
    entry.name = TrimChars(fields[2], " \n\r|");
    return true;
}

bool Matches(const CpvEntry &entry, const CString &search)
{
    if (search.IsEmpty())
        return true;
    CString code = entry.code;
    CString name = entry.name;
    return code.MakeLower().Find(search) >= 0 || name.MakeLower().Find(search) >= 0;
}

} // namespace

CString CpvDictionaryPath(const CString &mainPath, int dictionary)
{
    return mainPath + "\\" + (dictionary == kCpvSupplementaryDictionary ? "cpv\\cpv_uzup.dat" : "cpv\\cpv.dat");
}

CString NormalizeCpvSearch(const CString &typed)
{
    CString search = typed;
    search.MakeLower();
    search.Trim(' ');
    return search;
}

std::vector<CpvEntry> ParseCpvDictionary(const CString &fileText, const CString &search)
{
    std::vector<CpvEntry> entries;
    int start = 0;
    while (start < fileText.GetLength()) {
        int end = fileText.Find('\n', start);
        if (end < 0)
            end = fileText.GetLength();
        CpvEntry entry;
        if (ParseLine(fileText.Mid(start, end - start), entry) && Matches(entry, search))
            entries.push_back(entry);
        start = end + 1;
    }
    return entries;
}

CpvDictionaryFile ReadCpvDictionary(const CString &mainPath, int dictionary, const CString &search)
{
    CpvDictionaryFile file;
    const CString path = CpvDictionaryPath(mainPath, dictionary);
    int failed = 0;
    const CString text = ReadFileContents(path, failed);
    if (failed != 0) {
        file.missing = !FileExists(path);
        file.problem.Format(file.missing ? "Nie znaleziono pliku słownika CPV \"%s\". Lista kodów jest pusta."
                                         : "Nie można odczytać pliku słownika CPV \"%s\". Lista kodów jest pusta.",
                            (LPCSTR)path);
        return file;
    }
    file.entries = ParseCpvDictionary(text, search);
    // The text ends at the first zero byte: a longer file is damaged past that point.
    if (GetFileSize(path) > text.GetLength())
        file.problem.Format("Plik słownika CPV \"%s\" jest uszkodzony. Lista zawiera tylko kody sprzed uszkodzenia.",
                            (LPCSTR)path);
    return file;
}

std::vector<CpvTreeNode> BuildCpvTree(const std::vector<CpvEntry> &entries)
{
    std::vector<CpvTreeNode> nodes;
    CString group, division, subdivision; // the code's first two, third and fourth characters
    int groupNode = -1, divisionNode = -1, subdivisionNode = -1;
    for (const CpvEntry &entry : entries) {
        const CString a = entry.code.Left(2);
        const CString b = entry.code.Mid(2, 1);
        const CString c = entry.code.Mid(3, 1);
        int parent;
        const int node = (int)nodes.size();
        // A node that starts a prefix is also the parent of the shorter codes after it, so no
        // line lands under a node of an earlier group.
        if (a != group) {
            parent = -1;
            group = a;
            division.Empty();
            subdivision.Empty();
            groupNode = divisionNode = subdivisionNode = node;
        } else if (b != division) {
            parent = groupNode;
            division = b;
            subdivision.Empty();
            divisionNode = subdivisionNode = node;
        } else if (c != subdivision) {
            parent = divisionNode;
            subdivision = c;
            subdivisionNode = node;
        } else {
            parent = subdivisionNode;
        }
        nodes.push_back({entry.code + " " + entry.name, parent});
    }
    return nodes;
}

CString CpvChoiceText(const CString &code, const CString &name)
{
    return code + "\t" + name + "\r\n";
}
