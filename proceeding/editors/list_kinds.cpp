#include "proceeding/editors/list_kinds.h"

#include <algorithm>
#include <memory>

#include "app/number_format.h"
#include "model/string_utils.h"

namespace {

// Tenths of the width with a fractional factor: the product is cut to an integer first.
int Tenths(int width, double factor)
{
    return static_cast<int>(width * factor) / 10;
}

} // namespace

bool IsListKind(int kind)
{
    return (kind >= 0 && kind <= 6) || kind == 14 || kind == 17 || kind == 29;
}

const char *ListKindCaption(int kind)
{
    switch (kind) {
    case 0:
    case 14:
        return "Kryteria oceny oferty";
    case 1:
        return "Lista ofert";
    case 2:
    case 29:
        return "Zbiorcze zestawienie ofert";
    case 3:
        return "Wykaz ofert wstępnych";
    case 4:
        return "Spis ofert";
    case 6:
        return "Streszczenie oceny i porównania złożonych ofert";
    case 17:
        return "Wykaz osób do kontaktów z zamawiającymi";
    default:
        return nullptr;
    }
}

std::vector<ListColumn> ListKindColumns(int kind, bool divided, int w)
{
    std::vector<ListColumn> columns;
    switch (kind) {
    case 0:
        columns = {{"Nazwa kryterium", w * 8 / 10}, {"Wartość (%)", w * 2 / 10 - 1}};
        break;
    case 1:
        columns = {{"Nr oferty", Tenths(w, 1.3)},
                   {"Nazwa oferenta", w * 3 / 10},
                   {"Adres oferenta", w * 3 / 10 - 1},
                   {"Data złożenia", w * 2 / 10 - 1}};
        if (divided)
            columns.push_back({"Nr zadania", w * 2 / 10 - 1});
        break;
    case 2:
        columns = {{"Nr oferty", Tenths(w, 1.1)},
                   {"Nazwa oferenta", w * 3 / 10},
                   {"Adres oferenta", w * 2 / 10 - 1},
                   {"Cena", w / 10 - 1},
                   {"Uwagi", w * 3 / 10 - 1}};
        if (divided)
            columns.push_back({"Nr zadania", w / 10 - 1});
        break;
    case 3:
        columns = {{"Nr oferenta", w / 10}, {"Nazwa i adres oferenta", w * 9 / 10 - 1}};
        break;
    case 4:
        columns = {{"Nr oferenta", w / 10},
                   {"Nazwa i adres oferenta", w * 3 / 10 - 1},
                   {"Kryteria oceny ofert wstępnych", w * 3 / 10 - 1},
                   {"Ocena ofert i uzasadnienie", w * 3 / 10 - 1}};
        break;
    case 5:
        columns = {{"Nr", w * 2 / 10}, {"Nazwa kryterium", w * 8 / 10}};
        break;
    case 6:
        columns = {{"Nr oferty", static_cast<int>(w * 1.5 / 10)}, {"Suma punktów", static_cast<int>(w * 8.5 / 10)}};
        break;
    case 14:
        columns = {{"Nr kryterium", Tenths(w, 1.7)},
                   {"Nazwa kryterium", Tenths(w, 3.3)},
                   {"Wartość (%)", w * 2 / 10 - 1},
                   {"Sposób punktowania", w * 3 / 10 - 1}};
        break;
    case 17:
        columns = {{"Lp", w / 10}, {"Imię i nazwisko", w * 4 / 10}, {"Zakres odpowiedzialności", w * 5 / 10}};
        break;
    case 29:
        columns = {{"Nr oferty", Tenths(w, 1.3)},      {"Zadanie", Tenths(w, 1.3)}, {"Nazwa oferenta", w * 3 / 10},
                   {"Adres oferenta", w * 2 / 10 - 1}, {"Cena", w / 10 - 1},        {"Uwagi", w * 3 / 10 - 1}};
        break;
    default:
        break;
    }
    return columns;
}

int ListKindColumnCount(int kind, bool divided)
{
    return static_cast<int>(ListKindColumns(kind, divided, 0).size());
}

void WidenToHeadings(std::vector<ListColumn> &columns, const std::vector<int> &needed)
{
    const size_t count = std::min(columns.size(), needed.size());
    int added = 0;
    for (size_t i = 0; i < count; ++i)
        if (columns[i].width < needed[i]) {
            added += needed[i] - columns[i].width;
            columns[i].width = needed[i];
        }
    if (added == 0)
        return;
    size_t widest = 0;
    for (size_t i = 1; i < count; ++i)
        if (columns[i].width > columns[widest].width)
            widest = i;
    const int spare = std::max(columns[widest].width - needed[widest], 0);
    columns[widest].width -= std::min(added, spare);
}

int ListWeightColumn(int kind)
{
    return kind == 0 ? 1 : kind == 14 ? 2 : -1;
}

std::vector<ListRow> ReadListRows(const CString &text, int columns)
{
    std::vector<ListRow> rows;
    int lineCount = 0;
    std::unique_ptr<CString[]> lines(SplitString(text, "\n", lineCount));
    for (int i = 0; i < lineCount; ++i) {
        const CString line = TrimChars(lines[i], "\r");
        if (line.IsEmpty())
            continue;
        // Empty cells inside a line keep their place: the editor writes them so.
        int cellCount = 0;
        std::unique_ptr<CString[]> cells(SplitStringKeepEmpty(" " + line + " ", "|", cellCount));
        ListRow row(columns);
        const int first = std::max(columns - cellCount, 0);
        for (int t = 0; first + t < columns && t < cellCount; ++t)
            row[first + t] = TrimChars(cells[t], " ");
        rows.push_back(row);
    }
    return rows;
}

CString WriteListRows(const std::vector<ListRow> &rows)
{
    CString text;
    for (const ListRow &row : rows) {
        for (size_t column = 0; column < row.size(); ++column)
            text += (column == 0 ? "" : "|") + row[column];
        text += "\n";
    }
    return text;
}

CString ListCellText(const CString &typed)
{
    CString cell = typed;
    cell.Replace("\r\n", " ");
    cell.Replace('\r', ' ');
    cell.Replace('\n', ' ');
    cell.Replace('|', ',');
    return cell;
}

CString ListWeightTotal(const std::vector<ListRow> &rows, int weightColumn)
{
    double total = 0;
    for (const ListRow &row : rows)
        if (weightColumn >= 0 && weightColumn < static_cast<int>(row.size()))
            total += StrToDouble(row[weightColumn]);
    return DoubleToStr2(total);
}

bool ListWeightsComplete(const std::vector<ListRow> &rows, int weightColumn)
{
    return weightColumn < 0 || rows.empty() || atof(ListWeightTotal(rows, weightColumn)) == 100;
}

bool IsWeightFieldText(const CString &text)
{
    for (int i = 0; i < text.GetLength(); ++i)
        if ((text[i] < '0' || text[i] > '9') && text[i] != '.')
            return false;
    return true;
}

OfferInputLayout OfferInputFor(int kind, bool divided, bool modifying)
{
    OfferInputLayout layout;
    for (int column = 0; column < 6; ++column)
        layout.fieldOfColumn[column] = column;
    CString *labels = layout.labels;
    switch (kind) {
    case 1:
        labels[0] = "Nr oferty:";
        labels[1] = "Nazwa oferenta:";
        labels[2] = "Adres oferenta:";
        labels[3] = "Data złożenia:";
        if (divided)
            labels[4] = "Nr zadania:";
        break;
    case 2:
    case 29:
        labels[0] = "Nr oferty";
        labels[1] = "Nazwa oferenta";
        labels[2] = "Adres oferenta";
        labels[3] = "Cena";
        labels[4] = "Uwagi";
        if (divided || kind == 29)
            labels[5] = "Nr zadania";
        break;
    case 3:
        labels[0] = "Nr oferty";
        labels[1] = "Nazwa i adres ofer.";
        break;
    case 4:
        labels[0] = "Nr oder.";
        labels[1] = "Nazwa i adr.";
        labels[2] = "Kryteria oceny\nofert wst.";
        labels[3] = "Ocena ofert-uzasad.";
        break;
    case 5:
        labels[0] = "Nr";
        labels[1] = "Nazwa kryterium";
        break;
    case 6:
        labels[0] = "Nr oferty";
        labels[1] = "Suma punktów";
        break;
    case 17:
        labels[0] = "Lp.:";
        labels[1] = "Imię i nazwisko:";
        labels[2] = "Zakres\nodpowiedzialności";
        break;
    default:
        break;
    }
    // The combined summary has the part second, though it is asked for last.
    if (kind == 29) {
        const int fields[6] = {0, 5, 1, 2, 3, 4};
        std::copy(fields, fields + 6, layout.fieldOfColumn);
    }
    if (modifying && (kind == 1 || kind == 2 || kind == 29)) {
        labels[0] = "Numer";
        labels[1] = "Nazwa ofer.";
        labels[2] = "Adres ofer.";
        if (kind == 1)
            labels[3] = "Data złożenia";
    }
    return layout;
}
