#include "document/output/export_tables.h"

#include "document/engine/rich_edit_text.h"
#include "document/engine/text_tables.h"
#include "framework/core/codepage.h"

#include <algorithm>
#include <cstdio>
#include <vector>

const char *const TablePlaceholderText = "\r\n\r\n<<table>>\r\n\r\n";

namespace {

constexpr int kMaxCells = 99;

std::vector<CString> SplitDroppingEmpty(const CString &text, const char *separator)
{
    std::vector<CString> items;
    const int length = static_cast<int>(strlen(separator));
    int start = 0;
    while (start <= text.GetLength()) {
        int found = text.Find(separator, start);
        int stop = found < 0 ? text.GetLength() : found;
        if (stop > start)
            items.push_back(text.Mid(start, stop - start));
        if (found < 0)
            break;
        start = found + length;
    }
    return items;
}

// The cells of one row, wrapped lines joined: each line's cells trimmed, then a blank added.
std::vector<CString> RowCells(const CString &segment, int &cellCount)
{
    std::vector<CString> cells(kMaxCells);
    cellCount = 0;
    for (const CString &line : SplitDroppingEmpty(segment, "\n")) {
        // The blank after the closing bar is one more item: the cells are all the others.
        std::vector<CString> items = SplitDroppingEmpty(line + " ", "|");
        cellCount = std::min(static_cast<int>(items.size()) - 1, kMaxCells);
        for (int i = 0; i < cellCount; ++i) {
            CString cell = items[i];
            cells[i] += cell.Trim() + " ";
        }
    }
    cellCount = std::max(cellCount, 0);
    return cells;
}

bool IsBlankRow(const StringTable2D &table, int row)
{
    CString joined;
    for (int column = 0; column < table.GetColumns(); ++column)
        joined += table.GetCell(row, column);
    joined.Remove('\r');
    joined.Remove('\n');
    joined.Remove(' ');
    return joined.IsEmpty();
}

} // namespace

bool FindTextTable(const CString &text, int from, int &start, int &end)
{
    const CString startMarker = CString("\r\r") + SeparatorLine;
    const CString endMarker = CString(SeparatorLine) + "\r\r";
    start = text.Find(startMarker, std::max(from, 0));
    if (start < 0)
        return false;
    int endFound = text.Find(endMarker, start + startMarker.GetLength());
    if (endFound < 0)
        return false;
    end = endFound + endMarker.GetLength();
    return true;
}

bool ParseTextTable(const CString &block, StringTable2D &table)
{
    table.Free();
    std::vector<CString> segments = SplitDroppingEmpty(block, (CString(SeparatorLine) + "\r").GetString());
    if (segments.size() < 2 || block.Find(SeparatorLine) < 0)
        return false;

    StringTable2D rows;
    bool created = false;
    int nonEmpty = 0;
    for (size_t k = 1; k < segments.size(); ++k) {
        CString segment = segments[k];
        segment.Trim("-\n\r");
        segment.Replace("\r\n", "\n");
        segment.Replace('\r', '\n');
        if (segment.IsEmpty())
            continue;
        ++nonEmpty;
        int cellCount = 0;
        std::vector<CString> cells = RowCells(segment, cellCount);
        if (!created) {
            rows.Create(static_cast<int>(segments.size()), cellCount);
            created = true;
        }
        cells.resize(std::min(cellCount, rows.GetColumns()));
        rows.SetRow(cells, static_cast<int>(k) - 1);
    }
    if (!created)
        return false;

    table.Create(nonEmpty, rows.GetColumns());
    int next = 0;
    for (int row = 0; row < rows.GetRows(); ++row) {
        if (IsBlankRow(rows, row))
            continue;
        for (int column = 0; column < rows.GetColumns(); ++column)
            table.SetCell(next, column, rows.GetCell(row, column));
        ++next;
    }
    return true;
}

bool WriteTextWithTables(const RichEditText &control, const CString &path)
{
    FILE *file = _wfopen(Cp1250ToWide(path).c_str(), L"wb");
    if (!file)
        return false;
    const unsigned char mark[4] = {kTableFileMark, 0, 0, 0};
    fwrite(mark, 1, sizeof mark, file);

    // After each block the search goes on behind it (behind the placeholder when replaced):
    // the text before that point is never searched again.
    int from = 0;
    int start = 0;
    int end = 0;
    while (FindTextTable(control.GetPlainText(), from, start, end)) {
        control.SetSel(start, end);
        StringTable2D table;
        if (!ParseTextTable(control.GetSelectedText(), table)) {
            from = end;
            continue;
        }
        table.Write(file);
        const int lengthAround = control.GetTextLength() - (end - start);
        control.ReplaceSel(TablePlaceholderText);
        from = start + control.GetTextLength() - lengthAround;
    }
    fclose(file);
    return true;
}

int FittingTableHeight(const CString &table, int availableTwips, int heightTwips)
{
    int widest = 0;
    int line = 0;
    for (int i = 0; i < table.GetLength(); ++i) {
        line = table[i] == '\r' || table[i] == '\n' ? 0 : line + 1;
        widest = std::max(widest, line);
    }
    // A character of the fixed-pitch faces is 0.6 of the font's height wide.
    if (widest == 0 || widest * heightTwips * 3 <= availableTwips * 5)
        return heightTwips;
    const int halfPoint = 10;
    return std::max(halfPoint, availableTwips * 5 / (widest * 3) / halfPoint * halfPoint);
}

CString ConverterCommandLine(const CString &mainPath, int format, const CString &exportPath, const CString &target)
{
    CString line;
    line.Format("\"%s\\Tavrimonk.exe\" %d \"%s\\$zeksp_v20.rtf\" \"%s\" \"%s\\$table.dat\"", mainPath.GetString(),
                format, exportPath.GetString(), target.GetString(), exportPath.GetString());
    return line;
}
