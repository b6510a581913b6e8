#include "document/output/export_file.h"

#include "model/file_utils.h"
#include "framework/core/codepage.h"

#include <initializer_list>

namespace {

bool WriteInt(FILE *file, int32_t value)
{
    const unsigned char bytes[4] = {static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
                                    static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)};
    return fwrite(bytes, 1, 4, file) == 4;
}

} // namespace

CExportFile::CExportFile(const CString &path, bool write) : m_path(path)
{
    m_file = _wfopen(Cp1250ToWide(path).c_str(), write ? L"wb" : L"rb");
}

CExportFile::~CExportFile()
{
    if (m_file)
        fclose(m_file);
}

void CExportFile::WriteRecord(int32_t row, int32_t column, const CString &text, int32_t value1, int32_t value2,
                              int32_t value3, int32_t colour, int32_t value5, int32_t value6)
{
    if (!m_file)
        return;
    WriteInt(m_file, row);
    WriteInt(m_file, column);
    WriteStringToFile(m_file, text);
    for (int32_t value : {value1, value2, value3, colour, value5, value6})
        WriteInt(m_file, value);
}
