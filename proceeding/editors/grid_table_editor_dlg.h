// "Edytor tabel": the grid editor of the table variables of types 31 (mode 0), 30 (mode 1,
// rows numbered in a fixed first column) and 36 (mode 2, columns may be added and removed).
// The caller sets the mode, the caption and the value, runs DoModal and after IDOK reads the
// value back; its form is in grid_table_editor_text.h.
#pragma once

#include <vector>

#include "controls/grid/grid_ctrl.h"
#include "framework/ui/dialog.h"
#include "framework/ui/toolbar.h"
#include "proceeding/editors/grid_table_editor_text.h"

// A toolbar inside a dialog: its tooltips are asked of the dialog, never of the frame that
// owns the dialog and would answer with its own command texts.
class CDialogToolBar : public CToolBar {
public:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT *pResult) override;
};

class CGridTableEditorDlg : public CDialog {
public:
    explicit CGridTableEditorDlg(CWnd *pParent = nullptr);

    int m_nMode = 0;
    CString m_strCaption;    // the occurrence's name; used when not empty
    CString m_strValue;      // in and out
    CString m_strMainPath;   // where the spreadsheet exporter lies
    CString m_strExportPath; // where its data file goes

    CDialogToolBar m_toolBar;
    CGridCtrl m_grid;
    int m_nColumns = 0;

    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL PreTranslateMessage(MSG *pMsg) override;

    // The grid's cells, row 0 the headings.
    std::vector<GridTableRow> Rows();

protected:
    void OnExit();
    void OnAddRow();
    void OnDeleteRow();
    void OnInsertContractor();
    void OnExportExcel();
    void OnPrint();
    void OnAddColumn();
    void OnDeleteLastColumn();
    BOOL OnToolTipText(UINT id, NMHDR *pNMHDR, LRESULT *pResult);
    DECLARE_MESSAGE_MAP()

private:
    bool CreateToolBar();
    void EnableButtons();
    void LoadTable();
    void FitRowHeight(int row);
    // A new last row, numbered in mode 1; its index.
    int AppendRow();
    int FirstEditableColumn() const { return m_nMode == 1 ? 1 : 0; }
};
