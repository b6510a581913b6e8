// Reads the little-endian fields of the program's files from bytes already in memory. A read
// that needs more bytes than remain fails and leaves the cursor where it was, so a damaged
// length or count can never take a reader past the end of its buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class LittleEndianReader {
public:
    // The bytes must outlive the reader; it keeps no copy.
    LittleEndianReader(const void *bytes, size_t size);
    explicit LittleEndianReader(const std::string &bytes);

    size_t Remaining() const { return m_size - m_position; }
    bool AtEnd() const { return m_position == m_size; }

    bool ReadInt32(int32_t &value);
    // Fails for a negative count as for one beyond what remains.
    bool ReadBytes(int64_t count, std::string &bytes);
    bool Skip(int64_t count);
    // A 32-bit length, then that many bytes.
    bool ReadString(std::string &text);

private:
    bool Fits(int64_t count) const;

    const uint8_t *m_bytes;
    size_t m_size;
    size_t m_position = 0;
};
