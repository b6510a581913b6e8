// The points balance dialog with its real panel, rows and lists, run under the test hook: the
// result sentence, hidden rows of offers without a price, criteria added and removed, points
// edited through the value editor, the offer count, and the new-criterion dialog on its own.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "document/view/value_editor_runner.h"
#include "evaluation/criteria/balance_dlg.h"
#include "evaluation/criteria/balance_panel.h"
#include "model/criteria_data.h"
#include "evaluation/criteria/new_criterion_dlg.h"
#include "framework/ui/ui.h"
#include "tests/support/dialog_driver.h"

namespace {

const char kTotalText[] = "Suma punktów uzyskanych we wszystkich  kryteriach";

// Answers the points editor with a typed text and remembers what it was asked.
class PointsEditor : public ValueEditorRunner {
public:
    bool EditText(TextEditRequest &) override { return false; }
    bool EditDate(DateEditRequest &) override { return false; }
    bool EditPrice(PriceEditRequest &request) override
    {
        asked.push_back(request);
        if (!confirm)
            return false;
        request.value = answer;
        return true;
    }
    std::vector<PriceEditRequest> asked;
    CString answer;
    bool confirm = true;
};

class BalanceDialogTest : public ::testing::Test {
protected:
    void SetUp() override { SetValueEditorRunner(&editor); }
    void TearDown() override { SetValueEditorRunner(nullptr); }

    // Prices 100, 120, 150 with weight 60 give price points 60, 50, 40; with the criteria
    // points 20, 45 and 55 the totals are 80, 95 and 95.
    void FillTieRecord()
    {
        data->m_strPriceWeight = "60";
        data->m_nOfferCount = 3;
        data->m_nCriteriaCount = 1;
        data->m_strCriterionName[0] = "jakość";
        data->m_strCriterionWeight[0] = "40";
        const double prices[] = {100, 120, 150};
        const double points[] = {20, 45, 55};
        for (int i = 0; i < 3; ++i) {
            data->m_offers[i].grossPrice = prices[i];
            data->m_offers[i].points[0] = points[i];
        }
    }

    // Runs the balance on the record (or on none); `answer` acts on the open dialog and the
    // new-criterion dialog is answered with newName / newWeight.
    INT_PTR Run(const std::function<void(CBilansPunktowyDlg &)> &answer, CCriteriaData *record = nullptr,
                bool withRecord = true)
    {
        CBilansPunktowyDlg dialog(withRecord ? (record ? record : data.get()) : nullptr);
        CTestHook hook;
        hook.onDialog = [&](CDialog &shown) {
            if (&shown == &dialog) {
                answer(dialog);
            } else if (auto *criterion = dynamic_cast<CNoweKryteriumDlg *>(&shown)) {
                ++newCriterionDialogs;
                criterion->SetDlgItemText(IDC_NEW_CRITERION_NAME, newName);
                criterion->SetDlgItemText(IDC_NEW_CRITERION_WEIGHT, newWeight);
                criterion->OnOK();
            }
        };
        hook.onMessageBox = [this](const CString &text, const CString &caption, UINT type) {
            messages.push_back({text, caption, type});
            return IDOK;
        };
        CTestHookScope scope(hook);
        return dialog.DoModal();
    }

    static CString Result(CBilansPunktowyDlg &dialog)
    {
        CString text;
        dialog.GetDlgItemText(IDC_BALANCE_RESULT, text);
        return text;
    }
    static COfertaPunktyDlg &Row(CBilansPunktowyDlg &dialog, int i) { return *dialog.GetPanel()->GetOfferRow(i); }
    static CString Cell(CBilansPunktowyDlg &dialog, int offer, int row, int column = 1)
    {
        return Row(dialog, offer).GetList().GetItemText(row, column);
    }
    static void Select(CListCtrl &list, int row)
    {
        list.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }
    // The click notification a list sends its dialog.
    static void Click(CWnd &owner, CListCtrl &list, UINT code = NM_CLICK)
    {
        NMHDR header{list.m_hWnd, (UINT_PTR)list.GetDlgCtrlID(), code};
        owner.SendMessage(WM_NOTIFY, header.idFrom, (LPARAM)&header);
    }
    static void LeaveOfferCount(CBilansPunktowyDlg &dialog, const char *text)
    {
        dialog.SetDlgItemText(IDC_BALANCE_OFFER_COUNT, text);
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BALANCE_OFFER_COUNT, EN_KILLFOCUS),
                           (LPARAM)dialog.GetDlgItem(IDC_BALANCE_OFFER_COUNT)->m_hWnd);
    }
    static int Top(CBilansPunktowyDlg &dialog, int i)
    {
        CRect rect;
        Row(dialog, i).GetWindowRect(&rect);
        dialog.GetPanel()->ScreenToClient(&rect);
        return rect.top;
    }
    static bool Visible(CBilansPunktowyDlg &dialog, int i) { return (Row(dialog, i).GetStyle() & WS_VISIBLE) != 0; }

    std::unique_ptr<CCriteriaData> data = std::make_unique<CCriteriaData>();
    PointsEditor editor;
    std::vector<ShownMessage> messages;
    CString newName;
    CString newWeight;
    int newCriterionDialogs = 0;
};

TEST_F(BalanceDialogTest, RowsListPointsAndTheTieSentenceNamesTheCheapestWinner)
{
    FillTieRecord();
    Run([&](CBilansPunktowyDlg &dialog) {
        ASSERT_EQ(3, dialog.GetPanel()->GetRowCount());
        const char *expected[][3] = {{"cena", "60", ""}, {"jakość", "20", ""}, {kTotalText, "80", ""}};
        for (int r = 0; r < 3; ++r) {
            EXPECT_STREQ(expected[r][0], Cell(dialog, 0, r, 0));
            EXPECT_STREQ(expected[r][1], Cell(dialog, 0, r));
        }
        EXPECT_STREQ("95", Cell(dialog, 2, 2));
        EXPECT_STREQ("Najwyższą liczbę punktów uzyskały następujące oferty: 2,3 spośród nich ofertą z najniższą ceną "
                     "jest: 2",
                     Result(dialog));
        // The criteria list: "cena" with the price weight, then the further criteria.
        CListCtrl &criteria = dialog.GetCriteriaList();
        ASSERT_EQ(2, criteria.GetItemCount());
        EXPECT_STREQ("cena", criteria.GetItemText(0, 0));
        EXPECT_STREQ("60", criteria.GetItemText(0, 1));
        EXPECT_STREQ("jakość", criteria.GetItemText(1, 0));
        EXPECT_STREQ("40", criteria.GetItemText(1, 1));
    });
    EXPECT_TRUE(messages.empty());
}

TEST_F(BalanceDialogTest, SingleWinnerSentence)
{
    FillTieRecord();
    data->m_offers[1].points[0] = 45.5;
    Run([&](CBilansPunktowyDlg &dialog) {
        EXPECT_STREQ("Najkorzystniejszą ofertą jest oferta nr 2, która uzyskała 95.5 punktów w zakresie przyjętych "
                     "kryteriów oceny ofert.",
                     Result(dialog));
    });
}

TEST_F(BalanceDialogTest, OfferWithoutPriceIsHiddenAndTakesNoPartAndVisibleRowsCloseUp)
{
    FillTieRecord();
    data->m_offers[1].grossPrice = 0; // offer 2 would otherwise win with 45 + its price points
    data->m_offers[1].points[0] = 500;
    Run([&](CBilansPunktowyDlg &dialog) {
        EXPECT_TRUE(Visible(dialog, 0));
        EXPECT_FALSE(Visible(dialog, 1));
        EXPECT_TRUE(Visible(dialog, 2));
        const int height = dialog.GetPanel()->GetRowSize().cy;
        EXPECT_EQ(0, Top(dialog, 0));
        EXPECT_EQ(height, Top(dialog, 2));
        EXPECT_STREQ("Najkorzystniejszą ofertą jest oferta nr 3, która uzyskała 95 punktów w zakresie przyjętych "
                     "kryteriów oceny ofert.",
                     Result(dialog));

        // A new row without a price stays hidden; one with a price goes right below the last.
        data->m_offers[3].grossPrice = 0;
        data->m_offers[4].grossPrice = 300;
        LeaveOfferCount(dialog, "5");
        ASSERT_EQ(5, dialog.GetPanel()->GetRowCount());
        EXPECT_FALSE(Visible(dialog, 3));
        EXPECT_TRUE(Visible(dialog, 4));
        EXPECT_EQ(2 * height, Top(dialog, 4));
    });
}

TEST_F(BalanceDialogTest, NoOfferWithAPriceGivesItsOwnSentence)
{
    data->m_nOfferCount = 2;
    Run([&](CBilansPunktowyDlg &dialog) { EXPECT_STREQ("Żadna z ofert nie ma podanej ceny brutto.", Result(dialog)); });
}

TEST_F(BalanceDialogTest, RemovingTheSecondOfThreeCriteriaMovesThePoints)
{
    FillTieRecord();
    data->m_nCriteriaCount = 3;
    data->m_strCriterionName[1] = "termin";
    data->m_strCriterionName[2] = "serwis";
    data->m_offers[0].points[1] = 7;
    data->m_offers[0].points[2] = 3;
    data->m_offers[2].points[1] = 2; // offer 3 leads (97 to 95) until "termin" goes
    Run([&](CBilansPunktowyDlg &dialog) {
        EXPECT_STREQ("90", Cell(dialog, 0, 4));
        CListCtrl &criteria = dialog.GetCriteriaList();

        // "cena" cannot be removed.
        Select(criteria, 0);
        Click(dialog, criteria);
        EXPECT_FALSE(DialogDriver::IsEnabled(dialog, IDC_BALANCE_REMOVE));
        DialogDriver::Press(dialog, IDC_BALANCE_REMOVE);
        EXPECT_EQ(3, data->m_nCriteriaCount);

        Select(criteria, 2);
        Click(dialog, criteria);
        EXPECT_TRUE(DialogDriver::IsEnabled(dialog, IDC_BALANCE_REMOVE));
        DialogDriver::Press(dialog, IDC_BALANCE_REMOVE);
        ASSERT_EQ(2, data->m_nCriteriaCount);
        EXPECT_STREQ("serwis", data->m_strCriterionName[1]);
        EXPECT_EQ(3, data->m_offers[0].points[1]);
        ASSERT_EQ(3, criteria.GetItemCount());
        EXPECT_STREQ("serwis", criteria.GetItemText(2, 0));
        EXPECT_STREQ("serwis", Cell(dialog, 0, 2, 0));
        EXPECT_STREQ("3", Cell(dialog, 0, 2));
        EXPECT_STREQ("83", Cell(dialog, 0, 3));
        EXPECT_STREQ("Najwyższą liczbę punktów uzyskały następujące oferty: 2,3 spośród nich ofertą z najniższą ceną "
                     "jest: 2",
                     Result(dialog));
    });
}

TEST_F(BalanceDialogTest, AddingACriterion)
{
    FillTieRecord();
    struct Case {
        const char *name;
        bool added;
    };
    const Case cases[] = {{"jakość", false}, {"Jakość", true}, {"termin", true}};
    Run([&](CBilansPunktowyDlg &dialog) {
        for (const Case &c : cases) {
            SCOPED_TRACE(c.name);
            messages.clear();
            const int before = data->m_nCriteriaCount;
            newName = c.name;
            newWeight = "10";
            DialogDriver::Press(dialog, IDC_BALANCE_ADD);
            EXPECT_EQ(before + (c.added ? 1 : 0), data->m_nCriteriaCount);
            EXPECT_EQ(data->m_nCriteriaCount + 1, dialog.GetCriteriaList().GetItemCount());
            EXPECT_EQ(data->m_nCriteriaCount + 2, Row(dialog, 0).GetList().GetItemCount());
            if (c.added) {
                EXPECT_TRUE(messages.empty());
                EXPECT_STREQ(c.name, dialog.GetCriteriaList().GetItemText(before + 1, 0));
                EXPECT_STREQ("10", dialog.GetCriteriaList().GetItemText(before + 1, 1));
                EXPECT_STREQ("0", Cell(dialog, 1, before + 1));
            } else {
                ASSERT_EQ(1u, messages.size());
                EXPECT_STREQ("Kryterium o podanej nazwie już istnieje", messages[0].text);
                EXPECT_STREQ("Błąd", messages[0].caption);
                EXPECT_EQ((UINT)(MB_OK | MB_ICONERROR), messages[0].type);
            }
        }
    });
    EXPECT_EQ(3, newCriterionDialogs);
}

TEST_F(BalanceDialogTest, NinetyNineCriteriaRefuseAnotherWithoutAsking)
{
    FillTieRecord();
    data->m_nCriteriaCount = 99;
    Run([&](CBilansPunktowyDlg &dialog) {
        DialogDriver::Press(dialog, IDC_BALANCE_ADD);
        EXPECT_EQ(99, data->m_nCriteriaCount);
    });
    EXPECT_EQ(0, newCriterionDialogs);
    ASSERT_EQ(1u, messages.size());
    EXPECT_STREQ("Za duża ilość wprowadzonych kryteriów", messages[0].text);
    EXPECT_EQ((UINT)(MB_OK | MB_ICONERROR), messages[0].type);
}

TEST_F(BalanceDialogTest, EditedPointsAreStoredInSinglePrecisionAndTotalsFollow)
{
    FillTieRecord();
    editor.answer = "12,3";
    Run([&](CBilansPunktowyDlg &dialog) {
        COfertaPunktyDlg &row = Row(dialog, 2);
        // Nothing selected: the question is asked back, the editor stays shut.
        DialogDriver::Press(row, IDC_BALANCE_ROW_EDIT);
        ASSERT_EQ(1u, messages.size());
        EXPECT_STREQ("Proszę wybrać element do edycji", messages[0].text);
        EXPECT_STREQ("Błąd", messages[0].caption);
        EXPECT_EQ((UINT)(MB_OK | MB_ICONINFORMATION), messages[0].type);

        // "cena" and the total are not edited.
        for (int r : {0, 2}) {
            Select(row.GetList(), r);
            Click(row, row.GetList());
            EXPECT_FALSE(DialogDriver::IsEnabled(row, IDC_BALANCE_ROW_EDIT));
            DialogDriver::Press(row, IDC_BALANCE_ROW_EDIT);
        }
        EXPECT_TRUE(editor.asked.empty());

        Select(row.GetList(), 1);
        Click(row, row.GetList());
        EXPECT_TRUE(DialogDriver::IsEnabled(row, IDC_BALANCE_ROW_EDIT));
        DialogDriver::Press(row, IDC_BALANCE_ROW_EDIT);
        ASSERT_EQ(1u, editor.asked.size());
        EXPECT_STREQ("Kryterium: jakość", editor.asked[0].caption);
        EXPECT_STREQ("Wartość:", editor.asked[0].label);
        EXPECT_STREQ("55", editor.asked[0].value);
        EXPECT_EQ((double)12.3f, data->m_offers[2].points[0]);
        EXPECT_STREQ("12.3", Cell(dialog, 2, 1));
        EXPECT_STREQ("52.3", Cell(dialog, 2, 2));
        EXPECT_STREQ("Najkorzystniejszą ofertą jest oferta nr 2, która uzyskała 95 punktów w zakresie przyjętych "
                     "kryteriów oceny ofert.",
                     Result(dialog));

        // A total of four digits: the shown texts are grouped, the total is still right.
        editor.answer = "1500";
        Click(row, row.GetList(), NM_DBLCLK);
        EXPECT_STREQ("1 500", Cell(dialog, 2, 1));
        EXPECT_STREQ("1 540", Cell(dialog, 2, 2));

        // Cancelled: nothing changes.
        editor.confirm = false;
        DialogDriver::Press(row, IDC_BALANCE_ROW_EDIT);
        EXPECT_EQ(1500, data->m_offers[2].points[0]);
    });
}

TEST_F(BalanceDialogTest, OfferCountAbove99IsRefusedAndAValidOneAppliesAtOnce)
{
    FillTieRecord();
    Run([&](CBilansPunktowyDlg &dialog) {
        for (const char *tooMany : {"100", "99999999999999"}) {
            SCOPED_TRACE(tooMany);
            messages.clear();
            LeaveOfferCount(dialog, tooMany);
            ASSERT_EQ(1u, messages.size());
            EXPECT_STREQ("Maksymalna ilość ofert to 99", messages[0].text);
            EXPECT_STREQ("Błąd", messages[0].caption);
            EXPECT_EQ((UINT)(MB_OK | MB_ICONERROR), messages[0].type);
            CString shown;
            dialog.GetDlgItemText(IDC_BALANCE_OFFER_COUNT, shown);
            EXPECT_STREQ("3", shown);
            EXPECT_EQ(3, dialog.GetPanel()->GetRowCount());
            EXPECT_EQ(3, data->m_nOfferCount);
        }
        messages.clear();
        LeaveOfferCount(dialog, "2");
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(2, dialog.GetPanel()->GetRowCount());
        EXPECT_EQ(2, data->m_nOfferCount);
        // Offer 3 is gone from the choice.
        EXPECT_STREQ("Najkorzystniejszą ofertą jest oferta nr 2, która uzyskała 95 punktów w zakresie przyjętych "
                     "kryteriów oceny ofert.",
                     Result(dialog));
        dialog.SetDlgItemText(IDC_BALANCE_DATE, "2026-12-10");
        dialog.SetDlgItemText(IDC_BALANCE_CASE_NUMBER, "ZP/7/2026");
        DialogDriver::Press(dialog, IDOK);
    });
    EXPECT_EQ(2, data->m_nOfferCount);
    EXPECT_STREQ("2026-12-10", data->m_strDate);
    EXPECT_STREQ("ZP/7/2026", data->m_strCaseNumber);
    EXPECT_EQ(150, data->m_offers[2].grossPrice) << "offers beyond the count keep their data";
}

TEST_F(BalanceDialogTest, WithoutARecordNothingBreaks)
{
    const INT_PTR result = Run(
        [&](CBilansPunktowyDlg &dialog) {
            EXPECT_EQ(0, dialog.GetPanel()->GetRowCount());
            EXPECT_EQ(1, dialog.GetCriteriaList().GetItemCount());
            LeaveOfferCount(dialog, "2");
            EXPECT_EQ(2, dialog.GetPanel()->GetRowCount());
            EXPECT_FALSE(Visible(dialog, 0));
            DialogDriver::Press(dialog, IDC_BALANCE_ADD);
            Select(dialog.GetCriteriaList(), 0);
            DialogDriver::Press(dialog, IDC_BALANCE_REMOVE);
            Select(Row(dialog, 0).GetList(), 0);
            DialogDriver::Press(Row(dialog, 0), IDC_BALANCE_ROW_EDIT);
            DialogDriver::Press(dialog, IDOK);
        },
        nullptr, false);
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(0, newCriterionDialogs);
    EXPECT_TRUE(editor.asked.empty());
}

TEST(NewCriterionDialog, NameAndWeightAreBothNeeded)
{
    struct Case {
        const char *name;
        const char *weight;
        INT_PTR result;
    };
    const Case cases[] = {{"", "10", IDCANCEL}, {"termin", "", IDCANCEL}, {"", "", IDCANCEL}, {"termin", "10", IDOK}};
    for (const Case &c : cases) {
        SCOPED_TRACE(CString(c.name) + "/" + c.weight);
        CNoweKryteriumDlg dialog;
        DialogDriver driver;
        // A dialog that is still open after the answer ends with IDCANCEL.
        const INT_PTR result = driver.Run(dialog, [&](CDialog &shown) {
            shown.SetDlgItemText(IDC_NEW_CRITERION_NAME, c.name);
            shown.SetDlgItemText(IDC_NEW_CRITERION_WEIGHT, c.weight);
            shown.OnOK();
        });
        EXPECT_EQ(c.result, result);
        if (c.result == IDOK) {
            EXPECT_TRUE(driver.messages.empty());
            EXPECT_STREQ("termin", dialog.m_strName);
            EXPECT_STREQ("10", dialog.m_strWeight);
        } else {
            ASSERT_EQ(1u, driver.messages.size());
            EXPECT_STREQ("Proszę uzupełnić nazwę i wagę kryterium", driver.messages[0].text);
            EXPECT_STREQ("Błąd", driver.messages[0].caption);
            EXPECT_EQ((UINT)(MB_OK | MB_ICONERROR), driver.messages[0].type);
        }
    }
}

} // namespace
