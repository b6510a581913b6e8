// The print loop of a view.

#include "framework/core/codepage.h"
#include "framework/ui/commondlg.h"
#include "framework/ui/document.h"
#include "framework/ui/gdi.h"
#include "framework/ui/msgbox.h"
#include "framework/ui/printinfo.h"
#include "framework/ui/testhook.h"
#include "framework/ui/view.h"
#include "framework/ui/winapp.h"

#include <string>

BOOL UseChosenPrinter(CPrintDialog &dialog)
{
    if (dialog.m_pd.hDC != nullptr)
        return TRUE;
    if (dialog.m_pd.hDevNames == nullptr) {
        CWinApp *app = AfxGetApp();
        if (!(app ? app->GetPrinterDeviceDefaults(&dialog.m_pd) : dialog.GetDefaults()))
            return FALSE;
    }
    return dialog.CreatePrinterDC() != nullptr;
}

BOOL CView::OnPreparePrinting(CPrintInfo *pInfo)
{
    return DoPreparePrinting(pInfo);
}

BOOL CView::DoPreparePrinting(CPrintInfo *pInfo)
{
    CPrintDialog &dialog = *pInfo->m_pPD;
    if (pInfo->m_bPreview || pInfo->m_bDirect) {
        if (UseChosenPrinter(dialog))
            return TRUE;
        // A preview without a printer shows a virtual page; printing needs a printer.
        if (pInfo->m_bPreview)
            return TRUE;
        AfxMessageBox(kNoPrinterMessage, MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    dialog.m_pd.hwndOwner = m_hWnd;
    // The printer chosen here is the application's for the direct prints that follow.
    CWinApp *app = AfxGetApp();
    if ((app ? app->DoPrintDialog(&dialog) : dialog.DoModal()) != IDOK) {
        // Cancelled, or the dialog could not open because there is no printer.
        if (::CommDlgExtendedError() == PDERR_NODEFAULTPRN) {
            AfxMessageBox(kNoPrinterMessage, MB_OK | MB_ICONEXCLAMATION);
        }
        return FALSE;
    }
    if (UseChosenPrinter(dialog))
        return TRUE;
    AfxMessageBox(kNoPrinterMessage, MB_OK | MB_ICONEXCLAMATION);
    return FALSE;
}

void CView::OnBeginPrinting(CDC *, CPrintInfo *) {}
void CView::OnEndPrinting(CDC *, CPrintInfo *) {}
void CView::OnPrint(CDC *pDC, CPrintInfo *)
{
    OnDraw(pDC);
}

void CView::OnFilePrint()
{
    CPrintInfo info;
    if (!OnPreparePrinting(&info))
        return;
    PrintTo(info);
}

CString CView::GetPrintJobTitle() const
{
    return m_pDocument ? m_pDocument->GetTitle() : CString();
}

BOOL CView::PrintTo(CPrintInfo &info)
{
    CDC dc;
    dc.Attach(info.m_pPD->m_pd.hDC);
    dc.m_bPrinting = TRUE;
    dc.m_hAttribDC = dc.m_hDC;

    const CString jobTitle = GetPrintJobTitle();
    std::wstring title = Cp1250ToWide(jobTitle.IsEmpty() ? CString("Morvelank") : jobTitle);
    DOCINFOW document{};
    document.cbSize = sizeof document;
    document.lpszDocName = title.c_str();
    // The pages are prepared before the job starts: a view may set the sheet up for them
    // (ResetDC), and the job's header states the sheet as it is at the start.
    OnBeginPrinting(&dc, &info);
    if (::StartDocW(dc.m_hDC, &document) <= 0) {
        OnEndPrinting(&dc, &info);
        dc.m_hAttribDC = nullptr;
        dc.Detach();
        AfxMessageBox("Nie można rozpocząć drukowania.", MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    if (CTestHook *hook = AfxGetTestHook(); hook && hook->onPrintJob)
        hook->onPrintJob(jobTitle);
    BOOL ok = TRUE;
    for (UINT page = info.GetFromPage();
         ok && info.m_bContinuePrinting && page <= info.GetToPage() && page <= info.GetMaxPage(); ++page) {
        info.m_nCurPage = page;
        OnPrepareDC(&dc);
        ok = ::StartPage(dc.m_hDC) > 0;
        if (!ok)
            break;
        info.m_rectDraw.SetRect(0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
        OnPrint(&dc, &info);
        ok = ::EndPage(dc.m_hDC) > 0;
    }
    OnEndPrinting(&dc, &info);
    if (ok) {
        ::EndDoc(dc.m_hDC);
    } else {
        ::AbortDoc(dc.m_hDC);
    }
    dc.m_hAttribDC = nullptr;
    dc.Detach();
    return ok;
}
