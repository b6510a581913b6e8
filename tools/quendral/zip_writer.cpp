#include "tools/quendral/zip_writer.h"

#include <zlib.h>

namespace {

// Deflate, stored in zip entries: version needed 2.0, no encryption, no data descriptor.
constexpr uint16_t kVersionNeeded = 20;
constexpr uint16_t kMethodDeflate = 8;
// 1 January 2025, 00:00, in the zip's MS-DOS form: a fixed stamp keeps equal input equal output.
constexpr uint16_t kDosTime = 0;
constexpr uint16_t kDosDate = ((2025 - 1980) << 9) | (1 << 5) | 1;

void Put16(std::string &out, uint16_t value)
{
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

void Put32(std::string &out, uint32_t value)
{
    Put16(out, static_cast<uint16_t>(value & 0xFFFF));
    Put16(out, static_cast<uint16_t>(value >> 16));
}

bool Deflate(const std::string &content, std::string &compressed)
{
    z_stream stream{};
    // Negative window bits: a raw deflate stream, as zip entries hold it.
    if (deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return false;
    compressed.resize(deflateBound(&stream, static_cast<uLong>(content.size())));
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(content.data()));
    stream.avail_in = static_cast<uInt>(content.size());
    stream.next_out = reinterpret_cast<Bytef *>(&compressed[0]);
    stream.avail_out = static_cast<uInt>(compressed.size());
    const int result = deflate(&stream, Z_FINISH);
    compressed.resize(stream.total_out);
    deflateEnd(&stream);
    return result == Z_STREAM_END;
}

} // namespace

bool ZipWriter::Add(const std::string &name, const std::string &content)
{
    std::string compressed;
    if (!Deflate(content, compressed))
        return false;
    Entry entry;
    entry.name = name;
    entry.crc = crc32(0L, reinterpret_cast<const Bytef *>(content.data()), static_cast<uInt>(content.size()));
    entry.compressedSize = static_cast<uint32_t>(compressed.size());
    entry.size = static_cast<uint32_t>(content.size());
    entry.offset = static_cast<uint32_t>(m_data.size());

    Put32(m_data, 0x04034b50);
    Put16(m_data, kVersionNeeded);
    Put16(m_data, 0);
    Put16(m_data, kMethodDeflate);
    Put16(m_data, kDosTime);
    Put16(m_data, kDosDate);
    Put32(m_data, entry.crc);
    Put32(m_data, entry.compressedSize);
    Put32(m_data, entry.size);
    Put16(m_data, static_cast<uint16_t>(name.size()));
    Put16(m_data, 0);
    m_data += name;
    m_data += compressed;
    m_entries.push_back(entry);
    return true;
}

std::string ZipWriter::Finish() const
{
    std::string archive = m_data;
    const uint32_t directoryOffset = static_cast<uint32_t>(archive.size());
    for (const Entry &entry : m_entries) {
        Put32(archive, 0x02014b50);
        Put16(archive, kVersionNeeded);
        Put16(archive, kVersionNeeded);
        Put16(archive, 0);
        Put16(archive, kMethodDeflate);
        Put16(archive, kDosTime);
        Put16(archive, kDosDate);
        Put32(archive, entry.crc);
        Put32(archive, entry.compressedSize);
        Put32(archive, entry.size);
        Put16(archive, static_cast<uint16_t>(entry.name.size()));
        Put16(archive, 0);
        Put16(archive, 0);
        Put16(archive, 0);
        Put16(archive, 0);
        Put32(archive, 0);
        Put32(archive, entry.offset);
        archive += entry.name;
    }
    const uint32_t directorySize = static_cast<uint32_t>(archive.size()) - directoryOffset;
    Put32(archive, 0x06054b50);
    Put16(archive, 0);
    Put16(archive, 0);
    Put16(archive, static_cast<uint16_t>(m_entries.size()));
    Put16(archive, static_cast<uint16_t>(m_entries.size()));
    Put32(archive, directorySize);
    Put32(archive, directoryOffset);
    Put16(archive, 0);
    return archive;
}
