#include "evaluation/criteria/price_components.h"

#include <cmath>

#include "app/number_format.h"
#include "model/string_utils.h"

namespace {

const int kVatRates[] = {23, 8, 5, 0};
const int kDefaultComboIndex = 0;
const int kFieldsPerLine = 4;

} // namespace

const char *const kVatComboItems[4] = {"23%", "8%", "5%", "0%"};

std::vector<PriceComponent> ReadPriceComponents(const CString &text)
{
    std::vector<PriceComponent> components;
    int lineCount = 0;
    CString *lines = SplitString(text, "\n", lineCount);
    for (int i = 0; i < lineCount; ++i) {
        // Empty fields are kept in place: a component saved without a name must read back
        // as itself, not be dropped or have its amounts shifted into the wrong columns.
        int fieldCount = 0;
        CString *fields = SplitStringKeepEmpty(TrimChars(lines[i], " \r\n"), "|", fieldCount);
        if (fieldCount >= kFieldsPerLine)
            components.push_back({fields[0], fields[1], fields[2], fields[3]});
        delete[] fields;
    }
    delete[] lines;
    return components;
}

CString WritePriceComponents(const std::vector<PriceComponent> &components)
{
    CString text;
    for (const PriceComponent &component : components)
        text += component.name + "|" + component.net + "|" + component.vatRate + "|" + component.gross + "\n";
    return text;
}

int VatRateFromComboIndex(int index)
{
    if (index < 0 || index >= (int)(sizeof(kVatRates) / sizeof(kVatRates[0])))
        return kVatRates[kDefaultComboIndex];
    return kVatRates[index];
}

int VatComboIndexForRate(const CString &rateText)
{
    if (rateText == "22" || rateText == "23")
        return 0;
    if (rateText == "7" || rateText == "8")
        return 1;
    if (rateText == "5")
        return 2;
    if (rateText == "0")
        return 3;
    return kDefaultComboIndex;
}

CString AmountText(double amount)
{
    // The product of an amount and a rate lands just below a half cent as often as on it
    // (0.5 x 1.23 is 0.61499...); the small nudge rounds those up as an invoice does.
    double cents = amount * 100.0;
    cents = std::round(cents + (cents >= 0 ? 1e-6 : -1e-6));
    if (cents == 0)
        cents = 0; // no "-0.00"
    return DoubleToStr2(cents / 100.0);
}

double GrossFromNet(double net, int vatRate)
{
    return net * (100 + vatRate) / 100.0;
}

double NetFromGross(double gross, int vatRate)
{
    return gross * 100.0 / (100 + vatRate);
}

CString ComponentName(const CString &typed)
{
    CString name = typed;
    name.Replace('|', ',');
    return name;
}

PriceComponentTotals SumPriceComponents(const std::vector<PriceComponent> &components)
{
    double net = 0;
    double gross = 0;
    for (const PriceComponent &component : components) {
        net += StrToDouble(component.net);
        gross += StrToDouble(component.gross);
    }
    return {AmountText(net), AmountText(gross)};
}
