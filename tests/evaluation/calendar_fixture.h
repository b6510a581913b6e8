// Calendar files written byte by byte, as the index and the text file lay them out.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/test_folder.h"

namespace calendar_bytes {

inline std::string Int32(int32_t value)
{
    std::string bytes;
    for (int shift = 0; shift < 32; shift += 8)
        bytes += static_cast<char>((static_cast<uint32_t>(value) >> shift) & 0xFF);
    return bytes;
}

// ',' 2, eight zero bytes, the count, two zero bytes.
inline std::string Header(int32_t count)
{
    return std::string(",\x02", 2) + std::string(8, '\0') + Int32(count) + std::string(2, '\0');
}

struct Record {
    uint8_t kind, year, month, day, hour, minute, flags; // year - 1900; flags: 1 alarm, 2 priority, 4 D
    int32_t length;
};

inline std::string Index(const std::vector<Record> &records, int32_t count)
{
    std::string bytes = Header(count);
    for (const Record &r : records) {
        const char fixed[8] = {static_cast<char>(r.kind),  static_cast<char>(r.year),
                               static_cast<char>(r.month), static_cast<char>(r.day),
                               static_cast<char>(r.hour),  static_cast<char>(r.minute),
                               static_cast<char>(r.flags), 0};
        bytes.append(fixed, 8);
        bytes += Int32(r.length);
    }
    return bytes;
}

inline std::string Index(const std::vector<Record> &records)
{
    return Index(records, static_cast<int32_t>(records.size()));
}

// The text file: the header with `count`, then each text and its zero byte.
inline std::string Texts(int32_t count, const std::vector<std::string> &texts)
{
    std::string bytes = Header(count);
    for (const std::string &text : texts)
        bytes += text + std::string(1, '\0');
    return bytes;
}

} // namespace calendar_bytes

// A calendar folder of one test.
class CalendarFolder : public TestFolder {
public:
    void WriteIndex(const std::string &bytes) const { WriteBytes(*this / "naglowek.dat", bytes); }
    void WriteTexts(const std::string &bytes) const { WriteBytes(*this / "terminarz.dat", bytes); }
    std::string Index() const { return ReadBytes(*this / "naglowek.dat"); }
    std::string Texts() const { return ReadBytes(*this / "terminarz.dat"); }
};
