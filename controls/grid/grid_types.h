#pragma once
// The records by which callers talk to CGridCtrl about cells, and the cell itself.

#include "framework/core/cstring.h"

#include <windows.h>

#include <memory>
#include <vector>

// CGridItem::mask bits.
enum : UINT {
    GVIF_TEXT = 0x01,
    GVIF_IMAGE = 0x02,
    GVIF_PARAM = 0x04,
    GVIF_STATE = 0x08,
    GVIF_FORMAT = 0x10,
};

// Cell state bits.
enum : UINT {
    GVIS_FOCUSED = 0x01,
    GVIS_SELECTED = 0x02,
    GVIS_DROPHILITED = 0x08,
};

// Which grid lines are drawn.
enum { GVL_NONE = 0, GVL_HORZ = 1, GVL_VERT = 2, GVL_BOTH = 3 };

// Column edit types: what editing a cell of the column opens. 4 and 8 are accepted and open
// nothing.
enum { GVET_NONE = 0, GVET_EDITBOX = 1, GVET_LISTBOX = 2, GVET_TEXTDIALOG = 16 };

// A cell position; (-1, -1) is no cell.
struct CGridCellPos {
    int row = -1;
    int col = -1;

    CGridCellPos() = default;
    CGridCellPos(int nRow, int nCol) : row(nRow), col(nCol) {}
    bool operator==(const CGridCellPos &other) const { return row == other.row && col == other.col; }
    bool operator!=(const CGridCellPos &other) const { return !(*this == other); }
};

// A rectangle of cells, both corners included.
struct CGridCellRange {
    int minRow = -1;
    int minCol = -1;
    int maxRow = -1;
    int maxCol = -1;

    CGridCellRange() = default;
    CGridCellRange(int nMinRow, int nMinCol, int nMaxRow, int nMaxCol)
        : minRow(nMinRow), minCol(nMinCol), maxRow(nMaxRow), maxCol(nMaxCol)
    {
    }
    bool InRange(int row, int col) const { return row >= minRow && row <= maxRow && col >= minCol && col <= maxCol; }
    bool operator==(const CGridCellRange &other) const
    {
        return minRow == other.minRow && minCol == other.minCol && maxRow == other.maxRow && maxCol == other.maxCol;
    }
};

// One cell read or written field by field; mask says which fields count.
struct CGridItem {
    int row = 0;
    int col = 0;
    UINT mask = 0;
    UINT state = 0;
    UINT nFormat = 0; // DrawText flags
    CString strText;
    int iImage = -1;
    LPARAM lParam = 0;
};

struct CGridCellObj {
    UINT state = 0;
    UINT nFormat = 0;
    CString strText;
    int iImage = -1;
    LPARAM lParam = 0;
};

// One row: a cell per column, owned here.
struct CGridRowArray {
    std::vector<std::unique_ptr<CGridCellObj>> cells;
};
