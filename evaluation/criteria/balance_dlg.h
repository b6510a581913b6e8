// The points balance: every offer's points under the price criterion and the further criteria,
// their totals and the sentence that names the best offer. The further criteria are added and
// removed here; the record changes at once.
#pragma once

#include <memory>

#include "controls/blink_static.h"
#include "framework/ui/commctrls.h"
#include "framework/ui/dialog.h"
#include "framework/ui/gdi.h"
#include "res/evaluation_balance_ids.h"

class CCriteriaData;
class CPanelBilansDlg;

class CBilansPunktowyDlg : public CDialog {
public:
    enum { IDD = IDD_BILANS_PUNKTOWY };

    // The record may be null; the caller reads m_pData back after DoModal.
    explicit CBilansPunktowyDlg(CCriteriaData *pData, CWnd *pParent = nullptr);
    ~CBilansPunktowyDlg() override;

    BOOL OnInitDialog() override;

    // Shows the result sentence for the best total and the lists of winners and cheapest.
    void SetResultText(double best, const CString &winners, const CString &cheapest);

    CPanelBilansDlg *GetPanel() const { return m_panel.get(); }
    CListCtrl &GetCriteriaList() { return m_criteria; }

    CCriteriaData *m_pData;

protected:
    void DoDataExchange(CDataExchange *pDX) override;
    void OnOfferCountKillFocus();
    void OnCriteriaClick(NMHDR *pNMHDR, LRESULT *pResult);
    void OnAdd();
    void OnRemove();
    void OnPrintCalculation();
    void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    CListCtrl m_criteria;
    CBlinkStatic m_title;
    CBlinkStatic m_result;
    CFont m_boldFont;
    std::unique_ptr<CPanelBilansDlg> m_panel;
};
