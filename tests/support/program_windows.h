// Finding the windows of a program started by a test, from the test's own process: the
// program runs under the same Wine server, so its windows are enumerable and take messages.
#pragma once

#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace program_windows {

// The build's installation folder is a Linux path; Wine shows the root as drive Z:.
inline std::filesystem::path InstallationFolder()
{
    const char *unixPath = std::getenv("MORVELANK_INSTALLATION");
    if (!unixPath)
        return {};
    std::string path = std::string("Z:") + unixPath;
    for (char &c : path)
        if (c == '/')
            c = '\\';
    return std::filesystem::path(path);
}

inline std::wstring TitleOf(HWND window)
{
    wchar_t title[512] = L"";
    GetWindowTextW(window, title, 512);
    return title;
}

inline std::wstring ClassOf(HWND window)
{
    wchar_t name[128] = L"";
    GetClassNameW(window, name, 128);
    return name;
}

inline bool IsDialog(HWND window)
{
    return ClassOf(window) == L"#32770";
}

// A visible top-level window of the process that the predicate accepts.
template <typename Accept>
HWND FindWindowOf(DWORD processId, Accept accept)
{
    struct Search {
        DWORD processId;
        Accept *accept;
        HWND found;
    } search{processId, &accept, nullptr};
    EnumWindows(
        [](HWND hwnd, LPARAM lParam) -> BOOL {
            auto *s = reinterpret_cast<Search *>(lParam);
            DWORD pid = 0;
            GetWindowThreadProcessId(hwnd, &pid);
            if (pid != s->processId || !IsWindowVisible(hwnd) || !(*s->accept)(hwnd))
                return TRUE;
            s->found = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A visible window anywhere under parent that the predicate accepts.
template <typename Accept>
HWND FindDescendant(HWND parent, Accept accept)
{
    struct Search {
        Accept *accept;
        HWND found;
    } search{&accept, nullptr};
    EnumChildWindows(
        parent,
        [](HWND hwnd, LPARAM lParam) -> BOOL {
            auto *s = reinterpret_cast<Search *>(lParam);
            if (!IsWindowVisible(hwnd) || !(*s->accept)(hwnd))
                return TRUE;
            s->found = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Polls until the condition holds or the time is up; returns whether it held.
template <typename Condition>
bool WaitUntil(DWORD timeoutMs, Condition condition)
{
    for (DWORD waited = 0;; waited += 100) {
        if (condition())
            return true;
        if (waited >= timeoutMs)
            return false;
        Sleep(100);
    }
}

template <typename Accept>
HWND WaitForWindowOf(DWORD processId, DWORD timeoutMs, Accept accept)
{
    HWND found = nullptr;
    WaitUntil(timeoutMs, [&] { return (found = FindWindowOf(processId, accept)) != nullptr; });
    return found;
}

} // namespace program_windows
