// COfertaTerminDlg: one offer in the delivery-term panel: its term, the shortest term of all
// offers and the points that follow from them.
#pragma once

#include "controls/blink_static.h"
#include "framework/ui/dialog.h"
#include "framework/ui/gdi.h"

class CPanelTerminDlg;
struct CriteriaOffer;

class COfertaTerminDlg : public CDialog {
public:
    explicit COfertaTerminDlg(CPanelTerminDlg* pPanel);

    // Creates the row's window from its template as a child of the panel.
    BOOL CreateRow();

    void SetShortestTerm(double dShortestTerm);
    void SetWeight(double dWeight);
    // Shows the term held by the row, in whole units.
    void SetTerm();
    void RecomputePoints();
    // Writes the row's term into the offer, a term still being typed included.
    void StoreInto(CriteriaOffer& offer);

    double m_dTerm = 0;
    double m_dShortestTerm = 0;
    double m_dWeight = 0;

protected:
    BOOL OnInitDialog() override;
    // Enter and Esc belong to the dialog around the panel.
    void OnOK() override {}
    void OnCancel() override {}
    void OnKillFocusTerm();
    DECLARE_MESSAGE_MAP()

private:
    CPanelTerminDlg* m_pPanel;
    CFont m_numberFont;
    CBlinkStatic m_number;
};
