#include "tools/quendral/cell_value.h"

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

} // namespace

CellValue ReadCellValue(const std::string &text)
{
    CellValue value;
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
