// The statutory terms of the deadline calculator for proceedings of the act of 29 January 2004
// (last consolidated text Dz. U. 2019 poz. 1843), for proceedings started before 2021: how the
// notice is sent, when it is published, and the earliest day the time for offers or requests
// may run out.
#pragma once

#include "framework/core/cstring.h"

// What the notice's time limit closes.
enum Deadline2004Kind {
    kDeadline2004Offers = 0,      // open tender and every mode not listed below (art. 43)
    kDeadline2004Requests = 1,    // restricted tender: requests (art. 49)
    kDeadline2004Negotiation = 2, // negotiations with notice: requests to negotiate (art. 56, 49)
};

// Whether the proceeding follows the act of 2004: kinds 0 to 60 (code modulo 100).
bool IsAct2004Procedure(int procedureCode);

Deadline2004Kind Deadline2004KindOfProcedure(int procedureCode);

// Whether the kind's value equals or exceeds the amounts of art. 11 ust. 8: the notice then
// goes to the Publications Office of the EU and the terms run from its sending.
bool IsAboveThresholds2004(int procedureCode);

// The term options of the kind and band: their radio values, texts and days.
struct Term2004 {
    int option;
    const char *text;
    int days;
};
// Up to four options; the count is returned, the first option is the preselected one unless
// the order is for works (then the works option, where the kind has one).
int Terms2004(Deadline2004Kind kind, bool above, const Term2004 **terms);
int PreselectedTerm2004(Deadline2004Kind kind, bool above, bool worksOrder);

// The way the notice is sent (0 post, 1 e-mail) and, by post, how soon (0 "bezpiecznie",
// 1 "niezwłocznie").
enum { kSentByPost = 0, kSentByEmail = 1 };
int PublicationDays2004(bool above, int way, int promptness);

struct Deadline2004Dates {
    CString publication;
    CString expiry;
};

// Both dates from the send date "RRRR-MM-DD"; false when the send date is no deadline date or
// the option no term of the kind and band.
bool ComputeDeadline2004Dates(const CString &sendDate, int procedureCode, int way, int promptness, int option,
                              Deadline2004Dates &dates);
