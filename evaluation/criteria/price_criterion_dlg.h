// CKryteriumCenaDlg: "Obliczenie punktacji w zakresie kryterium cena". Scores every offer of the
// evaluation record by price: lowest gross price / the offer's gross price x the weight. The
// offers are edited in the rows of its panel; on closing, the fields and the rows go back into
// the record. Without a record it works on empty rows and stores nothing.
#pragma once

#include <memory>

#include "controls/blink_static.h"
#include "controls/numeric_edit.h"
#include "framework/ui/dialog.h"
#include "framework/ui/gdi.h"

class CCriteriaData;
class CPanelCenaDlg;

class CKryteriumCenaDlg : public CDialog {
public:
    CKryteriumCenaDlg(CCriteriaData* pData, CWnd* pParent = nullptr);
    ~CKryteriumCenaDlg() override;

    // The record; the caller owns it again after DoModal.
    CCriteriaData* m_pData;

    CPanelCenaDlg* GetPanel() const { return m_pPanel.get(); }

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
    std::unique_ptr<CPanelCenaDlg> m_pPanel;
};
