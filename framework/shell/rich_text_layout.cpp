#include "framework/shell/rich_text_layout.h"

#include "framework/core/codepage.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace {

constexpr int kMinBodySize = 144; // a tenth of an inch: pages with absurd margins still fill
constexpr int kDecorationGap = 120;
constexpr int kDecorationHalfPoints = 20;

// A laid-out block before it is put on pages: a paragraph or a table row.
struct BlockLines {
    std::vector<RichTextLine> lines; // x from the body's left edge, y from the block's top
    int height = 0;
    bool isRow = false;
    bool pageBreakBefore = false;
    bool keepWithNext = false;
    std::vector<RECT> cells; // a row's cell edges, y from 0 to its height
    std::vector<unsigned> cellBorders;
    std::vector<int> cellBorderWidths;
};

BlockLines LayOutRow(const RichTextRow &row, int defaultTabWidth, RichTextMeasurer &measurer)
{
    BlockLines block;
    block.isRow = true;
    int left = row.left;
    for (const RichTextCell &cell : row.cells) {
        const int textLeft = left + row.gap;
        const int textWidth = std::max(cell.right - row.gap - textLeft, 1);
        int y = 0;
        for (const RichTextParagraph &paragraph : cell.paragraphs) {
            int height = 0;
            for (RichTextLine &line : LayOutParagraph(paragraph, textWidth, defaultTabWidth, measurer, height)) {
                line.x += textLeft;
                line.y += y;
                block.lines.push_back(std::move(line));
            }
            y += height;
        }
        block.height = std::max(block.height, y);
        block.cells.push_back(RECT{left, 0, cell.right, 0});
        block.cellBorders.push_back(cell.borders);
        block.cellBorderWidths.push_back(cell.borderWidth);
        left = cell.right;
    }
    for (RECT &cell : block.cells)
        cell.bottom = block.height;
    // Cells share the row's lines; pages take them from top to bottom.
    std::stable_sort(block.lines.begin(), block.lines.end(),
                     [](const RichTextLine &a, const RichTextLine &b) { return a.y < b.y; });
    return block;
}

// Puts blocks on pages, breaking only between lines.
class Paginator {
public:
    Paginator(const RichTextPageSize &page)
        : m_left(page.margins.left), m_top(page.margins.top),
          m_height(std::max<int>(page.height - page.margins.top - page.margins.bottom, kMinBodySize))
    {
        NewPage();
    }

    // `next` is the block that follows, or null.
    void Place(const BlockLines &block, const BlockLines *next)
    {
        if (block.pageBreakBefore && m_pageUsed)
            NewPage();
        // A paragraph kept with the next one moves on when the next one's first line (a row:
        // the whole row) would not follow it on this page.
        if (block.keepWithNext && next != nullptr && !next->pageBreakBefore && m_pageUsed) {
            const int following =
                next->isRow || next->lines.empty() ? next->height : next->lines.front().y + next->lines.front().height;
            const int together = block.height + following;
            if (m_y + together > m_height && together <= m_height)
                NewPage();
        }
        // A row that fits on a page is not split.
        if (block.isRow && m_pageUsed && m_y + block.height > m_height && block.height <= m_height)
            NewPage();
        const size_t firstPage = m_pages.size() - 1;
        const int firstY = m_y;
        int offset = m_y;
        for (const RichTextLine &line : block.lines) {
            if (offset + line.y + line.height > m_height && (m_pageUsed || offset + line.y > 0)) {
                NewPage();
                offset = -line.y;
            }
            RichTextLine placed = line;
            placed.x += m_left;
            placed.y = m_top + offset + line.y;
            m_pages.back().lines.push_back(std::move(placed));
            m_pageUsed = true;
        }
        m_y = offset + block.height;
        m_pageUsed = m_pageUsed || block.height > 0;
        if (block.isRow)
            AddBorders(block, firstPage, firstY);
    }

    std::vector<RichTextPageContent> TakePages() { return std::move(m_pages); }

private:
    void NewPage()
    {
        m_pages.emplace_back();
        m_y = 0;
        m_pageUsed = false;
    }

    // A row split over pages gets its sides on every page, its top and bottom once.
    void AddBorders(const BlockLines &block, size_t firstPage, int firstY)
    {
        const size_t lastPage = m_pages.size() - 1;
        for (size_t page = firstPage; page <= lastPage; ++page) {
            const int top = m_top + (page == firstPage ? firstY : 0);
            const int bottom = m_top + (page == lastPage ? m_y : m_height);
            for (size_t i = 0; i < block.cells.size(); ++i) {
                const unsigned sides = block.cellBorders[i];
                const int w = block.cellBorderWidths[i];
                const int left = m_left + block.cells[i].left;
                const int right = m_left + block.cells[i].right;
                std::vector<RECT> &borders = m_pages[page].borders;
                if (sides & kRichTextBorderLeft)
                    borders.push_back(RECT{left, top, left + w, bottom});
                if (sides & kRichTextBorderRight)
                    borders.push_back(RECT{right - w, top, right, bottom});
                if ((sides & kRichTextBorderTop) && page == firstPage)
                    borders.push_back(RECT{left, top, right, top + w});
                if ((sides & kRichTextBorderBottom) && page == lastPage)
                    borders.push_back(RECT{left, bottom - w, right, bottom});
            }
        }
    }

    const int m_left;
    const int m_top;
    const int m_height;
    std::vector<RichTextPageContent> m_pages;
    int m_y = 0;
    bool m_pageUsed = false;
};

// A line of dots or underscores to sign on: its caption below it goes with it.
bool IsSignatureLine(const RichTextParagraph &paragraph)
{
    size_t marks = 0;
    for (const RichTextRun &run : paragraph.runs) {
        for (wchar_t ch : run.text) {
            if (ch == L'.' || ch == L'_' || ch == L'\u2026')
                ++marks;
            else if (ch != L' ' && ch != L'\t')
                return false;
        }
    }
    return marks >= 10;
}

std::wstring LineText(const RichTextLine &line)
{
    std::wstring text;
    for (const RichTextFragment &fragment : line.fragments)
        text += fragment.text;
    return text;
}

RECT LineBox(const RichTextLine &line)
{
    RECT box = {line.x, line.y, line.x, line.y + line.height};
    if (!line.fragments.empty()) {
        box.left += line.fragments.front().x;
        box.right += line.fragments.back().x + line.fragments.back().width;
    }
    return box;
}

// Scales twips on the sheet to the target rectangle.
class SheetScale {
public:
    SheetScale(const RichTextPageSize &page, const RECT &target)
        : m_target(target), m_x(static_cast<double>(target.right - target.left) / std::max(page.width, 1)),
          m_y(static_cast<double>(target.bottom - target.top) / std::max(page.height, 1))
    {
    }

    int X(long long twips) const
    {
        return m_target.left + static_cast<int>(std::llround(static_cast<double>(twips) * m_x));
    }
    int Y(long long twips) const
    {
        return m_target.top + static_cast<int>(std::llround(static_cast<double>(twips) * m_y));
    }
    int Height(int twips) const { return std::max(static_cast<int>(std::llround(twips * m_y)), 1); }

private:
    RECT m_target;
    double m_x;
    double m_y;
};

void DrawLine(HDC dc, const RichTextLine &line, const SheetScale &scale, const std::vector<std::wstring> &fonts,
              std::map<std::tuple<int, int, bool, bool, bool, bool>, HFONT> &cache)
{
    const int baseline = scale.Y(line.y + line.ascent);
    std::vector<INT> advances;
    for (const RichTextFragment &fragment : line.fragments) {
        if (fragment.text == L"\t")
            continue;
        const RichTextCharFormat &format = fragment.format;
        if (!format.underline && !format.strikeOut && fragment.text.find_first_not_of(L' ') == std::wstring::npos)
            continue;
        const auto key = std::make_tuple(format.font, format.halfPoints, format.bold, format.italic, format.underline,
                                         format.strikeOut);
        HFONT &font = cache[key];
        if (!font)
            font = CreateRichTextFont(RichTextFace(fonts, format.font), format, scale.Height(format.halfPoints * 10));
        SelectObject(dc, font);
        SetTextColor(dc, format.color);
        // Every character goes where the layout put it, whatever the device font's own widths.
        const long long start = static_cast<long long>(line.x) + fragment.x;
        advances.resize(fragment.text.size());
        int previous = scale.X(start);
        for (size_t i = 0; i < fragment.text.size(); ++i) {
            const int next = scale.X(start + fragment.extents[i]);
            advances[i] = next - previous;
            previous = next;
        }
        ExtTextOutW(dc, scale.X(start), baseline, 0, nullptr, fragment.text.c_str(),
                    static_cast<UINT>(fragment.text.size()), advances.data());
    }
}

} // namespace

RichTextLayout::RichTextLayout(const RichTextDocument &document, const RichTextPageSize &page, HDC referenceDC)
    : m_page(page), m_fonts(document.fonts), m_defaultFont(document.defaultFont)
{
    const int bodyWidth = std::max<int>(page.width - page.margins.left - page.margins.right, kMinBodySize);
    std::vector<BlockLines> laidOut;
    {
        RichTextMeasurer measurer(referenceDC, m_fonts);
        for (const RichTextBlock &block : document.blocks) {
            BlockLines lines;
            if (block.isRow) {
                lines = LayOutRow(block.row, document.defaultTabWidth, measurer);
            } else {
                lines.lines =
                    LayOutParagraph(block.paragraph, bodyWidth, document.defaultTabWidth, measurer, lines.height);
                lines.keepWithNext = block.paragraph.keepWithNext || IsSignatureLine(block.paragraph);
            }
            lines.pageBreakBefore = block.pageBreakBefore;
            laidOut.push_back(std::move(lines));
        }
    }
    Paginator paginator(page);
    for (size_t i = 0; i < laidOut.size(); ++i)
        paginator.Place(laidOut[i], i + 1 < laidOut.size() ? &laidOut[i + 1] : nullptr);
    m_pages = paginator.TakePages();
}

void RichTextLayout::SetPageTexts(RichTextPageText header, RichTextPageText footer)
{
    m_header = std::move(header);
    m_footer = std::move(footer);
}

std::vector<RichTextLine> RichTextLayout::DecorationLines(int page, bool footer) const
{
    const RichTextPageText &source = footer ? m_footer : m_header;
    if (!source)
        return {};
    std::wstring text = Cp1250ToWide(source(page, PageCount()));
    if (text.empty())
        return {};
    text.erase(std::remove(text.begin(), text.end(), L'\r'), text.end());
    RichTextParagraph paragraph;
    paragraph.alignment = footer ? RichTextAlignment::Center : RichTextAlignment::Left;
    paragraph.markFormat.font = m_defaultFont;
    paragraph.markFormat.halfPoints = kDecorationHalfPoints;
    paragraph.runs.push_back(RichTextRun{text, paragraph.markFormat});

    const RECT &margins = m_page.margins;
    const int width = std::max<int>(m_page.width - margins.left - margins.right, kMinBodySize);
    int height = 0;
    HDC dc = CreateCompatibleDC(nullptr);
    std::vector<RichTextLine> lines;
    {
        RichTextMeasurer measurer(dc, m_fonts);
        lines = LayOutParagraph(paragraph, width, 720, measurer, height);
    }
    DeleteDC(dc);
    // The header ends just above the body, the footer starts just below it; both stay on the sheet.
    int top = footer ? m_page.height - margins.bottom + kDecorationGap
                     : std::max<int>(margins.top - kDecorationGap - height, 0);
    top = std::max(0, std::min(top, m_page.height - height));
    for (RichTextLine &line : lines) {
        line.x += margins.left;
        line.y += top;
    }
    return lines;
}

void RichTextLayout::DrawPage(HDC dc, int page, const RECT &target) const
{
    if (page < 1 || page > PageCount())
        return;
    const RichTextPageContent &sheet = m_pages[static_cast<size_t>(page - 1)];
    const SheetScale scale(m_page, target);
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, target.left, target.top, target.right, target.bottom);
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
    std::map<std::tuple<int, int, bool, bool, bool, bool>, HFONT> fonts;
    for (const RichTextLine &line : DecorationLines(page, false))
        DrawLine(dc, line, scale, m_fonts, fonts);
    for (const RichTextLine &line : sheet.lines)
        DrawLine(dc, line, scale, m_fonts, fonts);
    for (const RichTextLine &line : DecorationLines(page, true))
        DrawLine(dc, line, scale, m_fonts, fonts);
    HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    for (const RECT &border : sheet.borders) {
        // At least one device unit thick, or thin borders vanish from small previews.
        RECT edge = {scale.X(border.left), scale.Y(border.top), scale.X(border.right), scale.Y(border.bottom)};
        edge.right = std::max(edge.right, edge.left + 1);
        edge.bottom = std::max(edge.bottom, edge.top + 1);
        FillRect(dc, &edge, black);
    }
    RestoreDC(dc, saved);
    for (auto &entry : fonts)
        DeleteObject(entry.second);
}

std::vector<RichTextLineInfo> RichTextLayout::PageLines(int page) const
{
    std::vector<RichTextLineInfo> result;
    if (page < 1 || page > PageCount())
        return result;
    auto add = [&result](const std::vector<RichTextLine> &lines) {
        for (const RichTextLine &line : lines)
            result.push_back(RichTextLineInfo{LineBox(line), LineText(line)});
    };
    add(DecorationLines(page, false));
    add(m_pages[static_cast<size_t>(page - 1)].lines);
    add(DecorationLines(page, true));
    return result;
}

std::wstring RichTextLayout::PageText(int page) const
{
    std::wstring text;
    for (const RichTextLineInfo &line : PageLines(page))
        text += line.text + L'\n';
    return text;
}
