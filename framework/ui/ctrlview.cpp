#include "framework/ui/ctrlview.h"

IMPLEMENT_DYNAMIC(CCtrlView, CView)
IMPLEMENT_DYNCREATE(CTreeView, CCtrlView)
IMPLEMENT_DYNCREATE(CListView, CCtrlView)

BEGIN_MESSAGE_MAP(CCtrlView, CView)
    ON_WM_PAINT()
END_MESSAGE_MAP()

BOOL CCtrlView::PreCreateWindow(CREATESTRUCT &cs)
{
    AfxEnsureCommonControls();
    cs.lpszClass = m_strClass;
    cs.style |= m_dwDefaultStyle;
    return CView::PreCreateWindow(cs);
}

void CCtrlView::OnDraw(CDC *) {}

// The control paints itself.
void CCtrlView::OnPaint()
{
    Default();
}
