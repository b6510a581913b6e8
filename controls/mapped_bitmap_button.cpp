#include "controls/mapped_bitmap_button.h"

#include "framework/core/module.h"

BEGIN_MESSAGE_MAP(CMappedBitmapButton, CButton)
    ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

namespace {

UINT ColorDepthFlag(int bitsPerPixel)
{
    if (bitsPerPixel <= 4)
        return ILC_COLOR4;
    if (bitsPerPixel <= 8)
        return ILC_COLOR8;
    if (bitsPerPixel > 16)
        return ILC_COLOR24;
    return ILC_COLOR16;
}

} // namespace

CMappedBitmapButton::~CMappedBitmapButton()
{
    DestroyImageList();
}

void CMappedBitmapButton::DestroyImageList()
{
    if (m_imageList != nullptr)
        ::ImageList_Destroy(m_imageList);
    m_imageList = nullptr;
}

BOOL CMappedBitmapButton::LoadBitmap(UINT nIDBitmap)
{
    DestroyImageList();
    m_bitmapId = (int)nIDBitmap;
    AfxEnsureCommonControls();
    HBITMAP bitmap = ::CreateMappedBitmap(AfxGetResourceHandle(), nIDBitmap, 0, nullptr, 0);
    if (bitmap == nullptr)
        return FALSE;
    BITMAP info{};
    if (::GetObjectW(bitmap, sizeof info, &info) == 0 || info.bmWidth < 4) {
        ::DeleteObject(bitmap);
        return FALSE;
    }
    m_imageList = ::ImageList_Create(info.bmWidth / 4, info.bmHeight, ColorDepthFlag(info.bmBitsPixel), 4, 0);
    const bool added = m_imageList != nullptr && ::ImageList_Add(m_imageList, bitmap, nullptr) >= 0;
    ::DeleteObject(bitmap);
    if (!added)
        DestroyImageList();
    return added;
}

BOOL CMappedBitmapButton::AutoLoad(UINT nIDControl, CWnd *pParent, UINT nIDBitmap)
{
    if (!SubclassDlgItem(nIDControl, pParent) || !LoadBitmap(nIDBitmap))
        return FALSE;
    int width = 0;
    int height = 0;
    ::ImageList_GetIconSize(m_imageList, &width, &height);
    SetWindowPos(nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
    return TRUE;
}

void CMappedBitmapButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (m_imageList == nullptr)
        return;
    const UINT state = lpDrawItemStruct->itemState;
    int image = 0;
    if (state & ODS_SELECTED) {
        image = 1;
    } else if (state & ODS_FOCUS) {
        image = 2;
    } else if (state & ODS_DISABLED) {
        image = 3;
    }
    ::ImageList_Draw(m_imageList, image, lpDrawItemStruct->hDC, lpDrawItemStruct->rcItem.left,
                     lpDrawItemStruct->rcItem.top, ILD_NORMAL);
}

void CMappedBitmapButton::OnSysColorChange()
{
    CButton::OnSysColorChange();
    // The mapped colours were fixed when the bitmap was loaded: load it again.
    if (m_bitmapId >= 0)
        LoadBitmap((UINT)m_bitmapId);
    Invalidate();
}
