// "Zestawienie prowadzonych postępowań przetargowych": every proceeding of the main database
// in a grid, with a toolbar to print the grid or export it to a spreadsheet.
#pragma once

#include "controls/grid/grid_ctrl.h"
#include "framework/core/cstring.h"
#include "framework/db/connection.h"
#include "framework/ui/dialog.h"
#include "framework/ui/toolbar.h"

#include <vector>

class CZestawieniePrzetargow : public CDialog {
public:
    explicit CZestawieniePrzetargow(CWnd *pParent = nullptr);

    // Set by the constructor from the application; the caller may change them before DoModal.
    ConnectionPtr m_connection;
    CString m_strMainPath;   // where the spreadsheet exporter lies
    CString m_strExportPath; // where its data file goes

    CToolBar m_wndToolBar;
    CGridCtrl m_Grid;

    BOOL OnInitDialog() override;
    // Fills the grid with the proceedings of the database, one row each after the heading row.
    void LoadList();
    // The grid's texts, row 0 the headings.
    std::vector<std::vector<CString>> GridTexts();

    void OnPrint();
    void OnExportExcel();

protected:
    DECLARE_MESSAGE_MAP()

private:
    bool CreateToolBar();
};
