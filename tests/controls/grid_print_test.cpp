// Grid printing: pages recorded on metafiles of a known paper size and read back as the texts
// they draw, the page's ink on a picture wider than the paper, and the print command under the
// test hook (and on the PDF printer when the run has one).
#include "grid_fixture.h"
#include "print_test_dc.h"

#include "framework/core/codepage.h"
#include "framework/ui/commondlg.h"
#include "framework/ui/printinfo.h"
#include "framework/ui/testhook.h"
#include "tests/support/pdf_output.h"

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace pdf_output;

const int kPaperWidth = 1000;
const int kPaperHeight = 1414;

// A printer page recorded as a metafile, reporting the paper size the test gives it.
class MetafilePage : public CDC {
public:
    MetafilePage()
    {
        Attach(::CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr));
        m_hAttribDC = m_hDC;
        m_bPrinting = TRUE;
    }
    ~MetafilePage() override
    {
        if (m_hDC != nullptr)
            ::DeleteEnhMetaFile(::CloseEnhMetaFile(Release()));
    }
    int GetDeviceCaps(int index) const override
    {
        if (index == HORZRES)
            return kPaperWidth;
        if (index == VERTRES)
            return kPaperHeight;
        return CDC::GetDeviceCaps(index);
    }

    // Ends the recording: the non-empty texts drawn, in order.
    std::vector<std::string> Texts()
    {
        std::vector<std::string> texts;
        HENHMETAFILE metafile = ::CloseEnhMetaFile(Release());
        ::EnumEnhMetaFile(nullptr, metafile, CollectText, &texts, nullptr);
        ::DeleteEnhMetaFile(metafile);
        return texts;
    }

private:
    HDC Release()
    {
        m_hAttribDC = nullptr;
        return Detach();
    }
    static int CALLBACK CollectText(HDC, HANDLETABLE *, const ENHMETARECORD *record, int, LPARAM data)
    {
        if (record->iType == EMR_EXTTEXTOUTW) {
            const auto *text = reinterpret_cast<const EMREXTTEXTOUTW *>(record);
            const auto *chars =
                reinterpret_cast<const wchar_t *>(reinterpret_cast<const BYTE *>(record) + text->emrtext.offString);
            if (text->emrtext.nChars > 0)
                reinterpret_cast<std::vector<std::string> *>(data)->push_back(
                    (LPCSTR)WideToCp1250(chars, (int)text->emrtext.nChars));
        }
        return 1;
    }
};

using PageTexts = std::vector<std::string>;

// The grid printed page by page as the print command does, each page on its own metafile.
std::vector<PageTexts> PrintPages(CGridCtrl &grid)
{
    std::vector<PageTexts> pages;
    CPrintInfo info;
    MetafilePage measuring;
    grid.OnBeginPrinting(&measuring, &info);
    for (int page = 1; page <= grid.GetPrintPageCount(); ++page) {
        MetafilePage dc;
        info.m_nCurPage = page;
        grid.OnPrint(&dc, &info);
        pages.push_back(dc.Texts());
    }
    grid.OnEndPrinting(&measuring, &info);
    return pages;
}

int Count(const PageTexts &texts, const std::string &text)
{
    int count = 0;
    for (const std::string &t : texts)
        count += t == text;
    return count;
}

// The page each body row's first cell ("r,1") is printed on; 0 when it is on none, -1 when on
// more than one.
std::vector<int> PageOfEachRow(CGridCtrl &grid, const std::vector<PageTexts> &pages)
{
    std::vector<int> pageOf;
    for (int row = 1; row < grid.GetRowCount(); ++row) {
        const std::string text = (LPCSTR)grid.GetItemText(row, 1);
        int found = 0;
        for (size_t page = 0; page < pages.size(); ++page) {
            const int here = Count(pages[page], text);
            if (here > 0)
                found = found == 0 && here == 1 ? (int)page + 1 : -1;
        }
        pageOf.push_back(found);
    }
    return pageOf;
}

// A memory picture twice as wide as the paper, so that ink past the paper's edge shows.
class WidePaper : public PrintTestDC {
public:
    WidePaper() : PrintTestDC(2 * kPaperWidth, kPaperHeight, 300, 300) { m_bPrinting = TRUE; }
    int GetDeviceCaps(int index) const override
    {
        if (index == HORZRES)
            return kPaperWidth;
        if (index == VERTRES)
            return kPaperHeight;
        return PrintTestDC::GetDeviceCaps(index);
    }
};

} // namespace

TEST(GridPrint, BodyRowsAreSharedOutOverPagesEachOnceInOrderUnderTheHeadings)
{
    GridInWindow<> g(80, 3);
    const std::vector<PageTexts> pages = PrintPages(g.grid);
    ASSERT_GT(pages.size(), 2u);

    const std::vector<int> pageOf = PageOfEachRow(g.grid, pages);
    EXPECT_EQ(1, pageOf.front());
    EXPECT_EQ((int)pages.size(), pageOf.back());
    for (size_t row = 1; row < pageOf.size(); ++row) {
        EXPECT_GT(pageOf[row], 0) << "row " << row + 1;
        EXPECT_TRUE(pageOf[row] == pageOf[row - 1] || pageOf[row] == pageOf[row - 1] + 1) << "row " << row + 1;
    }
    for (size_t page = 0; page < pages.size(); ++page) {
        EXPECT_EQ(1, Count(pages[page], "0,1")) << "headings on page " << page + 1;
        EXPECT_EQ(1, Count(pages[page], "0,2"));
        char footer[32];
        snprintf(footer, sizeof footer, "Strona %d z %d", (int)page + 1, (int)pages.size());
        EXPECT_EQ(1, Count(pages[page], footer));
    }
}

TEST(GridPrint, ARowTallerThanAPageGetsAPageOfItsOwnAndIsPrinted)
{
    const struct {
        std::vector<int> heights;
        std::vector<int> pages; // of each body row
    } cases[] = {
        {{20, 100000, 20}, {1, 2, 3}},
        {{100000, 20}, {1, 2}},
        {{20, 20, 100000}, {1, 1, 2}},
    };
    for (const auto &c : cases) {
        GridInWindow<> g((int)c.heights.size() + 1, 3);
        for (size_t i = 0; i < c.heights.size(); ++i)
            g.grid.SetRowHeight((int)i + 1, c.heights[i]);
        const std::vector<PageTexts> pages = PrintPages(g.grid);
        EXPECT_EQ((size_t)c.pages.back(), pages.size());
        EXPECT_EQ(c.pages, PageOfEachRow(g.grid, pages));
    }
}

TEST(GridPrint, AGridOfHeadingsAlonePrintsNothing)
{
    GridInWindow<> g(1, 3);
    EXPECT_TRUE(PrintPages(g.grid).empty());

    // The print command says so and asks for no printer.
    int dialogs = 0;
    std::vector<std::string> messages;
    CTestHook hook;
    hook.onCommonDialog = [&](CCommonDialog &) -> INT_PTR {
        ++dialogs;
        return IDCANCEL;
    };
    hook.onMessageBox = [&](const CString &text, const CString &, UINT) {
        messages.push_back(text.GetString());
        return IDOK;
    };
    CTestHookScope scope(hook);
    g.grid.Print();
    EXPECT_EQ(0, dialogs);
    EXPECT_EQ(std::vector<std::string>{"Tabela nie zawiera wierszy do wydrukowania."}, messages);
}

TEST(GridPrint, NarrowAndWideGridsBothFillThePaperWidthAndStayOnIt)
{
    for (int columns : {4, 14}) {
        GridInWindow<> g(5, columns);
        for (int col = 0; col < columns; ++col)
            g.grid.SetColumnWidth(col, columns > 4 ? 200 : 50);
        CPrintInfo info;
        WidePaper paper;
        g.grid.OnBeginPrinting(&paper, &info);
        ASSERT_EQ(1, g.grid.GetPrintPageCount());
        info.m_nCurPage = 1;
        g.grid.OnPrint(&paper, &info);
        g.grid.OnEndPrinting(&paper, &info);

        const RECT ink = paper.InkBounds();
        EXPECT_GT(ink.left, 0) << columns;
        EXPECT_LE(ink.right, kPaperWidth) << columns;
        EXPECT_GT(ink.right, kPaperWidth * 85 / 100) << columns;
        EXPECT_LE(ink.bottom, kPaperHeight) << columns;
    }
}

TEST(GridPrint, TheCommandStartsNoDocumentWhenCancelledAndReportsAPrinterThatRefusesIt)
{
    GridInWindow<> g(4, 3);
    const struct {
        INT_PTR answer;
        bool memoryPrinter;
        std::vector<std::string> messages;
    } cases[] = {
        {IDCANCEL, false, {}},
        // A memory DC stands for a printer that cannot start a document.
        {IDOK, true, {"Nie można rozpocząć drukowania."}},
    };
    for (const auto &c : cases) {
        std::vector<std::string> messages;
        CTestHook hook;
        hook.onCommonDialog = [&](CCommonDialog &dialog) -> INT_PTR {
            if (c.memoryPrinter)
                dynamic_cast<CPrintDialog &>(dialog).m_pd.hDC = ::CreateCompatibleDC(nullptr);
            return c.answer;
        };
        hook.onMessageBox = [&](const CString &text, const CString &, UINT) {
            messages.push_back(text.GetString());
            return IDOK;
        };
        CTestHookScope scope(hook);
        g.grid.Print();
        EXPECT_EQ(c.messages, messages);
        EXPECT_EQ(0, g.grid.GetPrintPageCount());
    }
}

TEST(GridPrint, PrintsEveryPageOnTheChosenPrinter)
{
    const char *out = getenv("MORVELANK_PRINT_OUTPUT_DIR");
    if (out == nullptr || *out == '\0')
        GTEST_SKIP() << "no PDF printer in this run";
    std::wstring folder = L"Z:" + Cp1250ToWide(out);
    for (wchar_t &c : folder)
        c = c == L'/' ? L'\\' : c;

    GridInWindow<> g(150, 4);
    std::vector<std::string> messages;
    CTestHook hook;
    hook.onCommonDialog = [](CCommonDialog &) -> INT_PTR { return IDOK; };
    hook.onMessageBox = [&](const CString &text, const CString &, UINT) {
        messages.push_back(text.GetString());
        return IDOK;
    };
    CTestHookScope scope(hook);
    const std::set<std::wstring> before = PdfFiles(folder);
    g.grid.Print();
    EXPECT_TRUE(messages.empty());
    ASSERT_GT(g.grid.GetPrintPageCount(), 1);

    std::string pdf;
    for (int tries = 0; tries < 300 && pdf.empty(); ++tries) {
        for (const std::wstring &name : PdfFiles(folder)) {
            const std::string bytes = before.count(name) ? std::string() : ReadBytes(folder + L"\\" + name);
            if (bytes.find("%%EOF") != std::string::npos)
                pdf = bytes;
        }
        if (pdf.empty())
            Sleep(100);
    }
    ASSERT_FALSE(pdf.empty()) << "no PDF printed";
    EXPECT_EQ(g.grid.GetPrintPageCount(), PdfPageCount(pdf));
}
