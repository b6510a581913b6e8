// CPanelCenaDlg: the scrolling panel of the price criterion, one COfertaCenaDlg per offer; it
// keeps every row's lowest price and points in step with the prices and the weight.
#pragma once

#include "evaluation/criteria/offer_panel.h"

class COfertaCenaDlg;

class CPanelCenaDlg : public COfferPanel {
public:
    // Creates the panel's window at once, with its rows for the record's offers.
    CPanelCenaDlg(CCriteriaData* pData, CWnd* pParent);

    COfertaCenaDlg* GetOfferRow(int i) const;
    // The weight the rows score with; new rows take it too.
    void SetWeight(double dWeight);
    double GetWeight() const { return m_dWeight; }
    // Gives every row the lowest price above 0 among the rows (-1 when none has one).
    void UpdateMinPrice();

protected:
    BOOL OnInitDialog() override;
    CDialog* CreateRow(int i) override;
    void OnRowsGrown() override { UpdateMinPrice(); }
    void OnRowsRemoved() override { UpdateMinPrice(); }
    void StoreRow(int i) override;

private:
    double m_dWeight = 0;
};
