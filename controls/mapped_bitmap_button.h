#pragma once
// An owner-drawn button drawn from a bitmap of four images side by side (normal, pressed,
// focused, disabled) whose standard colours follow the system's button colours.

#include "framework/ui/controls.h"

#include <commctrl.h>

class CMappedBitmapButton : public CButton {
public:
    CMappedBitmapButton() = default;
    ~CMappedBitmapButton() override;

    // FALSE when the bitmap cannot be loaded or the image list made.
    BOOL LoadBitmap(UINT nIDBitmap);
    // Subclasses the dialog's item, loads the bitmap and sizes the button to one image.
    BOOL AutoLoad(UINT nIDControl, CWnd *pParent, UINT nIDBitmap);
    HIMAGELIST GetImageList() const { return m_imageList; }

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    void OnSysColorChange();
    DECLARE_MESSAGE_MAP()

private:
    void DestroyImageList();

    HIMAGELIST m_imageList = nullptr;
    int m_bitmapId = -1;
};
