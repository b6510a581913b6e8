#include "framework/ui/toolbar.h"

#include "framework/core/codepage.h"
#include "framework/core/module.h"
#include "framework/ui/framewnd.h"

IMPLEMENT_DYNAMIC(CToolBarCtrl, CWnd)
IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

BEGIN_MESSAGE_MAP(CToolBar, CControlBar)
END_MESSAGE_MAP()

namespace {

const LPCWSTR toolbarResourceType = MAKEINTRESOURCEW(241);

// Enables and checks one toolbar button for an update handler.
class CToolCmdUI : public CCmdUI {
public:
    CToolBarCtrl *m_pControl = nullptr;
    void Enable(BOOL bOn) override
    {
        m_bEnableChanged = TRUE;
        m_pControl->EnableButton(m_nID, bOn);
    }
    void SetCheck(int nCheck) override
    {
        int state = m_pControl->GetState(m_nID) & ~(TBSTATE_CHECKED | TBSTATE_INDETERMINATE);
        if (nCheck == 1)
            state |= TBSTATE_CHECKED;
        if (nCheck == 2)
            state |= TBSTATE_INDETERMINATE;
        m_pControl->SetState(m_nID, state);
    }
    void SetRadio(BOOL bOn) override { SetCheck(bOn ? 1 : 0); }
    void SetText(const char *) override {}
};

} // namespace

BOOL CToolBar::Create(CWnd *pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, 0, dwStyle, CRect(1, 1, 1, 1), nID);
}

BOOL CToolBar::CreateEx(CWnd *pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders, UINT nID)
{
    DWORD windowStyle = TakeBarStyle(dwStyle, pParentWnd);
    m_rectBorders = rcBorders;
    // The frame places the bar itself: no self-alignment, resizing or divider.
    windowStyle |= dwCtrlStyle | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
    if (m_dwStyle & CBRS_TOOLTIPS)
        windowStyle |= TBSTYLE_TOOLTIPS;
    if (!CWnd::CreateEx(0, TOOLBARCLASSNAME, nullptr, windowStyle | WS_CHILD, CRect(0, 0, 0, 0), pParentWnd, nID)) {
        TakeBarStyle(0, nullptr);
        return FALSE;
    }
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    SetSizes(m_sizeButton, m_sizeImage);
    if (m_pDockSite != nullptr)
        m_pDockSite->DelayRecalcLayout();
    return TRUE;
}

CToolBarCtrl &CToolBar::GetToolBarCtrl() const
{
    m_control.m_hWnd = m_hWnd;
    return m_control;
}

void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage)
{
    m_sizeButton = sizeButton;
    m_sizeImage = sizeImage;
    if (m_hWnd == nullptr)
        return;
    GetToolBarCtrl().SetBitmapSize(sizeImage);
    GetToolBarCtrl().SetButtonSize(sizeButton);
}

BOOL CToolBar::LoadToolBar(UINT nIDResource)
{
    HINSTANCE module = AfxGetResourceHandle();
    HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(nIDResource), toolbarResourceType);
    if (found == nullptr)
        return FALSE;
    DWORD size = ::SizeofResource(module, found);
    HGLOBAL loaded = ::LoadResource(module, found);
    const DWORD *data = loaded ? static_cast<const DWORD *>(::LockResource(loaded)) : nullptr;
    if (data == nullptr || size < 3 * sizeof(DWORD))
        return FALSE;
    DWORD width = data[0];
    DWORD height = data[1];
    DWORD count = data[2];
    // The count must describe exactly what the resource holds.
    if (count > (size - 3 * sizeof(DWORD)) / sizeof(DWORD) || width == 0 || height == 0 || width > 256 || height > 256)
        return FALSE;
    std::vector<UINT> ids(data + 3, data + 3 + count);
    SetSizes(CSize((int)width + 7, (int)height + 7), CSize((int)width, (int)height));
    if (!SetButtons(ids.data(), (int)ids.size()))
        return FALSE;
    return LoadBitmap(nIDResource);
}

BOOL CToolBar::LoadBitmap(UINT nIDResource)
{
    HINSTANCE module = AfxGetResourceHandle();
    if (::FindResourceW(module, MAKEINTRESOURCEW(nIDResource), (LPCWSTR)RT_BITMAP) == nullptr)
        return FALSE;
    TBADDBITMAP bitmap{module, (UINT_PTR)nIDResource};
    BITMAP info{};
    HBITMAP handle = ::LoadBitmapW(module, MAKEINTRESOURCEW(nIDResource));
    int images = 1;
    if (handle != nullptr && ::GetObjectW(handle, sizeof info, &info) && m_sizeImage.cx > 0)
        images = info.bmWidth / m_sizeImage.cx;
    if (handle != nullptr)
        ::DeleteObject(handle);
    return SendMessage(TB_ADDBITMAP, images, (LPARAM)&bitmap) != -1;
}

BOOL CToolBar::SetButtons(const UINT *lpIDArray, int nIDCount)
{
    if (m_hWnd == nullptr || nIDCount < 0)
        return FALSE;
    while (SendMessage(TB_BUTTONCOUNT) > 0)
        SendMessage(TB_DELETEBUTTON, 0);
    std::vector<TBBUTTON> buttons(nIDCount);
    int image = 0;
    for (int i = 0; i < nIDCount; ++i) {
        TBBUTTON &button = buttons[i];
        button = TBBUTTON{};
        if (lpIDArray == nullptr || lpIDArray[i] == ID_SEPARATOR) {
            button.fsStyle = TBSTYLE_SEP;
            button.iBitmap = 6; // the separator's width
        } else {
            button.idCommand = (int)lpIDArray[i];
            button.iBitmap = image++;
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle = TBSTYLE_BUTTON;
        }
    }
    if (nIDCount > 0 && !SendMessage(TB_ADDBUTTONSW, nIDCount, (LPARAM)buttons.data()))
        return FALSE;
    SetSizes(m_sizeButton, m_sizeImage);
    if (m_pDockSite != nullptr)
        m_pDockSite->DelayRecalcLayout();
    return TRUE;
}

int CToolBar::CommandToIndex(UINT nIDFind) const
{
    return GetToolBarCtrl().CommandToIndex(nIDFind);
}

UINT CToolBar::GetItemID(int nIndex) const
{
    TBBUTTON button{};
    if (!GetToolBarCtrl().GetButton(nIndex, &button))
        return 0;
    return (button.fsStyle & TBSTYLE_SEP) ? ID_SEPARATOR : (UINT)button.idCommand;
}

void CToolBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    if (!GetToolBarCtrl().GetItemRect(nIndex, lpRect))
        ::SetRectEmpty(lpRect);
}

UINT CToolBar::GetButtonStyle(int nIndex) const
{
    TBBUTTON button{};
    if (!GetToolBarCtrl().GetButton(nIndex, &button))
        return 0;
    return button.fsStyle;
}

void CToolBar::SetButtonStyle(int nIndex, UINT nStyle)
{
    TBBUTTON button{};
    if (!GetToolBarCtrl().GetButton(nIndex, &button))
        return;
    TBBUTTONINFOW info{};
    info.dwMask = TBIF_STYLE | TBIF_BYINDEX;
    info.fsStyle = (BYTE)nStyle;
    GetToolBarCtrl().SetButtonInfo(nIndex, &info);
    if (m_pDockSite != nullptr)
        m_pDockSite->DelayRecalcLayout();
}

void CToolBar::GetButtonInfo(int nIndex, UINT &nID, UINT &nStyle, int &iImage) const
{
    TBBUTTON button{};
    if (!GetToolBarCtrl().GetButton(nIndex, &button)) {
        nID = nStyle = 0;
        iImage = 0;
        return;
    }
    nID = (UINT)button.idCommand;
    nStyle = button.fsStyle;
    iImage = button.iBitmap;
}

void CToolBar::SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage)
{
    TBBUTTONINFOW info{};
    info.dwMask = TBIF_COMMAND | TBIF_STYLE | TBIF_IMAGE | TBIF_BYINDEX;
    info.idCommand = (int)nID;
    info.fsStyle = (BYTE)nStyle;
    info.iImage = iImage;
    GetToolBarCtrl().SetButtonInfo(nIndex, &info);
}

BOOL CToolBar::SetButtonText(int nIndex, LPCTSTR lpszText)
{
    std::wstring text = Cp1250ToWide(lpszText ? lpszText : "");
    TBBUTTONINFOW info{};
    info.dwMask = TBIF_TEXT | TBIF_BYINDEX;
    info.pszText = &text[0];
    return GetToolBarCtrl().SetButtonInfo(nIndex, &info);
}

void CToolBar::SetWrapping(BOOL bVertical)
{
    if (bVertical == m_bVertical)
        return;
    m_bVertical = bVertical;
    int count = GetToolBarCtrl().GetButtonCount();
    for (int i = 0; i < count; ++i) {
        TBBUTTON button{};
        GetToolBarCtrl().GetButton(i, &button);
        BYTE state = bVertical ? (button.fsState | TBSTATE_WRAP) : (button.fsState & ~TBSTATE_WRAP);
        TBBUTTONINFOW info{};
        info.dwMask = TBIF_STATE | TBIF_BYINDEX;
        info.fsState = state;
        GetToolBarCtrl().SetButtonInfo(i, &info);
    }
}

CSize CToolBar::CalcFixedLayout(BOOL, BOOL bHorz)
{
    if (m_hWnd == nullptr)
        return CSize(0, 0);
    SetWrapping(!bHorz);
    // The extent of the buttons: the far edge of the last one.
    CSize extent(0, 0);
    int count = GetToolBarCtrl().GetButtonCount();
    for (int i = 0; i < count; ++i) {
        CRect item;
        if (!GetToolBarCtrl().GetItemRect(i, &item))
            continue;
        if (item.right > extent.cx)
            extent.cx = item.right;
        if (item.bottom > extent.cy)
            extent.cy = item.bottom;
    }
    if (extent.cx == 0)
        extent = CSize(m_sizeButton.cx, m_sizeButton.cy);
    extent.cx += m_rectBorders.left + m_rectBorders.right;
    extent.cy += m_rectBorders.top + m_rectBorders.bottom;
    // The bar's border lines need a pixel on their side.
    if (m_dwStyle & (CBRS_BORDER_TOP | CBRS_BORDER_BOTTOM))
        extent.cy += 2;
    if (m_dwStyle & (CBRS_BORDER_LEFT | CBRS_BORDER_RIGHT))
        extent.cx += 2;
    return bHorz ? CSize(32767, extent.cy) : CSize(extent.cx, 32767);
}

void CToolBar::OnUpdateCmdUI(CFrameWnd *pTarget, BOOL bDisableIfNoHandler)
{
    CToolCmdUI state;
    state.m_pControl = &GetToolBarCtrl();
    state.m_pOther = this;
    state.m_nIndexMax = (UINT)state.m_pControl->GetButtonCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        TBBUTTON button{};
        if (!state.m_pControl->GetButton(state.m_nIndex, &button) || (button.fsStyle & TBSTYLE_SEP))
            continue;
        state.m_nID = (UINT)button.idCommand;
        state.DoUpdate(pTarget, bDisableIfNoHandler);
    }
}
