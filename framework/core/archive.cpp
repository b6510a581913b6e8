#include "framework/core/archive.h"

#include "framework/core/codepage.h"

#include <climits>
#include <cstring>
#include <string>

namespace {

constexpr WORD kNullTag = 0;
constexpr WORD kNewClassTag = 0xFFFF;
constexpr WORD kClassTag = 0x8000;
constexpr DWORD kBigClassTag = 0x80000000;
constexpr WORD kBigObjectTag = 0x7FFF;
constexpr DWORD kMaxMapCount = 0x3FFFFFFE;
constexpr UINT kNotSerializable = 0xFFFF;

} // namespace

CArchive::CArchive(CFile *file, UINT mode, int bufferSize)
    : m_pFile(file), m_nMode(mode), m_buffer(static_cast<size_t>(bufferSize < 128 ? 128 : bufferSize)), m_cur(0),
      m_max(0), m_nObjectSchema(static_cast<UINT>(-1)), m_nMapCount(1), m_loaded(1, LoadedEntry{nullptr, 0, nullptr})
{
    if (file)
        m_strFileName = file->GetFilePath();
}

CArchive::~CArchive()
{
    if (!m_pFile || (m_nMode & bNoFlushOnDelete))
        return;
    try {
        Close();
    } catch (CException *e) {
        e->Delete();
        m_pFile = nullptr;
    }
}

void CArchive::Throw(int cause) const
{
    AfxThrowArchiveException(cause, m_strFileName);
}

void CArchive::RequireLoading()
{
    if (!IsLoading())
        Throw(CArchiveException::writeOnly);
}

void CArchive::RequireStoring()
{
    if (!IsStoring())
        Throw(CArchiveException::readOnly);
}

void CArchive::Flush()
{
    if (!m_pFile)
        return;
    if (IsStoring()) {
        if (m_cur > 0)
            m_pFile->Write(m_buffer.data(), m_cur);
        m_pFile->Flush();
    } else if (m_max > m_cur) {
        m_pFile->Seek(-static_cast<LONGLONG>(m_max - m_cur), CFile::current);
    }
    m_cur = m_max = 0;
}

void CArchive::Close()
{
    Flush();
    m_pFile = nullptr;
}

void CArchive::Abort()
{
    m_cur = m_max = 0;
    m_pFile = nullptr;
}

// --- raw bytes ---

// Keeps the unread bytes and reads more until `needed` are buffered or the file ends.
void CArchive::FillBuffer(UINT needed)
{
    RequireLoading();
    if (!m_pFile)
        Throw(CArchiveException::genericException);
    const UINT unread = m_max - m_cur;
    if (unread >= needed)
        return;
    std::memmove(m_buffer.data(), m_buffer.data() + m_cur, unread);
    m_cur = 0;
    m_max = unread;
    while (m_max < needed) {
        const UINT got = m_pFile->Read(m_buffer.data() + m_max, static_cast<UINT>(m_buffer.size()) - m_max);
        if (got == 0)
            break;
        m_max += got;
    }
}

UINT CArchive::Read(void *buffer, UINT count)
{
    RequireLoading();
    auto *out = static_cast<BYTE *>(buffer);
    UINT done = 0;
    while (done < count) {
        if (m_cur == m_max) {
            // Large blocks go straight from the file.
            if (count - done >= m_buffer.size()) {
                const UINT got = m_pFile->Read(out + done, count - done);
                if (got == 0)
                    break;
                done += got;
                continue;
            }
            FillBuffer(1);
            if (m_cur == m_max)
                break;
        }
        const UINT step = (m_max - m_cur) < (count - done) ? (m_max - m_cur) : (count - done);
        std::memcpy(out + done, m_buffer.data() + m_cur, step);
        m_cur += step;
        done += step;
    }
    return done;
}

// A value cut short by the end of the file leaves the caller's variable as it was.
void CArchive::ReadExactly(void *buffer, UINT count)
{
    CheckRemaining(count);
    if (Read(buffer, count) != count)
        Throw(CArchiveException::endOfFile);
}

void CArchive::Write(const void *buffer, UINT count)
{
    RequireStoring();
    if (!m_pFile)
        Throw(CArchiveException::genericException);
    const auto *in = static_cast<const BYTE *>(buffer);
    if (count >= m_buffer.size()) {
        if (m_cur > 0)
            m_pFile->Write(m_buffer.data(), m_cur);
        m_cur = 0;
        m_pFile->Write(in, count);
        return;
    }
    if (m_cur + count > m_buffer.size()) {
        m_pFile->Write(m_buffer.data(), m_cur);
        m_cur = 0;
    }
    std::memcpy(m_buffer.data() + m_cur, in, count);
    m_cur += count;
}

void CArchive::CheckRemaining(ULONGLONG count)
{
    RequireLoading();
    const ULONGLONG buffered = m_max - m_cur;
    if (count <= buffered)
        return;
    const ULONGLONG length = m_pFile->GetLength();
    const ULONGLONG position = m_pFile->GetPosition();
    const ULONGLONG inFile = length > position ? length - position : 0;
    if (count - buffered > inFile)
        Throw(CArchiveException::endOfFile);
}

// --- numbers ---

#define MORVELANK_ARCHIVE_VALUE(type)                                                                                  \
    CArchive &CArchive::operator<<(type value)                                                                         \
    {                                                                                                                  \
        Write(&value, sizeof value);                                                                                   \
        return *this;                                                                                                  \
    }                                                                                                                  \
    CArchive &CArchive::operator>>(type &value)                                                                        \
    {                                                                                                                  \
        ReadExactly(&value, sizeof value);                                                                             \
        return *this;                                                                                                  \
    }

MORVELANK_ARCHIVE_VALUE(BYTE)
MORVELANK_ARCHIVE_VALUE(char)
MORVELANK_ARCHIVE_VALUE(WORD)
MORVELANK_ARCHIVE_VALUE(short)
MORVELANK_ARCHIVE_VALUE(int)
MORVELANK_ARCHIVE_VALUE(UINT)
MORVELANK_ARCHIVE_VALUE(LONG)
MORVELANK_ARCHIVE_VALUE(DWORD)
MORVELANK_ARCHIVE_VALUE(LONGLONG)
MORVELANK_ARCHIVE_VALUE(ULONGLONG)
MORVELANK_ARCHIVE_VALUE(float)
MORVELANK_ARCHIVE_VALUE(double)

#undef MORVELANK_ARCHIVE_VALUE

static_assert(sizeof(int) == 4 && sizeof(LONG) == 4 && sizeof(double) == 8, "the stored widths are fixed");

// --- times ---

CArchive &CArchive::operator<<(CTime value)
{
    return *this << static_cast<LONGLONG>(value.GetTime());
}

CArchive &CArchive::operator>>(CTime &value)
{
    LONGLONG seconds;
    *this >> seconds;
    value = CTime(seconds);
    return *this;
}

void CArchive::WriteTime32(CTime value)
{
    *this << static_cast<DWORD>(static_cast<ULONGLONG>(value.GetTime()) & 0xFFFFFFFFu);
}

CTime CArchive::ReadTime32()
{
    DWORD seconds;
    *this >> seconds;
    return CTime(static_cast<__time64_t>(seconds));
}

// --- strings ---

CArchive &CArchive::operator<<(const char *value)
{
    return *this << CString(value);
}

CArchive &CArchive::operator<<(const CString &value)
{
    const int length = value.GetLength();
    if (length < 255) {
        *this << static_cast<BYTE>(length);
    } else if (length < 0xFFFE) {
        *this << static_cast<BYTE>(0xFF) << static_cast<WORD>(length);
    } else {
        *this << static_cast<BYTE>(0xFF) << static_cast<WORD>(0xFFFF) << static_cast<DWORD>(length);
    }
    Write(value.GetString(), static_cast<UINT>(length));
    return *this;
}

ULONGLONG CArchive::ReadStringLength(bool &wide)
{
    wide = false;
    BYTE shortLength;
    *this >> shortLength;
    if (shortLength < 0xFF)
        return shortLength;
    WORD mediumLength;
    *this >> mediumLength;
    if (mediumLength == 0xFFFE) { // UTF-16 characters follow the length
        wide = true;
        *this >> shortLength;
        if (shortLength < 0xFF)
            return shortLength;
        *this >> mediumLength;
    }
    if (mediumLength < 0xFFFF)
        return mediumLength;
    DWORD longLength;
    *this >> longLength;
    if (longLength < 0xFFFFFFFFu)
        return longLength;
    ULONGLONG hugeLength;
    *this >> hugeLength;
    return hugeLength;
}

CArchive &CArchive::operator>>(CString &value)
{
    bool wide = false;
    const ULONGLONG length = ReadStringLength(wide);
    const ULONGLONG charSize = wide ? 2 : 1;
    if (length > static_cast<ULONGLONG>(INT_MAX) / charSize)
        Throw(CArchiveException::endOfFile);
    CheckRemaining(length * charSize);
    const int count = static_cast<int>(length);
    if (wide) {
        std::wstring text(static_cast<size_t>(count), L'\0');
        if (count > 0)
            ReadExactly(&text[0], static_cast<UINT>(count) * 2);
        value = WideToCp1250(text);
    } else {
        if (count == 0) {
            value.Empty();
        } else {
            ReadExactly(value.GetBufferSetLength(count), static_cast<UINT>(count));
            value.ReleaseBuffer(count);
        }
    }
    return *this;
}

// --- counts ---

void CArchive::WriteCount(DWORD_PTR count)
{
    if (count < 0xFFFF) {
        *this << static_cast<WORD>(count);
    } else {
        *this << static_cast<WORD>(0xFFFF) << static_cast<DWORD>(count);
    }
}

DWORD_PTR CArchive::ReadCount()
{
    WORD shortCount;
    *this >> shortCount;
    if (shortCount != 0xFFFF)
        return shortCount;
    DWORD longCount;
    *this >> longCount;
    return longCount;
}

// --- objects ---

UINT CArchive::GetObjectSchema()
{
    const UINT schema = m_nObjectSchema;
    m_nObjectSchema = static_cast<UINT>(-1);
    return schema;
}

void CArchive::WriteIndexTag(DWORD index, bool isClass)
{
    if (index < kBigObjectTag) {
        *this << static_cast<WORD>(isClass ? (kClassTag | index) : index);
    } else {
        *this << kBigObjectTag << static_cast<DWORD>(isClass ? (kBigClassTag | index) : index);
    }
}

void CArchive::WriteClass(const CRuntimeClass *runtimeClass)
{
    const auto known = m_storedIndexes.find(runtimeClass);
    if (known != m_storedIndexes.end()) {
        WriteIndexTag(known->second, true);
        return;
    }
    const auto nameLength = static_cast<WORD>(std::strlen(runtimeClass->m_lpszClassName));
    *this << kNewClassTag << static_cast<WORD>(runtimeClass->m_wSchema & ~VERSIONABLE_SCHEMA) << nameLength;
    Write(runtimeClass->m_lpszClassName, nameLength);
    if (m_nMapCount > kMaxMapCount)
        Throw(CArchiveException::badIndex);
    m_storedIndexes[runtimeClass] = m_nMapCount++;
}

void CArchive::WriteObject(const CObject *object)
{
    RequireStoring();
    if (!object) {
        *this << kNullTag;
        return;
    }
    const auto known = m_storedIndexes.find(object);
    if (known != m_storedIndexes.end()) {
        WriteIndexTag(known->second, false);
        return;
    }
    CRuntimeClass *runtimeClass = object->GetRuntimeClass();
    if (runtimeClass->m_wSchema == kNotSerializable)
        Throw(CArchiveException::badClass);
    WriteClass(runtimeClass);
    if (m_nMapCount > kMaxMapCount)
        Throw(CArchiveException::badIndex);
    m_storedIndexes[object] = m_nMapCount++;
    const_cast<CObject *>(object)->Serialize(*this);
}

CObject *CArchive::ReadObject(const CRuntimeClass *requested)
{
    RequireLoading();
    WORD tag;
    *this >> tag;
    DWORD objectTag;
    if (tag == kBigObjectTag) {
        *this >> objectTag;
    } else {
        objectTag = (static_cast<DWORD>(tag & kClassTag) << 16) | (tag & ~kClassTag & 0xFFFF);
    }

    if (!(objectTag & kBigClassTag)) { // an object read before, or null
        if (objectTag == 0)
            return nullptr;
        if (objectTag >= m_loaded.size() || !m_loaded[objectTag].object)
            Throw(CArchiveException::badIndex);
        CObject *object = m_loaded[objectTag].object;
        if (requested && !object->IsKindOf(requested))
            Throw(CArchiveException::badClass);
        return object;
    }

    CRuntimeClass *runtimeClass = nullptr;
    UINT schema = 0;
    if (tag == kNewClassTag) {
        WORD storedSchema;
        WORD nameLength;
        *this >> storedSchema >> nameLength;
        CheckRemaining(nameLength);
        std::string name(nameLength, '\0');
        if (nameLength > 0)
            ReadExactly(&name[0], nameLength);
        runtimeClass = CRuntimeClass::FromName(name.c_str());
        if (!runtimeClass)
            Throw(CArchiveException::badClass);
        schema = storedSchema;
        m_loaded.push_back(LoadedEntry{runtimeClass, schema, nullptr});
    } else {
        const DWORD index = objectTag & ~kBigClassTag;
        if (index == 0 || index >= m_loaded.size() || !m_loaded[index].runtimeClass)
            Throw(CArchiveException::badIndex);
        runtimeClass = m_loaded[index].runtimeClass;
        schema = m_loaded[index].schema;
    }

    if (requested && !runtimeClass->IsDerivedFrom(requested))
        Throw(CArchiveException::badClass);
    if (runtimeClass->m_wSchema == kNotSerializable || !runtimeClass->m_pfnCreateObject)
        Throw(CArchiveException::badClass);
    if (runtimeClass->m_wSchema & VERSIONABLE_SCHEMA) {
        m_nObjectSchema = schema;
    } else if (schema != runtimeClass->m_wSchema) {
        Throw(CArchiveException::badSchema);
    }

    // A few damaged bytes can name a large class again and again: what the objects of one
    // archive take stays within a share of the file.
    m_objectBytes += static_cast<ULONGLONG>(runtimeClass->m_nObjectSize);
    if (m_objectBytes > kObjectAllowance + kObjectBytesPerFileByte * m_pFile->GetLength())
        Throw(CArchiveException::badIndex);
    CObject *object = runtimeClass->CreateObject();
    const size_t entry = m_loaded.size();
    m_loaded.push_back(LoadedEntry{nullptr, 0, object});
    try {
        object->Serialize(*this);
    } catch (...) {
        m_loaded[entry].object = nullptr;
        delete object;
        throw;
    }
    m_nObjectSchema = static_cast<UINT>(-1);
    return object;
}

CArchive &operator<<(CArchive &ar, const CObject *object)
{
    ar.WriteObject(object);
    return ar;
}

CArchive &operator>>(CArchive &ar, CObject *&object)
{
    object = ar.ReadObject(nullptr);
    return ar;
}
