// The proceeding view's output: a generated document printed to the PDF queue, printed all at
// once, previewed, exported as RTF, and the page set-up's units. Output cleans the shown text
// and must leave the proceeding's tables and the shown document as they were.

#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "model/file_utils.h"
#include "model/view_tables.h"
#include "model/law_versions.h"
#include "document/view/morvelank_doc.h"
#include "document/view/morvelank_view.h"
#include "framework/core/codepage.h"
#include "framework/shell/rich_text_document.h"
#include "framework/shell/rich_text_layout.h"
#include "framework/ui/commondlg.h"
#include "framework/ui/framewnd.h"
#include "framework/ui/preview.h"
#include "framework/ui/printinfo.h"
#include "framework/ui/testhook.h"
#include "res/proceeding_ids.h"
#include "fixture_path.h"
#include "tests/support/pdf_output.h"
#include "fixture_path.h"

namespace {

using namespace pdf_output;

// "Zażółć gęślą jaźń" in RTF escapes of code page 1250.
const char kPolishRtf[] = "Za\\'bf\\'f3\\'b3\\'e6 g\\'ea\\'9cl\\'b9 ja\\'9f\\'f1";
const int kCheckBox = 1010; // <!A10>: an unticked check box, left out of every output
const int kName = 1005;     // <!A05>: a plain value

// A document long enough for several pages: a value, an unticked check box and numbered
// paragraphs with Polish letters.
std::string LongTemplate(const char *title)
{
    std::string rtf = "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset238 Arial;}}\n\\f0\\fs20 ";
    rtf += title;
    rtf += "\\par\nZamawiaj\\'b9cy: <!A05>nazwa;Podpowied\\'9f</A05>.\\par\nWadium <!A10>wniesione</A10>\\par\n";
    for (int i = 1; i <= 140; ++i)
        rtf += "Akapit " + std::to_string(i) + ": " + kPolishRtf + ".\\par\n";
    return rtf + "}\n";
}

// Counts what the print loop did, around the view's own steps.
class CountingView : public CMorvelankView {
public:
    void OnBeginPrinting(CDC *pDC, CPrintInfo *pInfo) override
    {
        ++begun;
        CMorvelankView::OnBeginPrinting(pDC, pInfo);
    }
    void OnPrint(CDC *pDC, CPrintInfo *pInfo) override
    {
        ++pages;
        CMorvelankView::OnPrint(pDC, pInfo);
    }
    int begun = 0;
    int pages = 0;
};

// A proceeding window's frame holding the view; documents 0 and 1 are generated from long
// templates, document 2 is editable.
class ViewOutputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = new CFrameWnd;
        ASSERT_TRUE(frame->Create(nullptr, "Postępowanie", WS_OVERLAPPEDWINDOW, CRect(0, 0, 800, 600)));
        doc = new CMorvelankDoc;
        view = new CountingView;
        CCreateContext context;
        context.m_pCurrentDoc = doc;
        ASSERT_TRUE(view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, RECT{0, 0, 800, 600}, frame,
                                 AFX_IDW_PANE_FIRST, &context));
        frame->SetActiveView(view, FALSE);
        view->OnInitialUpdate();

        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        view->m_proceeding.m_files.m_strMainPath.Format("%smorvelank_wydruk_%lu", temp, GetCurrentProcessId());
        const CString templates =
            LawVersions::GetTemplateFolder(view->m_proceeding.m_files.m_strMainPath, "", -1) + "\\1";
        ASSERT_TRUE(CreateDirectoryPath(templates));
        ASSERT_TRUE(WriteTextFile(templates + "\\ogloszenie.rtf", LongTemplate("Og\\'b3oszenie").c_str()));
        ASSERT_TRUE(WriteTextFile(templates + "\\umowa.rtf", LongTemplate("Umowa").c_str()));
        ASSERT_TRUE(WriteTextFile(templates + "\\notatka.rtf",
                                  "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0 Notatka <!A05>x</A05>\\par}"));

        ViewTables &tables = *view->m_proceeding.m_tables;
        const char *names[] = {"ogloszenie.rtf", "umowa.rtf", "notatka.rtf"};
        for (int i = 0; i < 3; ++i)
            tables.m_documents[i].fileName = names[i];
        tables.m_documents[2].state = kStateEditable;
        tables.m_nDocumentCount = 3;
        tables.m_variables[kName].type = 0;
        tables.m_variables[kName].value = "Gmina Łódź";
        tables.m_variables[kCheckBox].type = 1;
        tables.m_variables[kCheckBox].selected = 0;

        view->m_proceeding.m_project.m_strHeader = "Nagłówek: przetarg nieograniczony na dostawę sprzętu komputerowego "
                                                   "dla szkół podstawowych gminy, znak sprawy ZP.271.1.2025, KONIEC";
        view->m_proceeding.m_project.m_strFooter = "Stopka: Urząd Gminy Łódź";
        view->m_proceeding.m_project.m_nPageNumbering = 1;

        view->ShowDocument(0, -1);
        // A page break the user put before paragraph 50; printing keeps the break, not its line.
        const size_t breakAt = Plain().find("Akapit 50:");
        ASSERT_NE(std::string::npos, breakAt);
        tables.m_pageBreaks[0] = PageBreakMark{0, static_cast<int32_t>(breakAt), 0};
        tables.m_nPageBreaks = 1;
        view->ShowDocument(0, -1);
    }

    void TearDown() override
    {
        if (frame != nullptr)
            frame->DestroyWindow();
    }

    std::string Plain() const { return RichEditText(view->GetSafeHwnd()).GetPlainText().GetString(); }

    CFrameWnd *frame = nullptr;
    CMorvelankDoc *doc = nullptr;
    CountingView *view = nullptr;
};

TEST_F(ViewOutputTest, GeneratedDocumentShowsWhatOutputMustRemove)
{
    const std::string shown = Plain();
    EXPECT_NE(std::string::npos, shown.find(" [ ] wniesione"));
    EXPECT_NE(std::string::npos, shown.find("podział strony"));
    EXPECT_NE(std::string::npos, shown.find("Gmina Łódź"));
}

// ---- Export -----------------------------------------------------------------------------------

class ViewExportTest : public ViewOutputTest {
protected:
    void SetUp() override
    {
        ViewOutputTest::SetUp();
        target = view->m_proceeding.m_files.m_strMainPath + "\\eksport.rtf";
        DeleteFileW(Cp1250ToWide(target).c_str());
    }
    // The exported file's text, as a rich-edit control reads it.
    std::string ExportedText() const
    {
        HWND scratch = CreateWindowExW(0, L"RICHEDIT50W", L"", WS_POPUP | ES_MULTILINE, 0, 0, 600, 400, nullptr,
                                       nullptr, GetModuleHandleW(nullptr), nullptr);
        RichEditText text(scratch);
        text.StreamInRtf(ReadFileToString(target));
        const std::string plain = text.GetPlainText().GetString();
        DestroyWindow(scratch);
        return plain;
    }
    CString target;
};

TEST_F(ViewExportTest, RtfExportIsTheCleanedDocumentAndTheViewIsGeneratedAgain)
{
    const std::string before = Plain();
    const VariableOccurrence nameBefore = *view->m_proceeding.m_tables->m_occurrences.Block(0)->Variable(0);
    ASSERT_EQ(1, view->ExportToFile(target));

    const std::string exported = ExportedText();
    EXPECT_NE(std::string::npos, exported.find("Zamawiający: Gmina Łódź."));
    EXPECT_NE(std::string::npos, exported.find("Akapit 140: Zażółć gęślą jaźń."));
    EXPECT_EQ(std::string::npos, exported.find("wniesione")) << "an unticked check box is left out";
    EXPECT_EQ(std::string::npos, exported.find("^^^^^"));
    EXPECT_EQ(std::string::npos, exported.find("podział strony"));

    EXPECT_EQ(before, Plain()) << "the shown document is generated again";
    EXPECT_TRUE(view->GetStyle() & WS_VISIBLE);
    const ViewTables &tables = *view->m_proceeding.m_tables;
    EXPECT_EQ("Gmina Łódź", std::string(tables.m_variables[kName].value));
    EXPECT_EQ(0, tables.m_variables[kCheckBox].selected);
    EXPECT_EQ(1, tables.m_nPageBreaks);
    const VariableOccurrence &nameAfter = *tables.m_occurrences.Block(0)->Variable(0);
    EXPECT_EQ(nameBefore.position, nameAfter.position);
    EXPECT_EQ(nameBefore.length, nameAfter.length);
}

// The user's page break leaves as a real break that starts the next paragraph: no empty line of
// its marker opens the next page, in the file or on paper laid out from it.
TEST_F(ViewExportTest, UsersPageBreakStartsTheNextPageWithTheNextParagraph)
{
    ASSERT_EQ(1, view->ExportToFile(target));
    const RichTextDocument exported = RichTextDocument::FromRtf(ReadFileToString(target).GetString());
    size_t broken = 0;
    while (broken < exported.blocks.size() && !exported.blocks[broken].pageBreakBefore)
        ++broken;
    ASSERT_LT(broken, exported.blocks.size()) << "no page break in the export";
    std::wstring text;
    for (const RichTextRun &run : exported.blocks[broken].paragraph.runs)
        text += run.text;
    EXPECT_EQ(0u, text.find(L"Akapit 50:")) << WideToCp1250(text);

    HDC screen = GetDC(nullptr);
    const RichTextLayout layout(exported, RichTextPageSize(), screen);
    ReleaseDC(nullptr, screen);
    ASSERT_GE(layout.PageCount(), 2);
    const std::vector<RichTextLineInfo> second = layout.PageLines(2);
    ASSERT_FALSE(second.empty());
    EXPECT_EQ(0u, second.front().text.find(L"Akapit 50:")) << WideToCp1250(second.front().text);
    EXPECT_EQ(layout.PageSize().margins.top, second.front().box.top);
}

TEST_F(ViewExportTest, TickedCheckBoxIsExportedAsItsTextWithLaterValuesInPlace)
{
    ViewTables &tables = *view->m_proceeding.m_tables;
    tables.m_variables[kCheckBox].selected = 1;
    tables.m_variables[kCheckBox].extra = 1;
    view->ShowDocument(0, -1);
    ASSERT_EQ(1, view->ExportToFile(target));
    const std::string exported = ExportedText();
    EXPECT_NE(std::string::npos, exported.find("Wadium wniesione\r"));
    EXPECT_EQ(std::string::npos, exported.find("[o]"));
}

// The user's own text in an editable document is output cleaned, but stays as typed.
TEST_F(ViewExportTest, EditableDocumentKeepsItsOwnTextAfterExport)
{
    view->ShowDocument(2, -1);
    RichEditText text(view->GetSafeHwnd());
    text.SetSel(0, 0);
    text.ReplaceSel("Lista:\r-\rKoniec\r");
    ASSERT_EQ(1, view->ExportToFile(target));
    EXPECT_EQ(std::string::npos, ExportedText().find("\r-\r"));
    view->ShowDocument(0, -1);
    view->ShowDocument(2, -1);
    EXPECT_EQ(0u, Plain().find("Lista:\r-\rKoniec\r"));
}

// The text tables and the record list are drawn with blanks in a fixed-pitch face: they leave
// in it, small enough that no line wraps between the page's margins.
TEST_F(ViewExportTest, TextTablesLeaveInTheFixedPitchFaceAndFitBetweenTheMargins)
{
    const CString templates = LawVersions::GetTemplateFolder(view->m_proceeding.m_files.m_strMainPath, "", -1) + "\\1";
    ASSERT_TRUE(
        WriteTextFile(templates + "\\umowa.rtf",
                      "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0 Arial;}}\\margl2268\\margr2268\\f0\\fs20 "
                      "Osoby:\\par\\pard\\li567 <!A21>osoby</A21>\\par\\pard Kryteria:\\par <!A12>kryteria</A12>\\par"
                      " <!A31>Dane wykonawcy</A31>\\par Koniec\\par}"));
    ViewTables &tables = *view->m_proceeding.m_tables;
    const struct {
        int variable;
        int type;
        const char *value;
    } tableValues[] = {
        {1021, 21,
         "1|Jan Kowalski|przewodniczący komisji, odpowiedzialny za całość postępowania\n2|Anna Nowak|sekretarz"},
        {1012, 12, "1|Cena|60|najniższa cena otrzymuje 60 punktów\n2|Termin|40|najkrótszy termin"},
        {1031, 31, "nagłówek\nNazwa=Biuro-Tech|Siedziba=Poznań"},
    };
    for (const auto &table : tableValues) {
        tables.m_variables[table.variable].type = table.type;
        tables.m_variables[table.variable].value = table.value;
    }
    view->ShowDocument(1, -1);
    const CRect margins(2268, 1420, 2268, 1420);
    view->SetMargins(margins);
    ASSERT_EQ(1, view->ExportToFile(target));

    const RichTextDocument exported = RichTextDocument::FromRtf(ReadFileToString(target).GetString());
    const int textWidth = view->GetPaperSize().cx - margins.left - margins.right;
    std::set<std::string> tableLines;
    for (const RichTextBlock &block : exported.blocks) {
        std::wstring text;
        for (const RichTextRun &run : block.paragraph.runs)
            text += run.text;
        const bool tableLine = text.find(L"|") != std::wstring::npos || text.find(L"----------") != std::wstring::npos
                               || text.find(L"Siedziba:") != std::wstring::npos;
        if (!tableLine)
            continue;
        tableLines.insert(WideToCp1250(text).GetString());
        for (const RichTextRun &run : block.paragraph.runs) {
            if (run.text.empty())
                continue;
            ASSERT_GE(run.format.font, 0);
            EXPECT_EQ(L"Courier New", exported.fonts[static_cast<size_t>(run.format.font)]) << WideToCp1250(text);
            // A fixed-pitch character is 0.6 of the height wide; the height is in half points.
            EXPECT_LE(static_cast<int>(text.size()) * run.format.halfPoints * 10 * 3,
                      (textWidth - block.paragraph.leftIndent) * 5)
                << WideToCp1250(text);
        }
    }
    const auto holds = [&](const char *part) {
        for (const std::string &line : tableLines)
            if (line.find(part) != std::string::npos)
                return true;
        return false;
    };
    for (const char *part : {"Jan Kowalski", "najniższa cena", "Siedziba:"})
        EXPECT_TRUE(holds(part)) << part;
}

TEST_F(ViewExportTest, UnwritableTargetIsToldAndTheDocumentShownAgain)
{
    CTestHook hook;
    CString told;
    hook.onMessageBox = [&](const CString &text, const CString &caption, UINT) {
        told = caption + "|" + text;
        return IDOK;
    };
    CTestHookScope scope(hook);
    const std::string before = Plain();
    const CString missing = view->m_proceeding.m_files.m_strMainPath + "\\brak\\eksport.rtf";
    EXPECT_EQ(0, view->ExportToFile(missing));
    EXPECT_EQ(std::string("Błąd|Wystąpił błąd podczas zapisu pliku eksportu.\nProszę sprawdzić prawo do zapisu pliku: ")
                  + missing.GetString(),
              std::string(told));
    EXPECT_EQ(before, Plain());
}

TEST_F(ViewExportTest, CancelledSaveDialogChangesNothing)
{
    CTestHook hook;
    int asked = 0;
    hook.onCommonDialog = [&](CCommonDialog &) -> INT_PTR {
        ++asked;
        return IDCANCEL;
    };
    CTestHookScope scope(hook);
    const std::string before = Plain();
    EXPECT_EQ(0, view->ExportRtf());
    view->SendMessage(WM_COMMAND, ID_EKSPORT_RTF, 0);
    EXPECT_EQ(2, asked);
    EXPECT_EQ(before, Plain());
    EXPECT_FALSE(FileExists(target));
}

// ---- Layout of the output ----------------------------------------------------------------------

// Document 3 from the layout fixture: a landscape page, a right-tab line, centred, justified and
// right-aligned paragraphs, a heading kept with the next, a point and a table after it.
class ViewOutputLayoutTest : public ViewExportTest {
protected:
    void SetUp() override
    {
        ViewExportTest::SetUp();
        const CString templates =
            LawVersions::GetTemplateFolder(view->m_proceeding.m_files.m_strMainPath, "", -1) + "\\1";
        ASSERT_TRUE(WriteTextFile(templates + "\\uklad.rtf", ReadFileToString(FixturePath("engine/layout.rtf"))));
        ViewTables &tables = *view->m_proceeding.m_tables;
        tables.m_documents[3].fileName = "uklad.rtf";
        tables.m_nDocumentCount = 4;
        view->ShowDocument(3, -1);
    }

    std::string ExportedRtf() const { return ReadFileToString(target).GetString(); }

    // The exported paragraph that starts with the text.
    static const RichTextParagraph *Paragraph(const RichTextDocument &document, const std::wstring &start)
    {
        for (const RichTextBlock &block : document.blocks) {
            std::wstring text;
            for (const RichTextRun &run : block.paragraph.runs)
                text += run.text;
            if (!block.isRow && text.compare(0, start.size(), start) == 0)
                return &block.paragraph;
        }
        return nullptr;
    }

    static void ExpectPage(const RichTextPageSetup &page, int width, int height, const CRect &margins, bool landscape)
    {
        EXPECT_EQ(width, page.paperWidth);
        EXPECT_EQ(height, page.paperHeight);
        EXPECT_EQ(margins.left, page.marginLeft);
        EXPECT_EQ(margins.top, page.marginTop);
        EXPECT_EQ(margins.right, page.marginRight);
        EXPECT_EQ(margins.bottom, page.marginBottom);
        EXPECT_EQ(landscape, page.landscape);
    }
};

TEST_F(ViewOutputLayoutTest, ExportKeepsTheTemplatesPageAndParagraphs)
{
    ASSERT_EQ(1, view->ExportToFile(target));
    const std::string rtf = ExportedRtf();
    const RichTextDocument exported = RichTextDocument::FromRtf(rtf);
    ExpectPage(exported.pageSetup, 16838, 11906, CRect(1417, 850, 1134, 567), true);

    using Alignment = RichTextAlignment;
    struct Case {
        const wchar_t *start;
        Alignment alignment;
        bool keepWithNext;
        bool keepTogether;
    };
    const Case cases[] = {
        {L"TYTUŁ DOKUMENTU", Alignment::Center, false, false},    {L"Nagłówek trzymany", Alignment::Left, true, false},
        {L"Tekst wyjustowany", Alignment::Justify, false, false}, {L"Drugi akapit", Alignment::Justify, false, false},
        {L"Akapit trzymany", Alignment::Left, false, true},       {L"Podpis", Alignment::Right, false, false},
        {L"Zwykły akapit", Alignment::Left, false, false},
    };
    for (const Case &c : cases) {
        const RichTextParagraph *paragraph = Paragraph(exported, c.start);
        ASSERT_NE(nullptr, paragraph) << WideToCp1250(c.start).GetString();
        EXPECT_EQ(c.alignment, paragraph->alignment) << WideToCp1250(c.start).GetString();
        EXPECT_EQ(c.keepWithNext, paragraph->keepWithNext) << WideToCp1250(c.start).GetString();
        EXPECT_EQ(c.keepTogether, paragraph->keepTogether) << WideToCp1250(c.start).GetString();
    }

    // The right tab keeps the place and the date flush right on the line of the case number.
    const RichTextParagraph *caseNumber = Paragraph(exported, L"Znak sprawy:");
    ASSERT_NE(nullptr, caseNumber);
    EXPECT_EQ(std::vector<int>{9638}, caseNumber->tabStops);
    EXPECT_EQ(std::vector<RichTextTabAlignment>{RichTextTabAlignment::Right}, caseNumber->tabAlignments);
    const RichTextParagraph *point = Paragraph(exported, L"1.\tPunkt przed tabelą");
    ASSERT_NE(nullptr, point);
    EXPECT_EQ(std::vector<int>{567}, point->tabStops) << "the table's cell edges are not the point's tabs";

    // Each row's first cell starts a paragraph of its own, not the point's indented one.
    size_t rows = 0;
    for (size_t row = rtf.find("\\trowd"); row != std::string::npos; row = rtf.find("\\trowd", row + 1)) {
        ++rows;
        size_t cell = rtf.find("\\cell", row);
        while (cell != std::string::npos && rtf.compare(cell, 6, "\\cellx") == 0)
            cell = rtf.find("\\cell", cell + 1);
        const size_t paragraph = rtf.find("\\pard\\intbl", row);
        EXPECT_LT(paragraph, cell) << rtf.substr(row, 200);
    }
    EXPECT_EQ(1u, rows);
}

// The user's own text keeps its template's page and paragraphs through outputs and through
// showing other documents.
TEST_F(ViewOutputLayoutTest, EditableDocumentKeepsItsPageAndParagraphs)
{
    view->m_proceeding.m_tables->m_documents[3].state = kStateEditable;
    view->ShowDocument(3, -1);
    ASSERT_EQ(1, view->ExportToFile(target));
    view->ShowDocument(0, -1);
    view->ShowDocument(3, -1);
    ASSERT_EQ(1, view->ExportToFile(target));
    const RichTextDocument exported = RichTextDocument::FromRtf(ExportedRtf());
    ExpectPage(exported.pageSetup, 16838, 11906, CRect(1417, 850, 1134, 567), true);
    const RichTextParagraph *justified = Paragraph(exported, L"Tekst wyjustowany");
    ASSERT_NE(nullptr, justified);
    EXPECT_EQ(RichTextAlignment::Justify, justified->alignment);
    const RichTextParagraph *plain = Paragraph(exported, L"Zwykły akapit");
    ASSERT_NE(nullptr, plain);
    EXPECT_FALSE(plain->keepWithNext);
}

TEST_F(ViewOutputLayoutTest, TemplateWithoutPageSetUpIsOutputOnA4)
{
    view->ShowDocument(0, -1);
    ASSERT_EQ(1, view->ExportToFile(target));
    ExpectPage(RichTextDocument::FromRtf(ExportedRtf()).pageSetup, 11906, 16838, CRect(720, 1420, 720, 1420), false);
}

// The page set up by the user holds while the document is shown, generated again or output;
// another document brings its own template's page.
TEST_F(ViewOutputLayoutTest, PageSetUpHoldsUntilAnotherDocumentIsShown)
{
    CTestHook hook;
    hook.onCommonDialog = [&](CCommonDialog &dialog) -> INT_PTR {
        auto &setup = dynamic_cast<CPageSetupDialog &>(dialog);
        setup.m_psd.rtMargin = RECT{2000, 2000, 2000, 2000};
        setup.m_psd.ptPaperSize = POINT{29700, 21000};
        return IDOK;
    };
    CTestHookScope scope(hook);
    view->GetPageSize();
    const CRect chosen(1130, 1130, 1130, 1130);
    view->ShowDocument(3, -1);
    ASSERT_EQ(1, view->ExportToFile(target));
    ExpectPage(RichTextDocument::FromRtf(ExportedRtf()).pageSetup, 16840, 11910, chosen, true);

    view->ShowDocument(0, -1);
    EXPECT_EQ(CSize(11906, 16838), view->GetPaperSize());
    EXPECT_EQ(CRect(720, 1420, 720, 1420), view->GetMargins());
    view->ShowDocument(3, -1);
    EXPECT_EQ(CSize(16838, 11906), view->GetPaperSize());
    EXPECT_EQ(CRect(1417, 850, 1134, 567), view->GetMargins());
}

// The export is bold only where the template says so: not from the document's start up to the
// template's first \b0, and still in a repeated block's bold run.
TEST_F(ViewExportTest, ExportIsBoldOnlyWhereTheTemplateSaysSo)
{
    const CString templates =
        LawVersions::GetTemplateFolder(view->m_proceeding.m_files.m_strMainPath, "", -1) + "\\1";
    ASSERT_TRUE(
        WriteTextFile(templates + "\\znaki.rtf", ReadFileToString(FixturePath("engine/character_format.rtf"))));
    ViewTables &tables = *view->m_proceeding.m_tables;
    tables.m_documents[3].fileName = "znaki.rtf";
    tables.m_nDocumentCount = 4;
    tables.m_nParts = 1;
    tables.m_partFlags[0] = 1;
    view->ShowDocument(3, -1);
    ASSERT_EQ(1, view->ExportToFile(target));

    const RichTextDocument exported = RichTextDocument::FromRtf(ReadFileToString(target).GetString());
    struct Case {
        const wchar_t *text;
        bool bold, italic, underline;
    };
    const Case cases[] = {
        {L"Znak sprawy", false, false, false}, {L"NAGŁÓWEK", true, false, false},
        {L"Tekst zwykły", false, false, false}, {L"§ 1. Część", true, false, false},
        {L"Gmina Łódź", true, false, false},    {L"kursywa", false, true, false},
        {L"podkreślenie", false, false, true},  {L"Koniec", false, false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(WideToCp1250(c.text).GetString());
        const RichTextRun *found = nullptr;
        for (const RichTextBlock &block : exported.blocks)
            for (const RichTextRun &run : block.paragraph.runs)
                if (!found && run.text.find(c.text) != std::wstring::npos)
                    found = &run;
        ASSERT_NE(nullptr, found) << "the text is one run";
        EXPECT_EQ(c.bold, found->format.bold);
        EXPECT_EQ(c.italic, found->format.italic);
        EXPECT_EQ(c.underline, found->format.underline);
    }
}

// ---- Page set-up ------------------------------------------------------------------------------

TEST(NearestTenTest, RoundsHalvesAwayFromZero)
{
    const struct {
        int value, expected;
    } cases[] = {{15, 20}, {-15, -20}, {14, 10}, {-14, -10}, {0, 0}, {567, 570}, {1440, 1440}, {-6, -10}};
    for (const auto &c : cases)
        EXPECT_EQ(c.expected, CMorvelankView::NearestTen(c.value)) << c.value;
}

TEST_F(ViewOutputTest, PageSetUpWorksInHundredthsOfAMillimetre)
{
    CTestHook hook;
    RECT offered = {};
    hook.onCommonDialog = [&](CCommonDialog &dialog) -> INT_PTR {
        auto &setup = dynamic_cast<CPageSetupDialog &>(dialog);
        offered = setup.m_psd.rtMargin;
        setup.m_psd.rtMargin = RECT{2540, 1000, 2540, 1000};
        setup.m_psd.ptPaperSize = POINT{21000, 29700};
        return IDOK;
    };
    CTestHookScope scope(hook);
    view->GetPageSize();
    // The view starts with 720 and 1420 twips: 12.70 mm and 25.05 mm.
    EXPECT_EQ(1270, offered.left);
    EXPECT_EQ(2510, offered.top);
    const CRect margins = view->GetMargins();
    EXPECT_EQ(1440, margins.left);
    EXPECT_EQ(570, margins.top);
    EXPECT_EQ(1440, margins.right);
    EXPECT_EQ(570, margins.bottom);
    EXPECT_EQ(11910, view->GetPaperSize().cx);
    EXPECT_EQ(16840, view->GetPaperSize().cy);
}

TEST_F(ViewOutputTest, CancelledPageSetUpKeepsThePage)
{
    CTestHook hook;
    hook.onCommonDialog = [](CCommonDialog &) -> INT_PTR { return IDCANCEL; };
    CTestHookScope scope(hook);
    const CRect margins = view->GetMargins();
    view->GetPageSize();
    EXPECT_EQ(margins, view->GetMargins());
}

// ---- Preview ----------------------------------------------------------------------------------

TEST_F(ViewOutputTest, PreviewShowsTheCleanedPagesAndClosesBackToTheDocument)
{
    frame->ShowWindow(SW_SHOW);
    const std::string before = Plain();
    frame->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW, 0);
    auto *preview = dynamic_cast<CPreviewView *>(frame->GetActiveView());
    ASSERT_NE(nullptr, preview);
    EXPECT_EQ(1, view->begun);
    EXPECT_GE(preview->m_pPreviewInfo->GetMaxPage(), 3u);
    EXPECT_EQ(std::string::npos, Plain().find("podział strony")) << "the preview shows the cleaned text";
    preview->UpdateWindow();
    EXPECT_GE(view->pages, 1);

    frame->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_CLOSE, 0);
    EXPECT_EQ(view, frame->GetActiveView());
    EXPECT_EQ(before, Plain());
    EXPECT_TRUE(view->GetStyle() & WS_VISIBLE);
}

// ---- Printing ---------------------------------------------------------------------------------

class ViewPrintTest : public ViewOutputTest {
protected:
    void SetUp() override
    {
        const char *out = getenv("MORVELANK_PRINT_OUTPUT_DIR");
        if (out == nullptr || *out == '\0')
            GTEST_SKIP() << "no PDF printer in this run";
        folder = L"Z:" + Cp1250ToWide(out);
        for (wchar_t &c : folder)
            c = c == L'/' ? L'\\' : c;
        ViewOutputTest::SetUp();
    }

    // The PDFs that appeared since before, once count of them are complete.
    std::set<std::wstring> NewPdfs(const std::set<std::wstring> &before, size_t count)
    {
        std::set<std::wstring> complete;
        for (int tries = 0; tries < 300 && complete.size() < count; ++tries) {
            for (const std::wstring &name : PdfFiles(folder))
                if (!before.count(name) && ReadBytes(folder + L"\\" + name).find("%%EOF") != std::string::npos)
                    complete.insert(name);
            if (complete.size() < count)
                Sleep(100);
        }
        return complete;
    }

    std::wstring folder;
};

TEST_F(ViewPrintTest, PrintedDocumentLandsCleanWithHeaderFooterAndPageNumbers)
{
    CTestHook hook;
    hook.onCommonDialog = [](CCommonDialog &) -> INT_PTR { return IDOK; };
    CTestHookScope scope(hook);
    const std::string shown = Plain();
    const std::set<std::wstring> before = PdfFiles(folder);
    frame->SendMessage(WM_COMMAND, ID_FILE_PRINT, 0);
    ASSERT_EQ(1, view->begun);
    ASSERT_GE(view->pages, 3);
    EXPECT_EQ(shown, Plain()) << "the document is generated again after printing";
    EXPECT_TRUE(view->GetStyle() & WS_VISIBLE);

    const std::set<std::wstring> printed = NewPdfs(before, 1);
    ASSERT_EQ(1u, printed.size());
    // The text is read back with pdftotext by the check that follows this test.
    FILE *note = _wfopen((folder + L"\\last-view-print.txt").c_str(), L"wb");
    ASSERT_NE(nullptr, note);
    fprintf(note, "%s\n%d\n", WideToCp1250(*printed.begin()).GetString(), view->pages);
    fclose(note);
}

// A landscape document prints on a landscape sheet, and the preview shows that sheet; the
// printer's own setting stays, so the next portrait document prints upright.
TEST_F(ViewPrintTest, LandscapeDocumentPrintsAndPreviewsOnALandscapeSheet)
{
    CTestHook hook;
    hook.onCommonDialog = [](CCommonDialog &) -> INT_PTR { return IDOK; };
    CTestHookScope scope(hook);
    const CString templates = LawVersions::GetTemplateFolder(view->m_proceeding.m_files.m_strMainPath, "", -1) + "\\1";
    ASSERT_TRUE(CopyFileA(FixturePath("landscape.rtf"), templates + "\\umowa.rtf", FALSE));
    view->ShowDocument(1, -1);
    // The page set-up the landscape template states.
    view->SetPaperSize(CSize(16838, 11906));
    view->SetMargins(CRect(1134, 1134, 1134, 1134));

    frame->ShowWindow(SW_SHOW);
    frame->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW, 0);
    auto *preview = dynamic_cast<CPreviewView *>(frame->GetActiveView());
    ASSERT_NE(nullptr, preview);
    const CSize previewed = preview->m_pPreviewDC->m_page.sizePhysical;
    frame->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_CLOSE, 0);
    EXPECT_GT(previewed.cx, previewed.cy);

    std::set<std::wstring> before = PdfFiles(folder);
    frame->SendMessage(WM_COMMAND, ID_FILE_PRINT, 0);
    std::set<std::wstring> printed = NewPdfs(before, 1);
    ASSERT_EQ(1u, printed.size());
    const CSize landscape = FirstPageAsShown(ReadBytes(folder + L"\\" + *printed.begin()));
    EXPECT_GT(landscape.cx, landscape.cy) << landscape.cx << " x " << landscape.cy;

    view->ShowDocument(0, -1);
    view->SetPaperSize(CSize(11906, 16838));
    before = PdfFiles(folder);
    frame->SendMessage(WM_COMMAND, ID_FILE_PRINT, 0);
    printed = NewPdfs(before, 1);
    ASSERT_EQ(1u, printed.size());
    const CSize portrait = FirstPageAsShown(ReadBytes(folder + L"\\" + *printed.begin()));
    EXPECT_LT(portrait.cx, portrait.cy) << portrait.cx << " x " << portrait.cy;
}

TEST_F(ViewPrintTest, PrintAllAsksOnceAndPrintsEveryGeneratedDocument)
{
    CTestHook hook;
    int asked = 0;
    hook.onCommonDialog = [&](CCommonDialog &) -> INT_PTR {
        ++asked;
        return IDOK;
    };
    CTestHookScope scope(hook);
    view->ShowDocument(2, -1);
    const std::set<std::wstring> before = PdfFiles(folder);
    frame->SendMessage(WM_COMMAND, ID_DRUKUJ_WSZYSTKO, 0);
    EXPECT_EQ(1, asked);
    EXPECT_EQ(2, view->begun) << "the editable document is not printed";
    EXPECT_EQ(2u, NewPdfs(before, 2).size());
    EXPECT_EQ(2, view->GetCurrentDocument());
    EXPECT_EQ(0u, Plain().find("Notatka Gmina Łódź"));
    EXPECT_EQ(0, view->m_bBatchPrint);
}

TEST_F(ViewPrintTest, PrintAllStopsWhenTheFirstDialogIsCancelled)
{
    CTestHook hook;
    int asked = 0;
    hook.onCommonDialog = [&](CCommonDialog &) -> INT_PTR {
        ++asked;
        return IDCANCEL;
    };
    CTestHookScope scope(hook);
    const std::string shown = Plain();
    view->PrintProceeding();
    EXPECT_EQ(1, asked);
    EXPECT_EQ(0, view->begun);
    EXPECT_EQ(0, view->GetCurrentDocument());
    EXPECT_EQ(shown, Plain());
}

} // namespace
