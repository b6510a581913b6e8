#include "framework/ui/msgbox.h"

#include "framework/core/codepage.h"
#include "framework/ui/testhook.h"
#include "framework/ui/winapp.h"

namespace {

// The answer of a box nobody sees: its default button.
int DefaultButton(UINT nType)
{
    static const int buttons[][3] = {
        {IDOK, IDOK, IDOK},                 // MB_OK
        {IDOK, IDCANCEL, IDCANCEL},         // MB_OKCANCEL
        {IDABORT, IDRETRY, IDIGNORE},       // MB_ABORTRETRYIGNORE
        {IDYES, IDNO, IDCANCEL},            // MB_YESNOCANCEL
        {IDYES, IDNO, IDNO},                // MB_YESNO
        {IDRETRY, IDCANCEL, IDCANCEL},      // MB_RETRYCANCEL
        {IDCANCEL, IDTRYAGAIN, IDCONTINUE}, // MB_CANCELTRYCONTINUE
    };
    UINT kind = nType & MB_TYPEMASK;
    UINT position = (nType & MB_DEFMASK) >> 8;
    if (kind >= sizeof buttons / sizeof buttons[0])
        kind = 0;
    if (position > 2)
        position = 0;
    return buttons[kind][position];
}

CString ApplicationCaption()
{
    if (CWinApp *app = AfxGetApp()) {
        if (app->m_pszAppName != nullptr)
            return app->m_pszAppName;
    }
    wchar_t path[MAX_PATH] = L"";
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    CString name = WideToCp1250(path);
    name = name.Mid(name.ReverseFind('\\') + 1);
    int dot = name.ReverseFind('.');
    return dot > 0 ? name.Left(dot) : name;
}

HWND DefaultOwner()
{
    HWND active = ::GetActiveWindow();
    if (active != nullptr)
        return active;
    CWnd *main = AfxGetMainWnd();
    return main != nullptr ? main->GetSafeHwnd() : nullptr;
}

} // namespace

int AfxShowMessageBox(HWND hWndOwner, LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType)
{
    CString text = lpszText ? lpszText : "";
    CString caption = lpszCaption ? CString(lpszCaption) : ApplicationCaption();
    if (CTestHook *hook = AfxGetTestHook()) {
        return hook->onMessageBox ? hook->onMessageBox(text, caption, nType) : DefaultButton(nType);
    }
    return ::MessageBoxW(hWndOwner, Cp1250ToWide(text).c_str(), Cp1250ToWide(caption).c_str(), nType);
}

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT)
{
    if ((nType & MB_ICONMASK) == 0) {
        UINT kind = nType & MB_TYPEMASK;
        nType |= (kind == MB_YESNO || kind == MB_YESNOCANCEL) ? MB_ICONQUESTION
                 : kind == MB_OK                              ? MB_ICONEXCLAMATION
                                                              : 0;
    }
    return AfxShowMessageBox(DefaultOwner(), lpszText, nullptr, nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString prompt;
    prompt.LoadString(nIDPrompt);
    return AfxMessageBox(prompt, nType, nIDHelp == (UINT)-1 ? nIDPrompt : nIDHelp);
}
