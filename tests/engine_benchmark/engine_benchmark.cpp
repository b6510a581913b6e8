// Generates synthetic documents of 500 to 8000 variable occurrences in a shown rich-edit
// control and compares the time with streaming the finished document's RTF into a fresh
// control once, the least that showing that document can cost. Each is repeated; the least
// and the median time are reported. With the installation folder as its argument (or in
// MORVELANK_INSTALLATION) it also times the set's SWZ in two parts, opening the example
// proceeding to its first shown document, and switching between two documents.
#include <windows.h>
#include <richedit.h>

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <memory>
#include <vector>

#include "model/file_utils.h"
#include "app/folder_copy.h"
#include "app/morvelank_app.h"
#include "model/project.h"
#include "model/data_file.h"
#include "document/view/morvelank_doc.h"
#include "document/view/morvelank_view.h"
#include "document/files/proceeding_open.h"
#include "document/engine/rich_edit_text.h"
#include "document/engine/template_engine.h"
#include "model/view_tables.h"
#include "framework/ui/testhook.h"

namespace {

class MemoryHost : public GenerationHost {
public:
    int CaptureEditableText() override { return 0; }
    CString ReadDocumentTemplate(int) override { return templateText; }
    CString templateText;
};

// occurrences tags with about thirty characters of text between them, a paragraph every fourth
// tag and a heading every fiftieth.
CString SyntheticTemplate(int occurrences)
{
    CString rtf = "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset238 Arial;}}\\f0\\fs20 ";
    for (int i = 0; i < occurrences; ++i) {
        CString piece;
        if (i % 50 == 0)
            piece.Format("<$%03d>Punkt %d<?%03d>\\par ", i / 50 + 1, i / 50 + 1, i / 50 + 1);
        rtf += piece;
        piece.Format("Tekst pomiedzy wartosciami nr %04d <!A%02d>wartosc;Podpowiedz</A%02d>", i, i % 100, i % 100);
        rtf += piece;
        rtf += i % 4 == 3 ? "\\par " : " ";
    }
    return rtf + "}";
}

HWND CreateShownControl()
{
    HWND control = CreateWindowExW(0, L"RICHEDIT50W", L"",
                                   WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL, 0, 0,
                                   900, 700, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    CHARFORMAT2W regular = {};
    regular.cbSize = sizeof regular;
    regular.dwMask = CFM_BOLD;
    SendMessageW(control, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&regular));
    return control;
}

void PumpMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

const int kRepetitions = 7;

double Median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double Least(const std::vector<double> &times)
{
    return *std::min_element(times.begin(), times.end());
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The time of streaming the control's RTF into a fresh control.
double StreamFloor(HWND shown)
{
    const CString finished = RichEditText(shown).StreamOutRtf();
    HWND fresh = CreateShownControl();
    PumpMessages();
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    RichEditText(fresh).StreamInRtf(finished);
    PumpMessages();
    QueryPerformanceCounter(&end);
    DestroyWindow(fresh);
    return Seconds(start, end);
}

void PrintTimes(const char *what, const std::vector<double> &shows, const std::vector<double> &floors)
{
    printf("%-28s %10.4fs %10.4fs %10.4fs %10.4fs %6.2f %6.2f\n", what, Least(shows), Median(shows), Least(floors),
           Median(floors), Least(shows) / Least(floors), Median(shows) / Median(floors));
}

// The program's view of a proceeding in a window of its own, working on a copy of the
// installation; message boxes are answered and counted.
class InstallationBench {
public:
    explicit InstallationBench(const CString &installation)
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        m_root.Format("%smorvelank_benchmark_%lu", temp, GetCurrentProcessId());
        m_app.MainPath = m_root + "\\Morvelank";
        CreateDirectoryPath(m_app.MainPath);
        CopyFolder(installation, m_app.MainPath, 1);
        m_app.OpenMainDB();
        m_app.WorkingPath = m_root + "\\prace";
        CreateDirectoryPath(m_app.WorkingPath);
        m_app.ExamplePath = m_app.MainPath + "\\example";
        m_app.UserTemplatesPath = m_app.MainPath + "\\szablony_moje";
        m_hook.onMessageBox = [this](const CString &, const CString &, UINT) {
            ++messages;
            return IDOK;
        };
        m_scope = std::make_unique<CTestHookScope>(m_hook);
        m_parent.CreateEx(0, nullptr, "postepowanie", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 900, 700, nullptr,
                          nullptr);
    }
    ~InstallationBench()
    {
        m_parent.DestroyWindow();
        m_scope.reset();
        m_app.CloseMainDB();
    }

    CMorvelankView *MakeView()
    {
        CCreateContext context;
        context.m_pCurrentDoc = new CMorvelankDoc; // deletes itself with its view
        auto *view = new CMorvelankView;
        view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, RECT{0, 0, 900, 700}, &m_parent, AFX_IDW_PANE_FIRST,
                     &context);
        view->OnInitialUpdate();
        PumpMessages();
        return view;
    }

    int messages = 0;

private:
    CString m_root;
    CMorvelankApp m_app;
    CTestHook m_hook;
    std::unique_ptr<CTestHookScope> m_scope;
    CWnd m_parent;
};

int FindSiwz(const ViewTables &tables)
{
    for (int document = 0; document < tables.m_nDocumentCount; ++document)
        if (tables.m_documents[document].fileName.Right(8).CompareNoCase("\\swz.rtf") == 0)
            return document;
    return -1;
}

template <typename Action>
double Timed(Action action)
{
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    action();
    PumpMessages();
    QueryPerformanceCounter(&end);
    return Seconds(start, end);
}

void BenchInstallation(const CString &installation)
{
    InstallationBench bench(installation);
    const char kExample[] = "Dostawa tonerów";

    std::vector<double> shows, floors;
    CMorvelankView *view = bench.MakeView();
    if (!view->CreateProceeding(1, "Benchmark", 2, 0, 0, DefaultValues())) {
        printf("the proceeding in two parts was not created\n");
        return;
    }
    const int siwz = FindSiwz(*view->m_proceeding.m_tables);
    if (siwz < 0) {
        printf("no SWZ in the proceeding\n");
        return;
    }
    for (int repetition = 0; repetition < kRepetitions; ++repetition) {
        shows.push_back(Timed([&] { view->ShowDocument(siwz, -1); }));
        floors.push_back(StreamFloor(view->GetSafeHwnd()));
    }
    PrintTimes("SWZ in two parts", shows, floors);

    int first = -1, second = -1;
    for (int document = 0; document < view->m_proceeding.m_tables->m_nDocumentCount && second < 0; ++document) {
        if (view->m_proceeding.m_tables->m_documents[document].state == kStateNotGenerated)
            continue;
        (first < 0 ? first : second) = document;
    }
    shows.clear();
    floors.clear();
    for (int repetition = 0; repetition < kRepetitions; ++repetition) {
        view->ShowDocument(first, -1);
        PumpMessages();
        shows.push_back(Timed([&] { view->ShowDocument(second, -1); }));
        floors.push_back(StreamFloor(view->GetSafeHwnd()));
    }
    PrintTimes("switching two documents", shows, floors);
    view->DestroyWindow();

    shows.clear();
    floors.clear();
    std::vector<double> readings;
    for (int repetition = 0; repetition < kRepetitions; ++repetition) {
        CMorvelankView *opened = bench.MakeView();
        int result = 0;
        shows.push_back(Timed([&] { result = opened->OpenProceeding(0, 1, kExample, CString(kExample) + ".baz"); }));
        if (!result) {
            printf("the example did not open\n");
            return;
        }
        floors.push_back(StreamFloor(opened->GetSafeHwnd()));
        CProject project;
        ViewTables tables;
        DataFileHeader header;
        readings.push_back(Timed([&] {
            const InstalledSets sets(GetMorvelankApp()->MainPath, "");
            ProceedingOpen open(GetMorvelankApp()->MainPath, sets);
            open.ReadRecord(project, GetMorvelankApp()->ExamplePath + "\\" + kExample, kExample);
            open.Load(kLoadOwnFile, project.GetDocumentPath(), project, DefaultValues(), tables, header, nullptr);
        }));
        opened->DestroyWindow();
    }
    PrintTimes("opening the example", shows, floors);
    printf("%-28s %10.4fs %10.4fs  (reading its files; target: open <= 3 x floor + reading)\n", "", Least(readings),
           Median(readings));
    if (bench.messages)
        printf("%d messages were answered\n", bench.messages);
}

} // namespace

int main(int argc, char **argv)
{
    if (!LoadLibraryW(L"MSFTEDIT.DLL")) {
        fprintf(stderr, "MSFTEDIT.DLL missing\n");
        return 1;
    }
    std::unique_ptr<ViewTables> tables(new ViewTables);
    tables->ResetVariables();
    for (int i = 0; i < 100; ++i) {
        VariableSlot &variable = tables->m_variables[1000 + i];
        variable.type = 0;
        variable.value.Format("Wartosc %02d", i);
        variable.untouched = i % 2;
    }
    tables->m_nDocumentCount = 1;

    printf("%12s %22s %22s %14s %10s\n", "occurrences", "ShowDocument min/med", "stream in min/med", "ratio min/med",
           "text");
    double least500 = 0;
    for (int occurrences : {500, 1000, 2000, 4000, 8000}) {
        MemoryHost host;
        host.templateText = SyntheticTemplate(occurrences);
        std::vector<double> shows, floors;
        bool placed = true;
        int length = 0;
        for (int repetition = 0; repetition < kRepetitions; ++repetition) {
            HWND shown = CreateShownControl();
            TemplateEngine engine(shown, *tables, host);
            PumpMessages();

            LARGE_INTEGER start, generated, streamStart, streamed;
            QueryPerformanceCounter(&start);
            engine.ShowDocument(0, -1);
            PumpMessages();
            QueryPerformanceCounter(&generated);

            const CString finished = RichEditText(shown).StreamOutRtf();
            HWND fresh = CreateShownControl();
            PumpMessages();
            QueryPerformanceCounter(&streamStart);
            RichEditText(fresh).StreamInRtf(finished);
            PumpMessages();
            QueryPerformanceCounter(&streamed);

            shows.push_back(Seconds(start, generated));
            floors.push_back(Seconds(streamStart, streamed));
            const VariableOccurrence &last = *tables->m_occurrences.Block(0)->Variable(occurrences - 1);
            RichEditText text(shown);
            text.SetSel(last.position, last.position + last.length);
            placed = placed && text.GetSelectedText() == tables->m_variables[last.variable].value;
            length = text.GetTextLength();
            DestroyWindow(fresh);
            DestroyWindow(shown);
        }
        if (occurrences == 500)
            least500 = Least(shows);
        printf("%12d %10.3fs %10.3fs %10.3fs %10.3fs %6.2f %6.2f %10d%s\n", occurrences, Least(shows), Median(shows),
               Least(floors), Median(floors), Least(shows) / Least(floors), Median(shows) / Median(floors), length,
               placed ? "" : "  (last occurrence misplaced)");
        if (occurrences == 8000)
            printf("8000 against 500: %.1f times\n", Least(shows) / least500);
    }

    CString installation = argc > 1 ? CString(argv[1]) : CString();
    if (installation.IsEmpty() && getenv("MORVELANK_INSTALLATION")) {
        installation = CString("Z:") + getenv("MORVELANK_INSTALLATION");
        installation.Replace('/', '\\');
    }
    if (!installation.IsEmpty())
        BenchInstallation(installation);
    return 0;
}
