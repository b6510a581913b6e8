// The format bar's character and paragraph commands. They act on the editable document only:
// a generated document is made again from its template, so its formatting would not last.
#include "document/view/morvelank_view.h"

#include "model/document_slots.h"
#include "res/document_ids.h"

namespace {

struct FormatCommand {
    UINT id;
    DWORD mask; // character effect, or 0 for a paragraph alignment
    DWORD effect;
    WORD alignment;
};

const FormatCommand kFormatCommands[] = {
    {ID_POGRUBIENIE, CFM_BOLD, CFE_BOLD, 0},
    {ID_KURSYWA, CFM_ITALIC, CFE_ITALIC, 0},
    {ID_PODKRESLENIE, CFM_UNDERLINE, CFE_UNDERLINE, 0},
    {ID_DO_LEWEJ, 0, 0, PFA_LEFT},
    {ID_WYSRODKUJ, 0, 0, PFA_CENTER},
    {ID_DO_PRAWEJ, 0, 0, PFA_RIGHT},
};

const FormatCommand *FindFormatCommand(UINT id)
{
    for (const FormatCommand &command : kFormatCommands)
        if (command.id == id)
            return &command;
    return nullptr;
}

} // namespace

void CMorvelankView::OnFormatCommand(UINT id)
{
    const FormatCommand *command = FindFormatCommand(id);
    if (!command || GetDocumentState(-1) != kStateEditable)
        return;
    if (command->mask)
        OnCharEffect(command->mask, command->effect);
    else
        OnParaAlign(command->alignment);
    m_proceeding.m_bModified = 1;
}

void CMorvelankView::OnUpdateFormatCommand(CCmdUI *pCmdUI)
{
    const FormatCommand *command = FindFormatCommand(pCmdUI->m_nID);
    const bool editable = command && GetDocumentState(-1) == kStateEditable;
    pCmdUI->Enable(editable);
    if (!editable)
        pCmdUI->SetCheck(0);
    else if (command->mask)
        OnUpdateCharEffect(pCmdUI, command->mask, command->effect);
    else
        OnUpdateParaAlign(pCmdUI, command->alignment);
}
