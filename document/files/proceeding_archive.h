// Moving a finished proceeding to the archive folder. Its files are copied into a folder of its
// own under the archive folder and compared with their originals (a file that does not copy is
// reported and the move goes on), then its record (marked as archived) and its data file are
// written there and read back. The proceeding's own copy in the folder of current proceedings
// stays as it was. When the record or the data file cannot be stored, what was written in the
// archive is taken away and the record is left as it was.
#pragma once

#include <vector>

#include "model/data_file.h"
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
    CString workingPath; // the folder of current proceedings
    CString archivePath;
    CString signature;                    // the archive folder's name
    CString description;                  // stored as the data file's name
    DataFileHeader header;                // version and field 11 as read
    const CString *editableRtf = nullptr; // the free-text document, written to spec.dat when given
};

class ProceedingArchive {
public:
    ProceedingArchive(ViewTables &tables, CProject &project);

    // 0 when the folder <archivePath>\<signature> was created; -1 when it was not (the reason
    // in GetMessages).
    int CreateArchiveFolder(const CString &archivePath, const CString &signature);

    // 1 when the proceeding now lives in the archive: the record holds the signature as its
    // name, the archive folder as its folder and the archived procedure code. 0 when it was
    // not moved: the record and the archive folder are as before.
    int Move(const ArchiveMoveRequest &request);

    // Why a step failed, and each file that did not copy.
    const std::vector<DataFileMessage> &GetMessages() const { return m_messages; }

private:
    // The files that go with the proceeding besides its record and data file: every file of
    // a folder of its own, else its attached files and free-text document.
    std::vector<CString> FilesToCopy(const CString &folder) const;
    bool IsOwnFolder(const CString &folder, const CString &workingPath) const;
    void AddMessage(const CString &text, const CString &caption, UINT icon);

    ViewTables &m_tables;
    CProject &m_project;
    std::vector<DataFileMessage> m_messages;
    bool m_ownFolder = false; // the proceeding's folder holds nothing but the proceeding
};
