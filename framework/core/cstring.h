#pragma once
// CString: the program's 8-bit text, bytes in code page 1250.
//
// One pointer wide, reference-counted and copied on write; an empty string points at a shared
// static block and allocates nothing, so tables of hundreds of thousands of strings stay cheap.
//
// Passing a CString to a C variadic function (sprintf, printf...) does NOT pass its text on
// 64-bit MinGW: cast it with (LPCTSTR) first. CString::Format and AppendFormat take CStrings
// directly and do the cast themselves.

#include <windows.h>

#include <cstdarg>

struct CStringData;

class CString {
public:
    CString() noexcept;
    CString(const CString &other) noexcept;
    CString(CString &&other) noexcept;
    CString(const char *text);
    CString(const char *text, int length);
    CString(const unsigned char *text);
    explicit CString(char ch, int repeat = 1);
    ~CString();

    CString &operator=(const CString &other) noexcept;
    CString &operator=(CString &&other) noexcept;
    CString &operator=(const char *text);
    CString &operator=(char ch);

    CString &operator+=(const CString &other);
    CString &operator+=(const char *text);
    CString &operator+=(char ch);

    int GetLength() const noexcept;
    bool IsEmpty() const noexcept { return GetLength() == 0; }
    void Empty() noexcept;

    operator const char *() const noexcept { return m_pchData; }
    const char *GetString() const noexcept { return m_pchData; }

    // Out-of-range indexes are programming errors; they read '\0' and write nothing.
    char GetAt(int index) const noexcept;
    char operator[](int index) const noexcept { return GetAt(index); }
    void SetAt(int index, char ch);

    int Compare(const char *text) const noexcept;
    // Case-insensitive by the code-page-1250 case mapping, whatever the machine's locale.
    int CompareNoCase(const char *text) const noexcept;

    // Arguments out of range are clamped to the string, as the class library does.
    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Right(int count) const;
    CString SpanIncluding(const char *charSet) const;
    CString SpanExcluding(const char *charSet) const;
    // Next token after skipping leading delimiters; start becomes -1 after the last one.
    CString Tokenize(const char *delimiters, int &start) const;

    // -1 when not found or when start lies outside the string.
    int Find(char ch, int start = 0) const noexcept;
    int Find(const char *sub, int start = 0) const noexcept;
    int ReverseFind(char ch) const noexcept;
    int FindOneOf(const char *charSet) const noexcept;

    // Replace and Remove return the number of replacements; an empty target replaces nothing.
    int Replace(char oldCh, char newCh);
    int Replace(const char *oldText, const char *newText);
    int Remove(char ch);
    // Insert and Delete clamp the index and return the new length.
    int Insert(int index, char ch);
    int Insert(int index, const char *text);
    int Delete(int index, int count = 1);

    // Without an argument, whitespace is trimmed (space, tab, CR, LF, VT, FF).
    CString &Trim();
    CString &Trim(char target);
    CString &Trim(const char *targets);
    CString &TrimLeft();
    CString &TrimLeft(char target);
    CString &TrimLeft(const char *targets);
    CString &TrimRight();
    CString &TrimRight(char target);
    CString &TrimRight(const char *targets);

    CString &MakeUpper();
    CString &MakeLower();

    // printf semantics; CString arguments are passed as their text.
    template <typename... Args>
    void Format(const char *format, const Args &...args)
    {
        FormatInternal(false, format, FormatArgument(args)...);
    }
    template <typename... Args>
    void AppendFormat(const char *format, const Args &...args)
    {
        FormatInternal(true, format, FormatArgument(args)...);
    }
    void FormatV(const char *format, va_list args);
    void AppendFormatV(const char *format, va_list args);

    // A writable buffer of at least minLength characters (plus the terminator); the length is
    // settled by ReleaseBuffer (-1: up to the first zero byte).
    char *GetBuffer(int minLength = 0);
    char *GetBufferSetLength(int length);
    void ReleaseBuffer(int newLength = -1);

    // Loads a string-table entry of the resource module (see module.h); FALSE when missing.
    BOOL LoadString(UINT id);

private:
    CStringData *GetData() const noexcept;
    void Release() noexcept;
    void AssignCopy(const char *text, int length);
    void ConcatInPlace(const char *text, int length);
    void CopyBeforeWrite();
    void AllocBeforeWrite(int length);
    void SetLengthUnchecked(int length) noexcept;
    void TrimLeftIf(const char *targets, bool whitespace);
    void TrimRightIf(const char *targets, bool whitespace);
    void FormatInternal(bool append, const char *format, ...);

    template <typename T>
    static const T &FormatArgument(const T &value)
    {
        return value;
    }
    static const char *FormatArgument(const CString &value) { return value.m_pchData; }

    char *m_pchData;
};

CString operator+(const CString &a, const CString &b);
CString operator+(const CString &a, const char *b);
CString operator+(const char *a, const CString &b);
CString operator+(const CString &a, char b);
CString operator+(char a, const CString &b);

inline bool operator==(const CString &a, const CString &b)
{
    return a.Compare(b) == 0;
}
inline bool operator==(const CString &a, const char *b)
{
    return a.Compare(b) == 0;
}
inline bool operator==(const char *a, const CString &b)
{
    return b.Compare(a) == 0;
}
inline bool operator!=(const CString &a, const CString &b)
{
    return a.Compare(b) != 0;
}
inline bool operator!=(const CString &a, const char *b)
{
    return a.Compare(b) != 0;
}
inline bool operator!=(const char *a, const CString &b)
{
    return b.Compare(a) != 0;
}
inline bool operator<(const CString &a, const CString &b)
{
    return a.Compare(b) < 0;
}
inline bool operator<(const CString &a, const char *b)
{
    return a.Compare(b) < 0;
}
inline bool operator<(const char *a, const CString &b)
{
    return b.Compare(a) > 0;
}
inline bool operator>(const CString &a, const CString &b)
{
    return a.Compare(b) > 0;
}
inline bool operator>(const CString &a, const char *b)
{
    return a.Compare(b) > 0;
}
inline bool operator>(const char *a, const CString &b)
{
    return b.Compare(a) < 0;
}
inline bool operator<=(const CString &a, const CString &b)
{
    return a.Compare(b) <= 0;
}
inline bool operator<=(const CString &a, const char *b)
{
    return a.Compare(b) <= 0;
}
inline bool operator<=(const char *a, const CString &b)
{
    return b.Compare(a) >= 0;
}
inline bool operator>=(const CString &a, const CString &b)
{
    return a.Compare(b) >= 0;
}
inline bool operator>=(const CString &a, const char *b)
{
    return a.Compare(b) >= 0;
}
inline bool operator>=(const char *a, const CString &b)
{
    return b.Compare(a) <= 0;
}

// Code-page-1250 case mapping of one byte (Polish, Czech, Slovak... letters included).
char Cp1250ToUpper(char ch) noexcept;
char Cp1250ToLower(char ch) noexcept;
