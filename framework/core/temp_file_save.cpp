#include "framework/core/temp_file_save.h"

#include <windows.h>

#include "framework/core/codepage.h"
#include "framework/core/temp_file.h"

TempFileSave::TempFileSave(const CString &target) : m_target(target), m_tempPath(CreateTempFileBeside(target)) {}

TempFileSave::~TempFileSave()
{
    if (IsReady() && !m_committed)
        DeleteFileW(Cp1250ToWide(m_tempPath).c_str());
}

bool TempFileSave::Commit()
{
    if (!IsReady())
        return false;
    m_committed = MoveFileExW(Cp1250ToWide(m_tempPath).c_str(), Cp1250ToWide(m_target).c_str(),
                              MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
                  != 0;
    return m_committed;
}
