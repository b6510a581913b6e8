#pragma once
// The test hook: lets a test answer what would otherwise wait for a user. Off unless a test
// installs one; the program itself never does.
//
//   CTestHook hook;
//   hook.onDialog = [&](CDialog& dlg) { dlg.SetDlgItemText(IDC_NAME, "Kowalski"); dlg.OnOK(); };
//   hook.onMessageBox = [&](const CString& text, const CString&, UINT) { return IDYES; };
//   CTestHookScope scope(hook);
//
// onDialog runs once a modal dialog has run OnInitDialog; a dialog that is still open when it
// returns is ended with IDCANCEL, so no test ever waits on a modal loop. onMessageBox,
// onCommonDialog and onPopupMenu run instead of showing the box, the common dialog or the popup
// menu; without them the box answers with its default button, a common dialog with IDCANCEL and
// a popup menu with no choice.

#include "framework/core/cstring.h"

#include <windows.h>

#include <functional>

class CDialog;
class CCommonDialog;
class CMenu;

struct CTestHook {
    std::function<void(CDialog &dialog)> onDialog;
    std::function<int(const CString &text, const CString &caption, UINT type)> onMessageBox;
    // Returns IDOK or IDCANCEL after setting the answer in the dialog's structure
    // (CFileDialog::m_ofn.lpstrFile, CColorDialog::m_cc.rgbResult, ...).
    std::function<INT_PTR(CCommonDialog &dialog)> onCommonDialog;
    // Answers a popup menu instead of tracking it: the chosen command, or 0 for none.
    std::function<UINT(CMenu &menu)> onPopupMenu;
    // Told the name of every print job as it starts; the job still prints.
    std::function<void(const CString &title)> onPrintJob;
};

CTestHook *AfxGetTestHook();

// Installs a hook for its lifetime and puts the previous one back after.
class CTestHookScope {
public:
    explicit CTestHookScope(CTestHook &hook);
    ~CTestHookScope();
    CTestHookScope(const CTestHookScope &) = delete;
    CTestHookScope &operator=(const CTestHookScope &) = delete;

private:
    CTestHook *m_previous;
};
