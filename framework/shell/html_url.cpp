#include "framework/shell/html_url.h"

#include <windows.h>

#include <cwctype>
#include <vector>

namespace {

bool IsDriveLetterPath(const std::wstring &path)
{
    return path.size() >= 2 && path[1] == L':' && iswalpha(path[0]) && path[0] < 0x80;
}

bool IsAbsolutePath(const std::wstring &path)
{
    return IsDriveLetterPath(path) || path.compare(0, 2, L"\\\\") == 0 || path.compare(0, 2, L"//") == 0;
}

int HexValue(wchar_t c)
{
    if (c >= L'0' && c <= L'9')
        return c - L'0';
    if (c >= L'a' && c <= L'f')
        return c - L'a' + 10;
    if (c >= L'A' && c <= L'F')
        return c - L'A' + 10;
    return -1;
}

std::wstring DecodeBytes(const std::string &bytes)
{
    UINT codePage =
        ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), (int)bytes.size(), nullptr, 0) > 0 ? CP_UTF8
                                                                                                              : 1250;
    int count = ::MultiByteToWideChar(codePage, 0, bytes.data(), (int)bytes.size(), nullptr, 0);
    std::wstring text(count, L'\0');
    ::MultiByteToWideChar(codePage, 0, bytes.data(), (int)bytes.size(), &text[0], count);
    return text;
}

// "%C5%BC" escapes decoded as UTF-8 (or code page 1250 when they are not UTF-8).
std::wstring PercentDecode(const std::wstring &text)
{
    std::wstring out;
    for (size_t i = 0; i < text.size();) {
        std::string bytes;
        while (i + 2 < text.size() && text[i] == L'%' && HexValue(text[i + 1]) >= 0 && HexValue(text[i + 2]) >= 0) {
            bytes += (char)(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 3;
        }
        if (!bytes.empty())
            out += DecodeBytes(bytes);
        else
            out += text[i++];
    }
    return out;
}

// Backslashes only, "." and ".." resolved; ".." never climbs above the drive or server.
std::wstring NormalizePath(std::wstring path)
{
    for (wchar_t &c : path)
        if (c == L'/')
            c = L'\\';
    std::wstring root;
    size_t pos = 0;
    if (path.compare(0, 2, L"\\\\") == 0) {
        size_t server = path.find(L'\\', 2);
        pos = server == std::wstring::npos ? path.size() : server;
        root = path.substr(0, pos);
    } else if (IsDriveLetterPath(path)) {
        root = path.substr(0, 2);
        pos = 2;
    }
    std::vector<std::wstring> segments;
    while (pos <= path.size()) {
        size_t end = path.find(L'\\', pos);
        if (end == std::wstring::npos)
            end = path.size();
        std::wstring segment = path.substr(pos, end - pos);
        if (segment == L"..") {
            if (!segments.empty())
                segments.pop_back();
        } else if (!segment.empty() && segment != L".") {
            segments.push_back(segment);
        }
        pos = end + 1;
    }
    std::wstring result = root;
    for (const std::wstring &segment : segments)
        result += L"\\" + segment;
    return result.empty() ? L"\\" : result;
}

std::wstring FileUrl(const std::wstring &path)
{
    std::wstring url = path.compare(0, 2, L"\\\\") == 0 ? L"file:" + path : L"file:///" + path;
    for (wchar_t &c : url)
        if (c == L'\\')
            c = L'/';
    return url;
}

std::wstring WithoutFragment(const std::wstring &url)
{
    return url.substr(0, url.find(L'#'));
}

std::wstring FullPath(const std::wstring &path)
{
    wchar_t buffer[MAX_PATH * 4];
    DWORD length = ::GetFullPathNameW(path.c_str(), MAX_PATH * 4, buffer, nullptr);
    return length > 0 && length < MAX_PATH * 4 ? std::wstring(buffer, length) : path;
}

} // namespace

std::wstring HtmlUrlScheme(const std::wstring &url)
{
    size_t colon = url.find(L':');
    if (colon == std::wstring::npos || colon < 2)
        return std::wstring();
    std::wstring scheme;
    for (size_t i = 0; i < colon; ++i) {
        wchar_t c = url[i];
        bool allowed = c < 0x80 && (iswalpha(c) || (i > 0 && (iswdigit(c) || c == L'+' || c == L'-' || c == L'.')));
        if (!allowed)
            return std::wstring();
        scheme += (wchar_t)towlower(c);
    }
    return scheme;
}

std::wstring HtmlUrlFragment(const std::wstring &url)
{
    size_t hash = url.find(L'#');
    return hash == std::wstring::npos ? std::wstring() : url.substr(hash + 1);
}

std::wstring LocalPathOfHtmlUrl(const std::wstring &url)
{
    if (HtmlUrlScheme(url) != L"file")
        return std::wstring();
    std::wstring rest = WithoutFragment(url).substr(5);
    rest = rest.substr(0, rest.find(L'?'));
    size_t slashes = 0;
    while (slashes < rest.size() && (rest[slashes] == L'/' || rest[slashes] == L'\\'))
        ++slashes;
    std::wstring path = rest.substr(slashes);
    // "file://server/share" names a network folder; "file:///C:/..." and "file://C:/..." a drive.
    if (slashes == 2 && !IsDriveLetterPath(path))
        path = L"\\\\" + path;
    return NormalizePath(PercentDecode(path));
}

std::wstring ResolveHtmlUrl(const std::wstring &base, const std::wstring &href)
{
    size_t first = href.find_first_not_of(L" \t\r\n");
    size_t last = href.find_last_not_of(L" \t\r\n");
    std::wstring url = first == std::wstring::npos ? std::wstring() : href.substr(first, last - first + 1);
    std::wstring fragment = url.find(L'#') == std::wstring::npos ? std::wstring() : L"#" + HtmlUrlFragment(url);

    std::wstring scheme = HtmlUrlScheme(url);
    if (scheme == L"file")
        return FileUrl(LocalPathOfHtmlUrl(url)) + fragment;
    if (!scheme.empty())
        return url;

    std::wstring path = WithoutFragment(url);
    std::wstring basePath = LocalPathOfHtmlUrl(base);
    if (path.empty()) {
        if (basePath.empty())
            return url;
        return FileUrl(basePath) + fragment;
    }
    path = PercentDecode(path);
    if (!IsAbsolutePath(path)) {
        if (basePath.empty()) {
            path = FullPath(path);
        } else if (path[0] == L'\\' || path[0] == L'/') {
            path = (IsDriveLetterPath(basePath) ? basePath.substr(0, 2) : std::wstring()) + path;
        } else {
            path = basePath.substr(0, basePath.find_last_of(L'\\') + 1) + path;
        }
    }
    return FileUrl(NormalizePath(path)) + fragment;
}
