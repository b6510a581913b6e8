#include "tools/szablony/rtf_text.h"

#include "framework/core/codepage.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Groups whose text the control never shows.
const char *const kHiddenDestinations[] = {
    "fonttbl", "colortbl", "stylesheet", "info",   "pict",   "header",  "headerl",  "headerr",
    "headerf", "footer",   "footerl",    "footerr", "footerf", "object", "listtable", "listoverridetable",
    "rsidtbl", "generator", "xmlnstbl",  "themedata", "latentstyles", "datastore",
};

// Control words that stand for one character of the text.
const struct {
    const char *word;
    wchar_t shown;
} kCharacterWords[] = {
    {"par", L'\r'},         {"page", L'\r'},       {"tab", L'\t'},          {"line", L'\v'},
    {"emdash", L'\u2014'},  {"endash", L'\u2013'}, {"bullet", L'\u2022'},   {"lquote", L'\u2018'},
    {"rquote", L'\u2019'},  {"ldblquote", L'\u201c'}, {"rdblquote", L'\u201d'},
};

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

wchar_t FromCp1250(char byte)
{
    const std::wstring wide = Cp1250ToWide(&byte, 1);
    return wide.empty() ? L'?' : wide[0];
}

struct ControlWord {
    std::string word;
    long parameter = 0;
    bool hasParameter = false;
    size_t end = 0; // after the word, its parameter and a blank that delimits it
};

// The control word whose backslash stands at position.
ControlWord ReadControlWord(const std::string &rtf, size_t position)
{
    ControlWord control;
    size_t i = position + 1;
    while (i < rtf.size() && IsLetter(rtf[i]))
        control.word += rtf[i++];
    const size_t number = i;
    if (i < rtf.size() && rtf[i] == '-')
        ++i;
    while (i < rtf.size() && IsDigit(rtf[i]))
        ++i;
    if (i > number && IsDigit(rtf[i - 1])) {
        control.hasParameter = true;
        control.parameter = std::strtol(rtf.c_str() + number, nullptr, 10);
    } else {
        i = number;
    }
    if (i < rtf.size() && rtf[i] == ' ')
        ++i;
    control.end = i;
    return control;
}

int HexValue(char c)
{
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The end of the `count` characters that follow a \u character as its stand-in for old readers.
size_t SkipStandIns(const std::string &rtf, size_t position, long count)
{
    for (long skipped = 0; skipped < count && position < rtf.size(); ++skipped) {
        if (rtf[position] == '{' || rtf[position] == '}')
            break;
        if (rtf[position] != '\\')
            ++position;
        else if (position + 1 < rtf.size() && rtf[position + 1] == '\'')
            position += 4;
        else if (position + 1 < rtf.size() && IsLetter(rtf[position + 1]))
            position = ReadControlWord(rtf, position).end;
        else
            position += 2;
    }
    return position < rtf.size() ? position : rtf.size();
}

bool IsHiddenDestination(const std::string &rtf, size_t position)
{
    if (rtf.compare(position, 2, "\\*") == 0)
        return true;
    if (position >= rtf.size() || rtf[position] != '\\')
        return false;
    const std::string word = ReadControlWord(rtf, position).word;
    for (const char *hidden : kHiddenDestinations)
        if (word == hidden)
            return true;
    return false;
}

// The piece of RTF that writes the text: special characters escaped, letters outside ASCII as
// code page 1250 or, failing that, as Unicode.
std::string RtfOf(const std::wstring &text)
{
    std::string rtf;
    for (wchar_t c : text) {
        if (c == L'\\' || c == L'{' || c == L'}') {
            rtf += '\\';
            rtf += static_cast<char>(c);
        } else if (c == L'\r') {
            rtf += "\\par ";
        } else if (c == L'\t') {
            rtf += "\\tab ";
        } else if (c == L'\v') {
            rtf += "\\line ";
        } else if (c == L'\u00a0') {
            rtf += "\\~";
        } else if (c < 0x20) {
            continue;
        } else if (c < 0x80) {
            rtf += static_cast<char>(c);
        } else {
            char byte = 0;
            BOOL replaced = FALSE;
            const int made = WideCharToMultiByte(1250, WC_NO_BEST_FIT_CHARS, &c, 1, &byte, 1, nullptr, &replaced);
            char escaped[16];
            if (made == 1 && !replaced)
                snprintf(escaped, sizeof escaped, "\\'%02x", static_cast<unsigned char>(byte));
            else
                snprintf(escaped, sizeof escaped, "\\u%d?", static_cast<int>(static_cast<short>(c)));
            rtf += escaped;
        }
    }
    return rtf;
}

// True when the RTF so far ends in a control word with no blank after it, so that a letter,
// digit or blank put next would run into it.
bool EndsInOpenControlWord(const std::string &rtf)
{
    size_t i = rtf.size();
    while (i > 0 && IsDigit(rtf[i - 1]))
        --i;
    if (i > 0 && rtf[i - 1] == '-')
        --i;
    const size_t letters = i;
    while (i > 0 && IsLetter(rtf[i - 1]))
        --i;
    if (i == letters)
        return false;
    size_t backslashes = 0;
    while (i > 0 && rtf[i - 1] == '\\') {
        --i;
        ++backslashes;
    }
    return backslashes % 2 == 1;
}

void Join(std::string &rtf, const std::string &piece)
{
    if (piece.empty())
        return;
    if (EndsInOpenControlWord(rtf) && std::strchr("\\{}\r\n", piece[0]) == nullptr)
        rtf += ' ';
    rtf += piece;
}

} // namespace

RtfText ReadRtfText(const std::string &rtf)
{
    RtfText result;
    struct Group {
        bool hidden;
        long standIns; // \uc: characters that follow a \u character
    };
    std::vector<Group> groups{{false, 1}};
    auto add = [&](wchar_t c, size_t begin, size_t end) {
        if (groups.back().hidden)
            return;
        result.text.push_back(c);
        result.begin.push_back(begin);
        result.end.push_back(end);
    };
    result.bodyEnd = rtf.size();
    size_t i = 0;
    while (i < rtf.size()) {
        const char c = rtf[i];
        if (c == '{') {
            groups.push_back(groups.back());
            ++i;
            if (IsHiddenDestination(rtf, i))
                groups.back().hidden = true;
        } else if (c == '}') {
            if (groups.size() <= 2) { // the document's own group ends
                result.bodyEnd = i;
                break;
            }
            groups.pop_back();
            ++i;
        } else if (c == '\r' || c == '\n') {
            ++i;
        } else if (c != '\\') {
            add(FromCp1250(c), i, i + 1);
            ++i;
        } else if (i + 1 >= rtf.size()) {
            ++i;
        } else if (IsLetter(rtf[i + 1])) {
            const ControlWord control = ReadControlWord(rtf, i);
            size_t end = control.end;
            if (control.word == "uc" && control.hasParameter) {
                groups.back().standIns = control.parameter;
            } else if (control.word == "u" && control.hasParameter) {
                end = SkipStandIns(rtf, end, groups.back().standIns);
                add(static_cast<wchar_t>(control.parameter < 0 ? control.parameter + 65536 : control.parameter), i,
                    end);
            } else if (control.word == "bin" && control.hasParameter && control.parameter > 0) {
                end = std::min(rtf.size(), end + static_cast<size_t>(control.parameter));
            } else {
                for (const auto &character : kCharacterWords)
                    if (control.word == character.word)
                        add(character.shown, i, end);
            }
            i = end;
        } else {
            const char symbol = rtf[i + 1];
            if (symbol == '\'' && i + 3 < rtf.size() && HexValue(rtf[i + 2]) >= 0 && HexValue(rtf[i + 3]) >= 0) {
                add(FromCp1250(static_cast<char>(HexValue(rtf[i + 2]) * 16 + HexValue(rtf[i + 3]))), i, i + 4);
                i += 4;
                continue;
            }
            if (symbol == '\\' || symbol == '{' || symbol == '}')
                add(static_cast<wchar_t>(symbol), i, i + 2);
            else if (symbol == '~')
                add(L'\u00a0', i, i + 2);
            else if (symbol == '\r' || symbol == '\n')
                add(L'\r', i, i + 2);
            i += 2;
        }
    }
    return result;
}

std::string ReplaceRtfText(const std::string &rtf, const RtfText &mapped, const std::wstring &changed)
{
    const std::wstring &before = mapped.text;
    size_t first = 0; // the first character that differs
    while (first < before.size() && first < changed.size() && before[first] == changed[first])
        ++first;
    size_t same = 0; // characters alike at the end, after the first difference
    while (same < before.size() - first && same < changed.size() - first
           && before[before.size() - 1 - same] == changed[changed.size() - 1 - same])
        ++same;
    const size_t removedEnd = before.size() - same;
    const std::wstring added = changed.substr(first, changed.size() - same - first);
    if (first == removedEnd && added.empty())
        return rtf;

    // Replacing text, or typing at a paragraph's start, writes before the next character's
    // RTF (after the formatting that leads to it); typing elsewhere, right after the previous one.
    size_t at = mapped.bodyEnd;
    const bool afterPrevious = first > 0 && first == removedEnd && before[first - 1] != L'\r';
    if (afterPrevious)
        at = mapped.end[first - 1];
    else if (first < before.size())
        at = mapped.begin[first];
    else if (first > 0)
        at = mapped.end[first - 1];

    std::string result = rtf.substr(0, at);
    Join(result, RtfOf(added));
    size_t kept = at;
    for (size_t removed = first; removed < removedEnd; ++removed) {
        Join(result, rtf.substr(kept, mapped.begin[removed] - kept));
        kept = mapped.end[removed];
    }
    Join(result, rtf.substr(kept));
    return result;
}
