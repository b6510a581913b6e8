#include "framework/shell/htmlview.h"

#include "framework/core/codepage.h"
#include "framework/shell/html_charset.h"
#include "framework/shell/html_rtf.h"
#include "framework/shell/html_url.h"
#include "framework/ui/msgbox.h"

#include <shellapi.h>

IMPLEMENT_DYNCREATE(CHtmlView, CWnd)

namespace {

const UINT richEditId = 1;
const UINT WM_FOLLOW_LINK = WM_USER + 0x100; // wParam: link index, lParam: page number
const LONGLONG maxPageBytes = 32 * 1024 * 1024;
const long maxTextLength = 0x7FFFFFF0;
const int textMargin = 6; // pixels

bool EndsWithNoCase(const std::wstring &text, const wchar_t *suffix)
{
    size_t length = wcslen(suffix);
    return text.size() >= length && _wcsicmp(text.c_str() + text.size() - length, suffix) == 0;
}

bool IsHtmlFile(const std::wstring &path)
{
    return EndsWithNoCase(path, L".htm") || EndsWithNoCase(path, L".html") || EndsWithNoCase(path, L".xhtml");
}

bool OpensInShell(const std::wstring &scheme)
{
    return scheme == L"http" || scheme == L"https" || scheme == L"ftp" || scheme == L"mailto";
}

std::wstring WithoutFragment(const std::wstring &url)
{
    return url.substr(0, url.find(L'#'));
}

// The whole file; false (with the reason for the user) when it cannot be read.
bool ReadPageFile(const std::wstring &path, std::string &bytes, std::wstring &problem)
{
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        problem = L"Nie można otworzyć strony " + path + L".";
        return false;
    }
    LARGE_INTEGER size{};
    bool ok = ::GetFileSizeEx(file, &size) != 0;
    if (ok && size.QuadPart > maxPageBytes) {
        problem = L"Strona " + path + L" jest zbyt duża, aby ją wyświetlić.";
        ok = false;
    } else if (ok) {
        bytes.resize((size_t)size.QuadPart);
        DWORD read = 0;
        ok =
            bytes.empty() || (::ReadFile(file, &bytes[0], (DWORD)bytes.size(), &read, nullptr) && read == bytes.size());
        if (!ok)
            problem = L"Nie można odczytać strony " + path + L".";
    }
    ::CloseHandle(file);
    return ok;
}

HtmlPage MessagePage(const std::wstring &text)
{
    HtmlRun run;
    run.text = text;
    HtmlParagraph paragraph;
    paragraph.runs.push_back(run);
    HtmlPage page;
    page.title = L"Nie można wyświetlić strony";
    page.paragraphs.push_back(paragraph);
    return page;
}

void OpenInShell(const std::wstring &target)
{
    HINSTANCE result = ::ShellExecuteW(nullptr, L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    if ((INT_PTR)result <= 32)
        AfxMessageBox(WideToCp1250(L"Nie można otworzyć: " + target), MB_OK | MB_ICONWARNING);
}

} // namespace

BEGIN_MESSAGE_MAP(CHtmlView, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_NOTIFY(EN_LINK, richEditId, OnLinkNotify)
    ON_MESSAGE(WM_FOLLOW_LINK, OnFollowLink)
END_MESSAGE_MAP()

int CHtmlView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    CRect client;
    GetClientRect(&client);
    DWORD style = WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL;
    if (!m_richEdit.Create(style, client, this, richEditId))
        return -1;
    m_richEdit.LimitText(maxTextLength);
    m_richEdit.SetEventMask(ENM_LINK);
    m_richEdit.SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(textMargin, textMargin));
    return 0;
}

void CHtmlView::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (m_richEdit.GetSafeHwnd() != nullptr)
        m_richEdit.MoveWindow(0, 0, cx, cy);
}

void CHtmlView::OnSetFocus(CWnd *)
{
    if (m_richEdit.GetSafeHwnd() != nullptr)
        m_richEdit.SetFocus();
}

void CHtmlView::Navigate2(LPCTSTR lpszURL)
{
    NavigateTo(Cp1250ToWide(lpszURL ? lpszURL : ""), true);
}

BOOL CHtmlView::GoBack()
{
    if (m_history.empty())
        return FALSE;
    std::wstring url = m_history.back();
    m_history.pop_back();
    NavigateTo(url, false);
    return TRUE;
}

CString CHtmlView::GetLocationURL() const
{
    return WideToCp1250(m_location);
}

CString CHtmlView::GetLinkURL(int index) const
{
    if (index < 0 || index >= GetLinkCount())
        return CString();
    return WideToCp1250(m_links[index].href);
}

CHARRANGE CHtmlView::GetLinkRange(int index) const
{
    if (index < 0 || index >= GetLinkCount())
        return CHARRANGE{-1, -1};
    return m_links[index].range;
}

void CHtmlView::OnBeforeNavigate2(LPCTSTR, DWORD, LPCTSTR, CByteArray &, LPCTSTR, BOOL *) {}
void CHtmlView::OnNavigateComplete2(LPCTSTR) {}
void CHtmlView::OnDocumentComplete(LPCTSTR) {}
void CHtmlView::OnTitleChange(LPCTSTR) {}

void CHtmlView::NavigateTo(const std::wstring &href, bool remember)
{
    std::wstring url = ResolveHtmlUrl(m_location, href);
    BOOL cancel = FALSE;
    CByteArray postedData;
    OnBeforeNavigate2(WideToCp1250(url), 0, nullptr, postedData, nullptr, &cancel);
    if (cancel)
        return;

    std::wstring scheme = HtmlUrlScheme(url);
    if (scheme == L"file") {
        std::wstring path = LocalPathOfHtmlUrl(url);
        std::wstring fragment = HtmlUrlFragment(url);
        if (!IsHtmlFile(path))
            OpenInShell(path);
        else if (!fragment.empty() && _wcsicmp(WithoutFragment(url).c_str(), m_location.c_str()) == 0)
            ScrollToAnchor(fragment);
        else
            LoadPage(url, remember);
    } else if (OpensInShell(scheme)) {
        OpenInShell(url);
    }
}

void CHtmlView::LoadPage(const std::wstring &url, bool remember)
{
    std::string bytes;
    std::wstring problem;
    HtmlPage page = ReadPageFile(LocalPathOfHtmlUrl(url), bytes, problem) ? ParseHtmlPage(DecodeHtmlPage(bytes))
                                                                          : MessagePage(problem);
    if (remember && !m_location.empty())
        m_history.push_back(m_location);
    m_location = WithoutFragment(url);
    m_title = WideToCp1250(page.title);
    Show(page);
    std::wstring fragment = HtmlUrlFragment(url);
    if (!fragment.empty())
        ScrollToAnchor(fragment);

    CString location = GetLocationURL();
    OnNavigateComplete2(location);
    OnTitleChange(m_title);
    OnDocumentComplete(location);
}

void CHtmlView::Show(const HtmlPage &page)
{
    ++m_pageNumber;
    std::string rtf = HtmlPageToRtf(page);
    // Painting after every link marked would make a long page take minutes.
    m_richEdit.SetRedraw(FALSE);
    m_richEdit.StreamInText(SF_RTF, CString(rtf.data(), (int)rtf.size()));
    MarkLinks(page);
    m_anchors = page.anchors;
    m_richEdit.SetSel(0, 0);
    m_richEdit.SendMessage(WM_VSCROLL, SB_TOP);
    m_richEdit.SetRedraw(TRUE);
    m_richEdit.Invalidate();
}

// The control is asked where each link's text landed: when its text is the page's plain text
// the page's offsets hold, otherwise each link's text is looked for after the previous one.
void CHtmlView::MarkLinks(const HtmlPage &page)
{
    m_links.clear();
    std::wstring shown = ControlText();
    std::wstring expected = page.PlainText();
    bool sameText = shown == expected;
    size_t searchFrom = 0;
    for (const HtmlLink &link : page.links) {
        if (link.length == 0)
            continue;
        CHARRANGE range{link.start, link.start + link.length};
        if (!sameText) {
            size_t found = shown.find(expected.substr(link.start, link.length), searchFrom);
            if (found == std::wstring::npos)
                continue;
            range = CHARRANGE{(LONG)found, (LONG)(found + link.length)};
        }
        searchFrom = range.cpMax;
        CHARFORMAT2W format{};
        format.cbSize = sizeof format;
        format.dwMask = CFM_LINK;
        format.dwEffects = CFE_LINK;
        m_richEdit.SetSel(range);
        m_richEdit.SendMessage(EM_SETCHARFORMAT, SCF_SELECTION, (LPARAM)&format);
        m_links.push_back(ShownLink{link.href, range});
    }
}

void CHtmlView::ScrollToAnchor(const std::wstring &name)
{
    for (const auto &anchor : m_anchors) {
        if (anchor.first != name)
            continue;
        m_richEdit.SetSel(anchor.second, anchor.second);
        m_richEdit.SendMessage(WM_VSCROLL, SB_TOP);
        m_richEdit.LineScroll(m_richEdit.LineFromChar(anchor.second));
        return;
    }
}

std::wstring CHtmlView::ControlText() const
{
    GETTEXTLENGTHEX lengthRequest{GTL_NUMCHARS | GTL_PRECISE, 1200};
    long length = (long)m_richEdit.SendMessage(EM_GETTEXTLENGTHEX, (WPARAM)&lengthRequest);
    std::wstring text(length + 1, L'\0');
    GETTEXTEX request{};
    request.cb = (DWORD)(text.size() * sizeof(wchar_t));
    request.flags = GT_DEFAULT;
    request.codepage = 1200;
    long copied = (long)m_richEdit.SendMessage(EM_GETTEXTEX, (WPARAM)&request, (LPARAM)&text[0]);
    text.resize(copied < 0 ? 0 : copied);
    return text;
}

int CHtmlView::LinkAt(long charIndex) const
{
    for (size_t i = 0; i < m_links.size(); ++i)
        if (charIndex >= m_links[i].range.cpMin && charIndex < m_links[i].range.cpMax)
            return (int)i;
    return -1;
}

// The rich edit names the run under the mouse; when two links touch it may name both, so the
// character under the mouse decides.
void CHtmlView::OnLinkNotify(NMHDR *pNMHDR, LRESULT *pResult)
{
    *pResult = 0;
    const ENLINK *notice = reinterpret_cast<const ENLINK *>(pNMHDR);
    if (notice->msg != WM_LBUTTONUP)
        return;
    long charIndex = notice->chrg.cpMin;
    POINTL point{(short)LOWORD(notice->lParam), (short)HIWORD(notice->lParam)};
    long underMouse = (long)m_richEdit.SendMessage(EM_CHARFROMPOS, 0, (LPARAM)&point);
    if (underMouse >= notice->chrg.cpMin && underMouse < notice->chrg.cpMax)
        charIndex = underMouse;
    int link = LinkAt(charIndex);
    if (link >= 0)
        PostMessage(WM_FOLLOW_LINK, (WPARAM)link, (LPARAM)m_pageNumber);
}

LRESULT CHtmlView::OnFollowLink(WPARAM wParam, LPARAM lParam)
{
    if ((UINT)lParam != m_pageNumber || (int)wParam >= GetLinkCount())
        return 0;
    NavigateTo(m_links[wParam].href, true);
    return 0;
}
