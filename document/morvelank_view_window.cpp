// What the proceeding window's frame and tree ask of the view: word wrap, the status bar, the
// frame title, headings and the secured flag of documents.
#include "document/document_sets.h"
#include "document/morvelank_view.h"
#include "document/view_services.h"
#include "document/window_title.h"
#include "framework/ui/cmdtarget.h"
#include "framework/ui/msgbox.h"

MainWindowServices *CMorvelankView::MainWindow() const
{
    CMorvelankApp *app = GetMorvelankApp();
    return app ? app->GetMainWindowServices() : nullptr;
}

void CMorvelankView::SetWordWrap(int mode)
{
    m_nWordWrap = mode == 0 ? WrapNone : mode == 1 ? WrapToWindow : WrapToTargetDevice;
    WrapChanged();
}

void CMorvelankView::OnUpdateMultipartLayout(CCmdUI *pCmdUI)
{
    pCmdUI->Enable(IsMultipartLayoutEnabled(m_nProcedureCode, m_tables->m_nParts));
}

void CMorvelankView::SetProgressRange(int maximum)
{
    if (MainWindowServices *main = MainWindow())
        main->SetProgressRange(maximum);
}

void CMorvelankView::SetProgressPos(int position)
{
    if (MainWindowServices *main = MainWindow())
        main->SetProgressPos(position);
}

void CMorvelankView::UpdateStatusBar()
{
    MainWindowServices *main = MainWindow();
    if (m_bClosing || !main)
        return;
    main->SetProgressPos(0);
    const int current = GetCurrentDocument();
    if (current < 0 || current >= kDocumentSlots)
        return;
    CString name = m_nProceedingKind == kKindArchive ? "(Archiwum)" : m_nProceedingKind == kKindExample ? "(Przykład)" : "";
    name += m_tables->m_documents[current].displayName;
    main->SetStatusText(1, name);
    main->SetStatusText(2, "");
    main->SetStatusText(3, KindStatusText(m_nProceedingKind, m_project));
}

void CMorvelankView::UpdateFrameTitle()
{
    CFrameWnd *frame = GetParentFrame();
    if (!frame)
        return;
    CMorvelankApp *app = GetMorvelankApp();
    frame->SetWindowText(FrameTitle(m_nProceedingKind, m_project, app ? app->GetContractsDataPath() : CString()));
}

int CMorvelankView::GetHeadingPosition(int document, int slot) const
{
    const OccurrenceBlock *block = m_tables->m_occurrences.Block(document);
    const VariableOccurrence *heading = block ? block->Heading(slot) : nullptr;
    return heading && heading->variable == kHeadingVariable ? heading->position : -1;
}

void CMorvelankView::ToggleDocumentSecured(int document)
{
    // Sets of contracts and legal remedies, archives and examples are never secured.
    const int code = m_nProcedureCode;
    if (m_nProceedingKind != kKindProceeding || code == 300 || code == 198 || code == 196)
        return;
    if (document < 0)
        document = GetCurrentDocument();
    if (document >= 0 && document < kDocumentSlots && m_tables->m_documents[document].state == kStateGenerated) {
        DocumentSlot &slot = m_tables->m_documents[document];
        slot.secured = slot.secured ? 0 : 1;
        RefreshSecuredIcons();
        AfxShowMessageBox(GetSafeHwnd(), slot.secured ? "Dokument zabezpieczony" : "Zabezpieczenie zdjęte", "Informacja",
                          MB_ICONINFORMATION);
    }
    m_bModified = 1;
}
