#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "model/file_utils.h"
#include "model/view_tables.h"
#include "model/law_versions.h"
#include "document/view/morvelank_doc.h"
#include "document/view/morvelank_view.h"
#include "fixture_path.h"

namespace {

// A proceeding view in a parent window, its templates in a temporary installation made of the
// fixtures: document 0 is tags.rtf, document 1 an editable pagebreak.rtf.
class ProceedingViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateEx(0, nullptr, "postepowanie", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr));
        doc = new CMorvelankDoc;
        view = new CMorvelankView;
        CCreateContext context;
        context.m_pCurrentDoc = doc;
        ASSERT_TRUE(view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, RECT{0, 0, 800, 600}, &parent,
                                 AFX_IDW_PANE_FIRST, &context));
        view->OnInitialUpdate();

        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        view->m_proceeding.m_files.m_strMainPath.Format("%smorvelank_widok_%lu", temp, GetCurrentProcessId());
        const CString templates =
            LawVersions::GetTemplateFolder(view->m_proceeding.m_files.m_strMainPath, "", -1) + "\\1";
        ASSERT_TRUE(CreateDirectoryPath(templates));
        for (const char *name : {"tags.rtf", "pagebreak.rtf"})
            ASSERT_TRUE(
                CopyFileA(FixturePath((std::string("engine/") + name).c_str()), templates + "\\" + name, FALSE));

        ViewTables &tables = *view->m_proceeding.m_tables;
        tables.m_documents[0].fileName = "tags.rtf";
        tables.m_documents[0].displayName = "Specyfikacja istotnych warunków zamówienia";
        tables.m_documents[1].fileName = "pagebreak.rtf";
        tables.m_documents[1].state = kStateEditable;
        tables.m_nDocumentCount = 2;
        tables.m_variables[1005].type = 0;
        tables.m_variables[1005].value = "Kowalski";
    }

    void TearDown() override
    {
        parent.DestroyWindow(); // the view goes with it, and the document with its last view
    }

    std::string Plain() const { return RichEditText(view->GetSafeHwnd()).GetPlainText().GetString(); }
    bool ReadOnly() const { return (view->GetStyle() & ES_READONLY) != 0; }

    CWnd parent;
    CMorvelankDoc *doc = nullptr;   // deletes itself with its view
    CMorvelankView *view = nullptr; // deletes itself with its window
};

TEST_F(ProceedingViewTest, ShowsADocumentFromItsTemplate)
{
    EXPECT_EQ(-1, view->GetDocumentState(-1)) << "nothing shown yet";
    view->ShowDocument(0, -1);
    EXPECT_EQ(0u, Plain().find("Przedmiot\rNazwa: Kowalski.\r"));
    EXPECT_EQ(0, view->GetCurrentDocument());
    EXPECT_EQ(0, view->GetDocumentState(-1));
    EXPECT_EQ(1, view->IsSiwz(0));
    EXPECT_TRUE(ReadOnly());
    EXPECT_EQ(1005, view->m_proceeding.m_tables->m_occurrences.Block(0)->Variable(0)->variable);

    EXPECT_EQ(1, view->FindDocument("pagebreak.rtf"));
    EXPECT_EQ(-1, view->FindDocument("PAGEBREAK.RTF"));
    EXPECT_EQ(-1, view->GetDocumentState(kDocumentSlots));
    EXPECT_EQ(0, view->IsPartDocument(0)) << "undivided";
}

// What the user typed into an editable document survives showing another document.
TEST_F(ProceedingViewTest, EditableDocumentKeepsWhatWasTyped)
{
    view->ShowDocument(1, -1);
    EXPECT_FALSE(ReadOnly());
    RichEditText text(view->GetSafeHwnd());
    text.SetSel(0, 0);
    text.ReplaceSel("Wpisane. ");
    view->ShowDocument(0, -1);
    EXPECT_EQ(std::string::npos, Plain().find("Wpisane."));
    view->ShowDocument(1, -1);
    EXPECT_EQ(0u, Plain().find("Wpisane. Przed Kowalski|"));
}

} // namespace
