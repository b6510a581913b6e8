// The file behind each document of a proceeding: office files of the document set copied into
// the proceeding folder on first use, RTF templates in the template folder of the proceeding's
// law version, the typed text of an editable document, links; and the kinds of attached files.
#pragma once

#include "framework/core/cstring.h"
#include "model/proceeding.h"

// Tree image of a file by its extension (any letter case).
int FileKindByExtension(const CString &extension);
// "<code % 100 + 1>\".
CString GetCodeSubfolder(int procedureCode);

class DocumentFiles {
public:
    DocumentFiles(const ViewTables &tables, const CProject &project, DocumentFileState &state)
        : m_tables(tables), m_project(project), m_state(state)
    {
    }

    // "" for a document without a file. An office file missing from the proceeding folder is
    // copied there from the installation's "zp" folder when copyMissing is set.
    CString GetDocumentFilePath(int document, bool noLinks, bool copyMissing) const;
    // Every office file of the set that the proceeding folder lacks, copied there.
    void CopyMissingOfficeFiles() const;
    // A generated or editable document whose file is an RTF template.
    bool IsTemplateDocument(int document) const;
    // The RTF the document is generated from; "" when there is none or it cannot be read (a
    // read error is told to the user and what was read is used).
    CString ReadDocumentTemplate(int document) const;

private:
    const ViewTables &m_tables;
    const CProject &m_project;
    DocumentFileState &m_state;
};
