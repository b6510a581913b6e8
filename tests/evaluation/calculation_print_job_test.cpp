// The print command of the evaluation printouts under the test hook: a cancelled dialog, a
// device that refuses the document, and (when the run has the PDF printer) a real job.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include "app/number_format.h"
#include "evaluation/criteria/calculation_print.h"
#include "framework/core/codepage.h"
#include "framework/ui/commondlg.h"
#include "framework/ui/testhook.h"
#include "tests/support/pdf_output.h"

namespace {

using namespace pdf_output;

struct Answers {
    int dialogs = 0;
    int composed = 0;
    std::vector<std::string> messages;
    CTestHook hook;

    explicit Answers(std::function<INT_PTR(CPrintDialog &)> answer)
    {
        hook.onCommonDialog = [this, answer](CCommonDialog &dialog) -> INT_PTR {
            ++dialogs;
            return answer(dynamic_cast<CPrintDialog &>(dialog));
        };
        hook.onMessageBox = [this](const CString &text, const CString &, UINT) {
            messages.push_back(text.GetString());
            return IDOK;
        };
    }
    std::function<void(CalculationPages &)> Compose(const PriceCalculationPrint &print)
    {
        return [this, &print](CalculationPages &pages) {
            ++composed;
            ComposePriceCalculation(pages, print);
        };
    }
};

PriceCalculationPrint EightOffers()
{
    PriceCalculationPrint print;
    print.header.caseNumber = "ZP.271.9.2026";
    print.header.date = "2026-04-01";
    print.header.weight = "80";
    print.header.offerCount = "8";
    for (int i = 1; i <= 8; ++i)
        print.rows.push_back({IntToStr(i), "Wykonawca " + IntToStr(i), "100.00", "100.00", "80.00", ""});
    return print;
}

} // namespace

TEST(CalculationPrintJob, CancelledDialogPrintsNothing)
{
    const PriceCalculationPrint print = EightOffers();
    Answers answers([](CPrintDialog &) -> INT_PTR { return IDCANCEL; });
    CTestHookScope scope(answers.hook);
    PrintCalculation(nullptr, answers.Compose(print));
    EXPECT_EQ(1, answers.dialogs);
    EXPECT_EQ(0, answers.composed);
    EXPECT_TRUE(answers.messages.empty());
}

TEST(CalculationPrintJob, DeviceRefusingTheDocumentIsReportedAndNothingIsComposed)
{
    const PriceCalculationPrint print = EightOffers();
    // A memory DC stands for a printer that cannot start a document.
    Answers answers([](CPrintDialog &dialog) -> INT_PTR {
        dialog.m_pd.hDC = ::CreateCompatibleDC(nullptr);
        return IDOK;
    });
    CTestHookScope scope(answers.hook);
    PrintCalculation(nullptr, answers.Compose(print));
    EXPECT_EQ(0, answers.composed);
    ASSERT_EQ(1u, answers.messages.size());
    EXPECT_EQ("Bład drukowania.", answers.messages[0]);
}

TEST(CalculationPrintJob, PrintsOnTheChosenPrinterPageByPage)
{
    const char *out = getenv("MORVELANK_PRINT_OUTPUT_DIR");
    if (out == nullptr || *out == '\0')
        GTEST_SKIP() << "no PDF printer in this run";
    std::wstring folder = L"Z:" + Cp1250ToWide(out);
    for (wchar_t &c : folder)
        c = c == L'/' ? L'\\' : c;

    const PriceCalculationPrint print = EightOffers();
    Answers answers([](CPrintDialog &) -> INT_PTR { return IDOK; });
    CTestHookScope scope(answers.hook);
    const std::set<std::wstring> before = PdfFiles(folder);
    PrintCalculation(nullptr, answers.Compose(print));
    EXPECT_EQ(1, answers.composed);
    EXPECT_TRUE(answers.messages.empty());

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
    // Eight price rows of 1.2 inches: six on the first page, two on the second; no empty page.
    EXPECT_EQ(2, PdfPageCount(pdf));
}
