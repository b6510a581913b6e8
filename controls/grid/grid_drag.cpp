// CGridCtrl: dragging the selected cells' text out of the grid and dropping text into it.
#include "controls/grid/grid_ctrl.h"

#include <memory>

namespace {

bool CtrlIn(DWORD keyState)
{
    return (keyState & MK_CONTROL) != 0;
}

} // namespace

void CGridCtrl::OnBeginDrag()
{
    if (!m_bAllowDragAndDrop)
        return;
    CGridDataSource *source = CopyTextFromGrid();
    if (source == nullptr)
        return;

    m_MouseMode = MOUSE_DRAGGING;
    m_bOwnDrag = TRUE;
    m_bDragSourceCut = FALSE;
    CGridDropSource dropSource;
    DWORD effect = DROPEFFECT_NONE;
    const HRESULT result = ::DoDragDrop(source, &dropSource, DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect);
    if (result == DRAGDROP_S_DROP && effect == DROPEFFECT_MOVE && !m_bDragSourceCut)
        CutSelectedText();
    m_bOwnDrag = FALSE;
    m_bDragSourceCut = FALSE;
    m_MouseMode = MOUSE_NOTHING;
    source->Release();
}

void CGridCtrl::SetDropHighlight(const CGridCellPos &cell)
{
    if (cell == m_idDropCell)
        return;
    if (IsValid(m_idDropCell)) {
        CellAt(m_idDropCell.row, m_idDropCell.col)->state &= ~GVIS_DROPHILITED;
        InvalidateCell(m_idDropCell.row, m_idDropCell.col);
    }
    m_idDropCell = IsValid(cell) ? cell : CGridCellPos();
    if (IsValid(m_idDropCell)) {
        CellAt(m_idDropCell.row, m_idDropCell.col)->state |= GVIS_DROPHILITED;
        InvalidateCell(m_idDropCell.row, m_idDropCell.col);
    }
}

DWORD CGridCtrl::OnDragEnter(IDataObject *pDataObject, DWORD dwKeyState, CPoint point)
{
    if (!m_bAllowDragAndDrop || !DataObjectHasText(pDataObject))
        return DROPEFFECT_NONE;
    const CGridCellPos cell = GetCellFromPt(point, FALSE);
    SetDropHighlight(cell);
    if (!IsValid(cell))
        return DROPEFFECT_NONE;
    return CtrlIn(dwKeyState) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}

DWORD CGridCtrl::OnDragOver(IDataObject *pDataObject, DWORD dwKeyState, CPoint point)
{
    if (!m_bAllowDragAndDrop || !DataObjectHasText(pDataObject))
        return DROPEFFECT_NONE;
    const CGridCellPos cell = GetCellFromPt(point, FALSE);
    SetDropHighlight(cell);
    if (!IsValid(cell))
        return DROPEFFECT_NONE;
    return CtrlIn(dwKeyState) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}

void CGridCtrl::OnDragLeave()
{
    SetDropHighlight(CGridCellPos());
}

BOOL CGridCtrl::OnDrop(IDataObject *pDataObject, DWORD dropEffect, CPoint)
{
    if (!m_bAllowDragAndDrop)
        return FALSE;
    m_MouseMode = MOUSE_NOTHING;
    const CGridCellPos target = m_idDropCell;
    SetDropHighlight(CGridCellPos());
    CString text;
    if (!IsValid(target) || target.row < m_nFixedRows || target.col < m_nFixedCols
        || !ReadDataObjectText(pDataObject, text))
        return FALSE;
    // A move within the grid empties its source first, so cells where source and target
    // overlap keep the dropped text.
    if (m_bOwnDrag && dropEffect == DROPEFFECT_MOVE) {
        CutSelectedText();
        m_bDragSourceCut = TRUE;
    }
    return PasteText(target.row, target.col, text);
}

CImageList *CGridCtrl::CreateDragImage(CPoint *pHotSpot)
{
    if (m_hWnd == nullptr || !IsValid(m_idCurrentCell))
        return nullptr;
    const int width = GetColumnWidth(m_idCurrentCell.col);
    const int height = GetRowHeight(m_idCurrentCell.row);
    if (width <= 0 || height <= 0)
        return nullptr;

    CClientDC screen(this);
    CDC memDC;
    CBitmap bitmap;
    if (!memDC.CreateCompatibleDC(&screen) || !bitmap.CreateCompatibleBitmap(&screen, width, height))
        return nullptr;
    CBitmap *old = memDC.SelectObject(&bitmap);
    memDC.FillSolidRect(CRect(0, 0, width, height), m_crBkColour);
    DrawCell(&memDC, m_idCurrentCell.row, m_idCurrentCell.col, CRect(0, 0, width - 1, height - 1), TRUE);
    memDC.SelectObject(old);

    auto list = std::make_unique<CImageList>();
    if (!list->Create(width, height, ILC_MASK | ILC_COLOR24, 1, 1) || list->Add(&bitmap, m_crBkColour) < 0)
        return nullptr;
    if (pHotSpot != nullptr)
        *pHotSpot = CPoint(width, height);
    return list.release();
}
