#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dialog_test_support.h"
#include "proceeding/dialogs/multi_task_layout_dlg.h"

namespace {

// The layout dialog with its parts; name dialogs opened from it are answered in turn by the
// names listed (nullptr: Cancel), and the test's actions run on the layout layout->
class MultiTaskLayoutTest : public ::testing::Test {
protected:
    void Parts(std::initializer_list<std::pair<const char *, int>> parts)
    {
        for (const auto &part : parts) {
            layout->m_strNames[layout->m_nCount] = part.first;
            layout->m_nActive[layout->m_nCount] = part.second;
            ++layout->m_nCount;
        }
    }
    void Run(const std::function<void(CDialog &)> &actions)
    {
        run = RunDialog(*layout, [&](CDialog &d) {
            if (dynamic_cast<CTaskNameDlg *>(&d) != nullptr) {
                ++nameDialogs;
                ASSERT_FALSE(names.empty()) << "unexpected name dialog";
                prefills.push_back((LPCSTR) static_cast<CTaskNameDlg &>(d).m_strName);
                const char *name = names.front();
                names.erase(names.begin());
                if (name == nullptr)
                    return; // left open: ends as Cancel
                d.SetDlgItemText(IDC_TASK_NAME, name);
                PressOk(d);
                return;
            }
            actions(d);
        });
    }
    void Select(int row) { layout->m_list.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED); }
    std::vector<std::string> Rows() const
    {
        std::vector<std::string> rows;
        for (int row = 0; row < layout->m_list.GetItemCount(); ++row)
            rows.push_back(std::string(layout->m_list.GetItemText(row, 0)) + " "
                           + std::string(layout->m_list.GetItemText(row, 1)));
        return rows;
    }

    std::unique_ptr<CMultiTaskLayoutDlg> layout = std::make_unique<CMultiTaskLayoutDlg>();
    std::vector<const char *> names;
    std::vector<std::string> prefills;
    int nameDialogs = 0;
    DialogRun run;
};

TEST_F(MultiTaskLayoutTest, ListShowsNumbersNamesAndDeletedParts)
{
    Parts({{"Drogi", 1}, {"", 1}, {"Mosty", 0}});
    std::vector<std::string> rows;
    Run([&](CDialog &d) {
        rows = Rows();
        PressOk(d);
    });
    const std::vector<std::string> expected = {"1 Drogi", "2 Część postępowania 2", "3 Mosty (usuniete)"};
    EXPECT_EQ(expected, rows);
    EXPECT_EQ(IDOK, run.result);
}

TEST_F(MultiTaskLayoutTest, AddAppendsAnActivePartUpToTheLimit)
{
    struct Case {
        int before;
        const char *name; // nullptr: the name dialog is cancelled
        int after;
        int nameDialogs;
        const char *message;
    };
    const Case cases[] = {
        {-1, "Pierwsza", 1, 1, ""}, // an undivided proceeding has no parts to list
        {2, "Trzecia", 3, 1, ""},
        {99, "Setna", 100, 1, ""},
        {100, "Za dużo", 100, 0, "Przekroczona liczba dozwolonych postępowań częściowych"},
        {2, nullptr, 2, 1, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.before);
        layout = std::make_unique<CMultiTaskLayoutDlg>();
        layout->m_nCount = c.before;
        for (int i = 0; i < c.before; ++i) {
            layout->m_strNames[i] = "x";
            layout->m_nActive[i] = 1;
        }
        names = {c.name};
        nameDialogs = 0;
        int rows = -1;
        Run([&](CDialog &d) {
            Click(d, IDC_ADD_TASK);
            rows = layout->m_list.GetItemCount();
            PressOk(d);
        });
        EXPECT_EQ(c.after, layout->m_nCount);
        EXPECT_EQ(c.after, rows);
        EXPECT_EQ(c.nameDialogs, nameDialogs);
        EXPECT_STREQ(c.message, run.FirstMessage());
        if (c.name != nullptr && c.nameDialogs == 1) {
            EXPECT_STREQ(c.name, layout->m_strNames[c.after - 1]);
            EXPECT_EQ(1, layout->m_nActive[c.after - 1]);
        }
        names.clear();
    }
}

TEST_F(MultiTaskLayoutTest, RenamingADeletedPartMakesItActiveAgain)
{
    Parts({{"Drogi", 1}, {"Mosty", 1}});
    names = {"Wiadukty"};
    std::vector<std::string> afterDelete, afterRename;
    Run([&](CDialog &d) {
        Select(1);
        Click(d, IDC_DELETE_TASK);
        afterDelete = Rows();
        Click(d, IDC_EDIT_TASK);
        afterRename = Rows();
        PressOk(d);
    });
    EXPECT_EQ("2 Mosty (usuniete)", afterDelete[1]);
    EXPECT_EQ(std::vector<std::string>{"Mosty"}, prefills);
    EXPECT_EQ("2 Wiadukty", afterRename[1]);
    EXPECT_STREQ("Wiadukty", layout->m_strNames[1]);
    EXPECT_EQ(1, layout->m_nActive[1]);
    EXPECT_EQ(2, layout->m_nCount) << "parts are never removed";
}

TEST_F(MultiTaskLayoutTest, DeletingNeedsARowAndSparesAFixedFirstPart)
{
    struct Case {
        int firstFixed;
        int row; // -1: none selected
        int activeAfter;
        const char *message;
    };
    const Case cases[] = {
        {0, 0, 0, ""},
        {1, 0, 1, "Pierwszej pozycji nie można usunąć!"},
        {1, 1, 0, ""},
        {0, -1, 1, "Nie wybrano pozycji do usunięcia !"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.firstFixed << " " << c.row);
        layout = std::make_unique<CMultiTaskLayoutDlg>();
        Parts({{"Drogi", 1}, {"Mosty", 1}});
        layout->m_nFirstRowFixed = c.firstFixed;
        Run([&](CDialog &d) {
            if (c.row >= 0)
                Select(c.row);
            Click(d, IDC_DELETE_TASK);
            PressOk(d);
        });
        EXPECT_EQ(c.activeAfter, layout->m_nActive[c.row < 0 ? 0 : c.row]);
        EXPECT_EQ(c.activeAfter, layout->m_nActive[0] & layout->m_nActive[1]);
        EXPECT_STREQ(c.message, run.FirstMessage());
    }
}

TEST(TaskNameDialog, EmptyNameIsRefusedAndTheDialogStays)
{
    CTaskNameDlg dialog;
    bool stayedOpen = false;
    const DialogRun run = RunDialog(dialog, [&](CDialog &d) {
        d.SetDlgItemText(IDC_TASK_NAME, "");
        PressOk(d);
        stayedOpen = ::IsWindow(d.m_hWnd) != FALSE;
        d.SetDlgItemText(IDC_TASK_NAME, "Zadanie A");
        PressOk(d);
    });
    ASSERT_EQ(1u, run.messages.size());
    EXPECT_STREQ("Nazwa nie może być pusta", run.messages[0].text);
    EXPECT_STREQ("Błąd", run.messages[0].caption);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(IDOK, run.result);
    EXPECT_STREQ("Zadanie A", dialog.m_strName);
}

} // namespace
