#include "framework/db/text_codec.h"

#include <windows.h>

#include <climits>

#include "framework/core/codepage.h"

std::string Utf8FromCp1250(const CString &text)
{
    const std::wstring wide = Cp1250ToWide(text);
    if (wide.empty())
        return std::string();
    const int count = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), count, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return std::string();
    std::string utf8(length, '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), count, &utf8[0], length, nullptr, nullptr);
    return utf8;
}

CString Cp1250FromUtf8(const std::string &text)
{
    if (text.empty() || text.size() > INT_MAX)
        return CString();
    const int count = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), count, nullptr, 0);
    if (length <= 0)
        return CString();
    std::wstring wide(length, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), count, &wide[0], length);
    return WideToCp1250(wide);
}
