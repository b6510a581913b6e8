#include "evaluation/deadline/deadline_terms.h"

#include "evaluation/deadline/deadline_calendar.h"

DeadlineKind DeadlineKindOfProcedure(int procedureCode)
{
    switch (procedureCode % 100) {
    case 67: // restricted tender
    case 79: // competitive negotiation
    case 81: // competitive dialogue
    case 83: // restricted design contest
    case 86: // innovation partnership, both bands
    case 87:
        return kDeadlineRequests;
    case 62:
    case 64:
    case 68:
    case 72:
    case 84:
    case 88:
        return kDeadlineBasic;
    default:
        return kDeadlineOffers;
    }
}

int PublicationDays(DeadlineKind kind)
{
    return kind == kDeadlineBasic ? 0 : 5;
}

int TermDays(DeadlineKind kind, int option)
{
    static const int kOffers[] = {35, 15, 15};
    static const int kRequests[] = {30, 15};
    static const int kBasic[] = {7, 14};
    switch (kind) {
    case kDeadlineOffers:
        return option >= 0 && option < 3 ? kOffers[option] : 0;
    case kDeadlineRequests:
        return option >= 0 && option < 2 ? kRequests[option] : 0;
    case kDeadlineBasic:
        return option >= 0 && option < 2 ? kBasic[option] : 0;
    }
    return 0;
}

bool ComputeDeadlineDates(const CString &sendDate, DeadlineKind kind, int option, DeadlineDates &dates)
{
    const int termDays = TermDays(kind, option);
    int year, month, day;
    if (termDays == 0 || !ParseDeadlineDate(sendDate, year, month, day))
        return false;
    const int publicationDays = PublicationDays(kind);
    dates.publication = publicationDays == 0 ? sendDate : AddDays(year, month, day, publicationDays);
    // Every period of the act runs from the sending (BZP: the publication, the same day).
    dates.expiry = AddDays(year, month, day, termDays);
    return true;
}
