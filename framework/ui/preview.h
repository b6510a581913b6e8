#pragma once
// Print preview: the pages a view prints, drawn on the screen in place of the frame's pane,
// with a bar of commands over them (close, next and previous page, one or two pages, zoom in
// and out, print).
//
// CView::DoPrintPreview takes over the outermost frame: its pane, menu, accelerators and
// control bars are put away (CPrintPreviewState) and a CPreviewView with the bar fills it.
// The preview runs the view's print loop on a CPreviewDC: OnPreparePrinting (the default
// printer; with none, a virtual A4 page), OnBeginPrinting once (the sheet read from the printer
// after it, as the view may turn it to its pages), OnPrepareDC and OnPrint for
// each page it paints, and OnEndPrinting through OnEndPrintPreview when it closes. A view
// prints a preview page exactly as a printed one: in the printer's device units, measuring on
// the attribute DC and asking the DC's GetDeviceCaps for the page's figures.
//
// The zoom has three steps: the whole page (or two side by side) fitted to the window, a
// middle step, and at least the page's real size, with scroll bars.

#include "framework/core/geometry.h"
#include "framework/ui/gdi.h"
#include "framework/ui/preview_ids.h"
#include "framework/ui/scrollview.h"

#include <vector>

class CControlBar;
class CDialogBar;
class CFrameWnd;
class CPrintInfo;

// What a preview put away in its frame, put back when the preview closes. The caller of
// DoPrintPreview makes it with new; once the preview has started the preview owns it and
// deletes it on closing; a preview that did not start leaves it to the caller.
struct CPrintPreviewState {
    CView *pViewActiveOld = nullptr; // the frame's active view before
    HWND hWndPaneSaved = nullptr;    // the frame's pane, hidden under AFX_IDW_PANE_SAVE
    HMENU hMenu = nullptr;           // the frame's menu, taken off while previewing
    HACCEL hAccelTable = nullptr;    // the frame's accelerators, likewise
    HWND hWndAccelChild = nullptr;   // the active MDI child whose accelerators were taken
    HACCEL hAccelChild = nullptr;
    std::vector<HWND> hiddenBars; // control bars that were visible

    // Puts the frame's pane, bars (all but pKeep), menu and accelerators away.
    void TakeOver(CFrameWnd *pFrame, CControlBar *pKeep);
    // Gives them back; the preview's own pane must be gone or renumbered first.
    void Restore(CFrameWnd *pFrame);
};

// The figures of one sheet of paper in a printer's device units.
struct CPreviewPage {
    CSize sizePhysical;  // the whole sheet
    CPoint offset;       // where the printable area starts on it
    CSize sizePrintable; // HORZRES, VERTRES
    CSize ppi;           // LOGPIXELSX, LOGPIXELSY
    CSize sizeMM;        // HORZSIZE, VERTSIZE

    // The page of a printer's DC.
    static CPreviewPage OfPrinter(HDC hPrinterDC);
    // An A4 sheet, all printable, at the resolution of the given (screen) DC.
    static CPreviewPage VirtualA4(HDC hScreenDC);
};

// The DC a view prints a preview page onto: drawing goes to the screen (m_hDC), mapped from
// the printer's device units into the page's place; m_hAttribDC is the printer's DC (or the
// screen's, for the virtual page). GetDeviceCaps answers for the previewed page.
class CPreviewDC : public CDC {
public:
    int GetDeviceCaps(int nIndex) const override;

    CPreviewPage m_page;
};

class CPreviewView : public CScrollView {
    DECLARE_DYNCREATE(CPreviewView)

public:
    enum { ZOOM_OUT = 0, ZOOM_MIDDLE = 1, ZOOM_IN = 2 };

    CPreviewView();
    ~CPreviewView() override;

    // Runs the print view's preparation and start of printing for the preview; FALSE when the
    // view refused. Without a printer the pages are virtual A4 sheets.
    BOOL SetPrintView(CView *pPrintView);
    // Shows nPage first (kept within the document's pages) and repaints.
    virtual void SetCurrentPage(UINT nPage, BOOL bClearRatios);
    void SetZoomState(UINT nNewState);
    // Puts the frame back as it was and destroys this view (and so deletes it).
    void ClosePreview();
    // TRUE when no printer was found and the pages are virtual A4 sheets.
    BOOL IsVirtualPage() const { return m_bVirtualPage; }
    // Where the page shown at index (0 or 1) lies in the client area; empty when none is.
    CRect GetPageRect(UINT nIndex) const;

    void OnDraw(CDC *pDC) override;

    void OnSize(UINT nType, int cx, int cy);
    BOOL OnEraseBkgnd(CDC *pDC);

    void OnPreviewClose();
    void OnPreviewPrint();
    void OnNextPage();
    void OnPrevPage();
    void OnNumPageChange();
    void OnZoomIn();
    void OnZoomOut();
    void OnUpdateNextPage(CCmdUI *pCmdUI);
    void OnUpdatePrevPage(CCmdUI *pCmdUI);
    void OnUpdateNumPageChange(CCmdUI *pCmdUI);
    void OnUpdateZoomIn(CCmdUI *pCmdUI);
    void OnUpdateZoomOut(CCmdUI *pCmdUI);

    DECLARE_MESSAGE_MAP()

public:
    CDialogBar *m_pToolBar = nullptr;              // the preview bar, deleted with its window
    CView *m_pPrintView = nullptr;                 // the view whose pages are shown
    CView *m_pOrigView = nullptr;                  // the view the preview started from
    CPrintInfo *m_pPreviewInfo = nullptr;          // owned
    CPrintPreviewState *m_pPreviewState = nullptr; // owned once the preview started
    CPreviewDC *m_pPreviewDC = nullptr;            // owned
    UINT m_nZoomState = ZOOM_OUT;
    UINT m_nZoomOutPages = 1; // pages side by side when zoomed out
    UINT m_nPages = 1;        // pages shown now
    UINT m_nMaxPages = 2;     // at most this many side by side
    UINT m_nCurrentPage = 1;

private:
    // Screen pixels per printer unit for the zoom state, and the pages' places for it.
    double ZoomScale(UINT nZoomState) const;
    void PositionPages();
    void DrawPage(CDC *pDC, UINT nIndex);
    // The last page there is: the view's maximum page, never below the first.
    UINT LastPage() const;

    BOOL m_bVirtualPage = FALSE;
    HDC m_hScreenIC = nullptr; // the virtual page's attribute DC
    CRect m_rectPages[2];      // in content pixels (before scrolling)
};
