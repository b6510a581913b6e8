// The application object that the wizard reads (working folder, program folder, buyer data)
// over a fresh working folder for each test; the program folder is the build's installation,
// whose template sets page 4 reads.
#pragma once

#include "tests/install/installation_folder.h"
#include "tests/support/test_folder.h"

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
        m_app.MainPath = InstallationFolder();
        for (int i = 0; i < 9; ++i)
            m_app.BuyerData[i].Format("zamawiający %d", i);
    }
    void TearDown() override { TestFolder::RemoveTree(m_folder); }

    CMorvelankApp m_app;
    CString m_folder;
};
