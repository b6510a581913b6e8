#pragma once
// A bitmap button drawn from a strip of three images (normal, pressed, hover) side by side,
// with a tooltip.

#include "framework/ui/controls.h"
#include "framework/ui/gdi.h"

#include <commctrl.h>

class CHoverButton : public CBitmapButton {
public:
    // Loads the strip and takes the size of one of its images.
    BOOL LoadBitmapStrip(UINT nIDBitmap, CSize imageSize);
    void SetToolTipText(const CString &text, BOOL bActivate = TRUE);
    HWND GetToolTip() const { return m_toolTip; }

    // Set while the mouse rests on the button; the owner may set it too.
    bool m_bHover = false;
    CSize m_imageSize;
    CBitmap m_strip;

    BOOL PreTranslateMessage(MSG *pMsg) override;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    void OnMouseMove(UINT nFlags, CPoint point);
    LRESULT OnMouseHover(WPARAM wParam, LPARAM lParam);
    void OnMouseLeave();
    DECLARE_MESSAGE_MAP()

private:
    void EnsureToolTip();

    bool m_tracking = false;
    HWND m_toolTip = nullptr; // owned by the button: destroyed with it
};
