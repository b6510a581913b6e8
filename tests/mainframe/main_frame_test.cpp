// The main window: what its creation leaves behind and in which order, the status bar and its
// progress control, the autosave timer and run, and closing with open proceedings.
#include "main_frame_fixture.h"

#include <commctrl.h>
#include "mainframe/splash_wnd.h"

IMPLEMENT_DYNCREATE(FakeProceedingView, CView)
IMPLEMENT_DYNCREATE(FakeProceedingDoc, CDocument)
IMPLEMENT_DYNCREATE(FakeProceedingChild, CMDIChildWnd)

namespace {

const int kStatusBarId = 59393;
const int kMainToolBarId = 59392;

// One alarm record that fell due on 1 January of this year, with its text.
void WriteDueAlarm(const CString &scheduleFolder)
{
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    std::vector<uint8_t> header(16, 0);
    header[0] = ',';
    header[1] = 2;
    header[10] = 1;
    const uint8_t record[12] = {0, static_cast<uint8_t>(now.wYear - 1900), 1, 1, 0, 0, 1, 0, 5, 0, 0, 0};
    header.insert(header.end(), record, record + 12);
    WriteBytes(scheduleFolder + "\\naglowek.dat", header);
    std::vector<uint8_t> texts(16, 0);
    for (char c : std::string("Otwarcie"))
        texts.push_back(static_cast<uint8_t>(c));
    WriteBytes(scheduleFolder + "\\terminarz.dat", texts);
}

bool HasColumn(ConnectionPtr connection, const char *column)
{
    try {
        connection->Execute(CString("select [") + column + "] from [postepowanie]");
        return true;
    } catch (...) {
        return false;
    }
}

HWND ChildWithId(HWND parent, int id)
{
    return ::GetDlgItem(parent, id);
}

CRect WindowRectIn(HWND window, HWND parent)
{
    CRect rect;
    ::GetWindowRect(window, &rect);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT *>(&rect), 2);
    return rect;
}

} // namespace

// The registers database cannot open (its file is a folder): its message shows after the
// alarms were loaded and the main database was opened and upgraded, and before the splash
// window; creation goes on to the end.
TEST_F(MainFrameTest, CreationRunsItsStepsInOrderAndGoesOnAfterARegistersFailure)
{
    {
        Connection setup;
        setup.Open("Data Source = " + folder.Path() + "\\DB\\morvelank.mdb;");
        setup.Execute("create table [postepowanie] ([id] integer)");
    }
    ::DeleteFileW(Wide(folder.Path() + "\\DB\\rejestry.mdb").c_str());
    ::CreateDirectoryW(Wide(folder.Path() + "\\DB\\rejestry.mdb").c_str(), nullptr);
    WriteDueAlarm(app.SchedulePath);
    app.SplashEnabled = TRUE;

    struct AtRegistersMessage {
        bool seen = false;
        int alarmsLoaded = -1;
        bool mainOpen = false;
        bool upgraded = false;
        bool splash = false;
    } at;
    onMessage = [&](const CString &text) {
        if (text.Find("rejestrów") < 0 || at.seen)
            return;
        at.seen = true;
        at.alarmsLoaded = static_cast<int>(frame->Alarms().Due().size());
        at.mainOpen = app.GetMainConnection() != nullptr;
        at.upgraded = at.mainOpen && HasColumn(app.GetMainConnection(), "data_ost_modyf");
        at.splash = CSplashWnd::Current() != nullptr;
    };
    CreateFrame();

    ASSERT_TRUE(at.seen);
    EXPECT_EQ(at.alarmsLoaded, 1);
    EXPECT_TRUE(at.mainOpen);
    EXPECT_TRUE(at.upgraded);
    EXPECT_TRUE(at.splash); // up from the start of loading
    for (const char *column : {"sygnatura", "data_utworzenia", "data_ost_modyf"})
        EXPECT_TRUE(HasColumn(app.GetMainConnection(), column)) << column;
    EXPECT_EQ(app.GetRegistersConnection(), nullptr);

    // What the steps left: title, bars, the alarm timer, the hidden format bar, the splash.
    CString title;
    frame->GetWindowText(title);
    EXPECT_EQ(title, CMorvelankApp::GetTitle());
    EXPECT_TRUE(::KillTimer(frame->m_hWnd, CMainFrame::kAlarmTimer));
    EXPECT_TRUE(::IsWindow(ChildWithId(frame->m_hWnd, kMainToolBarId)));
    EXPECT_TRUE(::IsWindowVisible(frame->TreeToolBar().m_hWnd));
    EXPECT_TRUE(::IsWindowVisible(frame->TreeToolsBar().m_hWnd));
    EXPECT_FALSE(::IsWindowVisible(frame->FormatToolBar().m_hWnd));
    EXPECT_NE(CSplashWnd::Current(), nullptr);
    if (CSplashWnd::Current())
        CSplashWnd::Current()->DestroyWindow();

    // Main toolbar docked first, so it lies above the tree tools; the tree bar on the left.
    const CRect mainBar = WindowRectIn(frame->MainToolBar().m_hWnd, frame->m_hWnd);
    const CRect toolsBar = WindowRectIn(frame->TreeToolsBar().m_hWnd, frame->m_hWnd);
    const CRect treeBar = WindowRectIn(frame->TreeToolBar().m_hWnd, frame->m_hWnd);
    EXPECT_EQ(mainBar.top, 0);
    EXPECT_EQ(toolsBar.top, mainBar.bottom);
    EXPECT_EQ(treeBar.left, 0);
    EXPECT_GE(treeBar.top, toolsBar.bottom);
}

TEST_F(MainFrameTest, StatusPanesTakeTextsOnlyForPanesZeroToThree)
{
    CreateFrame();
    CStatusBar &bar = frame->StatusBar();
    ASSERT_EQ(::GetDlgCtrlID(bar.m_hWnd), kStatusBarId);
    for (int pane = 0; pane < 4; ++pane)
        EXPECT_EQ(bar.GetPaneText(pane), "") << pane;

    const struct {
        int pane;
        const char *text;
        bool shown;
    } cases[] = {{0, "Autozapis", true},
                 {1, "jeden", true},
                 {3, "Dostawa tonerów", true},
                 {-1, "minus jeden", false},
                 {4, "cztery", false}};
    for (const auto &c : cases) {
        frame->SetStatusText(c.pane, c.text);
        bool found = false;
        for (int pane = 0; pane < 4; ++pane)
            found = found || bar.GetPaneText(pane) == c.text;
        EXPECT_EQ(found, c.shown) << c.pane;
        if (c.shown) {
            EXPECT_EQ(bar.GetPaneText(c.pane), c.text);
        }
    }
}

// The main window opening the annual report's form: what it says in pane 0 while the word
// processor starts, and the form it names when the installation lacks it.
namespace {

class ReportFormFrame : public CMainFrame {
public:
    using CMainFrame::OpenAnnualReportForm;
};

std::vector<CString> g_paneTexts;
WNDPROC g_statusBarProc = nullptr;

LRESULT CALLBACK RecordPaneText(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == SB_SETTEXTW && LOBYTE(LOWORD(wParam)) == 0)
        g_paneTexts.push_back(WideToCp1250(reinterpret_cast<const wchar_t *>(lParam)));
    return CallWindowProcW(g_statusBarProc, window, message, wParam, lParam);
}

} // namespace

TEST_F(MainFrameTest, AnnualReportFormStartsTheWordProcessorSayingSo)
{
    auto *report = new ReportFormFrame;
    frame = report;
    app.m_pMainWnd = frame;
    ASSERT_TRUE(frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW));
    const CString form = folder.Path() + "\\zp\\ZP-SR_2014.dot";

    report->OpenAnnualReportForm();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Brak pliku: " + form);
    EXPECT_EQ(messages[0].caption, "Błąd");

    ::CreateDirectoryW(Wide(folder.Path() + "\\zp").c_str(), nullptr);
    WriteBytes(form, {'d', 'o', 't'});
    app.WordPath = folder.Path() + "\\brak_edytora"; // no word processor there: the start fails
    HWND bar = frame->StatusBar().m_hWnd;
    g_paneTexts.clear();
    g_statusBarProc =
        reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(bar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordPaneText)));
    report->OpenAnnualReportForm();
    ::SetWindowLongPtrW(bar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_statusBarProc));
    EXPECT_EQ(g_paneTexts, (std::vector<CString>{"Uruchamia MS Word ...", ""}));
    ASSERT_EQ(messages.size(), 2u) << "a form that could not be opened is said so";
    EXPECT_NE(messages[1].text.Find(form), -1) << "and where it lies";
}

TEST_F(MainFrameTest, ProgressControlLiesOnPaneOneOnceAndFollowsTheFrameSize)
{
    CreateFrame();
    CStatusBar &bar = frame->StatusBar();
    CProgressCtrl *progress = frame->ProgressControl();
    ASSERT_NE(progress, nullptr);
    ASSERT_EQ(::GetParent(progress->m_hWnd), bar.m_hWnd);
    EXPECT_EQ(::GetDlgCtrlID(progress->m_hWnd), IDC_STATUS_PROGRESS);
    EXPECT_EQ(progress->SendMessage(PBM_GETRANGE, FALSE, 0), 100);
    EXPECT_EQ(progress->SendMessage(PBM_GETPOS), 0);

    frame->ShowProgress();
    int controls = 0;
    for (HWND child = ::GetWindow(bar.m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        controls += ::GetDlgCtrlID(child) == IDC_STATUS_PROGRESS;
    EXPECT_EQ(controls, 1);
    EXPECT_EQ(frame->ProgressControl(), progress);
    EXPECT_EQ(progress->SendMessage(PBM_GETSTEP), 25);

    frame->SetProgressRange(40);
    frame->SetProgressPos(17);
    EXPECT_EQ(progress->SendMessage(PBM_GETRANGE, FALSE, 0), 40);
    EXPECT_EQ(progress->SendMessage(PBM_GETPOS), 17);

    frame->MoveWindow(0, 0, 760, 560);
    CRect pane;
    bar.GetItemRect(1, &pane);
    EXPECT_EQ(WindowRectIn(progress->m_hWnd, bar.m_hWnd), pane);
}

TEST_F(MainFrameTest, AutosaveTimerRunsOnlyWhenOnWithItsPeriodClamped)
{
    CreateFrame();
    const struct {
        int on;
        int minutes;
        bool running;
        int stored;
    } cases[] = {{1, 3, true, 5},   {1, 5, true, 5},   {1, 30, true, 30},
                 {1, 60, true, 60}, {1, 90, true, 60}, {0, 30, false, 30}};
    for (const auto &c : cases) {
        app.AutoSaveOn = c.on;
        app.AutoSaveInterval = c.minutes;
        app.UstawAutozapis();
        EXPECT_EQ(::KillTimer(frame->m_hWnd, CMainFrame::kAutosaveTimer) != FALSE, c.running) << c.minutes;
        EXPECT_EQ(app.AutoSaveInterval, c.stored) << c.minutes;
    }
}

TEST_F(MainFrameTest, AutosaveWithoutMainWindowStartsNothing)
{
    app.AutoSaveOn = 1;
    app.AutoSaveInterval = 3;
    app.UstawAutozapis();
    EXPECT_EQ(app.AutoSaveInterval, 3);
}

// Only proceedings not opened from the archive are saved, each with "only when modified",
// while pane 0 says "Autozapis"; the pane is cleared afterwards.
TEST_F(MainFrameTest, AutosaveSavesTheWritableProceedingsOnly)
{
    AddProceedingTemplate();
    CreateFrame();
    FakeProceedingView *current = OpenProceeding("Bieżące", false);
    FakeProceedingView *archived = OpenProceeding("Archiwalne", true);
    ASSERT_NE(current, nullptr);
    ASSERT_NE(archived, nullptr);
    CString paneDuringSave;
    current->onSave = [&] { paneDuringSave = frame->StatusBar().GetPaneText(0); };

    frame->SendMessage(WM_TIMER, CMainFrame::kAutosaveTimer);

    EXPECT_EQ(current->saves, std::vector<CString>{"Bieżące 0,0,1"});
    EXPECT_TRUE(archived->saves.empty());
    EXPECT_EQ(paneDuringSave, "Autozapis");
    EXPECT_EQ(frame->StatusBar().GetPaneText(0), "");
}

// A cancelled save question keeps the program running with both databases open; the next
// attempt asks again and closes everything.
TEST_F(MainFrameTest, ClosingStopsAtACancelledSaveQuestion)
{
    AddProceedingTemplate();
    CreateFrame();
    FakeProceedingView *first = OpenProceeding("Pierwsze", false);
    FakeProceedingView *archived = OpenProceeding("Archiwalne", true);
    FakeProceedingView *second = OpenProceeding("Drugie", false);
    ASSERT_TRUE(first && archived && second);
    first->promptAnswer = false;
    HWND window = frame->m_hWnd;

    frame->SendMessage(WM_CLOSE);

    ASSERT_TRUE(::IsWindow(window));
    EXPECT_EQ(first->prompts, 1);
    EXPECT_EQ(second->prompts, 0);
    EXPECT_EQ(archived->prompts, 0);
    EXPECT_NE(app.GetMainConnection(), nullptr);
    EXPECT_NE(app.GetRegistersConnection(), nullptr);

    first->promptAnswer = true;
    frame->SendMessage(WM_CLOSE);

    EXPECT_FALSE(::IsWindow(window));
    frame = nullptr;
    EXPECT_EQ(app.GetMainConnection(), nullptr);
    EXPECT_EQ(app.GetRegistersConnection(), nullptr);
}

TEST_F(MainFrameTest, ExitCommandClosesLikeTheWindow)
{
    AddProceedingTemplate();
    CreateFrame();
    FakeProceedingView *open = OpenProceeding("Przetarg", false);
    ASSERT_NE(open, nullptr);
    open->promptAnswer = false;
    frame->SendMessage(WM_COMMAND, ID_APP_EXIT);
    MSG message;
    while (::PeekMessageW(&message, frame->m_hWnd, 0, 0, PM_REMOVE))
        ::DispatchMessageW(&message);
    EXPECT_EQ(open->prompts, 1);
    EXPECT_TRUE(::IsWindow(frame->m_hWnd));
}
