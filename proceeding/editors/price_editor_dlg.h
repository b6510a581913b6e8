// "Cena": the editor of an amount variable. The value crosses as text, shown digit-grouped.
#pragma once

#include "framework/ui/controls.h"
#include "framework/ui/dialog.h"

// Removes every occurrence of the character; returns how many were removed.
int RemoveChar(CString &text, char character);

// An amount as typed: digits with at most one decimal point once blanks are gone and "," is ".".
bool IsAmountText(const CString &text);

class CPriceEditorDlg : public CDialog {
public:
    explicit CPriceEditorDlg(CWnd *pParent = nullptr);
    CString m_strCaption; // used when not empty
    CString m_strLabel;   // text before the value, used when not empty
    CString m_strValue;   // in and out
    CEdit m_edit;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange *pDX) override;
    void OnOK() override;

protected:
    void OnSetFocusValue();
    void OnKillFocusValue();
    DECLARE_MESSAGE_MAP()
};
