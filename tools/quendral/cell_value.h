#pragma once
// How a cell's text goes into the sheet: a number when it reads as one the way the program
// writes numbers ("1234", "-12,5", "12 300,00 zł"), a date when it reads as the program writes
// dates ("2025-09-12", "2025-09-12 14:30"), else text as it stands.

#include <string>

enum class NumberFormat {
    General,   // integers and decimals other than two places
    TwoPlaces, // "#,##0.00"
    Zloty,     // "#,##0.00 zł"
    Date,      // "yyyy-mm-dd"
    DateTime,  // "yyyy-mm-dd hh:mm"
};

struct CellValue {
    bool isNumber = false;
    std::string number; // the value as the sheet stores it: "-12300.5"; a date as its day number
    NumberFormat format = NumberFormat::General;
};

// The text in code page 1250. Digits grouped by blanks count only with a decimal part or "zł"
// (a telephone number "601 234 567" stays text); a leading zero ("007") and more than 15
// digits (an account number) stay text as well.
CellValue ReadCellValue(const std::string &text);
