#include "framework/ui/preview.h"

#include "framework/ui/commondlg.h"
#include "framework/ui/dialogbar.h"
#include "framework/ui/framewnd.h"
#include "framework/ui/mdiframe.h"
#include "framework/ui/printinfo.h"

#include <algorithm>
#include <cmath>

IMPLEMENT_DYNCREATE(CPreviewView, CScrollView)

BEGIN_MESSAGE_MAP(CPreviewView, CScrollView)
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_COMMAND(AFX_ID_PREVIEW_CLOSE, OnPreviewClose)
    ON_COMMAND(AFX_ID_PREVIEW_PRINT, OnPreviewPrint)
    ON_COMMAND(AFX_ID_PREVIEW_NEXT, OnNextPage)
    ON_COMMAND(AFX_ID_PREVIEW_PREV, OnPrevPage)
    ON_COMMAND(AFX_ID_PREVIEW_NUMPAGE, OnNumPageChange)
    ON_COMMAND(AFX_ID_PREVIEW_ZOOMIN, OnZoomIn)
    ON_COMMAND(AFX_ID_PREVIEW_ZOOMOUT, OnZoomOut)
    ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_NEXT, OnUpdateNextPage)
    ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_PREV, OnUpdatePrevPage)
    ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_NUMPAGE, OnUpdateNumPageChange)
    ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_ZOOMIN, OnUpdateZoomIn)
    ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_ZOOMOUT, OnUpdateZoomOut)
END_MESSAGE_MAP()

namespace {

const int kGap = 10; // pixels around and between the pages
const int kShadow = 3;

} // namespace

// ---- The page and its DC -------------------------------------------------------------------------

CPreviewPage CPreviewPage::OfPrinter(HDC hPrinterDC)
{
    CPreviewPage page;
    page.sizePhysical = CSize(::GetDeviceCaps(hPrinterDC, PHYSICALWIDTH), ::GetDeviceCaps(hPrinterDC, PHYSICALHEIGHT));
    page.offset = CPoint(::GetDeviceCaps(hPrinterDC, PHYSICALOFFSETX), ::GetDeviceCaps(hPrinterDC, PHYSICALOFFSETY));
    page.sizePrintable = CSize(::GetDeviceCaps(hPrinterDC, HORZRES), ::GetDeviceCaps(hPrinterDC, VERTRES));
    page.ppi = CSize(::GetDeviceCaps(hPrinterDC, LOGPIXELSX), ::GetDeviceCaps(hPrinterDC, LOGPIXELSY));
    page.sizeMM = CSize(::GetDeviceCaps(hPrinterDC, HORZSIZE), ::GetDeviceCaps(hPrinterDC, VERTSIZE));
    // A driver that does not tell the sheet apart from the printable area.
    if (page.sizePhysical.cx <= 0 || page.sizePhysical.cy <= 0) {
        page.sizePhysical = page.sizePrintable;
        page.offset = CPoint(0, 0);
    }
    return page;
}

CPreviewPage CPreviewPage::VirtualA4(HDC hScreenDC)
{
    CPreviewPage page;
    page.ppi = CSize(::GetDeviceCaps(hScreenDC, LOGPIXELSX), ::GetDeviceCaps(hScreenDC, LOGPIXELSY));
    page.sizeMM = CSize(210, 297);
    page.sizePhysical = CSize(::MulDiv(2100, page.ppi.cx, 254), ::MulDiv(2970, page.ppi.cy, 254));
    page.sizePrintable = page.sizePhysical;
    return page;
}

int CPreviewDC::GetDeviceCaps(int nIndex) const
{
    switch (nIndex) {
    case PHYSICALWIDTH:
        return m_page.sizePhysical.cx;
    case PHYSICALHEIGHT:
        return m_page.sizePhysical.cy;
    case PHYSICALOFFSETX:
        return m_page.offset.x;
    case PHYSICALOFFSETY:
        return m_page.offset.y;
    case HORZRES:
        return m_page.sizePrintable.cx;
    case VERTRES:
        return m_page.sizePrintable.cy;
    case LOGPIXELSX:
        return m_page.ppi.cx;
    case LOGPIXELSY:
        return m_page.ppi.cy;
    case HORZSIZE:
        return m_page.sizeMM.cx;
    case VERTSIZE:
        return m_page.sizeMM.cy;
    case TECHNOLOGY:
        return DT_RASPRINTER;
    default:
        return ::GetDeviceCaps(m_hAttribDC, nIndex);
    }
}

// ---- The view ------------------------------------------------------------------------------------

CPreviewView::CPreviewView() = default;

CPreviewView::~CPreviewView()
{
    if (m_pPreviewDC != nullptr)
        m_pPreviewDC->m_hDC = nullptr; // borrowed, never the DC's own
    delete m_pPreviewDC;
    delete m_pPreviewInfo;
    delete m_pPreviewState;
    if (m_hScreenIC != nullptr)
        ::DeleteDC(m_hScreenIC);
}

BOOL CPreviewView::SetPrintView(CView *pPrintView)
{
    m_pPrintView = pPrintView;
    m_pPreviewInfo = new CPrintInfo;
    m_pPreviewInfo->m_bPreview = TRUE;
    if (!pPrintView->OnPreparePrinting(m_pPreviewInfo))
        return FALSE;

    m_pPreviewDC = new CPreviewDC;
    m_pPreviewDC->m_bPrinting = TRUE;
    HDC printer = m_pPreviewInfo->m_pPD->m_pd.hDC;
    if (printer != nullptr)
        m_pPreviewDC->m_page = CPreviewPage::OfPrinter(printer);
    m_bVirtualPage =
        printer == nullptr || m_pPreviewDC->m_page.sizePhysical.cx <= 0 || m_pPreviewDC->m_page.sizePhysical.cy <= 0;
    if (m_bVirtualPage) {
        m_hScreenIC = ::CreateICW(L"DISPLAY", nullptr, nullptr, nullptr);
        m_pPreviewDC->m_page = CPreviewPage::VirtualA4(m_hScreenIC);
        printer = m_hScreenIC;
    }
    m_pPreviewDC->m_hAttribDC = printer;
    m_pPreviewInfo->m_rectDraw.SetRect(0, 0, m_pPreviewDC->m_page.sizePrintable.cx,
                                       m_pPreviewDC->m_page.sizePrintable.cy);

    // Until the view's pages are painted, the drawing side only measures on the printer.
    m_pPreviewDC->m_hDC = printer;
    pPrintView->OnBeginPrinting(m_pPreviewDC, m_pPreviewInfo);
    m_pPreviewDC->m_hDC = nullptr;
    // The view may have turned the printer's sheet to its pages (ResetDC): the preview shows
    // the sheet the job would print on.
    if (!m_bVirtualPage) {
        m_pPreviewDC->m_page = CPreviewPage::OfPrinter(printer);
        m_pPreviewInfo->m_rectDraw.SetRect(0, 0, m_pPreviewDC->m_page.sizePrintable.cx,
                                           m_pPreviewDC->m_page.sizePrintable.cy);
    }

    // The print info says how many pages to show first.
    m_nPages = m_nZoomOutPages = std::max(1u, std::min(m_pPreviewInfo->m_nNumPreviewPages, m_nMaxPages));
    m_nCurrentPage = std::max(m_pPreviewInfo->GetMinPage(), std::min(m_pPreviewInfo->m_nCurPage, LastPage()));
    return TRUE;
}

UINT CPreviewView::LastPage() const
{
    return std::max(m_pPreviewInfo->GetMinPage(), m_pPreviewInfo->GetMaxPage());
}

void CPreviewView::SetCurrentPage(UINT nPage, BOOL)
{
    m_nCurrentPage = std::max(m_pPreviewInfo->GetMinPage(), std::min(nPage, LastPage()));
    if (m_hWnd != nullptr)
        Invalidate(TRUE);
}

// ---- Layout and drawing ------------------------------------------------------------------------

double CPreviewView::ZoomScale(UINT nZoomState) const
{
    const CPreviewPage &page = m_pPreviewDC->m_page;
    CRect client;
    GetClientRect(&client);
    const int pages = static_cast<int>(m_nZoomOutPages);
    const double fitWidth =
        double(client.Width() - (pages + 1) * kGap - pages * kShadow) / (pages * page.sizePhysical.cx);
    const double fitHeight = double(client.Height() - 2 * kGap - kShadow) / page.sizePhysical.cy;
    const double fit = std::max(0.01, std::min(fitWidth, fitHeight));
    HDC screen = ::GetDC(nullptr);
    const double real = double(::GetDeviceCaps(screen, LOGPIXELSX)) / std::max(1, static_cast<int>(page.ppi.cx));
    ::ReleaseDC(nullptr, screen);
    const double full = std::max(real, fit);
    switch (nZoomState) {
    case ZOOM_IN:
        return full;
    case ZOOM_MIDDLE:
        return (fit + full) / 2;
    default:
        return fit;
    }
}

void CPreviewView::PositionPages()
{
    if (m_hWnd == nullptr || m_pPreviewDC == nullptr)
        return;
    const CPreviewPage &page = m_pPreviewDC->m_page;
    const double scale = ZoomScale(m_nZoomState);
    const CSize sheet(std::max(1, int(std::lround(page.sizePhysical.cx * scale))),
                      std::max(1, int(std::lround(page.sizePhysical.cy * scale))));
    CRect client;
    GetClientRect(&client);
    const int pages = static_cast<int>(m_nPages);
    const int sheetWidth = static_cast<int>(sheet.cx);
    const int sheetHeight = static_cast<int>(sheet.cy);
    const int width = pages * sheetWidth + (pages - 1) * kGap;
    const int left = std::max(kGap, (client.Width() - width) / 2);
    const int top = std::max(kGap, (client.Height() - sheetHeight) / 2);
    for (int i = 0; i < 2; ++i) {
        const int x = left + i * (sheetWidth + kGap);
        m_rectPages[i] = i < pages ? CRect(x, top, x + sheetWidth, top + sheetHeight) : CRect(0, 0, 0, 0);
    }
    const CSize total =
        m_nZoomState == ZOOM_OUT ? CSize(0, 0) : CSize(width + 2 * kGap + kShadow, sheetHeight + 2 * kGap + kShadow);
    if (total != m_totalLog)
        SetScrollSizes(MM_TEXT, total);
}

CRect CPreviewView::GetPageRect(UINT nIndex) const
{
    if (nIndex >= m_nPages || m_nCurrentPage + nIndex > LastPage())
        return CRect(0, 0, 0, 0);
    CRect rect = m_rectPages[nIndex];
    const CPoint scrolled = GetDeviceScrollPosition();
    rect.OffsetRect(-scrolled.x, -scrolled.y);
    return rect;
}

void CPreviewView::OnSize(UINT nType, int cx, int cy)
{
    CScrollView::OnSize(nType, cx, cy);
    PositionPages();
}

BOOL CPreviewView::OnEraseBkgnd(CDC *)
{
    return TRUE;
} // OnDraw paints everything

void CPreviewView::OnDraw(CDC *pDC)
{
    CRect area;
    ::GetClipBox(pDC->m_hDC, &area);
    pDC->FillSolidRect(&area, ::GetSysColor(COLOR_APPWORKSPACE));
    for (UINT i = 0; i < m_nPages && m_nCurrentPage + i <= LastPage(); ++i)
        DrawPage(pDC, i);
    // The view may have learnt its last page while printing the ones shown.
    if (m_nCurrentPage > LastPage())
        SetCurrentPage(LastPage(), TRUE);
}

void CPreviewView::DrawPage(CDC *pDC, UINT nIndex)
{
    const CRect sheet = m_rectPages[nIndex];
    CRect shadow = sheet;
    shadow.OffsetRect(kShadow, kShadow);
    pDC->FillSolidRect(&shadow, RGB(0, 0, 0));
    pDC->FillSolidRect(&sheet, RGB(255, 255, 255));

    // The sheet's place in device units, whatever the scrolling did to the DC.
    POINT corners[2] = {{sheet.left, sheet.top}, {sheet.right, sheet.bottom}};
    ::LPtoDP(pDC->m_hDC, corners, 2);
    const CPreviewPage &page = m_pPreviewDC->m_page;
    const int width = corners[1].x - corners[0].x;
    const int height = corners[1].y - corners[0].y;

    const int saved = ::SaveDC(pDC->m_hDC);
    m_pPreviewDC->m_hDC = pDC->m_hDC;
    ::SetMapMode(pDC->m_hDC, MM_ANISOTROPIC);
    ::SetWindowOrgEx(pDC->m_hDC, 0, 0, nullptr);
    ::SetWindowExtEx(pDC->m_hDC, page.sizePhysical.cx, page.sizePhysical.cy, nullptr);
    ::SetViewportExtEx(pDC->m_hDC, width, height, nullptr);
    ::SetViewportOrgEx(pDC->m_hDC, corners[0].x + ::MulDiv(page.offset.x, width, page.sizePhysical.cx),
                       corners[0].y + ::MulDiv(page.offset.y, height, page.sizePhysical.cy), nullptr);
    ::IntersectClipRect(pDC->m_hDC, -page.offset.x, -page.offset.y, page.sizePhysical.cx - page.offset.x,
                        page.sizePhysical.cy - page.offset.y);
    m_pPreviewInfo->m_nCurPage = m_nCurrentPage + nIndex;
    m_pPreviewInfo->m_rectDraw.SetRect(0, 0, page.sizePrintable.cx, page.sizePrintable.cy);
    m_pPrintView->OnPrepareDC(m_pPreviewDC);
    m_pPrintView->OnPrint(m_pPreviewDC, m_pPreviewInfo);
    m_pPreviewDC->m_hDC = nullptr;
    ::RestoreDC(pDC->m_hDC, saved);
}

// ---- Commands ------------------------------------------------------------------------------------

void CPreviewView::SetZoomState(UINT nNewState)
{
    if (nNewState > ZOOM_IN || nNewState == m_nZoomState)
        return;
    if (m_nZoomState == ZOOM_OUT)
        m_nZoomOutPages = m_nPages;
    m_nZoomState = nNewState;
    m_nPages = nNewState == ZOOM_OUT ? m_nZoomOutPages : 1;
    if (nNewState == ZOOM_OUT)
        SetScrollSizes(MM_TEXT, CSize(0, 0));
    PositionPages();
    ScrollToPosition(CPoint(0, 0));
    Invalidate(TRUE);
}

void CPreviewView::OnZoomIn()
{
    if (m_nZoomState != ZOOM_IN)
        SetZoomState(m_nZoomState + 1);
}

void CPreviewView::OnZoomOut()
{
    if (m_nZoomState != ZOOM_OUT)
        SetZoomState(m_nZoomState - 1);
}

void CPreviewView::OnNextPage()
{
    SetCurrentPage(m_nCurrentPage + 1, TRUE);
}

void CPreviewView::OnPrevPage()
{
    if (m_nCurrentPage > m_pPreviewInfo->GetMinPage())
        SetCurrentPage(m_nCurrentPage - 1, TRUE);
}

void CPreviewView::OnNumPageChange()
{
    if (m_nZoomState != ZOOM_OUT)
        return;
    m_nPages = m_nZoomOutPages = m_nPages == 1 ? std::min(2u, m_nMaxPages) : 1;
    PositionPages();
    Invalidate(TRUE);
}

void CPreviewView::OnUpdateNextPage(CCmdUI *pCmdUI)
{
    pCmdUI->Enable(m_nCurrentPage + m_nPages - 1 < LastPage());
}

void CPreviewView::OnUpdatePrevPage(CCmdUI *pCmdUI)
{
    pCmdUI->Enable(m_nCurrentPage > m_pPreviewInfo->GetMinPage());
}

void CPreviewView::OnUpdateNumPageChange(CCmdUI *pCmdUI)
{
    const UINT shown = m_nZoomState == ZOOM_OUT ? m_nPages : m_nZoomOutPages;
    pCmdUI->SetText(shown == 1 ? "&Dwie strony" : "&Jedna strona");
    pCmdUI->Enable(m_nZoomState == ZOOM_OUT && m_nMaxPages != 1
                   && (LastPage() > m_pPreviewInfo->GetMinPage() || m_nPages > 1));
}

void CPreviewView::OnUpdateZoomIn(CCmdUI *pCmdUI)
{
    pCmdUI->Enable(m_nZoomState != ZOOM_IN);
}
void CPreviewView::OnUpdateZoomOut(CCmdUI *pCmdUI)
{
    pCmdUI->Enable(m_nZoomState != ZOOM_OUT);
}

void CPreviewView::OnPreviewClose()
{
    // Ending the print job may measure again: the drawing side is the printer's meanwhile.
    m_pPreviewDC->m_hDC = m_pPreviewDC->m_hAttribDC;
    m_pPrintView->OnEndPrintPreview(m_pPreviewDC, m_pPreviewInfo, CPoint(0, 0), this);
}

void CPreviewView::OnPreviewPrint()
{
    // The preview goes first; the print command then reaches the view as if chosen there.
    CFrameWnd *frame = AfxGetTopLevelFrame(this);
    OnPreviewClose();
    if (frame != nullptr)
        frame->SendMessage(WM_COMMAND, ID_FILE_PRINT, 0);
}

void CPreviewView::ClosePreview()
{
    CFrameWnd *frame = AfxGetTopLevelFrame(this);
    CView *origView = m_pOrigView;
    if (m_pToolBar != nullptr && m_pToolBar->m_hWnd != nullptr)
        m_pToolBar->DestroyWindow();
    m_pToolBar = nullptr;
    if (frame != nullptr && m_pPreviewState != nullptr) {
        frame->SetActiveView(m_pPreviewState->pViewActiveOld, FALSE);
        ::SetWindowLongPtrW(m_hWnd, GWLP_ID, 0);
        m_pPreviewState->Restore(frame);
    }
    DestroyWindow(); // deletes this, and with it the state, the DC and the print info
    if (frame == nullptr)
        return;
    frame->RecalcLayout();
    if (origView != nullptr && ::IsWindow(origView->m_hWnd))
        origView->OnActivateView(TRUE, origView, origView);
}

// ---- The frame while previewing ----------------------------------------------------------------

void CPrintPreviewState::TakeOver(CFrameWnd *pFrame, CControlBar *pKeep)
{
    pViewActiveOld = pFrame->GetActiveView();
    POSITION pos = pFrame->m_listControlBars.GetHeadPosition();
    while (pos != nullptr) {
        CControlBar *bar = static_cast<CControlBar *>(pFrame->m_listControlBars.GetNext(pos));
        if (bar == pKeep || !bar->IsVisible())
            continue;
        bar->ShowWindow(SW_HIDE);
        hiddenBars.push_back(bar->m_hWnd);
    }
    hMenu = ::GetMenu(pFrame->m_hWnd);
    if (hMenu != nullptr)
        ::SetMenu(pFrame->m_hWnd, nullptr);
    hAccelTable = pFrame->m_hAccelTable;
    pFrame->m_hAccelTable = nullptr;
    // An MDI child's shared accelerators would still reach its hidden view.
    CMDIFrameWnd *mdiFrame = dynamic_cast<CMDIFrameWnd *>(pFrame);
    CMDIChildWnd *child = mdiFrame != nullptr ? mdiFrame->MDIGetActive() : nullptr;
    if (child != nullptr) {
        hWndAccelChild = child->m_hWnd;
        hAccelChild = child->m_hAccelShared;
        child->m_hAccelShared = nullptr;
    }
    HWND pane = ::GetDlgItem(pFrame->m_hWnd, AFX_IDW_PANE_FIRST);
    if (pane != nullptr) {
        ::ShowWindow(pane, SW_HIDE);
        ::EnableWindow(pane, FALSE);
        ::SetWindowLongPtrW(pane, GWLP_ID, AFX_IDW_PANE_SAVE);
        hWndPaneSaved = pane;
    }
}

void CPrintPreviewState::Restore(CFrameWnd *pFrame)
{
    if (hWndPaneSaved != nullptr && ::IsWindow(hWndPaneSaved)) {
        ::SetWindowLongPtrW(hWndPaneSaved, GWLP_ID, AFX_IDW_PANE_FIRST);
        ::EnableWindow(hWndPaneSaved, TRUE);
        ::ShowWindow(hWndPaneSaved, SW_SHOWNA);
    }
    hWndPaneSaved = nullptr;
    for (HWND bar : hiddenBars) {
        if (::IsWindow(bar))
            ::ShowWindow(bar, SW_SHOWNA);
    }
    hiddenBars.clear();
    if (hMenu != nullptr)
        ::SetMenu(pFrame->m_hWnd, hMenu);
    hMenu = nullptr;
    pFrame->m_hAccelTable = hAccelTable;
    CMDIChildWnd *child = dynamic_cast<CMDIChildWnd *>(CWnd::FromHandlePermanent(hWndAccelChild));
    if (child != nullptr)
        child->m_hAccelShared = hAccelChild;
    hWndAccelChild = nullptr;
}
