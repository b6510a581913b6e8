// The mail-merge wizard under the test hook: contractors of the register moved to the chosen
// list, the correspondence documents offered in step 2, going back keeping the contractors,
// and the two key lists it hands over.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "app/morvelank_app.h"
#include "model/view_tables.h"
#include "dialog_test_support.h"
#include "merge_fixture.h"
#include "proceeding/merge/series_correspondence_wizard.h"
#include "res/resource.h"

namespace {

class MergeWizardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CreateRegistersDatabase(folder.Path());
        app.MainPath = folder.Path();
        ASSERT_EQ(app.OpenRejestryDB(), 1);
        for (int lp : {1, 2, 3})
            StoreContractor(app.GetRegistersConnection(), lp, lp == 2 ? "Drugi „Ż”" : "Wykonawca", "ul. Polna",
                            "x@example.pl");

        const struct {
            const char *name;
            int state;
            int correspondence;
        } documents[] = {{"Pismo", 0, 1}, {"Opis", 0, 0}, {"Zaproszenie", 2, 1}, {"Wyłączony", -1, 1}};
        for (const auto &d : documents) {
            DocumentSlot &slot = tables->m_documents[tables->m_nDocumentCount++];
            slot.displayName = d.name;
            slot.state = static_cast<int16_t>(d.state);
            slot.correspondence = static_cast<uint8_t>(d.correspondence);
        }
        wizard.m_connection = app.GetRegistersConnection();
        wizard.m_documents = DocumentList{tables->m_documents, tables->m_nDocumentCount};
    }
    void TearDown() override { app.CloseRejestryDB(); }

    static void Select(CListCtrl &list, int row) { list.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED); }

    // "column 0|column 1" of every row.
    static std::vector<CString> Rows(const CListCtrl &list)
    {
        std::vector<CString> rows;
        for (int row = 0; row < list.GetItemCount(); ++row)
            rows.push_back(list.GetItemText(row, 0) + "|" + list.GetItemText(row, 1));
        return rows;
    }

    bool Enabled(int id) { return ::IsWindowEnabled(wizard.GetDlgItem(id)->m_hWnd) != FALSE; }

    CString Text(int id)
    {
        CString text;
        wizard.GetDlgItem(id)->GetWindowText(text);
        return text;
    }

    TestFolder folder;
    CMorvelankApp app;
    std::unique_ptr<ViewTables> tables = std::make_unique<ViewTables>();
    CSeriesCorespondenceWizzard wizard;
};

TEST_F(MergeWizardTest, ContractorsThenDocumentsAreChosenAndGoingBackKeepsTheContractors)
{
    const DialogRun run = RunDialog(wizard, [&](CDialog &) {
        EXPECT_EQ(Text(IDC_MERGE_STEP_TITLE), CString("Krok 1. Lista wykonawców"));
        EXPECT_FALSE(Enabled(IDC_MERGE_BACK));
        EXPECT_FALSE(Enabled(IDC_MERGE_ADD));
        EXPECT_EQ(wizard.m_available.GetItemText(1, 2), CString("ul. Polna x@example.pl"));

        Click(wizard, IDC_MERGE_NEXT); // nothing chosen yet
        Select(wizard.m_available, 0);
        Select(wizard.m_available, 2);
        EXPECT_TRUE(Enabled(IDC_MERGE_ADD));
        Click(wizard, IDC_MERGE_ADD);
        EXPECT_EQ(Rows(wizard.m_chosen), (std::vector<CString>{"1|Wykonawca", "2|Wykonawca"}));
        EXPECT_EQ(Rows(wizard.m_available), (std::vector<CString>{"1|Drugi „Ż”"}));
        EXPECT_FALSE(Enabled(IDC_MERGE_ADD));

        Click(wizard, IDC_MERGE_NEXT);
        EXPECT_EQ(Text(IDC_MERGE_STEP_TITLE), CString("Krok 2. Lista dokumentów"));
        EXPECT_EQ(Text(IDC_MERGE_NEXT), CString("Zakończ"));
        EXPECT_EQ(Rows(wizard.m_available), (std::vector<CString>{"1|Pismo", "2|Zaproszenie"}));
        Click(wizard, IDC_MERGE_NEXT); // no document chosen

        Click(wizard, IDC_MERGE_BACK);
        EXPECT_EQ(wizard.m_nStep, 0);
        EXPECT_EQ(Text(IDC_MERGE_NEXT), CString("Dalej >>"));
        EXPECT_EQ(Rows(wizard.m_chosen), (std::vector<CString>{"1|Wykonawca", "2|Wykonawca"}));
        // The second one goes back; the first stays chosen.
        Select(wizard.m_chosen, 1);
        Click(wizard, IDC_MERGE_REMOVE);
        Click(wizard, IDC_MERGE_NEXT);
        Select(wizard.m_available, 1);
        Click(wizard, IDC_MERGE_ADD);
        Click(wizard, IDC_MERGE_NEXT);
    });
    EXPECT_EQ(run.result, IDOK);
    ASSERT_EQ(run.messages.size(), 2u);
    EXPECT_EQ(run.messages[0].text, CString("Aby kontynuować należy wybrać co najmniej jednego wykonawcę."));
    EXPECT_EQ(run.messages[1].text, CString("Aby kontynuować należy wybrać co najmniej jeden dokument."));
    EXPECT_EQ(run.messages[1].caption, CString("Informacja"));
    EXPECT_EQ(wizard.m_strChosenContractors, CString(",1,"));
    EXPECT_EQ(wizard.m_strChosenDocuments, CString(",2,"));
}

TEST_F(MergeWizardTest, WithoutTheRegistersDatabaseNoContractorIsOffered)
{
    wizard.m_connection = ConnectionPtr();
    const DialogRun run = RunDialog(wizard, [&](CDialog &) { EXPECT_EQ(wizard.m_available.GetItemCount(), 0); });
    EXPECT_EQ(run.result, IDCANCEL);
    EXPECT_EQ(run.FirstMessage(), CString("Baza danych rejestrów nie jest otwarta"));
}

} // namespace
