// Folders of proceedings for the archive browser's tests: records written by the program's own
// save code next to an (empty) data file, older single files and damaged records.
#pragma once

#include <gtest/gtest.h>

#include "model/archive_file.h"
#include "app/morvelank_app.h"
#include "model/project.h"
#include "mainframe_test_support.h"

class ArchiveFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        current = folder.Path() + "\\biezace";
        archive = folder.Path() + "\\archiwum";
        ::CreateDirectoryW(Wide(current).c_str(), nullptr);
        ::CreateDirectoryW(Wide(archive).c_str(), nullptr);
        app.MainPath = folder.Path();
        app.WorkingPath = current;
        app.ArchivePath = archive;
    }

    static void MakeFolder(const CString &path) { ::CreateDirectoryW(Wide(path).c_str(), nullptr); }

    // <parent>\<folderName>\<recordName>.baz and .dat; returns the record's modification time
    // as the list shows it.
    static CString MakeProceeding(const CString &parent, const CString &folderName, const CString &recordName,
                                  int procedureCode, int lawVersion)
    {
        const CString location = folderName.IsEmpty() ? parent : parent + "\\" + folderName;
        MakeFolder(location);
        CProject project;
        project.SetFolder(location);
        project.SetFileName(recordName, "dat");
        project.m_strName = recordName;
        project.m_nProcedureCode = procedureCode;
        project.m_nLawVersion = lawVersion;
        EXPECT_TRUE(WriteProjectFile(project, location + "\\" + recordName + ".baz"));
        WriteBytes(location + "\\" + recordName + ".dat", {});
        return project.m_timeModified.Format("%Y-%m-%d %H:%M");
    }

    TempFolder folder;
    CMorvelankApp app;
    CString current;
    CString archive;
};
