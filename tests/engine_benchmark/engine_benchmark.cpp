// Generates synthetic documents of 500 to 8000 variable occurrences in a shown rich-edit
// control and compares the time with streaming the finished document's RTF into a fresh
// control once, the least that showing that document can cost. Each is repeated; the least
// and the median time are reported.
#include <windows.h>
#include <richedit.h>

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <memory>
#include <vector>

#include "document/rich_edit_text.h"
#include "document/template_engine.h"
#include "document/view_tables.h"

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
                                   WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL,
                                   0, 0, 900, 700, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
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

} // namespace

int main()
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

    printf("%12s %22s %22s %14s %10s\n", "occurrences", "ShowDocument min/med", "stream in min/med",
           "ratio min/med", "text");
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
    return 0;
}
