// Pages of laid-out blocks. What must stay together (a paragraph kept with the next, with the
// chain of paragraphs kept with theirs, a paragraph kept whole, a table row) moves to a new page
// when it does not fit where it would start but fits on a page of its own; anything longer than
// a page breaks where the page ends.

#include "framework/shell/rich_text_blocks.h"

#include <algorithm>

namespace {

class Paginator {
public:
    Paginator(int left, int top, int height) : m_left(left), m_top(top), m_height(height) { NewPage(); }

    std::vector<RichTextPageContent> Paginate(const std::vector<BlockLines> &blocks)
    {
        size_t brokenChainEnd = 0; // blocks before it belong to a chain longer than a page
        for (size_t i = 0; i < blocks.size(); ++i) {
            const BlockLines &block = blocks[i];
            if (block.pageBreakBefore && m_pageUsed)
                NewPage();
            size_t chainEnd = i;
            int together = Together(blocks, i, chainEnd);
            if (i < brokenChainEnd)
                together = OwnTogether(block);
            if (together > m_height) {
                brokenChainEnd = chainEnd;
                together = OwnTogether(block) <= m_height ? OwnTogether(block) : 0;
            }
            if (m_pageUsed && m_y + together > m_height)
                NewPage();
            Place(block);
        }
        return std::move(m_pages);
    }

private:
    // The height of what must not be split: the block itself when it is a row or kept whole.
    static int OwnTogether(const BlockLines &block)
    {
        return block.isRow || block.keepTogether ? block.height : 0;
    }

    // What the block's start must share a page with: every block of its keep-with-next chain
    // and the start of the one after the chain (a row or a paragraph kept whole: all of it).
    // `chainEnd` gets the index of that last block.
    static int Together(const std::vector<BlockLines> &blocks, size_t first, size_t &chainEnd)
    {
        size_t last = first;
        int height = 0;
        while (blocks[last].keepWithNext && last + 1 < blocks.size() && !blocks[last + 1].pageBreakBefore) {
            height += blocks[last].height;
            ++last;
        }
        chainEnd = last;
        if (last == first)
            return OwnTogether(blocks[first]);
        const BlockLines &end = blocks[last];
        if (end.isRow || end.keepTogether || end.lines.empty())
            return height + end.height;
        return height + end.lines.front().y + end.lines.front().height;
    }

    void Place(const BlockLines &block)
    {
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

} // namespace

std::vector<RichTextPageContent> PaginateBlocks(const std::vector<BlockLines> &blocks, int left, int top,
                                                int bodyHeight)
{
    return Paginator(left, top, bodyHeight).Paginate(blocks);
}
