#include "proceeding/editors/grid_table_editor_text.h"

#include <algorithm>

#include "model/string_utils.h"
#include "document/output/export_file.h"

namespace {

const int kPixelsPerCharacter = 8;
const int kWidthPadding = 5;
const int kMaxColumnWidth = 100;

std::vector<CString> SplitDroppingEmpty(const CString &text, const char *separator)
{
    int count = 0;
    CString *items = SplitString(text, separator, count);
    std::vector<CString> result(items, items + count);
    delete[] items;
    return result;
}

// A stored cell as the grid shows it: line breaks as the multi-line cell editor keeps them.
CString Unescaped(CString cell)
{
    cell.Replace("{}", "|");
    cell.Replace("\\n", "\r\n");
    return cell;
}

CString Escaped(CString cell)
{
    cell.Replace("\r\n", "\n");
    cell.Remove('\r');
    cell.Replace("\n", "\\n");
    cell.Replace("|", "{}");
    return cell;
}

// The text of a stored body cell without its "heading=" prefix. The column's own heading is
// looked for first, so that a heading holding "=" does not cut the text at the wrong place.
CString WithoutHeading(const CString &cell, const CString &storedHeading)
{
    const CString prefix = storedHeading + "=";
    if (cell.Left(prefix.GetLength()) == prefix)
        return cell.Mid(prefix.GetLength());
    const int equals = cell.Find('=');
    return equals >= 0 ? cell.Mid(equals + 1) : cell;
}

} // namespace

GridTable ParseGridTable(const CString &value)
{
    std::vector<GridTableRow> stored;
    size_t columns = 0;
    for (const CString &line : SplitDroppingEmpty(value, "\n")) {
        GridTableRow cells = SplitDroppingEmpty(line, "|");
        for (CString &cell : cells)
            cell.Trim(' ');
        columns = std::max(columns, cells.size());
        stored.push_back(cells);
    }

    GridTable table;
    table.widths.assign(columns, ColumnWidthForText(""));
    for (size_t r = 0; r < stored.size(); ++r) {
        GridTableRow row(columns);
        for (size_t c = 0; c < stored[r].size(); ++c) {
            const CString &cell = stored[r][c];
            CString shown = cell;
            shown.Replace("\\n", "\n");
            table.widths[c] = ColumnWidthForText(shown);
            row[c] = Unescaped(r == 0 ? cell : WithoutHeading(cell, c < stored[0].size() ? stored[0][c] : CString()));
        }
        table.rows.push_back(row);
    }
    return table;
}

CString WriteGridTable(const std::vector<GridTableRow> &rows)
{
    std::vector<CString> headings;
    if (!rows.empty())
        for (const CString &heading : rows[0])
            headings.push_back(TrimChars(Escaped(heading), " "));

    CString text;
    for (size_t r = 0; r < rows.size(); ++r) {
        for (size_t c = 0; c < rows[r].size(); ++c) {
            CString cell = TrimChars(Escaped(rows[r][c]), " ");
            if (r > 0)
                cell = (c < headings.size() ? headings[c] : CString()) + "=" + cell;
            if (cell.IsEmpty())
                cell = " ";
            text += (c > 0 ? "|" : "") + cell;
        }
        text += "\n";
    }
    return text;
}

int ColumnWidthForText(const CString &text)
{
    CString trimmed = text;
    trimmed.TrimRight("\n ");
    int longest = 1;
    for (const CString &line : SplitDroppingEmpty(trimmed + "\n", "\n"))
        longest = std::max(longest, line.GetLength());
    return std::min(longest * kPixelsPerCharacter + kWidthPadding, kMaxColumnWidth);
}

CString ContractorCellText(const CString (&texts)[5])
{
    CString joined;
    for (const CString &text : texts)
        if (!text.IsEmpty())
            joined += (joined.IsEmpty() ? "" : ", ") + text;
    return TrimChars(joined, ", ");
}

bool WriteGridExportFile(const CString &path, const std::vector<GridTableRow> &rows)
{
    CExportFile file(path, true);
    if (!file.IsOpen())
        return false;
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c)
            file.WriteRecord(static_cast<int32_t>(r), static_cast<int32_t>(c), rows[r][c], 0, 0, 0,
                             CExportFile::RowColour(static_cast<int32_t>(r)), 0, 0);
    return true;
}
