// Every printed document of the example proceeding and of a new proceeding in two parts, as
// printing lays it out (its page count, taken from the print path without printing) and as the
// RTF export writes it. The exports go into the folder MORVELANK_LAYOUT_OUTPUT names, each
// proceeding's list of them with their printed page counts into "<proceeding>.pages";
// check_exported_layout.sh lays the exports out in a word processor and compares.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>

#include "app/morvelank_app.h"
#include "document/view/morvelank_view.h"
#include "model/file_utils.h"
#include "model/view_tables.h"
#include "tests/install/installed_view_test.h"
#include "tests/support/printed_pages.h"

namespace {

const char kExampleName[] = "Dostawa tonerów";
const int kBasicMode = 13; // tryb podstawowy of the act of 2019

class PrintedLayout : public InstalledViewTest {
protected:
    void SetUp() override
    {
        InstalledViewTest::SetUp();
        if (HasFatalFailure())
            return;
        output = LayoutOutputFolder();
        ASSERT_FALSE(output.IsEmpty()) << "MORVELANK_LAYOUT_OUTPUT is not set";
        ASSERT_TRUE(CreateDirectoryPath(output));
        app.ExamplePath = app.MainPath + "\\example";
        view = MakeView();
    }

    // Every generated document, per-part ones for every part, as a print-all run prints them:
    // exported as "<proceeding>_<document>[_<part>].rtf" and listed in "<proceeding>.pages".
    void ExportEveryPrintedDocument(const char *proceeding)
    {
        const ReferenceDC reference;
        std::string list;
        const ViewTables &tables = *view->m_proceeding.m_tables;
        for (int document = 0; document < tables.m_nDocumentCount && document < kDocumentSlots; ++document) {
            if (tables.m_documents[document].state != kStateGenerated)
                continue;
            const bool perPart = view->IsPartDocument(document) != 0;
            const int parts = perPart ? std::min(std::max(tables.m_nParts, 1), kPartNames) : 1;
            for (int part = 0; part < parts; ++part) {
                messages.Empty();
                view->ShowDocument(document, perPart ? part : -1);
                const CString title = GetFileTitleNoExt(tables.m_documents[document].fileName);
                CString name;
                name.Format("%s_%02d_%s", proceeding, document, (LPCSTR)title);
                if (perPart)
                    name.AppendFormat("_%d", part + 1);
                name += ".rtf";
                const int printed = PrintedPages(*view, reference);
                EXPECT_TRUE(view->ExportToFile(output + "\\" + name)) << name;
                EXPECT_EQ("", std::string(messages)) << name;
                EXPECT_GT(printed, 0) << name;
                list += std::string(name) + "\t" + std::to_string(printed) + "\n";
            }
        }
        EXPECT_FALSE(list.empty());
        ASSERT_TRUE(WriteTextFile(output + "\\" + proceeding + ".pages", list.c_str()));
        RecordProperty("measured_with", reference.IsPrinter() ? "printer" : "screen");
    }

    CMorvelankView *view = nullptr;
    CString output;
};

TEST_F(PrintedLayout, ExampleProceeding)
{
    ASSERT_EQ(1, view->OpenProceeding(0, 1, kExampleName, CString(kExampleName) + ".baz")) << messages;
    ExportEveryPrintedDocument("przyklad");
}

TEST_F(PrintedLayout, NewProceedingInTwoParts)
{
    ASSERT_EQ(1, view->CreateProceeding(1, "Układ wydruku w dwóch częściach", 2, kBasicMode, 0, DefaultValues()))
        << messages;
    ExportEveryPrintedDocument("dwie_czesci");
}

} // namespace
