// Asks for the name and the weight of a further criterion of the points balance.
#pragma once

#include "controls/numeric_edit.h"
#include "framework/ui/dialog.h"
#include "res/evaluation_balance_ids.h"

class CNoweKryteriumDlg : public CDialog {
public:
    enum { IDD = IDD_NOWE_KRYTERIUM };

    explicit CNoweKryteriumDlg(CWnd *pParent = nullptr);
    // Both texts are needed; a missing one keeps the dialog open.
    void OnOK() override;

    CString m_strName;
    CString m_strWeight;

protected:
    void DoDataExchange(CDataExchange *pDX) override;

private:
    CNumericEdit m_weightEdit;
};
