#include "mainframe/tools/finder_search.h"

#include <windows.h>

#include <iterator>
#include <string>

#include "model/file_utils.h"
#include "framework/core/file.h"
#include "framework/core/filefind.h"

namespace {

const char *const kCurrentPatterns[] = {"*.npn", "*.npw", "*.opn", "*.opw", "*.dpn", "*.dpw",
                                        "*.ngn", "*.ngw", "*.zgn", "*.zgw", "*.wpn", "*.wpw"};
const char *const kArchivePatterns[] = {"*.ar?"};

struct KindDescription {
    const char *extension;
    const char *description;
};

const KindDescription kDescriptions[] = {
    {"npn", "Przetarg nieogran. pon. 30000 EURO"}, {"npw", "Przetarg nieogran. pow. 30000 EURO"},
    {"opn", "Przetarg ogranicz. pon. 30000 EURO"}, {"opw", "Przetarg ogranicz. pow. 30000 EURO"},
    {"dpn", "Przetarg dwustopn. pon. 30000 EURO"}, {"dpw", "Przetarg dwustopn. pow. 30000 EURO"},
    {"ngn", "Negocjacje pon. 30000 EURO"},         {"ngw", "Negocjacje pow. 30000 EURO"},
    {"zgn", "Zapytanie pon. 30000 EURO"},          {"zgw", "Zapytanie pow. 30000 EURO"},
    {"wpn", "Zam. z wolnej ręki pon. 30000 EURO"}, {"wpw", "Zam. z wolnej ręki pow. 30000 EURO"},
};

bool IsPrintable(unsigned char byte)
{
    return byte >= 32 && byte != 127;
}

std::string Folded(const CString &text, bool matchCase)
{
    std::string folded;
    for (int i = 0; i < text.GetLength(); ++i)
        folded.push_back(matchCase ? text[i] : Cp1250ToUpper(text[i]));
    return folded;
}

// The files of the folder that match the pattern, folders left out.
std::vector<CString> FilesMatching(const CString &folder, const char *pattern)
{
    std::vector<CString> names;
    CFileFind find;
    BOOL more = find.FindFile(folder + "\\" + pattern);
    while (more) {
        more = find.FindNextFile();
        if (!find.IsDots() && !find.IsDirectory())
            names.push_back(find.GetFileName());
    }
    return names;
}

std::vector<CString> SubFolders(const CString &folder)
{
    std::vector<CString> names;
    CFileFind find;
    BOOL more = find.FindFile(folder + "\\*");
    while (more) {
        more = find.FindNextFile();
        if (!find.IsDots() && find.IsDirectory())
            names.push_back(find.GetFileName());
    }
    return names;
}

} // namespace

bool FileContainsText(const CString &path, const CString &text, bool matchCase)
{
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite))
        return false;
    const std::string wanted = Folded(text, matchCase);
    const size_t overlap = wanted.empty() ? 0 : wanted.size() - 1;
    std::string block;
    block.reserve(kFinderBlock + overlap);
    char chunk[65536];
    try {
        for (UINT read; (read = file.Read(chunk, sizeof chunk)) > 0;) {
            for (UINT i = 0; i < read; ++i) {
                const unsigned char code = static_cast<unsigned char>(chunk[i]);
                if (!IsPrintable(code))
                    continue;
                block.push_back(matchCase ? chunk[i] : Cp1250ToUpper(chunk[i]));
                if (block.size() < kFinderBlock + overlap)
                    continue;
                if (block.find(wanted) != std::string::npos)
                    return true;
                block.erase(0, block.size() - overlap);
            }
        }
    } catch (CException *e) {
        e->Delete();
        return false;
    }
    return block.find(wanted) != std::string::npos;
}

FinderResult FindProceedingFiles(const CString &folder, int mode, const CString &text, bool matchCase)
{
    FinderResult result;
    result.folderFound = DirectoryExists(folder);
    if (!result.folderFound)
        return result;
    const bool current = mode == kFinderCurrent;
    const char *const *patterns = current ? kCurrentPatterns : kArchivePatterns;
    const size_t patternCount = current ? std::size(kCurrentPatterns) : std::size(kArchivePatterns);
    for (size_t p = 0; p < patternCount; ++p)
        for (const CString &name : FilesMatching(folder, patterns[p]))
            if (FileContainsText(folder + "\\" + name, text, matchCase))
                result.entries.push_back(name);

    for (const CString &sub : SubFolders(folder)) {
        const CString subFolder = folder + "\\" + sub;
        for (const CString &name : FilesMatching(subFolder, "*.dat")) {
            // Only a proceeding's own data file opens; others (such as spec.dat) have no record.
            const CString record = GetFileTitleNoExt(name) + ".baz";
            if (!FileExists(subFolder + "\\" + record))
                continue;
            if (FileContainsText(subFolder + "\\" + name, text, matchCase))
                result.entries.push_back(sub + "\\" + record);
        }
    }
    return result;
}

CString DescribeCurrentEntry(const CString &entry)
{
    const CString extension = GetFileExtension(entry);
    for (const KindDescription &kind : kDescriptions)
        if (extension.CompareNoCase(kind.extension) == 0)
            return kind.description;
    return CString();
}

bool ReadArchiveDescription(const CString &path, CString &description)
{
    description.Empty();
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite))
        return false;
    try {
        const auto readExactly = [&](void *buffer, UINT count) { return file.Read(buffer, count) == count; };
        unsigned char skipped[256];
        unsigned char lengths[2];
        if (!readExactly(skipped, 14) || !readExactly(lengths, 2) || !readExactly(skipped, lengths[0])
            || !readExactly(skipped, lengths[1]) || !readExactly(skipped, 1))
            return false;
        unsigned char length = 0;
        char text[256];
        if (!readExactly(&length, 1) || !readExactly(text, length))
            return false;
        description = CString(text, length);
    } catch (CException *e) {
        e->Delete();
        return false;
    }
    return true;
}
