// "Specyfikacja techniczna - kreator": the user picks a heading of the technical specification
// and definitions that belong to it, and the wizard puts them into the shown document through
// the caller's insertText. Runs modally; nothing to read back.
#pragma once

#include <vector>

#include "document/view/proceeding_prompts.h"
#include "framework/ui/controls.h"
#include "framework/ui/dialog.h"
#include "framework/ui/richedit.h"
#include "proceeding/editors/tech_spec.h"
#include "res/summary_ids.h"

class CSpecyfikacjaTechniczna : public CDialog {
public:
    enum { IDD = IDD_TECH_SPEC };
    explicit CSpecyfikacjaTechniczna(CWnd *pParent = nullptr);

    InsertTextFunction m_insertText;            // the view's insertion; set by the caller
    CString m_strMainPath;                      // the program folder; the application's by default
    int m_nPosition = 0;                        // 0 at the caret, 1 at the start, 2 at the end
    CString m_strHeading;                       // the selected heading
    std::vector<DefinitionEntry> m_definitions; // those of the selected heading, as listed

    CListBox m_headings;
    CListBox m_definitionNames;
    CRichEditCtrl m_text;

    BOOL OnInitDialog() override;
    void OnHeadingChange();
    void OnDefinitionChange();
    void OnAddHeading();
    void OnAddDefinition();
    void OnCloseWizard();

protected:
    void DoDataExchange(CDataExchange *pDX) override;
    DECLARE_MESSAGE_MAP()

private:
    // The chosen radio as the view counts positions.
    int InsertPosition();
    void Insert(const SpecificationInsertion &insertion);
};
