#include <gtest/gtest.h>

#include "evaluation/deadline_command.h"
#include "evaluation/deadline_dlg.h"
#include "framework/core/oledatetime.h"
#include "tests/support/dialog_driver.h"

namespace {

const int kOptions[] = {IDC_DEADLINE_OPTION0, IDC_DEADLINE_OPTION1, IDC_DEADLINE_OPTION2, IDC_DEADLINE_OPTION3,
                        IDC_DEADLINE_OPTION4, IDC_DEADLINE_OPTION5, IDC_DEADLINE_OPTION6, IDC_DEADLINE_OPTION7};

CString Text(CWnd &d, int id)
{
    CString text;
    d.GetDlgItemText(id, text);
    return text;
}

// The values of the radios shown, in order.
std::vector<int> ShownOptions(CWnd &d)
{
    std::vector<int> shown;
    for (int i = 0; i < 8; ++i)
        if (DialogDriver::IsShown(d, kOptions[i]))
            shown.push_back(i);
    return shown;
}

int CheckedOption(CWnd &d)
{
    for (int i = 0; i < 8; ++i)
        if (d.IsDlgButtonChecked(kOptions[i]))
            return i;
    return -1;
}

// Picks a radio and presses the main button.
void Choose(CWnd &d, int option)
{
    d.CheckRadioButton(IDC_DEADLINE_OPTION0, IDC_DEADLINE_OPTION7, kOptions[option]);
    DialogDriver::Press(d, IDOK);
}

// Opened for a proceeding, with its send date.
void ForProceeding(CObliczTerminDlg &dialog, int code, int year, int month, int day)
{
    dialog.m_nProcedureCode = code;
    dialog.m_nYear = year;
    dialog.m_nMonth = month;
    dialog.m_nDay = day;
}

int Top(CWnd &d, int id)
{
    CRect rect;
    d.GetDlgItem(id)->GetWindowRect(&rect);
    return rect.top;
}

TEST(DeadlineDialog, TwoStageTenderByPostToTheResult)
{
    CObliczTerminDlg dialog;
    DialogDriver driver;
    const INT_PTR result = driver.Run(dialog, [&](CDialog &d) {
        EXPECT_EQ(Text(d, IDC_DEADLINE_STEP_TITLE), "Krok 1");
        EXPECT_EQ(ShownOptions(d), (std::vector<int>{0, 2}));
        EXPECT_EQ(Text(d, IDC_DEADLINE_OPTION2), "Przetarg dwustopniowy pow. 30 000 EURO");
        EXPECT_TRUE(DialogDriver::IsShown(d, IDC_DEADLINE_NAME));
        EXPECT_FALSE(DialogDriver::IsShown(d, IDC_DEADLINE_SEND_DATE));
        EXPECT_FALSE(DialogDriver::IsEnabled(d, IDC_DEADLINE_BACK));
        const int secondPlace = Top(d, IDC_DEADLINE_OPTION1);
        EXPECT_EQ(Top(d, IDC_DEADLINE_OPTION2), secondPlace); // in the hidden radio's place

        Choose(d, 2); // no name yet
        ASSERT_EQ(driver.messages.size(), 1u);
        EXPECT_EQ(driver.messages[0].text, "Proszę wprowadzić nazwę postępowania");
        EXPECT_EQ(driver.messages[0].caption, "Informacja");
        EXPECT_EQ(Text(d, IDC_DEADLINE_STEP_TITLE), "Krok 1");

        d.SetDlgItemText(IDC_DEADLINE_NAME, "Dostawa tonerów");
        Choose(d, 2);
        EXPECT_EQ(Text(d, IDC_DEADLINE_STEP_TITLE), "Krok 2");
        EXPECT_TRUE(DialogDriver::IsEnabled(d, IDC_DEADLINE_BACK));
        EXPECT_FALSE(DialogDriver::IsShown(d, IDC_DEADLINE_NAME));
        EXPECT_EQ(Text(d, IDC_DEADLINE_OPTION0), "Ogłoszenie zostanie wysłane pocztą zwykłą");

        Choose(d, 0); // by post: the safe or prompt page follows
        EXPECT_EQ(Text(d, IDC_DEADLINE_OPTION1), "niezwłocznie");
        EXPECT_EQ(CheckedOption(d), 0);
        Choose(d, 1);

        EXPECT_EQ(Text(d, IDC_DEADLINE_STEP_TITLE), "Krok 3");
        EXPECT_EQ(Text(d, IDOK), "Oblicz >>");
        EXPECT_EQ(ShownOptions(d), (std::vector<int>{0, 1, 2, 3, 4}));
        EXPECT_EQ(Text(d, IDC_DEADLINE_OPTION4), "2 tygodniowy - skrócony termin składania ofert wstępnych");
        EXPECT_GT(Top(d, IDC_DEADLINE_OPTION2), secondPlace); // back in its own place
        EXPECT_TRUE(DialogDriver::IsShown(d, IDC_DEADLINE_SEND_DATE));
        d.SetDlgItemText(IDC_DEADLINE_SEND_DATE, "2024-03-28");
        Choose(d, 4);

        EXPECT_EQ(Text(d, IDC_DEADLINE_STEP_TITLE), "Wynik");
        EXPECT_EQ(Text(d, IDOK), "Zakończ");
        EXPECT_TRUE(ShownOptions(d).empty());
        EXPECT_EQ(Text(d, IDC_DEADLINE_PUBLICATION_DATE), "2024-04-08");
        EXPECT_EQ(Text(d, IDC_DEADLINE_EXPIRY_DATE), "2024-04-22");
        EXPECT_EQ(Text(d, IDC_DEADLINE_EXPIRY_LABEL), "Data upływu terminu składania ofert wstępnych:");
        EXPECT_TRUE(DialogDriver::IsShown(d, IDC_DEADLINE_COMMENT));
        EXPECT_EQ(Text(d, IDC_DEADLINE_COMMENT).Left(36), "Po rozpatrzeniu ofert wstępnych Zama");
        DialogDriver::Press(d, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(driver.messages.size(), 1u);
    EXPECT_EQ(dialog.m_nYear, 2024);
    EXPECT_EQ(dialog.m_nMonth, 4);
    EXPECT_EQ(dialog.m_nDay, 22);
    EXPECT_EQ(dialog.m_strResultName, "Dostawa tonerów");
}

TEST(DeadlineDialog, RestrictedTenderCodeStartsAtTheSecondStepAndEmailSkipsTheThird)
{
    CObliczTerminDlg dialog;
    ForProceeding(dialog, 103, 2024, 12, 20);
    DialogDriver driver;
    const INT_PTR result = driver.Run(dialog, [&](CDialog &d) {
        EXPECT_EQ(Text(d, IDC_DEADLINE_STEP_TITLE), "Krok 2");
        EXPECT_FALSE(DialogDriver::IsEnabled(d, IDC_DEADLINE_BACK));
        Choose(d, 1); // e-mail

        EXPECT_EQ(Text(d, IDC_DEADLINE_STEP_TITLE), "Krok 3");
        EXPECT_EQ(ShownOptions(d), (std::vector<int>{5, 6, 7}));
        EXPECT_EQ(CheckedOption(d), 5);
        EXPECT_EQ(Text(d, IDC_DEADLINE_SEND_DATE), "2024-12-20");

        DialogDriver::Press(d, IDC_DEADLINE_BACK); // straight back past the post page
        EXPECT_EQ(Text(d, IDC_DEADLINE_STEP_TITLE), "Krok 2");
        EXPECT_EQ(Text(d, IDC_DEADLINE_OPTION1), "Ogłoszenie zostanie wysłane pocztą e-mail");
        EXPECT_FALSE(DialogDriver::IsEnabled(d, IDC_DEADLINE_BACK)); // no way to the first page

        Choose(d, 1);
        Choose(d, 7);
        EXPECT_EQ(Text(d, IDC_DEADLINE_PUBLICATION_DATE), "2024-12-27");
        EXPECT_EQ(Text(d, IDC_DEADLINE_EXPIRY_DATE), "2025-01-10");
        EXPECT_EQ(Text(d, IDC_DEADLINE_EXPIRY_LABEL),
                  "Data upływu terminu składania wniosków o dopuszczenie do udziału w przetargu:");
        DialogDriver::Press(d, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(driver.messages.empty());
    EXPECT_EQ(dialog.m_nYear, 2025);
    EXPECT_EQ(dialog.m_nMonth, 1);
    EXPECT_EQ(dialog.m_nDay, 10);
}

// Brings a dialog opened for an open tender (code 1) by post to the last page.
void ToTermPage(CWnd &d)
{
    Choose(d, 0);
    Choose(d, 0);
}

TEST(DeadlineDialog, BadSendDatesAreRefusedOnTheTermPage)
{
    for (const char *send : {"", "1969-12-31", "2038-01-04", "2024-02-30", "2024-13-01", "2024-3-1"}) {
        SCOPED_TRACE(send);
        CObliczTerminDlg dialog;
        ForProceeding(dialog, 1, 2024, 3, 1);
        DialogDriver driver;
        CString title;
        driver.Run(dialog, [&](CDialog &d) {
            ToTermPage(d);
            d.SetDlgItemText(IDC_DEADLINE_SEND_DATE, send);
            Choose(d, 0);
            title = Text(d, IDC_DEADLINE_STEP_TITLE);
        });
        EXPECT_EQ(title, "Krok 3");
        ASSERT_EQ(driver.messages.size(), 1u);
        EXPECT_EQ(driver.messages[0].text, "Błędna data");
        EXPECT_EQ(driver.messages[0].caption, "Błąd");
        EXPECT_NE(driver.messages[0].type & MB_ICONERROR, 0u);
    }
}

TEST(DeadlineDialog, AnExpiryPast2037IsNoResult)
{
    CObliczTerminDlg dialog;
    ForProceeding(dialog, 1, 2037, 11, 20);
    DialogDriver driver;
    CString expiry;
    const INT_PTR result = driver.Run(dialog, [&](CDialog &d) {
        ToTermPage(d);
        Choose(d, 0);
        expiry = Text(d, IDC_DEADLINE_EXPIRY_DATE);
        DialogDriver::Press(d, IDOK);
    });
    EXPECT_EQ(expiry, "2038-01-15");
    EXPECT_EQ(result, IDCANCEL);
    ASSERT_EQ(driver.messages.size(), 1u);
    EXPECT_EQ(driver.messages[0].text, "Błędna data");
    EXPECT_EQ(dialog.m_nYear, 2037); // the start date is left as it was
}

TEST(DeadlineDialog, GoingBackKeepsTheTypedSendDateAndTheButtonSaysNext)
{
    CObliczTerminDlg dialog;
    ForProceeding(dialog, 1, 2024, 3, 1);
    DialogDriver driver;
    driver.Run(dialog, [&](CDialog &d) {
        ToTermPage(d);
        d.SetDlgItemText(IDC_DEADLINE_SEND_DATE, "2024-03-28");
        DialogDriver::Press(d, IDC_DEADLINE_BACK);
        EXPECT_EQ(Text(d, IDC_DEADLINE_OPTION0), "bezpiecznie");
        EXPECT_EQ(Text(d, IDOK), "Dalej >>");
        Choose(d, 0);
        EXPECT_EQ(Text(d, IDC_DEADLINE_SEND_DATE), "2024-03-28");
        Choose(d, 0);
        EXPECT_EQ(Text(d, IDC_DEADLINE_EXPIRY_DATE), "2024-05-23");
        EXPECT_FALSE(DialogDriver::IsShown(d, IDC_DEADLINE_COMMENT));
        DialogDriver::Press(d, IDC_DEADLINE_BACK);
        EXPECT_EQ(Text(d, IDC_DEADLINE_STEP_TITLE), "Krok 3");
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
        Choose(d, 0);
        Choose(d, 1);
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
