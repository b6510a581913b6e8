#include "document/engine/rtf_table.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "model/string_utils.h"

namespace {

const char *const kTableProlog =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1045\\deflang1045{\\fonttbl{\\f0\\froman\\fprq2\\fcharset238"
    "{\\*\\fname Arial;}Arial CE;}{\\f0\\froman\\fprq2\\fcharset238 Arial;}}\r\n"
    "{\\*\\generator Msftedit 5.41.15.1503;}\\viewkind4\\uc1\r\n";

// Every row states its own cells: a reader keeps no row's layout for the next one.
const char *const kRowProlog = "\\trowd\r\n"
                               "\\trgaph108\\trleft-108\r\n"
                               "\r\n"
                               "\\trbrdrl\\brdrs\\brdrw10 \r\n"
                               "\\trbrdrt\\brdrs\\brdrw10 \r\n"
                               "\\trbrdrr\\brdrs\\brdrw10 \r\n"
                               "\\trbrdrb\\brdrs\\brdrw10 \r\n"
                               "\r\n"
                               "\\trpaddl108\\trpaddr108\\trpaddfl3\\trpaddfr3\r\n";

const char *const kCellBorders = "\\clcbpat1\\clbrdrl\\brdrw10\\brdrs\\clbrdrt\\brdrw10\\brdrs\\clbrdrr\\brdrw10\\brdrs"
                                 "\\clbrdrb\\brdrw10\\brdrs ";

const int kNarrowestCell = 50; // twips

// Right cell edges, strictly increasing: the total width shared out in proportion to the
// widths, a column of no width (or a negative one) counted as the narrowest share.
std::vector<int> CellEdges(const std::vector<int> &widths, int columns, int totalWidth)
{
    long long sum = 0;
    for (int i = 0; i < columns; ++i)
        sum += std::max(widths[i], 1);
    const long long usable = std::max(totalWidth, kNarrowestCell * columns);
    std::vector<int> edges;
    long long covered = 0;
    int previous = 0;
    for (int i = 0; i < columns; ++i) {
        covered += std::max(widths[i], 1);
        previous = std::max(static_cast<int>(covered * usable / sum), previous + kNarrowestCell);
        edges.push_back(previous);
    }
    return edges;
}

} // namespace

CString EscapeRtfText(const CString &text)
{
    CString result;
    for (int i = 0; i < text.GetLength(); ++i) {
        const char ch = text[i];
        if (ch == '\\' || ch == '{' || ch == '}')
            result += '\\';
        result += ch;
    }
    return result;
}

CString BuildRtfTable(int columns, int rows, const std::vector<int> &widths, const std::vector<CString> &cells,
                      int totalWidth, const CString &id)
{
    if (columns <= 0 || rows <= 0 || static_cast<int>(widths.size()) < columns)
        return CString();
    CString row = kRowProlog;
    for (int edge : CellEdges(widths, columns, totalWidth))
        row.AppendFormat("%s\\cellx%d\r\n", kCellBorders, edge);
    CString rtf = kTableProlog;
    for (int r = 0; r < rows; ++r) {
        rtf += row;
        rtf += r == 0 ? "\\pard\\intbl\\b\\f0\\fs20 \r\n" : "\\pard\\intbl\\f0\\fs20 \r\n";
        for (int c = 0; c < columns; ++c) {
            const size_t index = static_cast<size_t>(r) * columns + c;
            rtf += EscapeRtfText(index < cells.size() ? cells[index] : CString()) + "\\cell ";
        }
        if (r == 0)
            rtf += "\\b0";
        rtf += "\\row";
    }
    return rtf + "\\pard\\v #" + EscapeRtfText(id) + "\\v0}";
}

CString TableTextToRtf(const CString &tableText, int id)
{
    CString text = tableText;
    if (text.Right(1) == ";")
        text = text.Left(text.GetLength() - 1);
    int fieldCount = 0;
    std::unique_ptr<CString[]> fields(SplitStringKeepEmpty(text, ";", fieldCount));
    if (fieldCount < 4)
        return CString();
    const int columns = atoi(fields[0]);
    // The heading row and the data rows: (F - 3 - 2N) / N rounded up.
    const int spare = fieldCount - 3 - 2 * columns;
    if (columns <= 0 || spare <= 0)
        return CString();
    const int rows = (spare + columns - 1) / columns;

    std::vector<int> widths(columns, 0);
    std::vector<CString> cells(static_cast<size_t>(columns) * rows);
    for (int i = 0; i < columns; ++i) {
        if (3 * i + 3 < fieldCount)
            cells[i] = fields[3 * i + 3];
        if (3 * i + 4 < fieldCount)
            widths[i] = atoi(fields[3 * i + 4]);
    }
    for (int f = 3 * columns + 3, cell = columns; f < fieldCount && cell < columns * rows; ++f, ++cell)
        cells[cell] = fields[f];
    CString number;
    number.Format("%d", id);
    return BuildRtfTable(columns, rows, widths, cells, 9000, number);
}
