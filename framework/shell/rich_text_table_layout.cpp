// Table rows of the page renderer: the columns a table's cell edges give, widened where a word
// would otherwise be cut, and each row's cells laid out side by side.

#include "framework/shell/rich_text_blocks.h"

#include <algorithm>

namespace {

std::vector<int> EdgesOf(const RichTextRow &row)
{
    std::vector<int> edges;
    for (const RichTextCell &cell : row.cells)
        edges.push_back(cell.right);
    return edges;
}

bool SameTable(const RichTextRow &a, const RichTextRow &b)
{
    return a.left == b.left && a.gap == b.gap && EdgesOf(a) == EdgesOf(b);
}

// Widths of one table's columns, shared out again so that none is below its need where others
// or the page can spare the room.
std::vector<int> FitWidths(const std::vector<int> &widths, const std::vector<int> &needs, int room)
{
    long long deficit = 0;
    long long spare = 0;
    for (size_t i = 0; i < widths.size(); ++i) {
        deficit += std::max(needs[i] - widths[i], 0);
        spare += std::max(widths[i] - needs[i], 0);
    }
    if (deficit == 0)
        return widths;
    const long long taken = std::min(deficit, spare);
    const long long got = taken + std::min<long long>(deficit - taken, std::max(room, 0));
    std::vector<int> fitted = widths;
    for (size_t i = 0; i < widths.size(); ++i) {
        if (needs[i] > widths[i])
            fitted[i] += static_cast<int>((needs[i] - widths[i]) * got / deficit);
        else if (spare > 0)
            fitted[i] -= static_cast<int>((widths[i] - needs[i]) * taken / spare);
        fitted[i] = std::max(fitted[i], 1);
    }
    return fitted;
}

} // namespace

std::vector<std::vector<int>> FitTableColumns(const std::vector<RichTextBlock> &blocks, int bodyWidth,
                                              RichTextMeasurer &measurer)
{
    std::vector<std::vector<int>> edges(blocks.size());
    for (size_t first = 0; first < blocks.size();) {
        if (!blocks[first].isRow) {
            ++first;
            continue;
        }
        const RichTextRow &row = blocks[first].row;
        size_t end = first + 1;
        while (end < blocks.size() && blocks[end].isRow && SameTable(row, blocks[end].row))
            ++end;

        std::vector<int> widths;
        int previous = row.left;
        for (const RichTextCell &cell : row.cells) {
            widths.push_back(cell.right - previous);
            previous = cell.right;
        }
        std::vector<int> needs(widths.size(), 0);
        for (size_t b = first; b < end; ++b) {
            const std::vector<RichTextCell> &cells = blocks[b].row.cells;
            for (size_t i = 0; i < cells.size() && i < needs.size(); ++i)
                for (const RichTextParagraph &paragraph : cells[i].paragraphs)
                    needs[i] = std::max(needs[i], WidestWord(paragraph, measurer) + 2 * row.gap);
        }
        const std::vector<int> fitted = FitWidths(widths, needs, bodyWidth - previous);
        std::vector<int> fittedEdges;
        int right = row.left;
        for (int width : fitted) {
            right += width;
            fittedEdges.push_back(right);
        }
        for (size_t b = first; b < end; ++b)
            edges[b] = fittedEdges;
        first = end;
    }
    return edges;
}

BlockLines LayOutRow(const RichTextRow &row, const std::vector<int> &edges, int defaultTabWidth,
                     RichTextMeasurer &measurer)
{
    BlockLines block;
    block.isRow = true;
    int left = row.left;
    for (size_t i = 0; i < row.cells.size(); ++i) {
        const RichTextCell &cell = row.cells[i];
        const int right = i < edges.size() ? edges[i] : cell.right;
        const int textLeft = left + row.gap;
        const int textWidth = std::max(right - row.gap - textLeft, 1);
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
        block.cells.push_back(RECT{left, 0, right, 0});
        block.cellBorders.push_back(cell.borders);
        block.cellBorderWidths.push_back(cell.borderWidth);
        left = right;
    }
    for (RECT &cell : block.cells)
        cell.bottom = block.height;
    // Cells share the row's lines; pages take them from top to bottom.
    std::stable_sort(block.lines.begin(), block.lines.end(),
                     [](const RichTextLine &a, const RichTextLine &b) { return a.y < b.y; });
    return block;
}
