// The text form and the arithmetic of an offer's gross-price components. The text holds one
// "\n"-terminated line per component: "name|net|VAT rate in percent|gross".
#pragma once

#include <vector>

#include "framework/core/cstring.h"

// Amounts are read with StrToDouble (app/number_format.h): "," counts as ".", a non-number is 0.

struct PriceComponent {
    CString name;
    CString net;
    CString vatRate;
    CString gross;
};

// The components of the text in order; a line with fewer than four fields is skipped.
std::vector<PriceComponent> ReadPriceComponents(const CString &text);
CString WritePriceComponents(const std::vector<PriceComponent> &components);

// The items of the VAT combo, in this order: "23%", "8%", "5%", "0%".
extern const char *const kVatComboItems[4];
// The rate of a combo item; no selection or an unknown index means 23.
int VatRateFromComboIndex(int index);
// The combo item for a stored rate text; the former rates 22 and 7 map to 23 and 8.
int VatComboIndexForRate(const CString &rateText);

// "%.2f" of the amount rounded half up to whole cents.
CString AmountText(double amount);
double GrossFromNet(double net, int vatRate);
double NetFromGross(double gross, int vatRate);

// A name fit for a line: "|" would split it, so it becomes ",".
CString ComponentName(const CString &typed);

struct PriceComponentTotals {
    CString net;
    CString gross;
};
PriceComponentTotals SumPriceComponents(const std::vector<PriceComponent> &components);
