#pragma once
// CArchive: the class library's binary stream over a CFile, little-endian.
//
//   int, UINT, LONG, DWORD   4 bytes         BYTE, char   1 byte     WORD, short   2 bytes
//   LONGLONG, ULONGLONG      8 bytes         float 4, double 8 bytes (IEEE 754)
//   CTime                    8 bytes of seconds since 1970; WriteTime32/ReadTime32 store the
//                            low 32 bits and read them back unsigned, so dates after 2038 survive
//   CString                  length n, then n bytes: n < 255 one byte; n < 65534 0xFF and a
//                            16-bit n; else 0xFF 0xFFFF and a 32-bit n. Reading also takes
//                            0xFF 0xFFFE (then the length in the same forms) followed by
//                            UTF-16LE characters, converted to code page 1250.
//   WriteObject/ReadObject   class tags and schema numbers before each object's own data.
//
// Reading past the end throws CArchiveException::endOfFile; every length read from the stream
// is checked against what is left of the file before anything is allocated for it.

#include "framework/core/ctime.h"
#include "framework/core/cstring.h"
#include "framework/core/exceptions.h"
#include "framework/core/file.h"
#include "framework/core/object.h"

#include <windows.h>

#include <unordered_map>
#include <vector>

class CArchive {
public:
    enum Mode { store = 0, load = 1, bNoFlushOnDelete = 2 };

    CArchive(CFile *file, UINT mode, int bufferSize = 4096);
    // A storing archive still open is flushed; errors are then swallowed (call Close to see them).
    ~CArchive();

    CArchive(const CArchive &) = delete;
    CArchive &operator=(const CArchive &) = delete;

    BOOL IsLoading() const { return (m_nMode & load) != 0; }
    BOOL IsStoring() const { return (m_nMode & load) == 0; }
    CFile *GetFile() const { return m_pFile; }

    // Writes out what is buffered (storing) or puts the file back at the archive's position
    // (loading). Neither closes the file.
    void Flush();
    void Close();
    // Detaches from the file, dropping whatever is buffered.
    void Abort();

    // Raw bytes: Read returns fewer than asked only at the end of the file.
    UINT Read(void *buffer, UINT count);
    void Write(const void *buffer, UINT count);
    // Throws endOfFile unless at least count bytes are left to read.
    void CheckRemaining(ULONGLONG count);

    CArchive &operator<<(BYTE value);
    CArchive &operator<<(char value);
    CArchive &operator<<(WORD value);
    CArchive &operator<<(short value);
    CArchive &operator<<(int value);
    CArchive &operator<<(UINT value);
    CArchive &operator<<(LONG value);
    CArchive &operator<<(DWORD value);
    CArchive &operator<<(LONGLONG value);
    CArchive &operator<<(ULONGLONG value);
    CArchive &operator<<(float value);
    CArchive &operator<<(double value);
    CArchive &operator<<(const CString &value);
    CArchive &operator<<(const char *value);
    CArchive &operator<<(CTime value);

    CArchive &operator>>(BYTE &value);
    CArchive &operator>>(char &value);
    CArchive &operator>>(WORD &value);
    CArchive &operator>>(short &value);
    CArchive &operator>>(int &value);
    CArchive &operator>>(UINT &value);
    CArchive &operator>>(LONG &value);
    CArchive &operator>>(DWORD &value);
    CArchive &operator>>(LONGLONG &value);
    CArchive &operator>>(ULONGLONG &value);
    CArchive &operator>>(float &value);
    CArchive &operator>>(double &value);
    CArchive &operator>>(CString &value);
    CArchive &operator>>(CTime &value);

    void WriteTime32(CTime value);
    CTime ReadTime32();

    // Element counts of collections: 16 bits, or 0xFFFF and 32 bits from 65535 on.
    void WriteCount(DWORD_PTR count);
    DWORD_PTR ReadCount();

    void WriteObject(const CObject *object);
    // A new object of the stored class (nullptr for a stored null), which must derive from
    // requested when given. Throws badClass for an unknown or unrelated class, badSchema for a
    // schema the class does not take, badIndex for a reference to nothing read before.
    CObject *ReadObject(const CRuntimeClass *requested);

    // The schema read with the object being loaded, once; (UINT)-1 when there is none.
    UINT GetObjectSchema();
    void SetObjectSchema(UINT schema) { m_nObjectSchema = schema; }

    CString m_strFileName;

private:
    struct LoadedEntry {
        CRuntimeClass *runtimeClass; // set for a class entry
        UINT schema;
        CObject *object; // set for an object entry
    };

    void RequireLoading();
    void RequireStoring();
    void FillBuffer(UINT needed);
    void ReadExactly(void *buffer, UINT count);
    ULONGLONG ReadStringLength(bool &wide);
    [[noreturn]] void Throw(int cause) const;
    void WriteClass(const CRuntimeClass *runtimeClass);
    void WriteIndexTag(DWORD index, bool isClass);

    CFile *m_pFile;
    UINT m_nMode;
    std::vector<BYTE> m_buffer;
    UINT m_cur; // next byte to read or write
    UINT m_max; // loading: end of the valid bytes
    UINT m_nObjectSchema;

    static constexpr ULONGLONG kObjectAllowance = 4 * 1024 * 1024;
    static constexpr ULONGLONG kObjectBytesPerFileByte = 64;
    ULONGLONG m_objectBytes = 0; // loading: the size of every object created so far

    DWORD m_nMapCount;
    std::unordered_map<const void *, DWORD> m_storedIndexes;
    std::vector<LoadedEntry> m_loaded;
};

CArchive &operator<<(CArchive &ar, const CObject *object);
CArchive &operator>>(CArchive &ar, CObject *&object);
