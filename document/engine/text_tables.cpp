#include "document/engine/text_tables.h"

#include <memory>
#include <vector>

#include "framework/ui/msgbox.h"
#include "model/string_utils.h"

const char *const SeparatorLine = "---------------------------------------------------------------------------";
const char *const SeparatorLineNl = "---------------------------------------------------------------------------\n";

namespace {

const int kMaxColumns = 6;
const int kSelectedOffersKind = 7;
const int kMaxSelectedOfferCells = 50;
const char kBreakCharacters[] = " ,.-+/?!)([]";

struct TableLayout {
    int columns;
    int widths[kMaxColumns];
    const char *header; // nullptr: no header line
};

const TableLayout kLayouts[] = {
    {2, {64, 8}, "| Nazwa kryterium                                                |Waga    |"},
    {4, {3, 32, 26, 11}, "|Nr | Nazwa oferenta               | Adres oferenta           |Data       |"},
    {5, {3, 22, 21, 8, 15}, "|Nr | Nazwa oferenta       | Adres oferenta      |Cena    |Uwagi          |"},
    {2, {3, 71}, "|Nr | Nazwa i adres oferty                                                |"},
    {4, {3, 29, 20, 20}, "|Nazwa i adres                    | Kryteria oceny     | Ocena ofert      |"},
    {2, {3, 71}, nullptr},
    {2, {2, 72}, "|Nr | Suma punktów                                                        |"},
    {4, {3, 48, 8, 8}, "|Nr  | Nazwa kryterium                                  |Wartość  | Suma    |"},
    {4, {3, 25, 6, 38}, "|Nr | Nazwa kryterium         |Waga  |Sposób punktowania                  |"},
    {3, {3, 29, 41}, "|Lp | Imię i nazwisko             | Zakres odpowiedzialności              |"},
    {6, {3, 3, 22, 21, 8, 11}, "|Nr |Zad| Nazwa oferenta       | Adres oferenta      |Cena    |Uwagi      |"},
};

// Kinds 1 and 2 gain a part column in a divided proceeding.
const TableLayout kDividedOffers = {
    5, {3, 31, 23, 11, 3}, "|Nr | Nazwa oferenta              | Adres oferenta        |Data       |Zad|"};
const TableLayout kDividedPrices = {
    6, {3, 22, 20, 11, 11, 3}, "|Nr | Nazwa oferenta       | Adres oferenta   |Cena       |Uwagi\t\t     |"};

const TableLayout &LayoutOf(int kind, int parts)
{
    if (parts >= 0 && kind == 1)
        return kDividedOffers;
    if (parts >= 0 && kind == 2)
        return kDividedPrices;
    return kLayouts[kind];
}

bool IsBreakCharacter(char ch)
{
    for (const char *p = kBreakCharacters; *p; ++p)
        if (*p == ch)
            return true;
    return false;
}

// Takes the text up to the first line feed out of text.
CString TakeLine(CString &text)
{
    const int end = text.Find('\n');
    CString line = end < 0 ? text : text.Left(end);
    text = end < 0 ? CString() : text.Mid(end + 1);
    return line;
}

// Takes the cell before the first bar; without a bar the whole rest is the cell.
CString TakeCell(CString &line)
{
    const int bar = line.Find('|');
    CString cell = bar < 0 ? line : line.Left(bar);
    line = bar < 0 ? CString() : line.Mid(bar + 1);
    return cell;
}

// What of the cell fits the column (padded), and what goes on to the continuation line.
void WrapCell(const CString &cell, int width, CString &shown, CString &rest)
{
    if (cell.GetLength() <= width) {
        shown = PadRight(cell, width);
        rest.Empty();
        return;
    }
    int breakAt = width - 1;
    while (breakAt > 0 && !IsBreakCharacter(cell[breakAt]))
        --breakAt;
    if (breakAt > 0) {
        shown = PadRight(cell.Left(breakAt + 1), width);
        rest = cell.Mid(breakAt + 1);
    } else {
        shown = cell.Left(width - 1) + "-";
        rest = cell.Mid(width - 1);
    }
}

// One input row: its output lines, continuation lines following without a rule.
CString LayOutRow(CString line, const TableLayout &layout)
{
    CString result;
    for (;;) {
        CString output = "|";
        CString continuation;
        for (int column = 0; column < layout.columns; ++column) {
            CString shown, rest;
            WrapCell(TakeCell(line), layout.widths[column], shown, rest);
            output += shown + "|";
            continuation += rest + "|";
        }
        result += output + "\n";
        if (TrimChars(continuation, "|").IsEmpty())
            return result;
        line = continuation;
    }
}

std::vector<CString> SplitCells(const CString &line)
{
    std::vector<CString> cells;
    CString rest = line;
    while (static_cast<int>(cells.size()) < kMaxSelectedOfferCells) {
        const bool last = rest.Find('|') < 0;
        cells.push_back(TakeCell(rest));
        if (last)
            break;
    }
    return cells;
}

// Each row: number, criterion cells label=value, and "Suma=" with the total last.
CString BuildSelectedOffersTable(CString text, int *badRows)
{
    CString result = CString(SeparatorLineNl) + kLayouts[kSelectedOffersKind].header + "\n" + SeparatorLineNl;
    int expected = -1;
    for (CString line = TakeLine(text); !line.IsEmpty(); line = TakeLine(text)) {
        std::vector<CString> cells = SplitCells(line);
        if (expected < 0)
            expected = static_cast<int>(cells.size());
        else if (static_cast<int>(cells.size()) != expected && badRows)
            ++*badRows;
        cells.resize(expected);
        CString total = cells[expected - 1];
        total.Replace("Suma=", "");
        result += "| " + PadRight(cells[0], 3) + "| " + FormatPairCell(expected > 1 ? cells[1] : CString(), 48, 8)
                  + "| " + PadRight(total, 8) + "|\n";
        for (int j = 2; j <= expected - 2; ++j)
            result += "|    | " + FormatPairCell(cells[j], 48, 8) + "|         |\n";
        result += SeparatorLineNl;
    }
    return result;
}

} // namespace

void ReportBadSelectedOfferRows(HWND owner, int badRows)
{
    for (int row = 0; row < badRows; ++row)
        AfxShowMessageBox(owner, "Błąd konwersji tabeli 'Lista wybranych ofert'", "Błąd", MB_OK | MB_ICONEXCLAMATION);
}

CString PadRight(const CString &text, int width)
{
    CString result = text;
    while (result.GetLength() < width)
        result += ' ';
    return result;
}

CString PadLastLine(const CString &text, int width)
{
    if (text.IsEmpty())
        return PadRight(" ", width);
    int count = 0;
    std::unique_ptr<CString[]> segments(SplitString(text, "\n", count));
    CString result;
    for (int i = 0; i < count; ++i)
        result += i + 1 < count ? segments[i] + "\n" : PadRight(segments[i], width);
    return result;
}

// A cell without "=" is a value without a label.
CString FormatPairCell(const CString &cell, int labelWidth, int valueWidth)
{
    const int equals = cell.Find('=');
    const CString label = equals < 0 ? CString() : cell.Left(equals);
    const CString value = equals < 0 ? cell : cell.Mid(equals + 1);
    return PadRight(label, labelWidth) + " | " + PadRight(value, valueWidth);
}

CString NormaliseOfferRows(const CString &text, int kind, int parts)
{
    CString rest = text;
    CString result;
    bool firstLine = true;
    while (!rest.IsEmpty()) {
        CString line = TakeLine(rest);
        if (line.IsEmpty())
            break;
        int bars = 0;
        for (int i = 0; i < line.GetLength(); ++i)
            bars += line[i] == '|' ? 1 : 0;
        if (bars == 0)
            bars = 1;
        const int prependBelow = (kind == 1 ? 3 : 4) + (parts >= 0 ? 1 : 0);
        if (parts >= 0 && bars < (kind == 1 ? 3 : 4))
            line += "|";
        if (bars < prependBelow)
            line = "|" + line;
        if (!firstLine)
            result += "\n";
        result += line;
        firstLine = false;
    }
    return result;
}

CString BuildDocumentTable(const CString &text, int kind, int parts, int *badRows)
{
    if (kind == 14)
        kind = 8;
    else if (kind == 17)
        kind = 9;
    else if (kind == 29)
        kind = 10;
    if (kind < 0 || kind > 10) {
        CString error;
        error.Format("err. tabela %d", kind);
        return error;
    }
    if (kind == kSelectedOffersKind)
        return BuildSelectedOffersTable(text, badRows);

    CString rows = kind == 1 || kind == 2 ? NormaliseOfferRows(text, kind, parts) : text;
    const TableLayout &layout = LayoutOf(kind, parts);
    CString result = SeparatorLineNl;
    if (layout.header)
        result += CString(layout.header) + "\n";
    for (CString line = TakeLine(rows); !line.IsEmpty(); line = TakeLine(rows))
        result += SeparatorLineNl + LayOutRow(line, layout);
    return result + SeparatorLineNl;
}

CString BuildRecordList(const CString &heading, const CString &body)
{
    CString result;
    if (!heading.IsEmpty())
        result = heading + "\n";
    result += CString(SeparatorLineNl) + "\n";
    if (!body.IsEmpty()) {
        int lineCount = 0;
        std::unique_ptr<CString[]> lines(SplitString(body, "\n", lineCount));
        for (int i = 1; i < lineCount; ++i) {
            int cellCount = 0;
            std::unique_ptr<CString[]> cells(SplitString(lines[i], "|", cellCount));
            for (int c = 0; c < cellCount; ++c) {
                const int equals = cells[c].Find('=');
                CString label = equals < 0 ? CString() : cells[c].Left(equals);
                CString value = equals < 0 ? cells[c] : cells[c].Mid(equals + 1);
                if (!label.IsEmpty()) {
                    label.Replace("\\n", "\n");
                    result += PadLastLine(label + ": ", 30);
                }
                value.Replace("\\n", "\n");
                value.Replace("{}", "|");
                result += value + "\n";
            }
            result += "\n";
        }
    }
    return result + "\n";
}
