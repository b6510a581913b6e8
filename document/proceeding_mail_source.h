// What sending documents by e-mail asks of the proceeding's view: the proceeding's documents,
// generated out of sight one at a time and written as RTF files.
#pragma once

#include "framework/core/cstring.h"
#include "model/document_slots.h"

class ProceedingMailSource {
public:
    virtual ~ProceedingMailSource() = default;

    virtual CString GetProceedingTitle() const = 0;
    virtual DocumentList GetDocuments() const = 0;
    // The shown document; -1 when none.
    virtual int GetCurrentDocument() const = 0;
    // Generates document (0..139) for the part (-1 the whole document) and shows it.
    virtual void ShowDocument(int document, int part) = 0;
    // Hidden while documents are generated only to be written.
    virtual void SetViewVisible(bool visible) = 0;
    // 1 when the cleaned shown document was written to path as RTF.
    virtual int ExportToFile(const CString &path) = 0;
};
