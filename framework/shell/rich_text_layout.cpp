#include "framework/shell/rich_text_layout.h"

#include "framework/core/codepage.h"
#include "framework/shell/rich_text_blocks.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace {

constexpr int kMinBodySize = 144; // a tenth of an inch: pages with absurd margins still fill
constexpr int kDecorationGap = 120;
constexpr int kDecorationHalfPoints = 20;

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

using FontCache = std::map<std::tuple<int, int, bool, bool, bool, bool>, HFONT>;
using Images = std::vector<std::shared_ptr<const RichTextImage>>;

void DrawLine(HDC dc, const RichTextLine &line, const SheetScale &scale, const std::vector<std::wstring> &fonts,
              const Images &images, FontCache &cache)
{
    const int baseline = scale.Y(line.y + line.ascent);
    std::vector<INT> advances;
    for (const RichTextFragment &fragment : line.fragments) {
        if (fragment.text == L"\t")
            continue;
        if (fragment.picture >= 0) {
            const long long left = static_cast<long long>(line.x) + fragment.x;
            const RECT box = {scale.X(left), scale.Y(line.y + line.ascent - fragment.pictureHeight),
                              scale.X(left + fragment.width), baseline};
            if (static_cast<size_t>(fragment.picture) < images.size() && images[static_cast<size_t>(fragment.picture)])
                images[static_cast<size_t>(fragment.picture)]->Draw(dc, box);
            continue;
        }
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

// A paragraph with nothing to show.
bool IsEmpty(const RichTextParagraph &paragraph)
{
    for (const RichTextRun &run : paragraph.runs)
        if (run.picture >= 0 || run.text.find_first_not_of(L" ") != std::wstring::npos)
            return false;
    return true;
}

} // namespace

RichTextPageSize PageSizeOf(const RichTextPageSetup &setup, const RichTextPageSize &defaults)
{
    RichTextPageSize page = defaults;
    if (setup.paperWidth > 0)
        page.width = setup.paperWidth;
    if (setup.paperHeight > 0)
        page.height = setup.paperHeight;
    // Landscape paper given by its portrait sizes is turned.
    if (setup.landscape && page.width < page.height)
        std::swap(page.width, page.height);
    const std::pair<LONG RECT::*, int> margins[] = {{&RECT::left, setup.marginLeft},
                                                    {&RECT::top, setup.marginTop},
                                                    {&RECT::right, setup.marginRight},
                                                    {&RECT::bottom, setup.marginBottom}};
    for (const auto &margin : margins) {
        if (margin.second >= 0)
            page.margins.*margin.first = margin.second;
    }
    return page;
}

RichTextLayout::RichTextLayout(const RichTextDocument &document, const RichTextPageSize &page, HDC referenceDC)
    : m_page(page), m_fonts(document.fonts), m_defaultFont(document.defaultFont)
{
    const int bodyWidth = std::max<int>(page.width - page.margins.left - page.margins.right, kMinBodySize);
    const int bodyHeight = std::max<int>(page.height - page.margins.top - page.margins.bottom, kMinBodySize);
    // Pictures stand within the body: a larger one shrinks, keeping its proportions.
    std::vector<SIZE> pictureSizes;
    for (const RichTextPicture &picture : document.pictures) {
        m_images.push_back(RichTextImage::Decode(picture));
        SIZE size = m_images.back() ? m_images.back()->Size() : SIZE{0, 0};
        if (size.cx > 0 && size.cy > 0) {
            const double fit = std::min({1.0, static_cast<double>(bodyWidth) / size.cx,
                                         static_cast<double>(bodyHeight) / size.cy});
            size.cx = std::max(static_cast<LONG>(size.cx * fit), 1L);
            size.cy = std::max(static_cast<LONG>(size.cy * fit), 1L);
        }
        pictureSizes.push_back(size);
    }
    std::vector<BlockLines> laidOut;
    {
        RichTextMeasurer measurer(referenceDC, m_fonts, pictureSizes);
        const std::vector<std::vector<int>> edges = FitTableColumns(document.blocks, bodyWidth, measurer);
        bool breakPending = false;
        for (size_t i = 0; i < document.blocks.size(); ++i) {
            const RichTextBlock &block = document.blocks[i];
            // The empty paragraph a page break stands in starts no page with an empty line.
            if (block.pageBreakBefore && !block.isRow && IsEmpty(block.paragraph) && !breakPending) {
                breakPending = true;
                continue;
            }
            BlockLines lines;
            if (block.isRow) {
                lines = LayOutRow(block.row, edges[i], document.defaultTabWidth, measurer);
            } else {
                lines.lines =
                    LayOutParagraph(block.paragraph, bodyWidth, document.defaultTabWidth, measurer, lines.height);
                lines.keepWithNext = block.paragraph.keepWithNext || IsSignatureLine(block.paragraph);
                lines.keepTogether = block.paragraph.keepTogether;
            }
            lines.pageBreakBefore = block.pageBreakBefore || breakPending;
            breakPending = false;
            laidOut.push_back(std::move(lines));
        }
    }
    m_pages = PaginateBlocks(laidOut, page.margins.left, page.margins.top, bodyHeight);
    if (m_pages.empty())
        m_pages.emplace_back();
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
    const int saved = SaveDC(dc);
    // A landscape page on portrait paper (or the other way round) is turned a quarter to the
    // left, as a printer puts it on the paper: its top runs along the sheet's left edge.
    RECT area = target;
    const LONG targetWidth = target.right - target.left;
    const LONG targetHeight = target.bottom - target.top;
    if ((m_page.width > m_page.height) != (targetWidth > targetHeight) && targetWidth != targetHeight) {
        SetGraphicsMode(dc, GM_ADVANCED);
        const XFORM turn = {0.0f, -1.0f, 1.0f, 0.0f, static_cast<FLOAT>(target.left), static_cast<FLOAT>(target.bottom)};
        SetWorldTransform(dc, &turn);
        area = RECT{0, 0, targetHeight, targetWidth};
    }
    const SheetScale scale(m_page, area);
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
    FontCache fonts;
    for (const RichTextLine &line : DecorationLines(page, false))
        DrawLine(dc, line, scale, m_fonts, m_images, fonts);
    for (const RichTextLine &line : sheet.lines)
        DrawLine(dc, line, scale, m_fonts, m_images, fonts);
    for (const RichTextLine &line : DecorationLines(page, true))
        DrawLine(dc, line, scale, m_fonts, m_images, fonts);
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
