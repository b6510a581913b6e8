#include "evaluation/calendar/calendar_file.h"

#include <algorithm>
#include <cstring>

#include "model/file_utils.h"
#include "model/little_endian_reader.h"
#include "framework/core/temp_file_save.h"
#include "evaluation/calendar/calendar_month.h"
#include "framework/core/file.h"

namespace {

const uint8_t kHeaderMark = ',';
const uint8_t kHeaderVersion = 2;

// Where the header keeps the entry count and a record its text length.
const int kCountOffset = 10;
const int kTextLengthOffset = 8;

// The 32-bit field at the offset of a header or record of the given size.
int32_t ReadInt32At(const uint8_t *bytes, size_t size, int offset)
{
    LittleEndianReader reader(bytes, size);
    int32_t value = 0;
    reader.Skip(offset);
    reader.ReadInt32(value);
    return value;
}

void WriteInt32(uint8_t *at, int32_t value)
{
    const uint32_t bits = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<uint8_t>(bits >> (8 * i));
}

// The header both files begin with; only its first byte is ever tested.
void AppendHeader(std::vector<uint8_t> &bytes, int32_t count)
{
    uint8_t header[ScheduleBook::kHeaderSize] = {kHeaderMark, kHeaderVersion};
    WriteInt32(header + kCountOffset, count);
    bytes.insert(bytes.end(), header, header + ScheduleBook::kHeaderSize);
}

// The place of the text after the one at `offset` with `length` bytes.
int64_t NextTextOffset(int64_t offset, int32_t length)
{
    return offset + length + 1;
}

bool EnsureFolder(const CString &folder)
{
    return !folder.IsEmpty() && (DirectoryExists(folder) || CreateDirectoryPath(folder));
}

} // namespace

int32_t DecodeScheduleCount(const uint8_t *header)
{
    return ReadInt32At(header, ScheduleBook::kHeaderSize, kCountOffset);
}

ScheduleEntry DecodeScheduleRecord(const uint8_t *record)
{
    ScheduleEntry entry;
    entry.kind = record[0];
    entry.year = record[1];
    entry.month = record[2];
    entry.day = record[3];
    entry.hour = record[4];
    entry.minute = record[5];
    entry.alarm = record[6] & 1;
    entry.priority = (record[6] >> 1) & 1;
    entry.flagD = (record[6] >> 2) & 1;
    entry.textLength = ReadInt32At(record, ScheduleBook::kRecordSize, kTextLengthOffset);
    return entry;
}

ScheduleBook::LoadResult ScheduleBook::LoadHeader()
{
    m_entries.clear();
    m_locked = false;
    if (m_folder.IsEmpty())
        return LoadResult::NoFile;

    CFile file;
    if (!file.Open(IndexPath(), CFile::modeRead | CFile::shareDenyWrite | CFile::typeBinary))
        return LoadResult::NoFile;
    std::vector<uint8_t> bytes;
    try {
        const ULONGLONG size = file.GetLength();
        uint8_t header[kHeaderSize];
        const UINT got = file.Read(header, kHeaderSize);
        if (got == 0 || header[0] != kHeaderMark) {
            m_locked = true;
            return LoadResult::WrongMark;
        }
        const int32_t count = got == kHeaderSize ? DecodeScheduleCount(header) : -1;
        // The records must fill the rest of the file exactly: a cut or overlong file is refused.
        if (count < 0 || size != static_cast<ULONGLONG>(kHeaderSize) + static_cast<ULONGLONG>(count) * kRecordSize) {
            m_locked = true;
            return LoadResult::Damaged;
        }
        bytes.resize(static_cast<size_t>(count) * kRecordSize);
        if (!bytes.empty() && file.Read(bytes.data(), static_cast<UINT>(bytes.size())) != bytes.size()) {
            m_locked = true;
            return LoadResult::Damaged;
        }
    } catch (CException *e) {
        e->Delete();
        m_locked = true;
        return LoadResult::Damaged;
    }

    std::vector<ScheduleEntry> entries(bytes.size() / kRecordSize);
    int64_t offset = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        ScheduleEntry &entry = entries[i];
        entry = DecodeScheduleRecord(&bytes[i * kRecordSize]);
        entry.textOffset = static_cast<int32_t>(offset);
        offset = NextTextOffset(offset, entry.textLength);
        // A length below -1 would step back over other texts; offsets must stay 32-bit. A length
        // no entry can have is one damaged byte: taken, it would pad the text file to gigabytes.
        if (entry.textLength < -1 || entry.textLength > kMaxTextLength || offset > INT32_MAX) {
            m_locked = true;
            return LoadResult::Damaged;
        }
    }
    m_entries.swap(entries);
    return LoadResult::Loaded;
}

bool ScheduleBook::SaveHeader() const
{
    if (m_locked || !EnsureFolder(m_folder))
        return false;
    std::vector<uint8_t> bytes;
    AppendHeader(bytes, static_cast<int32_t>(m_entries.size()));
    bytes.resize(kHeaderSize + m_entries.size() * kRecordSize, 0);
    for (size_t i = 0; i < m_entries.size(); ++i) {
        const ScheduleEntry &entry = m_entries[i];
        uint8_t *record = &bytes[kHeaderSize + i * kRecordSize];
        record[0] = entry.kind;
        record[1] = entry.year;
        record[2] = entry.month;
        record[3] = entry.day;
        record[4] = entry.hour;
        record[5] = entry.minute;
        record[6] = static_cast<uint8_t>((entry.alarm ? 1 : 0) | (entry.priority ? 2 : 0) | (entry.flagD ? 4 : 0));
        WriteInt32(record + kTextLengthOffset, entry.textLength);
    }

    TempFileSave save(IndexPath());
    if (!save.IsReady())
        return false;
    CFile file;
    if (!file.Open(save.GetTempPath(), CFile::modeCreate | CFile::modeWrite | CFile::typeBinary))
        return false;
    try {
        file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
        file.Flush();
        file.Close();
    } catch (CException *e) {
        e->Delete();
        file.Abort();
        return false;
    }
    return save.Commit();
}

int64_t ScheduleBook::TextEnd() const
{
    if (m_entries.empty())
        return 0;
    const ScheduleEntry &last = m_entries.back();
    return NextTextOffset(last.textOffset, last.textLength);
}

bool ScheduleBook::AlignTextFile(int64_t &fileSize)
{
    // A last text of unknown length reaches to the end of the file: it gets its length now,
    // or the texts added behind it would become part of it.
    if (!m_entries.empty() && m_entries.back().textLength == -1) {
        const int64_t length = fileSize - kHeaderSize - m_entries.back().textOffset - 1;
        m_entries.back().textLength = static_cast<int32_t>(length < 0 ? 0 : std::min<int64_t>(length, kMaxTextLength));
    }
    // Each stored length stays one an entry can have, so the index reads back.
    for (int64_t expected = kHeaderSize + TextEnd(); fileSize > expected; expected = kHeaderSize + TextEnd()) {
        if (Count() >= kMaxEntries)
            return false;
        ScheduleEntry filler;
        filler.kind = 1;
        filler.textOffset = static_cast<int32_t>(TextEnd());
        filler.textLength = static_cast<int32_t>(std::min<int64_t>(fileSize - expected - 1, kMaxTextLength));
        m_entries.push_back(filler);
    }
    return true;
}

ScheduleBook::AppendResult ScheduleBook::AppendEntry(const ScheduleNote &note)
{
    if (m_locked)
        return AppendResult::Locked;
    if (Count() >= kMaxEntries)
        return AppendResult::Full;
    if (note.year < 1900 || note.year > 1900 + 255 || note.day < 1
        || note.day > CalendarMonthDays(note.year, note.month) || note.hour < 0 || note.hour > 23 || note.minute < 0
        || note.minute > 59)
        return AppendResult::Failed;
    if (!EnsureFolder(m_folder))
        return AppendResult::Failed;

    CFile file;
    if (!file.Open(TextPath(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite | CFile::shareDenyWrite
                                   | CFile::typeBinary))
        return AppendResult::Failed;
    const std::vector<ScheduleEntry> before = m_entries;
    ULONGLONG startSize = 0;
    try {
        startSize = file.GetLength();
        std::vector<uint8_t> bytes;
        int64_t size = static_cast<int64_t>(startSize);
        if (size == 0) {
            AppendHeader(bytes, Count());
            size = kHeaderSize;
        }
        if (!AlignTextFile(size)) {
            m_entries = before;
            file.Close();
            return AppendResult::Full;
        }
        // Texts the index knows but the file lost become empty ones.
        const int64_t expected = kHeaderSize + TextEnd();
        if (size < expected)
            bytes.resize(bytes.size() + static_cast<size_t>(expected - size), 0);
        const int64_t offset = TextEnd();
        if (offset + note.text.GetLength() + 1 > INT32_MAX || Count() >= kMaxEntries) {
            m_entries = before;
            file.Close();
            return AppendResult::Full;
        }
        bytes.insert(bytes.end(), (LPCSTR)note.text, (LPCSTR)note.text + note.text.GetLength());
        bytes.push_back(0);
        file.SeekToEnd();
        file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
        file.Flush();
        file.Close();

        ScheduleEntry entry;
        entry.year = static_cast<uint8_t>(note.year - 1900);
        entry.month = static_cast<uint8_t>(note.month);
        entry.day = static_cast<uint8_t>(note.day);
        entry.hour = static_cast<uint8_t>(note.hour);
        entry.minute = static_cast<uint8_t>(note.minute);
        entry.alarm = note.alarm ? 1 : 0;
        entry.priority = note.priority ? 1 : 0;
        entry.flagD = note.flagD ? 1 : 0;
        entry.kind = 0;
        entry.textOffset = static_cast<int32_t>(offset);
        entry.textLength = note.text.GetLength();
        m_entries.push_back(entry);
    } catch (CException *e) {
        e->Delete();
        m_entries = before;
        // A text written only in part would shift every later one: the file goes back.
        try {
            file.SetLength(startSize);
        } catch (CException *again) {
            again->Delete();
        }
        file.Abort();
        return AppendResult::Failed;
    }
    return AppendResult::Appended;
}

bool ScheduleBook::ReadDayEntries(int year, int month, int day, std::vector<ScheduleDayEntry> &found) const
{
    found.clear();
    if (m_folder.IsEmpty())
        return false;
    CFile file;
    if (!file.Open(TextPath(), CFile::modeRead | CFile::shareDenyNone | CFile::typeBinary))
        return false;
    try {
        const int64_t size = static_cast<int64_t>(file.GetLength());
        for (int i = 0; i < Count(); ++i) {
            const ScheduleEntry &entry = m_entries[i];
            if (entry.kind != 0 || entry.year + 1900 != year || entry.month != month || entry.day != day)
                continue;
            ScheduleDayEntry shown;
            shown.index = i;
            const int64_t start = kHeaderSize + static_cast<int64_t>(entry.textOffset);
            int64_t length = entry.textLength == -1 ? size - start - 1 : entry.textLength;
            // A text cut short by the end of the file shows what is there.
            if (length > size - start)
                length = size - start;
            if (length > 0) {
                std::vector<char> text(static_cast<size_t>(length));
                file.Seek(start, CFile::begin);
                const UINT got = file.Read(text.data(), static_cast<UINT>(length));
                shown.text = CString(text.data(), static_cast<int>(strnlen(text.data(), got)));
            }
            found.push_back(shown);
        }
    } catch (CException *e) {
        e->Delete();
        found.clear();
        return false;
    }
    return true;
}

void ScheduleBook::SetKind(int index, uint8_t kind)
{
    if (index >= 0 && index < Count())
        m_entries[index].kind = kind;
}

void ScheduleBook::Truncate(int count)
{
    if (count >= 0 && count < Count())
        m_entries.resize(count);
}
