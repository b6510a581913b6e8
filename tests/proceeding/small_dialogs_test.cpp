#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_test_support.h"
#include "proceeding/dialogs/add_document_dlg.h"
#include "proceeding/dialogs/document_properties_dlg.h"
#include "proceeding/dialogs/header_footer_dlg.h"

namespace {

CString ItemText(CDialog &dialog, int id)
{
    CString text;
    dialog.GetDlgItemText(id, text);
    return text;
}

TEST(HeaderFooterDialog, TextsAndNumberingGoBothWays)
{
    CHeaderFootSettingsDlg dialog;
    dialog.m_strHeader = "Gmina Łęczna";
    const DialogRun run = RunDialog(dialog, [&](CDialog &d) {
        EXPECT_STREQ(ItemText(d, IDC_HEADER_TEXT), "Gmina Łęczna");
        EXPECT_EQ(d.IsDlgButtonChecked(IDC_PAGE_NUMBERING), 0u);
        d.SetDlgItemText(IDC_FOOTER_TEXT, "Strona");
        d.CheckDlgButton(IDC_PAGE_NUMBERING, BST_CHECKED);
        PressOk(d);
    });
    EXPECT_EQ(run.result, IDOK);
    EXPECT_STREQ(dialog.m_strFooter, "Strona");
    EXPECT_EQ(dialog.m_nPageNumbering, 1);
}

TEST(AddDocumentDialog, PrefilledNameIsShownAndReadBack)
{
    CAddDocumentDlg dialog;
    dialog.m_strName = "Umowa";
    RunDialog(dialog, [&](CDialog &d) {
        EXPECT_STREQ(ItemText(d, IDC_DOCUMENT_TITLE), "Umowa");
        d.SetDlgItemText(IDC_DOCUMENT_TITLE, "Aneks do umowy");
        PressOk(d);
    });
    EXPECT_STREQ(dialog.m_strName, "Aneks do umowy");
}

// Slots: 0 unlocked text, 1 Word, 2 locked text, 3 comment, 4 Excel, 5 unused, 7 unlocked.
class DocumentPropertiesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Fill(0, "swz.rtf", "SWZ", 0, 0);
        Fill(1, "formularz.doc", "Formularz", 0, 0);
        Fill(2, "ogloszenie.rtf", "Ogłoszenie", 1, 0);
        Fill(3, "uwagi.rtf", "Uwagi", 0, 1);
        Fill(4, "kosztorys.xls", "Kosztorys", 1, 0);
        Fill(7, "umowa.rtf", "Umowa", 0, 0);
    }
    void Fill(int slot, const char *file, const char *name, int locked, int comment)
    {
        dialog.m_strFileNames[slot] = file;
        dialog.m_strDocumentNames[slot] = name;
        dialog.m_nLocked[slot] = locked;
        dialog.m_nComment[slot] = comment;
    }
    std::vector<std::string> States(CDialog &)
    {
        std::vector<std::string> states;
        for (int row = 0; row < dialog.m_list.GetItemCount(); ++row)
            states.push_back((LPCSTR)dialog.m_list.GetItemText(row, 0));
        return states;
    }
    void Select(int row)
    {
        dialog.m_list.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        NMHDR header{dialog.m_list.m_hWnd, IDC_DOCUMENT_PROPERTY_LIST, static_cast<UINT>(NM_CLICK)};
        dialog.SendMessage(WM_NOTIFY, IDC_DOCUMENT_PROPERTY_LIST, (LPARAM)&header);
    }
    bool ArchiveEnabled(CDialog &d) { return ::IsWindowEnabled(d.GetDlgItem(IDC_CLOSE_AND_ARCHIVE)->m_hWnd); }
    bool SecureEnabled(CDialog &d) { return ::IsWindowEnabled(d.GetDlgItem(IDC_SECURE_DOCUMENT)->m_hWnd); }

    CDocumentPropertiesDlg dialog;
};

TEST_F(DocumentPropertiesTest, ListsUsedSlotsWithTheirStates)
{
    RunDialog(dialog, [&](CDialog &d) {
        EXPECT_EQ(States(d), (std::vector<std::string>{"Odblokowany", "MS DOC", "Zablokowany", "Komentarz", "MS XLS",
                                                       "Odblokowany"}));
        EXPECT_STREQ(dialog.m_list.GetItemText(5, 1), "Umowa");
        EXPECT_EQ(dialog.m_list.GetItemData(5), 7u);
        EXPECT_FALSE(ArchiveEnabled(d));
    });
    EXPECT_EQ(dialog.m_nRows, 6);
}

TEST_F(DocumentPropertiesTest, LockingTheLastUnlockedDocumentAllowsArchiving)
{
    const DialogRun run = RunDialog(dialog, [&](CDialog &d) {
        Select(0);
        EXPECT_STREQ(ItemText(d, IDC_SECURE_DOCUMENT), "Zabezpiecz");
        Click(d, IDC_SECURE_DOCUMENT);
        EXPECT_STREQ(ItemText(d, IDC_SECURE_DOCUMENT), "Odbezpiecz");
        EXPECT_FALSE(ArchiveEnabled(d)); // row 5 is still unlocked
        Select(5);
        Click(d, IDC_SECURE_DOCUMENT);
        EXPECT_TRUE(ArchiveEnabled(d));
        Click(d, IDC_SECURE_DOCUMENT); // unlock it again
        EXPECT_FALSE(ArchiveEnabled(d));
        Click(d, IDC_SECURE_DOCUMENT);
        Click(d, IDC_CLOSE_AND_ARCHIVE);
    });
    EXPECT_EQ(run.result, IDOK);
    EXPECT_EQ(dialog.m_nArchiveRequest, 1);
    EXPECT_EQ(std::vector<int>(dialog.m_nLocked, dialog.m_nLocked + 8), (std::vector<int>{1, 0, 1, 0, 0, 0, 0, 1}));
}

TEST_F(DocumentPropertiesTest, WordExcelAndCommentsCannotBeLockedOrUnlocked)
{
    const DialogRun run = RunDialog(dialog, [&](CDialog &d) {
        for (int row : {1, 3, 4}) {
            Select(row);
            EXPECT_FALSE(SecureEnabled(d)) << row;
            Click(d, IDC_SECURE_DOCUMENT);
        }
        Click(d, IDC_SECURE_ALL);
        EXPECT_EQ(States(d), (std::vector<std::string>{"Zablokowany", "MS DOC", "Zablokowany", "Komentarz", "MS XLS",
                                                       "Zablokowany"}));
        EXPECT_TRUE(ArchiveEnabled(d));
        PressOk(d);
    });
    EXPECT_EQ(run.result, IDOK);
    EXPECT_EQ(dialog.m_nArchiveRequest, 0);
    // Word and Excel rows store 0; the comment keeps what it had.
    EXPECT_EQ(std::vector<int>(dialog.m_nLocked, dialog.m_nLocked + 8), (std::vector<int>{1, 0, 1, 0, 0, 0, 0, 1}));
}

TEST_F(DocumentPropertiesTest, CancelStoresNothing)
{
    const DialogRun run = RunDialog(dialog, [&](CDialog &d) {
        Click(d, IDC_SECURE_ALL);
        d.SendMessage(WM_COMMAND, IDCANCEL);
    });
    EXPECT_EQ(run.result, IDCANCEL);
    EXPECT_EQ(std::vector<int>(dialog.m_nLocked, dialog.m_nLocked + 8), (std::vector<int>{0, 0, 1, 0, 1, 0, 0, 0}));
}

} // namespace
