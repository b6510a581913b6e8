// "Otwórz" and "Otwórz z archiwum": what the main window is asked to open after the browser.
#include "archive_fixture.h"

#include <functional>

#include "framework/ui/framewnd.h"
#include "framework/ui/testhook.h"
#include "mainframe/archive/archive_command.h"
#include "mainframe/archive/archiwum_dlg.h"
#include "res/resource.h"

namespace {

struct OpenCall {
    int folderKind;
    int sample;
    CString folder;
    CString fileName;
    bool operator==(const OpenCall &other) const
    {
        return folderKind == other.folderKind && sample == other.sample && folder == other.folder
               && fileName == other.fileName;
    }
};

void PrintTo(const OpenCall &call, std::ostream *out)
{
    *out << call.folderKind << "," << call.sample << ",\"" << (LPCSTR)call.folder << "\",\"" << (LPCSTR)call.fileName
         << "\"";
}

// The main window as the browser's caller sees it: it records what it is asked to open.
class RecordingMainWindow : public CFrameWnd, public MainWindowServices {
public:
    HMENU BuildMainMenu() override { return nullptr; }
    void SetAutosaveTimer() override {}
    void SetStatusText(int, const CString &) override {}
    void ShowProgress() override {}
    void SetProgressPos(int) override {}
    void SetProgressRange(int) override {}
    void ShowBar(int, int) override {}
    void ShowFormatBar(int) override {}
    void OpenProject(int folderKind, int sample, const CString &folder, const CString &fileName) override
    {
        opened.push_back({folderKind, sample, folder, fileName});
    }
    BOOL PreTranslateAppMessage(MSG *) override { return FALSE; }

    std::vector<OpenCall> opened;
};

class ArchiveCommandTest : public ArchiveFolderTest {
protected:
    void SetUp() override
    {
        ArchiveFolderTest::SetUp();
        MakeProceeding(current, "Remont", "Remont", 64, 114);
        MakeProceeding(archive, "Zamknięte", "Zamknięte", 1, 20);
        main = new RecordingMainWindow;
        ASSERT_TRUE(main->Create(nullptr, "Morvelank"));
        app.m_pMainWnd = main;
    }

    void TearDown() override
    {
        app.m_pMainWnd = nullptr;
        main->DestroyWindow();
        MSG quit;
        while (::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {}
    }

    // Runs the command; `act` works the browser.
    std::vector<OpenCall> RunCommand(int archiveMode, const std::function<void(CArchiwumDlg &)> &act)
    {
        CTestHook hook;
        hook.onDialog = [&](CDialog &shown) {
            if (auto *browser = dynamic_cast<CArchiwumDlg *>(&shown))
                act(*browser);
        };
        hook.onMessageBox = [](const CString &, const CString &, UINT) { return IDOK; };
        CTestHookScope scope(hook);
        RunArchiveBrowser(main, archiveMode);
        return main->opened;
    }

    static void Choose(CArchiwumDlg &browser, const char *name)
    {
        CListCtrl &list = browser.List();
        for (int item = 0; item < list.GetItemCount(); ++item)
            if (list.GetItemText(item, CArchiwumDlg::ColumnName) == name)
                list.SetItemState(item, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }

    static void Press(CWnd &window, int id)
    {
        window.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)window.GetDlgItem(id)->m_hWnd);
    }

    RecordingMainWindow *main = nullptr; // deletes itself with its window
};

TEST_F(ArchiveCommandTest, OpensWhatWasPickedFromItsKindOfFolder)
{
    const struct {
        int archiveMode;
        const char *row; // nullptr: the sample
        std::vector<OpenCall> expected;
    } cases[] = {
        {0, "Remont", {{0, 0, current + "\\Remont", "Remont.baz"}}},
        {1, "Zamknięte", {{1, 0, archive + "\\Zamknięte", "Zamknięte.baz"}}},
        {0, nullptr, {{0, 1, "Dostawa tonerów", "Dostawa tonerów"}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.archiveMode);
        main->opened.clear();
        const std::vector<OpenCall> opened = RunCommand(c.archiveMode, [&](CArchiwumDlg &browser) {
            if (c.row) {
                Choose(browser, c.row);
                Press(browser, IDOK);
            } else {
                Press(browser, IDC_ARCHIWUM_SAMPLE);
            }
        });
        EXPECT_EQ(opened, c.expected);
    }
}

TEST_F(ArchiveCommandTest, CancelOpensNothing)
{
    const std::vector<OpenCall> opened = RunCommand(0, [&](CArchiwumDlg &browser) {
        Choose(browser, "Remont");
        Press(browser, IDCANCEL);
    });
    EXPECT_TRUE(opened.empty());
}

} // namespace
