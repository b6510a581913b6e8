#include "framework/ui/splitter.h"

#include "framework/ui/framewnd.h"
#include "framework/ui/gdi.h"
#include "framework/ui/view.h"

IMPLEMENT_DYNAMIC(CSplitterWnd, CWnd)

BEGIN_MESSAGE_MAP(CSplitterWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_SETCURSOR()
    ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

BOOL CSplitterWnd::CreateStatic(CWnd *pParentWnd, int nRows, int nCols, DWORD dwStyle, UINT nID)
{
    if (pParentWnd == nullptr || nRows < 1 || nCols < 1 || nRows > 16 || nCols > 16)
        return FALSE;
    m_rows.assign(nRows, Track{});
    m_cols.assign(nCols, Track{});
    LPCTSTR className =
        AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
    return CWnd::Create(className, nullptr, dwStyle | WS_CLIPCHILDREN, CRect(0, 0, 0, 0), pParentWnd, nID);
}

BOOL CSplitterWnd::CreateView(int row, int col, CRuntimeClass *pViewClass, SIZE sizeInit, CCreateContext *pContext)
{
    if (row < 0 || row >= GetRowCount() || col < 0 || col >= GetColumnCount() || pViewClass == nullptr
        || GetPane(row, col) != nullptr)
        return FALSE;
    m_cols[col].ideal = sizeInit.cx;
    m_rows[row].ideal = sizeInit.cy;
    CObject *object = pViewClass->CreateObject();
    CWnd *pane = dynamic_cast<CWnd *>(object);
    if (pane == nullptr) {
        delete object;
        return FALSE;
    }
    CCreateContext context;
    if (pContext != nullptr)
        context = *pContext;
    context.m_pNewViewClass = pViewClass;
    // Views delete themselves with their window; a window that never came is ours to delete.
    if (!pane->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW & ~WS_BORDER, CRect(0, 0, 0, 0), this,
                      IdFromRowCol(row, col), &context)) {
        if (pane->m_hWnd == nullptr)
            delete pane;
        return FALSE;
    }
    RecalcLayout();
    return TRUE;
}

CWnd *CSplitterWnd::GetPane(int row, int col) const
{
    if (m_hWnd == nullptr)
        return nullptr;
    return CWnd::FromHandlePermanent(::GetDlgItem(m_hWnd, IdFromRowCol(row, col)));
}

void CSplitterWnd::SetColumnInfo(int col, int cxIdeal, int cxMin)
{
    if (col < 0 || col >= GetColumnCount())
        return;
    m_cols[col].ideal = cxIdeal < 0 ? 0 : cxIdeal;
    m_cols[col].minimum = cxMin < 0 ? 0 : cxMin;
}

void CSplitterWnd::GetColumnInfo(int col, int &cxCur, int &cxMin) const
{
    cxCur = cxMin = 0;
    if (col < 0 || col >= GetColumnCount())
        return;
    cxCur = m_cols[col].current;
    cxMin = m_cols[col].minimum;
}

void CSplitterWnd::SetRowInfo(int row, int cyIdeal, int cyMin)
{
    if (row < 0 || row >= GetRowCount())
        return;
    m_rows[row].ideal = cyIdeal < 0 ? 0 : cyIdeal;
    m_rows[row].minimum = cyMin < 0 ? 0 : cyMin;
}

void CSplitterWnd::GetRowInfo(int row, int &cyCur, int &cyMin) const
{
    cyCur = cyMin = 0;
    if (row < 0 || row >= GetRowCount())
        return;
    cyCur = m_rows[row].current;
    cyMin = m_rows[row].minimum;
}

void CSplitterWnd::Distribute(std::vector<Track> &tracks, int total, int bar)
{
    int left = total - bar * ((int)tracks.size() - 1);
    for (size_t i = 0; i < tracks.size(); ++i) {
        Track &track = tracks[i];
        int size = i + 1 == tracks.size() ? left : track.ideal;
        if (size > left)
            size = left;
        if (size < 0)
            size = 0;
        // Narrower than its minimum: the pane folds away.
        if (size < track.minimum)
            size = 0;
        track.current = size;
        left -= size;
    }
}

void CSplitterWnd::RecalcLayout()
{
    if (m_hWnd == nullptr)
        return;
    CRect client;
    GetClientRect(&client);
    Distribute(m_cols, client.Width(), m_cxSplitter);
    Distribute(m_rows, client.Height(), m_cySplitter);
    int y = 0;
    for (int row = 0; row < GetRowCount(); ++row) {
        int x = 0;
        for (int col = 0; col < GetColumnCount(); ++col) {
            CWnd *pane = GetPane(row, col);
            if (pane != nullptr) {
                int width = m_cols[col].current;
                int height = m_rows[row].current;
                pane->ShowWindow(width > 0 && height > 0 ? SW_SHOWNA : SW_HIDE);
                pane->MoveWindow(x, y, width, height, TRUE);
            }
            x += m_cols[col].current + m_cxSplitter;
        }
        y += m_rows[row].current + m_cySplitter;
    }
    Invalidate(TRUE);
}

CRect CSplitterWnd::BarRect(bool vertical, int index) const
{
    CRect client;
    GetClientRect(&client);
    if (vertical) {
        int x = 0;
        for (int col = 0; col <= index; ++col)
            x += m_cols[col].current;
        x += index * m_cxSplitter;
        return CRect(x, client.top, x + m_cxSplitter, client.bottom);
    }
    int y = 0;
    for (int row = 0; row <= index; ++row)
        y += m_rows[row].current;
    y += index * m_cySplitter;
    return CRect(client.left, y, client.right, y + m_cySplitter);
}

bool CSplitterWnd::HitBar(CPoint point, bool &vertical, int &index) const
{
    for (int col = 0; col + 1 < GetColumnCount(); ++col) {
        if (BarRect(true, col).PtInRect(point)) {
            vertical = true;
            index = col;
            return true;
        }
    }
    for (int row = 0; row + 1 < GetRowCount(); ++row) {
        if (BarRect(false, row).PtInRect(point)) {
            vertical = false;
            index = row;
            return true;
        }
    }
    return false;
}

void CSplitterWnd::OnPaint()
{
    CPaintDC dc(this);
    for (int col = 0; col + 1 < GetColumnCount(); ++col) {
        CRect bar = BarRect(true, col);
        ::DrawEdge(dc.m_hDC, &bar, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    }
    for (int row = 0; row + 1 < GetRowCount(); ++row) {
        CRect bar = BarRect(false, row);
        ::DrawEdge(dc.m_hDC, &bar, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    }
}

void CSplitterWnd::OnSize(UINT nType, int, int)
{
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CSplitterWnd::OnLButtonDown(UINT, CPoint point)
{
    bool vertical = false;
    int index = -1;
    if (!HitBar(point, vertical, index))
        return;
    m_bTracking = true;
    m_bTrackVertical = vertical;
    m_nTrackIndex = index;
    SetCapture();
}

void CSplitterWnd::OnMouseMove(UINT, CPoint point)
{
    if (!m_bTracking)
        return;
    // The pane before the bar takes the new size; the ones after it share the rest.
    std::vector<Track> &tracks = m_bTrackVertical ? m_cols : m_rows;
    int start = 0;
    int bar = m_bTrackVertical ? m_cxSplitter : m_cySplitter;
    for (int i = 0; i < m_nTrackIndex; ++i)
        start += tracks[i].current + bar;
    int size = (m_bTrackVertical ? point.x : point.y) - start - bar / 2;
    tracks[m_nTrackIndex].ideal = size < 0 ? 0 : size;
    RecalcLayout();
}

void CSplitterWnd::OnLButtonUp(UINT, CPoint)
{
    if (m_bTracking)
        ::ReleaseCapture();
}

void CSplitterWnd::OnCaptureChanged(CWnd *)
{
    m_bTracking = false;
    m_nTrackIndex = -1;
}

BOOL CSplitterWnd::OnSetCursor(CWnd *pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest == HTCLIENT && pWnd == this) {
        POINT point;
        ::GetCursorPos(&point);
        ScreenToClient(&point);
        bool vertical = false;
        int index = -1;
        if (m_bTracking ? (vertical = m_bTrackVertical, true) : HitBar(point, vertical, index)) {
            ::SetCursor(::LoadCursorW(nullptr, (LPCWSTR)(vertical ? IDC_SIZEWE : IDC_SIZENS)));
            return TRUE;
        }
    }
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

CWnd *CSplitterWnd::GetActivePane(int *pRow, int *pCol)
{
    CFrameWnd *frame = AfxGetParentFrame(this);
    CView *view = frame ? frame->GetActiveView() : nullptr;
    if (view == nullptr || ::GetParent(view->m_hWnd) != m_hWnd)
        return nullptr;
    int id = view->GetDlgCtrlID() - AFX_IDW_PANE_FIRST;
    if (pRow != nullptr)
        *pRow = id / 16;
    if (pCol != nullptr)
        *pCol = id % 16;
    return view;
}

void CSplitterWnd::SetActivePane(int row, int col)
{
    CView *view = dynamic_cast<CView *>(GetPane(row, col));
    CFrameWnd *frame = AfxGetParentFrame(this);
    if (view != nullptr && frame != nullptr)
        frame->SetActiveView(view);
}

BOOL CSplitterWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (CWnd::OnCommand(wParam, lParam))
        return TRUE;
    CWnd *parent = GetParent();
    return parent != nullptr && parent->SendMessage(WM_COMMAND, wParam, lParam) == 0;
}

BOOL CSplitterWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT *pResult)
{
    if (CWnd::OnNotify(wParam, lParam, pResult))
        return TRUE;
    CWnd *parent = GetParent();
    if (parent == nullptr)
        return FALSE;
    *pResult = parent->SendMessage(WM_NOTIFY, wParam, lParam);
    return TRUE;
}
