// What leaves the program is what the screen shows: the shipped example and a new two-part
// proceeding, each document cleaned for output as printing and export clean it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/file_utils.h"
#include "model/view_tables.h"
#include "document/view/morvelank_view.h"
#include "document/output/export_text.h"
#include "document/engine/rich_edit_text.h"
#include "framework/core/codepage.h"
#include "framework/shell/rich_text_layout.h"
#include "framework/ui/testhook.h"
#include "mainframe/main_frame.h"
#include "mainframe/wizard/kreator_dlg.h"
#include "proceeding/frame/child_frame.h"
#include "framework/ui/commondlg.h"
#include "framework/ui/framewnd.h"
#include "res/proceeding_ids.h"
#include "res/resource.h"
#include "res/wizard_ids.h"
#include "tests/installed_program/installed_main_window.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/output_checks.h"
#include "tests/support/test_folder.h"

namespace {

class OutputRoad : public ::testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        m_root.Format("%smorvelank_wyjscie_%lu_%lu", temp, GetCurrentProcessId(), GetTickCount());
        TestFolder::RemoveTree(m_root);
        CopyInstallation(app, m_root);
        if (HasFatalFailure())
            return;
        app.SchedulePath = app.MainPath + "\\terminarz";
        CreateDirectoryPath(app.SchedulePath);
        app.ExamplePath = app.MainPath + "\\example";

        hook.onMessageBox = [this](const CString &text, const CString &caption, UINT) {
            messages += caption + ": " + text + "\n";
            return IDOK;
        };
        hook.onDialog = [](CDialog &dialog) {
            if (auto *wizard = dynamic_cast<CKreatorDlg *>(&dialog))
                AnswerWizard(*wizard);
        };
        scope = std::make_unique<CTestHookScope>(hook);
        frame = OpenMainWindow(app);
        ASSERT_NE(frame, nullptr);
    }

    void TearDown() override
    {
        if (app.ProceedingWindow)
            app.ProceedingWindow->SendMessage(WM_CLOSE);
        CloseMainWindow(app, frame);
        scope.reset();
        TestFolder::RemoveTree(m_root);
    }

    // The basic procedure without negotiations, in two parts.
    static void AnswerWizard(CKreatorDlg &wizard)
    {
        auto page = [&wizard]() { return wizard.GetActivePage(); };
        DialogDriver::Press(wizard, IDC_WIZARD_NEXT);
        page()->CheckRadioButton(IDC_MODE_FIRST, IDC_MODE_LAST, IDC_MODE_3);
        DialogDriver::Press(wizard, IDC_WIZARD_NEXT);
        DialogDriver::Press(wizard, IDC_WIZARD_NEXT);
        static int made = 0;
        CString name;
        name.Format("Remont szkoły %d", ++made);
        page()->SetDlgItemText(IDC_PROJECT_NAME, name);
        page()->CheckRadioButton(IDC_PROJECT_ONE_TASK, IDC_PROJECT_MANY_TASKS, IDC_PROJECT_MANY_TASKS);
        page()->SetDlgItemText(IDC_PROJECT_COUNT, "2");
        DialogDriver::Press(wizard, IDC_WIZARD_NEXT);
    }

    CMorvelankView *View() const
    {
        auto *child = dynamic_cast<CChildFrame *>(app.ProceedingWindow);
        return child ? dynamic_cast<CMorvelankView *>(child->GetView()) : nullptr;
    }

    CMorvelankView *OpenExample()
    {
        frame->SendMessage(WM_COMMAND, ID_PRZYKLADOWE);
        return View();
    }

    CMorvelankView *OpenNewTwoPartProceeding()
    {
        frame->NewProject();
        return View();
    }

    static CString Shown(CMorvelankView &view) { return RichEditText(view.GetSafeHwnd()).GetPlainText(); }

    // The text output would carry; the view shows its document again afterwards.
    static CString Cleaned(CMorvelankView &view)
    {
        view.PrepareExportText();
        const CString cleaned = Shown(view);
        view.RegenerateAfterOutput();
        return cleaned;
    }

    static void Choose(CMorvelankView &view, int chosen, int other)
    {
        view.m_proceeding.m_tables->m_variables[chosen].selected = 1;
        view.m_proceeding.m_tables->m_variables[other].selected = 0;
    }

    static int FindSwz(const CMorvelankView &view)
    {
        for (int i = 0; i < view.m_proceeding.m_tables->m_nDocumentCount; ++i)
            if (view.m_proceeding.m_tables->m_documents[i].fileName.CompareNoCase("wspolne\\swz.rtf") == 0)
                return i;
        return -1;
    }

    CMorvelankApp app;
    CTestHook hook;
    std::unique_ptr<CTestHookScope> scope;
    CMainFrame *frame = nullptr;
    CString m_root;
    CString messages;
};

// Option groups of the specification: wadium (126 required, 127 not), performance bond (128,
// 129) and similar orders (130, 131).
TEST_F(OutputRoad, SpecificationKeepsTheChosenOptionsAndDropsTheDisabledBlocks)
{
    for (bool twoParts : {false, true}) {
        SCOPED_TRACE(twoParts ? "two parts" : "example");
        CMorvelankView *view = twoParts ? OpenNewTwoPartProceeding() : OpenExample();
        ASSERT_NE(view, nullptr) << messages;
        const int swz = FindSwz(*view);
        ASSERT_GE(swz, 0);
        Choose(*view, 127, 126);
        Choose(*view, 129, 128);
        Choose(*view, 131, 130);
        view->ShowDocument(swz, -1);
        const CString shown = Shown(*view);
        ASSERT_GE(shown.Find(" [o] Zamawiający nie wymaga wniesienia wadium."), 0);

        const CString cleaned = Cleaned(*view);
        EXPECT_EQ("", OutputFaults(cleaned)) << cleaned;
        for (const char *kept : {"\rZamawiający nie wymaga wniesienia wadium.\r",
                                 "\rZamawiający nie wymaga wniesienia zabezpieczenia należytego wykonania umowy.\r",
                                 "6.\tZamawiający nie przewiduje udzielenia zamówień, o których mowa w art. 214 ust. 1 pkt 7 ustawy Pzp.\r"})
            EXPECT_GE(cleaned.Find(kept), 0) << kept;
        for (const char *dropped : {"Zamawiający wymaga wniesienia wadium", "Wadium wnosi", "Wadium może",
                                    "część 1:", "Zabezpieczenie ustala", "w zakresie:", "2 000.00"})
            EXPECT_LT(cleaned.Find(dropped), 0) << dropped;
        EXPECT_EQ(shown, Shown(*view)) << "the document is shown again after the output";

        // The other choice of each group: its text stays, the numbered points with it.
        Choose(*view, 126, 127);
        Choose(*view, 128, 129);
        view->ShowDocument(swz, -1);
        const CString required = Cleaned(*view);
        EXPECT_EQ("", OutputFaults(required)) << required;
        for (const char *kept : {"\rZamawiający wymaga wniesienia wadium.\r", "\r1.\tWadium wnosi się",
                                 "2.\tWadium może", "Zabezpieczenie ustala się"})
            EXPECT_GE(required.Find(kept), 0) << kept;
        EXPECT_LT(required.Find("nie wymaga wniesienia wadium"), 0);
        if (twoParts) {
            EXPECT_GE(required.Find("część 2:"), 0);
        }
        app.ProceedingWindow->SendMessage(WM_CLOSE);
        ASSERT_EQ(nullptr, app.ProceedingWindow);
    }
}

// Every generated document of both proceedings, every part of a per-part one.
TEST_F(OutputRoad, EveryDocumentLeavesWithoutMarksMarkersOrLoneNumbers)
{
    for (bool twoParts : {false, true}) {
        CMorvelankView *view = twoParts ? OpenNewTwoPartProceeding() : OpenExample();
        ASSERT_NE(view, nullptr) << messages;
        const ViewTables &tables = *view->m_proceeding.m_tables;
        for (int i = 0; i < tables.m_nDocumentCount; ++i) {
            if (tables.m_documents[i].state != kStateGenerated)
                continue;
            const int parts = view->IsPartDocument(i) ? std::max(tables.m_nParts, 1) : 1;
            for (int part = 0; part < parts; ++part) {
                view->ShowDocument(i, parts > 1 ? part : -1);
                const CString cleaned = Cleaned(*view);
                EXPECT_EQ("", OutputFaults(cleaned)) << (twoParts ? "two parts: " : "example: ")
                                                     << tables.m_documents[i].fileName.GetString() << " part " << part;
            }
        }
        app.ProceedingWindow->SendMessage(WM_CLOSE);
        ASSERT_EQ(nullptr, app.ProceedingWindow);
    }
}

// The specification's criteria table and the offer form's price table, exported as RTF: every
// row has its cells with edges that grow within the page.
TEST_F(OutputRoad, ExportedTableRowsAreWhole)
{
    CMorvelankView *view = OpenExample();
    ASSERT_NE(view, nullptr) << messages;
    const CString target = m_root + "\\eksport.rtf";
    for (const char *document : {"wspolne\\swz.rtf", "wspolne\\formularz_oferty.rtf"}) {
        const int index = view->FindDocument(document);
        ASSERT_GE(index, 0) << document;
        view->ShowDocument(index, -1);
        ASSERT_EQ(1, view->ExportToFile(target)) << messages;
        const std::vector<RtfRow> rows = RtfRows(ReadFileToString(target).GetString());
        ASSERT_GE(rows.size(), 3u) << document;
        EXPECT_EQ("", TableRowFaults(rows)) << document;
    }
}

// "Drukuj wszystko" through the window's command: every part's document is printed in a job
// named after it, and afterwards the proceeding saves with Ctrl+S and with "Tak" at closing.
TEST_F(OutputRoad, PrintAllPrintsEveryPartAndLeavesTheProceedingSavable)
{
    const char *out = getenv("MORVELANK_PRINT_OUTPUT_DIR");
    if (out == nullptr || *out == '\0')
        GTEST_SKIP() << "no PDF printer in this run";
    CMorvelankView *view = OpenNewTwoPartProceeding();
    ASSERT_NE(view, nullptr) << messages;
    const ViewTables &tables = *view->m_proceeding.m_tables;
    ASSERT_EQ(2, tables.m_nParts);
    std::vector<CString> jobs;
    for (int i = 0; i < tables.m_nDocumentCount; ++i) {
        if (tables.m_documents[i].state != kStateGenerated)
            continue;
        const CString name = tables.m_documents[i].displayName;
        if (view->IsPartDocument(i)) {
            for (int part = 0; part < tables.m_nParts; ++part)
                jobs.push_back(name + " (" + tables.m_partNames[part] + ")");
        } else {
            jobs.push_back(name);
        }
    }
    ASSERT_GT(jobs.size(), 2u);

    std::vector<CString> printed;
    int asked = 0;
    hook.onCommonDialog = [&](CCommonDialog &) -> INT_PTR {
        ++asked;
        return IDOK;
    };
    hook.onPrintJob = [&](const CString &title) { printed.push_back(title); };
    const int shownDocument = view->GetCurrentDocument();
    // The menu's command, with the document (not the tree) the window's active view.
    static_cast<CFrameWnd *>(app.ProceedingWindow)->SetActiveView(view);
    frame->SendMessage(WM_COMMAND, ID_DRUKUJ_WSZYSTKO);
    EXPECT_EQ(1, asked);
    EXPECT_EQ(jobs, printed);
    EXPECT_EQ(shownDocument, view->GetCurrentDocument());

    const CString record = view->m_proceeding.m_project.GetProjectFilePath();
    ASSERT_TRUE(FileExists(record)) << record.GetString();
    DeleteFileA(record);
    view->SetModified();
    frame->SendMessage(WM_COMMAND, ID_ZAPISZ_POSTEPOWANIE);
    EXPECT_TRUE(FileExists(record)) << "Ctrl+S after printing saves";

    DeleteFileA(record);
    view->SetModified();
    hook.onMessageBox = [this](const CString &text, const CString &caption, UINT) {
        messages += caption + ": " + text + "\n";
        return IDYES;
    };
    app.ProceedingWindow->SendMessage(WM_CLOSE);
    EXPECT_EQ(nullptr, app.ProceedingWindow) << "\"Tak\" closes the window";
    EXPECT_TRUE(FileExists(record)) << "\"Tak\" saves";
}

} // namespace

// A page break the user put in the specification leaves as a real page break: the exported RTF
// carries \page in place of the marker line, and on paper the text after it starts a page.
TEST_F(OutputRoad, UsersPageBreakStartsAPrintedPage)
{
    CMorvelankView *view = OpenNewTwoPartProceeding();
    ASSERT_NE(view, nullptr) << messages;
    const int index = view->FindDocument("wspolne\\swz.rtf");
    ASSERT_GE(index, 0);
    view->ShowDocument(index, -1);
    RichEditText control(view->m_hWnd);
    const std::string plain = control.GetPlainText().GetString();
    // The first paragraph start past the middle that takes a break (not a variable).
    std::string following;
    for (size_t at = plain.find('\r', plain.size() / 2);
         at != std::string::npos && view->m_proceeding.m_tables->m_nPageBreaks == 0; at = plain.find('\r', at + 1)) {
        const size_t end = plain.find('\r', at + 1);
        following = plain.substr(at + 1, end == std::string::npos ? std::string::npos : end - at - 1);
        if (following.size() < 20 || following.find('\t') != std::string::npos)
            continue;
        control.SetSel(static_cast<int>(at + 1), static_cast<int>(at + 1));
        view->OnInsertPageBreak();
    }
    ASSERT_EQ(1, view->m_proceeding.m_tables->m_nPageBreaks);

    const CString target = m_root + "\\podzial.rtf";
    ASSERT_EQ(1, view->ExportToFile(target)) << messages;
    const std::string rtf = ReadFileToString(target).GetString();
    EXPECT_NE(std::string::npos, rtf.find("\\page")) << "the break is in the file";
    EXPECT_EQ(std::string::npos, rtf.find("podzia")) << "the marker line is not";
    EXPECT_EQ(std::string::npos, rtf.find(PageBreakStandIn));

    RichTextPageSize size;
    HDC screen = GetDC(nullptr);
    const RichTextLayout pages(RichTextDocument::FromRtf(rtf), size, screen);
    ReleaseDC(nullptr, screen);
    const std::wstring start = Cp1250ToWide(CString(following.substr(0, 15).c_str()));
    int startsAPage = 0;
    for (int page = 1; page <= pages.PageCount(); ++page) {
        const std::vector<RichTextLineInfo> lines = pages.PageLines(page);
        for (const RichTextLineInfo &line : lines)
            EXPECT_EQ(std::wstring::npos, line.text.find(L"podział strony")) << page;
        for (const RichTextLineInfo &line : lines) {
            if (line.text.find_first_not_of(L" \t") == std::wstring::npos)
                continue;
            startsAPage += line.text.compare(0, start.size(), start) == 0 ? 1 : 0;
            break;
        }
    }
    EXPECT_EQ(1, startsAPage) << "\"" << following << "\" starts a page";
}
