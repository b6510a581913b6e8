#include "framework/shell/html_help.h"

#include "framework/core/codepage.h"
#include "framework/shell/htmlview.h"
#include "framework/ui/controls.h"
#include "framework/ui/msgbox.h"

#include <string>

namespace {

const UINT contentsButtonId = 101;
const UINT backButtonId = 102;
const UINT viewId = 103;
const int buttonWidth = 100;
const int buttonHeight = 24;
const int gap = 4;

bool EndsWithNoCase(const std::wstring &text, const wchar_t *suffix)
{
    size_t length = wcslen(suffix);
    return text.size() >= length && _wcsicmp(text.c_str() + text.size() - length, suffix) == 0;
}

bool IsFolder(const std::wstring &path)
{
    DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsFile(const std::wstring &path)
{
    DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring FullPath(const std::wstring &path)
{
    wchar_t buffer[MAX_PATH * 4];
    DWORD length = ::GetFullPathNameW(path.c_str(), MAX_PATH * 4, buffer, nullptr);
    return length > 0 && length < MAX_PATH * 4 ? std::wstring(buffer, length) : path;
}

// The help window's caption follows the title of the topic shown.
class CHelpTopicView : public CHtmlView {
public:
    void OnTitleChange(LPCTSTR lpszText) override
    {
        CString title = lpszText;
        GetParent()->SetWindowText(title.IsEmpty() ? "Pomoc" : lpszText);
    }
};

// The one help window: buttons for the contents and the previous topic above the topic.
class CHtmlHelpWindow : public CWnd {
public:
    static CHtmlHelpWindow *Open(HWND owner);
    static void CloseAll();
    void ShowTopic(const std::wstring &contents, const std::wstring &topic);

protected:
    BOOL PreCreateWindow(CREATESTRUCT &cs) override;
    void PostNcDestroy() override;
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    void OnSetFocus(CWnd *pOldWnd);
    void OnContents();
    void OnBack();

    DECLARE_MESSAGE_MAP()

private:
    static CHtmlHelpWindow *s_window;
    CButton m_contentsButton;
    CButton m_backButton;
    CHelpTopicView m_view;
    std::wstring m_contents;
};

CHtmlHelpWindow *CHtmlHelpWindow::s_window = nullptr;

BEGIN_MESSAGE_MAP(CHtmlHelpWindow, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_BN_CLICKED(contentsButtonId, OnContents)
    ON_BN_CLICKED(backButtonId, OnBack)
END_MESSAGE_MAP()

CHtmlHelpWindow *CHtmlHelpWindow::Open(HWND owner)
{
    if (s_window != nullptr) {
        if (s_window->IsIconic())
            s_window->ShowWindow(SW_RESTORE);
        s_window->BringWindowToTop();
        return s_window;
    }
    CHtmlHelpWindow *window = new CHtmlHelpWindow;
    HWND root = owner != nullptr ? ::GetAncestor(owner, GA_ROOT) : nullptr;
    if (!window->CreateEx(0, nullptr, "Pomoc", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT, 760,
                          560, root, nullptr)) {
        delete window;
        return nullptr;
    }
    s_window = window;
    window->ShowWindow(SW_SHOW);
    return window;
}

void CHtmlHelpWindow::CloseAll()
{
    if (s_window != nullptr)
        s_window->DestroyWindow();
}

void CHtmlHelpWindow::ShowTopic(const std::wstring &contents, const std::wstring &topic)
{
    m_contents = contents;
    m_view.Navigate2(WideToCp1250(topic));
}

BOOL CHtmlHelpWindow::PreCreateWindow(CREATESTRUCT &cs)
{
    cs.lpszClass = AfxRegisterWndClass(0, ::LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
    return TRUE;
}

void CHtmlHelpWindow::PostNcDestroy()
{
    if (s_window == this)
        s_window = nullptr;
    delete this;
}

int CHtmlHelpWindow::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    CRect button(gap, gap, gap + buttonWidth, gap + buttonHeight);
    DWORD buttonStyle = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
    if (!m_contentsButton.Create("Spis treści", buttonStyle, button, this, contentsButtonId))
        return -1;
    button.OffsetRect(buttonWidth + gap, 0);
    if (!m_backButton.Create("Wstecz", buttonStyle, button, this, backButtonId))
        return -1;
    HGDIOBJ font = ::GetStockObject(DEFAULT_GUI_FONT);
    m_contentsButton.SendMessage(WM_SETFONT, (WPARAM)font);
    m_backButton.SendMessage(WM_SETFONT, (WPARAM)font);
    if (!m_view.Create(nullptr, nullptr, WS_VISIBLE | WS_BORDER, CRect(), this, viewId))
        return -1;
    return 0;
}

void CHtmlHelpWindow::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    int top = buttonHeight + 2 * gap;
    if (m_view.GetSafeHwnd() != nullptr)
        m_view.MoveWindow(0, top, cx, cy > top ? cy - top : 0);
}

void CHtmlHelpWindow::OnSetFocus(CWnd *)
{
    if (m_view.GetSafeHwnd() != nullptr)
        m_view.SetFocus();
}

void CHtmlHelpWindow::OnContents()
{
    m_view.Navigate2(WideToCp1250(m_contents));
}

void CHtmlHelpWindow::OnBack()
{
    m_view.GoBack();
}

void TellMissing(const char *what, const std::wstring &path)
{
    AfxMessageBox(CString(what) + WideToCp1250(path), MB_OK | MB_ICONWARNING);
}

} // namespace

HWND MorvelankHtmlHelp(HWND hwndCaller, LPCSTR pszFile, UINT uCommand, DWORD_PTR dwData)
{
    if (uCommand == HH_CLOSE_ALL) {
        CHtmlHelpWindow::CloseAll();
        return nullptr;
    }
    if ((uCommand != HH_DISPLAY_TOPIC && uCommand != HH_DISPLAY_TOC && uCommand != HH_HELP_CONTEXT)
        || pszFile == nullptr)
        return nullptr;

    std::wstring file = Cp1250ToWide(pszFile);
    size_t separator = file.find(L"::");
    std::wstring helpFile = file.substr(0, separator);
    std::wstring topic = separator == std::wstring::npos ? std::wstring() : file.substr(separator + 2);
    if (topic.empty() && uCommand == HH_DISPLAY_TOPIC && dwData != 0)
        topic = Cp1250ToWide(reinterpret_cast<LPCSTR>(dwData));
    topic.erase(0, topic.find_first_not_of(L"/\\"));

    std::wstring folder = FullPath(helpFile);
    if (EndsWithNoCase(folder, L".chm"))
        folder.resize(folder.size() - 4);
    if (!IsFolder(folder)) {
        TellMissing("Nie znaleziono pliku pomocy:\n", helpFile);
        return nullptr;
    }
    std::wstring contents = folder + L"\\index.htm";
    if (uCommand == HH_HELP_CONTEXT) {
        std::wstring numbered = std::to_wstring((unsigned long long)dwData) + L".htm";
        topic = IsFile(folder + L"\\" + numbered) ? numbered : std::wstring();
    }
    std::wstring page = topic.empty() ? contents : folder + L"\\" + topic;
    for (wchar_t &c : page)
        if (c == L'/')
            c = L'\\';
    if (!IsFile(page.substr(0, page.find(L'#')))) {
        TellMissing("Nie znaleziono tematu pomocy:\n", page);
        return nullptr;
    }
    CHtmlHelpWindow *window = CHtmlHelpWindow::Open(hwndCaller);
    if (window == nullptr)
        return nullptr;
    window->ShowTopic(contents, page);
    return window->GetSafeHwnd();
}
