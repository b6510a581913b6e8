#include "framework/core/temp_file.h"

#include <windows.h>

#include "framework/core/codepage.h"

namespace {

const int kAttempts = 256;

} // namespace

CString CreateTempFileBeside(const CString &target)
{
    static LONG counter = 0;
    const DWORD seed = GetCurrentProcessId() * 7919u + GetTickCount();
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        CString path;
        path.Format("%s.mvk%08lx.tmp", (LPCSTR)target, (unsigned long)(seed + (DWORD)InterlockedIncrement(&counter)));
        HANDLE file = CreateFileW(Cp1250ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            return path;
        }
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
            return CString();
    }
    SetLastError(ERROR_FILE_EXISTS);
    return CString();
}

CString TempFilePatternOf(const CString &target)
{
    return target + ".mvk*.tmp";
}
