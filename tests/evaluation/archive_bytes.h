// Builds the bytes of an archive by hand, item by item, and reads or writes archives in memory.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>

#include "framework/core/archive.h"
#include "framework/core/memfile.h"

class ArchiveBytes {
public:
    ArchiveBytes &Int(int32_t value)
    {
        const uint32_t bits = static_cast<uint32_t>(value);
        for (int shift = 0; shift < 32; shift += 8)
            m_bytes += static_cast<char>((bits >> shift) & 0xFF);
        return *this;
    }
    ArchiveBytes &Double(double value)
    {
        char raw[8];
        memcpy(raw, &value, 8);
        m_bytes.append(raw, 8);
        return *this;
    }
    // Texts below 255 bytes: one length byte, then the bytes.
    ArchiveBytes &Str(const std::string &text)
    {
        m_bytes += static_cast<char>(text.size());
        m_bytes += text;
        return *this;
    }
    ArchiveBytes &Raw(const std::string &bytes)
    {
        m_bytes += bytes;
        return *this;
    }
    const std::string &Bytes() const { return m_bytes; }

private:
    std::string m_bytes;
};

// The bytes that store writes into a storing archive.
template <typename Store>
std::string StoredBytes(Store store)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        store(ar);
        ar.Close();
    }
    const ULONGLONG length = file.GetLength();
    BYTE *block = file.Detach();
    std::string bytes(reinterpret_cast<const char *>(block), static_cast<size_t>(length));
    free(block);
    return bytes;
}

// Runs load on a loading archive over the bytes; returns how many bytes it left unread.
template <typename Load>
size_t LoadBytes(const std::string &bytes, Load load)
{
    std::string copy = bytes;
    CMemFile file(reinterpret_cast<BYTE *>(copy.empty() ? nullptr : &copy[0]), static_cast<UINT>(copy.size()));
    CArchive ar(&file, CArchive::load);
    load(ar);
    ar.Close();
    return static_cast<size_t>(file.GetLength() - file.GetPosition());
}
