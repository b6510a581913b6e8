// Helpers of the main window's tests: a temporary folder and whole-file bytes.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "framework/core/codepage.h"
#include "framework/core/cstring.h"

inline std::wstring Wide(const CString &text)
{
    return Cp1250ToWide(text);
}

// A fresh folder under the temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder()
    {
        wchar_t base[MAX_PATH];
        ::GetTempPathW(MAX_PATH, base);
        static int counter = 0;
        m_path = WideToCp1250(base);
        m_path.TrimRight('\\');
        CString name;
        name.Format("\\morvelank-mainframe-%lu-%d", ::GetCurrentProcessId(), ++counter);
        m_path += name;
        ::CreateDirectoryW(Wide(m_path).c_str(), nullptr);
    }
    ~TempFolder() { Remove(m_path); }
    const CString &Path() const { return m_path; }

private:
    static void Remove(const CString &folder)
    {
        WIN32_FIND_DATAW found;
        HANDLE search = ::FindFirstFileW(Wide(folder + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring name = found.cFileName;
                if (name == L"." || name == L"..")
                    continue;
                const CString path = folder + "\\" + WideToCp1250(name);
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    Remove(path);
                else
                    ::DeleteFileW(Wide(path).c_str());
            } while (::FindNextFileW(search, &found));
            ::FindClose(search);
        }
        ::RemoveDirectoryW(Wide(folder).c_str());
    }
    CString m_path;
};

inline void WriteBytes(const CString &path, const std::vector<uint8_t> &bytes)
{
    FILE *file = _wfopen(Wide(path).c_str(), L"wb");
    if (!file)
        return;
    if (!bytes.empty())
        std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

inline std::vector<uint8_t> ReadBytes(const CString &path)
{
    std::vector<uint8_t> bytes;
    FILE *file = _wfopen(Wide(path).c_str(), L"rb");
    if (!file)
        return bytes;
    int c;
    while ((c = std::fgetc(file)) != EOF)
        bytes.push_back(static_cast<uint8_t>(c));
    std::fclose(file);
    return bytes;
}
