// What each evaluation dialog shows, taken from its fields, its panel and its rows into the
// record that its printout is composed from.
#pragma once

#include "evaluation/criteria/calculation_print.h"

class CBilansPunktowyDlg;
class CKryteriumCenaDlg;
class CKryteriumTerminDlg;

PriceCalculationPrint PriceCalculationOf(const CKryteriumCenaDlg& dialog);
TermCalculationPrint TermCalculationOf(const CKryteriumTerminDlg& dialog);
BalancePrint BalanceOf(CBilansPunktowyDlg& dialog);
