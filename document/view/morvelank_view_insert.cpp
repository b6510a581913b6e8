// Text put into the shown editable document from outside the keyboard: the technical
// specification wizard inserts its headings and definitions here.
#include "document/view/morvelank_view.h"
#include "document/view/proceeding_prompts.h"
#include "document/engine/rich_edit_text.h"
#include "document/engine/text_styles.h"

void CMorvelankView::InsertTextAt(int where, const CString &text, int bold)
{
    if (GetDocumentState(-1) != 2)
        return;
    const RichEditText control(m_hWnd);
    // The editable document's sample text goes at the first insertion, as at the first click.
    if (m_proceeding.m_files.m_bClearOnFirstClick) {
        control.SelectAll();
        control.ReplaceSel("");
        m_proceeding.m_files.m_bClearOnFirstClick = 0;
    }
    int start = 0, end = 0;
    if (where == -1) {
        control.SetSel(0, 0);
    } else if (where == 1) {
        const int length = control.GetTextLength();
        control.SetSel(length, length);
    } else {
        control.GetSel(start, end);
        control.SetSel(start, start);
    }
    control.GetSel(start, end);
    CString inserted = text;
    NormalizeNewlines(inserted);
    control.ReplaceSel(inserted);
    control.SetSel(start, start + inserted.GetLength());
    control.SetSelectionFormat(MakeTextStyle(bold ? TextStyle::Heading : TextStyle::InsertedText));
    control.SetSel(start + inserted.GetLength(), start + inserted.GetLength());
    m_proceeding.m_bModified = 1;
}

void CMorvelankView::RunSpecificationWizard()
{
    if (ProceedingPrompts *prompts = GetProceedingPrompts())
        prompts->RunSpecificationWizard(
            this, [this](int where, const CString &text, int bold) { InsertTextAt(where, text, bold); });
}
