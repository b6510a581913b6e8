// Faults a document must not carry when it leaves the program: what cleaning for output leaves
// behind in the text, and broken rows in an exported RTF table.
#pragma once

#include <cctype>
#include <cstdlib>
#include <string>
#include <vector>

#include "framework/core/cstring.h"

inline std::vector<std::string> Paragraphs(const CString &text)
{
    std::vector<std::string> paragraphs;
    std::string all = text.GetString();
    size_t start = 0;
    for (size_t end; (end = all.find('\r', start)) != std::string::npos; start = end + 1)
        paragraphs.push_back(all.substr(start, end - start));
    paragraphs.push_back(all.substr(start));
    return paragraphs;
}

// A paragraph that is nothing but a list number ("6.", "2. .").
inline bool IsLoneNumber(const std::string &paragraph)
{
    size_t i = paragraph.find_first_not_of(' ');
    if (i == std::string::npos || !isdigit(static_cast<unsigned char>(paragraph[i])))
        return false;
    return paragraph.find_first_not_of("0123456789.)\t :;,-", i) == std::string::npos;
}

inline int ListNumber(const std::string &paragraph)
{
    size_t digits = 0;
    while (digits < paragraph.size() && digits < 3 && isdigit(static_cast<unsigned char>(paragraph[digits])))
        ++digits;
    if (digits == 0 || digits + 1 >= paragraph.size() || paragraph[digits] != '.' || paragraph[digits + 1] != '\t')
        return 0;
    return atoi(paragraph.substr(0, digits).c_str());
}

// Faults any cleaned document must not show; empty when it shows none.
inline std::string OutputFaults(const CString &cleaned)
{
    std::string faults;
    // "[ ]" may be a form's own box for the reader to tick; a chosen option's mark may not.
    for (const char *left : {" [o] ", "^^^^^", "podział strony"})
        if (cleaned.Find(left) >= 0)
            faults += std::string("left: ") + left + "\n";
    int previous = 0;
    for (const std::string &paragraph : Paragraphs(cleaned)) {
        if (IsLoneNumber(paragraph))
            faults += "lone number: \"" + paragraph + "\"\n";
        const int number = ListNumber(paragraph);
        // A list goes on by one, or a new one starts at 1.
        if (number > 1 && number != previous + 1)
            faults += "gap before: \"" + paragraph.substr(0, 60) + "\"\n";
        if (number > 0)
            previous = number;
    }
    return faults;
}

// The rows of an RTF text: for each row its cell edges and how many cells it holds.
struct RtfRow {
    std::vector<int> edges;
    int cells = 0;
};

inline std::vector<RtfRow> RtfRows(const std::string &rtf)
{
    std::vector<RtfRow> rows;
    for (size_t at = rtf.find("\\trowd"); at != std::string::npos; at = rtf.find("\\trowd", at + 1)) {
        const size_t end = rtf.find("\\row", at + 6);
        const std::string row = rtf.substr(at, end == std::string::npos ? std::string::npos : end - at);
        RtfRow parsed;
        for (size_t cell = row.find("\\cell"); cell != std::string::npos; cell = row.find("\\cell", cell + 1)) {
            if (row.compare(cell, 6, "\\cellx") == 0)
                parsed.edges.push_back(atoi(row.c_str() + cell + 6));
            else if (cell + 5 >= row.size() || !isalpha(static_cast<unsigned char>(row[cell + 5])))
                ++parsed.cells;
        }
        rows.push_back(parsed);
    }
    return rows;
}

// Every row has as many cells as edges, the edges growing within the A4 text width (twips).
inline std::string TableRowFaults(const std::vector<RtfRow> &rows)
{
    const int pageWidth = 9638;
    std::string faults;
    for (size_t r = 0; r < rows.size(); ++r) {
        const RtfRow &row = rows[r];
        bool whole =
            !row.edges.empty() && static_cast<int>(row.edges.size()) == row.cells && row.edges.back() <= pageWidth;
        for (size_t c = 1; c < row.edges.size(); ++c)
            whole = whole && row.edges[c] > row.edges[c - 1];
        if (!whole) {
            faults += "row " + std::to_string(r) + ": " + std::to_string(row.cells) + " cells, edges";
            for (int edge : row.edges)
                faults += " " + std::to_string(edge);
            faults += "\n";
        }
    }
    return faults;
}
