#pragma once
// CMenu: a menu handle with typed calls; item texts in code page 1250. A CMenu owns a menu it
// created or loaded and destroys it unless the menu was handed to a window (Detach).
// Owner-drawn items reach the virtual DrawItem/MeasureItem of the CMenu object that holds them.

#include "framework/core/cstring.h"

#include <windows.h>

class CCmdTarget;
class CWnd;

class CMenu {
public:
    HMENU m_hMenu = nullptr;

    CMenu() = default;
    virtual ~CMenu();
    CMenu(const CMenu &) = delete;
    CMenu &operator=(const CMenu &) = delete;

    operator HMENU() const { return m_hMenu; }
    HMENU GetSafeHmenu() const { return m_hMenu; }
    static CMenu *FromHandle(HMENU hMenu);
    static CMenu *FromHandlePermanent(HMENU hMenu);
    // The permanent CMenu whose menu (or a submenu of it) holds the command id.
    static CMenu *FindPermanentWithItem(UINT nID);
    static void DeleteTempMap();
    BOOL Attach(HMENU hMenu);
    HMENU Detach();

    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    BOOL LoadMenu(UINT nIDResource);
    BOOL DestroyMenu();

    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr);
    BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr);
    BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr);
    BOOL RemoveMenu(UINT nPosition, UINT nFlags);
    BOOL DeleteMenu(UINT nPosition, UINT nFlags);
    UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);
    BOOL CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags);
    UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
    BOOL SetDefaultItem(UINT uItem, BOOL fByPos = FALSE);
    UINT GetMenuItemCount() const;
    UINT GetMenuItemID(int nPos) const;
    UINT GetMenuState(UINT nID, UINT nFlags) const;
    int GetMenuString(UINT nIDItem, CString &rString, UINT nFlags) const;
    CMenu *GetSubMenu(int nPos) const;
    // Shows a popup menu; with TPM_RETURNCMD returns the chosen command instead of sending it.
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd *pWnd, LPCRECT lpRect = nullptr);

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
};

// Runs ON_UPDATE_COMMAND_UI of pTarget for every item of a popup menu (from WM_INITMENUPOPUP).
// With bAutoMenuEnable an item whose command nobody handles is greyed.
void AfxUpdateMenuCmdUI(CMenu *pPopupMenu, CCmdTarget *pTarget, BOOL bAutoMenuEnable);
