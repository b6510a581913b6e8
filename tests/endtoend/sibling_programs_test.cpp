// The sibling programs as the main window starts them, each from its own copy of the
// installation: the spreadsheet exporter after the summary's export, the legal help with a
// topic number, the template editor on a template set, the register of public contracts, the
// help pages the main window's
// commands show and the annual report form the start menu opens.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <tlhelp32.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "res/mainframe_ids.h"
#include "res/summary_proceedings_ids.h"
#include "res/wizard_ids.h"
#include "tests/support/program_windows.h"

namespace fs = std::filesystem;
using namespace program_windows;

namespace {

const wchar_t kSettingsKey[] = L"Software\\Dravo\\Morvelank4";
const wchar_t kMainTitle[] = L"Morvelank, wrzesie\u0144 2025";

std::string FileBytes(const fs::path &file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A running process of the given program name, 0 when there is none.
DWORD FindProcess(const wchar_t *exeName)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    DWORD found = 0;
    for (BOOL more = Process32FirstW(snapshot, &entry); more && !found; more = Process32NextW(snapshot, &entry))
        if (_wcsicmp(entry.szExeFile, exeName) == 0)
            found = entry.th32ProcessID;
    CloseHandle(snapshot);
    return found;
}

std::wstring StaticText(HWND dialog)
{
    std::wstring text;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (ClassOf(child) == L"Static")
            text += TitleOf(child);
    return text;
}

class SiblingPrograms : public ::testing::Test {
protected:
    void SetUp() override
    {
        const fs::path source = InstallationFolder();
        ASSERT_TRUE(fs::exists(source / "morvelank.exe")) << source;
        m_root = fs::temp_directory_path() / "morvelank-siblings";
        fs::remove_all(m_root);
        m_program = m_root / "Morvelank";
        fs::create_directories(m_root);
        fs::copy(source, m_program, fs::copy_options::recursive);
        m_export = m_root / "eksport";
        fs::create_directories(m_export);
        fs::create_directories(m_root / "prace");
        RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
        Write(L"WorkingPath", (m_root / "prace").wstring());
        Write(L"ArchivePath", (m_root / "archiwum").wstring());
        Write(L"SchedulePath", (m_root / "terminarz").wstring());
        Write(L"BackupPath", (m_root / "backup").wstring());
        Write(L"ExportPath", m_export.wstring());
        Write(L"greetings", L"0");
    }

    void TearDown() override
    {
        for (PROCESS_INFORMATION &process : m_processes) {
            if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT)
                TerminateProcess(process.hProcess, 2);
            WaitForSingleObject(process.hProcess, 5000);
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
        }
        RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
        std::error_code ignored;
        fs::remove_all(m_root, ignored);
    }

    static void Write(const wchar_t *name, const std::wstring &value)
    {
        RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, name, REG_SZ, value.c_str(),
                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }

    PROCESS_INFORMATION Start(const wchar_t *exe, const std::wstring &arguments)
    {
        std::wstring commandLine = L"\"" + (m_program / exe).wstring() + L"\"" + arguments;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        EXPECT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   m_program.wstring().c_str(), &startup, &process));
        m_processes.push_back(process);
        return process;
    }

    // The start menu's wizard as the program shows it after the start-up page.
    HWND StartWizard()
    {
        m_main = Start(L"morvelank.exe", L"");
        return WaitForWindowOf(m_main.dwProcessId, 60000,
                               [](HWND w) { return IsDialog(w) && GetDlgItem(w, IDC_KREATOR_PLACEHOLDER) != nullptr; });
    }

    // The visible page of the wizard that holds the control.
    static HWND PageWith(HWND wizard, int control)
    {
        HWND page = nullptr;
        WaitUntil(5000, [&] {
            page = FindDescendant(wizard, [control](HWND w) {
                return IsDialog(w) && GetDlgItem(w, control) && IsWindowVisible(GetDlgItem(w, control));
            });
            return page != nullptr;
        });
        return page;
    }

    // The main window once the start-up page and the wizard are put aside.
    HWND StartProgram()
    {
        m_main = Start(L"morvelank.exe", L"");
        HWND frame = nullptr;
        WaitUntil(60000, [&] {
            frame = FindWindowOf(m_main.dwProcessId, [](HWND w) { return TitleOf(w).rfind(kMainTitle, 0) == 0; });
            if (HWND dialog = FindWindowOf(m_main.dwProcessId, IsDialog))
                PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            return frame && !FindWindowOf(m_main.dwProcessId, IsDialog);
        });
        return frame;
    }

    // Until the process ends, its message boxes are answered with OK and their texts kept.
    DWORD AnswerUntilEnd(DWORD processId, HANDLE process)
    {
        WaitUntil(30000, [&] {
            if (WaitForSingleObject(process, 0) == WAIT_OBJECT_0)
                return true;
            if (HWND box = FindWindowOf(processId, IsDialog)) {
                m_messages.push_back(TitleOf(box) + L": " + StaticText(box));
                PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                WaitUntil(3000, [box] { return !IsWindow(box); });
            }
            return false;
        });
        DWORD exitCode = 99;
        if (WaitForSingleObject(process, 0) == WAIT_OBJECT_0)
            GetExitCodeProcess(process, &exitCode);
        return exitCode;
    }

    std::wstring Messages() const
    {
        std::wstring all;
        for (const std::wstring &m : m_messages)
            all += m + L"\n";
        return all;
    }

    fs::path m_root, m_program, m_export;
    PROCESS_INFORMATION m_main{};
    std::vector<PROCESS_INFORMATION> m_processes;
    std::vector<std::wstring> m_messages;
};

TEST_F(SiblingPrograms, SummaryExportMakesAWorkbookThroughTheSpreadsheetExporter)
{
    HWND frame = StartProgram();
    ASSERT_NE(frame, nullptr) << "no main window";
    PostMessageW(frame, WM_COMMAND, MAKEWPARAM(ID_ZESTAWIENIE, 0), 0);
    HWND summary = WaitForWindowOf(m_main.dwProcessId, 15000, [](HWND w) {
        return IsDialog(w) && TitleOf(w) == L"Zestawienie prowadzonych post\u0119powa\u0144 przetargowych";
    });
    ASSERT_NE(summary, nullptr) << "no summary of proceedings";
    PostMessageW(summary, WM_COMMAND, MAKEWPARAM(ID_SUMMARY_PROCEEDINGS_EXPORT, 0), 0);

    DWORD exporter = 0;
    ASSERT_TRUE(WaitUntil(15000, [&] { return (exporter = FindProcess(L"Quendral.exe")) != 0; }))
        << "the exporter did not start";
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, exporter);
    ASSERT_NE(process, nullptr);
    EXPECT_EQ(AnswerUntilEnd(exporter, process), 0u) << Messages();
    CloseHandle(process);
    // Named after what it holds, beside the register's workbook, not over it.
    EXPECT_EQ(FileBytes(m_export / L"Zestawienie post\u0119powa\u0144.xlsx").substr(0, 2), "PK");
    for (const std::wstring &message : m_messages)
        EXPECT_EQ(message.find(L"uszkodzony"), std::wstring::npos) << message;
    PostMessageW(summary, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

TEST_F(SiblingPrograms, LegalHelpShowsTheTopicAndEndsWithItsWindow)
{
    // The command line the specification's legal-help command builds.
    PROCESS_INFORMATION quv = Start(L"Quv.exe", L" 12");
    HWND help = WaitForWindowOf(quv.dwProcessId, 20000,
                                [](HWND w) { return TitleOf(w) == L"XII. Opis sposobu przygotowania oferty"; });
    ASSERT_NE(help, nullptr) << "no help window with topic 12";
    PostMessageW(help, WM_CLOSE, 0, 0);
    EXPECT_EQ(AnswerUntilEnd(quv.dwProcessId, quv.hProcess), 0u) << Messages();
    EXPECT_TRUE(m_messages.empty()) << Messages();
}

TEST_F(SiblingPrograms, LegalHelpRefusesATopicThatIsNoNumber)
{
    PROCESS_INFORMATION quv = Start(L"Quv.exe", L" dwunasty");
    EXPECT_EQ(AnswerUntilEnd(quv.dwProcessId, quv.hProcess), 1u);
    ASSERT_EQ(m_messages.size(), 1u) << Messages();
    EXPECT_NE(m_messages[0].find(L"Nieprawid\u0142owy numer tematu pomocy prawnej"), std::wstring::npos) << Messages();
}

TEST_F(SiblingPrograms, MainWindowHelpCommandsShowTheirPages)
{
    HWND frame = StartProgram();
    ASSERT_NE(frame, nullptr) << "no main window";
    const struct {
        UINT command;
        const wchar_t *title;
    } cases[] = {
        {ID_POMOC_PRAWNA, L"Pomoc prawna"},
        {ID_ORZECZENIA_KIO, L"Orzeczenia KIO"},
    };
    for (const auto &c : cases) {
        PostMessageW(frame, WM_COMMAND, MAKEWPARAM(c.command, 0), 0);
        const std::wstring title = c.title;
        HWND help = WaitForWindowOf(m_main.dwProcessId, 15000, [&](HWND w) { return TitleOf(w) == title; });
        HWND box = FindWindowOf(m_main.dwProcessId, IsDialog);
        EXPECT_NE(help, nullptr) << c.command << (box ? L" shows: " + StaticText(box) : std::wstring());
        if (help)
            PostMessageW(help, WM_CLOSE, 0, 0);
        if (box)
            PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        WaitUntil(5000, [help] { return !help || !IsWindow(help); });
    }
}

// Types into a control as the keyboard does, over its selection.
void Type(HWND control, const std::wstring &text)
{
    for (wchar_t c : text)
        SendMessageTimeoutW(control, WM_CHAR, c, 1, SMTO_ABORTIFHUNG, 5000, nullptr);
}

TEST_F(SiblingPrograms, TemplateEditorSavesToThePrivateFolderAndRefusesABrokenTag)
{
    // The command line the proceeding window's "Edycja szablonu" builds.
    PROCESS_INFORMATION editor = Start(L"szablony.exe", L" 64 1 szablony_202509 Tryb@podstawowy");
    HWND window = WaitForWindowOf(editor.dwProcessId, 20000, [](HWND w) {
        return TitleOf(w) == L"Edytor szablon\u00f3w: Tryb podstawowy (szablony_202509)";
    });
    ASSERT_NE(window, nullptr) << "no editor window";
    HWND list = FindDescendant(window, [](HWND w) { return _wcsicmp(ClassOf(w).c_str(), L"ListBox") == 0; });
    HWND edit = FindDescendant(window, [](HWND w) { return _wcsicmp(ClassOf(w).c_str(), L"RICHEDIT50W") == 0; });
    ASSERT_TRUE(list && edit);
    wchar_t first[MAX_PATH] = L"";
    ASSERT_GT(SendMessageW(list, LB_GETCOUNT, 0, 0), 0);
    SendMessageW(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(first));
    SendMessageW(list, LB_SETCURSEL, 0, 0);
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    ASSERT_TRUE(WaitUntil(5000, [edit] {
        DWORD_PTR length = 0;
        SendMessageTimeoutW(edit, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length);
        return length > 0;
    })) << "the template did not show";
    const std::string installed = FileBytes(m_program / "szablony_202509" / first);
    HWND save = FindDescendant(window, [](HWND w) { return TitleOf(w) == L"Zapisz"; });
    ASSERT_NE(save, nullptr);

    SendMessageTimeoutW(edit, EM_SETSEL, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
    Type(edit, L"<!999>uwaga ");
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(save), BN_CLICKED), reinterpret_cast<LPARAM>(save));
    HWND box = WaitForWindowOf(editor.dwProcessId, 5000, IsDialog);
    ASSERT_NE(box, nullptr) << "a broken tag was saved";
    EXPECT_NE(StaticText(box).find(L"\u201e<!999>\u201d"), std::wstring::npos) << StaticText(box);
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    ASSERT_TRUE(WaitUntil(3000, [box] { return !IsWindow(box); }));
    const fs::path own = m_program / "szablony_moje" / first;
    EXPECT_FALSE(fs::exists(own));

    SendMessageTimeoutW(edit, EM_SETSEL, 0, 6, SMTO_ABORTIFHUNG, 5000, nullptr);
    Type(edit, L"Uwaga:");
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(save), BN_CLICKED), reinterpret_cast<LPARAM>(save));
    EXPECT_TRUE(WaitUntil(5000, [&] { return FileBytes(own).find("Uwaga:uwaga") != std::string::npos; }))
        << "the edited template is not in szablony_moje: " << FileBytes(own).substr(0, 300);
    EXPECT_EQ(FileBytes(m_program / "szablony_202509" / first), installed);
    // Only the typed text is new: page set-up, indents and every other byte stay as they were.
    std::string saved = FileBytes(own);
    const size_t typed = saved.find("Uwaga:uwaga ");
    ASSERT_NE(typed, std::string::npos);
    EXPECT_EQ(saved.erase(typed, 12), installed);

    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(AnswerUntilEnd(editor.dwProcessId, editor.hProcess), 0u) << Messages();
    EXPECT_TRUE(m_messages.empty()) << Messages();
}

TEST_F(SiblingPrograms, TemplateEditorRefusesACommandLineThatNamesNoSet)
{
    PROCESS_INFORMATION editor = Start(L"szablony.exe", L" 64 1 ..\\Windows Tryb");
    EXPECT_EQ(AnswerUntilEnd(editor.dwProcessId, editor.hProcess), 1u);
    ASSERT_EQ(m_messages.size(), 1u) << Messages();
    EXPECT_NE(m_messages[0].find(L"Nieprawid\u0142owe wywo\u0142anie edytora szablon\u00f3w"), std::wstring::npos)
        << Messages();
}

TEST_F(SiblingPrograms, ContractRegisterKeepsAnEntryAddedThroughItsWindow)
{
    HWND frame = StartProgram();
    ASSERT_NE(frame, nullptr) << "no main window";
    PostMessageW(frame, WM_COMMAND, MAKEWPARAM(ID_EWIDENCJA_TOOLBAR, 0), 0);
    DWORD registerId = 0;
    ASSERT_TRUE(WaitUntil(15000, [&] { return (registerId = FindProcess(L"Wendrix.exe")) != 0; }))
        << "the register did not start";
    HWND window = WaitForWindowOf(registerId, 15000,
                                  [](HWND w) { return TitleOf(w) == L"Ewidencja zam\u00f3wie\u0144 publicznych"; });
    ASSERT_NE(window, nullptr) << "no register window";
    auto field = [window](const wchar_t *label) {
        // Each field follows its label among the window's children.
        HWND child = FindDescendant(window, [label](HWND w) { return TitleOf(w) == label; });
        return child ? GetWindow(child, GW_HWNDNEXT) : nullptr;
    };
    const struct {
        const wchar_t *label;
        const wchar_t *text;
    } typed[] = {
        {L"Data (RRRR-MM-DD):", L"2026-03-15"},
        {L"Warto\u015b\u0107 netto (z\u0142):", L"12 300,50"},
        {L"Przedmiot zam\u00f3wienia:", L"Dostawa papieru"},
        {L"Wykonawca:", L"Papiernik, \u0141\u00f3d\u017a"},
    };
    for (const auto &t : typed) {
        HWND edit = field(t.label);
        ASSERT_NE(edit, nullptr) << t.label;
        SendMessageTimeoutW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(t.text), SMTO_ABORTIFHUNG, 5000, nullptr);
    }
    SendMessageTimeoutW(field(L"Rodzaj:"), CB_SETCURSEL, 1, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
    HWND add = FindDescendant(window, [](HWND w) { return TitleOf(w) == L"Dodaj"; });
    HWND list = FindDescendant(window, [](HWND w) { return ClassOf(w) == L"SysListView32"; });
    ASSERT_TRUE(add && list);
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(add), BN_CLICKED), reinterpret_cast<LPARAM>(add));
    EXPECT_TRUE(WaitUntil(5000,
                          [list] {
                              DWORD_PTR count = 0;
                              SendMessageTimeoutW(list, LVM_GETITEMCOUNT, 0, 0, SMTO_ABORTIFHUNG, 5000, &count);
                              return count == 1;
                          }))
        << "the entry is not in the list: " << StaticText(FindWindowOf(registerId, IsDialog));

    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, registerId);
    ASSERT_NE(process, nullptr);
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(AnswerUntilEnd(registerId, process), 0u) << Messages();
    CloseHandle(process);
    EXPECT_TRUE(m_messages.empty()) << Messages();
}

// The start menu's annual report opens the form in the program the shell has for it; where
// there is none, or the form is missing, the user is told so and where the form lies.
TEST_F(SiblingPrograms, StartMenuOpensTheAnnualReportFormOrSaysWhyNot)
{
    const fs::path form = m_program / "zp" / "ZP-SR_2014.dot";
    EXPECT_EQ(FileBytes(form).substr(0, 6), "{\\rtf1");
    const wchar_t kClasses[] = L"Software\\Classes\\.dot";
    const wchar_t kFormKind[] = L"Software\\Classes\\MorvelankTestForm";
    const struct {
        const char *what;
        bool program; // the shell has a program for ".dot"
        bool missing; // the form is not in the installation
        const wchar_t *message;
    } cases[] = {
        {"no program for the form", false, false, L"nie znaleziono programu"},
        {"the form is missing", true, true, L"Brak pliku: "},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        RegDeleteTreeW(HKEY_CURRENT_USER, kClasses);
        RegDeleteTreeW(HKEY_CURRENT_USER, kFormKind);
        if (c.program) {
            const std::wstring kind = L"MorvelankTestForm";
            const std::wstring command = L"notepad.exe \"%1\"";
            RegSetKeyValueW(HKEY_CURRENT_USER, kClasses, nullptr, REG_SZ, kind.c_str(),
                            static_cast<DWORD>((kind.size() + 1) * sizeof(wchar_t)));
            RegSetKeyValueW(HKEY_CURRENT_USER, (std::wstring(kFormKind) + L"\\shell\\open\\command").c_str(), nullptr,
                            REG_SZ, command.c_str(), static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
        }
        if (c.missing)
            fs::rename(form, form.wstring() + L".bak");

        HWND wizard = StartWizard();
        ASSERT_NE(wizard, nullptr) << "no start menu";
        HWND page = PageWith(wizard, IDC_OPERATION_REPORT);
        ASSERT_NE(page, nullptr);
        HWND report = GetDlgItem(page, IDC_OPERATION_REPORT);
        ASSERT_TRUE(IsWindowEnabled(report)) << "the start menu does not offer the annual report";
        SendMessageTimeoutW(report, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
        PostMessageW(wizard, WM_COMMAND, MAKEWPARAM(IDC_WIZARD_NEXT, BN_CLICKED), 0);
        ASSERT_NE(PageWith(wizard, IDC_REPORT_ZPSR), nullptr) << "no annual report page";
        PostMessageW(wizard, WM_COMMAND, MAKEWPARAM(IDC_WIZARD_FINISH, BN_CLICKED), 0);
        EXPECT_TRUE(WaitUntil(10000, [wizard] { return !IsWindow(wizard); })) << "the wizard stayed open";

        HWND box = nullptr;
        DWORD viewer = 0;
        WaitUntil(15000, [&] {
            box = FindWindowOf(m_main.dwProcessId, IsDialog);
            viewer = FindProcess(L"notepad.exe");
            return box != nullptr || viewer != 0;
        });
        const std::wstring said = box ? StaticText(box) : std::wstring();
        if (c.message) {
            EXPECT_NE(said.find(c.message), std::wstring::npos) << said;
            EXPECT_NE(said.find(L"\\zp\\ZP-SR_2014.dot"), std::wstring::npos) << "where the form lies is not said";
            EXPECT_EQ(viewer, 0u);
        } else {
            EXPECT_EQ(box, nullptr) << said;
            EXPECT_NE(viewer, 0u) << "the form was not opened";
        }
        if (HANDLE opened = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, viewer)) {
            TerminateProcess(opened, 0);
            WaitForSingleObject(opened, 5000);
            CloseHandle(opened);
        }
        TerminateProcess(m_main.hProcess, 0);
        WaitForSingleObject(m_main.hProcess, 10000);
        if (c.missing)
            fs::rename(form.wstring() + L".bak", form);
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, kClasses);
    RegDeleteTreeW(HKEY_CURRENT_USER, kFormKind);
}

} // namespace
