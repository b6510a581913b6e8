// CGridCtrl: printing the whole grid, scaled so that all its columns fill the page width.
// Pages are laid out in the grid's own units (screen pixels plus a margin of four character
// widths on each side) and mapped onto the printer's page.
#include "controls/grid/grid_ctrl.h"

#include "framework/core/codepage.h"
#include "framework/core/ctime.h"
#include "framework/ui/commondlg.h"
#include "framework/ui/frameids.h"
#include "framework/ui/msgbox.h"
#include "framework/ui/printinfo.h"
#include "framework/ui/winapp.h"

#include <string>

namespace {

const char kProbeText[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSATUVWXYZ";
const int kProbeLength = 52;

CString ApplicationTitle()
{
    CString title;
    title.LoadString(AFX_IDS_APP_TITLE);
    return title;
}

} // namespace

void CGridCtrl::Print()
{
    CWnd *owner = m_hWnd != nullptr ? GetParent() : nullptr;
    const HWND ownerWindow = owner != nullptr ? owner->GetSafeHwnd() : nullptr;
    if (m_nRows <= m_nFixedRows) {
        AfxShowMessageBox(ownerWindow, "Tabela nie zawiera wierszy do wydrukowania.", "Informacja",
                          MB_OK | MB_ICONINFORMATION);
        return;
    }

    CPrintInfo info;
    CPrintDialog &dialog = *info.m_pPD;
    dialog.m_pd.Flags = PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE | PD_HIDEPRINTTOFILE;
    dialog.m_pd.hwndOwner = ownerWindow;
    CWinApp *app = AfxGetApp();
    if ((app ? app->DoPrintDialog(&dialog) : dialog.DoModal()) != IDOK) {
        // Without any printer the dialog cannot open; say so rather than seem to do nothing.
        if (::CommDlgExtendedError() == PDERR_NODEFAULTPRN)
            AfxShowMessageBox(ownerWindow, kNoPrinterMessage, nullptr, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (!UseChosenPrinter(dialog)) {
        AfxShowMessageBox(ownerWindow, kNoPrinterMessage, nullptr, MB_OK | MB_ICONEXCLAMATION);
        return;
    }

    CDC dc;
    dc.Attach(dialog.GetPrinterDC());
    dc.m_bPrinting = TRUE;
    dc.m_hAttribDC = dc.m_hDC;

    const std::wstring name = Cp1250ToWide(ApplicationTitle());
    DOCINFOW document{};
    document.cbSize = sizeof document;
    document.lpszDocName = name.c_str();
    if (::StartDocW(dc.m_hDC, &document) <= 0) {
        AfxShowMessageBox(ownerWindow, "Nie można rozpocząć drukowania.", "Błąd", MB_OK | MB_ICONERROR);
    } else {
        info.m_rectDraw.SetRect(0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
        OnBeginPrinting(&dc, &info);
        BOOL fine = TRUE;
        for (UINT page = 1; fine && page <= (UINT)m_nPrintPages; ++page) {
            if (::StartPage(dc.m_hDC) <= 0) {
                fine = FALSE;
                break;
            }
            info.m_nCurPage = page;
            OnPrint(&dc, &info);
            fine = ::EndPage(dc.m_hDC) > 0;
        }
        OnEndPrinting(&dc, &info);
        if (fine) {
            ::EndDoc(dc.m_hDC);
        } else {
            ::AbortDoc(dc.m_hDC);
            AfxShowMessageBox(ownerWindow, "Drukowanie zostało przerwane.", "Błąd", MB_OK | MB_ICONERROR);
        }
    }
    dc.m_hAttribDC = nullptr;
    dc.Detach();
}

std::vector<int> CGridCtrl::PageFirstRows() const
{
    std::vector<int> firstRows;
    long used = 0;
    for (int row = m_nFixedRows; row < m_nRows; ++row) {
        const long height = GetRowHeight(row);
        if (firstRows.empty() || (used > 0 && used + height > m_nPageBodyHeight)) {
            firstRows.push_back(row);
            used = 0;
        }
        used += height;
    }
    return firstRows;
}

void CGridCtrl::OnBeginPrinting(CDC *pDC, CPrintInfo *pInfo)
{
    m_nPrintPages = 0;
    if (pDC == nullptr || pInfo == nullptr || m_nRows <= m_nFixedRows)
        return;

    m_PrinterFont.DeleteObject();
    m_PrinterFont.CreateFont(-9, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_CHARACTER_PRECIS,
                             CLIP_CHARACTER_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Times New Roman");
    CFont *oldFont = pDC->SelectObject(&m_PrinterFont);
    const CSize probe = pDC->GetTextExtent(kProbeText, kProbeLength);
    pDC->SelectObject(oldFont);
    m_CharSize = CSize(probe.cx / kProbeLength, probe.cy);

    m_PaperSize = CSize(pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
    if (m_PaperSize.cx <= 0 || m_PaperSize.cy <= 0)
        return;
    m_LogicalPageSize.cx = GetVirtualWidth() + 8 * m_CharSize.cx;
    m_LogicalPageSize.cy = ::MulDiv(m_LogicalPageSize.cx, m_PaperSize.cy, m_PaperSize.cx);
    m_nPageBodyHeight = m_LogicalPageSize.cy - GetFixedRowHeight() - 6 * m_CharSize.cy;

    m_nPrintPages = (int)PageFirstRows().size();
    pInfo->SetMaxPage(m_nPrintPages);
    pInfo->m_nCurPage = 1;
}

void CGridCtrl::PrintCellLines(CDC *pDC, const CRect &rect, BOOL bFirstRow, BOOL bFirstCol)
{
    if (m_nGridLines == GVL_HORZ || m_nGridLines == GVL_BOTH) {
        if (bFirstRow) {
            pDC->MoveTo(rect.left, rect.top);
            pDC->LineTo(rect.right + 1, rect.top);
        }
        pDC->MoveTo(rect.left, rect.bottom);
        pDC->LineTo(rect.right + 1, rect.bottom);
    }
    if (m_nGridLines == GVL_VERT || m_nGridLines == GVL_BOTH) {
        if (bFirstCol) {
            pDC->MoveTo(rect.left, rect.top);
            pDC->LineTo(rect.left, rect.bottom + 1);
        }
        pDC->MoveTo(rect.right, rect.top);
        pDC->LineTo(rect.right, rect.bottom + 1);
    }
}

void CGridCtrl::OnPrint(CDC *pDC, CPrintInfo *pInfo)
{
    if (pDC == nullptr || pInfo == nullptr || m_nPrintPages <= 0)
        return;
    const int W = m_CharSize.cx;
    const int H = m_CharSize.cy;

    CFont *oldFont = pDC->SelectObject(&m_PrinterFont);
    pDC->SetMapMode(MM_ANISOTROPIC);
    pDC->SetWindowExt(m_LogicalPageSize.cx, m_LogicalPageSize.cy);
    pDC->SetViewportExt(m_PaperSize.cx, m_PaperSize.cy);
    pDC->SetWindowOrg(-4 * W, 0);

    pInfo->m_rectDraw.SetRect(0, 0, m_LogicalPageSize.cx - 8 * W, 2 * H);
    PrintHeader(pDC, pInfo);

    pDC->SetWindowOrg(-4 * W, -3 * H);
    pInfo->m_rectDraw.bottom = GetFixedRowHeight();
    PrintColumnHeadings(pDC, pInfo);
    pDC->SetWindowOrg(-4 * W, -3 * H - GetFixedRowHeight());

    const std::vector<int> firstRows = PageFirstRows();
    const int page = (int)pInfo->m_nCurPage;
    if (page >= 1 && page <= (int)firstRows.size()) {
        const int endRow = page < (int)firstRows.size() ? firstRows[page] : m_nRows;
        int y = 0;
        for (int row = firstRows[page - 1]; row < endRow; ++row) {
            const int height = GetRowHeight(row);
            int x = 0;
            for (int col = 0; col < m_nCols; ++col) {
                const int width = GetColumnWidth(col);
                const CRect rect(x, y, x + width - 1, y + height - 1);
                DrawCell(pDC, row, col, rect, FALSE);
                PrintCellLines(pDC, rect, row == firstRows[page - 1], col == 0);
                x += width;
            }
            y += height;
        }
    }

    pInfo->m_rectDraw.bottom = 2 * H;
    pDC->SetWindowOrg(-4 * W, 2 * H - m_LogicalPageSize.cy);
    PrintFooter(pDC, pInfo);
    pDC->SetWindowOrg(0, 0);
    pDC->SelectObject(oldFont);
}

void CGridCtrl::PrintColumnHeadings(CDC *pDC, CPrintInfo *)
{
    CFont *oldFont = pDC->SelectObject(&m_PrinterFont);
    int y = 0;
    for (int row = 0; row < m_nFixedRows; ++row) {
        const int height = GetRowHeight(row);
        int x = 0;
        for (int col = 0; col < m_nCols; ++col) {
            const int width = GetColumnWidth(col);
            const CRect rect(x, y, x + width - 1, y + height - 1);
            DrawFixedCell(pDC, row, col, rect, FALSE);
            PrintCellLines(pDC, rect, row == 0, col == 0);
            x += width;
        }
        y += height;
    }
    pDC->SelectObject(oldFont);
}

void CGridCtrl::PrintHeader(CDC *pDC, CPrintInfo *pInfo)
{
    LOGFONTW logFont{};
    ::GetObjectW(m_PrinterFont.GetSafeHandle(), sizeof logFont, &logFont);
    wcscpy(logFont.lfFaceName, L"Arial");
    logFont.lfWeight = FW_BOLD;
    CFont titleFont;
    titleFont.Attach(::CreateFontIndirectW(&logFont));
    CFont *oldFont = pDC->SelectObject(&titleFont);
    pDC->SetBkMode(TRANSPARENT);
    CRect rect = pInfo->m_rectDraw;
    pDC->DrawText(ApplicationTitle(), &rect, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    CGdiObject *oldPen = pDC->SelectStockObject(BLACK_PEN);
    pDC->MoveTo(rect.left, rect.bottom);
    pDC->LineTo(rect.right, rect.bottom);
    pDC->SelectObject(oldPen);
    pDC->SelectObject(oldFont);
}

void CGridCtrl::PrintFooter(CDC *pDC, CPrintInfo *pInfo)
{
    CRect rect = pInfo->m_rectDraw;
    pDC->MoveTo(rect.left, rect.top);
    pDC->LineTo(rect.right, rect.top);

    LOGFONTW logFont{};
    ::GetObjectW(m_PrinterFont.GetSafeHandle(), sizeof logFont, &logFont);
    logFont.lfWeight = FW_BOLD;
    CFont boldFont;
    boldFont.Attach(::CreateFontIndirectW(&logFont));
    CFont *oldFont = pDC->SelectObject(&boldFont);
    pDC->SetBkMode(TRANSPARENT);
    rect.OffsetRect(0, m_CharSize.cy / 2);

    CString pageText;
    pageText.Format("Strona %d z %d", (int)pInfo->m_nCurPage, m_nPrintPages);
    pDC->DrawText(pageText, &rect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    pDC->DrawText(CTime::GetCurrentTime().Format("%c"), &rect,
                  DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    pDC->SelectObject(oldFont);
}

void CGridCtrl::OnEndPrinting(CDC *, CPrintInfo *)
{
    m_PrinterFont.DeleteObject();
}
