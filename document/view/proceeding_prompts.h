// Questions that opening and saving a proceeding ask through dialogs of the proceeding window's
// layer, which lies above the view. The program installs them before it opens a proceeding;
// without them a question cannot be asked and the answer is "no".
#pragma once

#include <functional>
#include <vector>

#include "framework/core/cstring.h"
#include "model/document_slots.h"


class CCriteriaData;
class CWnd;

// The parts of a divided proceeding as the layout dialog shows and returns them.
struct PartLayout {
    std::vector<CString> names;
    std::vector<int> active; // 1 active, 0 deleted; one per name
};

// Puts text into the shown document: position -1 at its start, 1 at its end, 0 at the caret;
// format 1 for names and headings, 0 for their text.
using InsertTextFunction = std::function<void(int position, const CString &text, int format)>;

class ProceedingPrompts {
public:
    virtual ~ProceedingPrompts() = default;
    // True when the user typed the stored password.
    virtual bool AskPassword(CWnd *parent, const CString &storedPassword) = 0;
    // The password chosen for a proceeding being saved; "" for none, also after Cancel.
    virtual CString ChooseProtection(CWnd *parent) = 0;
    // The name of a proceeding saved for the first time or under another name. True once the
    // name was accepted and its folder made in the working folder; false on Cancel.
    virtual bool AskProceedingName(CWnd *parent, CString &name) = 0;
    // True when the user confirmed the stored password and chose the new one ("" removes it).
    virtual bool AskNewPassword(CWnd *parent, const CString &storedPassword, CString &newPassword) = 0;
    // The secured flags of the documents as the user left them, and whether the proceeding is
    // to go to the archive; false on Cancel.
    virtual bool EditDocumentProperties(CWnd *parent, const DocumentSlot (&documents)[kDocumentSlots], int secured[kDocumentSlots],
                                        bool &archive) = 0;
    // The parts as the user left them; false on Cancel. With firstFixed the first part cannot
    // be marked deleted.
    virtual bool EditPartLayout(CWnd *parent, bool firstFixed, PartLayout &layout) = 0;
    // Runs evaluation calculator type (0 price, 1 delivery term, 2 points balance) on the
    // record; returns the record the calculator holds when it closes, which the caller owns.
    virtual CCriteriaData *RunCriteriaCalculator(CWnd *parent, int type, CCriteriaData *record) = 0;
    // Runs the technical-specification wizard, which puts what the user picks through insertText.
    virtual void RunSpecificationWizard(CWnd *parent, const InsertTextFunction &insertText) = 0;
};

void SetProceedingPrompts(ProceedingPrompts *prompts);
ProceedingPrompts *GetProceedingPrompts();
