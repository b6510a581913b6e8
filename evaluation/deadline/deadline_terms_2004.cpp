#include "evaluation/deadline/deadline_terms_2004.h"

#include "evaluation/deadline/deadline_calendar.h"

namespace {

const Term2004 kOffersBelow[] = {
    {0, "7 dni - dostawy lub usługi (art. 43 ust. 1 ustawy Pzp)", 7},
    {1, "14 dni - roboty budowlane (art. 43 ust. 1 ustawy Pzp)", 14},
};
const Term2004 kOffersAbove[] = {
    {0, "35 dni od przekazania ogłoszenia Urzędowi Publikacji UE\n- termin ustawowy (art. 43 ust. 2 ustawy Pzp)", 35},
    {1, "30 dni - oferty składane przy użyciu środków\nkomunikacji elektronicznej (art. 43 ustawy Pzp)", 30},
    {2, "15 dni - zamieszczono wstępne ogłoszenie\ninformacyjne (art. 43 ustawy Pzp)", 15},
    {3, "15 dni - pilna potrzeba udzielenia zamówienia\n(art. 43 ustawy Pzp)", 15},
};
const Term2004 kRequestsBelow[] = {
    {5, "7 dni od zamieszczenia ogłoszenia w Biuletynie\nZamówień Publicznych (art. 49 ust. 1 ustawy Pzp)", 7},
};
const Term2004 kRequestsAbove[] = {
    {5, "30 dni od przekazania ogłoszenia Urzędowi Publikacji UE\n- termin ustawowy (art. 49 ust. 2 ustawy Pzp)", 30},
    {6, "15 dni - pilna potrzeba udzielenia zamówienia\n(art. 49 ustawy Pzp)", 15},
};
const Term2004 kNegotiationBelow[] = {
    {0, "7 dni od zamieszczenia ogłoszenia w Biuletynie\nZamówień Publicznych (art. 56 i art. 49 ustawy Pzp)", 7},
};
const Term2004 kNegotiationAbove[] = {
    {0, "30 dni od przekazania ogłoszenia Urzędowi Publikacji UE\n- termin ustawowy (art. 56 i art. 49 ustawy Pzp)",
     30},
    {1, "15 dni - pilna potrzeba udzielenia zamówienia\n(art. 56 i art. 49 ustawy Pzp)", 15},
};

template <int N>
int Table(const Term2004 (&table)[N], const Term2004 **terms)
{
    *terms = table;
    return N;
}

} // namespace

bool IsAct2004Procedure(int procedureCode)
{
    const int kind = procedureCode % 100;
    return procedureCode >= 0 && kind <= 60;
}

Deadline2004Kind Deadline2004KindOfProcedure(int procedureCode)
{
    switch (procedureCode % 100) {
    case 2: // restricted tender, both catalogues
    case 3:
    case 16:
    case 46:
    case 47:
        return kDeadline2004Requests;
    case 4: // negotiations with notice
    case 5:
    case 17:
    case 50:
    case 51:
        return kDeadline2004Negotiation;
    default:
        return kDeadline2004Offers;
    }
}

bool IsAboveThresholds2004(int procedureCode)
{
    const int kind = procedureCode % 100;
    if (kind >= 15 && kind <= 20)
        return true; // the first catalogue's kinds above the thresholds
    if (kind < 14)
        return kind % 2 == 1;
    // 40 to 60 pair below (even) and above (odd), except 44 (below 30 000 euro), 45
    // (electronic auction) and 60 (social services below 750 000 euro), which are below.
    return kind >= 40 && kind <= 59 && kind != 45 && kind % 2 == 1;
}

int Terms2004(Deadline2004Kind kind, bool above, const Term2004 **terms)
{
    switch (kind) {
    case kDeadline2004Requests:
        return above ? Table(kRequestsAbove, terms) : Table(kRequestsBelow, terms);
    case kDeadline2004Negotiation:
        return above ? Table(kNegotiationAbove, terms) : Table(kNegotiationBelow, terms);
    default:
        return above ? Table(kOffersAbove, terms) : Table(kOffersBelow, terms);
    }
}

int PreselectedTerm2004(Deadline2004Kind kind, bool above, bool worksOrder)
{
    const Term2004 *terms = nullptr;
    Terms2004(kind, above, &terms);
    // Only the open tender below the thresholds has its own term for works.
    if (kind == kDeadline2004Offers && !above && worksOrder)
        return terms[1].option;
    return terms[0].option;
}

int PublicationDays2004(bool above, int way, int promptness)
{
    if (way == kSentByPost)
        return promptness == 0 ? 14 : 10;
    // Sent electronically: the authority's own notice in the Biuletyn is published on the day
    // it is placed there; the Publications Office publishes within 5 days.
    return above ? 5 : 0;
}

bool ComputeDeadline2004Dates(const CString &sendDate, int procedureCode, int way, int promptness, int option,
                              Deadline2004Dates &dates)
{
    const bool above = IsAboveThresholds2004(procedureCode);
    const Term2004 *terms = nullptr;
    const int count = Terms2004(Deadline2004KindOfProcedure(procedureCode), above, &terms);
    int termDays = 0;
    for (int i = 0; i < count; ++i)
        if (terms[i].option == option)
            termDays = terms[i].days;
    int year, month, day;
    if (termDays == 0 || !ParseDeadlineDate(sendDate, year, month, day))
        return false;
    const int publicationDays = PublicationDays2004(above, way, promptness);
    dates.publication = publicationDays == 0 ? sendDate : AddDays(year, month, day, publicationDays);
    // Above the thresholds the terms run from the notice's sending to the Publications Office
    // (art. 43 ust. 2, art. 49 ust. 2); below them from its placing in the Biuletyn, that is
    // its publication (art. 43 ust. 1, art. 49 ust. 1).
    if (above) {
        dates.expiry = AddDays(year, month, day, termDays);
    } else {
        int pubYear, pubMonth, pubDay;
        if (!ParseDeadlineDate(dates.publication, pubYear, pubMonth, pubDay))
            return false;
        dates.expiry = AddDays(pubYear, pubMonth, pubDay, termDays);
    }
    return true;
}
