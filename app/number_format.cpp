#include "app/number_format.h"

#include <climits>
#include <cmath>
#include <cstring>

#include "model/string_utils.h"

CString IntToStr(int value)
{
    CString text;
    text.Format("%d", value);
    return text;
}

CString DoubleToStr2(double value)
{
    CString text;
    text.Format("%.2f", value);
    return text;
}

CString DoubleToStr(double value)
{
    CString text;
    text.Format("%f", value);
    const int point = text.Find('.');
    if (point > 0) {
        text = text.Left(point + 4);
        text.TrimRight('0');
        text.TrimRight('.');
    }
    return FormatAmount(text);
}

double StrToDouble(const CString &text)
{
    const CString number = NormalizeNumberText(text);
    const double value = strtod(number, nullptr);
    return std::isfinite(value) ? value : 0.0;
}

CString FormatAmount(const CString &text)
{
    CString integerPart = text;
    integerPart.Replace(',', '.');
    CString fraction;
    const int point = integerPart.Find('.');
    if (point > 0) {
        fraction = integerPart.Mid(point);
        integerPart = integerPart.Left(point);
    }
    while (integerPart.GetLength() > 3) {
        fraction = " " + integerPart.Right(3) + fraction;
        integerPart = integerPart.Left(integerPart.GetLength() - 3);
    }
    return integerPart + fraction;
}

CString FormatScaledNumber(double value, const CString &precision)
{
    CString text;
    text.Format("%" + precision + "f", value / 10000.0);
    return FormatAmount(text);
}

int NormalizeAmount(const CString &text, int digits)
{
    CString amount = text;
    amount.Replace(',', '.');
    if (amount.Find('.') < 0)
        amount += ".0";
    const int point = amount.ReverseFind('.');
    while (amount.GetLength() - point - 1 < digits)
        amount += '0';
    amount.Remove('.');
    amount = amount.Left(point + digits);
    // atoi's reading, with an amount too large for an int held at the limit.
    const long value = strtol(amount, nullptr, 10);
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

char *DupString(const CString &text)
{
    const size_t length = static_cast<size_t>(text.GetLength());
    char *copy = static_cast<char *>(calloc(length + 1, 1));
    if (copy)
        memcpy(copy, static_cast<const char *>(text), length);
    return copy;
}
