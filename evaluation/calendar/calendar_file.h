// The calendar's two files in its folder: the index "naglowek.dat" (a 16-byte header, then one
// 12-byte record per entry, deleted ones included) and "terminarz.dat" (the same header, then
// every entry's text followed by a zero byte, in record order). A text's place is not stored:
// it follows from the lengths of the texts before it, so the two files must stay in step.
#pragma once

#include <cstdint>
#include <vector>

#include "framework/core/cstring.h"

struct ScheduleEntry {
    uint8_t year = 0;  // year - 1900
    uint8_t month = 0; // 1..12
    uint8_t day = 0;
    uint8_t hour = 0;
    uint8_t minute = 0;
    uint8_t alarm = 0;
    uint8_t priority = 0;
    uint8_t flagD = 0;      // an offer deadline added by the deadline calculator
    uint8_t kind = 0;       // 0 active, 1 deleted
    int32_t textOffset = 0; // behind the text file's header
    int32_t textLength = 0; // without the zero byte; -1: up to the end of the text file
};

// The entry count a 16-byte header holds.
int32_t DecodeScheduleCount(const uint8_t *header);
// The entry one 12-byte index record holds; where its text lies follows from the records
// before it, so the text offset is left 0.
ScheduleEntry DecodeScheduleRecord(const uint8_t *record);

// What one entry is made of before it is stored.
struct ScheduleNote {
    int year = 0; // full year
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int alarm = 0;
    int priority = 0;
    int flagD = 0;
    CString text;
};

struct ScheduleDayEntry {
    int index = 0; // in the table
    CString text;
};

class ScheduleBook {
public:
    static constexpr int kHeaderSize = 16;
    static constexpr int kRecordSize = 12;
    static constexpr int kMaxEntries = 1000;
    static constexpr int kMaxTextLength = 4000; // what an entry's dialog takes

    enum class LoadResult { Loaded, NoFile, WrongMark, Damaged };
    enum class AppendResult { Appended, Full, Failed, Locked };

    explicit ScheduleBook(const CString &folder) : m_folder(folder) {}

    const CString &Folder() const { return m_folder; }
    CString IndexPath() const { return m_folder + "\\naglowek.dat"; }
    CString TextPath() const { return m_folder + "\\terminarz.dat"; }

    // Reads the index into the table. A file that is no calendar index, or whose count or text
    // lengths do not fit it (a text longer than an entry can hold is damage), leaves the table empty and the book
    // locked, so that nothing is ever written over it.
    LoadResult LoadHeader();
    // Rewrites the index from the table through a temporary file; false leaves the old one.
    bool SaveHeader() const;
    // Adds the text to the text file and the entry to the table; the index is not written.
    AppendResult AppendEntry(const ScheduleNote &note);
    // The active entries of the day in table order with their texts; false when the text file
    // cannot be read.
    bool ReadDayEntries(int year, int month, int day, std::vector<ScheduleDayEntry> &found) const;

    bool IsLocked() const { return m_locked; }
    const std::vector<ScheduleEntry> &Entries() const { return m_entries; }
    int Count() const { return static_cast<int>(m_entries.size()); }
    // The entry's kind, for deleting and taking a deletion back.
    void SetKind(int index, uint8_t kind);
    // Forgets the entries from `count` on (an addition whose index could not be written).
    void Truncate(int count);

private:
    // Where the next text starts behind the header, by the lengths of the texts before it.
    int64_t TextEnd() const;
    // Brings the text file's end to where the table expects the next text: zero bytes for texts
    // that went missing, deleted entries over texts the index does not know.
    bool AlignTextFile(int64_t &fileSize);

    CString m_folder;
    std::vector<ScheduleEntry> m_entries;
    bool m_locked = false;
};
