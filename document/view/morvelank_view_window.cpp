// What the proceeding window's frame and tree ask of the view: word wrap, the status bar, the
// frame title, headings and the secured flag of documents.
#include "app/app_settings.h"
#include "model/view_tables.h"
#include "document/files/document_sets.h"
#include "document/view/morvelank_view.h"
#include "document/view/view_services.h"
#include "document/view/window_title.h"
#include "framework/ui/cmdtarget.h"
#include "framework/ui/msgbox.h"

MainWindowServices *CMorvelankView::MainWindow() const
{
    return GetProgramMainWindow();
}

void CMorvelankView::SetMainStatusText(const CString &text) const
{
    if (MainWindowServices *main = MainWindow())
        main->SetStatusText(0, text);
}

void CMorvelankView::SetWordWrap(int mode)
{
    m_nWordWrap = mode == 0 ? WrapNone : mode == 1 ? WrapToWindow : WrapToTargetDevice;
    WrapChanged();
}

void CMorvelankView::OnUpdateMultipartLayout(CCmdUI *pCmdUI)
{
    pCmdUI->Enable(IsMultipartLayoutEnabled(m_proceeding.m_nProcedureCode, m_proceeding.m_tables->m_nParts));
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
    const int kind = m_proceeding.m_nProceedingKind;
    CString name = kind == kKindArchive ? "(Archiwum)" : kind == kKindExample ? "(Przykład)" : "";
    name += m_proceeding.m_tables->m_documents[current].displayName;
    main->SetStatusText(1, name);
    main->SetStatusText(2, "");
    main->SetStatusText(3, KindStatusText(m_proceeding.m_nProceedingKind, m_proceeding.m_project));
}

void CMorvelankView::UpdateFrameTitle()
{
    CFrameWnd *frame = GetParentFrame();
    if (!frame)
        return;
    const AppSettings *settings = GetProgramSettings();
    const CString contractsPath = settings ? ContractsDataPath(*settings) : CString();
    frame->SetWindowText(FrameTitle(m_proceeding.m_nProceedingKind, m_proceeding.m_project, contractsPath));
}

int CMorvelankView::GetHeadingPosition(int document, int slot) const
{
    const OccurrenceBlock *block = m_proceeding.m_tables->m_occurrences.Block(document);
    const VariableOccurrence *heading = block ? block->Heading(slot) : nullptr;
    return heading && heading->variable == kHeadingVariable ? heading->position : -1;
}

void CMorvelankView::ToggleDocumentSecured(int document)
{
    // Sets of contracts and legal remedies, archives and examples are never secured.
    const int code = m_proceeding.m_nProcedureCode;
    if (m_proceeding.m_nProceedingKind != kKindProceeding || code == 300 || code == 198 || code == 196)
        return;
    if (document < 0)
        document = GetCurrentDocument();
    if (document >= 0 && document < kDocumentSlots
        && m_proceeding.m_tables->m_documents[document].state == kStateGenerated) {
        DocumentSlot &slot = m_proceeding.m_tables->m_documents[document];
        slot.secured = slot.secured ? 0 : 1;
        RefreshSecuredIcons();
        AfxShowMessageBox(GetSafeHwnd(), slot.secured ? "Dokument zabezpieczony" : "Zabezpieczenie zdjęte",
                          "Informacja", MB_ICONINFORMATION);
    }
    m_proceeding.m_bModified = 1;
}
