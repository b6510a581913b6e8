#include "mainframe/library/library_frames.h"

#include "framework/core/module.h"
#include "mainframe/library/library_config.h"
#include "mainframe/library/zp_tree_left_view.h"
#include "mainframe/library/zp_umowy_view.h"

namespace {

// The application's icon, as the program's other windows show it.
const UINT kApplicationIcon = 187;
const int kTreeWidth = 150;

} // namespace

IMPLEMENT_DYNAMIC(CLibraryFrame, CMDIChildWnd)
IMPLEMENT_DYNCREATE(CZPFrame, CLibraryFrame)
IMPLEMENT_DYNCREATE(CCiekaweFrame, CLibraryFrame)
IMPLEMENT_DYNCREATE(COrzeczeniaKIOFrame, CLibraryFrame)

BEGIN_MESSAGE_MAP(CLibraryFrame, CMDIChildWnd)
    ON_WM_CLOSE()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(COrzeczeniaKIOFrame, CLibraryFrame)
    ON_WM_MDIACTIVATE()
END_MESSAGE_MAP()

CLibraryFrame::CLibraryFrame(int mode, const char *title, UINT iconId)
    : m_nMode(mode), m_title(title), m_nIconId(iconId)
{
}

BOOL CLibraryFrame::OnCreateClient(LPCREATESTRUCT, CCreateContext *pContext)
{
    if (!m_wndSplitter.CreateStatic(this, 1, 2, WS_CHILD | WS_VISIBLE, AFX_IDW_PANE_FIRST))
        return FALSE;
    CRuntimeClass *viewClass = pContext ? pContext->m_pNewViewClass : nullptr;
    if (!viewClass || !m_wndSplitter.CreateView(0, 0, RUNTIME_CLASS(CZPTreeLeftView), CSize(0, 0), pContext)
        || !m_wndSplitter.CreateView(0, 1, viewClass, CSize(100, 0), pContext)) {
        m_wndSplitter.DestroyWindow();
        return FALSE;
    }
    m_pTree = dynamic_cast<CZPTreeLeftView *>(m_wndSplitter.GetPane(0, 0));
    m_pView = dynamic_cast<CZPUmowyView *>(m_wndSplitter.GetPane(0, 1));
    if (!m_pTree || !m_pView)
        return FALSE;
    SetActiveView(m_pTree);
    m_pTree->SetView(m_pView);
    m_pView->SetTree(m_pTree);
    m_pTree->SetMode(m_nMode);
    m_pView->SetMode(m_nMode);
    m_wndSplitter.SetColumnInfo(0, kTreeWidth, 0);
    ShowTitleAndIcon();
    return TRUE;
}

void CLibraryFrame::OnUpdateFrameTitle(BOOL)
{
    ShowTitleAndIcon();
}

void CLibraryFrame::ShowTitleAndIcon()
{
    CString current;
    GetWindowText(current);
    if (current != m_title)
        SetWindowText(m_title);
    if (m_nIconId != 0) {
        HICON icon = ::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(m_nIconId));
        SetIcon(icon, TRUE);
        SetIcon(icon, FALSE);
    }
}

void CLibraryFrame::OnClose()
{
    // The view leaves the main window's status bar as it found it.
    if (m_pView)
        m_pView->ClearStatus();
    CMDIChildWnd::OnClose();
}

CZPFrame::CZPFrame() : CLibraryFrame(kLibraryZp, "ZP", kApplicationIcon) {}

CCiekaweFrame::CCiekaweFrame() : CLibraryFrame(kLibraryArticles, "Instrukcje, ciekawe artykuły", 0) {}

COrzeczeniaKIOFrame::COrzeczeniaKIOFrame() : CLibraryFrame(kLibraryRulings, "Orzeczenia KIO", kApplicationIcon) {}

BOOL COrzeczeniaKIOFrame::PreCreateWindow(CREATESTRUCT &cs)
{
    cs.style &= ~FWS_ADDTOTITLE;
    return CLibraryFrame::PreCreateWindow(cs);
}

void COrzeczeniaKIOFrame::OnMDIActivate(BOOL bActivate, CWnd *pActivateWnd, CWnd *pDeactivateWnd)
{
    CLibraryFrame::OnMDIActivate(bActivate, pActivateWnd, pDeactivateWnd);
    if (bActivate && m_pView)
        m_pView->UpdateStatus();
}
