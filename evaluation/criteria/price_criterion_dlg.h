// CKryteriumCenaDlg: "Obliczenie punktacji w zakresie kryterium cena". Scores every offer of the
// evaluation record by price: lowest gross price / the offer's gross price x the weight. The
// offers are edited in the rows of its panel; on closing, the fields and the rows go back into
// the record. Without a record it works on empty rows and stores nothing.
#pragma once

#include "evaluation/criteria/criterion_dialog.h"
#include "evaluation/criteria/price_panel.h"

using CKryteriumCenaDlg = CCriterionDialog<PriceCriterion>;
