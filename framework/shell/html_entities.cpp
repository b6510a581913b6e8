#include "framework/shell/html_entities.h"

#include <windows.h>

#include <cstring>
#include <cwctype>

namespace {

// Names of U+00A0..U+00FF in order.
const char *const latin1Names[96] = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",    "copy",   "ordf",
    "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn", "sup2",   "sup3",   "acute",  "micro",
    "para",   "middot", "cedil",  "sup1",   "ordm",   "raquo",  "frac14", "frac12", "frac34", "iquest", "Agrave",
    "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil", "Egrave", "Eacute", "Ecirc",  "Euml",
    "Igrave", "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",
    "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",  "szlig",  "agrave", "aacute",
    "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil", "egrave", "eacute", "ecirc",  "euml",   "igrave",
    "iacute", "icirc",  "iuml",   "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide",
    "oslash", "ugrave", "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml",
};

struct NamedEntity {
    const char *name;
    unsigned codePoint;
};

const NamedEntity otherNames[] = {
    {"amp", 38},     {"lt", 60},       {"gt", 62},       {"quot", 34},    {"apos", 39},     {"Aogon", 260},
    {"aogon", 261},  {"Cacute", 262},  {"cacute", 263},  {"Eogon", 280},  {"eogon", 281},   {"Lstrok", 321},
    {"lstrok", 322}, {"Nacute", 323},  {"nacute", 324},  {"Sacute", 346}, {"sacute", 347},  {"Zacute", 377},
    {"zacute", 378}, {"Zdot", 379},    {"zdot", 380},    {"OElig", 338},  {"oelig", 339},   {"Scaron", 352},
    {"scaron", 353}, {"Yuml", 376},    {"Zcaron", 381},  {"zcaron", 382}, {"circ", 710},    {"tilde", 732},
    {"ensp", 8194},  {"emsp", 8195},   {"thinsp", 8201}, {"zwnj", 8204},  {"zwj", 8205},    {"ndash", 8211},
    {"mdash", 8212}, {"lsquo", 8216},  {"rsquo", 8217},  {"sbquo", 8218}, {"ldquo", 8220},  {"rdquo", 8221},
    {"bdquo", 8222}, {"dagger", 8224}, {"Dagger", 8225}, {"bull", 8226},  {"hellip", 8230}, {"permil", 8240},
    {"prime", 8242}, {"lsaquo", 8249}, {"rsaquo", 8250}, {"euro", 8364},  {"trade", 8482},  {"larr", 8592},
    {"uarr", 8593},  {"rarr", 8594},   {"darr", 8595},   {"minus", 8722}, {"ne", 8800},     {"le", 8804},
    {"ge", 8805},
};

// Old pages write these few without the closing ';'.
bool MayOmitSemicolon(const std::string &name)
{
    return name == "amp" || name == "lt" || name == "gt" || name == "quot" || name == "nbsp";
}

unsigned LookUpName(const std::string &name)
{
    for (int i = 0; i < 96; ++i)
        if (name == latin1Names[i])
            return 0xA0 + i;
    for (const NamedEntity &entity : otherNames)
        if (name == entity.name)
            return entity.codePoint;
    return 0;
}

void AppendCodePoint(unsigned codePoint, std::wstring &out)
{
    // Browsers read references to 0x80..0x9F as the Windows-1252 characters they meant.
    if (codePoint >= 0x80 && codePoint <= 0x9F) {
        char byte = (char)codePoint;
        wchar_t wide = 0;
        if (::MultiByteToWideChar(1252, 0, &byte, 1, &wide, 1) == 1)
            codePoint = wide;
    }
    if (codePoint == 0 || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        codePoint = 0xFFFD;
    if (codePoint >= 0x10000) {
        codePoint -= 0x10000;
        out += (wchar_t)(0xD800 + (codePoint >> 10));
        out += (wchar_t)(0xDC00 + (codePoint & 0x3FF));
    } else {
        out += (wchar_t)codePoint;
    }
}

size_t DecodeNumeric(const std::wstring &text, size_t pos, std::wstring &out)
{
    size_t i = pos + 2; // past "&#"
    bool hex = i < text.size() && (text[i] == L'x' || text[i] == L'X');
    if (hex)
        ++i;
    size_t digitsStart = i;
    unsigned value = 0;
    bool tooBig = false;
    for (; i < text.size(); ++i) {
        wchar_t c = text[i];
        unsigned digit;
        if (c >= L'0' && c <= L'9')
            digit = c - L'0';
        else if (hex && c >= L'a' && c <= L'f')
            digit = c - L'a' + 10;
        else if (hex && c >= L'A' && c <= L'F')
            digit = c - L'A' + 10;
        else
            break;
        if (!tooBig)
            value = value * (hex ? 16 : 10) + digit;
        if (value > 0x10FFFF)
            tooBig = true;
    }
    if (i == digitsStart)
        return 0;
    if (i < text.size() && text[i] == L';')
        ++i;
    AppendCodePoint(tooBig ? 0xFFFD : value, out);
    return i - pos;
}

} // namespace

size_t DecodeHtmlEntity(const std::wstring &text, size_t pos, std::wstring &out)
{
    if (pos >= text.size() || text[pos] != L'&')
        return 0;
    if (pos + 1 < text.size() && text[pos + 1] == L'#')
        return DecodeNumeric(text, pos, out);
    const size_t longestName = 8;
    std::string name;
    size_t i = pos + 1;
    while (i < text.size() && name.size() <= longestName && text[i] < 0x80 && iswalnum(text[i]))
        name += (char)text[i++];
    bool closed = i < text.size() && text[i] == L';';
    if (!closed && !MayOmitSemicolon(name))
        return 0;
    unsigned codePoint = LookUpName(name);
    if (codePoint == 0)
        return 0;
    AppendCodePoint(codePoint, out);
    return i - pos + (closed ? 1 : 0);
}

std::wstring DecodeHtmlEntities(const std::wstring &text)
{
    std::wstring out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        size_t taken = text[i] == L'&' ? DecodeHtmlEntity(text, i, out) : 0;
        if (taken == 0)
            out += text[i++];
        else
            i += taken;
    }
    return out;
}
