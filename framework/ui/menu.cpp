#include "framework/ui/menu.h"

#include "framework/core/codepage.h"
#include "framework/core/module.h"
#include "framework/ui/cmdtarget.h"
#include "framework/ui/testhook.h"
#include "framework/ui/wnd.h"

#include <memory>
#include <string>
#include <unordered_map>

namespace {

thread_local std::unordered_map<HMENU, CMenu *> permanentMenus;
thread_local std::unordered_map<HMENU, std::unique_ptr<CMenu>> temporaryMenus;

// The item argument of the menu calls: a string converted to UTF-16, or the flag's own data
// (bitmap handle, owner-draw item data) passed through unchanged.
struct ItemArgument {
    std::wstring text;
    LPCWSTR pointer;
    ItemArgument(UINT nFlags, LPCTSTR item)
    {
        if ((nFlags & (MF_BITMAP | MF_OWNERDRAW | MF_SEPARATOR)) == 0 && item != nullptr) {
            text = Cp1250ToWide(item);
            pointer = text.c_str();
        } else {
            pointer = reinterpret_cast<LPCWSTR>(item);
        }
    }
};

bool HoldsItem(HMENU menu, UINT nID)
{
    return ::GetMenuState(menu, nID, MF_BYCOMMAND) != (UINT)-1;
}

} // namespace

CMenu::~CMenu()
{
    DestroyMenu();
}

CMenu *CMenu::FromHandlePermanent(HMENU hMenu)
{
    auto found = permanentMenus.find(hMenu);
    return found == permanentMenus.end() ? nullptr : found->second;
}

CMenu *CMenu::FromHandle(HMENU hMenu)
{
    if (hMenu == nullptr)
        return nullptr;
    if (CMenu *permanent = FromHandlePermanent(hMenu))
        return permanent;
    std::unique_ptr<CMenu> &temporary = temporaryMenus[hMenu];
    if (!temporary) {
        temporary = std::make_unique<CMenu>();
        temporary->m_hMenu = hMenu;
    }
    return temporary.get();
}

CMenu *CMenu::FindPermanentWithItem(UINT nID)
{
    for (auto &entry : permanentMenus) {
        if (HoldsItem(entry.first, nID))
            return entry.second;
    }
    return nullptr;
}

void CMenu::DeleteTempMap()
{
    for (auto &entry : temporaryMenus)
        entry.second->m_hMenu = nullptr;
    temporaryMenus.clear();
}

BOOL CMenu::Attach(HMENU hMenu)
{
    if (hMenu == nullptr || m_hMenu != nullptr)
        return FALSE;
    m_hMenu = hMenu;
    permanentMenus[hMenu] = this;
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU hMenu = m_hMenu;
    if (hMenu != nullptr)
        permanentMenus.erase(hMenu);
    m_hMenu = nullptr;
    return hMenu;
}

BOOL CMenu::CreateMenu()
{
    return Attach(::CreateMenu());
}
BOOL CMenu::CreatePopupMenu()
{
    return Attach(::CreatePopupMenu());
}
BOOL CMenu::LoadMenu(UINT nIDResource)
{
    return Attach(::LoadMenuW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIDResource)));
}
BOOL CMenu::DestroyMenu()
{
    if (m_hMenu == nullptr)
        return FALSE;
    return ::DestroyMenu(Detach());
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    ItemArgument item(nFlags, lpszNewItem);
    return ::AppendMenuW(m_hMenu, nFlags, nIDNewItem, item.pointer);
}
BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    ItemArgument item(nFlags, lpszNewItem);
    return ::InsertMenuW(m_hMenu, nPosition, nFlags, nIDNewItem, item.pointer);
}
BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    ItemArgument item(nFlags, lpszNewItem);
    return ::ModifyMenuW(m_hMenu, nPosition, nFlags, nIDNewItem, item.pointer);
}
BOOL CMenu::RemoveMenu(UINT nPosition, UINT nFlags)
{
    return ::RemoveMenu(m_hMenu, nPosition, nFlags);
}
BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags)
{
    return ::DeleteMenu(m_hMenu, nPosition, nFlags);
}
UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck)
{
    return ::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck);
}
BOOL CMenu::CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags)
{
    return ::CheckMenuRadioItem(m_hMenu, nIDFirst, nIDLast, nIDItem, nFlags);
}
UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable)
{
    return ::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable);
}
BOOL CMenu::SetDefaultItem(UINT uItem, BOOL fByPos)
{
    return ::SetMenuDefaultItem(m_hMenu, uItem, fByPos);
}
UINT CMenu::GetMenuItemCount() const
{
    return ::GetMenuItemCount(m_hMenu);
}
UINT CMenu::GetMenuItemID(int nPos) const
{
    return ::GetMenuItemID(m_hMenu, nPos);
}
UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const
{
    return ::GetMenuState(m_hMenu, nID, nFlags);
}

int CMenu::GetMenuString(UINT nIDItem, CString &rString, UINT nFlags) const
{
    int length = ::GetMenuStringW(m_hMenu, nIDItem, nullptr, 0, nFlags);
    std::wstring text(length + 1, L'\0');
    length = ::GetMenuStringW(m_hMenu, nIDItem, &text[0], length + 1, nFlags);
    rString = WideToCp1250(text.c_str(), length);
    return rString.GetLength();
}

CMenu *CMenu::GetSubMenu(int nPos) const
{
    return FromHandle(::GetSubMenu(m_hMenu, nPos));
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd *pWnd, LPCRECT lpRect)
{
    if (CTestHook *hook = AfxGetTestHook()) {
        UINT chosen = hook->onPopupMenu ? hook->onPopupMenu(*this) : 0;
        if (nFlags & TPM_RETURNCMD)
            return chosen;
        if (chosen != 0 && pWnd != nullptr)
            pWnd->SendMessage(WM_COMMAND, chosen);
        return TRUE;
    }
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd ? pWnd->m_hWnd : nullptr, lpRect);
}

void CMenu::DrawItem(LPDRAWITEMSTRUCT) {}
void CMenu::MeasureItem(LPMEASUREITEMSTRUCT) {}

void AfxUpdateMenuCmdUI(CMenu *pPopupMenu, CCmdTarget *pTarget, BOOL bAutoMenuEnable)
{
    CCmdUI state;
    state.m_hMenu = pPopupMenu->m_hMenu;
    state.m_nIndexMax = pPopupMenu->GetMenuItemCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = pPopupMenu->GetMenuItemID(state.m_nIndex);
        if (state.m_nID == 0 || state.m_nID == (UINT)-1)
            continue; // separator or submenu
        // System commands are the system's to enable.
        state.DoUpdate(pTarget, bAutoMenuEnable && state.m_nID < 0xF000);
    }
}
