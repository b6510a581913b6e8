#pragma once
// CGridDropSink: the OLE drop target of one grid window, embedded in the grid; it hands every
// callback to its grid in the grid's client coordinates.

#include <ole2.h>

class CGridCtrl;

class CGridDropSink : public IDropTarget {
public:
    // Makes the grid's window a drop target; FALSE when the sink serves a grid already, the
    // grid has no window or OLE refuses.
    BOOL Register(CGridCtrl *pGrid);
    // Ends the registration; nothing when there is none.
    void Revoke();
    BOOL IsRegistered() const { return m_pGrid != nullptr; }

    // Lives as long as its grid, which owns it: no counting.
    STDMETHODIMP QueryInterface(REFIID riid, void **ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override { return 1; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }

    STDMETHODIMP DragEnter(IDataObject *pData, DWORD grfKeyState, POINTL pt, DWORD *pdwEffect) override;
    STDMETHODIMP DragOver(DWORD grfKeyState, POINTL pt, DWORD *pdwEffect) override;
    STDMETHODIMP DragLeave() override;
    STDMETHODIMP Drop(IDataObject *pData, DWORD grfKeyState, POINTL pt, DWORD *pdwEffect) override;

private:
    POINT ToClient(POINTL pt) const;
    // The grid's answer, kept within what the source allows.
    static DWORD Allowed(DWORD wanted, DWORD allowed);

    CGridCtrl *m_pGrid = nullptr;
    HWND m_hWnd = nullptr;
    IDataObject *m_pData = nullptr; // the data of the drag over the grid, held until it leaves
};
