// "Zbiorcze zestawienie ofert": the offers summary of a document variable. The caller sets the
// text, runs DoModal and after IDOK reads the rewritten text back; Cancel leaves it as it was.
// Offers are added and changed through "Edycja kryteriów", the criteria through "Lista kryteriów".
#pragma once

#include "framework/ui/commctrls.h"
#include "framework/ui/dialog.h"
#include "proceeding/editors/offers_summary.h"
#include "res/summary_ids.h"

class CZestawienieOfertDlg : public CDialog {
public:
    enum { IDD = IDD_OFFERS_SUMMARY };
    explicit CZestawienieOfertDlg(CWnd *pParent = nullptr);

    CString m_strText;          // in and out
    OffersSummaryTable m_table; // what the list shows
    CListCtrl m_list;

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnAddOffer();
    void OnModify();
    void OnDelete();
    void OnCriteriaList();

protected:
    void DoDataExchange(CDataExchange *pDX) override;
    DECLARE_MESSAGE_MAP()

private:
    int CriteriaCount() const { return static_cast<int>(m_table.criteria.size()); }
    int SelectedRow() const { return m_list.GetNextItem(-1, LVNI_SELECTED); }
    // The offer through "Edycja kryteriów", starting from row (null: a new offer); false when
    // cancelled.
    bool AskOffer(const OffersSummaryRow *row, OffersSummaryRow &result);
    // Columns and rows shown again from the table; the row `selected` stays selected.
    void ShowTable(int selected);
};
