#include "framework/shell/htmlview.h"

#include "framework/shell/html_charset.h"
#include "framework/shell/html_page.h"
#include "html_test_support.h"

#include "framework/ui/testhook.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Records what the view reports and keeps every test away from outside programs.
class RecordingHtmlView : public CHtmlView {
public:
    std::vector<CString> before;
    std::vector<CString> completed;
    std::vector<CString> titles;
    bool cancelAppLinks = true;

    void OnBeforeNavigate2(LPCTSTR lpszURL, DWORD, LPCTSTR, CByteArray &, LPCTSTR, BOOL *pbCancel) override
    {
        before.push_back(lpszURL);
        CString url = lpszURL;
        if (cancelAppLinks && url.Left(4).CompareNoCase("app:") == 0)
            *pbCancel = TRUE;
        if (url.Left(5).CompareNoCase("http:") == 0)
            *pbCancel = TRUE;
    }
    void OnDocumentComplete(LPCTSTR lpszURL) override { completed.push_back(lpszURL); }
    void OnTitleChange(LPCTSTR lpszText) override { titles.push_back(lpszText); }
};

// The start page as the rich edit holds it (code page 1250, paragraphs ended by "\r").
const char *const startPageText = "Witamy!\r"
                                  "Program pomaga w prowadzeniu postępowań – szybko i wygodnie.\r"
                                  "Zacznij od nowego postępowania albo przeczytaj co dalej.\r"
                                  "• Terminarz\r"
                                  "• Kalkulator terminów\r"
                                  "Strona: example.pl";

class HtmlViewTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_hook.onMessageBox = [this](const CString &text, const CString &, UINT) {
            messages.push_back(text);
            return IDOK;
        };
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "HTML", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480, nullptr, nullptr));
        ASSERT_TRUE(view.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 620, 440), &m_parent, 50));
    }

    void Open(const std::wstring &path) { view.Navigate2(WideToCp1250(path)); }
    CString Text() { return view.GetRichEditCtrl().GetTextEx(); }
    CString TextOf(CHARRANGE range)
    {
        CString text;
        view.GetRichEditCtrl().GetTextRange(range.cpMin, range.cpMax, text);
        return text;
    }
    // The control's own text in UTF-16, for characters code page 1250 lacks.
    std::wstring WideText()
    {
        std::wstring text(1 << 20, L'\0');
        GETTEXTEX request{(DWORD)(text.size() * sizeof(wchar_t)), GT_DEFAULT, 1200, nullptr, nullptr};
        text.resize(view.GetRichEditCtrl().SendMessage(EM_GETTEXTEX, (WPARAM)&request, (LPARAM)&text[0]));
        return text;
    }
    bool IsLink(CHARRANGE range)
    {
        CRichEditCtrl &edit = view.GetRichEditCtrl();
        edit.SetSel(range);
        CHARFORMAT2W format{};
        format.cbSize = sizeof format;
        edit.SendMessage(EM_GETCHARFORMAT, SCF_SELECTION, (LPARAM)&format);
        return (format.dwMask & CFM_LINK) && (format.dwEffects & CFE_LINK);
    }
    // What the rich edit sends its parent when a link is clicked.
    void SendLinkClick(CHARRANGE range)
    {
        ENLINK notice{};
        notice.nmhdr.hwndFrom = view.GetRichEditCtrl().GetSafeHwnd();
        notice.nmhdr.idFrom = (UINT_PTR)view.GetRichEditCtrl().GetDlgCtrlID();
        notice.nmhdr.code = EN_LINK;
        notice.msg = WM_LBUTTONUP;
        notice.chrg = range;
        view.SendMessage(WM_NOTIFY, notice.nmhdr.idFrom, (LPARAM)&notice);
    }
    int FindLink(const char *href)
    {
        for (int i = 0; i < view.GetLinkCount(); ++i)
            if (view.GetLinkURL(i) == href)
                return i;
        return -1;
    }

    std::vector<CString> messages;
    RecordingHtmlView view;

private:
    CTestHook m_hook;
    CTestHookScope m_scope{m_hook};
    CWnd m_parent;
};

TEST_F(HtmlViewTest, ShowsAPageAsItsText)
{
    Open(FixturePath(L"html\\start.htm"));
    EXPECT_EQ(Text(), startPageText);
    EXPECT_EQ(view.GetLocationName(), "Witamy w programie");
    ASSERT_EQ(view.completed.size(), 1u);
    EXPECT_EQ(view.completed[0], view.GetLocationURL());
    EXPECT_EQ(view.GetLocationURL().Left(8), "file:///");
    EXPECT_EQ(view.GetLocationURL().Right(15), "/html/start.htm");
    EXPECT_EQ(view.titles, std::vector<CString>{"Witamy w programie"});
    EXPECT_TRUE(messages.empty());
}

TEST_F(HtmlViewTest, LinksAreMarkedWhereTheirTextIs)
{
    Open(FixturePath(L"html\\start.htm"));
    struct {
        const char *href;
        const char *text;
    } expected[] = {
        {"app:nowe", "nowego postępowania"}, {"dalej.htm", "co dalej"}, {"http://example.pl/", "example.pl"}};
    ASSERT_EQ(view.GetLinkCount(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(view.GetLinkURL(i), expected[i].href);
        CHARRANGE range = view.GetLinkRange(i);
        EXPECT_EQ(TextOf(range), expected[i].text);
        EXPECT_TRUE(IsLink(range)) << expected[i].href;
        EXPECT_FALSE(IsLink(CHARRANGE{range.cpMax, range.cpMax + 1})) << "after " << expected[i].href;
    }
}

TEST_F(HtmlViewTest, AppLinkReachesOnBeforeNavigate2AndStaysWhenCancelled)
{
    Open(FixturePath(L"html\\start.htm"));
    CString location = view.GetLocationURL();
    SendLinkClick(view.GetLinkRange(FindLink("app:nowe")));
    ASSERT_TRUE(PumpUntil([&] { return view.before.size() == 2; }));
    EXPECT_EQ(view.before[1], "app:nowe");
    PumpPending();
    EXPECT_EQ(view.GetLocationURL(), location);
    EXPECT_EQ(view.completed.size(), 1u);
    EXPECT_EQ(Text(), startPageText);
}

TEST_F(HtmlViewTest, MouseClickOnALinkIsFollowed)
{
    Open(FixturePath(L"html\\start.htm"));
    CHARRANGE range = view.GetLinkRange(FindLink("app:nowe"));
    CRichEditCtrl &edit = view.GetRichEditCtrl();
    POINT point = edit.PosFromChar(range.cpMin + 3);
    LPARAM where = MAKELPARAM(point.x + 1, point.y + 4);
    edit.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, where);
    edit.SendMessage(WM_LBUTTONUP, 0, where);
    ASSERT_TRUE(PumpUntil([&] { return view.before.size() == 2; }));
    EXPECT_EQ(view.before[1], "app:nowe");
}

TEST_F(HtmlViewTest, AppAddressNotTakenByTheViewGoesNowhere)
{
    view.cancelAppLinks = false;
    Open(FixturePath(L"html\\start.htm"));
    view.Navigate2("APP:Nowe");
    EXPECT_EQ(view.before.back(), "APP:Nowe");
    EXPECT_EQ(view.completed.size(), 1u);
    EXPECT_EQ(Text(), startPageText);
    EXPECT_TRUE(messages.empty());
}

TEST_F(HtmlViewTest, LocalLinkLoadsTheNextPageAndGoBackReturns)
{
    Open(FixturePath(L"html\\start.htm"));
    CString start = view.GetLocationURL();
    SendLinkClick(view.GetLinkRange(FindLink("dalej.htm")));
    ASSERT_TRUE(PumpUntil([&] { return view.completed.size() == 2; }));
    EXPECT_EQ(view.before[1], start.Left(start.GetLength() - 9) + "dalej.htm"); // absolute address
    EXPECT_EQ(view.GetLocationURL(), view.before[1]);
    EXPECT_EQ(Text(), "Co dalej\rWróć na stronę startową.");
    EXPECT_EQ(view.GetLocationName(), "Co dalej");
    ASSERT_EQ(view.GetLinkCount(), 1);
    EXPECT_EQ(TextOf(view.GetLinkRange(0)), "stronę startową");

    EXPECT_TRUE(view.GoBack());
    EXPECT_EQ(view.GetLocationURL(), start);
    EXPECT_EQ(Text(), startPageText);
    EXPECT_FALSE(view.GoBack());
}

TEST_F(HtmlViewTest, ClickPostedForAReplacedPageIsDropped)
{
    Open(FixturePath(L"html\\start.htm"));
    SendLinkClick(view.GetLinkRange(FindLink("dalej.htm")));
    Open(FixturePath(L"html\\start.htm")); // before the click's message runs
    PumpPending();
    EXPECT_EQ(view.completed.size(), 2u);
    EXPECT_EQ(view.GetLocationURL().Right(9), "start.htm");
}

TEST_F(HtmlViewTest, PageInCodePage1250)
{
    ScratchFolder folder;
    std::wstring path =
        folder.Write(L"strona.htm", "<meta http-equiv=Content-Type content=\"text/html; charset=windows-1250\">"
                                    "<title>Zażółć</title><p>Gęślą &oacute; &#261; jaźń</p>");
    Open(path);
    EXPECT_EQ(Text(), "Gęślą ó ą jaźń");
    EXPECT_EQ(view.GetLocationName(), "Zażółć");
}

TEST_F(HtmlViewTest, MissingPageShowsWhyInTheView)
{
    ScratchFolder folder;
    Open(folder.Path() + L"\\brak.htm");
    EXPECT_EQ(view.GetLocationName(), "Nie można wyświetlić strony");
    EXPECT_EQ(Text().Left(26), "Nie można otworzyć strony ");
    EXPECT_NE(Text().Find("brak.htm"), -1);
    EXPECT_EQ(view.completed.size(), 1u);
    EXPECT_TRUE(messages.empty());
}

TEST_F(HtmlViewTest, MissingFileForTheShellIsToldAndThePageStays)
{
    ScratchFolder folder;
    Open(FixturePath(L"html\\start.htm"));
    view.Navigate2(WideToCp1250(folder.Path() + L"\\brak.pdf"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].Left(20), "Nie można otworzyć: ");
    EXPECT_NE(messages[0].Find("brak.pdf"), -1);
    EXPECT_EQ(Text(), startPageText);
}

// Characters RTF gives meaning to, and characters outside code page 1250, arrive as written
// and leave the links where the page put them.
TEST_F(HtmlViewTest, RtfSpecialCharactersAndWideCharacters)
{
    ScratchFolder folder;
    std::string html = u8"<meta charset=utf-8><p>{klamry} \\par \\u261? ąę 😀 中文\t<a href=x.htm>link</a></p>"
                       u8"<table><tr><td>a{<td>}b</table><a href=y.htm>drugi</a>";
    Open(folder.Write(L"znaki.htm", html));
    std::wstring expected = L"{klamry} \\par \\u261? ąę \xD83D\xDE00 中文 link\ra{\t}b\rdrugi";
    EXPECT_EQ(WideText(), expected);
    EXPECT_EQ(WideText(), ParseHtmlPage(DecodeHtmlPage(html)).PlainText());
    ASSERT_EQ(view.GetLinkCount(), 2);
    EXPECT_EQ(TextOf(view.GetLinkRange(0)), "link");
    EXPECT_EQ(TextOf(view.GetLinkRange(1)), "drugi");
}

TEST_F(HtmlViewTest, FragmentScrollsToItsAnchor)
{
    ScratchFolder folder;
    std::string html = "<p>góra";
    for (int i = 0; i < 200; ++i)
        html += "<p>wiersz " + std::to_string(i);
    html += "<h2 id=dol>Dół</h2><p>koniec";
    std::wstring path = folder.Write(L"dlugi.htm", html);
    Open(path);
    EXPECT_EQ(view.GetRichEditCtrl().GetFirstVisibleLine(), 0);
    Open(path + L"#dol");
    int firstVisible = view.GetRichEditCtrl().GetFirstVisibleLine();
    EXPECT_GT(firstVisible, 100);
    EXPECT_EQ(view.completed.size(), 1u); // the same page is not loaded again
}

TEST_F(HtmlViewTest, HugeBrokenPageLoadsWithEveryLinkInPlace)
{
    ScratchFolder folder;
    std::string html = "<meta charset=windows-1250><title>duża</title>";
    const int links = 2000;
    for (int i = 0; i < links; ++i) {
        for (int k = 0; k < 9; ++k)
            html += "<p>Akapit <b>" + std::to_string(k) + " <i>< & </ <td><li>";
        html += "<a href=\"s" + std::to_string(i) + ".htm\">odnośnik " + std::to_string(i) + "</a>";
    }
    html += "<ul><li><table><tr><td><script>";
    Open(folder.Write(L"duza.htm", html));
    ASSERT_EQ(view.GetLinkCount(), links);
    for (int i : {0, links / 2, links - 1})
        EXPECT_EQ(std::string(TextOf(view.GetLinkRange(i))), "odnośnik " + std::to_string(i)) << i;
    EXPECT_EQ(view.GetLocationName(), "duża");
}

} // namespace
