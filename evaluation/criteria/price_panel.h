// CPanelCenaDlg: the scrolling panel of the price criterion, one COfertaCenaDlg per offer; it
// keeps every row's lowest price and points in step with the prices and the weight.
#pragma once

#include "evaluation/criteria/criterion_panel.h"
#include "evaluation/criteria/price_offer_row.h"

using CPanelCenaDlg = CCriterionPanel<PriceCriterion>;
