// The deadline calculator for proceedings of the act of 2004: its kinds and bands by procedure
// code, its periods across holidays and year ends, its steps from the way of sending to the
// result, and the term the proceeding's order kind preselects under both acts.
#include <gtest/gtest.h>

#include "evaluation/deadline/deadline_terms_2004.h"
#include "tests/evaluation/deadline_dialog_driver.h"
#include "tests/support/dialog_driver.h"

namespace {

using namespace deadline_dialog;

TEST(Deadline2004Terms, KindAndBandByProcedureCode)
{
    const struct {
        int code;
        bool act2004;
        Deadline2004Kind kind;
        bool above;
    } cases[] = {
        {140, true, kDeadline2004Offers, false},     {141, true, kDeadline2004Offers, true},
        {142, true, kDeadline2004Offers, false},     {144, true, kDeadline2004Offers, false},
        {145, true, kDeadline2004Offers, false},     {146, true, kDeadline2004Requests, false},
        {147, true, kDeadline2004Requests, true},    {148, true, kDeadline2004Offers, false},
        {149, true, kDeadline2004Offers, true},      {150, true, kDeadline2004Negotiation, false},
        {151, true, kDeadline2004Negotiation, true}, {160, true, kDeadline2004Offers, false},
        {1, true, kDeadline2004Offers, true},        {3, true, kDeadline2004Requests, true},
        {5, true, kDeadline2004Negotiation, true},   {14, true, kDeadline2004Offers, false},
        {16, true, kDeadline2004Requests, true},     {0, true, kDeadline2004Offers, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(IsAct2004Procedure(c.code), c.act2004);
        EXPECT_EQ(Deadline2004KindOfProcedure(c.code), c.kind);
        EXPECT_EQ(IsAboveThresholds2004(c.code), c.above);
    }
    // Kinds of the act of 2019 and no proceeding at all follow the act of 2019.
    for (int code : {162, 163, 164, 188, 62, 89, -1})
        EXPECT_FALSE(IsAct2004Procedure(code)) << code;
}

TEST(Deadline2004Terms, PublicationAndExpiryAcrossHolidaysAndYearEnds)
{
    const int post = kSentByPost, email = kSentByEmail;
    const struct {
        int code;
        const char *send;
        int way, promptness, option;
        const char *publication, *expiry;
    } cases[] = {
        // Below the thresholds the Biuletyn publishes on the day; 7 and 14 days from it.
        {140, "2024-12-20", email, 0, 0, "2024-12-20", "2024-12-27"},
        {140, "2024-12-20", email, 0, 1, "2024-12-20", "2025-01-03"},
        // 14 days ending on 31 December move to 2 January.
        {140, "2024-12-17", email, 0, 1, "2024-12-17", "2025-01-02"},
        // By post 10 days land on New Year's Day, then 7 days from the next working day.
        {146, "2025-12-22", post, 1, 5, "2026-01-02", "2026-01-09"},
        // Above them the terms run from the sending: 35 days past Easter and 1 May.
        {141, "2024-03-28", email, 0, 0, "2024-04-02", "2024-05-02"},
        {141, "2024-03-28", post, 0, 0, "2024-04-11", "2024-05-02"},
        {141, "2024-03-28", email, 0, 1, "2024-04-02", "2024-04-29"},
        // Requests over Christmas and New Year: 30 days, and 15 days for urgency past the
        // weekend and Epiphany.
        {147, "2024-12-20", email, 0, 5, "2024-12-27", "2025-01-20"},
        {147, "2024-12-20", email, 0, 6, "2024-12-27", "2025-01-07"},
        {151, "2024-12-20", email, 0, 0, "2024-12-27", "2025-01-20"},
        {150, "2024-12-20", email, 0, 0, "2024-12-20", "2024-12-27"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::to_string(c.code) + " " + c.send);
        Deadline2004Dates dates;
        ASSERT_TRUE(ComputeDeadline2004Dates(c.send, c.code, c.way, c.promptness, c.option, dates));
        EXPECT_STREQ(dates.publication, c.publication);
        EXPECT_STREQ(dates.expiry, c.expiry);
    }
    Deadline2004Dates untouched;
    EXPECT_FALSE(ComputeDeadline2004Dates("2024-02-30", 140, email, 0, 0, untouched));
    EXPECT_FALSE(ComputeDeadline2004Dates("2024-03-28", 140, email, 0, 2, untouched)); // no such term below
    EXPECT_TRUE(untouched.expiry.IsEmpty());
}

TEST(Deadline2004Dialog, ByPostThroughEveryStepAndBack)
{
    CObliczTerminDlg dialog;
    ForProceeding(dialog, 141, 2024, 3, 28);
    DialogDriver driver;
    const INT_PTR result = driver.Run(dialog, [&](CDialog &d) {
        EXPECT_EQ(Text(d, IDC_DEADLINE_STEP_TITLE), "Krok 2");
        EXPECT_FALSE(DialogDriver::IsEnabled(d, IDC_DEADLINE_BACK));
        EXPECT_FALSE(DialogDriver::IsShown(d, IDC_DEADLINE_NAME));
        EXPECT_EQ(ShownOptions(d), (std::vector<int>{0, 1}));
        EXPECT_EQ(Text(d, IDC_DEADLINE_OPTION0), "Ogłoszenie zostanie wysłane pocztą zwykłą");
        EXPECT_EQ(Text(d, IDC_DEADLINE_OPTION1), "Ogłoszenie zostanie wysłane pocztą e-mail");
        Choose(d, 0);

        EXPECT_EQ(Text(d, IDC_DEADLINE_STEP_TITLE), "Krok 2");
        EXPECT_EQ(Text(d, IDC_DEADLINE_OPTION0), "bezpiecznie");
        EXPECT_EQ(Text(d, IDC_DEADLINE_OPTION1), "niezwłocznie");
        Choose(d, 0);

        EXPECT_EQ(Text(d, IDC_DEADLINE_STEP_TITLE), "Krok 3");
        EXPECT_EQ(Text(d, IDOK), "Oblicz >>");
        EXPECT_EQ(ShownOptions(d), (std::vector<int>{0, 1, 2, 3}));
        EXPECT_EQ(CheckedOption(d), 0);
        EXPECT_EQ(Text(d, IDC_DEADLINE_SEND_DATE), "2024-03-28");
        Choose(d, 0);

        EXPECT_EQ(Text(d, IDC_DEADLINE_STEP_TITLE), "Wynik");
        EXPECT_EQ(Text(d, IDC_DEADLINE_PUBLICATION_LABEL), "Data publikacji ogłoszenia:");
        EXPECT_EQ(Text(d, IDC_DEADLINE_EXPIRY_LABEL), "Data upływu terminu składania ofert:");
        EXPECT_EQ(Text(d, IDC_DEADLINE_PUBLICATION_DATE), "2024-04-11");
        EXPECT_EQ(Text(d, IDC_DEADLINE_EXPIRY_DATE), "2024-05-02");
        EXPECT_FALSE(DialogDriver::IsShown(d, IDC_DEADLINE_COMMENT));

        DialogDriver::Press(d, IDC_DEADLINE_BACK);
        EXPECT_EQ(Text(d, IDC_DEADLINE_STEP_TITLE), "Krok 3");
        DialogDriver::Press(d, IDC_DEADLINE_BACK);
        EXPECT_EQ(Text(d, IDC_DEADLINE_OPTION0), "bezpiecznie");
        DialogDriver::Press(d, IDC_DEADLINE_BACK);
        EXPECT_EQ(Text(d, IDC_DEADLINE_OPTION0), "Ogłoszenie zostanie wysłane pocztą zwykłą");
        EXPECT_FALSE(DialogDriver::IsEnabled(d, IDC_DEADLINE_BACK));
        DialogDriver::Press(d, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_TRUE(driver.messages.empty());
}

TEST(Deadline2004Dialog, ByEmailSkipsThePostQuestionBothWays)
{
    CObliczTerminDlg dialog;
    ForProceeding(dialog, 147, 2024, 12, 20);
    DialogDriver driver;
    const INT_PTR result = driver.Run(dialog, [&](CDialog &d) {
        Choose(d, 1);
        EXPECT_EQ(Text(d, IDC_DEADLINE_STEP_TITLE), "Krok 3");
        EXPECT_EQ(ShownOptions(d), (std::vector<int>{5, 6}));
        EXPECT_EQ(CheckedOption(d), 5);
        DialogDriver::Press(d, IDC_DEADLINE_BACK);
        EXPECT_EQ(Text(d, IDC_DEADLINE_OPTION1), "Ogłoszenie zostanie wysłane pocztą e-mail");
        Choose(d, 1);
        Choose(d, 5);
        EXPECT_EQ(Text(d, IDC_DEADLINE_EXPIRY_LABEL),
                  "Data upływu terminu składania wniosków o dopuszczenie do udziału w przetargu:");
        EXPECT_EQ(Text(d, IDC_DEADLINE_PUBLICATION_DATE), "2024-12-27");
        EXPECT_EQ(Text(d, IDC_DEADLINE_EXPIRY_DATE), "2025-01-20");
        EXPECT_TRUE(DialogDriver::IsShown(d, IDC_DEADLINE_COMMENT));
        EXPECT_GE(Text(d, IDC_DEADLINE_COMMENT).Find("art. 52"), 0);
        DialogDriver::Press(d, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.m_nYear, 2025);
    EXPECT_EQ(dialog.m_nMonth, 1);
    EXPECT_EQ(dialog.m_nDay, 20);
}

// The proceeding's order kind preselects the term of works where the act gives works their own.
TEST(DeadlineDialogs, TheOrderKindPreselectsTheTermUnderBothActs)
{
    const struct {
        int code;
        bool works;
        int checked;
    } cases[] = {{140, false, 0}, {140, true, 1}, {141, true, 0}, {164, false, 0}, {164, true, 1}, {163, true, 0}};
    for (const auto &c : cases) {
        SCOPED_TRACE(std::to_string(c.code) + (c.works ? " roboty" : " dostawy"));
        CObliczTerminDlg dialog;
        ForProceeding(dialog, c.code, 2026, 1, 9);
        dialog.m_bWorksOrder = c.works;
        DialogDriver driver;
        int checked = -1;
        driver.Run(dialog, [&](CDialog &d) {
            if (IsAct2004Procedure(c.code))
                Choose(d, 1); // by e-mail, straight to the terms
            checked = CheckedOption(d);
            DialogDriver::Press(d, IDCANCEL);
        });
        EXPECT_EQ(checked, c.checked);
    }
}

} // namespace
