// Generation of a document: its RTF template turned into the shown document and streamed into
// the view's rich-edit control once. Division blocks stay or go, repeated blocks are expanded,
// headings are formatted, and every variable tag is replaced by its value rendered by type and
// styled by its state. Each replacement is recorded in the document's occurrence block at the
// position the control counts, which the plain-text model of the finished RTF gives.
#pragma once

#include <windows.h>

#include <memory>
#include <utility>
#include <vector>

#include "document/engine/rich_edit_text.h"
#include "document/engine/rtf_plain_model.h"
#include "framework/core/cstring.h"

class RtfDocumentBuilder;
struct FormatRange;

// What the last generation put where, as the plain-text model of its RTF counts it: each
// occurrence's place and the format its styles give it (the fields of its mask).
struct PredictedOccurrence {
    int position;
    int length;
    CHARFORMAT2W format;
};
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

    // The plain text the last generation streamed in, as the model counts it; null before.
    const RtfPlainModel *ShownModel() const { return m_shown.get(); }
    const std::vector<PredictedOccurrence> &Prediction() const { return m_prediction; }
    // The paper, margins and orientation the shown document's template states; nothing stated
    // before a generation.
    RichTextPageSetup ShownPageSetup() const { return m_shown ? m_shown->PageSetup() : RichTextPageSetup(); }

    int m_nCurrentDocument = -1;
    int m_nCurrentPart = 0;
    int m_bShownIsSiwz = 0;

private:
    void ResolveDivisionBlocks(RtfDocumentBuilder &document);
    void ResolveDivisionPair(RtfDocumentBuilder &document, const char *opener, const char *closer, bool keepText);
    bool ExpandBlocks(RtfDocumentBuilder &document, bool perPart, int part);
    void ReinsertPageBreaks(int index, const CString &marker, CString &rtf, std::vector<FormatRange> &formats);
    int MarkerOffset(int position, const CString &rtf) const;
    void ApplyFormats(const std::vector<FormatRange> &formats);

    RichEditText m_control;
    ViewTables &m_tables;
    GenerationHost &m_host;
    bool m_bHoldsCurrent = false;
    std::unique_ptr<RtfPlainModel> m_shown;
    std::vector<PredictedOccurrence> m_prediction;
};
