// The PDF files that the test session's PDF printer writes, for tests that print for real.
#pragma once

#include <windows.h>

#include <cstdio>
#include <set>
#include <string>

namespace pdf_output {

// The PDF files now in the folder.
inline std::set<std::wstring> PdfFiles(const std::wstring &folder)
{
    std::set<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*.pdf").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do
        names.insert(found.cFileName);
    while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

inline std::string ReadBytes(const std::wstring &path)
{
    std::string bytes;
    FILE *file = _wfopen(path.c_str(), L"rb");
    if (!file)
        return bytes;
    char buffer[65536];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, file)) > 0;)
        bytes.append(buffer, n);
    fclose(file);
    return bytes;
}

// The page objects of a PDF ("/Type/Page" or "/Type /Page", not "/Pages").
inline int PdfPageCount(const std::string &pdf)
{
    int pages = 0;
    for (size_t at = pdf.find("/Type"); at != std::string::npos; at = pdf.find("/Type", at + 1)) {
        const size_t name = pdf.find_first_not_of(" \r\n", at + 5);
        if (name != std::string::npos && pdf.compare(name, 5, "/Page") == 0
            && (name + 5 >= pdf.size() || pdf[name + 5] != 's'))
            ++pages;
    }
    return pages;
}

} // namespace pdf_output
