// The open proceeding or document set, without a window: its record, tables, comments and the
// state of its files. The proceeding view shows it and keeps its window state to itself.
#pragma once

#include <memory>

#include "framework/core/cstring.h"
#include "model/comment_table.h"
#include "model/data_file.h"
#include "model/project.h"

struct ViewTables;

// What the paths of the documents' files depend on, and the editable document's text.
struct DocumentFileState {
    CString m_strMainPath;
    CString m_strUserTemplatesPath;
    int m_nFileVersion = -1;      // law version of the open data file
    CString m_strEditableText;    // RTF of the shown editable document
    int m_bClearOnFirstClick = 1; // the first click into an editable document empties it
};

struct Proceeding {
    Proceeding();
    ~Proceeding();

    // Large: kept off the stack and out of the object; a reader of the tables includes
    // model/view_tables.h or the header of the one table it reads.
    std::unique_ptr<ViewTables> m_tables;
    CProject m_project;
    DocumentFileState m_files;
    std::unique_ptr<CKomentarz2> m_pComments{new CKomentarz2}; // large; loaded with the proceeding
    DataFileHeader m_header;
    // 0 proceeding, 1 archive, 3 contracts, 5 example, 6 legal remedies, 8 contractor forms.
    int m_nProceedingKind = 0;
    int m_nProcedureCode = 0;
    int m_bModified = 0;
    // Set once the proceeding was loaded whole; a proceeding without it is never saved.
    bool m_bLoaded = false;
};
