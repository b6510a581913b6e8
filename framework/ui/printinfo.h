#pragma once
// What a view's print loop shares with the view: the print dialog (and so the printer's DC),
// the page range, the page being printed and whether this run is a preview.
//
// The loop (CView::OnFilePrint): OnPreparePrinting (normally DoPreparePrinting: the print
// dialog, or the default printer when m_bDirect), OnBeginPrinting (before the job starts, so
// it may set the sheet up), then per page OnPrepareDC and OnPrint between StartPage and
// EndPage, and OnEndPrinting. A view that learns its last page while printing sets the
// maximum page; the loop stops there.

#include "framework/core/geometry.h"

#include <windows.h>

class CPrintDialog;

class CPrintInfo {
public:
    CPrintInfo();
    ~CPrintInfo();
    CPrintInfo(const CPrintInfo &) = delete;
    CPrintInfo &operator=(const CPrintInfo &) = delete;

    void SetMinPage(UINT nMinPage);
    void SetMaxPage(UINT nMaxPage);
    UINT GetMinPage() const;
    UINT GetMaxPage() const;
    // The range the user chose; all pages unless a range was asked for.
    UINT GetFromPage() const;
    UINT GetToPage() const;

    CPrintDialog *m_pPD;    // owned
    BOOL m_bDirect = FALSE; // no print dialog: the default printer
    BOOL m_bPreview = FALSE;
    BOOL m_bContinuePrinting = TRUE;
    UINT m_nCurPage = 1;
    UINT m_nNumPreviewPages = 1;
    CRect m_rectDraw; // the printable area of the page, in device units
    LPVOID m_lpUserData = nullptr;
};

// The text shown when printing finds no printer at all.
extern const char *const kNoPrinterMessage;

class CPrintDialog;
// Gives the dialog a DC of the printer it names, or else of the application's printer (the
// default one without an application); FALSE when there is none.
BOOL UseChosenPrinter(CPrintDialog &dialog);
