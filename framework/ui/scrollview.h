#pragma once
// CScrollView: a view over a drawing larger than its window. SetScrollSizes gives the total
// size in logical units of a mapping mode; the scroll bars follow the window's size, and
// OnPrepareDC moves the drawing's origin by the scroll position, so OnDraw draws as if
// nothing were scrolled.

#include "framework/core/geometry.h"
#include "framework/ui/view.h"

class CScrollView : public CView {
    DECLARE_DYNAMIC(CScrollView)

public:
    // sizePage and sizeLine of 0 mean a tenth and a hundredth of the total.
    void SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE &sizePage = CSize(0, 0),
                        const SIZE &sizeLine = CSize(0, 0));
    CSize GetTotalSize() const { return m_totalLog; }
    int GetMapMode() const { return m_nMapMode; }
    // The scroll position in logical units, and back.
    CPoint GetScrollPosition() const;
    void ScrollToPosition(POINT pt);
    // The scroll position in pixels.
    CPoint GetDeviceScrollPosition() const;

    void OnPrepareDC(CDC *pDC) override;

    void OnSize(UINT nType, int cx, int cy);
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar *pScrollBar);
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar *pScrollBar);
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);

    DECLARE_MESSAGE_MAP()

public:
protected:
    void UpdateBars();
    // Moves the contents to the new pixel position of one bar.
    void ScrollTo(int nBar, int position);
    void OnScroll(int nBar, UINT nSBCode);
    // Logical sizes to pixels for the current mapping mode.
    CSize ToDevice(SIZE size) const;

    int m_nMapMode = MM_TEXT;
    CSize m_totalLog{0, 0};
    CSize m_totalDev{0, 0};
    CSize m_pageDev{0, 0};
    CSize m_lineDev{0, 0};
};
