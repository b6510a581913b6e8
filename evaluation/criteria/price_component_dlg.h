// "Element składowy ceny brutto": one position of an offer's gross price. The net and gross
// amounts follow each other through the chosen VAT rate.
#pragma once

#include "framework/core/cstring.h"
#include "framework/ui/controls.h"
#include "framework/ui/dialog.h"

class CElementSkladowyCenyBrutto : public CDialog {
public:
    explicit CElementSkladowyCenyBrutto(CWnd *pParent = nullptr);

    CString m_strName;  // in and out; "|" made "," on OK
    CString m_strNet;   // in and out
    CString m_strGross; // in and out
    int m_nVatIndex;    // in: the combo item shown at opening ("0%" unless set)
    int m_nVatRate;     // out: the chosen rate in percent

    CComboBox m_vat;

    BOOL OnInitDialog() override;
    void OnOK() override;

protected:
    void DoDataExchange(CDataExchange *pDX) override;
    void OnKillFocusNet();
    void OnKillFocusGross();
    void OnVatChanged();
    DECLARE_MESSAGE_MAP()

private:
    int SelectedRate() const;
};
