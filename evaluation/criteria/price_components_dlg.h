// "Elementy składowe ceny brutto": the positions that make up an offer's gross price, with
// their totals. The components cross as text: one "\n"-terminated line per position,
// "name|net|VAT rate|gross".
#pragma once

#include <vector>

#include "evaluation/criteria/price_components.h"
#include "framework/core/cstring.h"
#include "framework/ui/commctrls.h"
#include "framework/ui/dialog.h"

class CElementySkladoweKryteriumDlg : public CDialog {
public:
    explicit CElementySkladoweKryteriumDlg(CWnd *pParent = nullptr);

    CString m_strComponents; // in and out
    CString m_strNetTotal;   // "%.2f" of the net column, after OK
    CString m_strGrossTotal; // "%.2f" of the gross column, after OK
    BOOL m_bTransferGross;   // "Przenieś kwotę brutto": set when the dialog opens

    CListCtrl m_list;

    BOOL OnInitDialog() override;
    void OnOK() override;

protected:
    void DoDataExchange(CDataExchange *pDX) override;
    void OnAdd();
    void OnEdit();
    void OnDelete();
    DECLARE_MESSAGE_MAP()

private:
    std::vector<PriceComponent> Rows() const;
    void SetRow(int row, const PriceComponent &component);
    void ShowTotals();
};
