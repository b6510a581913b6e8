#include "mainframe/library/library_config.h"

namespace {

// The configuration folder of the newest law version, where the libraries are kept.
const char kLibraryConfigFolder[] = "\\cnf\\202509\\";

} // namespace

CString LibraryConfigFileName(int mode)
{
    switch (mode) {
    case kLibraryZp:
        return "zp.cnf";
    case kLibraryArticles:
        return "ciekawe_artykuly.cnf";
    case kLibraryRulings:
        return "orzeczenia_kio.cnf";
    default:
        return "";
    }
}

CString LibraryConfigPath(const CString &mainPath, int mode)
{
    return mainPath + kLibraryConfigFolder + LibraryConfigFileName(mode);
}

std::vector<LibraryEntry> ParseLibraryConfig(const CString &text)
{
    std::vector<LibraryEntry> entries;
    int start = 0;
    while (start <= text.GetLength() && (int)entries.size() < kMaxLibraryEntries) {
        int end = text.Find('\n', start);
        if (end < 0)
            end = text.GetLength();
        CString line = text.Mid(start, end - start);
        start = end + 1;
        line.Trim();
        const int separator = line.Find(';');
        if (line.IsEmpty() || separator < 0)
            continue;
        LibraryEntry entry;
        entry.name = line.Left(separator);
        entry.name.Trim();
        const int next = line.Find(';', separator + 1);
        entry.title = next < 0 ? line.Mid(separator + 1) : line.Mid(separator + 1, next - separator - 1);
        entries.push_back(entry);
    }
    return entries;
}

CString LibraryFileExtension(const CString &path)
{
    const int dot = path.ReverseFind('.');
    return dot > path.ReverseFind('\\') ? path.Mid(dot + 1) : CString();
}

LibraryOpening ChooseLibraryOpening(const CString &path, const CString &officeFolder, bool exists)
{
    LibraryOpening opening;
    opening.text = path;
    if (!exists)
        return opening;
    const CString extension = LibraryFileExtension(path);
    opening.kind = LibraryOpening::Shell;
    if (extension.CompareNoCase("pdf") == 0 || officeFolder.IsEmpty())
        return opening;
    const char *program = extension.CompareNoCase("xls") == 0 ? "\\Excel.exe" : "\\WinWord.exe";
    opening.kind = LibraryOpening::CommandLine;
    opening.text = officeFolder + program + " \"" + path + "\"";
    return opening;
}
