#include "model/little_endian_reader.h"

LittleEndianReader::LittleEndianReader(const void *bytes, size_t size)
    : m_bytes(static_cast<const uint8_t *>(bytes)), m_size(size)
{
}

LittleEndianReader::LittleEndianReader(const std::string &bytes) : LittleEndianReader(bytes.data(), bytes.size()) {}

bool LittleEndianReader::Fits(int64_t count) const
{
    return count >= 0 && static_cast<uint64_t>(count) <= Remaining();
}

bool LittleEndianReader::ReadInt32(int32_t &value)
{
    if (!Fits(4))
        return false;
    const uint8_t *at = m_bytes + m_position;
    value = static_cast<int32_t>(static_cast<uint32_t>(at[0]) | static_cast<uint32_t>(at[1]) << 8
                                 | static_cast<uint32_t>(at[2]) << 16 | static_cast<uint32_t>(at[3]) << 24);
    m_position += 4;
    return true;
}

bool LittleEndianReader::ReadBytes(int64_t count, std::string &bytes)
{
    if (!Fits(count))
        return false;
    bytes.assign(reinterpret_cast<const char *>(m_bytes + m_position), static_cast<size_t>(count));
    m_position += static_cast<size_t>(count);
    return true;
}

bool LittleEndianReader::Skip(int64_t count)
{
    if (!Fits(count))
        return false;
    m_position += static_cast<size_t>(count);
    return true;
}

bool LittleEndianReader::ReadString(std::string &text)
{
    const size_t start = m_position;
    int32_t length = 0;
    if (ReadInt32(length) && ReadBytes(length, text))
        return true;
    m_position = start;
    return false;
}
