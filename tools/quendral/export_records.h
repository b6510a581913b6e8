#pragma once
// Reader of the export data file "export.dat": records of one grid cell each, no header, until
// the end of the file. A record is int32 row, int32 column, the cell text (int32 length and
// code-page-1250 bytes) and six int32 values, the fourth of them the cell's background colour.

#include <cstdint>
#include <string>
#include <vector>

struct ExportCell {
    int32_t row = 0; // 0 is the heading row
    int32_t column = 0;
    std::string text;    // code page 1250
    uint32_t colour = 0; // COLORREF: red in the lowest byte
};

// The largest sheet a spreadsheet program opens.
constexpr int32_t kMaxExportRows = 1048576;
constexpr int32_t kMaxExportColumns = 16384;

// Reads every record of the file's bytes, sorted by row and then column; a cell given twice
// keeps its last text. A damaged file gives false, a Polish message in error and no cells.
bool ReadExportRecords(const std::string &bytes, std::vector<ExportCell> &cells, std::string &error);
