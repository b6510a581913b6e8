// COfertaCenaDlg: one offer in the price panel: contractor, gross price, the lowest price of all
// offers and the points that follow from them; the gross price may be built from components.
#pragma once

#include "controls/blink_static.h"
#include "controls/numeric_edit.h"
#include "framework/ui/dialog.h"
#include "framework/ui/gdi.h"

class CPanelCenaDlg;
struct CriteriaOffer;

class COfertaCenaDlg : public CDialog {
public:
    explicit COfertaCenaDlg(CPanelCenaDlg* pPanel);

    // Creates the row's window from its template as a child of the panel.
    BOOL CreateRow();

    void SetMinPrice(double dMinPrice);
    void SetWeight(double dWeight);
    // Shows the gross price held by the row.
    void SetPrice();
    void RecomputePoints();
    void SetContractor(const CString& strContractor);
    // Writes the row into the offer, a price or contractor still being typed included.
    void StoreInto(CriteriaOffer& offer);

    double m_dGrossPrice = 0;
    double m_dMinPrice = 0;
    double m_dWeight = 0;
    CString m_strContractor;
    CString m_strComponents;

protected:
    BOOL OnInitDialog() override;
    // Enter and Esc belong to the dialog around the panel.
    void OnOK() override {}
    void OnCancel() override {}
    void OnKillFocusPrice();
    void OnKillFocusContractor();
    void OnComponents();
    DECLARE_MESSAGE_MAP()

private:
    void TakeTypedPrice();

    CPanelCenaDlg* m_pPanel;
    CFont m_numberFont;
    CBlinkStatic m_number;
    CNumericEdit m_priceEdit;
};
