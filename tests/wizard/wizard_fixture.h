// The application object that the wizard reads (working folder, program folder, buyer data)
// over a fresh working folder for each test.
#pragma once

#include <gtest/gtest.h>

#include "app/morvelank_app.h"

class WizardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        static int serial = 0;
        m_folder.Format("%smorvelank_wizard_%lu_%d", temp, GetCurrentProcessId(), ++serial);
        CreateDirectoryA(m_folder, nullptr);
        m_app.WorkingPath = m_folder;
        m_app.MainPath = m_folder;
        for (int i = 0; i < 9; ++i)
            m_app.BuyerData[i].Format("zamawiający %d", i);
    }
    void TearDown() override { RemoveTree(m_folder); }

    static void RemoveTree(const CString& path)
    {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA(path + "\\*", &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const CString name = found.cFileName;
                if (name == "." || name == "..")
                    continue;
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveTree(path + "\\" + name);
                else
                    DeleteFileA(path + "\\" + name);
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(path);
    }

    CMorvelankApp m_app;
    CString m_folder;
};
