// Every printed document of the example proceeding and of a new proceeding in two parts, as
// printing lays it out (its page count, taken from the print path without printing) and as the
// RTF export writes it. The exports go into the folder MORVELANK_LAYOUT_OUTPUT names, each
// proceeding's list of them with their printed page counts into "<proceeding>.pages";
// check_exported_layout.sh lays the exports out in a word processor and compares.
#include <gtest/gtest.h>

#include <windows.h>
#include <commdlg.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/morvelank_app.h"
#include "document/view/morvelank_view.h"
#include "framework/ui/gdi.h"
#include "framework/ui/printinfo.h"
#include "model/file_utils.h"
#include "model/view_tables.h"
#include "tests/install/installed_view_test.h"

namespace {

const char kExampleName[] = "Dostawa tonerów";
const int kBasicMode = 13; // tryb podstawowy of the act of 2019

CString LayoutOutputFolder()
{
    const char *unixPath = std::getenv("MORVELANK_LAYOUT_OUTPUT");
    if (!unixPath)
        return CString();
    CString path = CString("Z:") + unixPath;
    path.Replace('/', '\\');
    return path;
}

// The default printer's information context, which printing measures with; the screen's when
// the run has no printer.
class ReferenceDC {
public:
    ReferenceDC()
    {
        PRINTDLGW dialog = {};
        dialog.lStructSize = sizeof dialog;
        dialog.Flags = PD_RETURNDEFAULT | PD_RETURNIC;
        if (PrintDlgW(&dialog) && dialog.hDC) {
            m_dc = dialog.hDC;
            m_printer = true;
        } else {
            m_dc = GetDC(nullptr);
        }
        GlobalFree(dialog.hDevMode);
        GlobalFree(dialog.hDevNames);
    }
    ~ReferenceDC()
    {
        if (m_printer)
            DeleteDC(m_dc);
        else
            ReleaseDC(nullptr, m_dc);
    }
    ReferenceDC(const ReferenceDC &) = delete;
    ReferenceDC &operator=(const ReferenceDC &) = delete;

    HDC Handle() const { return m_dc; }
    bool IsPrinter() const { return m_printer; }

private:
    HDC m_dc = nullptr;
    bool m_printer = false;
};

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

    // The page count printing gives the shown document.
    int PrintedPages(const ReferenceDC &reference)
    {
        CDC dc;
        dc.m_hAttribDC = reference.Handle();
        dc.m_bPrinting = TRUE;
        CPrintInfo info;
        view->OnBeginPrinting(&dc, &info);
        const int pages = static_cast<int>(info.GetMaxPage());
        view->OnEndPrinting(&dc, &info);
        dc.m_hAttribDC = nullptr;
        return pages;
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
                const int printed = PrintedPages(reference);
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
