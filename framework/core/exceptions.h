#pragma once
// Exceptions of the class-library layer, thrown and caught one way across the whole program:
//
//   throw new CFileException(CFileException::fileNotFound, ERROR_FILE_NOT_FOUND, path);
//   AfxThrowArchiveException(CArchiveException::endOfFile, path);        // the same, as a call
//
//   try {
//       ...
//   } catch (CException* e) {
//       char message[512];
//       e->GetErrorMessage(message, sizeof message);
//       ... report it ...
//       e->Delete();
//   }
//
// Always throw a pointer made with new and catch by pointer (CException* or a derived class).
// Whoever catches it either calls Delete() exactly once or rethrows it with `throw;`.
// Never throw or catch a CException by value or by reference.

#include "framework/core/cstring.h"
#include "framework/core/object.h"

#include <windows.h>

class CException : public CObject {
    DECLARE_DYNAMIC(CException)
public:
    explicit CException(BOOL autoDelete = TRUE) : m_bAutoDelete(autoDelete) {}

    // Copies the Polish message, cut to maxError - 1 characters; FALSE when there is none.
    virtual BOOL GetErrorMessage(LPSTR error, UINT maxError, PUINT helpContext = nullptr) const;
    // Frees an exception made with new; the catcher calls it once.
    void Delete();

    BOOL m_bAutoDelete;

protected:
    static BOOL CopyMessage(const CString &message, LPSTR error, UINT maxError, PUINT helpContext);
};

class CFileException : public CException {
    DECLARE_DYNAMIC(CFileException)
public:
    enum {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };

    explicit CFileException(int cause = none, LONG osError = -1, LPCSTR fileName = nullptr);

    BOOL GetErrorMessage(LPSTR error, UINT maxError, PUINT helpContext = nullptr) const override;

    // The cause that a Win32 error code stands for.
    static int OsErrorToException(LONG osError);
    [[noreturn]] static void ThrowOsError(LONG osError, LPCSTR fileName = nullptr);

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

class CArchiveException : public CException {
    DECLARE_DYNAMIC(CArchiveException)
public:
    enum { none, genericException, readOnly, endOfFile, writeOnly, badIndex, badClass, badSchema };

    explicit CArchiveException(int cause = none, LPCSTR archiveName = nullptr);

    BOOL GetErrorMessage(LPSTR error, UINT maxError, PUINT helpContext = nullptr) const override;

    int m_cause;
    CString m_strFileName;
};

class CMemoryException : public CException {
    DECLARE_DYNAMIC(CMemoryException)
public:
    BOOL GetErrorMessage(LPSTR error, UINT maxError, PUINT helpContext = nullptr) const override;
};

class CResourceException : public CException {
    DECLARE_DYNAMIC(CResourceException)
public:
    BOOL GetErrorMessage(LPSTR error, UINT maxError, PUINT helpContext = nullptr) const override;
};

class CNotSupportedException : public CException {
    DECLARE_DYNAMIC(CNotSupportedException)
public:
    BOOL GetErrorMessage(LPSTR error, UINT maxError, PUINT helpContext = nullptr) const override;
};

// An index or argument outside what a collection holds.
class CInvalidArgException : public CException {
    DECLARE_DYNAMIC(CInvalidArgException)
public:
    BOOL GetErrorMessage(LPSTR error, UINT maxError, PUINT helpContext = nullptr) const override;
};

// The user has already been told (or cancelled): no message of its own.
class CUserException : public CException {
    DECLARE_DYNAMIC(CUserException)
};

[[noreturn]] void AfxThrowFileException(int cause, LONG osError = -1, LPCSTR fileName = nullptr);
[[noreturn]] void AfxThrowArchiveException(int cause, LPCSTR archiveName = nullptr);
[[noreturn]] void AfxThrowMemoryException();
[[noreturn]] void AfxThrowResourceException();
[[noreturn]] void AfxThrowNotSupportedException();
[[noreturn]] void AfxThrowInvalidArgException();
[[noreturn]] void AfxThrowUserException();
