#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "proceeding/editors/criteria_list_dlg.h"
#include "res/editors_ids.h"
#include "tests/editors/nested_name_dialogs.h"

namespace {

struct CriteriaListRun : NestedNameDialogs<CListaKryteriowDlg> {
    CriteriaListRun() : NestedNameDialogs(IDC_EDITOR_VALUE) {}
};

void SetNames(CListaKryteriowDlg &dialog, int count)
{
    for (int i = 0; i < count; ++i)
        dialog.m_strNames[i].Format("K%d", i + 1);
}

std::string Names(const CListaKryteriowDlg &dialog)
{
    std::string names;
    for (const CString &name : dialog.m_strNames)
        names += std::string(name) + ";";
    return names;
}

TEST(CriteriaList, AddAcceptsATenthNameAndRefusesAnEleventh)
{
    for (int start : {9, 10}) {
        SCOPED_TRACE(start);
        CListaKryteriowDlg dialog;
        SetNames(dialog, start);
        CriteriaListRun run;
        run.answers = {"Nowe"};
        const INT_PTR result = run.Run(dialog, [](CListaKryteriowDlg &d) {
            DialogDriver::Press(d, IDC_CRITERIA_LIST_ADD);
            DialogDriver::Press(d, IDOK);
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(dialog.m_nCount, 10);
        if (start == 9) {
            EXPECT_TRUE(run.messages.empty());
            EXPECT_EQ(dialog.m_strNames[9], "Nowe");
        } else {
            EXPECT_TRUE(run.prefills.empty());
            ASSERT_EQ(run.messages.size(), 1u);
            EXPECT_EQ(run.messages[0].text, "Ilość kryteriów nie może przekraczać dziesięciu");
            EXPECT_EQ(run.messages[0].type & MB_ICONMASK, (UINT)MB_ICONEXCLAMATION);
            EXPECT_EQ(dialog.m_strNames[9], "K10");
        }
    }
}

TEST(CriteriaList, RemovingANameMovesTheRestUpAndEmptiesTheTail)
{
    CListaKryteriowDlg dialog;
    SetNames(dialog, 5);
    CriteriaListRun run;
    run.Run(dialog, [](CListaKryteriowDlg &d) {
        DialogDriver::Press(d, IDC_CRITERIA_LIST_DELETE); // nothing selected
        d.m_list.SetCurSel(2);
        DialogDriver::Press(d, IDC_CRITERIA_LIST_DELETE);
        DialogDriver::Press(d, IDOK);
    });
    EXPECT_EQ(dialog.m_nCount, 4);
    EXPECT_EQ(Names(dialog), "K1;K2;K4;K5;;;;;;;");
}

TEST(CriteriaList, EmptyNamesAreNeitherShownNorAddedNorWrittenOverAName)
{
    CListaKryteriowDlg dialog;
    dialog.m_strNames[0] = "Cena";
    dialog.m_strNames[2] = "Termin";
    CriteriaListRun run;
    run.answers = {"", nullptr, "Gwarancja", "", nullptr};
    int shown = 0;
    run.Run(dialog, [&](CListaKryteriowDlg &d) {
        shown = d.m_list.GetCount();
        DialogDriver::Press(d, IDC_CRITERIA_LIST_ADD);  // empty: not added
        DialogDriver::Press(d, IDC_CRITERIA_LIST_ADD);  // cancelled
        DialogDriver::Press(d, IDC_CRITERIA_LIST_EDIT); // no selection: no dialog
        d.m_list.SetCurSel(1);
        DialogDriver::Press(d, IDC_CRITERIA_LIST_EDIT); // "Gwarancja" replaces "Termin"
        DialogDriver::Press(d, IDC_CRITERIA_LIST_EDIT); // empty: the name stays
        DialogDriver::Press(d, IDC_CRITERIA_LIST_EDIT); // cancelled
        DialogDriver::Press(d, IDOK);
    });
    EXPECT_EQ(shown, 2);
    // Editing offers the current name.
    EXPECT_EQ(run.prefills, (std::vector<std::string>{"", "", "Termin", "Gwarancja", "Gwarancja"}));
    EXPECT_EQ(dialog.m_nCount, 2);
    EXPECT_EQ(Names(dialog), "Cena;Gwarancja;;;;;;;;;");
}

TEST(CriteriaList, CancelChangesNothing)
{
    CListaKryteriowDlg dialog;
    SetNames(dialog, 3);
    dialog.m_nCount = 3;
    CriteriaListRun run;
    const INT_PTR result = run.Run(dialog, [](CListaKryteriowDlg &d) {
        d.m_list.SetCurSel(0);
        DialogDriver::Press(d, IDC_CRITERIA_LIST_DELETE);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dialog.m_nCount, 3);
    EXPECT_EQ(Names(dialog), "K1;K2;K3;;;;;;;;");
}

} // namespace
