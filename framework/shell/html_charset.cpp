#include "framework/shell/html_charset.h"

#include <cctype>

namespace {

// A <meta> tag says its charset within the first few kilobytes.
const size_t metaScanLength = 4096;

bool StartsWith(const std::string &bytes, const char *prefix)
{
    return bytes.compare(0, strlen(prefix), prefix) == 0;
}

UINT CodePageOfCharsetName(const std::string &name)
{
    if (name == "utf-8" || name == "utf8")
        return CP_UTF8;
    if (name == "windows-1250" || name == "cp1250" || name == "x-cp1250")
        return 1250;
    if (name == "iso-8859-2" || name == "latin2" || name == "iso8859-2")
        return 28592;
    if (name == "windows-1252" || name == "iso-8859-1" || name == "latin1" || name == "us-ascii")
        return 1252;
    return 0;
}

// The charset named by the first <meta> tag that names one; 0 when none does.
UINT MetaCharsetCodePage(const std::string &bytes)
{
    std::string head = bytes.substr(0, metaScanLength);
    for (char &c : head)
        c = (char)tolower((unsigned char)c);
    for (size_t meta = head.find("<meta"); meta != std::string::npos; meta = head.find("<meta", meta + 1)) {
        size_t end = head.find('>', meta);
        size_t charset = head.find("charset", meta);
        if (charset == std::string::npos || (end != std::string::npos && charset > end))
            continue;
        size_t i = charset + 7;
        while (i < head.size() && (head[i] == ' ' || head[i] == '=' || head[i] == '"' || head[i] == '\''))
            ++i;
        std::string name;
        while (i < head.size() && (isalnum((unsigned char)head[i]) || head[i] == '-' || head[i] == '_'))
            name += head[i++];
        if (UINT codePage = CodePageOfCharsetName(name))
            return codePage;
    }
    return 0;
}

bool IsValidUtf8(const std::string &bytes)
{
    if (bytes.empty())
        return true;
    return ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), (int)bytes.size(), nullptr, 0) > 0;
}

std::wstring Decode(UINT codePage, const char *data, size_t length)
{
    if (length == 0)
        return std::wstring();
    int count = ::MultiByteToWideChar(codePage, 0, data, (int)length, nullptr, 0);
    std::wstring text(count, L'\0');
    ::MultiByteToWideChar(codePage, 0, data, (int)length, &text[0], count);
    return text;
}

} // namespace

UINT HtmlPageCodePage(const std::string &bytes)
{
    if (StartsWith(bytes, "\xEF\xBB\xBF"))
        return CP_UTF8;
    if (StartsWith(bytes, "\xFF\xFE"))
        return 1200;
    if (UINT codePage = MetaCharsetCodePage(bytes))
        return codePage;
    return IsValidUtf8(bytes) ? CP_UTF8 : 1250;
}

std::wstring DecodeHtmlPage(const std::string &bytes)
{
    UINT codePage = HtmlPageCodePage(bytes);
    if (codePage == 1200) {
        std::wstring text((bytes.size() - 2) / 2, L'\0');
        for (size_t i = 0; i < text.size(); ++i)
            text[i] = (wchar_t)((unsigned char)bytes[2 + 2 * i] | ((unsigned char)bytes[3 + 2 * i] << 8));
        return text;
    }
    size_t skip = StartsWith(bytes, "\xEF\xBB\xBF") ? 3 : 0;
    return Decode(codePage, bytes.data() + skip, bytes.size() - skip);
}
