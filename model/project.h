// The proceeding record: what the program knows of a proceeding beside its documents. It is
// stored in the record file "<folder>\<file name>.baz", written in version 9 and read in
// versions 0 to 9 (the oldest files carry no version number at all).
#pragma once

#include <cstdint>

#include "model/criteria_data.h"
#include "framework/core/archive.h"
#include "framework/core/ctime.h"
#include "framework/core/cstring.h"
#include "framework/core/object.h"

class CProject : public CObject {
    DECLARE_SERIAL(CProject)
public:
    static constexpr int kMaxAttachedFiles = 100;
    static constexpr int32_t kRecordVersion = 9;
    static constexpr int32_t kLawVersionBeforeRecorded = 28; // records older than version 8

    // Hands out the next database id of a proceeding; false when it cannot, and the record's
    // id then stays as it was. The application installs the counter of its main database.
    using IdCounter = bool (*)(int32_t &id);
    static void SetIdCounter(IdCounter counter);

    CProject();
    ~CProject() override;

    // Stores into or loads from the archive, as its direction says; 1 on success, 0 on failure.
    // Storing, path names the record file being replaced: an old record's creation time comes
    // from it. A failed load empties name, spare text, codes, attached files and the evaluation
    // record and sets m_nLoadFailed, after which callers read the file once more from its first
    // byte as the oldest layout.
    using CObject::Serialize;
    int Serialize(CArchive &ar, const CString &path);

    void SetFolder(const CString &path); // blanks and backslashes trimmed from both ends
    CString GetFolder() const;
    CString GetProjectFilePath() const; // <folder>\<file name>.baz, "" without folder or name
    CString GetDocumentPath() const;    // <folder>\<file name>.<extension>
    CString GetSpecPath() const;        // <folder>\spec.dat, "" without folder
    void ResetCriteria();               // a new, empty evaluation record
    void NextId();                      // a new database id from the installed counter
    bool HasFileName() const;
    void SetFileName(const CString &fileName, const CString &extension);
    CString GetFileName() const;

    // The placeholder time of records older than version 6: 1980-01-01 01:01:01 local time.
    static CTime PlaceholderTime();

    CString m_strSpare; // kept in the record file, read by nothing
    CString m_strFolder;
    CString m_strFileName;
    CString m_strExtension;     // of the data file, without the point
    CCriteriaData *m_pCriteria; // owned
    int32_t m_nProcedureCode;
    int32_t m_nAttachedCount; // entries of m_strAttachedFiles in use, 0 to 100
    int32_t m_nOrderType;
    CString m_strName; // the proceeding's name
    CString m_strAttachedFiles[kMaxAttachedFiles];
    CString m_strHeader;
    CString m_strFooter;
    int32_t m_nPageNumbering;
    CString m_strPassword; // never in the record file
    CTime m_timeCreated;
    CTime m_timeModified;
    int32_t m_nLawVersion;
    int32_t m_nReserved; // kept in the record file, read by nothing
    int32_t m_nDatabaseId;
    int32_t m_nLoadFailed; // 1 after a failed load

private:
    void Store(CArchive &ar, const CString &path);
    void Load(CArchive &ar);

    static IdCounter s_idCounter;
};
