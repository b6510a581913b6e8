#include "evaluation/deadline_terms.h"

#include <cstdlib>

#include "evaluation/deadline_calendar.h"

DeadlineKind DeadlineKindOfProcedure(int procedureCode)
{
    switch (procedureCode % 100) {
    case 3:
        return kDeadlineRequests;
    case 5:
        return kDeadlinePreliminaryOffers;
    default:
        return kDeadlineOffers;
    }
}

int PublicationDays(bool byEmail, bool prompt)
{
    if (byEmail)
        return 5;
    return prompt ? 10 : 14;
}

int TermDays(DeadlineKind kind, int option)
{
    // Six to two weeks; requests start at four weeks and use the options 5 to 7.
    static const int kOffers[] = {42, 35, 28, 21};
    static const int kRequests[] = {28, 21, 14};
    static const int kPreliminary[] = {42, 35, 28, 21, 14};
    switch (kind) {
    case kDeadlineOffers:
        return option >= 0 && option < 4 ? kOffers[option] : 0;
    case kDeadlineRequests:
        return option >= 5 && option < 8 ? kRequests[option - 5] : 0;
    case kDeadlinePreliminaryOffers:
        return option >= 0 && option < 5 ? kPreliminary[option] : 0;
    }
    return 0;
}

bool ComputeDeadlineDates(const CString &sendDate, int publicationDays, DeadlineKind kind, int option,
                          DeadlineDates &dates)
{
    const int termDays = TermDays(kind, option);
    int year, month, day;
    if (termDays == 0 || !ParseDeadlineDate(sendDate, year, month, day))
        return false;
    dates.publication = AddDays(year, month, day, publicationDays);
    dates.expiry = AddDays(atoi(dates.publication.Left(4)), atoi(dates.publication.Mid(5, 2)),
                           atoi(dates.publication.Right(2)), termDays);
    return true;
}
