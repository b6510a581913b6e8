#include "framework/core/file.h"

#include "framework/core/codepage.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CFile, CObject)

const HANDLE CFile::hFileNull = INVALID_HANDLE_VALUE;

namespace {

CString FullPathOf(LPCSTR fileName)
{
    const std::wstring wide = Cp1250ToWide(fileName);
    const DWORD needed = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (needed == 0)
        return CString(fileName);
    std::wstring full(needed, L'\0');
    const DWORD length = GetFullPathNameW(wide.c_str(), needed, &full[0], nullptr);
    if (length == 0 || length >= needed)
        return CString(fileName);
    full.resize(length);
    return WideToCp1250(full);
}

CTime TimeOf(const FILETIME &time)
{
    return time.dwLowDateTime == 0 && time.dwHighDateTime == 0 ? CTime() : CTime(time);
}

BYTE AttributeBits(DWORD attributes)
{
    return static_cast<BYTE>(attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_NORMAL) & 0xFF);
}

void CopyFullName(const CString &path, CFileStatus &status)
{
    const int length = path.GetLength() < MAX_PATH - 1 ? path.GetLength() : MAX_PATH - 1;
    std::memcpy(status.m_szFullName, path.GetString(), length);
    status.m_szFullName[length] = '\0';
}

} // namespace

CFile::CFile() : m_hFile(hFileNull), m_bCloseOnDelete(FALSE) {}

CFile::CFile(HANDLE file) : m_hFile(file), m_bCloseOnDelete(FALSE) {}

CFile::CFile(LPCSTR fileName, UINT openFlags) : CFile()
{
    CFileException error;
    if (!Open(fileName, openFlags, &error))
        throw new CFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CFile::~CFile()
{
    if (m_hFile != hFileNull && m_bCloseOnDelete)
        Abort();
}

BOOL CFile::Open(LPCSTR fileName, UINT openFlags, CFileException *error)
{
    if (m_hFile != hFileNull)
        Abort();
    m_strFilePath = FullPathOf(fileName);

    DWORD access = GENERIC_READ;
    switch (openFlags & 3) {
    case modeWrite:
        access = GENERIC_WRITE;
        break;
    case modeReadWrite:
        access = GENERIC_READ | GENERIC_WRITE;
        break;
    default:
        break;
    }
    DWORD share = 0;
    switch (openFlags & 0x70) {
    case shareDenyWrite:
        share = FILE_SHARE_READ;
        break;
    case shareDenyRead:
        share = FILE_SHARE_WRITE;
        break;
    case shareDenyNone:
        share = FILE_SHARE_READ | FILE_SHARE_WRITE;
        break;
    default:
        break;
    }
    DWORD disposition = OPEN_EXISTING;
    if (openFlags & modeCreate)
        disposition = (openFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
    SECURITY_ATTRIBUTES security{sizeof(SECURITY_ATTRIBUTES), nullptr, (openFlags & modeNoInherit) ? FALSE : TRUE};

    const HANDLE file = CreateFileW(Cp1250ToWide(fileName).c_str(), access, share, &security, disposition,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const LONG osError = static_cast<LONG>(GetLastError());
        if (error) {
            error->m_cause = CFileException::OsErrorToException(osError);
            error->m_lOsError = osError;
            error->m_strFileName = fileName;
        }
        return FALSE;
    }
    m_hFile = file;
    m_bCloseOnDelete = TRUE;
    return TRUE;
}

void CFile::ThrowLastError() const
{
    CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), m_strFilePath);
}

UINT CFile::Read(void *buffer, UINT count)
{
    if (count == 0)
        return 0;
    DWORD read = 0;
    if (!ReadFile(m_hFile, buffer, count, &read, nullptr))
        ThrowLastError();
    return read;
}

void CFile::Write(const void *buffer, UINT count)
{
    if (count == 0)
        return;
    DWORD written = 0;
    if (!WriteFile(m_hFile, buffer, count, &written, nullptr))
        ThrowLastError();
    if (written != count)
        AfxThrowFileException(CFileException::diskFull, -1, m_strFilePath);
}

ULONGLONG CFile::Seek(LONGLONG offset, UINT from)
{
    LARGE_INTEGER distance;
    distance.QuadPart = offset;
    LARGE_INTEGER position;
    const DWORD method = from == end ? FILE_END : from == current ? FILE_CURRENT : FILE_BEGIN;
    if (!SetFilePointerEx(m_hFile, distance, &position, method))
        ThrowLastError();
    return static_cast<ULONGLONG>(position.QuadPart);
}

ULONGLONG CFile::GetLength() const
{
    LARGE_INTEGER size;
    if (!GetFileSizeEx(m_hFile, &size))
        ThrowLastError();
    return static_cast<ULONGLONG>(size.QuadPart);
}

void CFile::SetLength(ULONGLONG newLength)
{
    Seek(static_cast<LONGLONG>(newLength), begin);
    if (!SetEndOfFile(m_hFile))
        ThrowLastError();
}

ULONGLONG CFile::GetPosition() const
{
    LARGE_INTEGER zero{};
    LARGE_INTEGER position;
    if (!SetFilePointerEx(m_hFile, zero, &position, FILE_CURRENT))
        ThrowLastError();
    return static_cast<ULONGLONG>(position.QuadPart);
}

void CFile::Flush()
{
    if (m_hFile != hFileNull && !FlushFileBuffers(m_hFile))
        ThrowLastError();
}

void CFile::Close()
{
    const HANDLE file = m_hFile;
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    if (file != hFileNull && !CloseHandle(file))
        CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), m_strFilePath);
}

void CFile::Abort()
{
    if (m_hFile != hFileNull)
        CloseHandle(m_hFile);
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
}

BOOL CFile::GetStatus(CFileStatus &status) const
{
    status = CFileStatus{};
    CopyFullName(m_strFilePath, status);
    BY_HANDLE_FILE_INFORMATION info;
    if (m_hFile == hFileNull || !GetFileInformationByHandle(m_hFile, &info))
        return FALSE;
    status.m_ctime = TimeOf(info.ftCreationTime);
    status.m_mtime = TimeOf(info.ftLastWriteTime);
    status.m_atime = TimeOf(info.ftLastAccessTime);
    status.m_size = (static_cast<ULONGLONG>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    status.m_attribute = AttributeBits(info.dwFileAttributes);
    return TRUE;
}

BOOL CFile::GetStatus(LPCSTR fileName, CFileStatus &status)
{
    status = CFileStatus{};
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!fileName || !GetFileAttributesExW(Cp1250ToWide(fileName).c_str(), GetFileExInfoStandard, &data))
        return FALSE;
    CopyFullName(FullPathOf(fileName), status);
    status.m_ctime = TimeOf(data.ftCreationTime);
    status.m_mtime = TimeOf(data.ftLastWriteTime);
    status.m_atime = TimeOf(data.ftLastAccessTime);
    status.m_size = (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    status.m_attribute = AttributeBits(data.dwFileAttributes);
    return TRUE;
}

void CFile::Rename(LPCSTR oldName, LPCSTR newName)
{
    if (!MoveFileW(Cp1250ToWide(oldName).c_str(), Cp1250ToWide(newName).c_str()))
        CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), oldName);
}

void CFile::Remove(LPCSTR fileName)
{
    if (!DeleteFileW(Cp1250ToWide(fileName).c_str()))
        CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), fileName);
}

CString CFile::GetFileName() const
{
    const int back = m_strFilePath.ReverseFind('\\');
    const int forward = m_strFilePath.ReverseFind('/');
    return m_strFilePath.Mid((back > forward ? back : forward) + 1);
}

CString CFile::GetFilePath() const
{
    return m_strFilePath;
}
