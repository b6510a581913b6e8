#pragma once
// Shared by the HTML view and help tests: fixture paths, a scratch folder and a message pump.

#include "framework/core/codepage.h"
#include "framework/core/cstring.h"

#include <windows.h>

#include <cstdlib>
#include <functional>
#include <string>

// A fixture of this test folder as a Windows path (the variable holds the Linux path).
inline std::wstring FixturePath(const std::wstring &relative)
{
    const char *source = std::getenv("MORVELANK_TEST_SOURCE_DIR");
    std::wstring path = L"Z:" + Cp1250ToWide(source ? source : "") + L"/fixtures/" + relative;
    for (wchar_t &c : path)
        if (c == L'/')
            c = L'\\';
    return path;
}

// A fresh folder under the temp folder, removed with everything in it afterwards.
class ScratchFolder {
public:
    ScratchFolder()
    {
        wchar_t temp[MAX_PATH];
        ::GetTempPathW(MAX_PATH, temp);
        m_path = std::wstring(temp) + L"morvelank_html_" + std::to_wstring(::GetCurrentProcessId()) + L"_"
                 + std::to_wstring(++s_count);
        ::CreateDirectoryW(m_path.c_str(), nullptr);
    }
    ~ScratchFolder() { Remove(m_path); }
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    const std::wstring &Path() const { return m_path; }

    // Writes the bytes to a file of the folder and returns its path.
    std::wstring Write(const std::wstring &name, const std::string &bytes) const
    {
        std::wstring path = m_path + L"\\" + name;
        HANDLE file =
            ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        ::WriteFile(file, bytes.data(), (DWORD)bytes.size(), &written, nullptr);
        ::CloseHandle(file);
        return path;
    }

private:
    static void Remove(const std::wstring &folder)
    {
        WIN32_FIND_DATAW found;
        HANDLE search = ::FindFirstFileW((folder + L"\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                std::wstring name = found.cFileName;
                if (name == L"." || name == L"..")
                    continue;
                std::wstring path = folder + L"\\" + name;
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    Remove(path);
                else
                    ::DeleteFileW(path.c_str());
            } while (::FindNextFileW(search, &found));
            ::FindClose(search);
        }
        ::RemoveDirectoryW(folder.c_str());
    }

    static inline int s_count = 0;
    std::wstring m_path;
};

// Processes this thread's messages until done() holds or the time runs out; returns done().
inline bool PumpUntil(const std::function<bool()> &done, DWORD timeoutMs = 3000)
{
    DWORD start = ::GetTickCount();
    for (;;) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        if (done())
            return true;
        if (::GetTickCount() - start > timeoutMs)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

// Lets posted messages run once.
inline void PumpPending()
{
    PumpUntil([] { return false; }, 50);
}
