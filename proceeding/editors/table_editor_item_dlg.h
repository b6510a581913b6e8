// "Edycja elementu tabeli": one row of the table editor, a heading and an edit per column made
// when the dialog starts. The caller sets the table name, the headings and the values (one per
// column), the row number and whether the row is being added; after IDOK it reads the values
// and whether "Dodaj następne" closed the dialog.
#pragma once

#include <memory>
#include <vector>

#include "framework/ui/controls.h"
#include "framework/ui/dialog.h"
#include "framework/ui/gdi.h"

class CTableEditorItemDlg : public CDialog {
public:
    explicit CTableEditorItemDlg(CWnd *pParent = nullptr);

    CString m_strTableName; // the caption names it when not empty
    std::vector<CString> m_headings;
    std::vector<CString> m_values; // in and out, one per heading
    int m_nRow = 0;                // 0-based; a numbered row shows it plus one
    bool m_bAdding = false;        // enables "Dodaj następne"
    bool m_bAddNext = false;       // out: closed with "Dodaj następne"
    bool m_bNumbered = false;      // a column headed "lp" numbers the row
    bool m_bPriceForm = false;     // the table "formularz cenowy" computes its amounts

    BOOL OnInitDialog() override;
    void OnOK() override;

    CEdit *Edit(int column) const;

protected:
    void OnAddNext();
    void OnValueChanged(UINT id);
    DECLARE_MESSAGE_MAP()

private:
    void CreateFields();
    void FitHeight();
    // False, after saying why, when a value would break the table's ";" list.
    bool ReadValues();

    std::vector<std::unique_ptr<CStatic>> m_labels;
    std::vector<std::unique_ptr<CEdit>> m_edits;
    CFont m_font;
};
