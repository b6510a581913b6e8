// A fresh folder under the temporary folder for one test, removed with everything in it.
#pragma once

#include <windows.h>

#include <string>

#include "framework/core/codepage.h"
#include "framework/core/cstring.h"

class TestFolder {
public:
    TestFolder()
    {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        static int serial = 0;
        m_path.Format("%smorvelank_app_test_%lu_%d", (LPCSTR)WideToCp1250(temp), GetCurrentProcessId(), ++serial);
        CreateDirectoryW(Cp1250ToWide(m_path).c_str(), nullptr);
    }
    ~TestFolder() { RemoveTree(m_path); }

    const CString &Path() const { return m_path; }
    CString operator/(const char *name) const { return m_path + "\\" + name; }

    static void WriteBytes(const CString &path, const std::string &bytes)
    {
        HANDLE file = CreateFileW(Cp1250ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }

    static std::string ReadBytes(const CString &path)
    {
        std::string bytes;
        HANDLE file = CreateFileW(Cp1250ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return bytes;
        char buffer[4096];
        DWORD read = 0;
        while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
            bytes.append(buffer, read);
        CloseHandle(file);
        return bytes;
    }

    // Removes the folder with everything in it, read-only files too.
    static void RemoveTree(const CString &folder)
    {
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW(Cp1250ToWide(folder + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const CString name = WideToCp1250(found.cFileName);
                if (name == "." || name == "..")
                    continue;
                const CString path = folder + "\\" + name;
                SetFileAttributesW(Cp1250ToWide(path).c_str(), FILE_ATTRIBUTE_NORMAL);
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveTree(path);
                else
                    DeleteFileW(Cp1250ToWide(path).c_str());
            } while (FindNextFileW(search, &found));
            FindClose(search);
        }
        RemoveDirectoryW(Cp1250ToWide(folder).c_str());
    }

    // Names of the entries directly inside the folder, "." and ".." left out, joined by "|".
    std::string Listing() const
    {
        std::string names;
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW(Cp1250ToWide(m_path + "\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return names;
        do {
            const CString name = WideToCp1250(found.cFileName);
            if (name != "." && name != "..")
                names += std::string(names.empty() ? "" : "|") + (LPCSTR)name;
        } while (FindNextFileW(search, &found));
        FindClose(search);
        return names;
    }

private:
    CString m_path;
};
