// What the mail merge asks of the proceeding's view: each chosen document generated out of
// sight, its correspondence fields filled with one contractor after another and printed, and
// the proceeding's own values put back afterwards.
#pragma once

#include "framework/core/cstring.h"
#include "model/document_slots.h"

class SeriesMergeTarget {
public:
    virtual ~SeriesMergeTarget() = default;

    virtual DocumentList GetDocuments() const = 0;
    // The shown document; -1 when none.
    virtual int GetCurrentDocument() const = 0;
    // Generates document (0..139) for the part (-1 the whole document) and shows it.
    virtual void ShowDocument(int document, int part) = 0;
    // Hidden while documents are generated for the series.
    virtual void SetViewVisible(bool visible) = 0;
    // The proceeding's own values of the shown document's correspondence fields: kept, then
    // written back once the series of the document is over.
    virtual void StoreSeriesTexts() = 0;
    virtual void RestoreSeriesTexts() = 0;
    // The four correspondence fields of the shown document; filling stops at the first field
    // the document lacks.
    virtual void FillCorrespondence(const CString &text1, const CString &text2, const CString &text3,
                                    const CString &text4) = 0;
    // The shown document through the print dialog.
    virtual void OnFilePrint() = 0;
};
