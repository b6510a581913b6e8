#include "tools/szablony/template_tags.h"

namespace {

const size_t kDigits = 3;
const size_t kShownLength = 12;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The number of a tag "<!NNN>" or "</NNN>" at position, or empty when it is not whole.
std::string TagNumber(const std::string &text, size_t position)
{
    const size_t digits = position + 2;
    if (text.size() < digits + kDigits + 1 || text[digits + kDigits] != '>')
        return std::string();
    for (size_t i = 0; i < kDigits; ++i)
        if (!IsDigit(text[digits + i]))
            return std::string();
    return text.substr(digits, kDigits);
}

// What the user sees of a broken tag: up to its ">" or a few characters.
std::string Shown(const std::string &text, size_t position)
{
    const size_t end = text.find('>', position);
    const size_t length =
        end == std::string::npos || end - position + 1 > kShownLength ? kShownLength : end - position + 1;
    std::string shown = text.substr(position, length);
    for (char &c : shown)
        if (c == '\r' || c == '\n')
            c = ' ';
    return shown;
}

} // namespace

std::string FindBrokenTag(const std::string &text)
{
    std::string open; // number of the tag whose closing is awaited
    size_t openAt = 0;
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '<' || (text[i + 1] != '!' && text[i + 1] != '/'))
            continue;
        const std::string number = TagNumber(text, i);
        const bool opening = text[i + 1] == '!';
        if (number.empty()) {
            // "</" also ends ordinary text such as "a</b"; only a closing begun with a digit is a tag.
            if (opening || (i + 2 < text.size() && IsDigit(text[i + 2])))
                return Shown(text, i);
            continue;
        }
        if (opening) {
            if (!open.empty())
                return Shown(text, openAt);
            open = number;
            openAt = i;
        } else {
            if (open != number)
                return Shown(text, open.empty() ? i : openAt);
            open.clear();
        }
    }
    return open.empty() ? std::string() : Shown(text, openAt);
}
