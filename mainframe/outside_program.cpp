#include "mainframe/outside_program.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "framework/core/codepage.h"

CString OutsideProgramCommandLine(const CString &program, const CString &arguments)
{
    CString line = program.Find(' ') >= 0 ? "\"" + program + "\"" : program;
    if (!arguments.IsEmpty())
        line += " " + arguments;
    return line;
}

bool StartOutsideProgram(const CString &program, const CString &arguments)
{
    std::wstring line = Cp1250ToWide(OutsideProgramCommandLine(program, arguments));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return true;
}

bool OpenDocumentInShell(const CString &path)
{
    const HINSTANCE opened =
        ::ShellExecuteW(nullptr, L"open", Cp1250ToWide(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(opened) > 32;
}
