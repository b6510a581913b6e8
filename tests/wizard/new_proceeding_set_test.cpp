// Page 4 makes the proceeding's folder only when the installation can make the proceeding: a
// missing or damaged set gives its message, keeps the page and leaves no folder, so the same
// name passes once the set is there.
#include <gtest/gtest.h>

#include <vector>

#include "framework/core/file.h"
#include "tests/support/dialog_driver.h"
#include "mainframe/wizard/kreator_dlg.h"
#include "res/wizard_ids.h"
#include "wizard_fixture.h"

namespace {

const char kName[] = "Przetarg 2004";

class NewProceedingSet : public WizardTest {
protected:
    // Runs the wizard to the end of the 2004 act's open tender below the thresholds under the
    // name; the page it ended on and every message box are kept.
    INT_PTR CreateOpenTender2004()
    {
        m_messages.clear();
        CNewProceedingWizard run;
        CTestHook hook;
        hook.onMessageBox = [this](const CString &text, const CString &, UINT) {
            m_messages.push_back(text);
            return IDOK;
        };
        hook.onDialog = [&](CDialog &) {
            run.m_page1.CheckRadioButton(IDC_OPERATION_OLD_FORMS, IDC_OPERATION_NEW, IDC_OPERATION_OLD_FORMS);
            DialogDriver::Press(run.m_wizard, IDC_WIZARD_NEXT);
            run.m_page2.CheckRadioButton(IDC_MODE_FIRST, IDC_MODE_LAST, IDC_MODE_FIRST);
            DialogDriver::Press(run.m_wizard, IDC_WIZARD_NEXT);
            DialogDriver::Press(run.m_wizard, IDC_WIZARD_NEXT);
            run.m_page4.SetDlgItemText(IDC_PROJECT_NAME, kName);
            DialogDriver::Press(run.m_wizard, IDC_WIZARD_NEXT);
            // A refusal keeps the page open: cancel it as the user would.
            m_lastPage = run.m_wizard.GetActivePage()->m_nResourceID;
            if (!m_messages.empty())
                DialogDriver::Press(run.m_wizard, IDCANCEL);
        };
        CTestHookScope scope(hook);
        return run.DoModal();
    }

    bool FolderMade() const { return GetFileAttributesA(m_folder + "\\" + kName) != INVALID_FILE_ATTRIBUTES; }

    // A program folder holding only the 2004 open tender's set, its data file cut short.
    CString DamagedInstallation()
    {
        const CString installation = InstallationFolder();
        const CString damaged = m_folder + "\\zepsuta";
        for (const char *folder : {"", "\\data", "\\cnf", "\\cnf\\202011", "\\szablony_202011"})
            CreateDirectoryA(damaged + folder, nullptr);
        CopyFileA(installation + "\\cnf\\202011\\postepowanie41.cnf", damaged + "\\cnf\\202011\\postepowanie41.cnf",
                  FALSE);
        CFile source(installation + "\\data\\postepowanie41.wy", CFile::modeRead);
        std::vector<char> bytes(static_cast<size_t>(source.GetLength()));
        source.Read(bytes.data(), static_cast<UINT>(bytes.size()));
        CFile cut(damaged + "\\data\\postepowanie41.wy", CFile::modeCreate | CFile::modeWrite);
        cut.Write(bytes.data(), static_cast<UINT>(bytes.size() / 2));
        return damaged;
    }

    std::vector<CString> m_messages;
    UINT m_lastPage = 0;
};

TEST_F(NewProceedingSet, AMissingSetLeavesNoFolderAndTheNameServesOnceTheSetIsThere)
{
    ASSERT_FALSE(m_app.MainPath.IsEmpty()) << "MORVELANK_INSTALLATION is not set";
    const CString installation = m_app.MainPath;
    m_app.MainPath = m_folder + "\\bez_szablonow";
    CreateDirectoryA(m_app.MainPath, nullptr);
    EXPECT_EQ(CreateOpenTender2004(), IDCANCEL);
    EXPECT_EQ(m_lastPage, (UINT)IDD_WIZARD_PROJECT);
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0], "Błąd otwarcia pliku danych(1): " + m_app.MainPath + "\\data\\postepowanie41.wy");
    EXPECT_FALSE(FolderMade());

    m_app.MainPath = installation;
    EXPECT_EQ(CreateOpenTender2004(), IDC_WIZARD_FINISH);
    EXPECT_TRUE(m_messages.empty());
    EXPECT_TRUE(FolderMade());
}

TEST_F(NewProceedingSet, ADamagedDataFileGivesItsMessageAndLeavesNoFolder)
{
    ASSERT_FALSE(m_app.MainPath.IsEmpty()) << "MORVELANK_INSTALLATION is not set";
    m_app.MainPath = DamagedInstallation();
    EXPECT_EQ(CreateOpenTender2004(), IDCANCEL);
    EXPECT_EQ(m_lastPage, (UINT)IDD_WIZARD_PROJECT);
    EXPECT_FALSE(m_messages.empty());
    EXPECT_FALSE(FolderMade());
}

} // namespace
