#include "framework/ui/view.h"

#include "framework/ui/document.h"
#include "framework/ui/framewnd.h"
#include "framework/ui/gdi.h"

IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CView, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_MOUSEACTIVATE()
    ON_MESSAGE(WM_INITIALUPDATE, HandleInitialUpdate)
END_MESSAGE_MAP()

CFrameWnd *AfxGetParentFrame(const CWnd *pWnd)
{
    if (pWnd == nullptr || pWnd->m_hWnd == nullptr)
        return nullptr;
    for (HWND parent = ::GetParent(pWnd->m_hWnd); parent != nullptr; parent = ::GetParent(parent)) {
        CFrameWnd *frame = dynamic_cast<CFrameWnd *>(CWnd::FromHandlePermanent(parent));
        if (frame != nullptr)
            return frame;
    }
    return nullptr;
}

CFrameWnd *AfxGetTopLevelFrame(const CWnd *pWnd)
{
    if (pWnd == nullptr)
        return nullptr;
    CFrameWnd *frame = dynamic_cast<CFrameWnd *>(const_cast<CWnd *>(pWnd));
    if (frame == nullptr)
        frame = AfxGetParentFrame(pWnd);
    while (frame != nullptr) {
        CFrameWnd *outer = AfxGetParentFrame(frame);
        if (outer == nullptr)
            break;
        frame = outer;
    }
    return frame;
}

CView::~CView()
{
    if (m_pDocument != nullptr)
        m_pDocument->RemoveView(this);
}

CFrameWnd *CView::GetParentFrame() const
{
    return AfxGetParentFrame(this);
}

BOOL CView::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT &rect, CWnd *pParentWnd,
                   UINT nID, CCreateContext *pContext)
{
    return CWnd::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nID, pContext);
}

BOOL CView::PreCreateWindow(CREATESTRUCT &cs)
{
    if (cs.lpszClass == nullptr) {
        cs.lpszClass =
            AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1));
    }
    // A view sits in a frame or splitter that draws the edge itself.
    if (cs.style & WS_BORDER) {
        cs.dwExStyle |= WS_EX_CLIENTEDGE;
        cs.style &= ~WS_BORDER;
    }
    return TRUE;
}

int CView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    CCreateContext *context = static_cast<CCreateContext *>(lpCreateStruct->lpCreateParams);
    if (context != nullptr && context->m_pCurrentDoc != nullptr)
        context->m_pCurrentDoc->AddView(this);
    return 0;
}

void CView::OnDestroy()
{
    CFrameWnd *frame = GetParentFrame();
    if (frame != nullptr && frame->GetActiveView() == this)
        frame->SetActiveView(nullptr, FALSE);
    CWnd::OnDestroy();
}

void CView::PostNcDestroy()
{
    delete this;
}

void CView::OnPaint()
{
    CPaintDC dc(this);
    OnPrepareDC(&dc);
    OnDraw(&dc);
}

void CView::OnDraw(CDC *) {}
void CView::OnPrepareDC(CDC *) {}

int CView::OnMouseActivate(CWnd *pDesktopWnd, UINT nHitTest, UINT message)
{
    int result = CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
    if (result == MA_NOACTIVATE || result == MA_NOACTIVATEANDEAT)
        return result;
    CFrameWnd *frame = GetParentFrame();
    if (frame != nullptr)
        frame->SetActiveView(this);
    return result;
}

LRESULT CView::HandleInitialUpdate(WPARAM, LPARAM)
{
    OnInitialUpdate();
    return 0;
}

void CView::OnInitialUpdate()
{
    OnUpdate(nullptr, 0, nullptr);
}

void CView::OnUpdate(CView *pSender, LPARAM, CObject *)
{
    if (pSender != this)
        Invalidate(TRUE);
}

void CView::OnActivateView(BOOL bActivate, CView *pActivateView, CView *)
{
    if (!bActivate || pActivateView != this)
        return;
    // Take the focus only while the whole window is the active one.
    HWND top = ::GetAncestor(m_hWnd, GA_ROOT);
    if (top == ::GetActiveWindow() && !::IsChild(m_hWnd, ::GetFocus()))
        SetFocus();
}

void CView::OnActivateFrame(UINT, CFrameWnd *) {}

BOOL CView::OnCmdMsg(UINT nID, int nCode, void *pExtra, AFX_CMDHANDLERINFO *pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocument != nullptr && m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
