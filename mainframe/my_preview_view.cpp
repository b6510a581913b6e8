#include "mainframe/my_preview_view.h"

#include "framework/ui/dialogbar.h"
#include "framework/ui/printinfo.h"
#include "res/resource.h"

IMPLEMENT_DYNCREATE(CMyPreviewView, CPreviewView)

BEGIN_MESSAGE_MAP(CMyPreviewView, CPreviewView)
    ON_WM_CREATE()
    ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_NUMPAGE, OnUpdateNumPageChange)
END_MESSAGE_MAP()

int CMyPreviewView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CPreviewView::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_pToolBar->SetBarStyle(m_pToolBar->GetBarStyle() | CBRS_TOOLTIPS);
    m_bTwoPage = 0;
    const struct {
        CMappedBitmapButton &button;
        UINT command;
        UINT bitmap;
    } buttons[] = {
        {m_print, AFX_ID_PREVIEW_PRINT, IDB_PREVIEW_PRINT},
        {m_next, AFX_ID_PREVIEW_NEXT, IDB_PREVIEW_NEXT},
        {m_prev, AFX_ID_PREVIEW_PREV, IDB_PREVIEW_PREV},
        {m_numPage, AFX_ID_PREVIEW_NUMPAGE, IDB_PREVIEW_ONE_PAGE},
        {m_zoomIn, AFX_ID_PREVIEW_ZOOMIN, IDB_PREVIEW_ZOOM_IN},
        {m_zoomOut, AFX_ID_PREVIEW_ZOOMOUT, IDB_PREVIEW_ZOOM_OUT},
    };
    for (const auto &entry : buttons)
        entry.button.AutoLoad(entry.command, m_pToolBar, entry.bitmap);
    return 0;
}

void CMyPreviewView::OnUpdateNumPageChange(CCmdUI *pCmdUI)
{
    const UINT shown = m_nZoomState != ZOOM_OUT ? m_nZoomOutPages : m_nPages;
    if (m_bTwoPage && shown == 1) {
        m_numPage.LoadBitmap(IDB_PREVIEW_ONE_PAGE);
        m_bTwoPage = 0;
        m_numPage.Invalidate();
    } else if (!m_bTwoPage && shown > 1) {
        m_numPage.LoadBitmap(IDB_PREVIEW_TWO_PAGES);
        m_bTwoPage = 1;
        m_numPage.Invalidate();
    }
    pCmdUI->Enable(m_nZoomState == ZOOM_OUT && m_nMaxPages != 1
                   && (m_pPreviewInfo->GetMaxPage() >= 2 || m_nPages >= 2));
}
