#include <gtest/gtest.h>
#include <richedit.h>

#include <string>
#include <vector>

#include "app/about_dlg.h"
#include "app/morvelank_app.h"
#include "app/rich_edit_streams.h"
#include "framework/ui/frameids.h"
#include "framework/ui/testhook.h"

namespace {

// ---- Rich-edit streams ------------------------------------------------------------------------

class RichEditStreams : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(LoadLibraryW(L"MSFTEDIT.DLL"));
        m_edit = CreateWindowExW(0, L"RICHEDIT50W", L"", WS_POPUP | ES_MULTILINE, 0, 0, 400, 300, nullptr, nullptr,
                                 nullptr, nullptr);
        ASSERT_TRUE(m_edit);
        SendMessageW(m_edit, EM_EXLIMITTEXT, 0, 1 << 20);
    }
    void TearDown() override { DestroyWindow(m_edit); }

    std::wstring PlainText() const
    {
        std::wstring text(GetWindowTextLengthW(m_edit) + 1, L'\0');
        GetWindowTextW(m_edit, &text[0], static_cast<int>(text.size()));
        text.resize(text.size() - 1);
        return text;
    }

    HWND m_edit = nullptr;
};

TEST_F(RichEditStreams, ALongTextGoesInWholeInOrderAndTheCookieIsConsumed)
{
    // Longer than the control's read buffer: it asks several times.
    std::string body;
    for (int i = 0; i < 3000; ++i)
        body += "wiersz " + std::to_string(i) + " \\par ";
    CString rtf(("{\\rtf1\\ansi\\ansicpg1250 " + body + "Łódź}").c_str());

    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&rtf), 0, StreamInFromString};
    SendMessageW(m_edit, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));

    EXPECT_EQ(stream.dwError, 0u);
    EXPECT_TRUE(rtf.IsEmpty());
    const std::wstring text = PlainText();
    EXPECT_EQ(text.rfind(L"wiersz 0 ", 0), 0u);
    EXPECT_NE(text.find(L"wiersz 1500 "), std::wstring::npos);
    EXPECT_EQ(text.substr(text.size() - 4), L"\u0141\u00f3d\u017a");
}

TEST_F(RichEditStreams, StreamingOutAppendsTheWholeTextWithoutTerminators)
{
    SetWindowTextW(m_edit, std::wstring(20000, L'x').c_str());
    CString out = "przed:";
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&out), 0, StreamOutToString};
    SendMessageW(m_edit, EM_STREAMOUT, SF_TEXT, reinterpret_cast<LPARAM>(&stream));

    EXPECT_EQ(out.GetLength(), 6 + 20000);
    EXPECT_EQ(out.Left(6), "przed:");
    EXPECT_EQ(out.Find('\0'), -1);
    EXPECT_EQ(out.Find("xxxx"), 6);
}

TEST(StreamCallbacks, PortionsAreHandedOutInOrderAndNeverLargerThanAsked)
{
    CString text = "abcdefg";
    BYTE buffer[8];
    std::string received;
    LONG got = -1;
    for (LONG wanted : {3, 3, 3, 3}) {
        StreamInFromString(reinterpret_cast<DWORD_PTR>(&text), buffer, wanted, &got);
        ASSERT_LE(got, wanted);
        received.append(reinterpret_cast<char *>(buffer), got);
    }
    EXPECT_EQ(received, "abcdefg");
    EXPECT_EQ(got, 0);
    EXPECT_TRUE(text.IsEmpty());
}

// ---- The demand for a current-proceedings folder -------------------------------------------

// An application whose settings dialog answers from a script: each answer is whether the user
// confirmed and the folder then set.
class ScriptedApp : public CMorvelankApp {
public:
    struct Answer {
        bool confirmed;
        const char *folder;
    };
    std::vector<Answer> answers;
    size_t asked = 0;

    int ChooseCurrentFolder() override
    {
        const Answer answer = answers.at(asked++);
        if (answer.confirmed)
            WorkingPath = answer.folder;
        return answer.confirmed ? 1 : 0;
    }
};

TEST(CurrentFolder, AskedForUntilSetOrCancelled)
{
    struct Case {
        const char *name;
        const char *initial;
        std::vector<ScriptedApp::Answer> answers;
        int result;
        size_t messages;
    } cases[] = {
        {"already set", "D:\\P", {}, 1, 0},
        {"cancelled", "", {{false, ""}}, 0, 1},
        {"confirmed empty, then set", "", {{true, ""}, {true, "D:\\Q"}}, 1, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<CString> shown;
        CTestHook hook;
        hook.onMessageBox = [&](const CString &text, const CString &caption, UINT type) {
            shown.push_back(text);
            EXPECT_EQ(caption, "Informacja");
            EXPECT_EQ(type, static_cast<UINT>(MB_ICONINFORMATION));
            return IDOK;
        };
        CTestHookScope scope(hook);
        ScriptedApp app;
        app.WorkingPath = c.initial;
        app.answers = c.answers;

        EXPECT_EQ(app.EnsureCurrentFolder(), c.result);
        EXPECT_EQ(app.asked, c.answers.size());
        ASSERT_EQ(shown.size(), c.messages);
        if (!shown.empty()) {
            EXPECT_EQ(shown[0], "Przed rozpoczęciem pracy należy ustawić katalog postępowań bieżących");
        }
    }
}

// ---- Title, folders, About box ----------------------------------------------------------------

TEST(ApplicationObject, TitleAndProgramFolder)
{
    EXPECT_EQ(CMorvelankApp::GetTitle(), "Morvelank, wrzesień 2025");
    const CString folder = CMorvelankApp::GetProgramFolder();
    ASSERT_FALSE(folder.IsEmpty());
    EXPECT_EQ(folder.Right(1), "\\");
    EXPECT_NE(GetFileAttributesA(folder + "morvelank_app_tests.exe"), INVALID_FILE_ATTRIBUTES);
}

TEST(ApplicationObject, AboutCommandShowsTheBoxWithTheLinkToThePublisher)
{
    CMorvelankApp app;
    int shown = 0;
    CTestHook hook;
    hook.onDialog = [&](CDialog &dialog) {
        ++shown;
        CAboutDlg &about = static_cast<CAboutDlg &>(dialog);
        CString caption;
        about.GetWindowText(caption);
        EXPECT_EQ(caption, "O programie");
        CString link;
        about.GetDlgItemText(IDC_ASK_PUBLISHER, link);
        EXPECT_EQ(link, "Zadaj pytanie wydawnictwu");
        EXPECT_EQ(CWnd::FromHandlePermanent(about.GetDlgItem(IDC_ASK_PUBLISHER)->GetSafeHwnd()), &about.m_askPublisher);
        EXPECT_EQ(about.m_askPublisher.GetURL().Left(7), "mailto:");
        CString button;
        about.GetDlgItemText(IDOK, button);
        EXPECT_EQ(button, "Zamknij");
        about.OnOK();
    };
    CTestHookScope scope(hook);
    EXPECT_TRUE(app.OnCmdMsg(ID_APP_ABOUT, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ(shown, 1);
}

} // namespace
