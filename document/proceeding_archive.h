// Moving a finished proceeding to the archive folder. Its files are copied into a folder of its
// own under the archive folder and compared with their originals, its record (marked as
// archived) and its data file are written there and read back, its database row is written,
// and only then are the originals removed from the folder of current proceedings. A failure
// before that point takes away what was written in the archive and leaves the proceeding as it
// was, so a proceeding is never lost on the way.
#pragma once

#include <functional>
#include <vector>

#include "document/data_file.h"
#include "framework/core/cstring.h"

class CProject;
struct ViewTables;

// ".ar" and the procedure code modulo 100 ("%d" below 10, "a" for 10, "b" for 11); "" for
// other codes. The fallback signature of a proceeding without a name.
CString ArchiveExtension(int procedureCode);
// The procedure code an archived proceeding's record carries.
int ArchivedProcedureCode(int procedureCode);
// False while a generated document is not secured; Word, Excel and PDF files need no securing
// and documents of other states take no part.
bool AreDocumentsSecured(const ViewTables &tables);

struct ArchiveMoveRequest {
    CString workingPath;                  // the folder of current proceedings
    CString archivePath;
    CString signature;                    // the archive folder's name
    CString description;                  // stored as the data file's name
    DataFileHeader header;                // version and field 11 as read
    const CString *editableRtf = nullptr; // the free-text document, written to spec.dat when given
};

class ProceedingArchive {
public:
    using DatabaseRecorder = std::function<void(CProject &project)>;

    ProceedingArchive(ViewTables &tables, CProject &project, DatabaseRecorder recordInDatabase);

    // 0 when the folder <archivePath>\<signature> was created; -1 when it was not (the reason
    // in GetMessages).
    int CreateArchiveFolder(const CString &archivePath, const CString &signature);

    // 1 when the proceeding now lives in the archive: the record holds the signature as its
    // name, the archive folder as its folder and the archived procedure code. 0 when it was
    // not moved: the record, the original files and the archive folder are as before.
    int Move(const ArchiveMoveRequest &request);

    // Why a step failed; after a move, also originals that could not be removed.
    const std::vector<DataFileMessage> &GetMessages() const { return m_messages; }

private:
    struct FileToMove {
        CString name;    // a plain file name inside the proceeding's folder
        bool removable;  // removed from the folder of current proceedings after the move
    };
    // The files that go with the proceeding besides its record and data file: every file of
    // a folder of its own, else its attached files and free-text document, which stay behind.
    std::vector<FileToMove> FilesToMove(const CString &folder) const;
    bool IsOwnFolder(const CString &folder, const CString &workingPath) const;
    // Removes the originals after a move; false when some stayed.
    bool RemoveOriginals(const CString &folder, const std::vector<CString> &files) const;
    void AddMessage(const CString &text, const CString &caption, UINT icon);

    ViewTables &m_tables;
    CProject &m_project;
    DatabaseRecorder m_recordInDatabase;
    std::vector<DataFileMessage> m_messages;
    bool m_ownFolder = false; // the proceeding's folder holds nothing but the proceeding
};
