#include "app/rich_edit_streams.h"

#include <cstring>

#include "framework/core/cstring.h"

DWORD CALLBACK StreamInFromString(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG *got)
{
    CString &text = *reinterpret_cast<CString *>(cookie);
    const int count = wanted < text.GetLength() ? static_cast<int>(wanted) : text.GetLength();
    memcpy(buffer, static_cast<LPCSTR>(text), count);
    *got = count;
    text = text.Mid(count);
    return 0;
}

DWORD CALLBACK StreamOutToString(DWORD_PTR cookie, LPBYTE bytes, LONG count, LONG *written)
{
    CString &text = *reinterpret_cast<CString *>(cookie);
    text += CString(reinterpret_cast<LPCSTR>(bytes), static_cast<int>(count));
    *written = count;
    return 0;
}
