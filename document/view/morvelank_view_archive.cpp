// "Przenieś do archiwum": a finished proceeding whose documents are all secured goes to a
// folder of the archive named by its signature, and the window goes on showing it there.
#include "app/app_settings.h"
#include "document/files/document_sets.h"
#include "document/view/morvelank_view.h"
#include "document/files/proceeding_archive.h"
#include "document/view/view_tool_prompts.h"
#include "framework/ui/msgbox.h"

void CMorvelankView::MoveToArchive()
{
    if (m_proceeding.m_nProceedingKind != kKindProceeding)
        return;
    if (!AreDocumentsSecured(*m_proceeding.m_tables)) {
        AfxShowMessageBox(GetSafeHwnd(),
                          "Nie wszystkie dokumenty związane z bieżącym trybem przetargowym zostały zabezpieczone "
                          "(zatwierdzone).\rAby przenieść dane postępowanie do archiwum należy zabezpieczyć "
                          "wszystkiem dokumenty postępowania.",
                          "Błąd", MB_ICONEXCLAMATION);
        return;
    }
    // A window that did not load whole, or holds the cleaned text of an output, has nothing
    // trustworthy to write.
    if (!m_proceeding.m_bLoaded || m_bOutputInProgress) {
        AfxShowMessageBox(GetSafeHwnd(),
                          "Postępowanie nie zostało wczytane w całości, więc nie zostanie przeniesione "
                          "do archiwum.",
                          "Błąd", MB_ICONERROR);
        return;
    }
    const AppSettings *settings = GetProgramSettings();
    ViewToolPrompts *prompts = ViewToolPrompts::Installed();
    if (!settings || !prompts)
        return;

    ArchiveSignatureRequest signature;
    signature.suffix.Format("%d", m_proceeding.m_nProcedureCode % 100);
    signature.archivePath = settings->ArchivePath;
    const CString &name = m_proceeding.m_project.m_strName;
    signature.signature = name.IsEmpty() ? ArchiveExtension(m_proceeding.m_nProcedureCode) : name;
    if (!prompts->AskArchiveSignature(GetParentFrame(), signature))
        return;

    CWaitCursor wait;
    if (m_engine && m_engine->HoldsCurrentDocument())
        CaptureEditableText();
    ArchiveMoveRequest request;
    request.workingPath = settings->WorkingPath;
    request.archivePath = settings->ArchivePath;
    request.signature = signature.signature;
    request.description = signature.description;
    request.header = m_proceeding.m_header;
    if (!m_proceeding.m_files.m_bClearOnFirstClick && !m_proceeding.m_files.m_strEditableText.IsEmpty())
        request.editableRtf = &m_proceeding.m_files.m_strEditableText;
    ProceedingArchive archive(*m_proceeding.m_tables, m_proceeding.m_project);
    const int moved = archive.Move(request);
    ShowMessages(archive.GetMessages());
    if (!moved)
        return;
    m_proceeding.m_nProceedingKind = kKindArchive;
    m_proceeding.m_bModified = 0;
    UpdateFrameTitle();
    UpdateStatusBar();
}
