// A rich-edit document printed through a view's print loop to the default printer, which the
// test run makes a PDF queue: the job must land as a PDF with the renderer's page count, and
// its text must hold the header, the footer with page numbers and the Polish letters.

#include "framework/core/codepage.h"
#include "framework/shell/rich_edit_print.h"
#include "framework/ui/commondlg.h"
#include "framework/ui/gdi.h"
#include "framework/ui/printinfo.h"
#include "framework/ui/testhook.h"
#include "framework/ui/view.h"
#include "tests/support/pdf_output.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <set>
#include <string>

namespace {

using namespace pdf_output;

class PrintingView : public CView {
public:
    explicit PrintingView(HWND control) : m_control(control) {}

    void OnBeginPrinting(CDC *pDC, CPrintInfo *) override
    {
        ++begun;
        m_pages.Paginate(m_control, CSize(11906, 16838), CRect(1417, 1417, 1417, 1417), pDC->m_hDC);
        m_pages.SetPageTexts([](int, int) { return CString("Nagłówek: Zażółć gęślą jaźń"); },
                             [](int page, int count) {
                                 CString text;
                                 text.Format("Strona %d z %d", page, count);
                                 return text;
                             });
    }
    void OnPrint(CDC *pDC, CPrintInfo *pInfo) override
    {
        const int page = static_cast<int>(pInfo->m_nCurPage);
        m_pages.DrawPage(pDC->m_hDC, page, PrinterSheet(pDC->m_hDC));
        ++printed;
        if (page >= m_pages.PageCount())
            pInfo->SetMaxPage(page);
    }

    int PageCount() const { return m_pages.PageCount(); }
    int begun = 0;
    int printed = 0;

private:
    HWND m_control;
    CRichEditPages m_pages;
};

class PrintingTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_NE(nullptr, LoadLibraryW(L"MSFTEDIT.DLL")); }

    void SetUp() override
    {
        const char *out = getenv("MORVELANK_PRINT_OUTPUT_DIR");
        if (out == nullptr || *out == '\0')
            GTEST_SKIP() << "no PDF printer in this run";
        m_folder = L"Z:" + Cp1250ToWide(out);
        for (wchar_t &c : m_folder)
            c = c == L'/' ? L'\\' : c;
        m_control = CreateWindowExW(0, L"RICHEDIT50W", L"", WS_POPUP | ES_MULTILINE, 0, 0, 600, 400, nullptr, nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
        std::wstring text;
        for (int i = 1; i <= 150; ++i)
            text += L"Akapit " + std::to_wstring(i) + L": Zażółć gęślą jaźń.\r";
        SetWindowTextW(m_control, text.c_str());
    }
    void TearDown() override
    {
        if (m_control)
            DestroyWindow(m_control);
    }

    // The PDF the job left in the output folder, waited for until its size settles.
    std::string NewPdf(const std::set<std::wstring> &before)
    {
        for (int tries = 0; tries < 300; ++tries) {
            for (const std::wstring &name : PdfFiles(m_folder)) {
                if (before.count(name))
                    continue;
                std::string bytes = ReadBytes(m_folder + L"\\" + name);
                if (bytes.find("%%EOF") != std::string::npos) {
                    m_lastPdf = m_folder + L"\\" + name;
                    return bytes;
                }
            }
            Sleep(100);
        }
        return std::string();
    }

    std::wstring m_folder;
    std::wstring m_lastPdf;
    HWND m_control = nullptr;
};

TEST_F(PrintingTest, DirectPrintLandsAsPdfWithEveryPage)
{
    PrintingView view(m_control);
    CPrintInfo info;
    info.m_bDirect = TRUE;
    ASSERT_TRUE(view.OnPreparePrinting(&info)) << "no default printer";
    const std::set<std::wstring> before = PdfFiles(m_folder);
    ASSERT_TRUE(view.PrintTo(info));
    ASSERT_GE(view.PageCount(), 3);
    EXPECT_EQ(view.PageCount(), view.printed);
    EXPECT_EQ(static_cast<UINT>(view.PageCount()), info.GetMaxPage());

    const std::string pdf = NewPdf(before);
    ASSERT_FALSE(pdf.empty()) << "no PDF appeared";
    EXPECT_EQ(view.PageCount(), PdfPageCount(pdf));
    // The text itself is read back with pdftotext by the check that follows this test.
    FILE *note = _wfopen((m_folder + L"\\last-print-test.txt").c_str(), L"wb");
    if (note) {
        const CString path = WideToCp1250(m_lastPdf.substr(m_folder.size() + 1));
        fprintf(note, "%s\n%d\n", path.GetString(), view.PageCount());
        fclose(note);
    }
}

TEST_F(PrintingTest, CancelledPrintDialogPrintsNothing)
{
    CTestHook hook;
    hook.onCommonDialog = [](CCommonDialog &) -> INT_PTR { return IDCANCEL; };
    CTestHookScope scope(hook);
    PrintingView view(m_control);
    view.OnFilePrint();
    EXPECT_EQ(0, view.begun);
}

TEST_F(PrintingTest, AcceptedPrintDialogPrintsOnTheDefaultPrinter)
{
    CTestHook hook;
    int asked = 0;
    hook.onCommonDialog = [&](CCommonDialog &) -> INT_PTR {
        ++asked;
        return IDOK;
    };
    CTestHookScope scope(hook);
    PrintingView view(m_control);
    const std::set<std::wstring> before = PdfFiles(m_folder);
    view.OnFilePrint();
    EXPECT_EQ(1, asked);
    EXPECT_EQ(view.PageCount(), view.printed);
    EXPECT_EQ(view.PageCount(), PdfPageCount(NewPdf(before)));
}

} // namespace
