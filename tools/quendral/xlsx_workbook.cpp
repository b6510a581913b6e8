#include "tools/quendral/xlsx_workbook.h"

#include "framework/core/codepage.h"
#include "tools/quendral/cell_value.h"
#include "tools/quendral/zip_writer.h"

#include <windows.h>

#include <algorithm>
#include <map>
#include <tuple>

namespace {

const uint32_t kWhiteColour = 0xFFFFFF;
const char kSheetName[] = "Zestawienie";

std::string Utf8(const std::string &cp1250)
{
    const std::wstring wide = Cp1250ToWide(cp1250.c_str(), static_cast<int>(cp1250.size()));
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(length > 0 ? length : 0), '\0');
    if (length > 0)
        WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), static_cast<int>(wide.size()), &utf8[0], length, nullptr,
                            nullptr);
    return utf8;
}

// Text for XML: markup characters escaped; "\r\n" becomes one line feed, and the control
// characters that XML cannot hold are dropped.
std::string XmlText(const std::string &utf8)
{
    std::string out;
    for (char c : utf8) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\r':
            break;
        default:
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\n' || c == '\t')
                out += c;
        }
    }
    return out;
}

std::string ColumnName(int32_t column)
{
    std::string name;
    for (int32_t n = column + 1; n > 0; n = (n - 1) / 26)
        name.insert(name.begin(), static_cast<char>('A' + (n - 1) % 26));
    return name;
}

size_t LongestLine(const std::string &text)
{
    size_t longest = 0;
    size_t current = 0;
    for (char c : text) {
        if (c == '\n') {
            longest = std::max(longest, current);
            current = 0;
        } else if (c != '\r') {
            ++current;
        }
    }
    return std::max(longest, current);
}

// A row opens with its height set when a cell of it has several lines: spreadsheet programs
// do not all grow a row for wrapped text on their own.
std::string RowStart(const std::vector<ExportCell> &cells, size_t first)
{
    const double kLineHeight = 12.75;
    size_t lines = 1;
    for (size_t i = first; i < cells.size() && cells[i].row == cells[first].row; ++i) {
        size_t cellLines = 1;
        for (char c : cells[i].text)
            cellLines += c == '\n';
        lines = std::max(lines, cellLines);
    }
    std::string start = "<row r=\"" + std::to_string(cells[first].row + 1) + "\"";
    if (lines > 1) {
        char height[32];
        snprintf(height, sizeof height, "%.2f", kLineHeight * static_cast<double>(lines));
        start += std::string(" ht=\"") + height + "\" customHeight=\"1\"";
    }
    return start + ">";
}

std::string Hex(uint32_t colour)
{
    // COLORREF holds red in the lowest byte; the sheet wants alpha, red, green, blue.
    char text[9];
    snprintf(text, sizeof text, "FF%02X%02X%02X", colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    return text;
}

// The cell formats the sheet needs, each a fill, a weight, a number format and wrapping.
class CellStyles {
public:
    int StyleOf(uint32_t colour, bool heading, NumberFormat format, bool wrap)
    {
        colour &= 0xFFFFFF;
        int fill = 0;
        if (colour != kWhiteColour) {
            auto found = std::find(m_colours.begin(), m_colours.end(), colour);
            fill = static_cast<int>(found - m_colours.begin()) + 2;
            if (found == m_colours.end())
                m_colours.push_back(colour);
        }
        const auto key = std::make_tuple(fill, heading, static_cast<int>(format), wrap);
        auto found = std::find(m_styles.begin(), m_styles.end(), key);
        if (found != m_styles.end())
            return static_cast<int>(found - m_styles.begin()) + 1;
        m_styles.push_back(key);
        return static_cast<int>(m_styles.size());
    }

    std::string Xml() const
    {
        std::string xml =
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
            "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
            "<numFmts count=\"3\"><numFmt numFmtId=\"164\" formatCode=\"#,##0.00\\ &quot;z\xC5\x82&quot;\"/>"
            "<numFmt numFmtId=\"165\" formatCode=\"yyyy\\-mm\\-dd\"/>"
            "<numFmt numFmtId=\"166\" formatCode=\"yyyy\\-mm\\-dd\\ hh:mm\"/></numFmts>"
            "<fonts count=\"2\"><font><sz val=\"10\"/><name val=\"Arial\"/></font>"
            "<font><b/><sz val=\"10\"/><name val=\"Arial\"/></font></fonts>";
        xml +=
            "<fills count=\"" + std::to_string(m_colours.size() + 2)
            + "\"><fill><patternFill patternType=\"none\"/></fill><fill><patternFill patternType=\"gray125\"/></fill>";
        for (uint32_t colour : m_colours)
            xml += "<fill><patternFill patternType=\"solid\"><fgColor rgb=\"" + Hex(colour)
                   + "\"/><bgColor indexed=\"64\"/></patternFill></fill>";
        xml +=
            "</fills><borders count=\"2\"><border><left/><right/><top/><bottom/><diagonal/></border>"
            "<border><left style=\"thin\"><color auto=\"1\"/></left><right style=\"thin\"><color auto=\"1\"/></right>"
            "<top style=\"thin\"><color auto=\"1\"/></top><bottom style=\"thin\"><color auto=\"1\"/></bottom>"
            "<diagonal/></border></borders>"
            "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/></cellStyleXfs>";
        xml += "<cellXfs count=\"" + std::to_string(m_styles.size() + 1)
               + "\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"/>";
        for (const auto &style : m_styles) {
            static const char *const formatIds[] = {"0", "4", "164", "165", "166"};
            const int fill = std::get<0>(style);
            const bool heading = std::get<1>(style);
            const int format = std::get<2>(style);
            const bool wrap = std::get<3>(style);
            xml += std::string("<xf numFmtId=\"") + formatIds[format] + "\" fontId=\"" + (heading ? "1" : "0")
                   + "\" fillId=\"" + std::to_string(fill) + "\" borderId=\"1\" xfId=\"0\" applyBorder=\"1\""
                   + (fill ? " applyFill=\"1\"" : "") + (heading ? " applyFont=\"1\"" : "")
                   + (format ? " applyNumberFormat=\"1\"" : "") + " applyAlignment=\"1\"><alignment vertical=\"top\""
                   + (wrap ? " wrapText=\"1\"" : "") + "/></xf>";
        }
        xml += "</cellXfs><cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/></cellStyles>"
               "</styleSheet>";
        return xml;
    }

private:
    std::vector<uint32_t> m_colours;
    std::vector<std::tuple<int, bool, int, bool>> m_styles;
};

std::string SheetXml(const std::vector<ExportCell> &cells, CellStyles &styles)
{
    std::map<int32_t, size_t> longest;
    for (const ExportCell &cell : cells)
        longest[cell.column] = std::max(longest[cell.column], LongestLine(cell.text));

    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                      "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
                      "<sheetViews><sheetView workbookViewId=\"0\">"
                      "<pane ySplit=\"1\" topLeftCell=\"A2\" activePane=\"bottomLeft\" state=\"frozen\"/>"
                      "</sheetView></sheetViews><cols>";
    for (const auto &column : longest) {
        const std::string index = std::to_string(column.first + 1);
        char width[32];
        snprintf(width, sizeof width, "%.2f", ColumnWidth(column.second));
        xml += "<col min=\"" + index + "\" max=\"" + index + "\" width=\"" + width + "\" customWidth=\"1\"/>";
    }
    xml += "</cols><sheetData>";
    for (size_t i = 0; i < cells.size(); ++i) {
        const ExportCell &cell = cells[i];
        const std::string row = std::to_string(cell.row + 1);
        if (i == 0 || cells[i - 1].row != cell.row)
            xml += RowStart(cells, i);
        const bool heading = cell.row == 0;
        const CellValue value = heading ? CellValue() : ReadCellValue(cell.text);
        const bool wrap = cell.text.find('\n') != std::string::npos;
        const int style = styles.StyleOf(cell.colour, heading, value.format, wrap);
        xml += "<c r=\"" + ColumnName(cell.column) + row + "\" s=\"" + std::to_string(style) + "\"";
        if (value.isNumber)
            xml += "><v>" + value.number + "</v></c>";
        else
            xml += " t=\"inlineStr\"><is><t xml:space=\"preserve\">" + XmlText(Utf8(cell.text)) + "</t></is></c>";
        if (i + 1 == cells.size() || cells[i + 1].row != cell.row)
            xml += "</row>";
    }
    xml += "</sheetData></worksheet>";
    return xml;
}

} // namespace

double ColumnWidth(size_t longestLine)
{
    const double kNarrowest = 8;
    const double kWidest = 60;
    return std::min(kWidest, std::max(kNarrowest, static_cast<double>(longestLine) * 1.1 + 2));
}

std::vector<std::pair<std::string, std::string>> WorkbookParts(const std::vector<ExportCell> &cells)
{
    CellStyles styles;
    std::string sheet = SheetXml(cells, styles);
    const std::string header = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
    return {
        {"[Content_Types].xml",
         header
             + "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
               "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
               "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
               "<Override PartName=\"/xl/workbook.xml\" "
               "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
               "<Override PartName=\"/xl/worksheets/sheet1.xml\" "
               "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>"
               "<Override PartName=\"/xl/styles.xml\" "
               "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/>"
               "</Types>"},
        {"_rels/.rels",
         header
             + "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
               "<Relationship Id=\"rId1\" "
               "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
               "Target=\"xl/workbook.xml\"/></Relationships>"},
        {"xl/workbook.xml", header
                                + "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
                                  "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
                                  "<sheets><sheet name=\""
                                + std::string(kSheetName) + "\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>"},
        {"xl/_rels/workbook.xml.rels",
         header
             + "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
               "<Relationship Id=\"rId1\" "
               "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
               "Target=\"worksheets/sheet1.xml\"/>"
               "<Relationship Id=\"rId2\" "
               "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" "
               "Target=\"styles.xml\"/></Relationships>"},
        {"xl/worksheets/sheet1.xml", sheet},
        {"xl/styles.xml", styles.Xml()},
    };
}

bool BuildXlsx(const std::vector<ExportCell> &cells, std::string &bytes)
{
    ZipWriter zip;
    for (const auto &part : WorkbookParts(cells))
        if (!zip.Add(part.first, part.second))
            return false;
    bytes = zip.Finish();
    return true;
}
