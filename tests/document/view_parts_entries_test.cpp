// A divided proceeding whose documents also repeat a block per entry: deleting a part in the
// layout dialog takes that part out of the per-part blocks and leaves the entries of every
// per-entry block and their instances alone, before and after saving and reopening.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "model/file_utils.h"
#include "model/view_tables.h"
#include "model/law_versions.h"
#include "app/morvelank_app.h"
#include "data_file_fixture.h"
#include "document/engine/repeated_blocks.h"
#include "document/view/morvelank_view.h"
#include "document/view/proceeding_prompts.h"
#include "document/view/repeat_entries.h"
#include "document/view/value_editor_runner.h"
#include "framework/ui/testhook.h"
#include "tests/document/proceeding_view_window.h"
#include "tests/support/test_folder.h"

namespace {

const int kCode = 162; // templates in the version's folder "63"
const int kVersion = 114;

const int kPartsBlock = 200; // per-part block
const int kPartScope = 201;
const int kCommittee = 300; // per-entry block
const int kMemberName = 301;
const int kMemberRole = 302;

const char kCommitteeDoc[] = "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset238 Arial;}}\\f0\\fs20 "
                             "Komisja:\\par\n<%300><!301>osoba</301> - <!302>funkcja</302>\\par\n<-300>Koniec\\par}";
const char kPartsDoc[] = "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset238 Arial;}}\\f0\\fs20 "
                         "Cz\\'ea\\'9cci:\\par\n<&200>[<#>: <!201>zakres</201>]<-200>\\par Koniec\\par}";

enum { kCommitteeDocument, kPartsDocument };

class Answers : public ValueEditorRunner, public ProceedingPrompts {
public:
    bool EditText(TextEditRequest &request) override
    {
        request.value = text;
        return true;
    }
    bool EditPrice(PriceEditRequest &) override { return false; }
    bool EditDate(DateEditRequest &) override { return false; }

    bool AskPassword(CWnd *, const CString &) override { return false; }
    CString ChooseProtection(CWnd *) override { return CString(); }
    bool AskProceedingName(CWnd *, CString &) override { return false; }
    bool AskNewPassword(CWnd *, const CString &, CString &) override { return false; }
    bool EditDocumentProperties(CWnd *, const DocumentSlot (&)[kDocumentSlots], int[kDocumentSlots], bool &) override { return false; }
    bool EditPartLayout(CWnd *, bool, PartLayout &layout) override
    {
        layout = rows;
        return true;
    }
    CCriteriaData *RunCriteriaCalculator(CWnd *, int, CCriteriaData *record) override { return record; }
    void RunSpecificationWizard(CWnd *, const InsertTextFunction &) override {}

    CString text;
    PartLayout rows; // the parts or the entries, whichever the dialog is asked for
};

PartLayout Rows(std::initializer_list<std::pair<const char *, int>> rows)
{
    PartLayout layout;
    for (const auto &row : rows) {
        layout.names.push_back(row.first);
        layout.active.push_back(row.second);
    }
    return layout;
}

class ViewPartsEntriesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        app.MainPath = m_main.Path();
        app.WorkingPath = m_main / "prace";
        app.UserTemplatesPath = m_main / "szablony_moje";
        ASSERT_TRUE(CreateDirectoryPath(app.WorkingPath));
        InstallKind();
        hook.onMessageBox = [](const CString &, const CString &, UINT) { return IDOK; };
        scope = std::make_unique<CTestHookScope>(hook);
        SetValueEditorRunner(&answers);
        SetProceedingPrompts(&answers);
        ASSERT_TRUE(
            parent.CreateEx(0, nullptr, "postepowanie", WS_POPUP | WS_VISIBLE, 0, 0, 900, 600, nullptr, nullptr));
        view = MakeProceedingView(parent, tree, 600);
        ASSERT_NE(view, nullptr);
        ASSERT_EQ(1, view->CreateProceeding(1, "Przetarg", 3, 0, 0, DefaultValues()));
        ASSERT_EQ(kCommitteeDocument, view->GetCurrentDocument());
    }

    void TearDown() override
    {
        parent.DestroyWindow();
        scope.reset();
        SetValueEditorRunner(nullptr);
        SetProceedingPrompts(nullptr);
    }

    void InstallKind()
    {
        const CString config = LawVersions::GetConfigFilePath(app.MainPath, kVersion, kCode);
        ASSERT_TRUE(CreateDirectoryPath(GetParentFolder(config)));
        ASSERT_TRUE(WriteTextFile(config, "komisja.rtf;Komisja\r\nczesci.rtf;Części\r\n"));
        const CString templates =
            LawVersions::GetTemplateFolder(app.MainPath, app.UserTemplatesPath, kVersion) + "\\63";
        ASSERT_TRUE(CreateDirectoryPath(templates));
        ASSERT_TRUE(WriteTextFile(templates + "\\komisja.rtf", kCommitteeDoc));
        ASSERT_TRUE(WriteTextFile(templates + "\\czesci.rtf", kPartsDoc));

        auto tables = FreshTables();
        const struct {
            int number;
            const char *value;
        } variables[] = {
            {kPartsBlock, "x|Część"}, {kPartScope, "zakres"},   {kCommittee, "Dodaj członka|Członek komisji"},
            {kMemberName, "osoba"},   {kMemberRole, "funkcja"},
        };
        for (const auto &v : variables) {
            tables->m_variables[v.number].type = 0;
            tables->m_variables[v.number].value = v.value;
        }
        DataFileHeader header;
        header.version = kVersion;
        header.procedureCode = kCode;
        const CString data = LawVersions::GetDataFilePath(app.MainPath, kCode);
        ASSERT_TRUE(CreateDirectoryPath(GetParentFolder(data)));
        ProceedingDataFile file;
        ASSERT_EQ(1, file.Write(data, "", *tables, header));
    }

    std::string Plain() const { return RichEditText(view->GetSafeHwnd()).GetPlainText().GetString(); }

    // Occurrences of the instances made from the template variable, in text order.
    std::vector<const VariableOccurrence *> InstancesOf(int templateVariable) const
    {
        std::vector<const VariableOccurrence *> found;
        const OccurrenceBlock *block = static_cast<const OccurrenceTable &>(view->m_proceeding.m_tables->m_occurrences)
                                           .Block(view->GetCurrentDocument());
        for (int slot = 0; block && slot < kVariableOccurrences; ++slot) {
            const VariableOccurrence *o = block->Variable(slot);
            const DynamicVariable *instance = view->m_proceeding.m_tables->FindDynamicVariable(o->variable);
            if (o->length > 0 && instance && instance->templateVariable == templateVariable)
                found.push_back(o);
        }
        return found;
    }
    std::string TextOf(const VariableOccurrence &o) const { return Plain().substr(o.position, o.length); }
    // Name and role of each repetition of the committee block, in order.
    std::vector<std::string> Members() const
    {
        std::vector<std::string> members;
        const auto names = InstancesOf(kMemberName);
        const auto roles = InstancesOf(kMemberRole);
        for (size_t i = 0; i < names.size() || i < roles.size(); ++i)
            members.push_back((i < names.size() ? TextOf(*names[i]) : "?") + "/"
                              + (i < roles.size() ? TextOf(*roles[i]) : "?"));
        return members;
    }
    void Type(const VariableOccurrence *o, const char *text)
    {
        ASSERT_NE(o, nullptr);
        answers.text = text;
        view->InsertVariableAt(o->position + 1, 0);
    }
    void EditEntries(std::initializer_list<std::pair<const char *, int>> rows)
    {
        const OccurrenceBlock *block = static_cast<const OccurrenceTable &>(view->m_proceeding.m_tables->m_occurrences)
                                           .Block(view->GetCurrentDocument());
        for (int slot = 0; block && slot < kVariableOccurrences; ++slot) {
            const VariableOccurrence *o = block->Variable(slot);
            if (o->length > 0 && o->name == "TUTAJ NOWA ZMIENNA") {
                answers.rows = Rows(rows);
                view->InsertVariableAt(o->position + 1, 0);
                return;
            }
        }
        ADD_FAILURE() << "no add-entry link";
    }
    void SaveAndReopen()
    {
        ASSERT_EQ(1, view->SaveProceeding(SaveOptions()));
        const CString folder = view->m_proceeding.m_project.GetFolder();
        const CString record = view->m_proceeding.m_project.GetFileName();
        view = MakeProceedingView(parent, tree, 600);
        ASSERT_NE(view, nullptr);
        ASSERT_EQ(1, view->OpenProceeding(0, 0, folder, record));
    }

    TestFolder m_main;
    CMorvelankApp app;
    CTestHook hook;
    std::unique_ptr<CTestHookScope> scope;
    Answers answers;
    CWnd parent;
    CTreeView *tree = nullptr;
    CMorvelankView *view = nullptr;
};

TEST_F(ViewPartsEntriesTest, DeletedPartLeavesTheEntriesAndTheirInstancesAlone)
{
    // The committee's first entry took the first pool numbers, the indexes of parts 1 and 2.
    EditEntries({{"Przewodniczący", 1}, {"Członek 2", 1}, {"Członek 3", 1}});
    Type(InstancesOf(kMemberRole)[0], "przewodniczący");
    const char *names[] = {"Jan Nowak", "Anna Lis", "Piotr Wrona"};
    for (int entry = 0; entry < 3; ++entry)
        Type(InstancesOf(kMemberName)[entry], names[entry]);
    const std::vector<std::string> three = {"Jan Nowak/przewodniczący", "Anna Lis/funkcja", "Piotr Wrona/funkcja"};
    ASSERT_EQ(three, Members());

    answers.rows = Rows({{"Drogi", 1}, {"Mosty", 0}, {"Tunele", 1}});
    view->RegenerateDocument();
    EXPECT_EQ(three, Members()) << "the second entry stays with the second part deleted";

    // A new entry is made from both instances of the first and takes new numbers for them.
    const int pool = view->m_proceeding.m_tables->m_nNextDynamicVariable;
    EditEntries({{"Przewodniczący", 1}, {"Członek 2", 1}, {"Członek 3", 1}, {"Sekretarz", 1}});
    EXPECT_EQ(pool + 2, view->m_proceeding.m_tables->m_nNextDynamicVariable);
    Type(InstancesOf(kMemberRole)[3], "sekretarz");
    const std::vector<std::string> four = {"Jan Nowak/przewodniczący", "Anna Lis/funkcja", "Piotr Wrona/funkcja",
                                           "osoba/sekretarz"};
    EXPECT_EQ(four, Members());

    view->ShowDocument(kPartsDocument, -1);
    EXPECT_NE(std::string::npos, Plain().find("[1: zakres][3: zakres]")) << Plain();

    SaveAndReopen();
    EXPECT_EQ(0, view->m_proceeding.m_tables->m_partFlags[1]) << "the deleted part stays deleted";
    view->ShowDocument(kPartsDocument, -1);
    EXPECT_NE(std::string::npos, Plain().find("[1: zakres][3: zakres]")) << Plain();
    view->ShowDocument(kCommitteeDocument, -1);
    EXPECT_EQ(four, Members());
    EXPECT_EQ(4u, CollectRepeatEntries(*view->m_proceeding.m_tables, kCommittee).names.size());

    // The part back in use brings its repetition back and changes no entry.
    answers.rows = Rows({{"Drogi", 1}, {"Mosty", 1}, {"Tunele", 1}});
    view->RegenerateDocument();
    EXPECT_EQ(four, Members());
    view->ShowDocument(kPartsDocument, -1);
    EXPECT_NE(std::string::npos, Plain().find("[1: zakres][2: zakres][3: zakres]")) << Plain();
}

// The pool record of an instance at a part's index keeps the part's flag: an entry left out
// there stays left out after saving and reopening, and the part stays in use.
TEST_F(ViewPartsEntriesTest, EntryLeftOutAtAPartsIndexStaysLeftOutAndThePartInUse)
{
    EditEntries({{"Przewodniczący", 1}, {"Członek 2", 1}});
    Type(InstancesOf(kMemberName)[1], "Anna Lis");
    ASSERT_LT(FirstEntryInstance(*view->m_proceeding.m_tables, kCommittee, 1), 3) << "the index of a part";
    EditEntries({{"Przewodniczący", 1}, {"Członek 2", 0}});
    EXPECT_EQ(std::vector<std::string>{"osoba/funkcja"}, Members());

    SaveAndReopen();
    EXPECT_EQ(std::vector<std::string>{"osoba/funkcja"}, Members());
    EXPECT_EQ((std::vector<int>{1, 0}), CollectRepeatEntries(*view->m_proceeding.m_tables, kCommittee).active);
    EXPECT_EQ(1, view->m_proceeding.m_tables->m_partFlags[2]);
    view->ShowDocument(kPartsDocument, -1);
    EXPECT_NE(std::string::npos, Plain().find("[1: zakres][2: zakres][3: zakres]")) << Plain();

    view->ShowDocument(kCommitteeDocument, -1);
    EditEntries({{"Przewodniczący", 1}, {"Członek 2", 1}});
    EXPECT_EQ((std::vector<std::string>{"osoba/funkcja", "Anna Lis/funkcja"}), Members());
}

} // namespace
