// The PDF files that the test session's PDF printer writes, for tests that print for real.
#pragma once

#include <windows.h>

#include <cstdio>
#include <set>
#include <string>

#include "framework/core/geometry.h"

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

// The first page's size in points as a viewer shows it: its MediaBox turned by its /Rotate (a
// landscape job lands as a portrait box turned a quarter). 0 x 0 when the page states no box.
inline CSize FirstPageAsShown(const std::string &pdf)
{
    const size_t box = pdf.find("/MediaBox");
    float left = 0, bottom = 0, right = 0, top = 0;
    if (box == std::string::npos || sscanf(pdf.c_str() + box + 9, " [ %f %f %f %f", &left, &bottom, &right, &top) != 4)
        return CSize(0, 0);
    int rotate = 0;
    const size_t rotation = pdf.find("/Rotate", box);
    if (rotation != std::string::npos && rotation < pdf.find("/MediaBox", box + 1))
        sscanf(pdf.c_str() + rotation + 7, " %d", &rotate);
    const CSize size(static_cast<int>(right - left + 0.5f), static_cast<int>(top - bottom + 0.5f));
    return rotate % 180 != 0 ? CSize(size.cy, size.cx) : size;
}

} // namespace pdf_output
