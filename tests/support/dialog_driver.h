// Runs a dialog under the test hook: the test's answer acts on the open dialog, and every
// message box is recorded instead of shown.
#pragma once

#include <functional>
#include <vector>

#include "framework/ui/ui.h"

struct ShownMessage {
    CString text;
    CString caption;
    UINT type;
};

class DialogDriver {
public:
    // `answer` runs once the dialog has initialised; it may press buttons. Returns DoModal's result.
    INT_PTR Run(CDialog &dialog, const std::function<void(CDialog &)> &answer)
    {
        CTestHook hook;
        hook.onDialog = [&](CDialog &shown) {
            if (&shown == &dialog)
                answer(shown);
        };
        hook.onMessageBox = [this](const CString &text, const CString &caption, UINT type) {
            messages.push_back({text, caption, type});
            return IDOK;
        };
        CTestHookScope scope(hook);
        return dialog.DoModal();
    }

    static void Press(CWnd &dialog, int id)
    {
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)dialog.GetDlgItem(id)->m_hWnd);
    }

    // The user leaves edit `id` (for a button, say): the dialog hears the edit lose the focus.
    // Sent, not left to the focus, which a window of another program may hold.
    static void LeaveEdit(CWnd &dialog, int id)
    {
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, EN_KILLFOCUS), (LPARAM)dialog.GetDlgItem(id)->m_hWnd);
    }

    static bool IsShown(CWnd &dialog, int id) { return (dialog.GetDlgItem(id)->GetStyle() & WS_VISIBLE) != 0; }
    static bool IsEnabled(CWnd &dialog, int id) { return dialog.GetDlgItem(id)->IsWindowEnabled() != 0; }

    std::vector<ShownMessage> messages;
};
