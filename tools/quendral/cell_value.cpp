#include "tools/quendral/cell_value.h"

#include <cstdio>
#include <cstring>

namespace {

const char kNoBreakSpace = '\xA0';
const char kZlotySuffix[] = " z\xB3"; // " zł" in code page 1250
const size_t kMaxDigits = 15;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsBlank(char c)
{
    return c == ' ' || c == kNoBreakSpace;
}

std::string Trimmed(const std::string &text)
{
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && (IsBlank(text[begin]) || text[begin] == '\t'))
        ++begin;
    while (end > begin && (IsBlank(text[end - 1]) || text[end - 1] == '\t'))
        --end;
    return text.substr(begin, end - begin);
}

bool EndsWith(const std::string &text, const std::string &suffix)
{
    return text.size() > suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// Days since 1 March of year 0 of the proleptic Gregorian calendar, for differences of dates.
long DayNumber(int year, int month, int day)
{
    if (month <= 2) {
        --year;
        month += 12;
    }
    return 365L * year + year / 4 - year / 100 + year / 400 + (153 * (month - 3) + 2) / 5 + day - 1;
}

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// The digits at text[at..at+count) as a number, or -1 when one of them is no digit.
int Digits(const std::string &text, size_t at, size_t count)
{
    int number = 0;
    for (size_t i = at; i < at + count; ++i) {
        if (i >= text.size() || !IsDigit(text[i]))
            return -1;
        number = number * 10 + (text[i] - '0');
    }
    return number;
}

// "2025-09-12", "2025-09-12 14:30" or "2025-09-12 14:30:05" as the sheet's day number (days
// since 30 December 1899) with the time of day as its fraction.
bool ReadDate(const std::string &text, CellValue &value)
{
    const size_t kDateLength = 10;
    if (text.size() != kDateLength && text.size() != kDateLength + 6 && text.size() != kDateLength + 9)
        return false;
    const int year = Digits(text, 0, 4);
    const int month = Digits(text, 5, 2);
    const int day = Digits(text, 8, 2);
    static const int kMonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (text[4] != '-' || text[7] != '-' || year < 1900 || month < 1 || month > 12 || day < 1
        || day > kMonthDays[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0))
        return false;
    int seconds = 0;
    if (text.size() > kDateLength) {
        const int hour = Digits(text, 11, 2);
        const int minute = Digits(text, 14, 2);
        const int second = text.size() > kDateLength + 6 ? Digits(text, 17, 2) : 0;
        if (text[10] != ' ' || text[13] != ':' || (text.size() > kDateLength + 6 && text[16] != ':') || hour < 0
            || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
            return false;
        seconds = (hour * 60 + minute) * 60 + second;
    }
    const long days = DayNumber(year, month, day) - DayNumber(1899, 12, 30);
    char number[48];
    if (text.size() == kDateLength) {
        snprintf(number, sizeof number, "%ld", days);
    } else {
        snprintf(number, sizeof number, "%.10f", static_cast<double>(days) + seconds / 86400.0);
        char *end = number + strlen(number);
        while (end[-1] == '0')
            *--end = '\0';
        if (end[-1] == '.')
            end[-1] = '\0';
    }
    value.isNumber = true;
    value.number = number;
    value.format = text.size() == kDateLength ? NumberFormat::Date : NumberFormat::DateTime;
    return true;
}

} // namespace

CellValue ReadCellValue(const std::string &text)
{
    CellValue value;
    if (ReadDate(Trimmed(text), value))
        return value;
    std::string rest = Trimmed(text);
    const bool zloty = EndsWith(rest, kZlotySuffix);
    if (zloty)
        rest = Trimmed(rest.substr(0, rest.size() - (sizeof kZlotySuffix - 1)));

    size_t i = 0;
    std::string number;
    if (i < rest.size() && rest[i] == '-') {
        number += '-';
        ++i;
    }
    // Integer part: digits, maybe in groups of three after blanks.
    std::string digits;
    size_t group = 0;
    bool grouped = false;
    for (; i < rest.size(); ++i) {
        if (IsDigit(rest[i])) {
            digits += rest[i];
            ++group;
        } else if (IsBlank(rest[i]) && !digits.empty() && i + 1 < rest.size() && IsDigit(rest[i + 1])
                   && (grouped ? group == 3 : group <= 3)) {
            grouped = true;
            group = 0;
        } else {
            break;
        }
    }
    if (digits.empty() || (grouped && group != 3) || (digits.size() > 1 && digits[0] == '0'))
        return value;
    number += digits;

    std::string decimals;
    if (i < rest.size() && (rest[i] == ',' || rest[i] == '.')) {
        for (++i; i < rest.size() && IsDigit(rest[i]); ++i)
            decimals += rest[i];
        if (decimals.empty())
            return value;
        number += '.' + decimals;
    }
    if (i != rest.size() || digits.size() + decimals.size() > kMaxDigits)
        return value;
    if (grouped && decimals.empty() && !zloty)
        return value;

    value.isNumber = true;
    value.number = number == "-0" ? "0" : number;
    if (zloty)
        value.format = NumberFormat::Zloty;
    else if (decimals.size() == 2)
        value.format = NumberFormat::TwoPlaces;
    return value;
}
