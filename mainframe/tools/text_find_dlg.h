// The search text and match-case flag for finding text in the shown document.
#pragma once

#include "framework/ui/dialog.h"

class CZnajdzDlg : public CDialog {
public:
    explicit CZnajdzDlg(CWnd *pParent = nullptr);
    void DoDataExchange(CDataExchange *pDX) override;

    CString m_text;
    int m_matchCase = 0;
};
