#pragma once
// A static that shows its text as a blue underlined link and opens its target on a click on
// the text (not on the empty part of the control beside it).

#include "framework/ui/controls.h"
#include "framework/ui/gdi.h"

class CHyperLink : public CStatic {
public:
    enum { IDC_LINK_CURSOR = 163 }; // the application's hand cursor

    CHyperLink();
    void SetURL(const CString &target) { m_target = target; }
    const CString &GetURL() const { return m_target; }

protected:
    void PreSubclassWindow() override;
    void OnPaint();
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnMouseLeave();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    void EnsureFont();
    bool IsOnText(CPoint point);

    CString m_linkText;
    CString m_target;
    CFont m_font;
    CSize m_textExtent;
    bool m_fontMade = false;
    bool m_hovering = false;
    bool m_extentMeasured = false;
    HCURSOR m_handCursor;
    HCURSOR m_arrowCursor;
};
