#include "framework/core/exceptions.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CFileException, CException)
IMPLEMENT_DYNAMIC(CArchiveException, CException)
IMPLEMENT_DYNAMIC(CMemoryException, CException)
IMPLEMENT_DYNAMIC(CResourceException, CException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CException)
IMPLEMENT_DYNAMIC(CInvalidArgException, CException)
IMPLEMENT_DYNAMIC(CUserException, CException)

namespace {

// "<phrase> <file name>." or "<phrase>." when the name is unknown.
CString MessageAboutFile(const char *phrase, const CString &fileName)
{
    CString message(phrase);
    if (!fileName.IsEmpty())
        message += " " + fileName;
    message += '.';
    return message;
}

} // namespace

BOOL CException::CopyMessage(const CString &message, LPSTR error, UINT maxError, PUINT helpContext)
{
    if (helpContext)
        *helpContext = 0;
    if (!error || maxError == 0)
        return FALSE;
    const UINT length =
        static_cast<UINT>(message.GetLength()) < maxError - 1 ? static_cast<UINT>(message.GetLength()) : maxError - 1;
    std::memcpy(error, message.GetString(), length);
    error[length] = '\0';
    return !message.IsEmpty();
}

BOOL CException::GetErrorMessage(LPSTR error, UINT maxError, PUINT helpContext) const
{
    CopyMessage(CString(), error, maxError, helpContext);
    return FALSE;
}

void CException::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

// --- files ---

CFileException::CFileException(int cause, LONG osError, LPCSTR fileName)
    : m_cause(cause), m_lOsError(osError), m_strFileName(fileName)
{
}

BOOL CFileException::GetErrorMessage(LPSTR error, UINT maxError, PUINT helpContext) const
{
    static const char *const phrases[] = {
        "Błąd dostępu do pliku",                           // none
        "Błąd dostępu do pliku",                           // genericException
        "Nie znaleziono pliku",                            // fileNotFound
        "Nieprawidłowa ścieżka pliku",                     // badPath
        "Zbyt wiele otwartych plików, nie można otworzyć", // tooManyOpenFiles
        "Brak dostępu do pliku",                           // accessDenied
        "Nieprawidłowy uchwyt pliku",                      // invalidFile
        "Nie można usunąć bieżącego katalogu",             // removeCurrentDir
        "Katalog jest pełny, nie można utworzyć",          // directoryFull
        "Błąd ustawienia pozycji w pliku",                 // badSeek
        "Błąd sprzętowy podczas dostępu do pliku",         // hardIO
        "Inny program używa pliku",                        // sharingViolation
        "Zablokowany fragment pliku",                      // lockViolation
        "Brak miejsca na dysku dla pliku",                 // diskFull
        "Nieoczekiwany koniec pliku",                      // endOfFile
    };
    const int count = static_cast<int>(sizeof phrases / sizeof phrases[0]);
    const char *phrase = m_cause >= 0 && m_cause < count ? phrases[m_cause] : phrases[1];
    return CopyMessage(MessageAboutFile(phrase, m_strFileName), error, maxError, helpContext);
}

int CFileException::OsErrorToException(LONG osError)
{
    switch (osError) {
    case NO_ERROR:
        return none;
    case ERROR_FILE_NOT_FOUND:
        return fileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_FILENAME_EXCED_RANGE:
        return badPath;
    case ERROR_TOO_MANY_OPEN_FILES:
        return tooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return accessDenied;
    case ERROR_INVALID_HANDLE:
        return invalidFile;
    case ERROR_CURRENT_DIRECTORY:
        return removeCurrentDir;
    case ERROR_CANNOT_MAKE:
        return directoryFull;
    case ERROR_SEEK:
    case ERROR_NEGATIVE_SEEK:
        return badSeek;
    case ERROR_CRC:
    case ERROR_GEN_FAILURE:
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT:
    case ERROR_NOT_READY:
        return hardIO;
    case ERROR_SHARING_VIOLATION:
        return sharingViolation;
    case ERROR_LOCK_VIOLATION:
        return lockViolation;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return diskFull;
    case ERROR_HANDLE_EOF:
        return endOfFile;
    default:
        return genericException;
    }
}

void CFileException::ThrowOsError(LONG osError, LPCSTR fileName)
{
    throw new CFileException(OsErrorToException(osError), osError, fileName);
}

// --- archives ---

CArchiveException::CArchiveException(int cause, LPCSTR archiveName) : m_cause(cause), m_strFileName(archiveName) {}

BOOL CArchiveException::GetErrorMessage(LPSTR error, UINT maxError, PUINT helpContext) const
{
    static const char *const phrases[] = {
        "Błąd odczytu lub zapisu pliku",              // none
        "Błąd odczytu lub zapisu pliku",              // genericException
        "Próba zapisu do pliku otwartego do odczytu", // readOnly
        "Nieoczekiwany koniec pliku",                 // endOfFile
        "Próba odczytu z pliku otwartego do zapisu",  // writeOnly
        "Uszkodzone odwołanie do obiektu w pliku",    // badIndex
        "Nieznana klasa obiektu w pliku",             // badClass
        "Nieobsługiwana wersja obiektu w pliku",      // badSchema
    };
    const int count = static_cast<int>(sizeof phrases / sizeof phrases[0]);
    const char *phrase = m_cause >= 0 && m_cause < count ? phrases[m_cause] : phrases[1];
    return CopyMessage(MessageAboutFile(phrase, m_strFileName), error, maxError, helpContext);
}

// --- the rest ---

BOOL CMemoryException::GetErrorMessage(LPSTR error, UINT maxError, PUINT helpContext) const
{
    return CopyMessage("Brak pamięci.", error, maxError, helpContext);
}

BOOL CResourceException::GetErrorMessage(LPSTR error, UINT maxError, PUINT helpContext) const
{
    return CopyMessage("Nie można załadować zasobu programu.", error, maxError, helpContext);
}

BOOL CNotSupportedException::GetErrorMessage(LPSTR error, UINT maxError, PUINT helpContext) const
{
    return CopyMessage("Operacja nie jest obsługiwana.", error, maxError, helpContext);
}

BOOL CInvalidArgException::GetErrorMessage(LPSTR error, UINT maxError, PUINT helpContext) const
{
    return CopyMessage("Nieprawidłowy argument.", error, maxError, helpContext);
}

void AfxThrowFileException(int cause, LONG osError, LPCSTR fileName)
{
    throw new CFileException(cause, osError, fileName);
}

void AfxThrowArchiveException(int cause, LPCSTR archiveName)
{
    throw new CArchiveException(cause, archiveName);
}

void AfxThrowMemoryException()
{
    throw new CMemoryException;
}
void AfxThrowResourceException()
{
    throw new CResourceException;
}
void AfxThrowNotSupportedException()
{
    throw new CNotSupportedException;
}
void AfxThrowInvalidArgException()
{
    throw new CInvalidArgException;
}
void AfxThrowUserException()
{
    throw new CUserException;
}
