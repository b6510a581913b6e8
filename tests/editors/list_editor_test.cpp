#include <gtest/gtest.h>

#include "tests/support/clipped_texts.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "framework/ui/ui.h"
#include "proceeding/editors/list_editor_dlg.h"
#include "proceeding/editors/list_input_dlgs.h"
#include "res/list_editor_ids.h"
#include "tests/support/dialog_driver.h"

namespace {

const char kMissingOnAdd[] = " Jedna z wymaganych wartości nie została podana !\n Nie można dodać elementu do listy.";
const char kMissingOnModify[] = " Jedna z wymaganych wartości nie została podana !\n Nie można zmienić danych.";
const char kWeightsRefused[] = "Łączna suma wag kryteriów musi być równa 100";

std::string Text(CWnd &dialog, int id)
{
    CString text;
    dialog.GetDlgItemText(id, text);
    return text.GetString();
}

// Runs the list editor; every input dialog it opens is recorded and answered by the next
// queued answer (none left: it stays open and ends as Cancel); message boxes are recorded.
class ListEditorTest : public ::testing::Test {
protected:
    using Answer = std::function<void(CDialog &)>;

    INT_PTR Run(const std::function<void(CListEditorDlg &)> &actions)
    {
        CTestHook hook;
        hook.onDialog = [&](CDialog &d) {
            if (&d == &dialog) {
                actions(dialog);
                return;
            }
            inputs.push_back(&d);
            if (answers.empty())
                return;
            const Answer answer = answers.front();
            answers.pop_front();
            answer(d);
        };
        hook.onMessageBox = [this](const CString &text, const CString &caption, UINT type) {
            messages.push_back({text, caption, type});
            return IDOK;
        };
        CTestHookScope scope(hook);
        return dialog.DoModal();
    }

    std::vector<std::string> Rows() const
    {
        std::vector<std::string> rows;
        const int columns = static_cast<int>(Headings().size());
        for (int row = 0; row < dialog.m_list.GetItemCount(); ++row) {
            std::string line;
            for (int column = 0; column < columns; ++column)
                line += (column ? "|" : "") + std::string(dialog.m_list.GetItemText(row, column));
            rows.push_back(line);
        }
        return rows;
    }
    std::vector<std::string> Headings() const
    {
        std::vector<std::string> headings;
        HWND header = (HWND)dialog.m_list.SendMessage(LVM_GETHEADER);
        const int count = (int)::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0);
        for (int column = 0; column < count; ++column) {
            WCHAR text[100] = L"";
            LVCOLUMNW info = {};
            info.mask = LVCF_TEXT;
            info.pszText = text;
            info.cchTextMax = 100;
            dialog.m_list.SendMessage(LVM_GETCOLUMNW, column, (LPARAM)&info);
            char narrow[200] = "";
            WideCharToMultiByte(1250, 0, text, -1, narrow, sizeof narrow, nullptr, nullptr);
            headings.push_back(narrow);
        }
        return headings;
    }
    void Select(int row) { dialog.m_list.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED); }
    static void DoubleClick(CListEditorDlg &d)
    {
        NMHDR notify = {d.m_list.m_hWnd, IDC_LIST_EDITOR_LIST, NM_DBLCLK};
        d.SendMessage(WM_NOTIFY, IDC_LIST_EDITOR_LIST, (LPARAM)&notify);
    }
    // Answers a criterion dialog with a name and a weight.
    static Answer Criterion(const char *name, const char *weight)
    {
        return [=](CDialog &d) {
            d.SetDlgItemText(IDC_CRITERION_INPUT_NAME, name);
            d.SetDlgItemText(IDC_CRITERION_INPUT_WEIGHT, weight);
            DialogDriver::Press(d, IDOK);
        };
    }
    // Answers the six-field dialog with the given values, field by field.
    static Answer Offer(std::vector<const char *> values)
    {
        return [=](CDialog &d) {
            const int edits[] = {IDC_OFFER_INPUT_VALUE_1, IDC_OFFER_INPUT_VALUE_2, IDC_OFFER_INPUT_VALUE_3,
                                 IDC_OFFER_INPUT_VALUE_4, IDC_OFFER_INPUT_VALUE_5, IDC_OFFER_INPUT_VALUE_6};
            for (size_t i = 0; i < values.size(); ++i)
                d.SetDlgItemText(edits[i], values[i]);
            DialogDriver::Press(d, IDOK);
        };
    }

    CListEditorDlg dialog;
    std::deque<Answer> answers;
    std::vector<CDialog *> inputs;
    std::vector<ShownMessage> messages;
};

TEST_F(ListEditorTest, EachKindHasItsCaptionAndColumns)
{
    const struct {
        int kind;
        int parts;
        const char *caption;
        std::vector<std::string> headings;
    } cases[] = {
        {0, -1, "Kryteria oceny oferty", {"Nazwa kryterium", "Wartość (%)"}},
        {1, -1, "Lista ofert", {"Nr oferty", "Nazwa oferenta", "Adres oferenta", "Data złożenia"}},
        {1, 0, "Lista ofert", {"Nr oferty", "Nazwa oferenta", "Adres oferenta", "Data złożenia", "Nr zadania"}},
        {2,
         3,
         "Zbiorcze zestawienie ofert",
         {"Nr oferty", "Nazwa oferenta", "Adres oferenta", "Cena", "Uwagi", "Nr zadania"}},
        {3, -1, "Wykaz ofert wstępnych", {"Nr oferenta", "Nazwa i adres oferenta"}},
        {4,
         -1,
         "Spis ofert",
         {"Nr oferenta", "Nazwa i adres oferenta", "Kryteria oceny ofert wstępnych", "Ocena ofert i uzasadnienie"}},
        {5, -1, "Lista", {"Nr", "Nazwa kryterium"}},
        {6, -1, "Streszczenie oceny i porównania złożonych ofert", {"Nr oferty", "Suma punktów"}},
        {14, -1, "Kryteria oceny oferty", {"Nr kryterium", "Nazwa kryterium", "Wartość (%)", "Sposób punktowania"}},
        {17, -1, "Wykaz osób do kontaktów z zamawiającymi", {"Lp", "Imię i nazwisko", "Zakres odpowiedzialności"}},
        {29,
         2,
         "Zbiorcze zestawienie ofert",
         {"Nr oferty", "Zadanie", "Nazwa oferenta", "Adres oferenta", "Cena", "Uwagi"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.kind);
        dialog.m_nListKind = c.kind;
        dialog.m_nPartCount = c.parts;
        std::string caption, sum;
        std::vector<std::string> headings;
        bool helpEnabled = true;
        DWORD extended = 0;
        // Headings and the input dialog's labels are set while the editor runs: measured as shown.
        std::string clipped, inputClipped;
        answers.push_back([&](CDialog &input) {
            inputClipped = clipped_texts::ClippedTexts(input.m_hWnd);
            DialogDriver::Press(input, IDCANCEL);
        });
        Run([&](CListEditorDlg &d) {
            clipped = clipped_texts::ClippedTexts(d.m_hWnd);
            DialogDriver::Press(d, IDC_LIST_EDITOR_ADD);
            CString title;
            d.GetWindowText(title);
            caption = title.GetString();
            headings = Headings();
            sum = Text(d, IDC_LIST_EDITOR_SUM);
            helpEnabled = DialogDriver::IsEnabled(d, IDC_LIST_EDITOR_LEGAL_HELP);
            extended = d.m_list.GetExtendedStyle();
        });
        EXPECT_EQ(c.caption, caption);
        EXPECT_EQ(c.headings, headings);
        EXPECT_EQ(clipped, "");
        EXPECT_EQ(inputClipped, "");
        EXPECT_EQ("0.00", sum);
        EXPECT_FALSE(helpEnabled);
        EXPECT_EQ((DWORD)(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT),
                  extended & (LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT));
    }
}

TEST_F(ListEditorTest, RowsTextComesBackAsItWasRead)
{
    dialog.m_nListKind = 1;
    dialog.m_strValue = "1|Firma A||2024-01-02\nFirma B|Adres B\n\n";
    std::vector<std::string> rows;
    const INT_PTR result = Run([&](CListEditorDlg &d) {
        rows = Rows();
        DialogDriver::Press(d, IDC_LIST_EDITOR_OK);
    });
    EXPECT_EQ((std::vector<std::string>{"1|Firma A||2024-01-02", "||Firma B|Adres B"}), rows);
    EXPECT_EQ(IDOK, result);
    EXPECT_STREQ("1|Firma A||2024-01-02\n||Firma B|Adres B\n", dialog.m_strValue);
}

TEST_F(ListEditorTest, CancelKeepsTheValue)
{
    dialog.m_nListKind = 3;
    dialog.m_strValue = "1|Firma\n";
    answers.push_back(Offer({"2", "Druga"}));
    const INT_PTR result = Run([&](CListEditorDlg &d) {
        DialogDriver::Press(d, IDC_LIST_EDITOR_ADD);
        DialogDriver::Press(d, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_STREQ("1|Firma\n", dialog.m_strValue);
}

TEST_F(ListEditorTest, CriteriaAreAddedChangedAndDeletedWithTheTotalFollowing)
{
    dialog.m_nListKind = 0;
    dialog.m_strValue = "Cena|60\n";
    answers.push_back(Criterion("Termin", "30"));
    std::string shownName, shownWeight;
    bool scoringEnabled = true, offerEnabled = true;
    answers.push_back([&](CDialog &d) {
        shownName = Text(d, IDC_CRITERION_INPUT_NAME);
        shownWeight = Text(d, IDC_CRITERION_INPUT_WEIGHT);
        scoringEnabled = DialogDriver::IsEnabled(d, IDC_CRITERION_INPUT_SCORING);
        offerEnabled = DialogDriver::IsEnabled(d, IDC_CRITERION_INPUT_OFFER);
        Criterion("Termin dostawy", "40")(d);
    });
    answers.push_back(Criterion("Gwarancja", "10"));
    std::vector<std::string> sums;
    std::vector<std::string> rows;
    const INT_PTR result = Run([&](CListEditorDlg &d) {
        sums.push_back(Text(d, IDC_LIST_EDITOR_SUM));
        DialogDriver::Press(d, IDC_LIST_EDITOR_ADD);
        sums.push_back(Text(d, IDC_LIST_EDITOR_SUM));
        Select(1);
        DoubleClick(d);
        sums.push_back(Text(d, IDC_LIST_EDITOR_SUM));
        DialogDriver::Press(d, IDC_LIST_EDITOR_ADD);
        sums.push_back(Text(d, IDC_LIST_EDITOR_SUM));
        Select(2);
        DialogDriver::Press(d, IDC_LIST_EDITOR_DELETE);
        sums.push_back(Text(d, IDC_LIST_EDITOR_SUM));
        rows = Rows();
        DialogDriver::Press(d, IDC_LIST_EDITOR_OK);
    });
    EXPECT_EQ((std::vector<std::string>{"60.00", "90.00", "100.00", "110.00", "100.00"}), sums);
    EXPECT_EQ("Termin", shownName);
    EXPECT_EQ("30", shownWeight);
    EXPECT_FALSE(scoringEnabled);
    EXPECT_FALSE(offerEnabled);
    EXPECT_EQ((std::vector<std::string>{"Cena|60", "Termin dostawy|40"}), rows);
    EXPECT_EQ(IDOK, result);
    EXPECT_TRUE(messages.empty());
    EXPECT_STREQ("Cena|60\nTermin dostawy|40\n", dialog.m_strValue);
}

TEST_F(ListEditorTest, WeightsNotTotallingOneHundredKeepTheDialogOpen)
{
    const struct {
        int kind;
        const char *value;
        bool accepted;
    } cases[] = {
        {0, "Cena|60\nTermin|40\n", true},
        {0, "Cena|60\nTermin|39.99\n", false},
        {0, "", true},
        {14, "1|Cena|60|wzór\n2|Termin|40|\n", true},
        {14, "1|Cena|60|wzór\n", false},
        {3, "1|60\n", true}, // no weights, no check
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.value);
        dialog.m_nListKind = c.kind;
        dialog.m_strValue = c.value;
        messages.clear();
        bool stayedOpen = false;
        std::string sumAfterRefusal;
        const INT_PTR result = Run([&](CListEditorDlg &d) {
            DialogDriver::Press(d, IDC_LIST_EDITOR_OK);
            stayedOpen = ::IsWindow(d.m_hWnd) && !messages.empty();
        });
        if (c.accepted) {
            EXPECT_EQ(IDOK, result);
            EXPECT_TRUE(messages.empty());
            EXPECT_STREQ(c.value, dialog.m_strValue);
        } else {
            EXPECT_EQ(IDCANCEL, result);
            EXPECT_TRUE(stayedOpen);
            ASSERT_EQ(1u, messages.size());
            EXPECT_EQ(kWeightsRefused, messages[0].text);
            EXPECT_EQ("Błąd", messages[0].caption);
            EXPECT_EQ((UINT)MB_ICONINFORMATION, messages[0].type & MB_ICONMASK);
        }
    }
}

TEST_F(ListEditorTest, TheSumFieldCannotBeTypedIntoOneHundred)
{
    dialog.m_nListKind = 0;
    dialog.m_strValue = "Cena|50\n";
    const INT_PTR result = Run([&](CListEditorDlg &d) {
        d.SetDlgItemText(IDC_LIST_EDITOR_SUM, "100.00");
        DialogDriver::Press(d, IDC_LIST_EDITOR_OK);
    });
    EXPECT_EQ(IDCANCEL, result);
    ASSERT_EQ(1u, messages.size());
    EXPECT_EQ(kWeightsRefused, messages[0].text);
}

TEST_F(ListEditorTest, RequiredCriterionFieldsAreAskedFor)
{
    const struct {
        int kind;
        bool modify;
        Answer answer;
        const char *message;
    } cases[] = {
        {0, false, Criterion("Cena", ""), kMissingOnAdd},
        {0, false, Criterion("", "20"), kMissingOnAdd},
        {0, true, Criterion("", "20"), kMissingOnModify},
        {14, false,
         [](CDialog &d) {
             d.SetDlgItemText(IDC_CRITERION_VALUE_NAME, "Cena");
             DialogDriver::Press(d, IDOK);
         },
         kMissingOnAdd},
        {14, true,
         [](CDialog &d) {
             d.SetDlgItemText(IDC_CRITERION_VALUE_NAME, "");
             DialogDriver::Press(d, IDOK);
         },
         kMissingOnModify},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.message);
        dialog.m_nListKind = c.kind;
        dialog.m_strValue = c.kind == 0 ? "Cena|100\n" : "1|Cena|100|wzór\n";
        messages.clear();
        answers.push_back(c.answer);
        std::vector<std::string> rows;
        Run([&](CListEditorDlg &d) {
            Select(0);
            DialogDriver::Press(d, c.modify ? IDC_LIST_EDITOR_MODIFY : IDC_LIST_EDITOR_ADD);
            rows = Rows();
            DialogDriver::Press(d, IDC_LIST_EDITOR_OK);
        });
        ASSERT_FALSE(messages.empty());
        EXPECT_EQ(c.message, messages[0].text);
        EXPECT_EQ((UINT)MB_ICONERROR, messages[0].type & MB_ICONMASK);
        EXPECT_EQ(1u, rows.size()) << "nothing added";
        EXPECT_STREQ(c.kind == 0 ? "Cena|100\n" : "1|Cena|100|wzór\n", dialog.m_strValue) << "nothing changed";
    }
}

TEST_F(ListEditorTest, ModifyAndDeleteWantASelectedRow)
{
    dialog.m_nListKind = 5;
    dialog.m_strValue = "1|Cena\n";
    Run([&](CListEditorDlg &d) {
        DialogDriver::Press(d, IDC_LIST_EDITOR_MODIFY);
        DialogDriver::Press(d, IDC_LIST_EDITOR_DELETE);
        DialogDriver::Press(d, IDC_LIST_EDITOR_OK);
    });
    EXPECT_TRUE(inputs.empty());
    ASSERT_EQ(2u, messages.size());
    EXPECT_EQ("Nie wybrano pozycji do edycji !", messages[0].text);
    EXPECT_EQ("Nie wybrano pozycji do usunięcia !", messages[1].text);
    EXPECT_EQ((UINT)MB_ICONERROR, messages[1].type & MB_ICONMASK);
    EXPECT_STREQ("1|Cena\n", dialog.m_strValue);
}

TEST_F(ListEditorTest, CriterionValuesFillFourColumnsAndSumTheThird)
{
    dialog.m_nListKind = 14;
    dialog.m_strValue = "1|Cena|60|najniższa cena\n";
    answers.push_back([](CDialog &d) {
        d.SetDlgItemText(IDC_CRITERION_VALUE_NUMBER, "2");
        d.SetDlgItemText(IDC_CRITERION_VALUE_NAME, "Termin");
        d.SetDlgItemText(IDC_CRITERION_VALUE_VALUE, "40");
        d.SetDlgItemText(IDC_CRITERION_VALUE_SCORING, "wzór | punkty");
        DialogDriver::Press(d, IDOK);
    });
    std::string sum;
    const INT_PTR result = Run([&](CListEditorDlg &d) {
        DialogDriver::Press(d, IDC_LIST_EDITOR_ADD);
        sum = Text(d, IDC_LIST_EDITOR_SUM);
        DialogDriver::Press(d, IDC_LIST_EDITOR_OK);
    });
    EXPECT_EQ("100.00", sum);
    EXPECT_EQ(IDOK, result);
    EXPECT_STREQ("1|Cena|60|najniższa cena\n2|Termin|40|wzór , punkty\n", dialog.m_strValue);
}

TEST_F(ListEditorTest, DividedOfferListAsksForThePartNumber)
{
    const struct {
        int parts;
        const char *value;
        const char *fifthLabel;
        bool fifthEnabled;
    } cases[] = {
        {-1, "1|Firma|Polna 1|2024-05-06\n", "", false},
        {0, "1|Firma|Polna 1|2024-05-06|2\n", "Nr zadania:", true},
        {4, "1|Firma|Polna 1|2024-05-06|2\n", "Nr zadania:", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.parts);
        dialog.m_nListKind = 1;
        dialog.m_nPartCount = c.parts;
        dialog.m_strValue = "";
        std::string fifthLabel;
        bool fifthEnabled = false, sixthEnabled = true;
        answers.push_back([&](CDialog &d) {
            fifthLabel = Text(d, IDC_OFFER_INPUT_LABEL_5);
            fifthEnabled = DialogDriver::IsEnabled(d, IDC_OFFER_INPUT_VALUE_5);
            sixthEnabled = DialogDriver::IsEnabled(d, IDC_OFFER_INPUT_VALUE_6);
            Offer({"1", "Firma", "Polna 1", "2024-05-06", "2"})(d);
        });
        Run([&](CListEditorDlg &d) {
            DialogDriver::Press(d, IDC_LIST_EDITOR_ADD);
            DialogDriver::Press(d, IDC_LIST_EDITOR_OK);
        });
        EXPECT_EQ(c.fifthLabel, fifthLabel);
        EXPECT_EQ(c.fifthEnabled, fifthEnabled);
        EXPECT_FALSE(sixthEnabled);
        EXPECT_STREQ(c.value, dialog.m_strValue);
    }
}

TEST_F(ListEditorTest, CombinedSummaryPutsThePartSecondAndRelabelsOnModify)
{
    dialog.m_nListKind = 29;
    dialog.m_nPartCount = 2;
    dialog.m_strValue = "1|2|Firma|Polna 1|100.00|brak\n";
    std::vector<std::string> labels, values;
    answers.push_back([&](CDialog &d) {
        for (int id :
             {IDC_OFFER_INPUT_LABEL_1, IDC_OFFER_INPUT_LABEL_2, IDC_OFFER_INPUT_LABEL_3, IDC_OFFER_INPUT_LABEL_6})
            labels.push_back(Text(d, id));
        for (int id : {IDC_OFFER_INPUT_VALUE_1, IDC_OFFER_INPUT_VALUE_2, IDC_OFFER_INPUT_VALUE_6})
            values.push_back(Text(d, id));
        d.SetDlgItemText(IDC_OFFER_INPUT_VALUE_6, "1");
        DialogDriver::Press(d, IDOK);
    });
    answers.push_back(Offer({"2", "Druga", "Leśna 2", "90.00", "", "2"}));
    Run([&](CListEditorDlg &d) {
        Select(0);
        DialogDriver::Press(d, IDC_LIST_EDITOR_MODIFY);
        DialogDriver::Press(d, IDC_LIST_EDITOR_ADD);
        DialogDriver::Press(d, IDC_LIST_EDITOR_OK);
    });
    EXPECT_EQ((std::vector<std::string>{"Numer", "Nazwa ofer.", "Adres ofer.", "Nr zadania"}), labels);
    EXPECT_EQ((std::vector<std::string>{"1", "Firma", "2"}), values);
    EXPECT_STREQ("1|1|Firma|Polna 1|100.00|brak\n2|2|Druga|Leśna 2|90.00|\n", dialog.m_strValue);
}

TEST_F(ListEditorTest, ContactListTakesThreeFields)
{
    dialog.m_nListKind = 17;
    bool thirdEnabled = false, fourthEnabled = true;
    answers.push_back([&](CDialog &d) {
        thirdEnabled = DialogDriver::IsEnabled(d, IDC_OFFER_INPUT_VALUE_3);
        fourthEnabled = DialogDriver::IsEnabled(d, IDC_OFFER_INPUT_VALUE_4);
        Offer({"1", "Jan Kowalski", "sprawy\r\nformalne"})(d);
    });
    Run([&](CListEditorDlg &d) {
        DialogDriver::Press(d, IDC_LIST_EDITOR_ADD);
        DialogDriver::Press(d, IDC_LIST_EDITOR_OK);
    });
    EXPECT_TRUE(thirdEnabled);
    EXPECT_FALSE(fourthEnabled);
    EXPECT_STREQ("1|Jan Kowalski|sprawy formalne\n", dialog.m_strValue);
}

TEST_F(ListEditorTest, UnknownKindClosesAtOnceKeepingTheValue)
{
    dialog.m_nListKind = 7;
    dialog.m_strValue = "1|a\n";
    EXPECT_EQ(IDCANCEL, Run([](CListEditorDlg &) {}));
    EXPECT_STREQ("1|a\n", dialog.m_strValue);
}

TEST(CriterionInput, WeightFieldKeepsTheLastNumberTyped)
{
    CCriterionInputDlg dialog;
    dialog.m_nListKind = 3;
    dialog.m_strWeight = "1,5"; // a stored weight stays as it was, even when it is no number
    DialogDriver driver;
    std::string opened, typed;
    bool scoringEnabled = false;
    int caret = -1;
    driver.Run(dialog, [&](CDialog &d) {
        opened = Text(d, IDC_CRITERION_INPUT_WEIGHT);
        scoringEnabled = DialogDriver::IsEnabled(d, IDC_CRITERION_INPUT_SCORING);
        d.SetDlgItemText(IDC_CRITERION_INPUT_WEIGHT, "");
        for (const char *step : {"1", "12", "12a"})
            d.SetDlgItemText(IDC_CRITERION_INPUT_WEIGHT, step);
        typed = Text(d, IDC_CRITERION_INPUT_WEIGHT);
        DWORD start = 0;
        d.SendDlgItemMessage(IDC_CRITERION_INPUT_WEIGHT, EM_GETSEL, (WPARAM)&start, 0);
        caret = (int)start;
        DialogDriver::Press(d, IDOK);
    });
    EXPECT_EQ("1,5", opened);
    EXPECT_TRUE(scoringEnabled) << "only the weighted list does without it";
    EXPECT_EQ("12", typed);
    EXPECT_EQ(2, caret);
    EXPECT_STREQ("12", dialog.m_strWeight);
}

} // namespace
