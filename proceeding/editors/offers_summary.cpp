#include "proceeding/editors/offers_summary.h"

#include <algorithm>

#include "app/number_format.h"
#include "proceeding/editors/list_kinds.h"

namespace {

const char kSeparator[] = " | ";
const int kSeparatorLength = 3;

// The items between the separators, empty ones kept.
std::vector<CString> SplitCells(const CString &line)
{
    std::vector<CString> items;
    int start = 0;
    for (int found = line.Find(kSeparator); found >= 0; found = line.Find(kSeparator, start)) {
        items.push_back(line.Mid(start, found - start));
        start = found + kSeparatorLength;
    }
    items.push_back(line.Mid(start));
    return items;
}

// Every line up to the first empty one, without its line end. The last line counts also when
// no "\n" ends it.
std::vector<CString> ReadLines(const CString &text)
{
    std::vector<CString> lines;
    int start = 0;
    while (start < text.GetLength()) {
        const int end = text.Find('\n', start);
        CString line = end < 0 ? text.Mid(start) : text.Mid(start, end - start);
        start = end < 0 ? text.GetLength() : end + 1;
        line.TrimRight("\r\n");
        if (CString(line).TrimLeft("\r\n").IsEmpty())
            break;
        lines.push_back(line);
    }
    return lines;
}

// What a cell shows: the text after its first "=".
CString ShownCell(const CString &cell)
{
    const int equals = cell.Find('=');
    return equals < 0 ? cell : cell.Mid(equals + 1);
}

OffersSummaryRow ReadRow(const CString &line, int criteria)
{
    const std::vector<CString> items = SplitCells(line);
    OffersSummaryRow row;
    for (int cell = 0; cell <= criteria; ++cell)
        row.push_back(cell < static_cast<int>(items.size()) ? ShownCell(items[cell]) : CString());
    // The sum runs to the end of the line.
    CString sum;
    for (size_t item = criteria + 1; item < items.size(); ++item)
        sum += (item > static_cast<size_t>(criteria) + 1 ? kSeparator : "") + items[item];
    row.push_back(ShownCell(sum));
    return row;
}

CString Padded(const CString &cell, int width)
{
    CString padded = cell;
    for (int i = cell.GetLength(); i < width; ++i)
        padded += ' ';
    return padded;
}

} // namespace

OffersSummaryReading ReadOffersSummary(const CString &text)
{
    OffersSummaryReading reading;
    const std::vector<CString> lines = ReadLines(text);
    if (lines.empty())
        return reading;

    const std::vector<CString> header = SplitCells(lines[0]);
    for (size_t item = 1; item + 1 < header.size(); ++item) {
        CString name = header[item];
        name.Trim(' ');
        const int equals = name.Find('=');
        if (equals < 0) {
            // Taken whole, so that the cells of the criterion keep their column and their name.
            reading.damagedHeader = true;
        } else {
            name = name.Left(equals);
            name.Trim(' ');
        }
        reading.table.criteria.push_back(name);
    }
    const int criteria = static_cast<int>(reading.table.criteria.size());
    for (const CString &line : lines)
        reading.table.rows.push_back(ReadRow(line, criteria));
    return reading;
}

CString WriteOffersSummary(const OffersSummaryTable &table)
{
    const size_t columns = table.criteria.size() + 2;
    std::vector<int> widths(columns, 0);
    for (const OffersSummaryRow &row : table.rows)
        for (size_t column = 0; column < columns && column < row.size(); ++column)
            widths[column] = std::max(widths[column], row[column].GetLength());

    CString text;
    for (const OffersSummaryRow &row : table.rows) {
        auto cell = [&](size_t column) {
            return Padded(column < row.size() ? row[column] : CString(), widths[column]);
        };
        text += cell(0);
        for (size_t criterion = 0; criterion < table.criteria.size(); ++criterion)
            text += kSeparator + table.criteria[criterion] + "=" + cell(criterion + 1);
        text += CString(kSeparator) + "Suma=" + cell(columns - 1) + "\n";
    }
    return text;
}

CString OffersSummarySum(const OffersSummaryRow &row)
{
    double sum = 0;
    for (size_t cell = 1; cell + 1 < row.size(); ++cell)
        sum += StrToDouble(row[cell]);
    return DoubleToStr2(sum);
}

OffersSummaryRow MakeOffersSummaryRow(const CString &offerNumber, const std::vector<CString> &values)
{
    OffersSummaryRow row{offerNumber};
    row.insert(row.end(), values.begin(), values.end());
    row.push_back(CString());
    row.back() = OffersSummarySum(row);
    return row;
}

void SetOffersSummaryCriteria(OffersSummaryTable &table, const std::vector<CString> &names)
{
    const std::vector<CString> &old = table.criteria;
    std::vector<int> source(names.size(), -1); // old column of each new criterion
    std::vector<bool> taken(old.size(), false);
    for (size_t name = 0; name < names.size(); ++name) {
        for (size_t column = 0; column < old.size(); ++column) {
            if (!taken[column] && old[column] == names[name]) {
                source[name] = static_cast<int>(column);
                taken[column] = true;
                break;
            }
        }
    }
    // A renamed criterion is one whose place held a name that is gone.
    for (size_t name = 0; name < names.size() && name < old.size(); ++name) {
        if (source[name] < 0 && !taken[name]) {
            source[name] = static_cast<int>(name);
            taken[name] = true;
        }
    }

    for (OffersSummaryRow &row : table.rows) {
        std::vector<CString> values;
        for (int column : source) {
            const size_t cell = static_cast<size_t>(column) + 1;
            CString value = column >= 0 && cell < row.size() ? row[cell] : CString();
            values.push_back(value.IsEmpty() ? CString("0") : value);
        }
        row = MakeOffersSummaryRow(row.empty() ? CString() : row[0], values);
    }
    table.criteria = names;
}

CString OffersSummaryCellText(const CString &typed)
{
    CString cell = ListCellText(typed);
    cell.Replace('=', '-');
    return cell;
}
