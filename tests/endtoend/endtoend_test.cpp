// The real program driven as a user would, from this process under the same Wine server: the
// new-proceeding wizard, a text variable edited in the shown document, saving, closing and
// opening the proceeding again, the typed value checked on screen and in the files.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "framework/ui/frameids.h"
#include "res/editors_ids.h"
#include "res/mainframe_ids.h"
#include "res/proceeding_ids.h"
#include "res/wizard_ids.h"
#include "tests/support/program_windows.h"

namespace fs = std::filesystem;
using namespace program_windows;

namespace {

const wchar_t kMainTitle[] = L"Morvelank, wrzesie\u0144 2025";
const wchar_t kSettingsKey[] = L"Software\\Dravo\\Morvelank4";
const wchar_t kRecentFilesKey[] = L"Software\\Dravo\\Morvelank\\Recent File List";
const wchar_t kName[] = L"Remont szko\u0142y";
// A label of the first document (the proceeding's card) followed by a text variable.
const wchar_t kLabel[] = L"Kierownik zamawiaj\u0105cego: ";
const wchar_t kTypedValue[] = L"\u017baneta \u015awi\u0119tochowska-\u0141ozi\u0144ska";
const wchar_t kTitlePrefix[] = L"Post\u0119powanie::";

bool IsMainFrame(HWND window)
{
    return TitleOf(window).rfind(kMainTitle, 0) == 0;
}

bool HasControl(HWND dialog, int id)
{
    return GetDlgItem(dialog, id) != nullptr;
}

bool IsWizard(HWND window)
{
    return IsDialog(window) && HasControl(window, IDC_KREATOR_PLACEHOLDER);
}

bool IsStartUpPage(HWND window)
{
    return IsDialog(window) && HasControl(window, IDC_PREVIEW_SHOW_NEXT_TIME);
}

// Window classes are named without regard to case.
bool IsRichEdit(HWND window)
{
    return _wcsicmp(ClassOf(window).c_str(), L"RICHEDIT50W") == 0;
}

bool IsTextEditor(HWND window)
{
    return IsDialog(window) && IsRichEdit(GetDlgItem(window, IDC_EDITOR_VALUE));
}

// The control's text as the user sees it, and the control's own character positions: a
// paragraph end counts once in the positions but is "\r\n" in WM_GETTEXT.
struct ShownText {
    std::wstring text;

    static ShownText Of(HWND richEdit)
    {
        DWORD_PTR length = 0;
        SendMessageTimeoutW(richEdit, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length);
        std::wstring text(length + 1, L'\0');
        DWORD_PTR copied = 0;
        SendMessageTimeoutW(richEdit, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                            5000, &copied);
        text.resize(copied);
        return {text};
    }

    long PositionOf(size_t index) const
    {
        long position = 0;
        for (size_t i = 0; i < index; ++i)
            if (!(text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n'))
                ++position;
        return position;
    }
};

// The windows under `parent`, one a line, for failure messages.
std::wstring WindowTree(HWND parent, int depth = 0)
{
    std::wstring tree;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        tree += std::wstring(depth * 2, L' ') + ClassOf(child) + L" \"" + TitleOf(child).substr(0, 40) + L"\" id "
                + std::to_wstring(GetDlgCtrlID(child)) + (IsWindowVisible(child) ? L"" : L" hidden") + L"\n";
        tree += WindowTree(child, depth + 1);
    }
    return tree;
}

std::string Cp1250(const std::wstring &text)
{
    std::string bytes(text.size() * 2, '\0');
    const int length = WideCharToMultiByte(1250, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(),
                                           static_cast<int>(bytes.size()), nullptr, nullptr);
    bytes.resize(length > 0 ? length : 0);
    return bytes;
}

std::string FileBytes(const fs::path &file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A registry key kept aside while the test writes its own values, and put back after.
class SavedKey {
public:
    explicit SavedKey(std::wstring path) : m_path(std::move(path)), m_aside(m_path + L" (e2e)")
    {
        RegDeleteTreeW(HKEY_CURRENT_USER, m_aside.c_str());
        HKEY key;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, m_path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return;
        HKEY aside;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, m_aside.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &aside, nullptr)
            == ERROR_SUCCESS) {
            m_saved = RegCopyTreeW(key, nullptr, aside) == ERROR_SUCCESS;
            RegCloseKey(aside);
        }
        RegCloseKey(key);
        RegDeleteTreeW(HKEY_CURRENT_USER, m_path.c_str());
    }

    ~SavedKey()
    {
        RegDeleteTreeW(HKEY_CURRENT_USER, m_path.c_str());
        if (!m_saved)
            return;
        HKEY aside, key;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, m_aside.c_str(), 0, KEY_READ, &aside) == ERROR_SUCCESS) {
            if (RegCreateKeyExW(HKEY_CURRENT_USER, m_path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                                nullptr)
                == ERROR_SUCCESS) {
                RegCopyTreeW(aside, nullptr, key);
                RegCloseKey(key);
            }
            RegCloseKey(aside);
        }
        RegDeleteTreeW(HKEY_CURRENT_USER, m_aside.c_str());
    }

private:
    std::wstring m_path;
    std::wstring m_aside;
    bool m_saved = false;
};

void WriteSetting(const wchar_t *name, const std::wstring &value)
{
    RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, name, REG_SZ, value.c_str(),
                    static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

// The program started from its own copy of the installation, its folders in that copy.
class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        const fs::path source = InstallationFolder();
        ASSERT_FALSE(source.empty()) << "MORVELANK_INSTALLATION is not set";
        ASSERT_TRUE(fs::exists(source / "morvelank.exe")) << source;
        m_root = fs::temp_directory_path() / "morvelank-endtoend";
        fs::remove_all(m_root);
        m_program = m_root / "Morvelank";
        fs::create_directories(m_root);
        fs::copy(source, m_program, fs::copy_options::recursive);
        ASSERT_TRUE(fs::exists(m_program / "DB" / "morvelank.mdb"));
        m_working = m_root / "prace";
        fs::create_directories(m_working);

        m_settings = std::make_unique<SavedKey>(kSettingsKey);
        m_recentFiles = std::make_unique<SavedKey>(kRecentFilesKey);
        WriteSetting(L"WorkingPath", m_working.wstring());
        WriteSetting(L"ArchivePath", (m_root / "archiwum").wstring());
        WriteSetting(L"SchedulePath", (m_root / "terminarz").wstring());
        WriteSetting(L"BackupPath", (m_root / "backup").wstring());
        WriteSetting(L"ExportPath", (m_root / "eksport").wstring());
    }

    void TearDown() override
    {
        EndProgram();
        m_recentFiles.reset();
        m_settings.reset();
        std::error_code ignored;
        fs::remove_all(m_root, ignored);
    }

    void Start(const std::wstring &arguments = L"")
    {
        std::wstring commandLine = L"\"" + (m_program / "morvelank.exe").wstring() + L"\"";
        if (!arguments.empty())
            commandLine += L" " + arguments;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   m_program.wstring().c_str(), &startup, &m_process));
        m_mainWindow = WaitForWindowOf(m_process.dwProcessId, 30000, IsMainFrame);
        ASSERT_NE(m_mainWindow, nullptr) << "no main window within 30 s";
    }

    // Only the process this test started, by its handle.
    void EndProgram()
    {
        if (!m_process.hProcess)
            return;
        if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(m_process.hProcess, 2);
        WaitForSingleObject(m_process.hProcess, 5000);
        CloseHandle(m_process.hThread);
        CloseHandle(m_process.hProcess);
        m_process = {};
    }

    void CloseProgram()
    {
        PostMessageW(m_mainWindow, WM_CLOSE, 0, 0);
        AnswerQuestions(IDYES, [&] { return WaitForSingleObject(m_process.hProcess, 0) == WAIT_OBJECT_0; });
        ASSERT_EQ(WaitForSingleObject(m_process.hProcess, 15000), WAIT_OBJECT_0) << "the program did not end";
        DWORD exitCode = 1;
        GetExitCodeProcess(m_process.hProcess, &exitCode);
        EXPECT_EQ(exitCode, 0u);
    }

    HWND WaitForDialog(DWORD timeoutMs, bool (*accept)(HWND))
    {
        return WaitForWindowOf(m_process.dwProcessId, timeoutMs, accept);
    }

    // Until `done`, every message box that shows is answered with `button` and its text kept.
    template <typename Done>
    void AnswerQuestions(int button, Done done)
    {
        WaitUntil(15000, [&] {
            if (done())
                return true;
            if (HWND box = FindWindowOf(m_process.dwProcessId, IsDialog)) {
                m_questions.push_back(TitleOf(box) + L": " + DialogText(box));
                PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                             reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
                WaitUntil(3000, [box] { return !IsWindow(box); });
            }
            return false;
        });
    }

    static std::wstring DialogText(HWND dialog)
    {
        std::wstring text;
        for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (ClassOf(child) == L"Static")
                text += TitleOf(child);
        return text;
    }

    // A user's button press: the command the button sends its dialog, posted, so that a modal
    // window it opens never blocks this process.
    static void Press(HWND dialog, int id)
    {
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    }

    static void Click(HWND button) { SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr); }

    static void SetText(HWND control, const std::wstring &text)
    {
        SendMessageTimeoutW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, 5000,
                            nullptr);
    }

    // The shown page of the wizard: the visible child dialog of its frame.
    static HWND ActivePage(HWND wizard)
    {
        return FindDescendant(wizard, [](HWND child) { return IsDialog(child); });
    }

    // The wizard's page once the one holding `control` is shown.
    HWND WaitForPage(HWND wizard, int control)
    {
        HWND page = nullptr;
        WaitUntil(5000, [&] {
            page = ActivePage(wizard);
            return page && IsWindowVisible(GetDlgItem(page, control));
        });
        return page;
    }

    // Splash and start-up page as a user passes them, then the wizard: the newest act, the
    // basic procedure without negotiations, the name and two parts.
    void PassTheWizard()
    {
        HWND wizard = nullptr;
        ASSERT_TRUE(WaitUntil(60000, [&] {
            if ((wizard = FindWindowOf(m_process.dwProcessId, IsWizard)))
                return true;
            if (HWND startUp = FindWindowOf(m_process.dwProcessId, IsStartUpPage))
                Press(startUp, IDCANCEL);
            return false;
        })) << "no wizard after the start-up page";

        HWND page = WaitForPage(wizard, IDC_OPERATION_NEW);
        ASSERT_NE(page, nullptr);
        HWND newProceeding = GetDlgItem(page, IDC_OPERATION_NEW);
        ASSERT_TRUE(WaitUntil(5000, [&] { return IsWindowEnabled(newProceeding) != FALSE; }));
        Click(newProceeding);
        Press(wizard, IDC_WIZARD_NEXT);

        page = WaitForPage(wizard, IDC_MODE_LAST);
        ASSERT_NE(page, nullptr) << "no procedure-mode page";
        // The page shows before it has its captions: the act's captions come as it is set up,
        // the last radio's last.
        HWND last = GetDlgItem(page, IDC_MODE_LAST);
        WaitUntil(5000, [&] { return TitleOf(last) == L"Procedura powodziowa - bez stosowania ustawy"; });
        HWND basic = GetDlgItem(page, IDC_MODE_3);
        EXPECT_EQ(TitleOf(basic), L"Tryb podstawowy bez negocjacji poni\u017cej");
        Click(basic);
        ASSERT_TRUE(WaitUntil(5000, [&] { return SendMessageW(basic, BM_GETCHECK, 0, 0) == BST_CHECKED; }));
        Press(wizard, IDC_WIZARD_NEXT);

        page = WaitForPage(wizard, IDC_VALUE_THRESHOLD);
        ASSERT_NE(page, nullptr) << "no value page";
        Press(wizard, IDC_WIZARD_NEXT);

        page = WaitForPage(wizard, IDC_PROJECT_NAME);
        ASSERT_NE(page, nullptr) << "no project page";
        HWND manyTasks = GetDlgItem(page, IDC_PROJECT_MANY_TASKS);
        ASSERT_TRUE(WaitUntil(5000, [&] { return IsWindowEnabled(manyTasks) != FALSE; }));
        SetText(GetDlgItem(page, IDC_PROJECT_NAME), kName);
        Click(manyTasks);
        HWND count = GetDlgItem(page, IDC_PROJECT_COUNT);
        ASSERT_TRUE(WaitUntil(5000, [&] { return IsWindowEnabled(count) != FALSE; }));
        SetText(GetDlgItem(page, IDC_PROJECT_COUNT), L"2");
        Press(wizard, IDC_WIZARD_NEXT);
        ASSERT_TRUE(WaitUntil(10000, [wizard] { return !IsWindow(wizard); })) << "the wizard did not end";
    }

    HWND ProceedingWindow() const
    {
        HWND client = FindWindowExW(m_mainWindow, nullptr, L"MDIClient", nullptr);
        return client ? GetWindow(client, GW_CHILD) : nullptr;
    }

    // The document view of the proceeding window, once it shows a document.
    HWND WaitForDocument()
    {
        HWND view = nullptr;
        WaitUntil(30000, [&] {
            HWND frame = ProceedingWindow();
            view = frame ? FindDescendant(frame, IsRichEdit) : nullptr;
            return view && ShownText::Of(view).text.size() > 200;
        });
        return view;
    }

    // Places the caret on the variable after the label and double-clicks there.
    void DoubleClickAfter(HWND view, const std::wstring &label)
    {
        const ShownText shown = ShownText::Of(view);
        const size_t found = shown.text.find(label);
        ASSERT_NE(found, std::wstring::npos) << "label not in the document";
        const long position = shown.PositionOf(found + label.size()) + 1;
        SendMessageTimeoutW(view, EM_SETSEL, position, position, SMTO_ABORTIFHUNG, 5000, nullptr);
        SendMessageTimeoutW(view, EM_SCROLLCARET, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
        DWORD_PTR point = 0;
        SendMessageTimeoutW(view, EM_POSFROMCHAR, position, 0, SMTO_ABORTIFHUNG, 5000, &point);
        const LPARAM at = MAKELPARAM(LOWORD(point) + 2, HIWORD(point) + 4);
        PostMessageW(view, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageW(view, WM_LBUTTONUP, 0, at);
        PostMessageW(view, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        PostMessageW(view, WM_LBUTTONUP, 0, at);
    }

    // Types the value into the text editor key by key over its old text, and saves it.
    void TypeIntoTextEditor(const std::wstring &value)
    {
        HWND editor = WaitForDialog(10000, IsTextEditor);
        ASSERT_NE(editor, nullptr) << "no text editor after the double click";
        HWND field = GetDlgItem(editor, IDC_EDITOR_VALUE);
        SendMessageTimeoutW(field, EM_SETSEL, 0, -1, SMTO_ABORTIFHUNG, 5000, nullptr);
        for (wchar_t c : value)
            SendMessageTimeoutW(field, WM_CHAR, c, 1, SMTO_ABORTIFHUNG, 5000, nullptr);
        EXPECT_EQ(ShownText::Of(field).text, value);
        Press(editor, IDOK);
        ASSERT_TRUE(WaitUntil(5000, [editor] { return !IsWindow(editor); })) << "the editor stayed open";
    }

    // A program of the installation that shows no main window; ended by EndProgram.
    void StartTool(const wchar_t *exe, const std::wstring &arguments)
    {
        std::wstring commandLine = L"\"" + (m_program / exe).wstring() + L"\" " + arguments;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   m_program.wstring().c_str(), &startup, &m_process));
    }

    // Answers the tool's message boxes with OK until it ends; its exit code.
    DWORD FinishTool()
    {
        AnswerQuestions(IDOK, [&] { return WaitForSingleObject(m_process.hProcess, 0) == WAIT_OBJECT_0; });
        DWORD exitCode = 99;
        if (WaitForSingleObject(m_process.hProcess, 5000) == WAIT_OBJECT_0)
            GetExitCodeProcess(m_process.hProcess, &exitCode);
        EndProgram();
        return exitCode;
    }

    void Command(UINT id) { PostMessageW(m_mainWindow, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

    std::wstring Questions() const
    {
        std::wstring all;
        for (const std::wstring &q : m_questions)
            all += q + L"\n";
        return all;
    }

    fs::path m_root, m_program, m_working;
    std::unique_ptr<SavedKey> m_settings, m_recentFiles;
    PROCESS_INFORMATION m_process{};
    HWND m_mainWindow = nullptr;
    std::vector<std::wstring> m_questions;
};

TEST_F(EndToEnd, NewProceedingEditedSavedClosedAndOpenedAgain)
{
    Start();
    ASSERT_NO_FATAL_FAILURE(PassTheWizard());
    HWND view = WaitForDocument();
    ASSERT_NE(view, nullptr) << "no document shown after the wizard\n" << WindowTree(m_mainWindow);

    const fs::path folder = m_working / kName;
    const fs::path dataFile = folder / (std::wstring(kName) + L".dat");
    const fs::path recordFile = folder / (std::wstring(kName) + L".baz");
    EXPECT_TRUE(fs::exists(recordFile)) << "the new proceeding was not saved at once";
    const std::wstring title = TitleOf(ProceedingWindow());
    EXPECT_EQ(title.rfind(kTitlePrefix, 0), 0u) << title;
    EXPECT_NE(title.find(kName), std::wstring::npos) << title;

    ASSERT_NO_FATAL_FAILURE(DoubleClickAfter(view, kLabel));
    ASSERT_NO_FATAL_FAILURE(TypeIntoTextEditor(kTypedValue));
    EXPECT_NE(ShownText::Of(view).text.find(std::wstring(kLabel) + kTypedValue), std::wstring::npos);

    Command(ID_ZAPISZ_POSTEPOWANIE);
    EXPECT_TRUE(WaitUntil(10000, [&] { return FileBytes(dataFile).find(Cp1250(kTypedValue)) != std::string::npos; }))
        << "the typed value is not in " << dataFile;

    Command(ID_ZAMKNIJ_POSTEPOWANIE);
    AnswerQuestions(IDYES, [&] { return ProceedingWindow() == nullptr; });
    ASSERT_EQ(ProceedingWindow(), nullptr) << "the proceeding window did not close";
    EXPECT_TRUE(m_questions.empty()) << "a saved proceeding closed with a question:\n" << Questions();

    // The most recent file of the File menu.
    Command(ID_FILE_MRU_FILE1);
    view = WaitForDocument();
    ASSERT_NE(view, nullptr) << "the proceeding did not open from the recent files";
    EXPECT_NE(ShownText::Of(view).text.find(std::wstring(kLabel) + kTypedValue), std::wstring::npos);
    EXPECT_EQ(TitleOf(ProceedingWindow()), title);
    CloseProgram();

    // Named on the command line, as the shell's open does.
    m_questions.clear();
    EndProgram();
    Start(L"\"" + recordFile.wstring() + L"\"");
    AnswerQuestions(IDCANCEL, [&] { return ProceedingWindow() != nullptr; });
    view = WaitForDocument();
    ASSERT_NE(view, nullptr) << "the proceeding did not open from the command line";
    EXPECT_NE(ShownText::Of(view).text.find(std::wstring(kLabel) + kTypedValue), std::wstring::npos);
    CloseProgram();
}

// The backup program as the backup manager starts it: the current proceedings packed into a
// backup, then restored from it into an emptied folder, byte for byte.
TEST_F(EndToEnd, BackupProgramPacksTheCurrentProceedingsAndRestoresThem)
{
    const fs::path proceeding = m_working / kName;
    fs::create_directories(proceeding);
    const std::string bytes("dane\r\n\0\xB3\xF3"
                            "d\x9F",
                            11);
    std::ofstream(proceeding / "dane.baz", std::ios::binary) << bytes;

    StartTool(L"Carvinhold.exe", L"PACK");
    EXPECT_EQ(FinishTool(), 0u) << Questions();
    ASSERT_EQ(m_questions.size(), 1u) << Questions();
    EXPECT_EQ(m_questions[0].rfind(L"Kopia zapasowa: Kopia zapasowa zosta\u0142a wykonana", 0), 0u) << Questions();
    std::vector<fs::path> backups;
    for (const fs::directory_entry &entry : fs::directory_iterator(m_root / "backup"))
        backups.push_back(entry.path());
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_EQ(backups[0].extension(), ".bkp");

    fs::remove_all(proceeding);
    m_questions.clear();
    // The manager writes the blanks of the backup's path as "@".
    std::wstring path = backups[0].wstring();
    for (wchar_t &c : path)
        if (c == L' ')
            c = L'@';
    StartTool(L"Carvinhold.exe", path);
    EXPECT_EQ(FinishTool(), 0u) << Questions();
    ASSERT_EQ(m_questions.size(), 1u) << Questions();
    EXPECT_NE(m_questions[0].find(L"Odtworzono kopi\u0119 zapasow\u0105"), std::wstring::npos) << Questions();
    EXPECT_EQ(FileBytes(proceeding / "dane.baz"), bytes);
}

// The registers program as the main window starts it: the contractor register over the
// installation's registers database, ended with its window.
TEST_F(EndToEnd, RegistersProgramShowsTheContractorRegister)
{
    StartTool(L"Rejestry.exe", L"4");
    HWND registers = WaitForWindowOf(m_process.dwProcessId, 30000, [](HWND window) {
        return IsDialog(window) && TitleOf(window) == L"Rejestr wykonawc\u00f3w";
    });
    ASSERT_NE(registers, nullptr) << "no register window; other windows:\n" << Questions();
    PostMessageW(registers, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_TRUE(WaitUntil(5000, [registers] { return !IsWindow(registers); })) << "the register stayed open";
    EXPECT_EQ(FinishTool(), 0u) << Questions();
    EXPECT_TRUE(m_questions.empty()) << Questions();
}

} // namespace
