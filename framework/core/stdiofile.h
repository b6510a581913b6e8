#pragma once
// CStdioFile: a CFile read and written as lines. In text mode (the default) "\n" is written as
// CR LF and CR LF is read as "\n"; ReadString returns each line without its line end.

#include "framework/core/file.h"

#include <cstdio>

class CStdioFile : public CFile {
    DECLARE_DYNAMIC(CStdioFile)
public:
    CStdioFile();
    CStdioFile(LPCSTR fileName, UINT openFlags); // throws CFileException when it cannot open
    ~CStdioFile() override;

    BOOL Open(LPCSTR fileName, UINT openFlags, CFileException *error = nullptr) override;

    // FALSE at the end of the file when nothing was left to read.
    BOOL ReadString(CString &line);
    void WriteString(LPCSTR text);

    UINT Read(void *buffer, UINT count) override;
    void Write(const void *buffer, UINT count) override;
    ULONGLONG Seek(LONGLONG offset, UINT from) override;
    ULONGLONG GetLength() const override;
    ULONGLONG GetPosition() const override;
    void Flush() override;
    void Close() override;
    void Abort() override;

    FILE *m_pStream;

private:
    [[noreturn]] void ThrowStreamError() const;
};
