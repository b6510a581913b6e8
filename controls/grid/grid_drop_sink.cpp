#include "controls/grid/grid_drop_sink.h"

#include "controls/grid/grid_ctrl.h"

BOOL CGridDropSink::Register(CGridCtrl *pGrid)
{
    if (m_pGrid != nullptr || pGrid == nullptr || !::IsWindow(pGrid->GetSafeHwnd()))
        return FALSE;
    if (FAILED(::RegisterDragDrop(pGrid->GetSafeHwnd(), this)))
        return FALSE;
    m_pGrid = pGrid;
    m_hWnd = pGrid->GetSafeHwnd();
    return TRUE;
}

void CGridDropSink::Revoke()
{
    if (m_pGrid == nullptr)
        return;
    ::RevokeDragDrop(m_hWnd);
    if (m_pData != nullptr)
        m_pData->Release();
    m_pData = nullptr;
    m_pGrid = nullptr;
    m_hWnd = nullptr;
}

STDMETHODIMP CGridDropSink::QueryInterface(REFIID riid, void **ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    if (IsEqualIID(riid, __uuidof(IUnknown)) || IsEqualIID(riid, __uuidof(IDropTarget))) {
        *ppv = static_cast<IDropTarget *>(this);
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

POINT CGridDropSink::ToClient(POINTL pt) const
{
    POINT point = {pt.x, pt.y};
    ::ScreenToClient(m_hWnd, &point);
    return point;
}

DWORD CGridDropSink::Allowed(DWORD wanted, DWORD allowed)
{
    if (wanted == DROPEFFECT_NONE || (wanted & allowed))
        return wanted;
    if (allowed & DROPEFFECT_MOVE)
        return DROPEFFECT_MOVE;
    if (allowed & DROPEFFECT_COPY)
        return DROPEFFECT_COPY;
    return DROPEFFECT_NONE;
}

STDMETHODIMP CGridDropSink::DragEnter(IDataObject *pData, DWORD grfKeyState, POINTL pt, DWORD *pdwEffect)
{
    if (pdwEffect == nullptr)
        return E_INVALIDARG;
    if (m_pData != nullptr)
        m_pData->Release();
    m_pData = pData;
    if (m_pData != nullptr)
        m_pData->AddRef();
    const DWORD allowed = *pdwEffect;
    *pdwEffect =
        m_pGrid == nullptr ? DROPEFFECT_NONE : Allowed(m_pGrid->OnDragEnter(pData, grfKeyState, ToClient(pt)), allowed);
    return S_OK;
}

STDMETHODIMP CGridDropSink::DragOver(DWORD grfKeyState, POINTL pt, DWORD *pdwEffect)
{
    if (pdwEffect == nullptr)
        return E_INVALIDARG;
    const DWORD allowed = *pdwEffect;
    *pdwEffect = m_pGrid == nullptr ? DROPEFFECT_NONE
                                    : Allowed(m_pGrid->OnDragOver(m_pData, grfKeyState, ToClient(pt)), allowed);
    return S_OK;
}

STDMETHODIMP CGridDropSink::DragLeave()
{
    if (m_pGrid != nullptr)
        m_pGrid->OnDragLeave();
    if (m_pData != nullptr)
        m_pData->Release();
    m_pData = nullptr;
    return S_OK;
}

STDMETHODIMP CGridDropSink::Drop(IDataObject *pData, DWORD grfKeyState, POINTL pt, DWORD *pdwEffect)
{
    if (pdwEffect == nullptr)
        return E_INVALIDARG;
    DWORD effect = DROPEFFECT_NONE;
    if (m_pGrid != nullptr) {
        // The effect the last move over the grid showed, unless the keys changed since.
        effect = Allowed(m_pGrid->OnDragOver(pData, grfKeyState, ToClient(pt)), *pdwEffect);
        // A drop that wrote nothing must not let the source cut its cells.
        if (effect != DROPEFFECT_NONE && !m_pGrid->OnDrop(pData, effect, ToClient(pt)))
            effect = DROPEFFECT_NONE;
    }
    if (m_pData != nullptr)
        m_pData->Release();
    m_pData = nullptr;
    *pdwEffect = effect;
    return S_OK;
}
