// "Lista": the editor of a list variable. The rows cross as text, one row per line with its
// cells separated by "|"; the columns follow the list kind (variable type minus 4). Rows are
// added and changed through the input dialog of the kind. Criteria lists with weights are only
// accepted when the weights total 100.
#pragma once

#include <vector>

#include "framework/ui/commctrls.h"
#include "framework/ui/dialog.h"
#include "proceeding/editors/list_kinds.h"

class CListEditorDlg : public CDialog {
public:
    explicit CListEditorDlg(CWnd *pParent = nullptr);
    int m_nPartCount = -1; // the proceeding's parts; -1 when it is not divided
    CString m_strValue;    // the rows text, in and out
    int m_nListKind = 0;

    CListCtrl m_list;
    double m_dTotal = 0; // sum of the weight column
    CString m_strSum;    // shown beside "Suma:"

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange *pDX) override;
    void OnOK() override;
    void RecomputeTotal();

protected:
    void OnAdd();
    void OnModify();
    void OnDelete();
    void OnDblClkList(NMHDR *pNMHDR, LRESULT *pResult);
    void OnCustomDrawList(NMHDR *pNMHDR, LRESULT *pResult);
    DECLARE_MESSAGE_MAP()

private:
    bool IsDivided() const { return m_nPartCount >= 0; }
    std::vector<ListRow> Rows() const;
    ListRow Row(int row) const;
    void SetRow(int row, const ListRow &cells);
    // The row asked for through the kind's input dialog; false when cancelled or refused.
    bool AskRow(ListRow &row, bool modifying);
    bool AskCriterion(ListRow &row, const char *refusal);
    bool AskCriterionValue(ListRow &row, const char *refusal);
    bool AskOffer(ListRow &row, bool modifying);

    int m_nColumns = 0;
};
