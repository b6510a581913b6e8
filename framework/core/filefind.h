#pragma once
// CFileFind: walks the files that match a pattern (wildcards allowed). FindFile starts the
// walk; each FindNextFile makes the next match current and returns FALSE when that match is
// the last one (it is still valid to read).

#include "framework/core/ctime.h"
#include "framework/core/cstring.h"
#include "framework/core/object.h"

#include <windows.h>

class CFileFind : public CObject {
public:
    CFileFind();
    ~CFileFind() override;

    BOOL FindFile(LPCSTR pattern = nullptr, DWORD unused = 0);
    BOOL FindNextFile();
    void Close();

    CString GetFileName() const;  // "umowa.rtf"
    CString GetFilePath() const;  // the folder of the pattern, a backslash and the name
    CString GetFileTitle() const; // the name without its extension
    CString GetRoot() const;      // the folder of the pattern
    ULONGLONG GetLength() const;
    BOOL GetCreationTime(CTime &time) const;
    BOOL GetLastWriteTime(CTime &time) const;
    BOOL GetLastAccessTime(CTime &time) const;

    BOOL IsDots() const; // "." or ".."
    BOOL IsDirectory() const { return MatchesMask(FILE_ATTRIBUTE_DIRECTORY); }
    BOOL IsReadOnly() const { return MatchesMask(FILE_ATTRIBUTE_READONLY); }
    BOOL IsHidden() const { return MatchesMask(FILE_ATTRIBUTE_HIDDEN); }
    BOOL IsSystem() const { return MatchesMask(FILE_ATTRIBUTE_SYSTEM); }
    BOOL IsArchived() const { return MatchesMask(FILE_ATTRIBUTE_ARCHIVE); }
    BOOL MatchesMask(DWORD mask) const;

private:
    HANDLE m_hFind;
    WIN32_FIND_DATAW m_found;
    WIN32_FIND_DATAW m_next;
    BOOL m_bHasCurrent;
    BOOL m_bHasNext;
    CString m_strRoot;
};
