#pragma once
// Reader of the table side file the program writes next to an exported document: int32 43,
// then per text table int32 rows, int32 columns and rows x columns strings (int32 length and
// code-page-1250 bytes), row by row.

#include <string>
#include <vector>

struct TextTable {
    int rows = 0;
    int columns = 0;
    std::vector<std::string> cells; // row by row

    const std::string &Cell(int row, int column) const { return cells[row * columns + column]; }
};

// Reads every table of the file's bytes. A damaged file gives false and a Polish message in
// error; tables is then left empty.
bool ReadTableFile(const std::string &bytes, std::vector<TextTable> &tables, std::string &error);
