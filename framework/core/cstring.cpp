#include "framework/core/cstring.h"

#include "framework/core/codepage.h"
#include "framework/core/exceptions.h"
#include "framework/core/module.h"

#include <array>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// The block in front of every non-empty string's characters.
struct CStringData {
    LONG refs; // -1 for the shared empty block, which is never freed or written
    int length;
    int capacity; // characters that fit, not counting the terminator
    char *chars() { return reinterpret_cast<char *>(this + 1); }
};

namespace {

struct EmptyBlock {
    CStringData data;
    char terminator;
};
EmptyBlock g_empty = {{-1, 0, 0}, '\0'};

char *EmptyChars()
{
    return g_empty.data.chars();
}

CStringData *Allocate(int capacity)
{
    if (capacity < 0 || capacity > INT_MAX - static_cast<int>(sizeof(CStringData)) - 1)
        AfxThrowMemoryException();
    auto *data = static_cast<CStringData *>(std::malloc(sizeof(CStringData) + capacity + 1));
    if (!data)
        AfxThrowMemoryException();
    data->refs = 1;
    data->length = 0;
    data->capacity = capacity;
    data->chars()[0] = '\0';
    return data;
}

int SafeLength(const char *text)
{
    return text ? static_cast<int>(std::strlen(text)) : 0;
}

bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\v' || ch == '\f';
}

// Code page 1250: the letters whose capital and small forms differ outside ASCII.
struct CaseTables {
    std::array<unsigned char, 256> upper;
    std::array<unsigned char, 256> lower;
};

constexpr CaseTables MakeCaseTables()
{
    CaseTables t{};
    for (int i = 0; i < 256; ++i)
        t.upper[i] = t.lower[i] = static_cast<unsigned char>(i);
    auto pair = [&t](int capital, int small) {
        t.upper[small] = static_cast<unsigned char>(capital);
        t.lower[capital] = static_cast<unsigned char>(small);
    };
    for (int c = 'A'; c <= 'Z'; ++c)
        pair(c, c + 32);
    pair(0x8A, 0x9A); // Š š
    pair(0x8C, 0x9C); // Ś ś
    pair(0x8D, 0x9D); // Ť ť
    pair(0x8E, 0x9E); // Ž ž
    pair(0x8F, 0x9F); // Ź ź
    pair(0xA3, 0xB3); // Ł ł
    pair(0xA5, 0xB9); // Ą ą
    pair(0xAA, 0xBA); // Ş ş
    pair(0xBC, 0xBE); // Ľ ľ
    pair(0xAF, 0xBF); // Ż ż
    for (int c = 0xC0; c <= 0xDE; ++c)
        if (c != 0xD7)
            pair(c, c + 0x20); // Ŕ..Ţ and ŕ..ţ, skipping × and ÷
    return t;
}

constexpr CaseTables kCase = MakeCaseTables();

} // namespace

char Cp1250ToUpper(char ch) noexcept
{
    return static_cast<char>(kCase.upper[static_cast<unsigned char>(ch)]);
}

char Cp1250ToLower(char ch) noexcept
{
    return static_cast<char>(kCase.lower[static_cast<unsigned char>(ch)]);
}

// --- construction and assignment ---

CString::CString() noexcept : m_pchData(EmptyChars()) {}

CString::CString(const CString &other) noexcept : m_pchData(other.m_pchData)
{
    CStringData *data = GetData();
    if (data->refs >= 0)
        InterlockedIncrement(&data->refs);
}

CString::CString(CString &&other) noexcept : m_pchData(other.m_pchData)
{
    other.m_pchData = EmptyChars();
}

CString::CString(const char *text) : m_pchData(EmptyChars())
{
    AssignCopy(text, SafeLength(text));
}

CString::CString(const char *text, int length) : m_pchData(EmptyChars())
{
    AssignCopy(text, text && length > 0 ? length : 0);
}

CString::CString(const unsigned char *text) : CString(reinterpret_cast<const char *>(text)) {}

CString::CString(char ch, int repeat) : m_pchData(EmptyChars())
{
    if (repeat <= 0)
        return;
    AllocBeforeWrite(repeat);
    std::memset(m_pchData, ch, repeat);
    SetLengthUnchecked(repeat);
}

CString::~CString()
{
    Release();
}

CString &CString::operator=(const CString &other) noexcept
{
    if (m_pchData != other.m_pchData) {
        CStringData *data = other.GetData();
        if (data->refs >= 0)
            InterlockedIncrement(&data->refs);
        Release();
        m_pchData = other.m_pchData;
    }
    return *this;
}

CString &CString::operator=(CString &&other) noexcept
{
    if (this != &other) {
        Release();
        m_pchData = other.m_pchData;
        other.m_pchData = EmptyChars();
    }
    return *this;
}

CString &CString::operator=(const char *text)
{
    AssignCopy(text, SafeLength(text));
    return *this;
}

CString &CString::operator=(char ch)
{
    AssignCopy(&ch, 1);
    return *this;
}

CString &CString::operator+=(const CString &other)
{
    ConcatInPlace(other.m_pchData, other.GetLength());
    return *this;
}

CString &CString::operator+=(const char *text)
{
    ConcatInPlace(text, SafeLength(text));
    return *this;
}

CString &CString::operator+=(char ch)
{
    ConcatInPlace(&ch, 1);
    return *this;
}

CString operator+(const CString &a, const CString &b)
{
    CString result(a);
    result += b;
    return result;
}
CString operator+(const CString &a, const char *b)
{
    CString result(a);
    result += b;
    return result;
}
CString operator+(const char *a, const CString &b)
{
    CString result(a);
    result += b;
    return result;
}
CString operator+(const CString &a, char b)
{
    CString result(a);
    result += b;
    return result;
}
CString operator+(char a, const CString &b)
{
    CString result(a);
    result += b;
    return result;
}

// --- internals ---

CStringData *CString::GetData() const noexcept
{
    return reinterpret_cast<CStringData *>(m_pchData) - 1;
}

void CString::Release() noexcept
{
    CStringData *data = GetData();
    if (data != &g_empty.data && InterlockedDecrement(&data->refs) == 0)
        std::free(data);
    m_pchData = EmptyChars();
}

void CString::SetLengthUnchecked(int length) noexcept
{
    GetData()->length = length;
    m_pchData[length] = '\0';
}

// Leaves room for length characters in a block of our own; the old text is not kept.
void CString::AllocBeforeWrite(int length)
{
    CStringData *data = GetData();
    if (data->refs == 1 && data->capacity >= length)
        return;
    CStringData *fresh = Allocate(length);
    Release();
    m_pchData = fresh->chars();
}

void CString::AssignCopy(const char *text, int length)
{
    if (length == 0) {
        Release();
        return;
    }
    // The text may lie inside our own block: copy it out first.
    CStringData *fresh = Allocate(length);
    std::memcpy(fresh->chars(), text, length);
    Release();
    m_pchData = fresh->chars();
    SetLengthUnchecked(length);
}

void CString::ConcatInPlace(const char *text, int length)
{
    if (length <= 0)
        return;
    CStringData *data = GetData();
    const int oldLength = data->length;
    if (length > INT_MAX - 1 - oldLength)
        AfxThrowMemoryException();
    const int newLength = oldLength + length;
    if (data->refs == 1 && data->capacity >= newLength) {
        std::memmove(m_pchData + oldLength, text, length);
        SetLengthUnchecked(newLength);
        return;
    }
    int capacity = newLength;
    if (data->refs == 1 && newLength < INT_MAX / 2)
        capacity = newLength + newLength / 2;
    CStringData *fresh = Allocate(capacity);
    std::memcpy(fresh->chars(), m_pchData, oldLength);
    std::memcpy(fresh->chars() + oldLength, text, length); // text may be our old block
    Release();
    m_pchData = fresh->chars();
    SetLengthUnchecked(newLength);
}

void CString::CopyBeforeWrite()
{
    CStringData *data = GetData();
    if (data->refs == 1)
        return;
    CStringData *fresh = Allocate(data->length);
    std::memcpy(fresh->chars(), m_pchData, data->length + 1);
    fresh->length = data->length;
    Release();
    m_pchData = fresh->chars();
}

// --- simple access ---

int CString::GetLength() const noexcept
{
    return GetData()->length;
}

void CString::Empty() noexcept
{
    Release();
}

char CString::GetAt(int index) const noexcept
{
    return index >= 0 && index < GetLength() ? m_pchData[index] : '\0';
}

void CString::SetAt(int index, char ch)
{
    if (index < 0 || index >= GetLength())
        return;
    CopyBeforeWrite();
    m_pchData[index] = ch;
}

int CString::Compare(const char *text) const noexcept
{
    return std::strcmp(m_pchData, text ? text : "");
}

int CString::CompareNoCase(const char *text) const noexcept
{
    const auto *a = reinterpret_cast<const unsigned char *>(m_pchData);
    const auto *b = reinterpret_cast<const unsigned char *>(text ? text : "");
    for (;; ++a, ++b) {
        const int ca = kCase.lower[*a];
        const int cb = kCase.lower[*b];
        if (ca != cb)
            return ca < cb ? -1 : 1;
        if (ca == 0)
            return 0;
    }
}

// --- extraction ---

CString CString::Left(int count) const
{
    if (count <= 0)
        return CString();
    if (count >= GetLength())
        return *this;
    return CString(m_pchData, count);
}

CString CString::Mid(int first) const
{
    return Mid(first, INT_MAX);
}

CString CString::Mid(int first, int count) const
{
    const int length = GetLength();
    if (first < 0)
        first = 0;
    if (count < 0)
        count = 0;
    if (first > length)
        first = length;
    if (count > length - first)
        count = length - first;
    if (first == 0 && count == length)
        return *this;
    return CString(m_pchData + first, count);
}

CString CString::Right(int count) const
{
    const int length = GetLength();
    if (count <= 0)
        return CString();
    if (count >= length)
        return *this;
    return CString(m_pchData + length - count, count);
}

CString CString::SpanIncluding(const char *charSet) const
{
    return Left(static_cast<int>(std::strspn(m_pchData, charSet ? charSet : "")));
}

CString CString::SpanExcluding(const char *charSet) const
{
    return Left(static_cast<int>(std::strcspn(m_pchData, charSet ? charSet : "")));
}

CString CString::Tokenize(const char *delimiters, int &start) const
{
    const int length = GetLength();
    if (start < 0 || start >= length) {
        start = -1;
        return CString();
    }
    if (!delimiters || !*delimiters) {
        const int from = start;
        start = length;
        return Mid(from);
    }
    const int from = start + static_cast<int>(std::strspn(m_pchData + start, delimiters));
    if (from >= length) {
        start = -1;
        return CString();
    }
    const int count = static_cast<int>(std::strcspn(m_pchData + from, delimiters));
    start = from + count + 1;
    return Mid(from, count);
}

// --- searching ---

int CString::Find(char ch, int start) const noexcept
{
    const int length = GetLength();
    if (start < 0 || start >= length)
        return -1;
    const void *hit = std::memchr(m_pchData + start, ch, length - start);
    return hit ? static_cast<int>(static_cast<const char *>(hit) - m_pchData) : -1;
}

int CString::Find(const char *sub, int start) const noexcept
{
    if (!sub || start < 0 || start > GetLength())
        return -1;
    const char *hit = std::strstr(m_pchData + start, sub);
    return hit ? static_cast<int>(hit - m_pchData) : -1;
}

int CString::ReverseFind(char ch) const noexcept
{
    const char *hit = std::strrchr(m_pchData, ch);
    return hit ? static_cast<int>(hit - m_pchData) : -1;
}

int CString::FindOneOf(const char *charSet) const noexcept
{
    const char *hit = std::strpbrk(m_pchData, charSet ? charSet : "");
    return hit ? static_cast<int>(hit - m_pchData) : -1;
}

// --- changing ---

int CString::Replace(char oldCh, char newCh)
{
    if (oldCh == newCh || Find(oldCh) < 0)
        return 0;
    CopyBeforeWrite();
    int count = 0;
    for (int i = 0; i < GetLength(); ++i) {
        if (m_pchData[i] == oldCh) {
            m_pchData[i] = newCh;
            ++count;
        }
    }
    return count;
}

int CString::Replace(const char *oldText, const char *newText)
{
    const int oldLength = SafeLength(oldText);
    if (oldLength == 0)
        return 0;
    const int newLength = SafeLength(newText);
    CString result;
    int count = 0;
    int from = 0;
    for (int hit = Find(oldText); hit >= 0; hit = Find(oldText, from)) {
        result.ConcatInPlace(m_pchData + from, hit - from);
        result.ConcatInPlace(newText, newLength);
        from = hit + oldLength;
        ++count;
    }
    if (count == 0)
        return 0;
    result.ConcatInPlace(m_pchData + from, GetLength() - from);
    *this = std::move(result);
    return count;
}

int CString::Remove(char ch)
{
    if (Find(ch) < 0)
        return 0;
    CopyBeforeWrite();
    const int length = GetLength();
    int kept = 0;
    for (int i = 0; i < length; ++i)
        if (m_pchData[i] != ch)
            m_pchData[kept++] = m_pchData[i];
    SetLengthUnchecked(kept);
    return length - kept;
}

int CString::Insert(int index, char ch)
{
    return Insert(index, CString(ch));
}

int CString::Insert(int index, const char *text)
{
    const int length = GetLength();
    if (index < 0)
        index = 0;
    if (index > length)
        index = length;
    CString result(m_pchData, index);
    result += text;
    result.ConcatInPlace(m_pchData + index, length - index);
    *this = std::move(result);
    return GetLength();
}

int CString::Delete(int index, int count)
{
    const int length = GetLength();
    if (index < 0)
        index = 0;
    if (count <= 0 || index >= length)
        return length;
    if (count > length - index)
        count = length - index;
    CopyBeforeWrite();
    std::memmove(m_pchData + index, m_pchData + index + count, length - index - count);
    SetLengthUnchecked(length - count);
    return GetLength();
}

void CString::TrimLeftIf(const char *targets, bool whitespace)
{
    const int length = GetLength();
    int skip = 0;
    while (skip < length && (whitespace ? IsBlank(m_pchData[skip]) : std::strchr(targets, m_pchData[skip]) != nullptr))
        ++skip;
    if (skip == 0)
        return;
    if (skip == length) {
        Empty();
        return;
    }
    CopyBeforeWrite();
    std::memmove(m_pchData, m_pchData + skip, length - skip);
    SetLengthUnchecked(length - skip);
}

void CString::TrimRightIf(const char *targets, bool whitespace)
{
    const int length = GetLength();
    int keep = length;
    while (keep > 0
           && (whitespace ? IsBlank(m_pchData[keep - 1]) : std::strchr(targets, m_pchData[keep - 1]) != nullptr))
        --keep;
    if (keep == length)
        return;
    if (keep == 0) {
        Empty();
        return;
    }
    CopyBeforeWrite();
    SetLengthUnchecked(keep);
}

CString &CString::Trim()
{
    return TrimRight().TrimLeft();
}
CString &CString::Trim(char target)
{
    return TrimRight(target).TrimLeft(target);
}
CString &CString::Trim(const char *targets)
{
    return TrimRight(targets).TrimLeft(targets);
}

CString &CString::TrimLeft()
{
    TrimLeftIf(nullptr, true);
    return *this;
}
CString &CString::TrimLeft(char target)
{
    if (target != '\0') {
        const char targets[2] = {target, '\0'};
        TrimLeftIf(targets, false);
    }
    return *this;
}
CString &CString::TrimLeft(const char *targets)
{
    if (targets && *targets)
        TrimLeftIf(targets, false);
    return *this;
}

CString &CString::TrimRight()
{
    TrimRightIf(nullptr, true);
    return *this;
}
CString &CString::TrimRight(char target)
{
    if (target != '\0') {
        const char targets[2] = {target, '\0'};
        TrimRightIf(targets, false);
    }
    return *this;
}
CString &CString::TrimRight(const char *targets)
{
    if (targets && *targets)
        TrimRightIf(targets, false);
    return *this;
}

CString &CString::MakeUpper()
{
    if (IsEmpty())
        return *this;
    CopyBeforeWrite();
    for (int i = 0; i < GetLength(); ++i)
        m_pchData[i] = Cp1250ToUpper(m_pchData[i]);
    return *this;
}

CString &CString::MakeLower()
{
    if (IsEmpty())
        return *this;
    CopyBeforeWrite();
    for (int i = 0; i < GetLength(); ++i)
        m_pchData[i] = Cp1250ToLower(m_pchData[i]);
    return *this;
}

// --- formatting ---

// Formatted into a separate string: the arguments may be this string's own text.
void CString::AppendFormatV(const char *format, va_list args)
{
    if (!format)
        return;
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length <= 0)
        return;
    CString text;
    std::vsnprintf(text.GetBuffer(length), static_cast<size_t>(length) + 1, format, args);
    text.ReleaseBuffer(length);
    *this += text;
}

void CString::FormatV(const char *format, va_list args)
{
    CString text;
    text.AppendFormatV(format, args);
    *this = std::move(text);
}

void CString::FormatInternal(bool append, const char *format, ...)
{
    va_list args;
    va_start(args, format);
    if (append)
        AppendFormatV(format, args);
    else
        FormatV(format, args);
    va_end(args);
}

// --- buffers ---

char *CString::GetBuffer(int minLength)
{
    CStringData *data = GetData();
    if (minLength < data->length)
        minLength = data->length;
    if (data->refs != 1 || data->capacity < minLength) {
        CStringData *fresh = Allocate(minLength);
        std::memcpy(fresh->chars(), m_pchData, data->length + 1);
        fresh->length = data->length;
        Release();
        m_pchData = fresh->chars();
    }
    return m_pchData;
}

char *CString::GetBufferSetLength(int length)
{
    if (length < 0)
        length = 0;
    GetBuffer(length);
    SetLengthUnchecked(length);
    return m_pchData;
}

void CString::ReleaseBuffer(int newLength)
{
    CStringData *data = GetData();
    if (data->refs < 0)
        return; // no buffer was taken
    if (newLength < 0 || newLength > data->capacity)
        newLength = static_cast<int>(strnlen(m_pchData, data->capacity));
    SetLengthUnchecked(newLength);
}

// --- resources ---

BOOL CString::LoadString(UINT id)
{
    const wchar_t *text = nullptr;
    // With a zero buffer size LoadStringW hands out a pointer into the resource itself.
    const int length = LoadStringW(AfxGetResourceHandle(), id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || !text)
        return FALSE;
    *this = WideToCp1250(text, length);
    return TRUE;
}
