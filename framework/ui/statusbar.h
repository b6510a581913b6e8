#pragma once
// CStatusBar: the status bar along the bottom of a frame, made of indicator panes.
//
// Pane 0 (ID_SEPARATOR) stretches; each other indicator is as wide as the text of its string
// resource, which only sizes it: its shown text starts empty. A child control (a progress
// bar, say) is placed over a pane with GetItemRect and is the caller's to move when the bar
// changes size. Pane indexes outside the bar are refused, never written.

#include "framework/ui/controlbar.h"

#include <vector>

class CStatusBar : public CControlBar {
    DECLARE_DYNAMIC(CStatusBar)

public:
    BOOL Create(CWnd *pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, UINT nID = AFX_IDW_STATUS_BAR);
    BOOL CreateEx(CWnd *pParentWnd, DWORD dwCtrlStyle = 0, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                  UINT nID = AFX_IDW_STATUS_BAR);
    BOOL SetIndicators(const UINT *lpIDArray, int nIDCount);

    int GetCount() const { return (int)m_panes.size(); }
    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    void GetItemRect(int nIndex, LPRECT lpRect) const;
    CString GetPaneText(int nIndex) const;
    void GetPaneText(int nIndex, CString &rString) const { rString = GetPaneText(nIndex); }
    // FALSE for an index outside the bar.
    BOOL SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate = TRUE);
    void GetPaneInfo(int nIndex, UINT &nID, UINT &nStyle, int &cxWidth) const;
    void SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth);
    UINT GetPaneStyle(int nIndex) const;
    void SetPaneStyle(int nIndex, UINT nStyle);

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd *pTarget, BOOL bDisableIfNoHandler) override;

    void OnSize(UINT nType, int cx, int cy);

    DECLARE_MESSAGE_MAP()

public:
private:
    struct Pane {
        UINT id = 0;
        UINT style = 0; // SBPS_ bits
        int width = 0;  // pixels; the stretching pane takes what is left
        CString text;
    };
    // Hands the panes' right edges to the control.
    void ApplyParts();
    int TextWidth(const CString &text) const;

    std::vector<Pane> m_panes;
    int m_nHeight = 0;
};
