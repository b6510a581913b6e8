// Finding text in the shown document: the find dialog, then each next match, from the top again
// once the last one was passed.
#include "document/view/morvelank_view.h"
#include "document/engine/rich_edit_text.h"
#include "document/view/text_find.h"
#include "document/view/view_tool_prompts.h"
#include "framework/ui/msgbox.h"

void CMorvelankView::FindText()
{
    ViewToolPrompts *prompts = ViewToolPrompts::Installed();
    CString text;
    int matchCase = 0;
    if (!prompts || !prompts->AskFindText(GetParentFrame(), text, matchCase)) {
        SetFocus();
        return;
    }
    m_bFindMatchCase = matchCase != 0 ? 1 : 0;
    m_strFindText = text;
    // An empty text has nothing to find; the next "Znajdź następne" asks again.
    if (!m_strFindText.IsEmpty())
        SearchFrom(0);
    SetFocus();
}

void CMorvelankView::FindNext()
{
    if (m_strFindText.IsEmpty()) {
        FindText();
        return;
    }
    SearchFrom(m_nFindFrom);
    SetFocus();
}

void CMorvelankView::SearchFrom(int from)
{
    const RichEditText control(m_hWnd);
    const int found = FindTextFrom(control.GetPlainText(), m_strFindText, from, m_bFindMatchCase != 0);
    if (found < 0) {
        m_nFindFrom = 0;
        AfxShowMessageBox(GetSafeHwnd(), "Nie znaleziono wyrażenia", "Informacja", MB_OK);
        return;
    }
    control.SetSel(found, found + m_strFindText.GetLength());
    // The match's line goes to the top of the window.
    ShowWindow(SW_HIDE);
    SendMessage(EM_LINESCROLL, 0, -10000);
    SendMessage(EM_LINESCROLL, 0, SendMessage(EM_LINEFROMCHAR, found, 0));
    SendMessage(EM_HIDESELECTION, FALSE, 0);
    ShowWindow(SW_SHOW);
    m_nFindFrom = found + 1;
}
