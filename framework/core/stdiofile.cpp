#include "framework/core/stdiofile.h"

#include <fcntl.h>
#include <io.h>

#include <cerrno>
#include <cstring>

IMPLEMENT_DYNAMIC(CStdioFile, CFile)

CStdioFile::CStdioFile() : m_pStream(nullptr) {}

CStdioFile::CStdioFile(LPCSTR fileName, UINT openFlags) : CStdioFile()
{
    CFileException error;
    if (!Open(fileName, openFlags, &error))
        throw new CFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CStdioFile::~CStdioFile()
{
    if (m_pStream)
        Abort();
}

// The file is opened by CFile (share modes, creation) and its handle wrapped in a C stream.
BOOL CStdioFile::Open(LPCSTR fileName, UINT openFlags, CFileException *error)
{
    if (m_pStream)
        Abort();
    if (!CFile::Open(fileName, openFlags & ~typeText & ~typeBinary, error))
        return FALSE;

    const bool binary = (openFlags & typeBinary) != 0;
    const bool writes = (openFlags & (modeWrite | modeReadWrite)) != 0;
    const bool reads = (openFlags & modeWrite) == 0;
    char mode[4] = {};
    if (openFlags & modeCreate)
        mode[0] = (openFlags & modeNoTruncate) ? 'a' : 'w';
    else
        mode[0] = (openFlags & modeWrite) ? 'a' : 'r';
    int next = 1;
    if (reads && writes)
        mode[next++] = '+';
    mode[next] = binary ? 'b' : 't';

    int flags = binary ? _O_BINARY : _O_TEXT;
    if (!writes)
        flags |= _O_RDONLY;
    if (writes && !reads)
        flags |= _O_WRONLY;
    if (reads && writes)
        flags |= _O_RDWR;
    if (mode[0] == 'a')
        flags |= _O_APPEND;

    const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(m_hFile), flags);
    if (descriptor != -1)
        m_pStream = _fdopen(descriptor, mode);
    if (!m_pStream) {
        if (descriptor != -1) {
            _close(descriptor);
            m_hFile = hFileNull;
        }
        CFile::Abort();
        if (error) {
            error->m_cause = CFileException::tooManyOpenFiles;
            error->m_lOsError = -1;
            error->m_strFileName = fileName;
        }
        return FALSE;
    }
    return TRUE;
}

void CStdioFile::ThrowStreamError() const
{
    AfxThrowFileException(CFileException::genericException, errno, m_strFilePath);
}

BOOL CStdioFile::ReadString(CString &line)
{
    line.Empty();
    char chunk[512];
    bool readAny = false;
    while (std::fgets(chunk, sizeof chunk, m_pStream)) {
        readAny = true;
        const size_t length = std::strlen(chunk);
        if (length > 0 && chunk[length - 1] == '\n') {
            line += CString(chunk, static_cast<int>(length - 1));
            break;
        }
        line += CString(chunk, static_cast<int>(length));
    }
    if (std::ferror(m_pStream))
        ThrowStreamError();
    if (line.GetLength() > 0 && line[line.GetLength() - 1] == '\r')
        line.Delete(line.GetLength() - 1);
    return readAny;
}

void CStdioFile::WriteString(LPCSTR text)
{
    if (text && std::fputs(text, m_pStream) == EOF)
        ThrowStreamError();
}

UINT CStdioFile::Read(void *buffer, UINT count)
{
    const size_t read = std::fread(buffer, 1, count, m_pStream);
    if (read < count && std::ferror(m_pStream))
        ThrowStreamError();
    return static_cast<UINT>(read);
}

void CStdioFile::Write(const void *buffer, UINT count)
{
    if (std::fwrite(buffer, 1, count, m_pStream) != count)
        ThrowStreamError();
}

ULONGLONG CStdioFile::Seek(LONGLONG offset, UINT from)
{
    const int origin = from == end ? SEEK_END : from == current ? SEEK_CUR : SEEK_SET;
    if (_fseeki64(m_pStream, offset, origin) != 0)
        AfxThrowFileException(CFileException::badSeek, errno, m_strFilePath);
    return GetPosition();
}

ULONGLONG CStdioFile::GetLength() const
{
    std::fflush(m_pStream);
    return CFile::GetLength();
}

ULONGLONG CStdioFile::GetPosition() const
{
    const long long position = _ftelli64(m_pStream);
    if (position < 0)
        AfxThrowFileException(CFileException::badSeek, errno, m_strFilePath);
    return static_cast<ULONGLONG>(position);
}

void CStdioFile::Flush()
{
    if (m_pStream && std::fflush(m_pStream) != 0)
        ThrowStreamError();
}

// The stream owns the handle: closing it closes the file.
void CStdioFile::Close()
{
    FILE *stream = m_pStream;
    m_pStream = nullptr;
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    if (stream && std::fclose(stream) != 0)
        ThrowStreamError();
}

void CStdioFile::Abort()
{
    if (m_pStream)
        std::fclose(m_pStream);
    m_pStream = nullptr;
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
}
