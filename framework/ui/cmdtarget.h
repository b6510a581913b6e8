// Command targets and their message maps.
//
// A message map is a flat table of entries at the top of a class (see msgmap.h). Each entry
// names the message it takes and a small function that casts the target to the class that
// declared the entry and calls the handler with the message's arguments cracked; the compiler
// checks every handler's signature. Lookup walks the class's table, then its base's, and so on.
#pragma once

#include "framework/core/object.h"

#include "framework/core/object.h"

#include <windows.h>

class CCmdTarget;
class CCmdUI;

// Command codes routed through OnCmdMsg besides the controls' own notification codes.
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))

// Messages a parent reflects to the child control that sent them live at this offset.
#define WM_REFLECT_BASE 0xBC00
// All WM_CTLCOLORxxx messages reach message maps as this one message.
#define WM_CTLCOLOR 0x0019

// Private messages of the layer, in the range Windows keeps for it.
#define WM_IDLEUPDATECMDUI (WM_AFXFIRST + 3) // wParam: disable controls without a handler
#define WM_KICKIDLE (WM_AFXFIRST + 10)       // a modal dialog is idle; lParam counts the calls

// What a handler call receives: the raw message and, for routed commands, the extra data.
struct HandlerArgs {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    UINT id;     // command or control id of a routed command
    void *extra; // CCmdUI* for CN_UPDATE_COMMAND_UI, AFX_NOTIFY* for notifications
    LRESULT result;
};

// Calls one handler; returns FALSE when the handler declined the message (the _EX forms).
using HandlerCall = BOOL (*)(CCmdTarget &target, HandlerArgs &args);

struct MessageMapEntry {
    UINT message; // window message, WM_COMMAND, WM_NOTIFY or a reflected form
    UINT code;    // notification code (low word for WM_NOTIFY) or CN_UPDATE_COMMAND_UI
    UINT firstId; // id range of a routed command; 0..0 matches any id
    UINT lastId;
    const UINT *registeredMessage; // ON_REGISTERED_MESSAGE: the variable that holds the message
    HandlerCall call;              // null ends the table
};

struct MessageMap {
    const MessageMap *(*base)(); // the base class's map, null at CCmdTarget
    const MessageMapEntry *entries;
};

// Extra data of a routed WM_NOTIFY.
struct AFX_NOTIFY {
    LRESULT *pResult;
    NMHDR *pNMHDR;
};

// Filled by OnCmdMsg when the caller only asks whether a handler exists.
struct AFX_CMDHANDLERINFO {
    CCmdTarget *pTarget;
    const MessageMapEntry *entry;
};

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)

public:
    CCmdTarget() = default;

    // Routes a command, update request or notification to this object's map. nCode is
    // CN_COMMAND, CN_UPDATE_COMMAND_UI, a control notification code, or MAKELONG(code, message)
    // for WM_NOTIFY and the reflected forms. Frames override it to route further.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void *pExtra, AFX_CMDHANDLERINFO *pHandlerInfo);

    virtual const MessageMap *GetMessageMap() const;
    static const MessageMap *GetThisMessageMap();

    // Finds the first entry for a plain message (not WM_COMMAND/WM_NOTIFY routing).
    const MessageMapEntry *FindMessageEntry(UINT message) const;

    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();
};

// The state of one user-interface element (menu item, dialog control, toolbar button, pane)
// while its command's ON_UPDATE_COMMAND_UI handler runs.
class CCmdUI {
public:
    UINT m_nID = 0;
    UINT m_nIndex = 0;       // menu position, or index among the owner's items
    HMENU m_hMenu = nullptr; // set for menu items
    HMENU m_hSubMenu = nullptr;
    CCmdTarget *m_pOther = nullptr; // dialog control or bar the element belongs to
    HWND m_hOtherWnd = nullptr;
    UINT m_nIndexMax = 0;
    BOOL m_bEnableChanged = FALSE;
    BOOL m_bContinueRouting = FALSE;

    virtual ~CCmdUI() = default;
    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1); // 0 unchecked, 1 checked, 2 indeterminate
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(const char *text);
    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Asks the target to update this element; with bDisableIfNoHandler an element whose
    // command nobody handles is disabled. Returns TRUE when a handler ran.
    BOOL DoUpdate(CCmdTarget *pTarget, BOOL bDisableIfNoHandler);
};

// Shows the hourglass for the lifetime of the object.
class CWaitCursor {
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor &) = delete;
    CWaitCursor &operator=(const CWaitCursor &) = delete;
    void Restore();
};
