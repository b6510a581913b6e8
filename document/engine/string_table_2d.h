// A fixed-size table of strings as the converter reads it from "$table.dat".
#pragma once

#include "framework/core/cstring.h"

#include <cstdint>
#include <cstdio>
#include <vector>

class StringTable2D {
public:
    // rows x columns empty strings; negative counts give an empty table.
    void Create(int rows, int columns);
    // The first columns strings of cells go into the row; missing ones stay as they were.
    void SetRow(const std::vector<CString> &cells, int row);
    void SetCell(int row, int column, const CString &text);
    // Empty outside the table.
    CString GetCell(int row, int column) const;
    int GetRows() const { return m_rows; }
    int GetColumns() const { return m_columns; }
    // int32 rows, int32 columns, then the strings row by row; nothing when file is null.
    void Write(FILE *file) const;
    void Free();

private:
    bool Holds(int row, int column) const { return row >= 0 && row < m_rows && column >= 0 && column < m_columns; }

    int m_rows = 0;
    int m_columns = 0;
    std::vector<std::vector<CString>> m_cells;
};
