// Starts the assembled program as a user would and closes its main window.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

// The build's installation folder is a Linux path; Wine shows the root as drive Z:.
fs::path InstallationFolder()
{
    const char *unixPath = std::getenv("MORVELANK_INSTALLATION");
    if (!unixPath)
        return {};
    std::string path = std::string("Z:") + unixPath;
    for (char &c : path)
        if (c == '/')
            c = '\\';
    return fs::path(path);
}

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindVisibleWindowOf(HWND hwnd, LPARAM lParam)
{
    auto *search = reinterpret_cast<WindowSearch *>(lParam);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == search->processId && IsWindowVisible(hwnd)) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForMainWindow(DWORD processId, DWORD timeoutMs)
{
    for (DWORD waited = 0; waited < timeoutMs; waited += 100) {
        WindowSearch search{processId, nullptr};
        EnumWindows(FindVisibleWindowOf, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        Sleep(100);
    }
    return nullptr;
}

} // namespace

TEST(Smoke, MainWindowOpensAndClosesWithExitCodeZero)
{
    const fs::path source = InstallationFolder();
    ASSERT_FALSE(source.empty()) << "MORVELANK_INSTALLATION is not set";
    ASSERT_TRUE(fs::exists(source / "morvelank.exe")) << source;

    // A copy of its own, so the program's writes never touch the build.
    const fs::path folder = fs::temp_directory_path() / "morvelank-smoke";
    fs::remove_all(folder);
    fs::copy(source, folder, fs::copy_options::recursive);

    std::wstring commandLine = L"\"" + (folder / "morvelank.exe").wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               folder.wstring().c_str(), &startup, &process));

    HWND mainWindow = WaitForMainWindow(process.dwProcessId, 30000);
    ASSERT_NE(mainWindow, nullptr) << "no main window within 30 s";

    wchar_t title[256] = L"";
    GetWindowTextW(mainWindow, title, 256);
    EXPECT_EQ(std::wstring(title).rfind(L"Morvelank, wrzesie\u0144 2025", 0), 0u);

    PostMessageW(mainWindow, WM_CLOSE, 0, 0);
    ASSERT_EQ(WaitForSingleObject(process.hProcess, 15000), WAIT_OBJECT_0)
        << "the program did not end after WM_CLOSE";
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(WaitForMainWindow(process.dwProcessId, 200), nullptr);

    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    fs::remove_all(folder);
}
