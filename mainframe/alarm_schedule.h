// The calendar's alarms as the main window keeps them: every record of the calendar index
// "naglowek.dat" in file order, and those of them that can fall due this year. The texts stay
// in "terminarz.dat" and are read only when an alarm is shown.
#pragma once

#include <cstdint>
#include <vector>

#include "evaluation/calendar/calendar_file.h"
#include "framework/core/cstring.h"

struct AlarmEntry : ScheduleEntry {
    int32_t index = 0; // in the due table: the entry's place in the alarm table
};

// A local moment with the full year.
struct AlarmMoment {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
};

class AlarmSchedule {
public:
    static constexpr int kMaxEntries = 1000;
    // The longest text an alarm shows; longer ones are cut.
    static constexpr int kMaxTextLength = 999;

    enum class LoadResult { Loaded, NoFile, NotCalendar };

    // Reads the index of the calendar folder; today decides which alarms are due. Without a
    // readable index, or with one that does not begin with ',', the tables stay as they were.
    // A count beyond the records the file holds reads the records that are there.
    LoadResult Load(const CString &folder, const AlarmMoment &today);
    void ClearDue() { m_due.clear(); }

    // Takes the next due alarm whose moment has come, clears its alarm flag in both tables and
    // returns true; false when none is left.
    bool TakeNextDue(const AlarmMoment &now, AlarmEntry &taken);

    // Clears the alarm flag of the entry in the index file as it is on disk now, so what the
    // calendar wrote since the load is kept. A record that no longer matches the entry is left
    // alone. False when the file could not be read or written.
    static bool ClearAlarmInIndex(const CString &folder, const AlarmEntry &entry);
    // The entry's text from the text file, at most kMaxTextLength bytes; false when the file
    // cannot be opened.
    static bool ReadText(const CString &folder, const AlarmEntry &entry, CString &text);

    const std::vector<AlarmEntry> &Alarms() const { return m_alarms; }
    const std::vector<AlarmEntry> &Due() const { return m_due; }

private:
    std::vector<AlarmEntry> m_alarms;
    std::vector<AlarmEntry> m_due;
};
