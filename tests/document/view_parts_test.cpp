// The layout command of a divided proceeding: the parts come back from the layout question and
// the shown document is generated again with them. The evaluation calculators: the record goes
// to the calculator and the one it hands back is the proceeding's.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "model/file_utils.h"
#include "model/view_tables.h"
#include "model/law_versions.h"
#include "model/criteria_data.h"
#include "document/view/morvelank_doc.h"
#include "document/view/morvelank_view.h"
#include "document/view/proceeding_prompts.h"
#include "fixture_path.h"

namespace {

// Answers the layout question with the parts the test set; the other questions are not asked.
class LayoutAnswer : public ProceedingPrompts {
public:
    bool AskPassword(CWnd *, const CString &) override { return false; }
    CString ChooseProtection(CWnd *) override { return CString(); }
    bool AskProceedingName(CWnd *, CString &) override { return false; }
    bool AskNewPassword(CWnd *, const CString &, CString &) override { return false; }
    bool EditDocumentProperties(CWnd *, const DocumentSlot (&)[kDocumentSlots], int[kDocumentSlots], bool &) override { return false; }
    bool EditPartLayout(CWnd *, bool firstFixed, PartLayout &layout) override
    {
        asked = layout;
        askedFirstFixed = firstFixed;
        if (!ok)
            return false;
        layout = answer;
        return true;
    }

    CCriteriaData *RunCriteriaCalculator(CWnd *parent, int type, CCriteriaData *record) override
    {
        calculators.push_back({parent, type, record});
        return calculatorAnswer ? calculatorAnswer : record;
    }

    void RunSpecificationWizard(CWnd *, const InsertTextFunction &insertText) override
    {
        for (const Insertion &insertion : insertions)
            insertText(insertion.where, insertion.text, insertion.bold);
    }

    struct Insertion {
        int where;
        CString text;
        int bold;
    };
    std::vector<Insertion> insertions;

    struct CalculatorRun {
        CWnd *parent;
        int type;
        CCriteriaData *record;
    };
    std::vector<CalculatorRun> calculators;
    CCriteriaData *calculatorAnswer = nullptr;

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
        view->m_proceeding.m_files.m_strMainPath.Format("%smorvelank_czesci_%lu", temp, GetCurrentProcessId());
        const CString templates =
            LawVersions::GetTemplateFolder(view->m_proceeding.m_files.m_strMainPath, "", -1) + "\\1";
        ASSERT_TRUE(CreateDirectoryPath(templates));
        ASSERT_TRUE(CopyFileA(FixturePath("engine/parts.rtf"), templates + "\\parts.rtf", FALSE));

        ViewTables &tables = *view->m_proceeding.m_tables;
        tables.m_documents[0].fileName = "parts.rtf";
        tables.m_documents[0].displayName = "Specyfikacja";
        tables.m_nDocumentCount = 1;
        tables.m_variables[1005].type = 0;
        tables.m_variables[1005].value = "100";
        view->m_proceeding.m_nProcedureCode = 101;
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
    const ViewTables &tables = *view->m_proceeding.m_tables;
    EXPECT_EQ(2, tables.m_nParts);
    EXPECT_STREQ("Mosty", tables.m_partNames[1]);
    EXPECT_EQ(1, tables.m_partFlags[1]);
    EXPECT_EQ("Przetarg w czesciach\rZadanie 1: 100\rZadanie 2: 100\rKoniec", Plain());
    EXPECT_NE(0u, view->GetStyle() & WS_VISIBLE) << "shown again";
    EXPECT_TRUE(view->IsModified());

    prompts.answer = Layout({{"Drogi", 1}, {"Mosty", 0}});
    view->RegenerateDocument();
    EXPECT_EQ(2u, prompts.asked.names.size());
    EXPECT_EQ(1, prompts.asked.active[1]);
    EXPECT_EQ(2, tables.m_nParts) << "a deleted part keeps its place";
    EXPECT_EQ(0, tables.m_partFlags[1]);
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
        view->m_proceeding.m_bModified = 0;
        view->ShowDocument(0, -1);
        prompts.ok = c.ok;
        prompts.answer = c.answer;
        view->RegenerateDocument();
        EXPECT_EQ(-1, view->m_proceeding.m_tables->m_nParts);
        EXPECT_FALSE(view->IsModified());
        EXPECT_EQ("Przetarg jednolity\rZadanie 1: 100\rKoniec", Plain());
    }
}

TEST_F(ViewPartsTest, CalculatorGetsTheRecordAndTheProceedingIsChangedWhateverItDid)
{
    for (int type = 0; type < kCriteriaCalculators; ++type) {
        view->m_proceeding.m_bModified = 0;
        CCriteriaData *record = view->m_proceeding.m_project.m_pCriteria;
        view->ShowCriteriaCalculator(type);
        ASSERT_EQ(static_cast<size_t>(type + 1), prompts.calculators.size());
        EXPECT_EQ(type, prompts.calculators.back().type);
        EXPECT_EQ(record, prompts.calculators.back().record);
        EXPECT_EQ(view, prompts.calculators.back().parent);
        EXPECT_EQ(record, view->m_proceeding.m_project.m_pCriteria);
        EXPECT_TRUE(view->IsModified()) << "closed with Cancel, the record may still have changed";
    }

    // The record the calculator holds when it closes becomes the proceeding's.
    CCriteriaData *previous = view->m_proceeding.m_project.m_pCriteria;
    auto *replacement = new CCriteriaData;
    prompts.calculatorAnswer = replacement;
    view->ShowCriteriaCalculator(2);
    EXPECT_EQ(replacement, view->m_proceeding.m_project.m_pCriteria);
    delete previous;

    // A type without a calculator opens nothing, yet marks the proceeding changed.
    for (int type : {-1, kCriteriaCalculators}) {
        view->m_proceeding.m_bModified = 0;
        const size_t runs = prompts.calculators.size();
        view->ShowCriteriaCalculator(type);
        EXPECT_EQ(runs, prompts.calculators.size());
        EXPECT_TRUE(view->IsModified());
    }
}

TEST_F(ViewPartsTest, SpecificationWizardWritesOnlyIntoTheEditableDocument)
{
    prompts.insertions = {{1, "Wymagania\n", 1}, {1, "Opis", 0}, {-1, "Na start ", 0}};
    view->ShowDocument(0, -1);
    const std::string generated = Plain();
    view->m_proceeding.m_bModified = 0;
    view->RunSpecificationWizard();
    EXPECT_EQ(generated, Plain()) << "a generated document takes nothing";
    EXPECT_FALSE(view->IsModified());

    // The editable document's sample text goes at the first insertion.
    view->m_proceeding.m_tables->m_documents[0].state = 2;
    view->m_proceeding.m_files.m_bClearOnFirstClick = 1;
    view->RunSpecificationWizard();
    EXPECT_EQ("Na start Wymagania\rOpis", Plain());
    EXPECT_TRUE(view->IsModified());
    EXPECT_EQ(0, view->m_proceeding.m_files.m_bClearOnFirstClick);

    const RichEditText control(view->GetSafeHwnd());
    const struct {
        int start;
        bool bold;
    } runs[] = {{9, true}, {19, false}, {0, false}};
    for (const auto &run : runs) {
        control.SetSel(run.start, run.start + 1);
        EXPECT_EQ(run.bold, (control.GetSelectionFormat().dwEffects & CFE_BOLD) != 0) << run.start;
    }
}

} // namespace
