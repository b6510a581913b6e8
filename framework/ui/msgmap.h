// Message-map macros: a flat table of entries per class.
//
//   class CMyDlg : public CDialog { ... DECLARE_MESSAGE_MAP() };
//   BEGIN_MESSAGE_MAP(CMyDlg, CDialog)
//     ON_BN_CLICKED(IDC_ADD, OnAdd)
//     ON_WM_TIMER()
//   END_MESSAGE_MAP()
//
// Handlers are named bare (OnAdd, not &CMyDlg::OnAdd). Each entry holds a small function that
// casts the target to the declaring class and calls the handler with the message cracked, so a
// handler with the wrong signature does not compile.
#pragma once

#include "framework/ui/cmdtarget.h"

#define DECLARE_MESSAGE_MAP()                                                                                          \
public:                                                                                                                \
    static const MessageMap *GetThisMessageMap();                                                                      \
    const MessageMap *GetMessageMap() const override;                                                                  \
                                                                                                                       \
protected:

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                                         \
    const MessageMap *theClass::GetMessageMap() const                                                                  \
    {                                                                                                                  \
        return GetThisMessageMap();                                                                                    \
    }                                                                                                                  \
    const MessageMap *theClass::GetThisMessageMap()                                                                    \
    {                                                                                                                  \
        using ThisClass [[maybe_unused]] = theClass;                                                                   \
        using TheBaseClass = baseClass;                                                                                \
        static const MessageMapEntry entries[] = {

// The same for a class template; theClass names it with its parameters:
//   BEGIN_TEMPLATE_MESSAGE_MAP(class T, CMyDlg<T>, CDialog)
#define BEGIN_TEMPLATE_MESSAGE_MAP(templateParameter, theClass, baseClass)                                             \
    template <templateParameter>                                                                                       \
    const MessageMap *theClass::GetMessageMap() const                                                                  \
    {                                                                                                                  \
        return GetThisMessageMap();                                                                                    \
    }                                                                                                                  \
    template <templateParameter>                                                                                       \
    const MessageMap *theClass::GetThisMessageMap()                                                                    \
    {                                                                                                                  \
        using ThisClass [[maybe_unused]] = theClass;                                                                   \
        using TheBaseClass = baseClass;                                                                                \
        static const MessageMapEntry entries[] = {

#define END_MESSAGE_MAP()                                                                                              \
    {                                                                                                                  \
        0, 0, 0, 0, nullptr, nullptr                                                                                   \
    }                                                                                                                  \
    }                                                                                                                  \
    ;                                                                                                                  \
    static const MessageMap map = {&TheBaseClass::GetThisMessageMap, entries};                                         \
    return &map;                                                                                                       \
    }

// The function of one entry: `self` is the target as the declaring class, `args` the message.
#define MSGMAP_CALL(...)                                                                                               \
    [](CCmdTarget &target, HandlerArgs &args) -> BOOL {                                                                \
        ThisClass &self = static_cast<ThisClass &>(target);                                                            \
        (void)self;                                                                                                    \
        (void)args;                                                                                                    \
        __VA_ARGS__                                                                                                    \
    }

#define MSGMAP_ENTRY(message, code, first, last, ...)                                                                  \
    {(UINT)(message), (UINT)(code), (UINT)(first), (UINT)(last), nullptr, MSGMAP_CALL(__VA_ARGS__)},

// ---- Commands (menus, accelerators, buttons) -------------------------------------------------
#define ON_COMMAND(id, fn) MSGMAP_ENTRY(WM_COMMAND, CN_COMMAND, id, id, self.fn(); return TRUE;)
#define ON_COMMAND_EX(cmdId, fn) MSGMAP_ENTRY(WM_COMMAND, CN_COMMAND, cmdId, cmdId, return self.fn(args.id);)
#define ON_COMMAND_RANGE(first, last, fn)                                                                              \
    MSGMAP_ENTRY(WM_COMMAND, CN_COMMAND, first, last, self.fn(args.id); return TRUE;)
#define ON_COMMAND_EX_RANGE(first, last, fn) MSGMAP_ENTRY(WM_COMMAND, CN_COMMAND, first, last, return self.fn(args.id);)

// The handler may call pCmdUI->ContinueRouting() to let the next target decide.
#define ON_UPDATE_COMMAND_UI(id, fn) ON_UPDATE_COMMAND_UI_RANGE(id, id, fn)
#define ON_UPDATE_COMMAND_UI_RANGE(first, last, fn)                                                                    \
    MSGMAP_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, first, last, CCmdUI *ui = static_cast<CCmdUI *>(args.extra);        \
                 ui->m_bContinueRouting = FALSE; self.fn(ui); return !ui->m_bContinueRouting;)

// ---- Control notifications through WM_COMMAND ---------------------------------------------
#define ON_CONTROL(code, id, fn) MSGMAP_ENTRY(WM_COMMAND, code, id, id, self.fn(); return TRUE;)
#define ON_CONTROL_RANGE(code, first, last, fn)                                                                        \
    MSGMAP_ENTRY(WM_COMMAND, code, first, last, self.fn(args.id); return TRUE;)

#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_BN_DOUBLECLICKED(id, fn) ON_CONTROL(BN_DOUBLECLICKED, id, fn)
#define ON_BN_SETFOCUS(id, fn) ON_CONTROL(BN_SETFOCUS, id, fn)
#define ON_BN_KILLFOCUS(id, fn) ON_CONTROL(BN_KILLFOCUS, id, fn)

#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_EN_UPDATE(id, fn) ON_CONTROL(EN_UPDATE, id, fn)
#define ON_EN_SETFOCUS(id, fn) ON_CONTROL(EN_SETFOCUS, id, fn)
#define ON_EN_KILLFOCUS(id, fn) ON_CONTROL(EN_KILLFOCUS, id, fn)
#define ON_EN_MAXTEXT(id, fn) ON_CONTROL(EN_MAXTEXT, id, fn)
#define ON_EN_HSCROLL(id, fn) ON_CONTROL(EN_HSCROLL, id, fn)
#define ON_EN_VSCROLL(id, fn) ON_CONTROL(EN_VSCROLL, id, fn)

#define ON_LBN_SELCHANGE(id, fn) ON_CONTROL(LBN_SELCHANGE, id, fn)
#define ON_LBN_DBLCLK(id, fn) ON_CONTROL(LBN_DBLCLK, id, fn)
#define ON_LBN_SETFOCUS(id, fn) ON_CONTROL(LBN_SETFOCUS, id, fn)
#define ON_LBN_KILLFOCUS(id, fn) ON_CONTROL(LBN_KILLFOCUS, id, fn)
#define ON_LBN_SELCANCEL(id, fn) ON_CONTROL(LBN_SELCANCEL, id, fn)

#define ON_CBN_SELCHANGE(id, fn) ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_CBN_DBLCLK(id, fn) ON_CONTROL(CBN_DBLCLK, id, fn)
#define ON_CBN_SETFOCUS(id, fn) ON_CONTROL(CBN_SETFOCUS, id, fn)
#define ON_CBN_KILLFOCUS(id, fn) ON_CONTROL(CBN_KILLFOCUS, id, fn)
#define ON_CBN_EDITCHANGE(id, fn) ON_CONTROL(CBN_EDITCHANGE, id, fn)
#define ON_CBN_EDITUPDATE(id, fn) ON_CONTROL(CBN_EDITUPDATE, id, fn)
#define ON_CBN_DROPDOWN(id, fn) ON_CONTROL(CBN_DROPDOWN, id, fn)
#define ON_CBN_CLOSEUP(id, fn) ON_CONTROL(CBN_CLOSEUP, id, fn)
#define ON_CBN_SELENDOK(id, fn) ON_CONTROL(CBN_SELENDOK, id, fn)
#define ON_CBN_SELENDCANCEL(id, fn) ON_CONTROL(CBN_SELENDCANCEL, id, fn)

#define ON_STN_CLICKED(id, fn) ON_CONTROL(STN_CLICKED, id, fn)
#define ON_STN_DBLCLK(id, fn) ON_CONTROL(STN_DBLCLK, id, fn)

// ---- WM_NOTIFY ------------------------------------------------------------------------------
// Handlers: void fn(NMHDR* pNMHDR, LRESULT* pResult); the _EX forms return BOOL (FALSE: not
// handled, routing goes on) and take the control id first.
#define MSGMAP_NOTIFY_ARGS AFX_NOTIFY *notify = static_cast<AFX_NOTIFY *>(args.extra);
#define ON_NOTIFY(code, id, fn)                                                                                        \
    MSGMAP_ENTRY(WM_NOTIFY, (WORD)(code), id, id, MSGMAP_NOTIFY_ARGS self.fn(notify->pNMHDR, notify->pResult);         \
                 return TRUE;)
#define ON_NOTIFY_RANGE(code, first, last, fn)                                                                         \
    MSGMAP_ENTRY(WM_NOTIFY, (WORD)(code), first, last,                                                                 \
                 MSGMAP_NOTIFY_ARGS self.fn(args.id, notify->pNMHDR, notify->pResult);                                 \
                 return TRUE;)
#define ON_NOTIFY_EX(code, ctrlId, fn)                                                                                 \
    MSGMAP_ENTRY(WM_NOTIFY, (WORD)(code), ctrlId, ctrlId,                                                              \
                 MSGMAP_NOTIFY_ARGS return self.fn(args.id, notify->pNMHDR, notify->pResult);)
#define ON_NOTIFY_EX_RANGE(code, first, last, fn)                                                                      \
    MSGMAP_ENTRY(WM_NOTIFY, (WORD)(code), first, last,                                                                 \
                 MSGMAP_NOTIFY_ARGS return self.fn(args.id, notify->pNMHDR, notify->pResult);)

// ---- Notifications reflected back to the control that sent them ---------------------------
#define ON_NOTIFY_REFLECT(code, fn)                                                                                    \
    MSGMAP_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, (WORD)(code), 0, 0,                                                      \
                 MSGMAP_NOTIFY_ARGS self.fn(notify->pNMHDR, notify->pResult);                                          \
                 return TRUE;)
#define ON_NOTIFY_REFLECT_EX(code, fn)                                                                                 \
    MSGMAP_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, (WORD)(code), 0, 0,                                                      \
                 MSGMAP_NOTIFY_ARGS return self.fn(notify->pNMHDR, notify->pResult);)
#define ON_CONTROL_REFLECT(code, fn) MSGMAP_ENTRY(WM_REFLECT_BASE + WM_COMMAND, code, 0, 0, self.fn(); return TRUE;)
#define ON_CONTROL_REFLECT_EX(code, fn) MSGMAP_ENTRY(WM_REFLECT_BASE + WM_COMMAND, code, 0, 0, return self.fn();)

// HBRUSH CtlColor(CDC* pDC, UINT nCtlColor); a null brush lets the parent decide.
#define ON_WM_CTLCOLOR_REFLECT()                                                                                       \
    MSGMAP_ENTRY(WM_REFLECT_BASE + WM_CTLCOLOR, 0, 0, 0,                                                               \
                 args.result = (LRESULT)self.CtlColor(CDC::FromHandle((HDC)args.wParam), (UINT)args.lParam);           \
                 return args.result != 0;)
#define ON_WM_DRAWITEM_REFLECT()                                                                                       \
    MSGMAP_ENTRY(WM_REFLECT_BASE + WM_DRAWITEM, 0, 0, 0, self.DrawItem((LPDRAWITEMSTRUCT)args.lParam);                 \
                 args.result = TRUE; return TRUE;)
#define ON_WM_MEASUREITEM_REFLECT()                                                                                    \
    MSGMAP_ENTRY(WM_REFLECT_BASE + WM_MEASUREITEM, 0, 0, 0, self.MeasureItem((LPMEASUREITEMSTRUCT)args.lParam);        \
                 args.result = TRUE; return TRUE;)
#define ON_WM_HSCROLL_REFLECT()                                                                                        \
    MSGMAP_ENTRY(WM_REFLECT_BASE + WM_HSCROLL, 0, 0, 0, self.HScroll(LOWORD(args.wParam), HIWORD(args.wParam));        \
                 return TRUE;)
#define ON_WM_VSCROLL_REFLECT()                                                                                        \
    MSGMAP_ENTRY(WM_REFLECT_BASE + WM_VSCROLL, 0, 0, 0, self.VScroll(LOWORD(args.wParam), HIWORD(args.wParam));        \
                 return TRUE;)

// ---- User and registered messages: LRESULT fn(WPARAM, LPARAM) -----------------------------
#define ON_MESSAGE(message, fn)                                                                                        \
    MSGMAP_ENTRY(message, 0, 0, 0, args.result = self.fn(args.wParam, args.lParam); return TRUE;)
#define ON_REGISTERED_MESSAGE(messageVariable, fn)                                                                     \
    {                                                                                                                  \
        0, 0, 0, 0, &(messageVariable), MSGMAP_CALL(args.result = self.fn(args.wParam, args.lParam); return TRUE;)     \
    }                                                                                                                  \
    ,

// ---- Window messages -------------------------------------------------------------------------
#define MSGMAP_POINT CPoint((int)(short)LOWORD(args.lParam), (int)(short)HIWORD(args.lParam))
#define MSGMAP_WND(h) CWnd::FromHandle((HWND)(h))
#define ON_WM_VOID(message, fn) MSGMAP_ENTRY(message, 0, 0, 0, self.fn(); return TRUE;)
#define ON_WM_KEY(message, fn)                                                                                         \
    MSGMAP_ENTRY(message, 0, 0, 0, self.fn((UINT)args.wParam, LOWORD(args.lParam), HIWORD(args.lParam)); return TRUE;)
#define ON_WM_MOUSE(message, fn) MSGMAP_ENTRY(message, 0, 0, 0, self.fn((UINT)args.wParam, MSGMAP_POINT); return TRUE;)

#define ON_WM_CREATE()                                                                                                 \
    MSGMAP_ENTRY(WM_CREATE, 0, 0, 0, args.result = self.OnCreate((LPCREATESTRUCT)args.lParam); return TRUE;)
#define ON_WM_DESTROY() ON_WM_VOID(WM_DESTROY, OnDestroy)
#define ON_WM_NCDESTROY() ON_WM_VOID(WM_NCDESTROY, OnNcDestroy)
#define ON_WM_CLOSE() ON_WM_VOID(WM_CLOSE, OnClose)
#define ON_WM_PAINT() ON_WM_VOID(WM_PAINT, OnPaint)
#define ON_WM_SYSCOLORCHANGE() ON_WM_VOID(WM_SYSCOLORCHANGE, OnSysColorChange)
#define ON_WM_CANCELMODE() ON_WM_VOID(WM_CANCELMODE, OnCancelMode)
#define ON_WM_MOUSELEAVE() ON_WM_VOID(WM_MOUSELEAVE, OnMouseLeave)
#define ON_WM_SIZE()                                                                                                   \
    MSGMAP_ENTRY(WM_SIZE, 0, 0, 0, self.OnSize((UINT)args.wParam, LOWORD(args.lParam), HIWORD(args.lParam));           \
                 return TRUE;)
#define ON_WM_MOVE()                                                                                                   \
    MSGMAP_ENTRY(WM_MOVE, 0, 0, 0, self.OnMove((int)(short)LOWORD(args.lParam), (int)(short)HIWORD(args.lParam));      \
                 return TRUE;)
#define ON_WM_ERASEBKGND()                                                                                             \
    MSGMAP_ENTRY(WM_ERASEBKGND, 0, 0, 0, args.result = self.OnEraseBkgnd(CDC::FromHandle((HDC)args.wParam));           \
                 return TRUE;)
#define ON_WM_TIMER() MSGMAP_ENTRY(WM_TIMER, 0, 0, 0, self.OnTimer((UINT_PTR)args.wParam); return TRUE;)
#define ON_WM_KEYDOWN() ON_WM_KEY(WM_KEYDOWN, OnKeyDown)
#define ON_WM_KEYUP() ON_WM_KEY(WM_KEYUP, OnKeyUp)
#define ON_WM_SYSKEYDOWN() ON_WM_KEY(WM_SYSKEYDOWN, OnSysKeyDown)
#define ON_WM_SYSKEYUP() ON_WM_KEY(WM_SYSKEYUP, OnSysKeyUp)
#define ON_WM_CHAR() ON_WM_KEY(WM_CHAR, OnChar)
#define ON_WM_LBUTTONDOWN() ON_WM_MOUSE(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() ON_WM_MOUSE(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() ON_WM_MOUSE(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() ON_WM_MOUSE(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() ON_WM_MOUSE(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() ON_WM_MOUSE(WM_RBUTTONDBLCLK, OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN() ON_WM_MOUSE(WM_MBUTTONDOWN, OnMButtonDown)
#define ON_WM_MBUTTONUP() ON_WM_MOUSE(WM_MBUTTONUP, OnMButtonUp)
#define ON_WM_MOUSEMOVE() ON_WM_MOUSE(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_NCLBUTTONDOWN() ON_WM_MOUSE(WM_NCLBUTTONDOWN, OnNcLButtonDown)
#define ON_WM_NCRBUTTONDOWN() ON_WM_MOUSE(WM_NCRBUTTONDOWN, OnNcRButtonDown)
#define ON_WM_NCMBUTTONDOWN() ON_WM_MOUSE(WM_NCMBUTTONDOWN, OnNcMButtonDown)
#define ON_WM_MOUSEWHEEL()                                                                                             \
    MSGMAP_ENTRY(WM_MOUSEWHEEL, 0, 0, 0,                                                                               \
                 args.result = self.OnMouseWheel(GET_KEYSTATE_WPARAM(args.wParam),                                     \
                                                 GET_WHEEL_DELTA_WPARAM(args.wParam), MSGMAP_POINT);                   \
                 return TRUE;)
#define ON_WM_MOUSEACTIVATE()                                                                                          \
    MSGMAP_ENTRY(WM_MOUSEACTIVATE, 0, 0, 0,                                                                            \
                 args.result =                                                                                         \
                     self.OnMouseActivate(MSGMAP_WND(args.wParam), LOWORD(args.lParam), HIWORD(args.lParam));          \
                 return TRUE;)
#define ON_WM_SETCURSOR()                                                                                              \
    MSGMAP_ENTRY(WM_SETCURSOR, 0, 0, 0,                                                                                \
                 args.result = self.OnSetCursor(MSGMAP_WND(args.wParam), LOWORD(args.lParam), HIWORD(args.lParam));    \
                 return TRUE;)
#define ON_WM_CONTEXTMENU()                                                                                            \
    MSGMAP_ENTRY(WM_CONTEXTMENU, 0, 0, 0, self.OnContextMenu(MSGMAP_WND(args.wParam), MSGMAP_POINT); return TRUE;)
#define ON_WM_SETFOCUS() MSGMAP_ENTRY(WM_SETFOCUS, 0, 0, 0, self.OnSetFocus(MSGMAP_WND(args.wParam)); return TRUE;)
#define ON_WM_KILLFOCUS() MSGMAP_ENTRY(WM_KILLFOCUS, 0, 0, 0, self.OnKillFocus(MSGMAP_WND(args.wParam)); return TRUE;)
#define ON_WM_CAPTURECHANGED()                                                                                         \
    MSGMAP_ENTRY(WM_CAPTURECHANGED, 0, 0, 0, self.OnCaptureChanged(MSGMAP_WND(args.lParam)); return TRUE;)
#define ON_WM_GETDLGCODE() MSGMAP_ENTRY(WM_GETDLGCODE, 0, 0, 0, args.result = self.OnGetDlgCode(); return TRUE;)
#define ON_WM_ACTIVATE()                                                                                               \
    MSGMAP_ENTRY(WM_ACTIVATE, 0, 0, 0,                                                                                 \
                 self.OnActivate(LOWORD(args.wParam), MSGMAP_WND(args.lParam), HIWORD(args.wParam));                   \
                 return TRUE;)
#define ON_WM_SHOWWINDOW()                                                                                             \
    MSGMAP_ENTRY(WM_SHOWWINDOW, 0, 0, 0, self.OnShowWindow((BOOL)args.wParam, (UINT)args.lParam); return TRUE;)
#define ON_WM_GETMINMAXINFO()                                                                                          \
    MSGMAP_ENTRY(WM_GETMINMAXINFO, 0, 0, 0, self.OnGetMinMaxInfo((MINMAXINFO *)args.lParam); return TRUE;)
#define ON_WM_DROPFILES() MSGMAP_ENTRY(WM_DROPFILES, 0, 0, 0, self.OnDropFiles((HDROP)args.wParam); return TRUE;)
#define ON_WM_SETTINGCHANGE()                                                                                          \
    MSGMAP_ENTRY(WM_SETTINGCHANGE, 0, 0, 0, CString section = CWnd::SectionOfSettingChange(args.lParam);               \
                 self.OnSettingChange((UINT)args.wParam, section); return TRUE;)
#define ON_WM_INITMENUPOPUP()                                                                                          \
    MSGMAP_ENTRY(                                                                                                      \
        WM_INITMENUPOPUP, 0, 0, 0,                                                                                     \
        self.OnInitMenuPopup(CMenu::FromHandle((HMENU)args.wParam), LOWORD(args.lParam), HIWORD(args.lParam));         \
        return TRUE;)
#define ON_WM_MDIACTIVATE()                                                                                            \
    MSGMAP_ENTRY(WM_MDIACTIVATE, 0, 0, 0, HWND self_hwnd = self.GetSafeHwnd();                                         \
                 self.OnMDIActivate((HWND)args.lParam == self_hwnd, MSGMAP_WND(args.lParam), MSGMAP_WND(args.wParam)); \
                 return TRUE;)
#define ON_WM_NCHITTEST()                                                                                              \
    MSGMAP_ENTRY(WM_NCHITTEST, 0, 0, 0, args.result = self.OnNcHitTest(MSGMAP_POINT); return TRUE;)

// Scroll messages: void fn(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar).
#define ON_WM_HSCROLL()                                                                                                \
    MSGMAP_ENTRY(WM_HSCROLL, 0, 0, 0,                                                                                  \
                 self.OnHScroll(LOWORD(args.wParam), HIWORD(args.wParam), (CScrollBar *)MSGMAP_WND(args.lParam));      \
                 return TRUE;)
#define ON_WM_VSCROLL()                                                                                                \
    MSGMAP_ENTRY(WM_VSCROLL, 0, 0, 0,                                                                                  \
                 self.OnVScroll(LOWORD(args.wParam), HIWORD(args.wParam), (CScrollBar *)MSGMAP_WND(args.lParam));      \
                 return TRUE;)

// Owner drawing and colours sent to the parent.
#define ON_WM_CTLCOLOR()                                                                                               \
    MSGMAP_ENTRY(WM_CTLCOLOR, 0, 0, 0,                                                                                 \
                 args.result =                                                                                         \
                     (LRESULT)self.OnCtlColor(CDC::FromHandle((HDC)args.wParam), MSGMAP_WND(args.lParam), args.id);    \
                 return TRUE;)
#define ON_WM_DRAWITEM()                                                                                               \
    MSGMAP_ENTRY(WM_DRAWITEM, 0, 0, 0, self.OnDrawItem((int)args.wParam, (LPDRAWITEMSTRUCT)args.lParam);               \
                 args.result = TRUE; return TRUE;)
#define ON_WM_MEASUREITEM()                                                                                            \
    MSGMAP_ENTRY(WM_MEASUREITEM, 0, 0, 0, self.OnMeasureItem((int)args.wParam, (LPMEASUREITEMSTRUCT)args.lParam);      \
                 args.result = TRUE; return TRUE;)
