#include "tools/tavrimonk/rtf_tables.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

const char kPlaceholder[] = "<<table>>";
const int kA4TextWidth = 11906 - 2 * 1134;
// Room beside a cell's text, and the least width a column takes.
const int kCellGap = 108;
const int kNarrowestColumn = 567;
// Every cell framed, as the HTML export's table is.
const char kCellBorders[] = "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10"
                            "\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10";

// The value of the first control word `word` followed by a number, held between 0 and sixty
// inches (more than any page), or 0 when the word is not there.
int ControlLength(const std::string &rtf, const std::string &word)
{
    const long kMaxLength = 1440 * 60;
    const std::string control = "\\" + word;
    for (size_t at = rtf.find(control); at != std::string::npos; at = rtf.find(control, at + 1)) {
        const size_t digits = at + control.size();
        if (digits < rtf.size() && (isdigit(static_cast<unsigned char>(rtf[digits])) || rtf[digits] == '-'))
            return static_cast<int>(std::clamp(strtol(rtf.c_str() + digits, nullptr, 10), 0L, kMaxLength));
    }
    return 0;
}

int TextWidth(const std::string &rtf)
{
    const int paper = ControlLength(rtf, "paperw");
    const int width = paper - ControlLength(rtf, "margl") - ControlLength(rtf, "margr");
    return width > 0 && paper > 0 ? width : kA4TextWidth;
}

// A cell's code page 1250 text as RTF: the export's trailing blank goes, RTF's own characters
// and every letter beyond ASCII are escaped.
std::string RtfText(std::string text)
{
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    std::string rtf;
    for (unsigned char c : text) {
        if (c == '\\' || c == '{' || c == '}') {
            rtf += '\\';
            rtf += static_cast<char>(c);
        } else if (c == '\n') {
            rtf += "\\line ";
        } else if (c >= 0x80) {
            char escaped[8];
            snprintf(escaped, sizeof escaped, "\\'%02x", c);
            rtf += escaped;
        } else if (c != '\r') {
            rtf += static_cast<char>(c);
        }
    }
    return rtf;
}

std::string TableRtf(const TextTable &table, int textWidth)
{
    std::vector<int> longest(static_cast<size_t>(table.columns), 1);
    for (int row = 0; row < table.rows; ++row)
        for (int column = 0; column < table.columns; ++column)
            longest[column] = std::max<int>(longest[column], static_cast<int>(table.Cell(row, column).size()));
    int letters = 0;
    for (int length : longest)
        letters += length;
    std::string edges;
    int edge = 0;
    for (int length : longest) {
        edge += std::max(kNarrowestColumn, static_cast<int>(static_cast<long long>(textWidth) * length / letters));
        edges += kCellBorders + std::string("\\cellx") + std::to_string(edge);
    }
    std::string rtf = "\\par ";
    for (int row = 0; row < table.rows; ++row) {
        rtf += "\\trowd\\trgaph" + std::to_string(kCellGap) + edges;
        for (int column = 0; column < table.columns; ++column)
            rtf += "\\pard\\intbl " + RtfText(table.Cell(row, column)) + "\\cell ";
        rtf += "\\row ";
    }
    return rtf + "\\pard ";
}

} // namespace

std::string RtfWithTables(const std::string &rtf, const std::vector<TextTable> &tables)
{
    const int textWidth = TextWidth(rtf);
    std::string result;
    size_t from = 0;
    for (const TextTable &table : tables) {
        const size_t at = rtf.find(kPlaceholder, from);
        if (at == std::string::npos)
            break;
        result += rtf.substr(from, at - from) + TableRtf(table, textWidth);
        from = at + sizeof kPlaceholder - 1;
    }
    return result + rtf.substr(from);
}
