// Loading a proceeding or document set into the view's tables, without the window: the record
// file, the data file's password, and the data file with its template set's configuration.
// Any of them that cannot be read makes the opening fail with a message, so that a window
// showing a half-loaded proceeding is never taken for the proceeding and saved over it.
#pragma once

#include <vector>

#include "model/data_file.h"
#include "framework/core/cstring.h"

class CKomentarz2;
class CProject;
struct DefaultValues;
struct ViewTables;

const int kLoadNewProceeding = 1; // from the template set's starting data file
const int kLoadOwnFile = 0;

class ProceedingOpen {
public:
    ProceedingOpen(const CString &mainPath, const InstalledSets &installation);

    // The record file <folder>\<name>.baz into the record, once a save of the proceeding that
    // was cut short has been completed or discarded; read once more from its first byte
    // when the first reading failed; 1 read, 0 with a message.
    int ReadRecord(CProject &project, const CString &folder, const CString &name);

    // The data file's stored password ("" none); 1 read, 0 with a message.
    int ReadPassword(const CString &dataPath, CString &storedPassword);

    // Resets the tables, reads the data file's header, the configuration of its law version
    // and procedure kind, then the whole data file. 1 loaded; 0 with the messages, and the
    // proceeding must not be shown or saved.
    int Load(int mode, const CString &dataPath, CProject &project, const DefaultValues &defaults, ViewTables &tables,
             DataFileHeader &header, CKomentarz2 *comments);

    const std::vector<DataFileMessage> &GetMessages() const { return m_messages; }

private:
    void AddMessage(const CString &text, const char *caption, UINT icon);
    void TakeMessages(const ProceedingDataFile &file);
    // Completes or discards a save of these files that was cut short; false with a message.
    bool FinishSave(const std::vector<CString> &files);

    CString m_mainPath;
    const InstalledSets &m_installation;
    std::vector<DataFileMessage> m_messages;
};
