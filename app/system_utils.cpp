#include "app/system_utils.h"

#include <shellapi.h>

#include <string>
#include <vector>

#include "framework/core/codepage.h"

namespace {

const int kClassesRootBufferSize = 260;

// The text of a REG_SZ-like value in UTF-16, cut at its first zero character.
bool QueryValueText(HKEY key, const wchar_t *valueName, std::wstring &text)
{
    DWORD bytes = 0;
    if (RegQueryValueExW(key, valueName, nullptr, nullptr, nullptr, &bytes) != ERROR_SUCCESS)
        return false;
    std::vector<wchar_t> data(bytes / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(key, valueName, nullptr, nullptr, reinterpret_cast<BYTE *>(data.data()), &bytes)
        != ERROR_SUCCESS)
        return false;
    text = data.data();
    return true;
}

} // namespace

CString ReadRegistryString(HKEY root, const CString &subkey, const CString &valueName)
{
    HKEY key;
    if (RegOpenKeyExW(root, Cp1250ToWide(subkey).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return CString();
    std::wstring text;
    const bool read = QueryValueText(key, Cp1250ToWide(valueName).c_str(), text);
    RegCloseKey(key);
    return read ? WideToCp1250(text.c_str()) : CString();
}

LONG ReadClassesRootString(HKEY root, const CString &subkey, char *buffer)
{
    HKEY key;
    const LONG status = RegOpenKeyExW(root, Cp1250ToWide(subkey).c_str(), 0, KEY_QUERY_VALUE, &key);
    if (status != ERROR_SUCCESS)
        return status;
    std::wstring text;
    const CString value = QueryValueText(key, nullptr, text) ? WideToCp1250(text.c_str()) : CString();
    lstrcpynA(buffer, value, kClassesRootBufferSize);
    RegCloseKey(key);
    return status;
}

void OpenInShell(const CString &target, int showCommand)
{
    const std::wstring wideTarget = Cp1250ToWide(target);
    const HINSTANCE opened = ShellExecuteW(nullptr, L"open", wideTarget.c_str(), nullptr, nullptr, showCommand);
    if (reinterpret_cast<INT_PTR>(opened) > 32)
        return;

    char className[kClassesRootBufferSize];
    if (ReadClassesRootString(HKEY_CLASSES_ROOT, ".htm", className) != ERROR_SUCCESS)
        return;
    char command[kClassesRootBufferSize];
    if (ReadClassesRootString(HKEY_CLASSES_ROOT, CString(className) + "\\shell\\open\\command", command)
        != ERROR_SUCCESS)
        return;

    // The browser's command without its document placeholder, then the target.
    CString commandLine = command;
    int placeholder = commandLine.Find("\"%1\"");
    if (placeholder < 0)
        placeholder = commandLine.Find("%1");
    if (placeholder >= 0)
        commandLine = commandLine.Left(placeholder);
    commandLine += " " + target;

    std::wstring wideCommand = Cp1250ToWide(commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCommand);
    PROCESS_INFORMATION process{};
    if (CreateProcessW(nullptr, &wideCommand[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

int ClassifyOsVersion(DWORD platformId, DWORD major, DWORD minor)
{
    switch (platformId) {
    case VER_PLATFORM_WIN32s:
        return 0;
    case VER_PLATFORM_WIN32_WINDOWS:
        return minor == 0 ? 1 : minor == 10 ? 2 : 3;
    case VER_PLATFORM_WIN32_NT:
        if (major == 4 && minor == 0)
            return 4;
        return minor == 0 ? 5 : minor == 1 ? 6 : minor == 2 ? 7 : 8;
    }
    return -1;
}

int GetOSVersionInfo()
{
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExA(&info))
        return -1;
    return ClassifyOsVersion(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion);
}
