// Numbers and amounts as the program shows and reads them: digit groups separated by blanks,
// a point as the decimal separator, "," typed by the user read as ".". Amounts are doubles
// throughout, so the cents of large amounts survive.
#pragma once

#include <cstdlib>

#include "framework/core/cstring.h"

CString IntToStr(int value);        // "%d"
CString DoubleToStr2(double value); // "%.2f"
// At most three decimals (cut, not rounded), trailing zeros dropped, digits grouped:
// 1234.5 -> "1 234.5", 2.0 -> "2", 1.9996 -> "1.999".
CString DoubleToStr(double value);
// The number the text starts with once blanks are removed and "," is ".", 0 when none.
double StrToDouble(const CString &text);

// "," made "." and the integer part grouped in threes by blanks: "1234567,891" -> "1 234 567.891".
CString FormatAmount(const CString &text);
// value / 10000 printed with "%<precision>f" (precision such as ".2") and grouped.
CString FormatScaledNumber(double value, const CString &precision);
// The amount text as an integer scaled by 10^digits; further decimals are dropped:
// ("4,1749", 4) -> 41749, ("5", 4) -> 50000.
int NormalizeAmount(const CString &text, int digits);

// A zero-terminated copy from malloc, for code that needs a plain buffer; the caller frees it.
char *DupString(const CString &text);
