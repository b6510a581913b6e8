// CPanelTerminDlg: the scrolling panel of the delivery-term criterion, one COfertaTerminDlg per
// offer; it keeps every row's shortest term and points in step with the terms and the weight.
#pragma once

#include "evaluation/criteria/criterion_panel.h"
#include "evaluation/criteria/term_offer_row.h"

using CPanelTerminDlg = CCriterionPanel<TermCriterion>;
