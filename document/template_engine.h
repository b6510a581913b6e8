// Generation of a document: its RTF template streamed into the view's rich-edit control and
// turned into the shown document. Division blocks stay or go, repeated blocks are expanded,
// headings are formatted, and every variable tag is replaced by its value rendered by type and
// styled by its state. Each replacement is recorded in the document's occurrence block at the
// position the control counts.
#pragma once

#include <windows.h>

#include "document/rich_edit_text.h"
#include "framework/core/cstring.h"

struct ViewTables;

// What generation asks of the view around the control.
class GenerationHost {
public:
    virtual ~GenerationHost() = default;
    // Keeps the RTF of the shown editable document before another one replaces it; 1 when it
    // did.
    virtual int CaptureEditableText() = 0;
    // The RTF template of a document; "" when it cannot be read.
    virtual CString ReadDocumentTemplate(int document) = 0;
    virtual void SetProgressRange(int) {}
    virtual void SetProgressPos(int) {}
    virtual void UpdateStatusBar() {}
};

class TemplateEngine {
public:
    TemplateEngine(HWND control, ViewTables &tables, GenerationHost &host);

    // Generates document index (0..139) into the control. part is the part of a divided
    // proceeding for a per-part document, -1 for none (part 0 is shown); it is kept as given.
    // A document outside 0..139 or not generated (state 3) leaves everything as it was.
    void ShowDocument(int index, int part);

    // 0 when undivided, else the document's per-part flag; 0 outside 0..139.
    int IsPartDocument(int document) const;

    // Whether the control holds the current document as its generation left it (and as the
    // user edited it since). A generation that stopped part way leaves text of no document
    // there, which must never be kept as the editable document's text.
    bool HoldsCurrentDocument() const { return m_bHoldsCurrent; }

    int m_nCurrentDocument = -1;
    int m_nCurrentPart = 0;
    int m_bShownIsSiwz = 0;

private:
    void ResolveDivisionBlocks();
    void ResolveDivisionPair(const char *opener, const char *closer, bool keepText);
    void ReinsertPageBreaks(int index);

    RichEditText m_control;
    ViewTables &m_tables;
    GenerationHost &m_host;
    bool m_bHoldsCurrent = false;
};
