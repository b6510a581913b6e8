#include "controls/folder_dialog.h"

#include "framework/core/codepage.h"
#include "framework/ui/msgbox.h"
#include "framework/ui/testhook.h"

#include <shlobj.h>

#include <string>

BEGIN_MESSAGE_MAP(CFolderDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_EN_CHANGE(IDC_TYPED_PATH, OnTypedPathChange)
END_MESSAGE_MAP()

namespace {

const char kForbiddenInName[] = "\"*/:<>?\\|";

bool IsDriveLetter(char ch)
{
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z');
}

bool IsEdgeCharacter(char ch)
{
    return ch == '\t' || ch == ' ' || ch == '.';
}

bool IsValidName(const CString &name)
{
    if (name.IsEmpty())
        return false;
    if (IsEdgeCharacter(name[0]) || IsEdgeCharacter(name[name.GetLength() - 1]))
        return false;
    return name.FindOneOf(kForbiddenInName) < 0;
}

bool FolderExists(const CString &path)
{
    const DWORD attributes = ::GetFileAttributesW(Cp1250ToWide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

int CALLBACK BrowseCallback(HWND hDialog, UINT message, LPARAM lParam, LPARAM data)
{
    return reinterpret_cast<CFolderDialog *>(data)->OnBrowseEvent(hDialog, message, lParam);
}

CString CurrentDirectory()
{
    wchar_t buffer[MAX_PATH] = L"";
    const DWORD length = ::GetCurrentDirectoryW(MAX_PATH, buffer);
    return length > 0 && length < MAX_PATH ? WideToCp1250(buffer) : CString();
}

} // namespace

CFolderDialog::CFolderDialog(LPCTSTR lpszWindowTitle, LPCTSTR lpszBanner, LPCTSTR lpszInitialFolder, CWnd *pOwner)
    : m_windowTitle(lpszWindowTitle ? lpszWindowTitle : ""), m_hasWindowTitle(lpszWindowTitle != nullptr),
      m_banner(lpszBanner ? lpszBanner : ""), m_initialFolder(lpszInitialFolder ? lpszInitialFolder : ""),
      m_hasInitialFolder(lpszInitialFolder != nullptr), m_hOwner(nullptr)
{
    if (pOwner != nullptr && pOwner->GetTopLevelParent() != nullptr)
        m_hOwner = pOwner->GetTopLevelParent()->m_hWnd;
    else if (pOwner != nullptr)
        m_hOwner = pOwner->m_hWnd;
}

CString CFolderDialog::WithoutTrailingSeparator(CString path)
{
    while (path.GetLength() > 3 && path[path.GetLength() - 1] == '\\')
        path.Delete(path.GetLength() - 1);
    return path;
}

int CFolderDialog::CreateFolder(const CString &path, bool bCheckOnly)
{
    const int length = path.GetLength();
    if (length <= 2)
        return 1;
    if (!IsDriveLetter(path[0]) || path[1] != ':' || path[2] != '\\')
        return 1;
    if (length == 3)
        return bCheckOnly || FolderExists(path) ? 0 : 2;
    if (path[length - 1] == '\\')
        return 1;

    int start = 3;
    while (start <= length) {
        int end = path.Find('\\', start);
        if (end < 0)
            end = length;
        if (!IsValidName(path.Mid(start, end - start)))
            return 1;
        if (!bCheckOnly) {
            const CString upToHere = path.Left(end);
            ::CreateDirectoryW(Cp1250ToWide(upToHere).c_str(), nullptr);
            if (!FolderExists(upToHere))
                return 2;
        }
        start = end + 1;
    }
    return 0;
}

int CFolderDialog::Ask(const CString &text, UINT type)
{
    const char *caption = (type & MB_ICONMASK) == MB_ICONQUESTION ? "Pytanie" : "Błąd";
    return AfxShowMessageBox(m_hDialog != nullptr ? m_hDialog : m_hOwner, text, caption, type);
}

int CFolderDialog::ConfirmFolder(const CString &path)
{
    // A folder that is there is taken whatever its form (a network path, a name the checks
    // below would not create).
    if (FolderExists(path))
        return 0;
    int outcome = CreateFolder(path, true);
    if (outcome == 0) {
        CString question;
        question.Format("Katalog :\n\n%s\n\nnie istnieje. Czy chcesz utworzyć ten katalog?", (LPCTSTR)path);
        if (Ask(question, MB_YESNO | MB_ICONQUESTION) != IDYES)
            return -1;
        outcome = CreateFolder(path, false);
        if (outcome == 0)
            return 0;
    }
    CString report;
    report.Format(outcome == 1 ? "Katalog:\n\n%s\n\njest nieprawidłowy. Proszę wprowadzić inny katalog."
                               : "Katalog:\n\n%s\n\nnie może być utworzony. Proszę wprowadzić inny katalog.",
                  (LPCTSTR)path);
    Ask(report, MB_OK | MB_ICONEXCLAMATION);
    return outcome;
}

INT_PTR CFolderDialog::DoModal()
{
    m_confirmed = false;
    if (AfxGetTestHook() != nullptr) {
        m_path = WithoutTrailingSeparator(m_initialFolder);
        m_confirmed = ConfirmFolder(m_path) == 0;
        return m_confirmed ? 1 : -1;
    }
    std::wstring banner = Cp1250ToWide(m_banner);
    wchar_t displayName[MAX_PATH] = L"";
    BROWSEINFOW info{};
    info.hwndOwner = m_hOwner;
    info.pszDisplayName = displayName;
    info.lpszTitle = banner.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT;
    info.lpfn = BrowseCallback;
    info.lParam = (LPARAM)this;
    PIDLIST_ABSOLUTE chosen = ::SHBrowseForFolderW(&info);
    if (chosen != nullptr)
        ::CoTaskMemFree(chosen);
    m_hDialog = nullptr;
    return m_confirmed ? 1 : -1;
}

int CFolderDialog::OnBrowseEvent(HWND hDialog, UINT message, LPARAM lParam)
{
    if (message == BFFM_INITIALIZED) {
        OnBrowserInitialized(hDialog);
    } else if (message == BFFM_SELCHANGED) {
        OnSelectionChanged(reinterpret_cast<LPCITEMIDLIST>(lParam));
    }
    return 0;
}

void CFolderDialog::OnBrowserInitialized(HWND hDialog)
{
    m_hDialog = hDialog;
    if (m_hasWindowTitle)
        ::SetWindowTextW(hDialog, Cp1250ToWide(m_windowTitle).c_str());
    SubclassWindow(hDialog);
    if (HWND status = ::GetDlgItem(hDialog, IDC_BROWSER_STATUS))
        ::ShowWindow(status, SW_HIDE);
    if (HWND tree = ::GetDlgItem(hDialog, IDC_BROWSER_TREE)) {
        RECT treeRect;
        ::GetWindowRect(tree, &treeRect);
        ::MapWindowPoints(nullptr, hDialog, (LPPOINT)&treeRect, 2);
        m_typedPath.CreateEx(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                             CRect(treeRect.left, treeRect.top - 27, treeRect.right, treeRect.top - 4), this,
                             IDC_TYPED_PATH);
        m_typedPath.SendMessage(WM_SETFONT, SendMessage(WM_GETFONT), TRUE);
    }
    const CString start = m_hasInitialFolder ? m_initialFolder : CurrentDirectory();
    std::wstring wideStart = Cp1250ToWide(start);
    ::SendMessageW(hDialog, BFFM_SETSELECTIONW, TRUE, (LPARAM)wideStart.c_str());
}

void CFolderDialog::OnSelectionChanged(LPCITEMIDLIST item)
{
    wchar_t path[MAX_PATH] = L"";
    CString selected;
    if (item != nullptr && ::SHGetPathFromIDListW(item, path) && path[0] != 0 && path[1] == L':')
        selected = WithoutTrailingSeparator(WideToCp1250(path)); // the shell ends some with "\\"
    ::SendMessageW(m_hDialog, BFFM_ENABLEOK, 0, selected.IsEmpty() ? 0 : 1);
    std::wstring wide = Cp1250ToWide(selected);
    ::SendMessageW(m_hDialog, BFFM_SETSTATUSTEXTW, 0, (LPARAM)wide.c_str());
    if (m_typedPath.m_hWnd != nullptr)
        m_typedPath.SetWindowText(selected);
}

void CFolderDialog::OnTypedPathChange()
{
    m_typedPath.GetWindowText(m_path);
    SendMessage(BFFM_ENABLEOK, 0, m_path.IsEmpty() ? 0 : 1);
}

void CFolderDialog::OnOK()
{
    m_typedPath.GetWindowText(m_path);
    m_path = WithoutTrailingSeparator(m_path);
    if (ConfirmFolder(m_path) != 0) {
        m_typedPath.SetFocus();
        return;
    }
    m_confirmed = true;
    ::EndDialog(m_hDialog, IDOK);
}
