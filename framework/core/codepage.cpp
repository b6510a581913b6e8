#include "framework/core/codepage.h"

#include <cstring>
#include <cwchar>

namespace {
constexpr UINT kCodePage = 1250;
}

std::wstring Cp1250ToWide(const char *text, int length)
{
    if (!text)
        return std::wstring();
    if (length < 0)
        length = static_cast<int>(std::strlen(text));
    if (length == 0)
        return std::wstring();
    const int wideLength = MultiByteToWideChar(kCodePage, 0, text, length, nullptr, 0);
    std::wstring wide(static_cast<size_t>(wideLength), L'\0');
    MultiByteToWideChar(kCodePage, 0, text, length, &wide[0], wideLength);
    return wide;
}

std::wstring Cp1250ToWide(const CString &text)
{
    return Cp1250ToWide(text, text.GetLength());
}

CString WideToCp1250(const wchar_t *text, int length)
{
    if (!text)
        return CString();
    if (length < 0)
        length = static_cast<int>(std::wcslen(text));
    if (length == 0)
        return CString();
    const int narrowLength = WideCharToMultiByte(kCodePage, 0, text, length, nullptr, 0, "?", nullptr);
    CString narrow;
    WideCharToMultiByte(kCodePage, 0, text, length, narrow.GetBuffer(narrowLength), narrowLength, "?", nullptr);
    narrow.ReleaseBuffer(narrowLength);
    return narrow;
}

CString WideToCp1250(const std::wstring &text)
{
    return WideToCp1250(text.c_str(), static_cast<int>(text.size()));
}
