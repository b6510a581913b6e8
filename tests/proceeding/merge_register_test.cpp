// The register of contractors in a registers database made from the shipped schema: rows
// added, changed and deleted through the program's code and its two dialogs, texts with Polish
// letters, quotes and SQL characters stored as they are, and the key lists of the mail merge.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "app/morvelank_app.h"
#include "dialog_test_support.h"
#include "framework/db/recordset.h"
#include "merge_fixture.h"
#include "proceeding/merge/contractor_list_dlg.h"
#include "proceeding/merge/contractor_register.h"
#include "proceeding/merge/contractor_register_dlg.h"
#include "res/resource.h"

namespace {

const char *const kAwkwardTexts[] = {
    "Przedsiębiorstwo „Żółć” Sp. z o.o.",
    "O'Brien & Syn",
    "\"cudzysłów\"; drop table rej_wykonawcow; --",
    "?",
    "ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ",
};

class RegisterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CreateRegistersDatabase(folder.Path());
        app.MainPath = folder.Path();
        ASSERT_EQ(app.OpenRejestryDB(), 1);
        registers = app.GetRegistersConnection();
    }
    void TearDown() override { app.CloseRejestryDB(); }

    // The table as stored: "lp|field1|...|field8" per row, in key order.
    std::vector<CString> Rows()
    {
        Recordset rows;
        rows.Open("select * from rej_wykonawcow order by lp", registers);
        std::vector<CString> texts;
        for (; !rows.IsEOF(); rows.MoveNext()) {
            CString row = rows.GetFieldValue(0).AsText();
            for (int k = 1; k <= 8; ++k)
                row += "|" + rows.GetFieldValue(k).AsText();
            texts.push_back(row);
        }
        return texts;
    }

    TestFolder folder;
    CMorvelankApp app;
    ConnectionPtr registers;
};

TEST_F(RegisterTest, RowsAreAddedChangedAndDeletedWithTheirTextsAsTyped)
{
    const ContractorRegister contractors(registers);
    std::vector<int> keys;
    for (const char *text : kAwkwardTexts) {
        Contractor contractor;
        for (int k = 0; k < 8; ++k)
            contractor.fields[k] = text;
        keys.push_back(contractors.Add(contractor));
        EXPECT_EQ(contractor.lp, keys.back());
    }
    EXPECT_EQ(keys, (std::vector<int>{1, 2, 3, 4, 5}));
    const std::vector<Contractor> loaded = contractors.LoadAll();
    ASSERT_EQ(loaded.size(), 5u);
    for (size_t i = 0; i < loaded.size(); ++i)
        for (const CString &field : loaded[i].fields)
            EXPECT_EQ(field, CString(kAwkwardTexts[i]));

    Contractor changed;
    ASSERT_TRUE(contractors.Find(2, changed));
    changed.Name() = "Nowa nazwa 'z apostrofem'";
    changed.Email() = "";
    contractors.Update(changed);
    contractors.Delete(4);

    const std::vector<CString> rows = Rows();
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[1], CString("2|Nowa nazwa 'z apostrofem'|O'Brien & Syn|O'Brien & Syn|O'Brien & Syn|O'Brien & Syn|"
                               "O'Brien & Syn||O'Brien & Syn"));
    EXPECT_EQ(rows[2].Left(2), CString("3|"));
    EXPECT_EQ(rows[3].Left(2), CString("5|"));
    Contractor gone;
    EXPECT_FALSE(contractors.Find(4, gone));
    // A new row never takes the key of a row still stored.
    Contractor next;
    EXPECT_EQ(contractors.Add(next), 6);
}

TEST_F(RegisterTest, AClosedOrBrokenDatabaseIsReportedAsSuch)
{
    EXPECT_FALSE(ContractorRegister(ConnectionPtr()).IsOpen());
    registers->Execute("drop table rej_wykonawcow");
    CTestHook hook;
    std::vector<CString> shown;
    hook.onMessageBox = [&](const CString &text, const CString &caption, UINT) {
        shown.push_back(caption + ": " + text);
        return IDOK;
    };
    CTestHookScope scope(hook);
    try {
        ContractorRegister(registers).LoadAll();
        ADD_FAILURE() << "no failure";
    } catch (...) {
        ReportCurrentException(nullptr);
    }
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].Left(20), CString("Błąd: Wyjątek COM: n")) << (LPCSTR)shown[0];
}

TEST(MergeKeysTest, KeyListsAreWrittenAndReadWithCommasAroundEveryKey)
{
    EXPECT_EQ(JoinKeys({}), CString(","));
    EXPECT_EQ(JoinKeys({7, 12, 3}), CString(",7,12,3,"));
    const struct {
        const char *list;
        std::vector<int> keys;
    } lists[] = {{",7,12,3,", {7, 12, 3}}, {"", {}}, {",", {}}, {",,5,,x,6", {5, 6}}, {" 4 ,", {4}}};
    for (const auto &c : lists)
        EXPECT_EQ(SplitKeys(c.list), c.keys) << c.list;
    EXPECT_TRUE(ListHasKey(",7,12,3,", 12));
    EXPECT_FALSE(ListHasKey(",12,", 1));
    EXPECT_FALSE(ListHasKey(",12,", 2));
}

// ---- The register's dialog ----------------------------------------------------------------------

class RegisterDialogTest : public RegisterTest {
protected:
    // Runs the register; each form it opens gets the next of the texts (name, address,
    // telephones, e-mail, contact) and OK, and questions are answered with answer.
    void Run(const std::function<void(CContractorRegisterDlg &)> &actions)
    {
        CTestHook hook;
        hook.onDialog = [&](CDialog &dialog) {
            if (auto *form = dynamic_cast<CContractorDlg *>(&dialog)) {
                formOpenedWith.push_back(form->m_contractor.Name());
                const std::vector<const char *> &texts = forms.at(formsShown++);
                const int controls[] = {IDC_CONTRACTOR_NAME, IDC_CONTRACTOR_ADDRESS, IDC_CONTRACTOR_PHONES,
                                        IDC_CONTRACTOR_EMAIL, IDC_CONTRACTOR_CONTACT};
                for (size_t i = 0; i < texts.size(); ++i)
                    ::SetDlgItemTextW(form->m_hWnd, controls[i], Cp1250ToWide(texts[i]).c_str());
                PressOk(*form);
            } else if (auto *dlg = dynamic_cast<CContractorRegisterDlg *>(&dialog)) {
                actions(*dlg);
            }
        };
        hook.onMessageBox = [&](const CString &text, const CString &caption, UINT) {
            shown.push_back(caption + ": " + text);
            return answer;
        };
        CTestHookScope scope(hook);
        CContractorRegisterDlg dialog;
        dialog.DoModal();
    }

    static void Select(CContractorRegisterDlg &dialog, int row)
    {
        dialog.m_list.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }

    std::vector<std::vector<const char *>> forms;
    size_t formsShown = 0;
    std::vector<CString> formOpenedWith;
    std::vector<CString> shown;
    int answer = IDYES;
};

TEST_F(RegisterDialogTest, TheUserAddsChangesAndDeletesContractors)
{
    registers->Execute("insert into rej_wykonawcow (lp, field1, field3) values (4, 'Stary', 'pole trzecie')");
    forms = {{"Firma „Łoś”", "ul. Żeglarska 3", "22 111", "los@example.pl", "Jan Ćwik"},
             {"Stary Wykonawca", "nowy adres", "", "", ""}};
    std::vector<CString> listed;
    Run([&](CContractorRegisterDlg &dialog) {
        Click(dialog, IDC_REGISTER_ADD);
        ASSERT_EQ(dialog.m_list.GetItemCount(), 2);
        listed.push_back(dialog.m_list.GetItemText(1, 0) + "|" + dialog.m_list.GetItemText(1, 4));
        Select(dialog, 0);
        Click(dialog, IDC_REGISTER_CHANGE);
        Select(dialog, 1);
        Click(dialog, IDC_REGISTER_DELETE);
        listed.push_back(dialog.m_list.GetItemText(0, 0));
        listed.push_back(CString() + (dialog.m_list.GetItemCount() == 1 ? "one row" : "rows left"));
    });
    EXPECT_EQ(listed, (std::vector<CString>{"Firma „Łoś”|Jan Ćwik", "Stary Wykonawca", "one row"}));
    EXPECT_EQ(formOpenedWith, (std::vector<CString>{"", "Stary"}));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], CString("Pytanie: Czy na pewno usunąć wykonawcę \"Firma „Łoś”\" z rejestru?"));
    // The field the form does not show is kept.
    EXPECT_EQ(Rows(), (std::vector<CString>{"4|Stary Wykonawca|nowy adres|pole trzecie|||||"}));
}

TEST_F(RegisterDialogTest, RefusalsLeaveTheRegisterAsItWas)
{
    registers->Execute("insert into rej_wykonawcow (lp, field1) values (1, 'Jedyny')");
    answer = IDNO;
    forms = {{"   ", "adres bez nazwy"}};
    Run([&](CContractorRegisterDlg &dialog) {
        // The form refuses an empty name and stays open; the hook then cancels it.
        Click(dialog, IDC_REGISTER_ADD);
        Select(dialog, 0);
        Click(dialog, IDC_REGISTER_DELETE);
        // Nothing selected: nothing to change or delete.
        dialog.m_list.SetItemState(0, 0, LVIS_SELECTED);
        Click(dialog, IDC_REGISTER_CHANGE);
        Click(dialog, IDC_REGISTER_DELETE);
    });
    EXPECT_EQ(shown, (std::vector<CString>{"Błąd: Nazwa wykonawcy nie może być pusta",
                                           "Pytanie: Czy na pewno usunąć wykonawcę \"Jedyny\" z rejestru?"}));
    EXPECT_EQ(Rows(), (std::vector<CString>{"1|Jedyny|||||||"}));
}

TEST_F(RegisterDialogTest, WithoutTheRegistersDatabaseTheRegisterSaysSo)
{
    app.CloseRejestryDB();
    forms = {{"Nie zapisany"}};
    Run([&](CContractorRegisterDlg &dialog) { Click(dialog, IDC_REGISTER_ADD); });
    EXPECT_EQ(shown, (std::vector<CString>{"Błąd: Baza danych rejestrów nie jest otwarta",
                                           "Błąd: Baza danych rejestrów nie jest otwarta"}));
    EXPECT_EQ(formsShown, 0u);
}

// ---- The contractor list of the table editor ---------------------------------------------------

TEST_F(RegisterTest, TheContractorListHandsOverTheChosenContractorsFiveTextsAndCancelNone)
{
    registers->Execute("insert into rej_wykonawcow (lp, field1, field2, field5, field6, field7, field8) values "
                       "(1, 'Pierwszy', 'Adres 1', 'ukryte', 'tel 1', 'p@example.pl', 'Anna'), "
                       "(2, 'Drugi „Ż”', 'Adres 2', '', 'tel 2', 'd@example.pl', 'Ewa')");
    const struct {
        int button;
        INT_PTR result;
        const char *texts;
    } cases[] = {
        {IDC_CONTRACTOR_CHOOSE, IDOK, "Drugi „Ż”|Adres 2|tel 2|d@example.pl|Ewa"},
        {IDCANCEL, IDCANCEL, "||||"},
    };
    for (const auto &c : cases) {
        CContractorListDlg dialog;
        dialog.m_strName = "przed";
        const DialogRun run = RunDialog(dialog, [&](CDialog &) {
            EXPECT_EQ(dialog.m_list.GetItemCount(), 2);
            dialog.m_list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
            Click(dialog, c.button);
        });
        EXPECT_EQ(run.result, c.result);
        EXPECT_EQ(dialog.m_strName + "|" + dialog.m_strAddress + "|" + dialog.m_strPhones + "|" + dialog.m_strEmail
                      + "|" + dialog.m_strContact,
                  CString(c.texts));
    }
}

TEST_F(RegisterTest, TheContractorListsEditButtonNeedsTheRegistersProgram)
{
    CContractorListDlg dialog;
    const DialogRun run = RunDialog(dialog, [&](CDialog &) { Click(dialog, IDC_CONTRACTOR_EDIT); });
    ASSERT_EQ(run.messages.size(), 1u);
    EXPECT_EQ(run.messages[0].text, CString("Nie znaleziono programu rejestrów"));
    EXPECT_EQ(run.messages[0].caption, CString("Błąd"));
}

} // namespace
