// The modal value editors as the document view asks for them. The editors are dialogs of the
// proceeding window's library, which lies above this one: the proceeding window registers the
// runner that opens them, and tests register one that answers without a dialog.
#pragma once

#include "framework/core/cstring.h"

class CProject;

struct TextEditRequest {
    CString helpFolder;        // folder that holds the legal help
    CString label;             // the variable's comment text; may be empty
    int legalTopic = -1;       // topic of the legal help program, -1 none
    CString variableName;      // the clicked occurrence's name
    CString value;             // in and out; the editor hands line ends back as "\r\n"
    int keyChar = 0;           // typed on the variable; 0 none
    int clickOffset = 0;       // caret offset inside the occurrence
    int windowWidth = 0;       // 0 keeps the dialog's own width
    int propagationIndex = -1; // default-list index of the variable, -1 none
};

struct PriceEditRequest {
    CString caption; // the occurrence's name
    CString label;   // text before the value; empty keeps the editor's own
    CString value;   // in and out; comes back digit-grouped
};

struct DateEditRequest {
    CString schedulePath;
    CString variableName;
    CString value; // "RRRR-MM-DD", in and out
    int mode = 0;  // 0 date only, 1 with the calendar, 2 also the deadline calculator
    int procedureCode = 0;
    bool worksOrder = false; // the proceeding's order is for works
};

struct ListEditRequest {
    int listKind = 0;   // the variable's type minus 4
    int partCount = -1; // the proceeding's parts, -1 undivided
    CString value;      // the rows text, in and out: a line per row, cells separated by "|"
};

struct OffersSummaryEditRequest {
    CString value; // in and out: a line per offer, cells separated by " | "
};

struct DocumentListEditRequest {
    CString caption; // the occurrence's name
    CString value;   // document names, each followed by "|"; in and out
};

struct GridTableEditRequest {
    int mode = 0;    // 0 type 31, 1 type 30 (numbered rows), 2 type 36 (columns may change)
    CString caption; // the occurrence's name
    CString value;   // the grid text, in and out: headings, then "heading=cell" rows
};

struct TableEditRequest {
    CProject *project = nullptr; // whose evaluation criteria the table may set; may be null
    CString name;                // the occurrence's name
    CString value;               // the ";" table text, in and out
};

class ValueEditorRunner {
public:
    virtual ~ValueEditorRunner() = default;
    // Each opens its editor modally: true when the user confirmed, the request's value then
    // holds the result; false leaves the request as it was given.
    virtual bool EditText(TextEditRequest &request) = 0;
    virtual bool EditPrice(PriceEditRequest &request) = 0;
    virtual bool EditDate(DateEditRequest &request) = 0;
    // Runners without these editors answer as if they were cancelled.
    virtual bool EditList(ListEditRequest &request);
    virtual bool EditOffersSummary(OffersSummaryEditRequest &request);
    virtual bool EditDocumentList(DocumentListEditRequest &request);
    virtual bool EditGridTable(GridTableEditRequest &request);
    virtual bool EditTable(TableEditRequest &request);
};

// One runner for the whole program; null until the proceeding window registers it.
void SetValueEditorRunner(ValueEditorRunner *runner);
ValueEditorRunner *GetValueEditorRunner();
