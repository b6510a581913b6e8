#include <gtest/gtest.h>

#include "tests/support/clipped_texts.h"

#include "evaluation/deadline/deadline_command.h"
#include "framework/core/oledatetime.h"
#include "tests/evaluation/deadline_dialog_driver.h"
#include "tests/support/dialog_driver.h"

namespace {

using namespace deadline_dialog;

TEST(DeadlineDialog, RestrictedKindsFromTheFirstStepToTheResult)
{
    CObliczTerminDlg dialog;
    DialogDriver driver;
    const INT_PTR result = driver.Run(dialog, [&](CDialog &d) {
        EXPECT_EQ(Text(d, IDC_DEADLINE_STEP_TITLE), "Krok 1");
        EXPECT_EQ(ShownOptions(d), (std::vector<int>{0, 1, 2}));
        EXPECT_EQ(Text(d, IDC_DEADLINE_OPTION0), "Przetarg nieograniczony od progów unijnych - oferty");
        EXPECT_EQ(Text(d, IDC_DEADLINE_OPTION2), "Tryb podstawowy (poniżej progów unijnych) - oferty");
        EXPECT_TRUE(DialogDriver::IsShown(d, IDC_DEADLINE_NAME));
        EXPECT_FALSE(DialogDriver::IsShown(d, IDC_DEADLINE_SEND_DATE));
        EXPECT_FALSE(DialogDriver::IsEnabled(d, IDC_DEADLINE_BACK));

        Choose(d, 1); // no name yet
        ASSERT_EQ(driver.messages.size(), 1u);
        EXPECT_EQ(driver.messages[0].text, "Proszę wprowadzić nazwę postępowania");
        EXPECT_EQ(driver.messages[0].caption, "Informacja");
        EXPECT_EQ(Text(d, IDC_DEADLINE_STEP_TITLE), "Krok 1");

        d.SetDlgItemText(IDC_DEADLINE_NAME, "Dostawa tonerów");
        Choose(d, 1);
        EXPECT_EQ(Text(d, IDC_DEADLINE_STEP_TITLE), "Krok 2");
        EXPECT_EQ(Text(d, IDOK), "Oblicz >>");
        EXPECT_TRUE(DialogDriver::IsEnabled(d, IDC_DEADLINE_BACK));
        EXPECT_FALSE(DialogDriver::IsShown(d, IDC_DEADLINE_NAME));
        EXPECT_EQ(ShownOptions(d), (std::vector<int>{0, 1}));
        EXPECT_EQ(CheckedOption(d), 0);
        EXPECT_EQ(Text(d, IDC_DEADLINE_OPTION0).Left(27), "30 dni od przekazania ogłos");
        EXPECT_EQ(Text(d, IDC_DEADLINE_SEND_LABEL), "Podaj datę przekazania ogłoszenia:\n(RRRR-MM-DD)");
        d.SetDlgItemText(IDC_DEADLINE_SEND_DATE, "2024-12-20");
        Choose(d, 0);

        EXPECT_EQ(Text(d, IDC_DEADLINE_STEP_TITLE), "Wynik");
        EXPECT_EQ(Text(d, IDOK), "Zakończ");
        EXPECT_TRUE(ShownOptions(d).empty());
        EXPECT_EQ(Text(d, IDC_DEADLINE_PUBLICATION_DATE), "2024-12-27");
        EXPECT_EQ(Text(d, IDC_DEADLINE_EXPIRY_DATE), "2025-01-20");
        EXPECT_EQ(Text(d, IDC_DEADLINE_EXPIRY_LABEL),
                  "Najwcześniejsza data upływu terminu składania wniosków o dopuszczenie do udziału:");
        EXPECT_TRUE(DialogDriver::IsShown(d, IDC_DEADLINE_COMMENT));
        EXPECT_GE(Text(d, IDC_DEADLINE_COMMENT).Find("art. 151 ust. 1"), 0);
        DialogDriver::Press(d, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(driver.messages.size(), 1u);
    EXPECT_EQ(dialog.m_nYear, 2025);
    EXPECT_EQ(dialog.m_nMonth, 1);
    EXPECT_EQ(dialog.m_nDay, 20);
    EXPECT_EQ(dialog.m_strResultName, "Dostawa tonerów");
}

TEST(DeadlineDialog, BasicModeCodeStartsAtTheTermsAndCountsFromTheBzp)
{
    CObliczTerminDlg dialog;
    ForProceeding(dialog, 64, 2026, 1, 9);
    DialogDriver driver;
    const INT_PTR result = driver.Run(dialog, [&](CDialog &d) {
        EXPECT_EQ(Text(d, IDC_DEADLINE_STEP_TITLE), "Krok 2");
        EXPECT_FALSE(DialogDriver::IsEnabled(d, IDC_DEADLINE_BACK)); // no way to the kinds
        EXPECT_EQ(ShownOptions(d), (std::vector<int>{0, 1}));
        EXPECT_EQ(Text(d, IDC_DEADLINE_SEND_DATE), "2026-01-09");
        EXPECT_EQ(Text(d, IDC_DEADLINE_SEND_LABEL), "Podaj datę zamieszczenia ogłoszenia w BZP:\n(RRRR-MM-DD)");
        EXPECT_EQ(clipped_texts::ClippedTexts(d.m_hWnd), "");
        Choose(d, 1); // works

        EXPECT_EQ(Text(d, IDC_DEADLINE_PUBLICATION_DATE), "2026-01-09");
        EXPECT_EQ(Text(d, IDC_DEADLINE_EXPIRY_DATE), "2026-01-23");
        EXPECT_GE(Text(d, IDC_DEADLINE_COMMENT).Find("art. 307 ust. 1"), 0);
        DialogDriver::Press(d, IDC_DEADLINE_BACK);
        EXPECT_EQ(Text(d, IDC_DEADLINE_STEP_TITLE), "Krok 2");
        EXPECT_FALSE(DialogDriver::IsEnabled(d, IDC_DEADLINE_BACK));
        Choose(d, 0); // supplies or services
        DialogDriver::Press(d, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(driver.messages.empty());
    EXPECT_EQ(dialog.m_nYear, 2026);
    EXPECT_EQ(dialog.m_nMonth, 1);
    EXPECT_EQ(dialog.m_nDay, 16);
}

TEST(DeadlineDialog, BadSendDatesAreRefusedOnTheTermPage)
{
    for (const char *send : {"", "1969-12-31", "2038-01-04", "2024-02-30", "2024-13-01", "2024-3-1"}) {
        SCOPED_TRACE(send);
        CObliczTerminDlg dialog;
        ForProceeding(dialog, 63, 2024, 3, 1);
        DialogDriver driver;
        CString title;
        driver.Run(dialog, [&](CDialog &d) {
            d.SetDlgItemText(IDC_DEADLINE_SEND_DATE, send);
            Choose(d, 0);
            title = Text(d, IDC_DEADLINE_STEP_TITLE);
        });
        EXPECT_EQ(title, "Krok 2");
        ASSERT_EQ(driver.messages.size(), 1u);
        EXPECT_EQ(driver.messages[0].text, "Błędna data");
        EXPECT_EQ(driver.messages[0].caption, "Błąd");
        EXPECT_NE(driver.messages[0].type & MB_ICONERROR, 0u);
    }
}

TEST(DeadlineDialog, AnExpiryPast2037IsNoResult)
{
    CObliczTerminDlg dialog;
    ForProceeding(dialog, 63, 2037, 12, 1);
    DialogDriver driver;
    CString expiry;
    const INT_PTR result = driver.Run(dialog, [&](CDialog &d) {
        Choose(d, 0);
        expiry = Text(d, IDC_DEADLINE_EXPIRY_DATE);
        DialogDriver::Press(d, IDOK);
    });
    EXPECT_EQ(expiry, "2038-01-05");
    EXPECT_EQ(result, IDCANCEL);
    ASSERT_EQ(driver.messages.size(), 1u);
    EXPECT_EQ(driver.messages[0].text, "Błędna data");
    EXPECT_EQ(dialog.m_nYear, 2037); // the start date is left as it was
}

TEST(DeadlineDialog, GoingBackKeepsTheTypedSendDateAndTheButtonSaysNext)
{
    CObliczTerminDlg dialog;
    DialogDriver driver;
    driver.Run(dialog, [&](CDialog &d) {
        d.SetDlgItemText(IDC_DEADLINE_NAME, "Remont");
        Choose(d, 0);
        d.SetDlgItemText(IDC_DEADLINE_SEND_DATE, "2024-03-28");
        DialogDriver::Press(d, IDC_DEADLINE_BACK);
        EXPECT_EQ(Text(d, IDC_DEADLINE_STEP_TITLE), "Krok 1");
        EXPECT_EQ(Text(d, IDOK), "Dalej >>");
        Choose(d, 0);
        EXPECT_EQ(Text(d, IDC_DEADLINE_SEND_DATE), "2024-03-28");
        Choose(d, 0);
        EXPECT_EQ(Text(d, IDC_DEADLINE_PUBLICATION_DATE), "2024-04-02");
        EXPECT_EQ(Text(d, IDC_DEADLINE_EXPIRY_DATE), "2024-05-02");
        DialogDriver::Press(d, IDC_DEADLINE_BACK);
        EXPECT_EQ(Text(d, IDC_DEADLINE_STEP_TITLE), "Krok 2");
    });
    EXPECT_TRUE(driver.messages.empty());
}

TEST(DeadlineDialog, MainWindowCommandAsksEverythingFromTodayAndKeepsNothing)
{
    CString title, send;
    CTestHook hook;
    hook.onDialog = [&](CDialog &d) {
        title = Text(d, IDC_DEADLINE_STEP_TITLE);
        d.SetDlgItemText(IDC_DEADLINE_NAME, "Remont");
        Choose(d, 2);
        send = Text(d, IDC_DEADLINE_SEND_DATE);
        DialogDriver::Press(d, IDCANCEL);
    };
    CTestHookScope scope(hook);
    RunDeadlineCalculator(nullptr);
    const COleDateTime today = COleDateTime::GetCurrentTime();
    CString expected;
    expected.Format("%04d-%02d-%02d", today.GetYear(), today.GetMonth(), today.GetDay());
    EXPECT_EQ(title, "Krok 1");
    EXPECT_EQ(send, expected);
}

} // namespace
