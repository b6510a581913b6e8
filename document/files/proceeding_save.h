// Writing an open proceeding or document set to its files: the data file, and for a
// proceeding also the record file, "spec.dat" of the free-text document and the proceeding's
// database row. The files are replaced together or not at all, so a failed save leaves the
// previous save whole.
#pragma once

#include <functional>
#include <vector>

#include "model/data_file.h"
#include "framework/core/cstring.h"

class CProject;
struct ViewTables;

struct ProceedingSaveRequest {
    int kind = 0; // what the window holds (document_sets.h)
    // False until the proceeding was loaded whole: such a window is never saved, so that a
    // failed opening can never write an empty proceeding over good files.
    bool loaded = false;
    DataFileHeader header;                // version and field 11 as read; code and password come from the record
    const CString *editableRtf = nullptr; // written to spec.dat when given
};

class ProceedingSave {
public:
    using DatabaseRecorder = std::function<void(CProject &project)>;

    ProceedingSave(ViewTables &tables, CProject &project, DatabaseRecorder recordInDatabase);

    // 1 when every file was written; 0 when nothing was, the old files then as they were, with
    // the reason in GetMessages (none for an example, which is never saved).
    int Save(const ProceedingSaveRequest &request);

    const std::vector<DataFileMessage> &GetMessages() const { return m_messages; }

private:
    void AddMessage(const CString &text);

    ViewTables &m_tables;
    CProject &m_project;
    DatabaseRecorder m_recordInDatabase;
    std::vector<DataFileMessage> m_messages;
};

// The closing question of a modified proceeding. save runs the save and gives its result;
// true when the window may close: not modified, an archive or example, "Nie", or "Tak" and a
// save that succeeded. closing is set once the question is settled.
bool ConfirmClosing(int kind, bool modified, const CString &name, const std::function<int()> &save, bool &closing);
