#pragma once
// Lets the user pick a folder in the shell's folder browser or type one into an edit box above
// its tree; a typed folder that does not exist is created after a question.
//
// With a test hook installed the browser is not shown: DoModal acts as if the user had typed
// the initial folder and pressed OK (its questions and reports go to the hook).

#include "framework/ui/controls.h"
#include "framework/ui/wnd.h"

#include <shlobj.h>

class CFolderDialog : public CWnd {
public:
    // Control ids inside the shell's browser, and of the edit box added to it.
    enum { IDC_BROWSER_TREE = 14145, IDC_BROWSER_STATUS = 14147, IDC_TYPED_PATH = 14148 };

    CFolderDialog(LPCTSTR lpszWindowTitle, LPCTSTR lpszBanner, LPCTSTR lpszInitialFolder, CWnd *pOwner);

    // 1 when the user confirmed a valid folder, else -1.
    INT_PTR DoModal();
    CString GetPath() const { return m_path; }

    // 0 valid (or created), 1 invalid path, 2 missing or cannot be created. A path must be a
    // drive root ("C:\") or go on from one with valid names; with bCheckOnly nothing is created.
    static int CreateFolder(const CString &path, bool bCheckOnly);

    // The path without the backslashes that end it; a drive root ("C:\") keeps its own.
    static CString WithoutTrailingSeparator(CString path);

    // What OK does with a path: an existing folder is taken; else it checks the path, asks to
    // create the folder and reports a bad path. 0 when the path may be taken, -1 when the user
    // declined, else CreateFolder's outcome.
    int ConfirmFolder(const CString &path);

    // The browser's callback (public for the C callback only).
    int OnBrowseEvent(HWND hDialog, UINT message, LPARAM lParam);

protected:
    void OnOK();
    void OnTypedPathChange();
    DECLARE_MESSAGE_MAP()

private:
    void OnBrowserInitialized(HWND hDialog);
    void OnSelectionChanged(LPCITEMIDLIST item);
    int Ask(const CString &text, UINT type);

    CString m_windowTitle;
    bool m_hasWindowTitle;
    CString m_banner;
    CString m_initialFolder;
    bool m_hasInitialFolder;
    CString m_path;
    HWND m_hOwner;
    bool m_confirmed = false;
    HWND m_hDialog = nullptr;
    CEdit m_typedPath;
};
