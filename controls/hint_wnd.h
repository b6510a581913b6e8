#pragma once
// A small yellow popup that shows a hint beside the mouse cursor once the cursor has rested
// for the delay after a request. A modeless dialog: the owner creates it with
// Create(CHintWnd::IDD, owner) and keeps it for its own lifetime.

#include "framework/ui/controls.h"
#include "framework/ui/dialog.h"
#include "framework/ui/gdi.h"

class CHintWnd : public CDialog {
public:
    enum { IDD = 355, IDC_HINT_TEXT = 33771, IDT_HINT_DELAY = 1010 };

    explicit CHintWnd(CWnd *pOwner);

    // Starts (or restarts) the wait; the hint shows when the timer fires with the cursor
    // still where it was now.
    void ShowAtCursor(const CString &text);
    // Hides the popup and drops a wait that has not yet shown it.
    void HideHint();
    bool IsShown() const { return m_bShown; }

    // Added to the position when the popup fits on the screen; the same for every hint.
    static CPoint s_offset;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange *pDX) override;
    void OnTimer(UINT_PTR nIDEvent);
    void OnPaint();
    HBRUSH OnCtlColor(CDC *pDC, CWnd *pWnd, UINT nCtlColor);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    void LayOutAndShow();

    CWnd *m_pOwner;
    WORD m_delay = 500;
    UINT_PTR m_timerId = 0;
    CString m_text;
    CString m_shownText;
    CPoint m_cursor;
    CSize m_size;
    CRect m_leaveRect;
    bool m_bShown = false;
    CFont m_font;
    CBrush m_backgroundBrush;
    CStatic m_textStatic;
};
