#include "mainframe/view_tool_dialogs.h"

#include "document/view/view_tool_prompts.h"
#include "mainframe/tool_dialogs.h"
#include "mainframe/tools/text_find_dlg.h"

namespace {

class ToolDialogPrompts : public ViewToolPrompts {
public:
    bool AskFindText(CWnd *parent, CString &text, int &matchCase) override
    {
        CZnajdzDlg dialog(parent);
        if (dialog.DoModal() != IDOK)
            return false;
        text = dialog.m_text;
        matchCase = dialog.m_matchCase;
        return true;
    }

    bool AskArchiveSignature(CWnd *parent, ArchiveSignatureRequest &request) override
    {
        CPrzenoszenieDoArchiwumDlg dialog(parent);
        dialog.m_suffix = request.suffix;
        dialog.m_archivePath = request.archivePath;
        dialog.m_signature = request.signature;
        dialog.m_description = request.description;
        if (dialog.DoModal() != IDOK)
            return false;
        request.signature = dialog.m_signature;
        request.description = dialog.m_description;
        return true;
    }
};

} // namespace

void InstallViewToolPrompts()
{
    static ToolDialogPrompts prompts;
    ViewToolPrompts::Install(&prompts);
}
