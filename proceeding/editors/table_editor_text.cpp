#include "proceeding/editors/table_editor_text.h"

#include <algorithm>
#include <cstdlib>

#include "app/number_format.h"
#include "model/string_utils.h"
#include "model/criteria_data.h"

namespace {

const int kFieldsBeforeColumns = 3;
const int kFieldsPerColumn = 3;
const char kNumberedFlag[] = "l";
const char kPriceCriterion[] = "cena";

CString Cell(const EditorTableRow &row, size_t column)
{
    return column < row.size() ? row[column] : CString();
}

CString Grouped(double value)
{
    return FormatAmount(DoubleToStr2(value));
}

} // namespace

bool ParseEditorTable(const CString &value, EditorTable &table)
{
    table = EditorTable();
    CString text = value;
    if (text.Right(1) == ";")
        text = text.Left(text.GetLength() - 1);
    int count = 0;
    CString *split = SplitStringKeepEmpty(text, ";", count);
    const std::vector<CString> items(split, split + count);
    delete[] split;
    if (count < 4)
        return false;

    const int described = (count - kFieldsBeforeColumns) / kFieldsPerColumn;
    const int columns = std::min(atoi(items[0]), described);
    if (columns <= 0)
        return false;
    for (int k = 0; k < columns; ++k) {
        const int first = kFieldsBeforeColumns + kFieldsPerColumn * k;
        EditorTableColumn column;
        column.heading = items[first];
        column.width = atoi(items[first + 1]);
        column.flag = items[first + 2];
        table.columns.push_back(column);
    }
    table.numbered = table.columns[0].flag == kNumberedFlag;

    for (int item = kFieldsBeforeColumns + kFieldsPerColumn * columns; item < count; item += columns) {
        EditorTableRow row(columns);
        for (int k = 0; k < columns && item + k < count; ++k)
            row[k] = items[item + k];
        table.rows.push_back(row);
    }
    return true;
}

CString WriteEditorTable(const EditorTable &table)
{
    CString text;
    text.Format("%d;-1;-1;", static_cast<int>(table.columns.size()));
    for (const EditorTableColumn &column : table.columns) {
        CString width;
        width.Format("%d;", column.width);
        text += column.heading + ";" + width + column.flag + ";";
    }
    for (const EditorTableRow &row : table.rows)
        for (size_t k = 0; k < table.columns.size(); ++k)
            text += Cell(row, k) + ";";
    return text;
}

std::vector<int> ColumnPixelWidths(const std::vector<EditorTableColumn> &columns, int listWidth)
{
    long long total = 0;
    for (const EditorTableColumn &column : columns)
        total += std::max(column.width, 0);
    std::vector<int> widths;
    for (const EditorTableColumn &column : columns)
        widths.push_back(total > 0 ? static_cast<int>(listWidth * std::max(column.width, 0) / total)
                                   : listWidth / static_cast<int>(columns.size()));
    return widths;
}

void GenerateCriteria(const std::vector<EditorTableRow> &rows, CCriteriaData &criteria)
{
    criteria.m_nCriteriaCount = 0;
    for (const EditorTableRow &row : rows) {
        const CString name = Cell(row, 1);
        CString folded = name;
        folded.MakeLower();
        folded.Trim(' ');
        if (folded == kPriceCriterion) {
            criteria.m_strPriceWeight = Cell(row, 2);
        } else if (criteria.m_nCriteriaCount < CCriteriaData::kMaxCriteria) {
            criteria.m_strCriterionName[criteria.m_nCriteriaCount] = name;
            criteria.m_strCriterionWeight[criteria.m_nCriteriaCount] = Cell(row, 2);
            ++criteria.m_nCriteriaCount;
        }
    }
}

PriceFormFields ComputePriceForm(const CString &quantity, const CString &unitPrice, const CString &tax)
{
    // Typed amounts may carry "," and the digit groups of earlier results.
    const double unit = StrToDouble(unitPrice);
    const double net = StrToDouble(quantity) * unit;
    const double taxAmount = StrToDouble(tax);
    PriceFormFields fields;
    if (!TrimChars(unitPrice, " ").IsEmpty())
        fields.unitPrice = Grouped(unit);
    fields.netValue = Grouped(net);
    fields.tax = Grouped(taxAmount);
    fields.grossValue = Grouped(net + taxAmount);
    return fields;
}
