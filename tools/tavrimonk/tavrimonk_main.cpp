// Tavrimonk: turns an exported RTF document into a DOC or an HTML file; the program starts it
// and does not wait, so a failure is told to the user here.

#include "tools/tavrimonk/converter.h"

#include <windows.h>
#include <shellapi.h>

namespace {

std::wstring Wide(const std::string &cp1250)
{
    int length = ::MultiByteToWideChar(1250, 0, cp1250.c_str(), static_cast<int>(cp1250.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(1250, 0, cp1250.c_str(), static_cast<int>(cp1250.size()), &wide[0], length);
    return wide;
}

} // namespace

int main()
{
    int count = 0;
    LPWSTR *argv = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::wstring> arguments;
    for (int i = 1; argv != nullptr && i < count; ++i)
        arguments.emplace_back(argv[i]);
    ::LocalFree(argv);

    std::string error = RunConversion(arguments);
    if (error.empty())
        return 0;
    ::MessageBoxW(nullptr, Wide(error).c_str(), L"Tavrimonk", MB_OK | MB_ICONERROR);
    return 1;
}
