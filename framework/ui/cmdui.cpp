#include "framework/core/codepage.h"
#include "framework/ui/cmdtarget.h"
#include "framework/ui/wnd.h"

void CCmdUI::Enable(BOOL bOn)
{
    m_bEnableChanged = TRUE;
    if (m_hMenu != nullptr) {
        ::EnableMenuItem(m_hMenu, m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : MF_GRAYED));
        return;
    }
    if (m_hOtherWnd == nullptr)
        return;
    // Never leave the focus on a control being disabled: move it on first.
    if (!bOn && ::GetFocus() == m_hOtherWnd) {
        HWND dialog = ::GetParent(m_hOtherWnd);
        ::SendMessageW(dialog, WM_NEXTDLGCTL, 0, FALSE);
    }
    ::EnableWindow(m_hOtherWnd, bOn);
}

void CCmdUI::SetCheck(int nCheck)
{
    if (m_hMenu != nullptr) {
        ::CheckMenuItem(m_hMenu, m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
        return;
    }
    if (m_hOtherWnd != nullptr && (::SendMessageW(m_hOtherWnd, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON))
        ::SendMessageW(m_hOtherWnd, BM_SETCHECK, nCheck, 0);
}

void CCmdUI::SetRadio(BOOL bOn)
{
    if (m_hMenu != nullptr) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE;
        ::GetMenuItemInfoW(m_hMenu, m_nIndex, TRUE, &info);
        info.fType = bOn ? (info.fType | MFT_RADIOCHECK) : (info.fType & ~MFT_RADIOCHECK);
        info.fState = bOn ? (info.fState | MFS_CHECKED) : (info.fState & ~MFS_CHECKED);
        ::SetMenuItemInfoW(m_hMenu, m_nIndex, TRUE, &info);
        return;
    }
    SetCheck(bOn ? 1 : 0);
}

void CCmdUI::SetText(const char *text)
{
    std::wstring wide = Cp1250ToWide(text ? text : "");
    if (m_hMenu != nullptr) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STRING;
        info.dwTypeData = &wide[0];
        ::SetMenuItemInfoW(m_hMenu, m_nIndex, TRUE, &info);
        return;
    }
    if (m_hOtherWnd != nullptr)
        ::SetWindowTextW(m_hOtherWnd, wide.c_str());
}

BOOL CCmdUI::DoUpdate(CCmdTarget *pTarget, BOOL bDisableIfNoHandler)
{
    m_bEnableChanged = FALSE;
    BOOL handled = pTarget->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this, nullptr);
    if (!handled && bDisableIfNoHandler && !m_bEnableChanged) {
        AFX_CMDHANDLERINFO info{};
        Enable(pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info));
    }
    return handled;
}
