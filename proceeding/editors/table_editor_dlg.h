// "Edytor tabel": the editor of the table variables of type 35, a list whose columns the value
// describes (its form is in table_editor_text.h). The caller binds the proceeding record with
// SetTable, sets the name and the value, runs DoModal and after IDOK reads the value back. A
// table named "Kryteria oceny ofert" can also become the proceeding's evaluation criteria.
#pragma once

#include <vector>

#include "framework/ui/commctrls.h"
#include "framework/ui/dialog.h"
#include "proceeding/editors/table_editor_text.h"

class CProject;

class CTableEditorDlg : public CDialog {
public:
    explicit CTableEditorDlg(CWnd *pParent = nullptr);

    // The record whose evaluation criteria the table may set; may be null.
    void SetTable(CProject *project);

    CString m_strValue; // in and out
    CString m_strName;  // the occurrence's name, shown in the caption
    CProject *m_pProject = nullptr;
    int m_nColumns = 0;
    bool m_bNumbered = false;
    std::vector<CString> m_headings;
    std::vector<CString> m_flags;
    CListCtrl m_list;

    BOOL OnInitDialog() override;
    void OnOK() override;

    std::vector<EditorTableRow> Rows() const;

protected:
    void DoDataExchange(CDataExchange *pDX) override;
    void OnAdd();
    void OnModify();
    void OnDelete();
    void OnGenerateCriteria();
    void OnDblClkList(NMHDR *pNMHDR, LRESULT *pResult);
    DECLARE_MESSAGE_MAP()

private:
    EditorTableRow Row(int item) const;
    void SetRow(int item, const EditorTableRow &row);
    bool m_bHasTable = false; // false: the value holds no table and is given back as it came
};
