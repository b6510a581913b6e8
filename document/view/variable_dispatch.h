// Editing a variable of the shown document: the occurrence under a character position, the
// editor its type calls for, and the new value written into every occurrence of the variable
// in the control, the occurrence table's positions and lengths kept in step with it.
#pragma once

#include <functional>

#include <windows.h>

#include "document/engine/rich_edit_text.h"
#include "document/engine/text_styles.h"
#include "framework/core/cstring.h"

class CKomentarz2;
class CProject;
class ValueEditorRunner;
struct ViewTables;
struct VariableOccurrence;

// What the dispatch reads around the view's tables.
struct DispatchContext {
    int proceedingKind = 0; // 1 archive and 5 example are never edited
    int procedureCode = 0;  // % 100 of 96 and 98: sets that are no proceedings
    int currentDocument = -1;
    CString mainPath; // the program folder, where the legal help lies
    CString schedulePath;
    int euroRate = 0;                   // EURO rate times 10000
    const CString *buyerData = nullptr; // the contracting authority's texts, 8 or more; may be null
    const CKomentarz2 *comments = nullptr;
    CProject *project = nullptr; // the open proceeding's record, for the table editor's criteria
    int legalTopic = -1;         // the legal help's topic of the heading chosen in the specification
};

enum class EditOutcome {
    Refused,     // archive, example, secured document, or no occurrence under the position
    NotEditable, // plain-text or disabled occurrence
    NothingToDo, // a type that has no editor at all, or no editors are registered
    Cancelled,
    Written,
    HelpShown,   // a help link: its topic was asked of the legal help
    EditEntries, // the add-entry link of a repeated block: EntriesBlock() names the block
};

class VariableDispatch {
public:
    VariableDispatch(HWND control, ViewTables &tables, const DispatchContext &context, ValueEditorRunner *editors,
                     int &modified);

    // Edits the variable at the position; character is the key typed on it, 0 for a double
    // click. Marks the proceeding modified unless it may not be edited at all; every outcome
    // from NothingToDo on puts the caret back at the position.
    EditOutcome EditVariableAt(int position, int character);

    // The slot of the occurrence under the position, -1 when none (an occurrence at 0 never counts).
    int FindOccurrence(int position) const;

    // After EditEntries: the block variable whose entries the user wants to change.
    int EntriesBlock() const { return m_entriesBlock; }

private:
    EditOutcome EditText(int slot, int position, int character);
    EditOutcome EditPrice(int slot);
    EditOutcome EditDate(int slot);
    EditOutcome EditList(int slot);
    EditOutcome EditOffersSummary(int slot);
    EditOutcome EditDocumentList(int slot);
    EditOutcome EditGridTable(int slot);
    EditOutcome EditTable(int slot);
    // Options and check boxes (option_dispatch.cpp): the clicked one chosen or toggled, then the
    // marks, enabled flags and styles of everything that hangs on an option of the document.
    EditOutcome EditOption(int slot);
    EditOutcome ShowHelpLink(int slot);
    void ApplyOptionStates(int clickedGroup);
    // Every occurrence whose controlling option is the variable takes its selected flag.
    void RestyleControlledBy(int option, bool enabled);
    void WriteOptionMark(int option);
    void RestyleOccurrence(VariableOccurrence &occurrence);
    bool IsAmount(int variable) const;

    // The value an editor opens with while the variable is untouched.
    bool ShowsStoredValue(int variable) const;
    CString BuyerDataText(int variable) const;
    CString Label(int variable) const;

    void ApplyDateDefault(int variable, const CString &date);
    void KeepOfferValidity(const VariableOccurrence &edited, const CString &date);
    // The value, and its text in every occurrence of the variable.
    void SetValueAndText(int variable, const CString &value);
    void WriteText(int variable, const CString &text, TextStyle enabledStyle);
    // As WriteText, with a text of each occurrence's own (lists headed by the occurrence's name).
    void WriteTextOf(int variable, const std::function<CString(const VariableOccurrence &)> &textOf,
                     TextStyle enabledStyle);
    // Later occurrences, headings and page breaks of the shown document move by the change of
    // length; a disabled occurrence is greyed, an enabled one takes the given style.
    void ReplaceOccurrence(VariableOccurrence &occurrence, const CString &text,
                           TextStyle enabledStyle = TextStyle::Value);
    // The same with RTF; the new length is what the control counts. Returns it.
    int ReplaceOccurrenceWithRtf(VariableOccurrence &occurrence, const CString &rtf, TextStyle enabledStyle);
    void FinishReplacement(VariableOccurrence &occurrence, int oldLength, int newLength, TextStyle enabledStyle);
    void ShiftAfter(int position, int delta, const VariableOccurrence *except);

    VariableOccurrence *Occurrence(int slot) const;
    int OccurrenceCount() const;

    RichEditText m_control;
    ViewTables &m_tables;
    const DispatchContext &m_context;
    ValueEditorRunner *m_editors;
    int &m_bModified;
    int m_entriesBlock = -1;
};

// "RRRR-MM-DD" plus a number of days, "%04d-%02d-%02d"; "" when the text is no date.
CString AddDaysToDateText(const CString &date, int days);
