// CKryteriumTerminDlg: "Obliczenie punktacji w zakresie kryterium termin realizacji zamówienia".
// Scores every offer of the evaluation record by its delivery term: shortest term / the offer's
// term x the weight. The unit of the terms (days, months, years, chosen by its buttons) only
// names them. On closing, the fields and the rows go back into the record. Without a record it
// works on empty rows and stores nothing.
#pragma once

#include "evaluation/criteria/criterion_dialog.h"
#include "evaluation/criteria/term_panel.h"

using CKryteriumTerminDlg = CCriterionDialog<TermCriterion>;
