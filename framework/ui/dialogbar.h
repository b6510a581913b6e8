#pragma once
// CDialogBar: a control bar laid out by a child dialog template (WS_CHILD, no caption). Its
// size across its side is the template's; its buttons' commands go to the frame, and at idle
// time its controls are enabled by their commands' update handlers (disabled without one).

#include "framework/ui/controlbar.h"

class CDialogBar : public CControlBar {
    DECLARE_DYNAMIC(CDialogBar)

public:
    BOOL Create(CWnd *pParentWnd, UINT nIDTemplate, UINT nStyle, UINT nID);

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd *pTarget, BOOL bDisableIfNoHandler) override;
    BOOL PreTranslateMessage(MSG *pMsg) override;

    DECLARE_MESSAGE_MAP()

public:
    CSize m_sizeDefault;

private:
    friend INT_PTR CALLBACK DialogBarProc(HWND, UINT, WPARAM, LPARAM);
};
