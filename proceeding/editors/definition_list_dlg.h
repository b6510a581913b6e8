// "Lista definicji": picks a ready-made contract definition or sample contract scope for the
// text editor. The caller sets the mode (and the program folder when it is not the
// application's), runs DoModal and after IDOK reads the chosen text and the "Dodaj numer" flag.
#pragma once

#include <vector>

#include "controls/multi_line_list.h"
#include "framework/ui/dialog.h"
#include "proceeding/editors/definition_list.h"
#include "res/lists_ids.h"

class CDefinitionListDlg : public CDialog {
public:
    enum { IDD = IDD_DEFINITION_LIST };

    explicit CDefinitionListDlg(CWnd *pParent = nullptr);

    int m_nMode = kDefinitionsMode;
    CString m_strMainPath;   // the program folder; the application's by default
    int m_nAddNumber = 1;    // "Dodaj numer", out
    CString m_strChosenText; // out

    BOOL OnInitDialog() override;
    // "&Dodaj": a chosen row ends the dialog with IDOK.
    void OnOK() override;

    CMultilineList m_list;

protected:
    void DoDataExchange(CDataExchange *pDX) override;
    DECLARE_MESSAGE_MAP()

private:
    void LoadDefinitions();
    void LoadContractScopes();
    void FillList(const DefinitionFile &file, const char *textHeading);

    std::vector<DefinitionEntry> m_entries;
};
