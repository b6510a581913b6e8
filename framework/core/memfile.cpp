#include "framework/core/memfile.h"

#include <cstdlib>
#include <cstring>

IMPLEMENT_DYNAMIC(CMemFile, CFile)

CMemFile::CMemFile(UINT growBytes)
    : m_lpBuffer(nullptr), m_nBufferSize(0), m_nFileSize(0), m_nPosition(0), m_nGrowBytes(growBytes),
      m_bAutoDelete(TRUE)
{
}

CMemFile::CMemFile(BYTE *buffer, UINT size, UINT growBytes) : CMemFile(growBytes)
{
    Attach(buffer, size, growBytes);
}

CMemFile::~CMemFile()
{
    Close();
}

void CMemFile::Attach(BYTE *buffer, UINT size, UINT growBytes)
{
    Close();
    m_lpBuffer = buffer;
    m_nBufferSize = size;
    m_nFileSize = growBytes == 0 ? size : 0;
    m_nPosition = 0;
    m_nGrowBytes = growBytes;
    m_bAutoDelete = FALSE;
}

BYTE *CMemFile::Detach()
{
    BYTE *buffer = m_lpBuffer;
    m_lpBuffer = nullptr;
    m_nBufferSize = m_nFileSize = m_nPosition = 0;
    return buffer;
}

void CMemFile::Grow(SIZE_T newSize)
{
    if (newSize <= m_nBufferSize)
        return;
    if (m_nGrowBytes == 0)
        AfxThrowMemoryException();
    SIZE_T size = m_nBufferSize;
    while (size < newSize)
        size += m_nGrowBytes;
    auto *grown = static_cast<BYTE *>(std::realloc(m_lpBuffer, size));
    if (!grown)
        AfxThrowMemoryException();
    m_lpBuffer = grown;
    m_nBufferSize = size;
}

UINT CMemFile::Read(void *buffer, UINT count)
{
    if (m_nPosition >= m_nFileSize)
        return 0;
    const SIZE_T left = m_nFileSize - m_nPosition;
    const UINT read = left < count ? static_cast<UINT>(left) : count;
    std::memcpy(buffer, m_lpBuffer + m_nPosition, read);
    m_nPosition += read;
    return read;
}

void CMemFile::Write(const void *buffer, UINT count)
{
    if (count == 0)
        return;
    const SIZE_T newEnd = m_nPosition + count;
    Grow(newEnd);
    if (m_nPosition > m_nFileSize) // written after a seek past the end: the gap reads as zeros
        std::memset(m_lpBuffer + m_nFileSize, 0, m_nPosition - m_nFileSize);
    std::memcpy(m_lpBuffer + m_nPosition, buffer, count);
    m_nPosition = newEnd;
    if (newEnd > m_nFileSize)
        m_nFileSize = newEnd;
}

ULONGLONG CMemFile::Seek(LONGLONG offset, UINT from)
{
    LONGLONG base = 0;
    if (from == current)
        base = static_cast<LONGLONG>(m_nPosition);
    if (from == end)
        base = static_cast<LONGLONG>(m_nFileSize);
    const LONGLONG position = base + offset;
    if (position < 0)
        AfxThrowFileException(CFileException::badSeek);
    m_nPosition = static_cast<SIZE_T>(position);
    return m_nPosition;
}

ULONGLONG CMemFile::GetLength() const
{
    return m_nFileSize;
}

void CMemFile::SetLength(ULONGLONG newLength)
{
    Grow(static_cast<SIZE_T>(newLength));
    if (newLength > m_nFileSize)
        std::memset(m_lpBuffer + m_nFileSize, 0, static_cast<SIZE_T>(newLength) - m_nFileSize);
    m_nFileSize = static_cast<SIZE_T>(newLength);
    if (m_nPosition > m_nFileSize)
        m_nPosition = m_nFileSize;
}

ULONGLONG CMemFile::GetPosition() const
{
    return m_nPosition;
}

void CMemFile::Flush() {}

void CMemFile::Close()
{
    if (m_bAutoDelete)
        std::free(m_lpBuffer);
    m_lpBuffer = nullptr;
    m_nBufferSize = m_nFileSize = m_nPosition = 0;
    m_bAutoDelete = TRUE;
}

void CMemFile::Abort()
{
    Close();
}
