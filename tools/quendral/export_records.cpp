#include "tools/quendral/export_records.h"

#include <algorithm>

#include "model/little_endian_reader.h"

namespace {

bool ReadRecord(LittleEndianReader &reader, ExportCell &cell)
{
    if (!reader.ReadInt32(cell.row) || !reader.ReadInt32(cell.column) || !reader.ReadString(cell.text))
        return false;
    int32_t values[6];
    for (int32_t &value : values)
        if (!reader.ReadInt32(value))
            return false;
    cell.colour = static_cast<uint32_t>(values[3]);
    return cell.row >= 0 && cell.row < kMaxExportRows && cell.column >= 0 && cell.column < kMaxExportColumns;
}

} // namespace

bool ReadExportRecords(const std::string &bytes, std::vector<ExportCell> &cells, std::string &error)
{
    cells.clear();
    LittleEndianReader reader(bytes);
    std::vector<ExportCell> read;
    while (reader.Remaining() > 0) {
        ExportCell cell;
        if (!ReadRecord(reader, cell)) {
            error = "Plik eksportu jest uszkodzony (komórka " + std::to_string(read.size() + 1)
                    + "). Proszę wyeksportować tabelę ponownie.";
            return false;
        }
        read.push_back(std::move(cell));
    }
    if (read.empty()) {
        error = "Plik eksportu jest pusty: nie ma danych do przeniesienia do arkusza.";
        return false;
    }
    std::stable_sort(read.begin(), read.end(), [](const ExportCell &a, const ExportCell &b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    });
    for (ExportCell &cell : read) {
        if (!cells.empty() && cells.back().row == cell.row && cells.back().column == cell.column)
            cells.back() = std::move(cell);
        else
            cells.push_back(std::move(cell));
    }
    return true;
}
