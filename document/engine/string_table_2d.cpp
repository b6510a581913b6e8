#include "document/engine/string_table_2d.h"

#include "model/file_utils.h"

#include <algorithm>

void StringTable2D::Create(int rows, int columns)
{
    m_rows = std::max(rows, 0);
    m_columns = std::max(columns, 0);
    m_cells.assign(static_cast<size_t>(m_rows), std::vector<CString>(static_cast<size_t>(m_columns)));
}

void StringTable2D::SetRow(const std::vector<CString> &cells, int row)
{
    int count = std::min(static_cast<int>(cells.size()), m_columns);
    for (int column = 0; column < count; ++column)
        SetCell(row, column, cells[column]);
}

void StringTable2D::SetCell(int row, int column, const CString &text)
{
    if (Holds(row, column))
        m_cells[row][column] = text;
}

CString StringTable2D::GetCell(int row, int column) const
{
    return Holds(row, column) ? m_cells[row][column] : CString();
}

void StringTable2D::Write(FILE *file) const
{
    if (!file)
        return;
    const int32_t counts[2] = {m_rows, m_columns};
    for (int32_t count : counts) {
        const unsigned char bytes[4] = {static_cast<unsigned char>(count), static_cast<unsigned char>(count >> 8),
                                        static_cast<unsigned char>(count >> 16),
                                        static_cast<unsigned char>(count >> 24)};
        fwrite(bytes, 1, 4, file);
    }
    for (const std::vector<CString> &row : m_cells)
        for (const CString &cell : row)
            WriteStringToFile(file, cell);
}

void StringTable2D::Free()
{
    m_cells.clear();
    m_rows = 0;
    m_columns = 0;
}
