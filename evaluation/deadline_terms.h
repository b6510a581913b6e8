// The statutory terms of the deadline calculator: what is counted for which kind of proceeding.
#pragma once

#include "framework/core/cstring.h"

// What the expiry date closes.
enum DeadlineKind {
    kDeadlineOffers = 0,            // open tender: offers
    kDeadlineRequests = 1,          // requests to participate
    kDeadlinePreliminaryOffers = 2, // two-stage tender: preliminary offers
};

// The kind a proceeding's procedure code asks for (only the code modulo 100 counts).
DeadlineKind DeadlineKindOfProcedure(int procedureCode);

// Days from sending the notice to its publication: 5 by e-mail; by post 14 "bezpiecznie"
// (safe) or 10 "niezwłocznie" (prompt).
int PublicationDays(bool byEmail, bool prompt);

// Days from publication to expiry for the term option chosen (the radio value of the last
// step); 0 when the option is none of the kind's.
int TermDays(DeadlineKind kind, int option);

struct DeadlineDates {
    CString publication;
    CString expiry;
};

// Both dates from a send date "RRRR-MM-DD"; false (and nothing set) when the send date is no
// deadline date or the option no term of the kind.
bool ComputeDeadlineDates(const CString &sendDate, int publicationDays, DeadlineKind kind, int option,
                          DeadlineDates &dates);
