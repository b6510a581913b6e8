#include "tools/tavrimonk/table_file.h"

#include <cstdint>

#include "model/little_endian_reader.h"

namespace {

constexpr int32_t kTableFileMark = 43;

bool ReadTable(LittleEndianReader &reader, TextTable &table)
{
    int32_t rows = 0;
    int32_t columns = 0;
    if (!reader.ReadInt32(rows) || !reader.ReadInt32(columns) || rows < 0 || columns < 0)
        return false;
    // Rows without a cell cost the file nothing but the output one line each: damage as well.
    if (rows > 0 && columns == 0)
        return false;
    // Every cell takes at least its four length bytes: a count beyond that is damage.
    uint64_t cellCount = static_cast<uint64_t>(rows) * static_cast<uint64_t>(columns);
    if (cellCount > reader.Remaining() / 4)
        return false;
    table.rows = rows;
    table.columns = columns;
    table.cells.resize(static_cast<size_t>(cellCount));
    for (std::string &cell : table.cells) {
        if (!reader.ReadString(cell))
            return false;
    }
    return true;
}

} // namespace

bool ReadTableFile(const std::string &bytes, std::vector<TextTable> &tables, std::string &error)
{
    tables.clear();
    LittleEndianReader reader(bytes);
    int32_t mark = 0;
    if (!reader.ReadInt32(mark) || mark != kTableFileMark) {
        error = "Plik tabel nie jest plikiem eksportu programu.";
        return false;
    }
    while (reader.Remaining() > 0) {
        TextTable table;
        if (!ReadTable(reader, table)) {
            error = "Plik tabel jest uszkodzony (tabela " + std::to_string(tables.size() + 1) + ").";
            tables.clear();
            return false;
        }
        tables.push_back(std::move(table));
    }
    return true;
}
