#include "mainframe/alarm_schedule.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <tuple>

#include "framework/core/temp_file_save.h"
#include "framework/core/codepage.h"

namespace {

const int kHeaderSize = 16;
const int kRecordSize = 12;
const uint8_t kHeaderMark = ',';

struct FileCloser {
    void operator()(FILE *file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<FILE, FileCloser>;

FilePtr OpenFile(const CString &path, const wchar_t *mode)
{
    return FilePtr(_wfopen(Cp1250ToWide(path).c_str(), mode));
}

std::vector<uint8_t> ReadWholeFile(const CString &path, bool &opened)
{
    std::vector<uint8_t> bytes;
    FilePtr file = OpenFile(path, L"rb");
    opened = file != nullptr;
    if (!file)
        return bytes;
    uint8_t buffer[4096];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        bytes.insert(bytes.end(), buffer, buffer + got);
    return bytes;
}

// How many whole records the index holds: its count, bounded by the bytes that follow and by
// the table size; -1 when it is no calendar index.
int RecordCount(const std::vector<uint8_t> &bytes)
{
    if (bytes.size() < kHeaderSize || bytes[0] != kHeaderMark)
        return -1;
    const int32_t count = DecodeScheduleCount(bytes.data());
    const size_t present = (bytes.size() - kHeaderSize) / kRecordSize;
    if (count <= 0)
        return 0;
    size_t usable = static_cast<size_t>(count) < present ? static_cast<size_t>(count) : present;
    return static_cast<int>(usable < AlarmSchedule::kMaxEntries ? usable : AlarmSchedule::kMaxEntries);
}

CString IndexPath(const CString &folder)
{
    return folder + "\\naglowek.dat";
}

CString TextPath(const CString &folder)
{
    return folder + "\\terminarz.dat";
}

bool SameRecord(const uint8_t *record, const AlarmEntry &entry)
{
    return record[0] == entry.kind && record[1] == entry.year && record[2] == entry.month && record[3] == entry.day
           && record[4] == entry.hour && record[5] == entry.minute
           && DecodeScheduleRecord(record).textLength == entry.textLength;
}

std::tuple<int, int, int, int, int> Key(int year, int month, int day, int hour, int minute)
{
    return std::make_tuple(year, month, day, hour, minute);
}

} // namespace

AlarmSchedule::LoadResult AlarmSchedule::Load(const CString &folder, const AlarmMoment &today)
{
    bool opened = false;
    const std::vector<uint8_t> bytes = ReadWholeFile(IndexPath(folder), opened);
    if (!opened)
        return LoadResult::NoFile;
    const int count = RecordCount(bytes);
    if (count < 0)
        return LoadResult::NotCalendar;

    m_alarms.assign(count, AlarmEntry());
    int64_t offset = 0;
    for (int i = 0; i < count; ++i) {
        const uint8_t *record = &bytes[kHeaderSize + i * kRecordSize];
        AlarmEntry &entry = m_alarms[i];
        static_cast<ScheduleEntry &>(entry) = DecodeScheduleRecord(record);
        entry.textOffset = offset > INT32_MAX ? INT32_MAX : static_cast<int32_t>(offset);
        entry.index = i;
        offset += static_cast<int64_t>(entry.textLength) + 1;
        if (offset < 0)
            offset = 0;
    }

    m_due.clear();
    for (const AlarmEntry &entry : m_alarms) {
        const bool thisYear = entry.year + 1900 == today.year;
        const bool notAfterToday = entry.month < today.month || (entry.month == today.month && entry.day <= today.day);
        if (entry.alarm && thisYear && notAfterToday)
            m_due.push_back(entry);
    }
    return LoadResult::Loaded;
}

bool AlarmSchedule::TakeNextDue(const AlarmMoment &now, AlarmEntry &taken)
{
    for (AlarmEntry &entry : m_due) {
        if (entry.kind == 1 || !entry.alarm)
            continue;
        if (Key(entry.year + 1900, entry.month, entry.day, entry.hour, entry.minute)
            > Key(now.year, now.month, now.day, now.hour, now.minute))
            continue;
        entry.alarm = 0;
        if (entry.index >= 0 && entry.index < static_cast<int>(m_alarms.size()))
            m_alarms[entry.index].alarm = 0;
        taken = entry;
        return true;
    }
    return false;
}

bool AlarmSchedule::ClearAlarmInIndex(const CString &folder, const AlarmEntry &entry)
{
    const CString path = IndexPath(folder);
    bool opened = false;
    std::vector<uint8_t> bytes = ReadWholeFile(path, opened);
    if (!opened)
        return false;
    const int count = RecordCount(bytes);
    if (entry.index < 0 || entry.index >= count)
        return true;
    uint8_t *record = &bytes[kHeaderSize + entry.index * kRecordSize];
    if (!SameRecord(record, entry) || !(record[6] & 1))
        return true;
    record[6] &= static_cast<uint8_t>(~1u);

    TempFileSave save(path);
    if (!save.IsReady())
        return false;
    {
        FilePtr file = OpenFile(save.GetTempPath(), L"wb");
        if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
            return false;
        if (std::fflush(file.get()) != 0)
            return false;
    }
    return save.Commit();
}

bool AlarmSchedule::ReadText(const CString &folder, const AlarmEntry &entry, CString &text)
{
    text.Empty();
    FilePtr file = OpenFile(TextPath(folder), L"rb");
    if (!file)
        return false;
    if (std::fseek(file.get(), 0, SEEK_END) != 0)
        return true;
    const long size = std::ftell(file.get());
    const int64_t start = static_cast<int64_t>(kHeaderSize) + entry.textOffset;
    if (size < 0 || start >= size)
        return true;
    int64_t length = entry.textLength == -1 ? size - start - 1 : entry.textLength;
    if (length > size - start)
        length = size - start;
    if (length <= 0)
        return true;
    if (length > kMaxTextLength)
        length = kMaxTextLength;
    char buffer[kMaxTextLength + 1] = {};
    if (std::fseek(file.get(), static_cast<long>(start), SEEK_SET) != 0)
        return true;
    const size_t got = std::fread(buffer, 1, static_cast<size_t>(length), file.get());
    buffer[got] = '\0';
    text = buffer;
    return true;
}
