#include "framework/shell/html_help.h"

#include "html_test_support.h"

#include "framework/ui/testhook.h"

#include <gtest/gtest.h>

#include <richedit.h>

#include <string>
#include <vector>

namespace {

class HtmlHelpTest : public testing::Test {
protected:
    HtmlHelpTest()
    {
        m_hook.onMessageBox = [this](const CString &text, const CString &, UINT) {
            messages.push_back(text);
            return IDOK;
        };
    }
    ~HtmlHelpTest() override { HtmlHelpA(nullptr, nullptr, HH_CLOSE_ALL, 0); }

    // A help file of the fixtures, as the program names it (code page 1250).
    static CString HelpFile(const wchar_t *name) { return WideToCp1250(FixturePath(std::wstring(L"help\\") + name)); }

    static HWND RichEditOf(HWND window)
    {
        HWND found = nullptr;
        ::EnumChildWindows(
            window,
            [](HWND child, LPARAM result) -> BOOL {
                wchar_t className[64] = L"";
                ::GetClassNameW(child, className, 64);
                if (lstrcmpiW(className, L"RICHEDIT50W") != 0)
                    return TRUE;
                *reinterpret_cast<HWND *>(result) = child;
                return FALSE;
            },
            (LPARAM)&found);
        return found;
    }

    static std::wstring ShownText(HWND window)
    {
        std::wstring text(4096, L'\0');
        GETTEXTEX request{(DWORD)(text.size() * sizeof(wchar_t)), GT_DEFAULT, 1200, nullptr, nullptr};
        text.resize(::SendMessageW(RichEditOf(window), EM_GETTEXTEX, (WPARAM)&request, (LPARAM)&text[0]));
        return text;
    }

    static std::wstring Caption(HWND window)
    {
        wchar_t text[256] = L"";
        ::GetWindowTextW(window, text, 256);
        return text;
    }

    std::vector<CString> messages;

private:
    CTestHook m_hook;
    CTestHookScope m_scope{m_hook};
};

const wchar_t *const contentsText = L"Spis treści\r\x2022 Pierwsze kroki\r\x2022 Terminarz";
const wchar_t *const firstStepsText = L"Pierwsze kroki\rNowe postępowanie zakłada się z menu Plik.\rSpis treści";
const wchar_t *const calendarText = L"Terminarz\rTerminarz przypomina o zbliżających się terminach.";

TEST_F(HtmlHelpTest, DisplayTopicShowsTheTopicInOurWindow)
{
    HWND window = HtmlHelpA(nullptr, HelpFile(L"pomoc.chm::/0.htm"), HH_DISPLAY_TOPIC, 0);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(::IsWindowVisible(window));
    EXPECT_EQ(ShownText(window), firstStepsText);
    EXPECT_EQ(Caption(window), L"Pierwsze kroki");
    EXPECT_TRUE(messages.empty());
}

TEST_F(HtmlHelpTest, CommandsChooseTheTopicAndReuseTheWindow)
{
    const CString topicFive = "5.htm";
    struct {
        const wchar_t *file;
        UINT command;
        DWORD_PTR data;
        const wchar_t *shown;
    } cases[] = {
        {L"pomoc.chm", HH_DISPLAY_TOC, 0, contentsText},
        {L"pomoc.chm::/0.htm", HH_DISPLAY_TOC, 0, firstStepsText},
        {L"pomoc.chm", HH_DISPLAY_TOPIC, 0, contentsText},
        {L"pomoc.chm", HH_DISPLAY_TOPIC, (DWORD_PTR)topicFive.GetString(), calendarText},
        {L"POMOC.CHM::5.htm", HH_DISPLAY_TOPIC, 0, calendarText},
        {L"pomoc.chm", HH_HELP_CONTEXT, 5, calendarText},
        {L"pomoc.chm", HH_HELP_CONTEXT, 77, contentsText},
    };
    HWND first = nullptr;
    for (const auto &c : cases) {
        HWND window = HtmlHelp(nullptr, HelpFile(c.file), c.command, c.data);
        ASSERT_NE(window, nullptr) << c.file;
        if (first == nullptr)
            first = window;
        EXPECT_EQ(window, first) << c.file;
        EXPECT_EQ(ShownText(window), c.shown) << c.file << " " << c.command;
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(HtmlHelpTest, CloseAllDestroysTheWindowAndANewOneOpensAfter)
{
    HWND window = HtmlHelpA(nullptr, HelpFile(L"pomoc.chm"), HH_DISPLAY_TOC, 0);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(HtmlHelpA(nullptr, nullptr, HH_CLOSE_ALL, 0), nullptr);
    EXPECT_FALSE(::IsWindow(window));
    HWND again = HtmlHelpA(nullptr, HelpFile(L"pomoc.chm"), HH_DISPLAY_TOC, 0);
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(::IsWindow(again));
}

TEST_F(HtmlHelpTest, HelpWindowGoesWithItsOwner)
{
    HWND owner = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    HWND window = HtmlHelpA(owner, HelpFile(L"pomoc.chm"), HH_DISPLAY_TOC, 0);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(::GetWindow(window, GW_OWNER), owner);
    ::DestroyWindow(owner);
    EXPECT_FALSE(::IsWindow(window));
    HWND again = HtmlHelpA(nullptr, HelpFile(L"pomoc.chm::/0.htm"), HH_DISPLAY_TOPIC, 0);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(ShownText(again), firstStepsText);
}

TEST_F(HtmlHelpTest, ButtonsGoToTheContentsAndBack)
{
    HWND window = HtmlHelpA(nullptr, HelpFile(L"pomoc.chm::/0.htm"), HH_DISPLAY_TOPIC, 0);
    ASSERT_NE(window, nullptr);
    HWND contents = ::FindWindowExW(window, nullptr, L"Button", L"Spis treści");
    HWND back = ::FindWindowExW(window, nullptr, L"Button", L"Wstecz");
    ASSERT_NE(contents, nullptr);
    ASSERT_NE(back, nullptr);
    ::SendMessageW(contents, BM_CLICK, 0, 0);
    PumpPending();
    EXPECT_EQ(ShownText(window), contentsText);
    EXPECT_EQ(Caption(window), L"Pomoc \x2013 spis treści");
    ::SendMessageW(back, BM_CLICK, 0, 0);
    PumpPending();
    EXPECT_EQ(ShownText(window), firstStepsText);
}

TEST_F(HtmlHelpTest, MissingHelpIsToldInPolishAndShowsNothing)
{
    struct {
        const wchar_t *file;
        const char *message;
        const char *names;
    } cases[] = {
        {L"prawo.chm::/glowna.html", "Nie znaleziono pliku pomocy:\n", "prawo.chm"},
        {L"orzeczenia_kio.chm", "Nie znaleziono pliku pomocy:\n", "orzeczenia_kio.chm"},
        {L"pomoc.chm::/brak.htm", "Nie znaleziono tematu pomocy:\n", "brak.htm"},
    };
    for (const auto &c : cases) {
        messages.clear();
        EXPECT_EQ(HtmlHelpA(nullptr, HelpFile(c.file), HH_DISPLAY_TOPIC, 0), nullptr) << c.message;
        ASSERT_EQ(messages.size(), 1u) << c.names;
        EXPECT_EQ(messages[0].Left((int)strlen(c.message)), c.message);
        EXPECT_NE(messages[0].Find(c.names), -1) << messages[0];
    }
}

} // namespace
