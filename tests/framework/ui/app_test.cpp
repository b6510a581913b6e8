// The application object: profile in the registry, command line, the pump and idle time.
#include "test_resource.h"
#include "ui_test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class TestApp : public CWinApp {
public:
    TestApp() : CWinApp("Próba") {}
    std::vector<UINT> preTranslated;
    LONG idleCalls = 0;

    BOOL PreTranslateMessage(MSG *pMsg) override
    {
        if (pMsg->message == WM_APP + 5) {
            preTranslated.push_back(pMsg->message);
            return TRUE; // eaten: never dispatched
        }
        return CWinApp::PreTranslateMessage(pMsg);
    }
    // Ends the pump at the first idle time after the test message went through.
    BOOL OnIdle(LONG lCount) override
    {
        ++idleCalls;
        if (!preTranslated.empty())
            ::PostQuitMessage(3);
        return CWinApp::OnIdle(lCount);
    }
};

TEST(Profile, SettingsRoundTripUnderTheApplicationKey)
{
    TestApp app;
    EXPECT_EQ(AfxGetApp(), &app);
    EXPECT_STREQ(app.GetProfileString("Ustawienia", "Ścieżka", "brak"), "brak"); // no key yet
    EXPECT_FALSE(app.WriteProfileString("Ustawienia", "Ścieżka", "x"));

    app.SetRegistryKey("Dravo Test");
    EXPECT_STREQ(app.GetProfileString("Ustawienia", "Ścieżka", "domyślna"), "domyślna");
    EXPECT_TRUE(app.WriteProfileString("Ustawienia", "Ścieżka", "C:\\Przetargi\\Łódź"));
    EXPECT_STREQ(app.GetProfileString("Ustawienia", "Ścieżka"), "C:\\Przetargi\\Łódź");
    EXPECT_EQ(app.GetProfileInt("Ustawienia", "Liczba", 17), 17u);
    EXPECT_TRUE(app.WriteProfileInt("Ustawienia", "Liczba", 41749));
    EXPECT_EQ(app.GetProfileInt("Ustawienia", "Liczba", 17), 41749u);

    // Stored as UTF-16 text where other programs find it.
    wchar_t stored[64] = L"";
    DWORD size = sizeof stored;
    ASSERT_EQ(::RegGetValueW(HKEY_CURRENT_USER, L"Software\\Dravo Test\\Próba\\Ustawienia", L"Ścieżka", RRF_RT_REG_SZ,
                             nullptr, stored, &size),
              ERROR_SUCCESS);
    EXPECT_STREQ(stored, L"C:\\Przetargi\\Łódź");

    EXPECT_TRUE(app.WriteProfileString("Ustawienia", "Ścieżka", nullptr)); // removes the entry
    EXPECT_STREQ(app.GetProfileString("Ustawienia", "Ścieżka", "znów"), "znów");
    EXPECT_TRUE(app.WriteProfileString("Ustawienia", nullptr, nullptr)); // removes the section
    EXPECT_EQ(app.GetProfileInt("Ustawienia", "Liczba", 3), 3u);
}

TEST(CommandLine, ArgumentsSetTheShellCommand)
{
    struct Case {
        std::vector<const char *> arguments; // with the flag mark already taken off
        std::vector<BOOL> flags;
        int command;
        const char *file;
    } cases[] = {
        {{}, {}, CCommandLineInfo::FileNew, ""},
        {{"C:\\Przetargi\\przetarg.baz"}, {FALSE}, CCommandLineInfo::FileOpen, "C:\\Przetargi\\przetarg.baz"},
        {{"p", "plik.dat"}, {TRUE, FALSE}, CCommandLineInfo::FilePrint, "plik.dat"},
        {{"dde"}, {TRUE}, CCommandLineInfo::FileDDE, ""},
        {{"Embedding"}, {TRUE}, CCommandLineInfo::FileNew, ""},
    };
    for (const Case &c : cases) {
        CCommandLineInfo info;
        for (size_t i = 0; i < c.arguments.size(); ++i)
            info.ParseParam(c.arguments[i], c.flags[i], i + 1 == c.arguments.size());
        EXPECT_EQ(info.m_nShellCommand, c.command);
        EXPECT_STREQ(info.m_strFileName, c.file);
    }
}

TEST(Pump, PreTranslationEatsMessagesAndIdleRunsBetweenThem)
{
    TestApp app;
    CWnd window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, "główne", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    app.m_pMainWnd = &window;
    window.PostMessage(WM_APP + 5);
    EXPECT_EQ(app.Run(), 3);
    EXPECT_EQ(app.preTranslated, std::vector<UINT>{WM_APP + 5});
    EXPECT_GT(app.idleCalls, 0);
    app.m_pMainWnd = nullptr;
}

} // namespace
