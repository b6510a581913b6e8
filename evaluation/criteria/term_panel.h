// CPanelTerminDlg: the scrolling panel of the delivery-term criterion, one COfertaTerminDlg per
// offer; it keeps every row's shortest term and points in step with the terms and the weight.
#pragma once

#include "evaluation/criteria/offer_panel.h"

class COfertaTerminDlg;

class CPanelTerminDlg : public COfferPanel {
public:
    // Creates the panel's window at once, with its rows for the record's offers.
    CPanelTerminDlg(CCriteriaData* pData, CWnd* pParent);

    COfertaTerminDlg* GetOfferRow(int i) const;
    // The weight the rows score with; new rows take it too.
    void SetWeight(double dWeight);
    double GetWeight() const { return m_dWeight; }
    // Gives every row the shortest term above 0 among the rows (-1 when none has one).
    void UpdateShortestTerm();

protected:
    BOOL OnInitDialog() override;
    CDialog* CreateRow(int i) override;
    void OnRowsGrown() override { UpdateShortestTerm(); }
    void OnRowsRemoved() override { UpdateShortestTerm(); }
    void StoreRow(int i) override;

private:
    double m_dWeight = 0;
};
