// The layout command of a divided proceeding: the parts come back from the layout question and
// the shown document is generated again with them.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/file_utils.h"
#include "app/law_versions.h"
#include "document/morvelank_doc.h"
#include "document/morvelank_view.h"
#include "document/proceeding_prompts.h"
#include "fixture_path.h"

namespace {

// Answers the layout question with the parts the test set; the other questions are not asked.
class LayoutAnswer : public ProceedingPrompts {
public:
    bool AskPassword(CWnd *, const CString &) override { return false; }
    CString ChooseProtection(CWnd *) override { return CString(); }
    bool AskProceedingName(CWnd *, CString &) override { return false; }
    bool AskNewPassword(CWnd *, const CString &, CString &) override { return false; }
    bool EditDocumentProperties(CWnd *, const ViewTables &, int[kDocumentSlots], bool &) override { return false; }
    bool EditPartLayout(CWnd *, bool firstFixed, PartLayout &layout) override
    {
        asked = layout;
        askedFirstFixed = firstFixed;
        if (!ok)
            return false;
        layout = answer;
        return true;
    }

    bool ok = true;
    PartLayout answer;
    PartLayout asked;
    bool askedFirstFixed = true;
};

class ViewPartsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetProceedingPrompts(&prompts);
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
        view->m_files.m_strMainPath.Format("%smorvelank_czesci_%lu", temp, GetCurrentProcessId());
        const CString templates = LawVersions::GetTemplateFolder(view->m_files.m_strMainPath, "", -1) + "\\1";
        ASSERT_TRUE(CreateDirectoryPath(templates));
        ASSERT_TRUE(CopyFileA(FixturePath("engine/parts.rtf"), templates + "\\parts.rtf", FALSE));

        ViewTables &tables = *view->m_tables;
        tables.m_documents[0].fileName = "parts.rtf";
        tables.m_documents[0].displayName = "Specyfikacja";
        tables.m_nDocumentCount = 1;
        tables.m_variables[1005].type = 0;
        tables.m_variables[1005].value = "100";
        view->m_nProcedureCode = 101;
    }

    void TearDown() override
    {
        parent.DestroyWindow();
        SetProceedingPrompts(nullptr);
    }

    std::string Plain() const { return RichEditText(view->GetSafeHwnd()).GetPlainText().GetString(); }
    static PartLayout Layout(std::initializer_list<std::pair<const char *, int>> parts)
    {
        PartLayout layout;
        for (const auto &part : parts) {
            layout.names.push_back(part.first);
            layout.active.push_back(part.second);
        }
        return layout;
    }

    LayoutAnswer prompts;
    CWnd parent;
    CMorvelankDoc *doc = nullptr;
    CMorvelankView *view = nullptr;
};

TEST_F(ViewPartsTest, UndividedProceedingGetsTwoPartsAndLosesTheSecondAgain)
{
    view->ShowDocument(0, -1);
    EXPECT_EQ("Przetarg jednolity\rZadanie 1: 100\rKoniec", Plain());

    prompts.answer = Layout({{"Drogi", 1}, {"Mosty", 1}});
    view->RegenerateDocument();
    EXPECT_TRUE(prompts.asked.names.empty()) << "an undivided proceeding has no parts to list";
    EXPECT_FALSE(prompts.askedFirstFixed) << "from the command the first part may be deleted";
    const ViewTables &tables = *view->m_tables;
    EXPECT_EQ(2, tables.m_nParts);
    EXPECT_STREQ("Mosty", tables.m_partNames[1]);
    EXPECT_EQ(1, tables.m_instanceFlags[1]);
    EXPECT_EQ("Przetarg w czesciach\rZadanie 1: 100\rZadanie 2: 100\rKoniec", Plain());
    EXPECT_NE(0u, view->GetStyle() & WS_VISIBLE) << "shown again";
    EXPECT_TRUE(view->IsModified());

    prompts.answer = Layout({{"Drogi", 1}, {"Mosty", 0}});
    view->RegenerateDocument();
    EXPECT_EQ(2u, prompts.asked.names.size());
    EXPECT_EQ(1, prompts.asked.active[1]);
    EXPECT_EQ(2, tables.m_nParts) << "a deleted part keeps its place";
    EXPECT_EQ(0, tables.m_instanceFlags[1]);
    EXPECT_EQ("Przetarg w czesciach\rZadanie 1: 100\rKoniec", Plain());
}

TEST_F(ViewPartsTest, CancelOrNoPartChangesNothing)
{
    struct Case {
        bool ok;
        PartLayout answer;
    };
    const Case cases[] = {{false, Layout({{"Drogi", 1}})}, {true, PartLayout()}};
    for (const Case &c : cases) {
        view->m_bModified = 0;
        view->ShowDocument(0, -1);
        prompts.ok = c.ok;
        prompts.answer = c.answer;
        view->RegenerateDocument();
        EXPECT_EQ(-1, view->m_tables->m_nParts);
        EXPECT_FALSE(view->IsModified());
        EXPECT_EQ("Przetarg jednolity\rZadanie 1: 100\rKoniec", Plain());
    }
}

} // namespace
