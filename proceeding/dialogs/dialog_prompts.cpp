#include "proceeding/dialogs/dialog_prompts.h"
#include "model/document_slots.h"

#include <algorithm>
#include <memory>

#include "document/view/proceeding_prompts.h"
#include "evaluation/criteria/criteria_calculators.h"
#include "proceeding/dialogs/document_properties_dlg.h"
#include "proceeding/dialogs/multi_task_layout_dlg.h"
#include "proceeding/dialogs/password_dialogs.h"
#include "proceeding/dialogs/save_as_dlg.h"
#include "proceeding/editors/tech_spec_dlg.h"

namespace {

// A state of 1 marks a comment: the properties dialog neither locks nor unlocks it.
const int kCommentState = 1;

class DialogPrompts : public ProceedingPrompts {
public:
    bool AskPassword(CWnd *parent, const CString &storedPassword) override
    {
        CPasswordPromptDlg prompt(parent);
        prompt.m_strStoredPassword = storedPassword;
        return prompt.DoModal() == IDOK;
    }

    CString ChooseProtection(CWnd *parent) override
    {
        CProtectDocumentDlg dialog(parent);
        return dialog.DoModal() == IDOK ? dialog.m_strPassword : CString();
    }

    bool AskProceedingName(CWnd *parent, CString &name) override
    {
        CSaveAsDlg dialog(parent);
        dialog.m_strName = name;
        if (dialog.DoModal() != IDOK)
            return false;
        name = dialog.m_strName;
        return true;
    }

    bool AskNewPassword(CWnd *parent, const CString &storedPassword, CString &newPassword) override
    {
        CChangePasswordDlg dialog(parent);
        dialog.m_strStoredPassword = storedPassword;
        if (dialog.DoModal() != IDOK)
            return false;
        newPassword = dialog.m_strNewPassword;
        return true;
    }

    bool EditDocumentProperties(CWnd *parent, const DocumentSlot (&documents)[kDocumentSlots], int secured[kDocumentSlots],
                                bool &archive) override
    {
        // Large: kept off the stack.
        auto dialog = std::make_unique<CDocumentPropertiesDlg>(parent);
        for (int slot = 0; slot < kDocumentSlots; ++slot) {
            const DocumentSlot &document = documents[slot];
            dialog->m_strFileNames[slot] = document.fileName;
            dialog->m_strDocumentNames[slot] = document.displayName;
            dialog->m_nLocked[slot] = document.secured;
            dialog->m_nComment[slot] = document.state == kCommentState ? 1 : 0;
        }
        if (dialog->DoModal() != IDOK)
            return false;
        for (int slot = 0; slot < kDocumentSlots; ++slot)
            secured[slot] = dialog->m_nLocked[slot];
        archive = dialog->m_nArchiveRequest == 1;
        return true;
    }

    bool EditPartLayout(CWnd *parent, bool firstFixed, PartLayout &layout) override
    {
        auto dialog = std::make_unique<CMultiTaskLayoutDlg>(parent);
        dialog->m_nFirstRowFixed = firstFixed ? 1 : 0;
        const int count = static_cast<int>(std::min(layout.names.size(), layout.active.size()));
        dialog->m_nCount = std::min(count, static_cast<int>(CMultiTaskLayoutDlg::kSlots));
        for (int part = 0; part < dialog->m_nCount; ++part) {
            dialog->m_strNames[part] = layout.names[part];
            dialog->m_nActive[part] = layout.active[part];
        }
        if (dialog->DoModal() != IDOK)
            return false;
        layout.names.assign(dialog->m_strNames, dialog->m_strNames + dialog->m_nCount);
        layout.active.assign(dialog->m_nActive, dialog->m_nActive + dialog->m_nCount);
        return true;
    }

    CCriteriaData *RunCriteriaCalculator(CWnd *parent, int type, CCriteriaData *record) override
    {
        return ::RunCriteriaCalculator(parent, type, record);
    }

    void RunSpecificationWizard(CWnd *parent, const InsertTextFunction &insertText) override
    {
        CSpecyfikacjaTechniczna wizard(parent);
        wizard.m_insertText = insertText;
        wizard.DoModal();
    }
};

} // namespace

void InstallDialogPrompts()
{
    static DialogPrompts prompts;
    SetProceedingPrompts(&prompts);
}
