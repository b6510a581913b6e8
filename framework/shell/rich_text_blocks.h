#pragma once
// The page renderer's blocks between laying out and paging: a paragraph's or a table row's
// lines in the body's coordinates, and how they are put on pages.

#include "framework/shell/rich_text_document.h"
#include "framework/shell/rich_text_lines.h"

#include <windows.h>

#include <vector>

// A laid-out paragraph or table row before it is put on pages.
struct BlockLines {
    std::vector<RichTextLine> lines; // x from the body's left edge, y from the block's top
    int height = 0;
    bool isRow = false;
    bool pageBreakBefore = false;
    bool keepWithNext = false;
    bool keepTogether = false;
    std::vector<RECT> cells; // a row's cell edges, y from 0 to its height
    std::vector<unsigned> cellBorders;
    std::vector<int> cellBorderWidths;
};

// The right cell edges of every row block (empty for a paragraph). Rows that follow each other
// with the same edges are one table: a column narrower than its widest word takes room from
// columns wider than theirs, then from the body's width beside the table.
std::vector<std::vector<int>> FitTableColumns(const std::vector<RichTextBlock> &blocks, int bodyWidth,
                                              RichTextMeasurer &measurer);

// A row laid out with the given right cell edges.
BlockLines LayOutRow(const RichTextRow &row, const std::vector<int> &edges, int defaultTabWidth,
                     RichTextMeasurer &measurer);

// Puts blocks on pages, breaking between lines, before a block that starts a page, and before
// what is kept together when it fits on a page of its own.
std::vector<RichTextPageContent> PaginateBlocks(const std::vector<BlockLines> &blocks, int left, int top,
                                                int bodyHeight);
