#include "proceeding/dialogs/dialog_prompts.h"

#include "document/proceeding_prompts.h"
#include "proceeding/dialogs/password_dialogs.h"

namespace {

class DialogPrompts : public ProceedingPrompts {
public:
    bool AskPassword(CWnd *parent, const CString &storedPassword) override
    {
        CPasswordPromptDlg prompt(parent);
        prompt.m_strStoredPassword = storedPassword;
        return prompt.DoModal() == IDOK;
    }
};

} // namespace

void InstallDialogPrompts()
{
    static DialogPrompts prompts;
    SetProceedingPrompts(&prompts);
}
