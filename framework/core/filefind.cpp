#include "framework/core/filefind.h"

#include "framework/core/codepage.h"

namespace {

BOOL TimeOf(const FILETIME &fileTime, CTime &time)
{
    if (fileTime.dwLowDateTime == 0 && fileTime.dwHighDateTime == 0)
        return FALSE;
    time = CTime(fileTime);
    return TRUE;
}

} // namespace

CFileFind::CFileFind() : m_hFind(INVALID_HANDLE_VALUE), m_found(), m_next(), m_bHasCurrent(FALSE), m_bHasNext(FALSE) {}

CFileFind::~CFileFind()
{
    Close();
}

void CFileFind::Close()
{
    if (m_hFind != INVALID_HANDLE_VALUE)
        FindClose(m_hFind);
    m_hFind = INVALID_HANDLE_VALUE;
    m_bHasCurrent = m_bHasNext = FALSE;
    m_strRoot.Empty();
}

BOOL CFileFind::FindFile(LPCSTR pattern, DWORD)
{
    Close();
    const CString wanted = pattern && *pattern ? CString(pattern) : CString("*.*");
    const std::wstring wide = Cp1250ToWide(wanted);
    m_hFind = FindFirstFileW(wide.c_str(), &m_next);
    if (m_hFind == INVALID_HANDLE_VALUE)
        return FALSE;
    m_bHasNext = TRUE;

    wchar_t full[MAX_PATH * 2];
    wchar_t *namePart = nullptr;
    const DWORD length = GetFullPathNameW(wide.c_str(), MAX_PATH * 2, full, &namePart);
    if (length > 0 && length < MAX_PATH * 2) {
        if (namePart)
            *namePart = L'\0';
        m_strRoot = WideToCp1250(full);
    } else {
        m_strRoot = wanted.Left(wanted.ReverseFind('\\') + 1);
    }
    m_strRoot.TrimRight("\\/");
    return TRUE;
}

BOOL CFileFind::FindNextFile()
{
    if (!m_bHasNext)
        return FALSE;
    m_found = m_next;
    m_bHasCurrent = TRUE;
    m_bHasNext = ::FindNextFileW(m_hFind, &m_next);
    return m_bHasNext;
}

CString CFileFind::GetFileName() const
{
    return m_bHasCurrent ? WideToCp1250(m_found.cFileName) : CString();
}

CString CFileFind::GetFilePath() const
{
    return m_strRoot + "\\" + GetFileName();
}

CString CFileFind::GetFileTitle() const
{
    const CString name = GetFileName();
    const int dot = name.ReverseFind('.');
    return dot > 0 ? name.Left(dot) : name;
}

CString CFileFind::GetRoot() const
{
    return m_strRoot;
}

ULONGLONG CFileFind::GetLength() const
{
    if (!m_bHasCurrent)
        return 0;
    return (static_cast<ULONGLONG>(m_found.nFileSizeHigh) << 32) | m_found.nFileSizeLow;
}

BOOL CFileFind::GetCreationTime(CTime &time) const
{
    return m_bHasCurrent && TimeOf(m_found.ftCreationTime, time);
}

BOOL CFileFind::GetLastWriteTime(CTime &time) const
{
    return m_bHasCurrent && TimeOf(m_found.ftLastWriteTime, time);
}

BOOL CFileFind::GetLastAccessTime(CTime &time) const
{
    return m_bHasCurrent && TimeOf(m_found.ftLastAccessTime, time);
}

BOOL CFileFind::IsDots() const
{
    if (!m_bHasCurrent || !IsDirectory())
        return FALSE;
    const wchar_t *name = m_found.cFileName;
    return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

BOOL CFileFind::MatchesMask(DWORD mask) const
{
    return m_bHasCurrent && (m_found.dwFileAttributes & mask) != 0;
}
