#pragma once
// A zip archive built in memory, every entry deflated: the container of an Office Open XML
// workbook.

#include <cstdint>
#include <string>
#include <vector>

class ZipWriter {
public:
    // Adds one file; false when compression fails.
    bool Add(const std::string &name, const std::string &content);
    // The whole archive: the entries, then the central directory.
    std::string Finish() const;

private:
    struct Entry {
        std::string name;
        uint32_t crc = 0;
        uint32_t compressedSize = 0;
        uint32_t size = 0;
        uint32_t offset = 0;
    };
    std::vector<Entry> m_entries;
    std::string m_data;
};
