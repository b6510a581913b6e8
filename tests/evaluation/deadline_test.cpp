#include <gtest/gtest.h>

#include "evaluation/deadline/deadline_calendar.h"
#include "evaluation/deadline/deadline_terms.h"

namespace {

TEST(DeadlineCalendar, AddDaysLandsOnTheNextDayAnOfficeCounts)
{
    const struct {
        int year, month, day, days;
        const char *expected;
        const char *why;
    } cases[] = {
        {2024, 3, 8, 1, "2024-03-11", "Friday + 1 passes the weekend"},
        {2024, 3, 9, 0, "2024-03-11", "a Saturday start moves to Monday"},
        {2024, 1, 1, 42, "2024-02-12", "six weeks from New Year"},
        {2024, 2, 28, 1, "2024-02-29", "leap day"},
        {2023, 2, 28, 1, "2023-03-01", "no leap day"},
        {2024, 5, 2, 0, "2024-05-02", "2 May between the holidays stays"},
        {2024, 4, 30, 1, "2024-05-02", "1 May is passed"},
        {2025, 8, 14, 1, "2025-08-18", "15 August, then the weekend"},
        {2024, 11, 11, 0, "2024-11-12", "11 November"},
        {2024, 12, 30, 1, "2025-01-02", "31 December jumps past New Year"},
        {2024, 12, 31, 0, "2025-01-02", "31 December itself"},
        {2021, 12, 30, 1, "2022-01-03", "past 31 December, New Year and a weekend"},
        {2037, 12, 30, 1, "2038-01-04", "the count runs on past the last year a date may be typed in"},
        {2025, 1, 6, 0, "2025-01-07", "Epiphany is a holiday"},
        {2010, 1, 6, 0, "2010-01-06", "Epiphany was no holiday before 2011"},
        {2025, 12, 24, 0, "2025-12-29", "Christmas Eve from 2025, Christmas, the weekend"},
        {2024, 12, 24, 0, "2024-12-24", "Christmas Eve before 2025"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(AddDays(c.year, c.month, c.day, c.days), c.expected);
    }
}

TEST(DeadlineCalendar, AddDaysPassesEasterMondayAndCorpusChristiOfEachYear)
{
    const struct {
        int year, month, day, days;
        const char *expected;
    } cases[] = {
        {1970, 3, 27, 1, "1970-03-31"}, // Easter 29 March
        {2000, 4, 21, 1, "2000-04-25"}, // Easter 23 April
        {2000, 6, 22, 0, "2000-06-23"}, // Corpus Christi
        {2024, 4, 1, 0, "2024-04-02"},  // Easter Monday on 1 April
        {2024, 4, 2, 0, "2024-04-02"},  // the day after it is not moved
        {2024, 5, 30, 0, "2024-05-31"}, // Corpus Christi
        {2025, 4, 18, 1, "2025-04-22"}, // Easter 20 April
        {2026, 6, 4, 0, "2026-06-05"},  // Corpus Christi of Easter 5 April
        {2037, 4, 3, 1, "2037-04-07"},  // Easter 5 April
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(AddDays(c.year, c.month, c.day, c.days), c.expected);
    }
}

TEST(DeadlineCalendar, AddDaysOfNoDayIsEmpty)
{
    EXPECT_EQ(AddDays(2023, 2, 29, 0), "");
    EXPECT_EQ(AddDays(2024, 13, 1, 0), "");
    EXPECT_EQ(AddDays(2024, 4, 31, 3), "");
}

TEST(DeadlineCalendar, ParseDeadlineDateTakesRealDaysOf1970To2037)
{
    const struct {
        const char *text;
        bool valid;
    } cases[] = {
        {"2024-03-15", true},  {"1970-01-01", true},  {"2037-12-31", true},  {"2024-02-29", true},
        {"1969-12-31", false}, {"2038-01-01", false}, {"2023-02-29", false}, {"2024-04-31", false},
        {"2024-13-01", false}, {"2024-00-10", false}, {"2024-03-00", false}, {"2024-3-15", false},
        {"2024/03/15", false}, {"2024-03-1x", false}, {"____-__-__", false}, {"", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        int year = -1, month = -1, day = -1;
        EXPECT_EQ(ParseDeadlineDate(c.text, year, month, day), c.valid);
        if (c.valid) {
            CString back;
            back.Format("%04d-%02d-%02d", year, month, day);
            EXPECT_EQ(back, c.text);
        } else {
            EXPECT_EQ(year, -1); // nothing half-read
        }
    }
}

TEST(DeadlineTerms, KindAndDaysByProcedureAndOption)
{
    const struct {
        int code;
        DeadlineKind kind;
    } kinds[] = {
        {63, kDeadlineOffers},   {163, kDeadlineOffers},  {1, kDeadlineOffers},    {0, kDeadlineOffers},
        {67, kDeadlineRequests}, {79, kDeadlineRequests}, {81, kDeadlineRequests}, {87, kDeadlineRequests},
        {86, kDeadlineRequests}, {64, kDeadlineBasic},    {68, kDeadlineBasic},    {172, kDeadlineBasic},
        {84, kDeadlineBasic},
    };
    for (const auto &k : kinds) {
        SCOPED_TRACE(k.code);
        EXPECT_EQ(DeadlineKindOfProcedure(k.code), k.kind);
    }

    // Days per option; 0 marks an option the kind does not offer.
    const int offers[8] = {35, 15, 15, 0, 0, 0, 0, 0};
    const int requests[8] = {30, 15, 0, 0, 0, 0, 0, 0};
    const int basic[8] = {7, 14, 0, 0, 0, 0, 0, 0};
    for (int option = -1; option <= 8; ++option) {
        SCOPED_TRACE(option);
        const bool known = option >= 0 && option < 8;
        EXPECT_EQ(TermDays(kDeadlineOffers, option), known ? offers[option] : 0);
        EXPECT_EQ(TermDays(kDeadlineRequests, option), known ? requests[option] : 0);
        EXPECT_EQ(TermDays(kDeadlineBasic, option), known ? basic[option] : 0);
    }

    EXPECT_EQ(PublicationDays(kDeadlineOffers), 5);
    EXPECT_EQ(PublicationDays(kDeadlineRequests), 5);
    EXPECT_EQ(PublicationDays(kDeadlineBasic), 0);
}

TEST(DeadlineTerms, PublicationAndExpiryFromTheSendDate)
{
    const struct {
        const char *send;
        DeadlineKind kind;
        int option;
        const char *publication, *expiry;
    } cases[] = {
        // 35 days from sending, not from publication; the publication day would be Easter Monday
        {"2024-03-28", kDeadlineOffers, 0, "2024-04-02", "2024-05-02"},
        {"2024-03-28", kDeadlineOffers, 2, "2024-04-02", "2024-04-12"},
        // over Christmas and New Year
        {"2024-12-20", kDeadlineRequests, 0, "2024-12-27", "2025-01-20"},
        {"2024-12-20", kDeadlineRequests, 1, "2024-12-27", "2025-01-07"},
        // BZP: published on the day; 7 days ending on a Saturday move to Monday
        {"2026-01-09", kDeadlineBasic, 0, "2026-01-09", "2026-01-16"},
        {"2026-01-10", kDeadlineBasic, 0, "2026-01-10", "2026-01-19"},
        {"2026-01-09", kDeadlineBasic, 1, "2026-01-09", "2026-01-23"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.send);
        DeadlineDates dates;
        ASSERT_TRUE(ComputeDeadlineDates(c.send, c.kind, c.option, dates));
        EXPECT_EQ(dates.publication, c.publication);
        EXPECT_EQ(dates.expiry, c.expiry);
    }

    DeadlineDates untouched;
    EXPECT_FALSE(ComputeDeadlineDates("2024-02-30", kDeadlineOffers, 0, untouched));
    EXPECT_FALSE(ComputeDeadlineDates("2024-03-28", kDeadlineRequests, 2, untouched));
    EXPECT_TRUE(untouched.publication.IsEmpty());
    EXPECT_TRUE(untouched.expiry.IsEmpty());
}

} // namespace
