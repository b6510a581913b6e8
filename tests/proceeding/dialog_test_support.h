// Runs a dialog under the test hook: the test's actions on the open dialog, then the result
// and the message boxes it showed.
#pragma once

#include <functional>
#include <vector>

#include "framework/ui/dialog.h"
#include "framework/ui/testhook.h"

struct ShownMessage {
    CString text;
    CString caption;
    UINT type;
};

struct DialogRun {
    INT_PTR result = -1;
    std::vector<ShownMessage> messages;

    CString FirstMessage() const { return messages.empty() ? CString() : messages.front().text; }
};

inline DialogRun RunDialog(CDialog &dialog, const std::function<void(CDialog &)> &actions)
{
    DialogRun run;
    CTestHook hook;
    hook.onDialog = actions;
    hook.onMessageBox = [&](const CString &text, const CString &caption, UINT type) {
        run.messages.push_back({text, caption, type});
        return IDOK;
    };
    CTestHookScope scope(hook);
    run.result = dialog.DoModal();
    return run;
}

inline void PressOk(CDialog &dialog)
{
    dialog.SendMessage(WM_COMMAND, IDOK);
}

inline void Click(CDialog &dialog, int id)
{
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)dialog.GetDlgItem(id)->m_hWnd);
}
