// The proceeding's data file: everything the user entered (variable values, variable instances,
// part names, secured documents, page breaks and the password) and which values the user never
// edited, read into and written from the view's tables. The same format carries a proceeding ("<name>.dat"), the document sets
// (".um", ".opr", ".opw") and the template sets' starting data ("data\postepowanie<N>.wy").
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "framework/core/cstring.h"

class CKomentarz2;
struct ViewTables;

const int kNewestFileVersion = 114;
// Longest protected text the file holds, the password among them; the password dialogs
// refuse a longer one.
const int kMaxPasswordLength = 299;
// As many parts as the layout dialog lets the user make.
const int kMaxPartNames = 100;

// Fields of the file that live outside the view's tables.
struct DataFileHeader {
    int32_t version = -1;       // law version of the file's templates
    int32_t procedureCode = -1; // written as code % 100
    CString password;           // "" none
    int32_t storedAfterMarker = 0;
};

struct DataFileMessage {
    CString text;
    CString caption;
    UINT icon; // MB_ICONERROR or MB_ICONEXCLAMATION
};

// What the installation offers: a file is opened only when its law version has templates and
// its procedure kind a configuration file.
class InstalledSets {
public:
    InstalledSets(const CString &mainPath, const CString &userTemplatesPath);
    virtual ~InstalledSets() = default;

    virtual bool HasTemplatesForVersion(int version) const;
    virtual bool HasConfigForVersion(int version, int procedureCode) const;
    // "<main>\data\komentarz<N>.wy", N = code % 100 + 1.
    CString GetCommentFilePath(int procedureCode) const;

private:
    CString m_mainPath;
    CString m_userTemplatesPath;
};

// 6000 variables and the first instance number 2000 for law versions 0..73, else 9000 and 3000.
int VariableCountForVersion(int version);
int FirstDynamicVariableForVersion(int version);

// The text without its trailing "." characters.
CString StripTrailingDots(const CString &text);

// Reads and writes data files. Every call first clears the messages; the caller shows what
// GetMessages holds, in order (a warning may stand before a successful read).
class ProceedingDataFile {
public:
    // Writes the file through a temporary file in the same folder: 1 written, 0 not, the old
    // file then untouched. The procedure code is reduced to code % 100 first; a type outside
    // 0..36 is written, and left in its slot, as -1; an empty password is made "".
    int Write(const CString &path, const CString &name, ViewTables &tables, DataFileHeader &header);

    // Reads the header up to the password: 1 with the stored password ("" none), 0 refused.
    int ReadHeader(const CString &path, CString &storedPassword);

    // 0 read, -1 refused. With headerOnly only the version and the procedure code are read
    // (into header and the tables' loaded version). Otherwise the whole file is checked before
    // anything of it reaches tables and header, so a refused file leaves both as they were; the
    // comment file of the procedure kind is then loaded into comments when it is given (a
    // missing or damaged comment file leaves the table empty and is no failure).
    int Read(const CString &path, bool headerOnly, const InstalledSets &installation, ViewTables &tables,
             DataFileHeader &header, CKomentarz2 *comments);

    const std::vector<DataFileMessage> &GetMessages() const { return m_messages; }

private:
    void AddMessage(const CString &text, const char *caption, UINT icon);

    std::vector<DataFileMessage> m_messages;
};
