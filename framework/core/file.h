#pragma once
// CFile: a binary file through the wide Win32 API; names are code page 1250 and converted, so
// Polish file names work whatever the machine's ANSI code page. Failures throw CFileException
// (see exceptions.h), except Open, which reports through its result.

#include "framework/core/ctime.h"
#include "framework/core/cstring.h"
#include "framework/core/exceptions.h"
#include "framework/core/object.h"

#include <windows.h>

struct CFileStatus {
    CTime m_ctime; // creation
    CTime m_mtime; // last write
    CTime m_atime; // last access
    ULONGLONG m_size;
    BYTE m_attribute; // CFile::Attribute bits
    char m_szFullName[MAX_PATH];
};

class CFile : public CObject {
    DECLARE_DYNAMIC(CFile)
public:
    enum OpenFlags {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000
    };
    enum Attribute {
        normal = 0x00,
        readOnly = 0x01,
        hidden = 0x02,
        system = 0x04,
        volume = 0x08,
        directory = 0x10,
        archive = 0x20
    };
    enum SeekPosition { begin = 0, current = 1, end = 2 };

    static const HANDLE hFileNull;

    CFile();
    explicit CFile(HANDLE file);
    CFile(LPCSTR fileName, UINT openFlags); // throws CFileException when it cannot open
    ~CFile() override;                      // closes an open file, never throws

    // FALSE when the file cannot be opened; the cause goes into *error when given.
    virtual BOOL Open(LPCSTR fileName, UINT openFlags, CFileException *error = nullptr);
    // Fewer bytes than asked only at the end of the file.
    virtual UINT Read(void *buffer, UINT count);
    virtual void Write(const void *buffer, UINT count);
    virtual ULONGLONG Seek(LONGLONG offset, UINT from);
    void SeekToBegin() { Seek(0, begin); }
    ULONGLONG SeekToEnd() { return Seek(0, end); }
    virtual ULONGLONG GetLength() const;
    virtual void SetLength(ULONGLONG newLength);
    virtual ULONGLONG GetPosition() const;
    virtual void Flush();
    virtual void Close();
    // Closes without throwing; for clean-up after a failure.
    virtual void Abort();

    BOOL GetStatus(CFileStatus &status) const;
    static BOOL GetStatus(LPCSTR fileName, CFileStatus &status);
    static void Rename(LPCSTR oldName, LPCSTR newName);
    static void Remove(LPCSTR fileName);

    CString GetFileName() const; // the name with its extension, no folder
    CString GetFilePath() const; // the full path
    operator HANDLE() const { return m_hFile; }

    HANDLE m_hFile;

protected:
    [[noreturn]] void ThrowLastError() const;

    BOOL m_bCloseOnDelete;
    CString m_strFilePath;
};
