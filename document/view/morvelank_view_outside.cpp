// Commands of the view that reach outside the document: the template editor on the open
// proceeding's template set, the legal help on the topic of the chosen heading of the
// specification, and the colour of the selected text.
#include "model/file_utils.h"
#include "model/view_tables.h"
#include "app/app_settings.h"
#include "app/program_trace.h"
#include "document/files/document_sets.h"
#include "document/view/help_topics.h"
#include "document/view/morvelank_view.h"
#include "document/view/outside_commands.h"
#include "framework/ui/commondlg.h"

void CMorvelankView::LoadTopics()
{
    ParseTopics(ReadFileToString(TopicFilePath(m_proceeding.m_files.m_strMainPath)), m_proceeding.m_tables->m_idTexts);
}

int CMorvelankView::LookUpTopic() const
{
    if (!m_pTree)
        return -1;
    CTreeCtrl &tree = m_pTree->GetTreeCtrl();
    HTREEITEM selected = tree.GetSelectedItem();
    return selected ? FindTopic(m_proceeding.m_tables->m_idTexts, tree.GetItemText(selected)) : -1;
}

bool CMorvelankView::IsShownSiwz() const
{
    return m_engine && m_engine->m_bShownIsSiwz;
}

void CMorvelankView::OnLegalHelp()
{
    const AppSettings *settings = GetProgramSettings();
    if (!IsShownSiwz() || !settings || settings->QuvPath.IsEmpty())
        return;
    const CString line = LegalHelpCommandLine(settings->QuvPath, LookUpTopic());
    TraceStep("Qox command:" + line);
    StartCommandLine(line);
}

void CMorvelankView::OnUpdateLegalHelp(CCmdUI *pCmdUI)
{
    pCmdUI->Enable(IsShownSiwz() && LookUpTopic() >= 0);
}

void CMorvelankView::StartTemplateEditor()
{
    // The editor runs on its own; one that does not start says nothing.
    const DocumentFileState &files = m_proceeding.m_files;
    StartCommandLine(TemplateEditorCommandLine(files.m_strMainPath, files.m_strUserTemplatesPath, files.m_nFileVersion,
                                               m_proceeding.m_project.m_nProcedureCode));
}

void CMorvelankView::OnUpdateEditTemplate(CCmdUI *pCmdUI)
{
    pCmdUI->Enable(m_proceeding.m_nProceedingKind == kKindProceeding && GetDocumentState(-1) == kStateGenerated);
}

void CMorvelankView::OnTextColor()
{
    CColorDialog dialog(0, 0, this);
    if (dialog.DoModal() != IDOK)
        return;
    CHARFORMAT2A format{};
    format.dwMask = CFM_COLOR;
    format.crTextColor = dialog.GetColor();
    SetCharFormat(format);
    if (GetDocumentState(-1) == kStateEditable)
        m_proceeding.m_bModified = 1;
}
