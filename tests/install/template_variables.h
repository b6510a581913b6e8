// The variables a template names: the identifiers of its variable, link and block tags, read
// from the template's text with the RTF control words, groups and escapes taken out.
#pragma once

#include <cctype>
#include <set>

#include "document/engine/variable_tags.h"
#include "framework/core/cstring.h"

inline int HexDigit(char c)
{
    return c >= '0' && c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
}

inline CString RtfPlainText(const CString &rtf)
{
    CString text;
    const int length = rtf.GetLength();
    for (int i = 0; i < length; ++i) {
        const char c = rtf[i];
        if (c == '{' || c == '}' || c == '\r' || c == '\n')
            continue;
        if (c != '\\') {
            text += c;
            continue;
        }
        const char next = rtf[i + 1];
        if (next == '\'' && i + 3 < length) {
            text += static_cast<char>(HexDigit(rtf[i + 2]) * 16 + HexDigit(rtf[i + 3]));
            i += 3;
        } else if (next == '\\' || next == '{' || next == '}') {
            text += next;
            ++i;
        } else if (isalpha(static_cast<unsigned char>(next))) {
            ++i;
            while (i + 1 < length && isalpha(static_cast<unsigned char>(rtf[i + 1])))
                ++i;
            while (i + 1 < length && (rtf[i + 1] == '-' || isdigit(static_cast<unsigned char>(rtf[i + 1]))))
                ++i;
            if (i + 1 < length && rtf[i + 1] == ' ')
                ++i;
        } else {
            ++i; // a control symbol such as \~ or \-
        }
    }
    return text;
}

// Numbers of the variables that "<!", "<&", "<%", "<+", "<*", "<|" and "<\" tags name.
inline std::set<int> TemplateVariables(const CString &plainText)
{
    std::set<int> numbers;
    for (int tag = plainText.Find('<'); tag >= 0; tag = plainText.Find('<', tag + 1)) {
        const char kind = plainText[tag + 1];
        int idLength;
        if (kind == '!')
            idLength = VariableTagIdLength(plainText, tag);
        else if (kind == '+' || kind == '*')
            idLength = LinkTagIdLength(plainText, tag);
        else if (kind == '&' || kind == '%' || kind == '|' || kind == '\\')
            idLength = 3;
        else
            continue;
        if (plainText[tag + 2 + idLength] == '>')
            numbers.insert(DecodeVariableId(plainText.Mid(tag + 2, idLength)));
    }
    return numbers;
}
