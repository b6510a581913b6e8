// The view's way into variable editing: a double click or a key typed on a variable of an
// ordinary document opens the variable's editor.
#include "document/view/morvelank_view.h"
#include "model/view_tables.h"

#include "app/app_settings.h"

#include "document/view/value_editor_runner.h"
#include "document/view/scroll_keeper.h"
#include "document/view/variable_dispatch.h"
#include "document/engine/variable_tags.h"

void CMorvelankView::InsertVariableAt(int position, int character)
{
    DispatchContext context;
    context.proceedingKind = m_proceeding.m_nProceedingKind;
    context.procedureCode = m_proceeding.m_nProcedureCode;
    context.currentDocument = GetCurrentDocument();
    context.mainPath = m_proceeding.m_files.m_strMainPath;
    context.comments = m_proceeding.m_pComments.get();
    context.project = &m_proceeding.m_project;
    CString buyerData[9];
    context.legalTopic = IsShownSiwz() ? LookUpTopic() : -1;
    if (const AppSettings *settings = GetProgramSettings()) {
        context.schedulePath = settings->SchedulePath;
        context.euroRate = settings->EuroRate;
        // A field never entered offers nothing: its own name is no value.
        for (int field = 0; field < 9; ++field)
            if (!IsBuyerDataPlaceholder(field, settings->BuyerData[field]))
                buyerData[field] = settings->BuyerData[field];
        context.buyerData = buyerData;
    }
    VariableDispatch dispatch(m_hWnd, *m_proceeding.m_tables, context, GetValueEditorRunner(),
                              m_proceeding.m_bModified);
    const ScrollKeeper scroll(m_hWnd, position);
    if (dispatch.EditVariableAt(position, character) == EditOutcome::EditEntries) {
        m_hint.HideHint();
        EditRepeatInstances(dispatch.EntriesBlock());
        return;
    }
    scroll.Restore();
}

void CMorvelankView::OnLButtonDblClk(UINT, CPoint)
{
    // The first click of the two has put the caret on the variable.
    long start = 0, end = 0;
    GetRichEditCtrl().GetSel(start, end);
    InsertVariableAt(static_cast<int>(start), 0);
}

void CMorvelankView::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    const int state = GetDocumentState(-1);
    if (nChar == VK_TAB || (state != kStateGenerated && state != kStateEditable)) {
        CRichEditView::OnChar(nChar, nRepCnt, nFlags);
        return;
    }
    if (state == kStateEditable) {
        m_proceeding.m_bModified = 1;
        CRichEditView::OnChar(nChar, nRepCnt, nFlags);
        return;
    }
    // A generated document's text is never typed into. A character 0 names an occurrence slot
    // plus one in its repeat count: the caret goes to that occurrence first.
    if (nChar == 0) {
        const int slot = static_cast<int>(nRepCnt) - 1;
        const OccurrenceBlock *block =
            static_cast<const OccurrenceTable &>(m_proceeding.m_tables->m_occurrences).Block(GetCurrentDocument());
        const VariableOccurrence *occurrence = block && slot < GetVariableCount() ? block->Variable(slot) : nullptr;
        if (occurrence)
            GetRichEditCtrl().SetSel(occurrence->position, occurrence->position);
    }
    long start = 0, end = 0;
    GetRichEditCtrl().GetSel(start, end);
    InsertVariableAt(static_cast<int>(start), static_cast<int>(nChar));
}

void CMorvelankView::OnEditVariable()
{
    long start = 0, end = 0;
    GetRichEditCtrl().GetSel(start, end);
    InsertVariableAt(static_cast<int>(start), 0);
}

void CMorvelankView::OnUpdateEditVariable(CCmdUI *pCmdUI)
{
    pCmdUI->Enable(m_bOverVariable && !m_bOverPageBreak);
}

CString CMorvelankView::LookUpVariableValue(const CString &tag)
{
    const int document = GetCurrentDocument();
    const ViewTables &tables = *m_proceeding.m_tables;
    const OccurrenceBlock *block = static_cast<const OccurrenceTable &>(tables.m_occurrences).Block(document);
    if (!block)
        return CString();
    const int variable = DecodeVariableId(tag);
    CString number;
    number.Format("%d", variable);
    if (number == tag)
        return tables.IsVariableNumber(variable) ? tables.m_variables[variable].value : CString();
    for (int slot = 0; slot < GetVariableCount(); ++slot) {
        const VariableOccurrence *occurrence = block->Variable(slot);
        if (!occurrence)
            break;
        if (occurrence->name == tag && m_proceeding.m_tables->IsVariableNumber(occurrence->variable))
            return m_proceeding.m_tables->m_variables[occurrence->variable].value;
    }
    return CString();
}
