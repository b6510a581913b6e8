#include <gtest/gtest.h>

#include "tests/support/dialog_driver.h"
#include "proceeding/editors/small_value_dialogs.h"
#include "res/editors_ids.h"

namespace {

const int kCriterionEdits[] = {IDC_CRITERION_1, IDC_CRITERION_2, IDC_CRITERION_3, IDC_CRITERION_4, IDC_CRITERION_5,
                               IDC_CRITERION_6, IDC_CRITERION_7, IDC_CRITERION_8, IDC_CRITERION_9, IDC_CRITERION_10};

TEST(EditCriteria, UnusedCriteriaAreDisabledAndSavedAsZeroAndCommasBecomePoints)
{
    CEditCriteriaDlg dialog;
    dialog.m_nCriteriaCount = 3;
    dialog.m_nFlag = 0;
    dialog.m_strCriteria[5] = "7";
    DialogDriver driver;
    bool enabled[10] = {};
    CString firstShown;
    const INT_PTR result = driver.Run(dialog, [&](CDialog &d) {
        for (int i = 0; i < 10; ++i)
            enabled[i] = DialogDriver::IsEnabled(d, kCriterionEdits[i]);
        d.GetDlgItemText(IDC_CRITERION_1, firstShown);
        d.SetDlgItemText(IDC_CRITERION_1, "1,5");
        d.SetDlgItemText(IDC_CRITERION_2, "-2");
        d.SetDlgItemText(IDC_OFFER_NUMBER, "4");
        DialogDriver::Press(d, IDOK);
    });
    EXPECT_EQ(firstShown, "0");
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(enabled[i], i < 3) << i;
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.m_strCriteria[0], "1.5");
    EXPECT_EQ(dialog.m_strCriteria[1], "-2");
    EXPECT_EQ(dialog.m_strCriteria[2], "0");
    for (int i = 3; i < 10; ++i)
        EXPECT_EQ(dialog.m_strCriteria[i], "0") << i;
    EXPECT_EQ(dialog.m_strOfferNumber, "4");
}

TEST(EditCriteria, RefusesEmptyAndNonNumericFieldsKeepingTheDialogOpen)
{
    const struct {
        const char *criterion;
        const char *offer;
        const char *message;
    } cases[] = {
        {"1e3", "1", "Jedno z wymaganych pól zostało wypełnione błędnie"},
        {"", "1", "Jedno z wymaganych pól nie zostało wypełnione"},
        {"5", "", "Jedno z wymaganych pól nie zostało wypełnione"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.criterion);
        CEditCriteriaDlg dialog;
        dialog.m_nCriteriaCount = 1;
        dialog.m_nFlag = 1;
        DialogDriver driver;
        const INT_PTR result = driver.Run(dialog, [&](CDialog &d) {
            d.SetDlgItemText(IDC_CRITERION_1, c.criterion);
            d.SetDlgItemText(IDC_OFFER_NUMBER, c.offer);
            DialogDriver::Press(d, IDOK);
        });
        EXPECT_EQ(result, IDCANCEL);
        ASSERT_EQ(driver.messages.size(), 1u);
        EXPECT_EQ(driver.messages[0].text, c.message);
        EXPECT_EQ(driver.messages[0].caption, "Błąd");
    }
}

TEST(TextValue, OnlyAnEmptyValueIsRefused)
{
    for (const char *typed : {" ", ""}) {
        CWartoscTekstowaDlg dialog;
        dialog.m_strLabel = "Nazwa kolumny:";
        dialog.m_strCaption = "Nowa kolumna";
        DialogDriver driver;
        CString label, caption;
        const INT_PTR result = driver.Run(dialog, [&](CDialog &d) {
            d.GetDlgItemText(IDC_TEXT_VALUE_LABEL, label);
            d.GetWindowText(caption);
            d.SetDlgItemText(IDC_TEXT_VALUE, typed);
            DialogDriver::Press(d, IDOK);
        });
        EXPECT_EQ(label, "Nazwa kolumny:");
        EXPECT_EQ(caption, "Nowa kolumna");
        if (*typed) {
            EXPECT_EQ(result, IDOK);
            EXPECT_EQ(dialog.m_strValue, " ");
        } else {
            EXPECT_EQ(result, IDCANCEL);
            ASSERT_EQ(driver.messages.size(), 1u);
            EXPECT_EQ(driver.messages[0].text, "Należy wprowadzić wartość");
        }
    }
}

TEST(AddCriterion, CaptionWhenGivenAndTheTextBack)
{
    CAddCriterionDlg dialog;
    dialog.m_strCaption = "Kryterium";
    DialogDriver driver;
    CString caption;
    const INT_PTR result = driver.Run(dialog, [&](CDialog &d) {
        d.GetWindowText(caption);
        d.SetDlgItemText(IDC_EDITOR_VALUE, "Okres gwarancji");
        DialogDriver::Press(d, IDOK);
    });
    EXPECT_EQ(caption, "Kryterium");
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.m_strText, "Okres gwarancji");
}

TEST(DefaultValues, EachValueHasItsOwnEditAndCancelChangesNothing)
{
    const int edits[] = {IDC_DEFAULT_CASE_NUMBER, IDC_DEFAULT_TASK_NAME,    IDC_DEFAULT_BUYER_NAME, IDC_DEFAULT_STREET,
                         IDC_DEFAULT_POSTAL_CODE, IDC_DEFAULT_TOWN,         IDC_DEFAULT_TELEPHONE,  IDC_DEFAULT_EMAIL,
                         IDC_DEFAULT_WEB_PAGE,    IDC_DEFAULT_OFFICE_HOURS, IDC_DEFAULT_HEAD,       IDC_DEFAULT_FAX};
    CWartosciDomyslneDlg dialog;
    for (int i = 0; i < CWartosciDomyslneDlg::kValues; ++i)
        dialog.m_values[i].Format("stara %d", i);
    DialogDriver driver;
    CString shownFax;
    EXPECT_EQ(driver.Run(dialog,
                         [&](CDialog &d) {
                             d.GetDlgItemText(IDC_DEFAULT_FAX, shownFax);
                             for (int i = 0; i < CWartosciDomyslneDlg::kValues; ++i) {
                                 CString text;
                                 text.Format("nowa %d", i);
                                 d.SetDlgItemText(edits[i], text);
                             }
                             DialogDriver::Press(d, IDOK);
                         }),
              IDOK);
    EXPECT_EQ(shownFax, "stara 11");
    for (int i = 0; i < CWartosciDomyslneDlg::kValues; ++i) {
        CString expected;
        expected.Format("nowa %d", i);
        EXPECT_EQ(dialog.m_values[i], expected);
    }

    CWartosciDomyslneDlg cancelled;
    cancelled.m_values[0] = "bez zmian";
    driver.Run(cancelled, [&](CDialog &d) { d.SetDlgItemText(IDC_DEFAULT_CASE_NUMBER, "inna"); });
    EXPECT_EQ(cancelled.m_values[0], "bez zmian");
}

} // namespace
