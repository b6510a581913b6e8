#include "app/temp_file_save.h"

#include <windows.h>

#include "framework/core/codepage.h"

TempFileSave::TempFileSave(const CString &target) : m_target(target)
{
    const int lastSlash = target.ReverseFind('\\');
    const CString folder = lastSlash < 0 ? CString(".") : target.Left(lastSlash + 1);
    wchar_t tempPath[MAX_PATH];
    if (GetTempFileNameW(Cp1250ToWide(folder).c_str(), L"mvk", 0, tempPath) != 0)
        m_tempPath = WideToCp1250(tempPath);
}

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
                              MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    return m_committed;
}
