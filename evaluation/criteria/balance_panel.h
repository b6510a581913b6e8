// The scrolling panel of the points balance: one row per offer that lists the offer's points
// per criterion and its total; rows of offers without a gross price are hidden, and the visible
// ones are stacked without gaps. After every change the panel names the best offer.
#pragma once

#include "controls/color_list_ctrl.h"
#include "evaluation/criteria/offer_panel.h"
#include "framework/ui/gdi.h"
#include "res/evaluation_balance_ids.h"

class CBilansPunktowyDlg;
class CPanelBilansDlg;

class COfertaPunktyDlg : public CDialog {
public:
    enum { IDD = IDD_OFERTA_PUNKTY };

    COfertaPunktyDlg(CCriteriaData *pData, int nOffer, CPanelBilansDlg *pPanel);
    BOOL OnInitDialog() override;

    // Lists "cena", every further criterion and the total row from the record.
    void Refill();
    // The offer has a gross price above 0 in the record.
    bool HasPrice() const;
    int GetOffer() const { return m_nOffer; }
    double GetPricePoints() const { return m_pricePoints; }
    double GetTotal() const { return m_total; }
    CColorListCtrl &GetList() { return m_list; }

protected:
    void DoDataExchange(CDataExchange *pDX) override;
    // Enter and Esc inside a row belong to the dialog around the panel.
    void OnOK() override {}
    void OnCancel() override {}
    void OnListClick(NMHDR *pNMHDR, LRESULT *pResult);
    void OnListDoubleClick(NMHDR *pNMHDR, LRESULT *pResult);
    void OnEdit();
    DECLARE_MESSAGE_MAP()

private:
    int TotalRow() const { return m_list.GetItemCount() - 1; }
    void ShowTotal();

    CCriteriaData *m_pData;
    int m_nOffer;
    CPanelBilansDlg *m_pPanel;
    double m_pricePoints = 0;
    double m_total = 0;
    CColorListCtrl m_list;
    CFont m_boldFont;
};

class CPanelBilansDlg : public COfferPanel {
public:
    // Creates the panel window inside pOwner, which shows the result sentence.
    CPanelBilansDlg(CCriteriaData *pData, CBilansPunktowyDlg *pOwner);

    COfertaPunktyDlg *GetOfferRow(int i) const { return static_cast<COfertaPunktyDlg *>(GetRow(i)); }
    // Refills every row from the record, then names the best offer again.
    void RefreshRows();
    void FindBest();

protected:
    CDialog *CreateRow(int i) override;
    void PlaceNewRows(int nFirst) override;
    void OnRowsGrown() override { FindBest(); }
    void OnRowsRemoved() override { FindBest(); }

private:
    CBilansPunktowyDlg *m_pOwner;
};
