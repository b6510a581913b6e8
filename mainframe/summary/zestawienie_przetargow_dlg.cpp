#include "mainframe/summary/zestawienie_przetargow_dlg.h"

#include <exception>

#include "model/file_utils.h"
#include "app/app_settings.h"
#include "app/number_format.h"
#include "app/program_databases.h"
#include "controls/dialog_toolbar.h"
#include "framework/core/exceptions.h"
#include "framework/db/com_error.h"
#include "framework/ui/frameids.h"
#include "framework/ui/msgbox.h"
#include "framework/ui/msgmap.h"
#include "mainframe/outside_program.h"
#include "mainframe/summary/proceedings_summary.h"
#include "res/summary_proceedings_ids.h"

namespace {

const char kErrorCaption[] = "Błąd";
const char kExportFileName[] = "\\export.dat";
const char kExporterName[] = "\\Quendral.exe";
// "&" in a signature is text, not a mnemonic.
const UINT kCellFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
// Procedure names, long and short, read from their start and end in an ellipsis where they are cut.
const UINT kNameFormat = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
const int kNameColumns[] = {4, 5};

const struct {
    const char *heading;
    int width;
} kColumns[] = {
    {"", 25},     {"Sygnatura", 100}, {"Data utworzenia", 100}, {"Data modyfikacji", 100}, {"Tryb postępowania", 280},
    {"Tryb", 54},
};

} // namespace

BEGIN_MESSAGE_MAP(CZestawieniePrzetargow, CDialog)
    ON_COMMAND(ID_SUMMARY_PROCEEDINGS_PRINT, OnPrint)
    ON_COMMAND(ID_SUMMARY_PROCEEDINGS_EXPORT, OnExportExcel)
END_MESSAGE_MAP()

CZestawieniePrzetargow::CZestawieniePrzetargow(CWnd *pParent) : CDialog(IDD_SUMMARY_PROCEEDINGS, pParent)
{
    if (const AppSettings *settings = GetProgramSettings()) {
        m_connection = GetMainDatabase();
        m_strMainPath = settings->MainPath;
        m_strExportPath = settings->ExportPath;
    }
}

BOOL CZestawieniePrzetargow::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_Grid.SubclassDlgItem(IDC_SUMMARY_PROCEEDINGS_GRID, this);
    if (!CreateToolBar()) {
        EndDialog(IDCANCEL);
        return TRUE;
    }
    for (const auto &column : kColumns) {
        const int index = m_Grid.InsertColumn(column.heading, kCellFormat);
        m_Grid.SetColumnWidth(index, column.width);
    }
    m_Grid.SetFixedRowCount(1);
    m_Grid.SetFixedColumnCount(1);
    LoadList();
    return TRUE;
}

bool CZestawieniePrzetargow::CreateToolBar()
{
    return CreateToolBarOnTop(*this, m_wndToolBar, IDR_SUMMARY_PROCEEDINGS_TOOLBAR);
}

void CZestawieniePrzetargow::LoadList()
{
    const HWND owner = m_hWnd;
    if (!m_connection || !m_connection->IsOpen()) {
        AfxShowMessageBox(owner, "Baza danych postępowań nie jest otwarta. Zestawienia nie można odczytać.",
                          kErrorCaption, MB_ICONERROR);
        return;
    }
    try {
        int counter = 1;
        for (const ProceedingSummaryRow &record : ReadProceedingSummaries(m_connection)) {
            const int row = m_Grid.InsertRow(IntToStr(record.id));
            m_Grid.SetItemText(row, 0, IntToStr(counter));
            const std::vector<CString> texts = SummaryRowTexts(record);
            for (size_t i = 0; i < texts.size(); ++i)
                m_Grid.SetItemText(row, static_cast<int>(i) + 1, texts[i]);
            for (int column : kNameColumns)
                m_Grid.SetItemFormat(row, column, kNameFormat);
            ++counter;
        }
    } catch (const ComError &error) {
        AfxShowMessageBox(owner, "Wyjątek COM: " + error.Description(), kErrorCaption, MB_ICONERROR);
        AfxShowMessageBox(owner, "Nie udało się odczytać zestawienia postępowań z bazy danych.", kErrorCaption,
                          MB_ICONERROR);
    } catch (CException *e) {
        e->Delete();
        AfxShowMessageBox(owner, "Nieobsłużony wyjątek", kErrorCaption, MB_ICONERROR);
    } catch (const std::exception &) {
        AfxShowMessageBox(owner, "Nieobsłużony wyjątek", kErrorCaption, MB_ICONERROR);
    }
    m_Grid.ResetScrollBars();
    m_Grid.Invalidate();
}

std::vector<std::vector<CString>> CZestawieniePrzetargow::GridTexts()
{
    std::vector<std::vector<CString>> cells(m_Grid.GetRowCount());
    for (int row = 0; row < m_Grid.GetRowCount(); ++row)
        for (int col = 0; col < m_Grid.GetColumnCount(); ++col)
            cells[row].push_back(m_Grid.GetItemText(row, col));
    return cells;
}

void CZestawieniePrzetargow::OnPrint()
{
    m_Grid.Print();
}

void CZestawieniePrzetargow::OnExportExcel()
{
    const CString file = m_strExportPath + kExportFileName;
    CreateDirectoryPath(m_strExportPath);
    if (!WriteSummaryExport(file, GridTexts())) {
        AfxShowMessageBox(m_hWnd, "Nie można zapisać pliku eksportu " + file, kErrorCaption, MB_ICONERROR);
        return;
    }
    const CString exporter = m_strMainPath + kExporterName;
    if (!FileExists(exporter) || !StartOutsideProgram(exporter, ""))
        AfxShowMessageBox(m_hWnd, "Nie można uruchomić programu eksportu do arkusza kalkulacyjnego " + exporter,
                          kErrorCaption, MB_ICONERROR);
}
