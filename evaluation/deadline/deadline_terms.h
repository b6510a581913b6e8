// The statutory terms of the deadline calculator under the act of 11 September 2019: what is
// counted for which kind of proceeding, and from which day.
#pragma once

#include "framework/core/cstring.h"

// What the expiry date closes.
enum DeadlineKind {
    kDeadlineOffers = 0,   // open tender at or above EU thresholds: offers (art. 138)
    kDeadlineRequests = 1, // two-stage kinds at or above EU thresholds: requests (art. 144)
    kDeadlineBasic = 2,    // basic mode below EU thresholds: offers (art. 283)
};

// The kind a proceeding's procedure code asks for (only the code modulo 100 counts); kinds of
// the act of 2004 have terms of their own (deadline_terms_2004.h).
DeadlineKind DeadlineKindOfProcedure(int procedureCode);

// Days from the notice's sending to its publication: an EU notice is published within 5 days;
// the authority itself publishes in the BZP on the day.
int PublicationDays(DeadlineKind kind);

// Minimum days from the notice's sending to expiry for the term option chosen; 0 when the
// option is none of the kind's.
int TermDays(DeadlineKind kind, int option);

struct DeadlineDates {
    CString publication;
    CString expiry;
};

// Both dates from a send date "RRRR-MM-DD"; false (and nothing set) when the send date is no
// deadline date or the option no term of the kind.
bool ComputeDeadlineDates(const CString &sendDate, DeadlineKind kind, int option, DeadlineDates &dates);
