// Starts the assembled program as a user would, goes through its start-up (splash window,
// start-up page) and closes its main window.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>

#include "tests/support/program_windows.h"

namespace fs = std::filesystem;
using namespace program_windows;

namespace {

const wchar_t kMainTitle[] = L"Morvelank, wrzesie\u0144 2025";
const int kStatusProgressId = 321;

bool IsMainFrame(HWND window)
{
    return TitleOf(window).rfind(kMainTitle, 0) == 0;
}

// The splash window: a captionless popup owned by the main window.
bool IsSplash(HWND window)
{
    return (GetWindowLongW(window, GWL_STYLE) & WS_POPUP) && !(GetWindowLongW(window, GWL_STYLE) & WS_CAPTION)
           && GetWindow(window, GW_OWNER) != nullptr && ClassOf(window) != L"#32770";
}

// Looks every 10 ms: the splash is there only while the program loads.
HWND WaitCloselyFor(DWORD processId, DWORD timeoutMs, bool (*accept)(HWND))
{
    for (DWORD waited = 0; waited < timeoutMs; waited += 10) {
        if (HWND found = FindWindowOf(processId, accept))
            return found;
        Sleep(10);
    }
    return nullptr;
}

// The program started from a copy of the installation folder of its own, so its writes
// never touch the build.
class StartedProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        const fs::path source = InstallationFolder();
        ASSERT_FALSE(source.empty()) << "MORVELANK_INSTALLATION is not set";
        ASSERT_TRUE(fs::exists(source / "morvelank.exe")) << source;
        m_folder = fs::temp_directory_path() / "morvelank-smoke";
        fs::remove_all(m_folder);
        fs::copy(source, m_folder, fs::copy_options::recursive);

        std::wstring commandLine = L"\"" + (m_folder / "morvelank.exe").wstring() + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   m_folder.wstring().c_str(), &startup, &m_process));
        m_splash = WaitCloselyFor(m_process.dwProcessId, 30000, IsSplash);
        m_mainWindow = WaitForWindowOf(m_process.dwProcessId, 30000, IsMainFrame);
        ASSERT_NE(m_mainWindow, nullptr) << "no main window within 30 s";
    }

    void TearDown() override
    {
        if (m_process.hProcess) {
            if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT)
                TerminateProcess(m_process.hProcess, 2);
            CloseHandle(m_process.hThread);
            CloseHandle(m_process.hProcess);
        }
        std::error_code ignored;
        fs::remove_all(m_folder, ignored);
    }

    void ExpectClosesWithExitCodeZero()
    {
        PostMessageW(m_mainWindow, WM_CLOSE, 0, 0);
        ASSERT_EQ(WaitForSingleObject(m_process.hProcess, 15000), WAIT_OBJECT_0)
            << "the program did not end after WM_CLOSE";
        DWORD exitCode = 1;
        GetExitCodeProcess(m_process.hProcess, &exitCode);
        EXPECT_EQ(exitCode, 0u);
    }

    fs::path m_folder;
    PROCESS_INFORMATION m_process{};
    HWND m_mainWindow = nullptr;
    HWND m_splash = nullptr;
};

TEST_F(StartedProgram, MainWindowIsMaximisedWithMenuBarsAndProgressInTheStatusBar)
{
    EXPECT_TRUE(IsZoomed(m_mainWindow));
    EXPECT_NE(GetMenu(m_mainWindow), nullptr);
    HWND statusBar = FindWindowExW(m_mainWindow, nullptr, L"msctls_statusbar32", nullptr);
    ASSERT_NE(statusBar, nullptr);
    EXPECT_TRUE(IsWindowVisible(statusBar));
    EXPECT_NE(GetDlgItem(statusBar, kStatusProgressId), nullptr);
    int toolbars = 0;
    for (HWND bar = nullptr; (bar = FindWindowExW(m_mainWindow, bar, L"ToolbarWindow32", nullptr));)
        ++toolbars;
    EXPECT_EQ(toolbars, 4);
    ExpectClosesWithExitCodeZero();
}

// The splash shows while the program loads and goes once the main window is up; the start-up
// dialogs that follow (the start-up page, the wizard) are closed the way a user declines them,
// and the program then closes normally.
TEST_F(StartedProgram, SplashShowsWhileLoadingAndTheStartUpDialogsCanBeDeclined)
{
    ASSERT_NE(m_splash, nullptr) << "no splash window while loading";
    for (DWORD waited = 0; waited < 5000 && IsWindow(m_splash); waited += 100)
        Sleep(100);
    EXPECT_FALSE(IsWindow(m_splash)) << "the splash stayed after the main window was up";
    EXPECT_NE(WaitForWindowOf(m_process.dwProcessId, 5000, IsDialog), nullptr) << "no start-up page";

    // Each dialog is declined with the button a user presses to close it (id 2).
    for (int declined = 0; declined < 5; ++declined) {
        HWND dialog = WaitForWindowOf(m_process.dwProcessId, 3000, IsDialog);
        if (!dialog)
            break;
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
        for (DWORD waited = 0; waited < 5000 && IsWindow(dialog); waited += 100)
            Sleep(100);
        ASSERT_FALSE(IsWindow(dialog)) << "a start-up dialog did not close";
    }
    EXPECT_EQ(FindWindowOf(m_process.dwProcessId, IsDialog), nullptr);
    ExpectClosesWithExitCodeZero();
}

} // namespace
