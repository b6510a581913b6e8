// The export data file "export.dat" that the spreadsheet exporter reads: records of one grid
// cell each, no header, until the end of the file.
#pragma once

#include "framework/core/cstring.h"
#include "framework/core/object.h"

#include <cstdint>
#include <cstdio>

// Background colours of the spreadsheet's cells.
constexpr int32_t kExportHeadingColour = 0x00D5FFFF; // red 255, green 255, blue 213
constexpr int32_t kExportCellColour = 0x00FFFFFF;

class CExportFile : public CObject {
public:
    // Opened "wb" when write is true, "rb" otherwise; IsOpen tells whether that worked.
    CExportFile(const CString &path, bool write);
    ~CExportFile() override;
    CExportFile(const CExportFile &) = delete;
    CExportFile &operator=(const CExportFile &) = delete;

    bool IsOpen() const { return m_file != nullptr; }

    // int32 row (0 the heading row), int32 column, the text as int32 length and its bytes,
    // then the six int32 values; the fourth of them is the cell's background colour.
    // Does nothing when the file is not open.
    void WriteRecord(int32_t row, int32_t column, const CString &text, int32_t value1, int32_t value2, int32_t value3,
                     int32_t colour, int32_t value5, int32_t value6);

    // The colour of a row: light yellow for the heading row, white for the others.
    static int32_t RowColour(int32_t row) { return row == 0 ? kExportHeadingColour : kExportCellColour; }

private:
    FILE *m_file = nullptr;
    CString m_path;
};
