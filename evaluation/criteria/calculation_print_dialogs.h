// What each evaluation dialog shows, taken from its fields, its panel and its rows into the
// record that its printout is composed from.
#pragma once

#include "evaluation/criteria/calculation_print.h"
#include "evaluation/criteria/price_criterion_dlg.h"
#include "evaluation/criteria/term_criterion_dlg.h"

class CBilansPunktowyDlg;

PriceCalculationPrint PriceCalculationOf(const CKryteriumCenaDlg &dialog);
TermCalculationPrint TermCalculationOf(const CKryteriumTerminDlg &dialog);
BalancePrint BalanceOf(CBilansPunktowyDlg &dialog);
