// CKryteriumTerminDlg: "Obliczenie punktacji w zakresie kryterium termin realizacji zamówienia".
// Scores every offer of the evaluation record by its delivery term: shortest term / the offer's
// term x the weight. The unit of the terms only names them. On closing, the fields and the rows
// go back into the record. Without a record it works on empty rows and stores nothing.
#pragma once

#include <memory>

#include "controls/blink_static.h"
#include "controls/numeric_edit.h"
#include "framework/ui/dialog.h"
#include "framework/ui/gdi.h"

class CCriteriaData;
class CPanelTerminDlg;

class CKryteriumTerminDlg : public CDialog {
public:
    CKryteriumTerminDlg(CCriteriaData* pData, CWnd* pParent = nullptr);
    ~CKryteriumTerminDlg() override;

    // The record; the caller owns it again after DoModal.
    CCriteriaData* m_pData;
    // 0 days, 1 months, 2 years; -1 until the dialog is initialised.
    int m_nUnit = -1;

    CPanelTerminDlg* GetPanel() const { return m_pPanel.get(); }

protected:
    BOOL OnInitDialog() override;
    void OnKillFocusOfferCount();
    void OnKillFocusWeight();
    void OnDrukuj();
    void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    CFont m_titleFont;
    CBlinkStatic m_title;
    CNumericEdit m_weightEdit;
    std::unique_ptr<CPanelTerminDlg> m_pPanel;
};
