#pragma once
// CMemFile: a CFile over a block of memory that grows as it is written.

#include "framework/core/file.h"

class CMemFile : public CFile {
    DECLARE_DYNAMIC(CMemFile)
public:
    explicit CMemFile(UINT growBytes = 1024);
    // Reads (and, with growBytes > 0, writes) a caller's block; see Attach.
    CMemFile(BYTE *buffer, UINT size, UINT growBytes = 0);
    ~CMemFile() override;

    // growBytes 0: the block holds `size` bytes of data and cannot grow. Otherwise the file
    // starts empty and grows the block with realloc, so it must come from malloc.
    void Attach(BYTE *buffer, UINT size, UINT growBytes = 0);
    // Hands the block to the caller (free() it when it was grown or allocated here).
    BYTE *Detach();

    UINT Read(void *buffer, UINT count) override;
    void Write(const void *buffer, UINT count) override;
    ULONGLONG Seek(LONGLONG offset, UINT from) override;
    ULONGLONG GetLength() const override;
    void SetLength(ULONGLONG newLength) override;
    ULONGLONG GetPosition() const override;
    void Flush() override;
    void Close() override;
    void Abort() override;

private:
    void Grow(SIZE_T newSize);

    BYTE *m_lpBuffer;
    SIZE_T m_nBufferSize;
    SIZE_T m_nFileSize;
    SIZE_T m_nPosition;
    UINT m_nGrowBytes;
    BOOL m_bAutoDelete;
};
