// Variables that open no value dialog, through the view's dispatch on the real control: options
// of a group, a check box and what hangs on them, a help link; the value of a variable by its
// tag. The entries of a repeated block: added, renamed, left out and taken in again through the
// add-entry link, shown in both documents that repeat the block, kept by saving and reopening.
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
#include "document/view/morvelank_view.h"
#include "document/view/proceeding_prompts.h"
#include "document/view/repeat_entries.h"
#include "document/view/value_editor_runner.h"
#include "framework/shell/html_help.h"
#include "framework/ui/testhook.h"
#include "tests/document/proceeding_view_window.h"
#include "tests/support/test_folder.h"

namespace {

const int kCode = 162; // templates in the version's folder "63"
const int kVersion = 114;

const int kBidBondRequired = 101; // option of group 101, chosen at the start
const int kBidBondNone = 102;     // option of group 101
const int kBidBondAmount = 103;   // text controlled by 101
const int kPerformanceBond = 104; // check box, cleared at the start
const int kBankGuarantee = 105;   // option controlled by the check box, chosen at the start
const int kHelpLink = 106;
const int kCommittee = 300; // per-entry block
const int kMemberName = 301;
const int kMemberRole = 302;

const char kChoices[] = "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset238 Arial;}}\\f0\\fs20 "
                        "Wadium: <!101>wymagane</101> <!102>niewymagane</102>\\par\n"
                        "Kwota <!103><+101>kwota</103> <!990><*101>wnosi si\\'ea przed terminem</990>.\\par\n"
                        "<!104>zabezpieczenie</104> <!105><+104>gwarancja</105> "
                        "<!990><*104>5% ceny</990>\\par\n"
                        "<!106>art. 45</106> koniec\\par}";
const char kCommitteeDoc[] = "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset238 Arial;}}\\f0\\fs20 "
                             "Komisja:\\par\n<%300><!301>osoba</301> - <!302>funkcja</302>\\par\n<-300>Koniec\\par}";
const char kMinutesDoc[] =
    "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset238 Arial;}}\\f0\\fs20 "
    "Protok\\'f3\\'b3:\\par\n<%300>[<!301>osoba</301>, <!302>funkcja</302>]\\par\n<-300>Podpisy\\par}";

enum { kChoicesDocument, kCommitteeDocument, kMinutesDocument };

// The text editor writes the answer; the layout question gets the entries the test sets.
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
    bool EditPartLayout(CWnd *, bool firstFixed, PartLayout &layout) override
    {
        asked.push_back(layout);
        askedFirstFixed = firstFixed;
        layout = entries;
        return true;
    }
    CCriteriaData *RunCriteriaCalculator(CWnd *, int, CCriteriaData *record) override { return record; }
    void RunSpecificationWizard(CWnd *, const InsertTextFunction &) override {}

    CString text;
    PartLayout entries;
    std::vector<PartLayout> asked;
    bool askedFirstFixed = false;
};

PartLayout Entries(std::initializer_list<std::pair<const char *, int>> rows)
{
    PartLayout layout;
    for (const auto &row : rows) {
        layout.names.push_back(row.first);
        layout.active.push_back(row.second);
    }
    return layout;
}

class ViewChoicesEntriesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        app.MainPath = m_main.Path();
        app.WorkingPath = m_main / "prace";
        app.UserTemplatesPath = m_main / "szablony_moje";
        ASSERT_TRUE(CreateDirectoryPath(app.WorkingPath));
        InstallKind();
        hook.onMessageBox = [this](const CString &text, const CString &, UINT) {
            messages.push_back(text);
            return IDOK;
        };
        scope = std::make_unique<CTestHookScope>(hook);
        SetValueEditorRunner(&answers);
        SetProceedingPrompts(&answers);
        ASSERT_TRUE(
            parent.CreateEx(0, nullptr, "postepowanie", WS_POPUP | WS_VISIBLE, 0, 0, 900, 600, nullptr, nullptr));
        view = MakeView();
        ASSERT_NE(view, nullptr);
        ASSERT_EQ(1, view->CreateProceeding(1, "Przetarg", -1, 0, 0, DefaultValues()));
        ASSERT_EQ(kChoicesDocument, view->GetCurrentDocument());
        messages.clear(); // the new proceeding's own reports (no database here)
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
        ASSERT_TRUE(
            WriteTextFile(config, "wybory.rtf;Specyfikacja\r\nkomisja.rtf;Komisja\r\nprotokol.rtf;Protokół\r\n"));
        const CString templates =
            LawVersions::GetTemplateFolder(app.MainPath, app.UserTemplatesPath, kVersion) + "\\63";
        ASSERT_TRUE(CreateDirectoryPath(templates));
        ASSERT_TRUE(WriteTextFile(templates + "\\wybory.rtf", kChoices));
        ASSERT_TRUE(WriteTextFile(templates + "\\komisja.rtf", kCommitteeDoc));
        ASSERT_TRUE(WriteTextFile(templates + "\\protokol.rtf", kMinutesDoc));

        auto tables = FreshTables();
        const struct {
            int number;
            int type;
            int group;
            int selected;
            const char *value;
        } variables[] = {
            {kBidBondRequired, 1, 101, 1, ""},
            {kBidBondNone, 1, 101, 0, ""},
            {kBidBondAmount, 0, -1, -1, "10 000 zł"},
            {kPerformanceBond, 3, 104, 0, ""},
            {kBankGuarantee, 1, 105, 1, ""},
            {kHelpLink, 20, -1, -1, "art45.htm"},
            {990, 0, -1, -1, ""},
            {kCommittee, 0, -1, -1, "Kliknij, aby dodać członka|Członek komisji"},
            {kMemberName, 0, -1, -1, "osoba"},
            {kMemberRole, 0, -1, -1, "funkcja"},
        };
        for (const auto &v : variables) {
            VariableSlot &slot = tables->m_variables[v.number];
            slot.type = static_cast<int16_t>(v.type);
            slot.groupNumber = static_cast<int16_t>(v.group);
            slot.selected = v.selected;
            slot.value = v.value;
        }
        DataFileHeader header;
        header.version = kVersion;
        header.procedureCode = kCode;
        const CString data = LawVersions::GetDataFilePath(app.MainPath, kCode);
        ASSERT_TRUE(CreateDirectoryPath(GetParentFolder(data)));
        ProceedingDataFile file;
        ASSERT_EQ(1, file.Write(data, "", *tables, header));
    }

    CMorvelankView *MakeView() { return MakeProceedingView(parent, tree, 600); }

    std::string Plain() const { return RichEditText(view->GetSafeHwnd()).GetPlainText().GetString(); }

    // The first occurrence of the variable in the shown document, or of the named occurrence.
    const VariableOccurrence *Find(int variable, const char *name = nullptr) const
    {
        const OccurrenceBlock *block = static_cast<const OccurrenceTable &>(view->m_proceeding.m_tables->m_occurrences)
                                           .Block(view->GetCurrentDocument());
        for (int slot = 0; block && slot < kVariableOccurrences; ++slot) {
            const VariableOccurrence *o = block->Variable(slot);
            if (o->length > 0 && (name ? o->name == name : o->variable == variable))
                return o;
        }
        return nullptr;
    }
    std::vector<const VariableOccurrence *> FindAll(int variable) const
    {
        std::vector<const VariableOccurrence *> found;
        const OccurrenceBlock *block = static_cast<const OccurrenceTable &>(view->m_proceeding.m_tables->m_occurrences)
                                           .Block(view->GetCurrentDocument());
        for (int slot = 0; block && slot < kVariableOccurrences; ++slot)
            if (block->Variable(slot)->length > 0 && block->Variable(slot)->variable == variable)
                found.push_back(block->Variable(slot));
        return found;
    }
    std::string TextOf(const VariableOccurrence &o) const { return Plain().substr(o.position, o.length); }
    CHARFORMAT2W FormatOf(const VariableOccurrence &o) const
    {
        const RichEditText control(view->GetSafeHwnd());
        control.SetSel(o.position, o.position + o.length);
        return control.GetSelectionFormat();
    }
    bool Greyed(const VariableOccurrence &o) const
    {
        const CHARFORMAT2W format = FormatOf(o);
        return format.crTextColor == RGB(95, 95, 95) && (format.dwEffects & CFE_STRIKEOUT) != 0;
    }
    void Click(const VariableOccurrence &o) { view->InsertVariableAt(o.position + 1, 0); }
    void ClickVariable(int variable)
    {
        const VariableOccurrence *o = Find(variable);
        ASSERT_NE(o, nullptr) << variable;
        Click(*o);
    }
    void ClickAddEntry()
    {
        const VariableOccurrence *link = Find(-1, "TUTAJ NOWA ZMIENNA");
        ASSERT_NE(link, nullptr);
        Click(*link);
    }
    // The name and role shown in each repetition of the block, in order.
    std::vector<std::string> Members() const
    {
        std::vector<std::string> members;
        const std::vector<const VariableOccurrence *> names = AllInstancesOf(kMemberName);
        const std::vector<const VariableOccurrence *> roles = AllInstancesOf(kMemberRole);
        for (size_t i = 0; i < names.size() && i < roles.size(); ++i)
            members.push_back(TextOf(*names[i]) + "/" + TextOf(*roles[i]));
        return members;
    }
    // Occurrences of the instances made from the template variable, in text order.
    std::vector<const VariableOccurrence *> AllInstancesOf(int templateVariable) const
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
    // Saves, and opens the saved proceeding in a new view beside a new tree.
    void SaveAndReopen()
    {
        ASSERT_EQ(1, view->SaveProceeding(SaveOptions()));
        const CString folder = view->m_proceeding.m_project.GetFolder();
        const CString record = view->m_proceeding.m_project.GetFileName();
        view = MakeView();
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
    std::vector<CString> messages;
};

TEST_F(ViewChoicesEntriesTest, OptionOfAGroupSwitchesWhatHangsOnIt)
{
    EXPECT_EQ(0u, Plain().find("Wadium:  [o] wymagane  [ ] niewymagane\rKwota 10 000 zł wnosi się przed terminem."));
    view->m_proceeding.m_bModified = 0;

    ClickVariable(kBidBondNone);
    const ViewTables &tables = *view->m_proceeding.m_tables;
    EXPECT_EQ(0, tables.m_variables[kBidBondRequired].selected);
    EXPECT_EQ(1, tables.m_variables[kBidBondNone].selected);
    EXPECT_EQ(0, tables.m_variables[kBidBondNone].untouched);
    EXPECT_TRUE(view->IsModified());
    EXPECT_EQ(0u, Plain().find("Wadium:  [ ] wymagane  [o] niewymagane\rKwota 10 000 zł wnosi się przed terminem."))
        << "marks are five characters: nothing moves";
    const VariableOccurrence *amount = Find(kBidBondAmount);
    const VariableOccurrence *plain = Find(-1, "to jest zwykly tekst");
    ASSERT_NE(amount, nullptr);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(0, amount->enabled);
    EXPECT_EQ(0, plain->enabled);
    EXPECT_TRUE(Greyed(*amount));
    EXPECT_TRUE(Greyed(*plain));
    EXPECT_EQ("10 000 zł", TextOf(*amount));

    // A disabled value cannot be edited; choosing the chosen option changes nothing.
    answers.text = "20 000 zł";
    Click(*amount);
    EXPECT_STREQ("10 000 zł", tables.m_variables[kBidBondAmount].value);
    ClickVariable(kBidBondNone);
    EXPECT_EQ(1, tables.m_variables[kBidBondNone].selected);

    // Back to the first option: everything it controls is live again, in its own colours.
    ClickVariable(kBidBondRequired);
    EXPECT_EQ(0u, Plain().find("Wadium:  [o] wymagane  [ ] niewymagane"));
    EXPECT_EQ(1, Find(kBidBondAmount)->enabled);
    EXPECT_FALSE(Greyed(*Find(kBidBondAmount)));
    EXPECT_EQ(RGB(128, 128, 255), FormatOf(*Find(kBidBondAmount)).crTextColor) << "an untouched value's colour";
    EXPECT_EQ(RGB(0, 0, 0), FormatOf(*Find(-1, "to jest zwykly tekst")).crTextColor);
    Click(*Find(kBidBondAmount));
    EXPECT_STREQ("20 000 zł", tables.m_variables[kBidBondAmount].value);

    // The choice holds in a new generation of the document.
    view->ShowDocument(kChoicesDocument, -1);
    EXPECT_EQ(0u, Plain().find("Wadium:  [o] wymagane  [ ] niewymagane\rKwota 20 000 zł"));
}

// The options restyle text far from the click; the window keeps showing what the user clicked
// where it was, and the caret stays on it.
TEST_F(ViewChoicesEntriesTest, ChoosingAnOptionKeepsTheClickedPlaceInTheWindow)
{
    std::string rtf = "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset238 Arial;}}\\f0\\fs20 "
                      "Kwota <!103><+101>kwota</103>\\par\n";
    for (int i = 1; i <= 160; ++i) {
        rtf += "Akapit " + std::to_string(i) + "\\par\n";
        if (i == 80)
            rtf += "Wadium: <!101>wymagane</101> <!102>niewymagane</102>\\par\n";
    }
    const CString templates = LawVersions::GetTemplateFolder(app.MainPath, app.UserTemplatesPath, kVersion) + "\\63";
    ASSERT_TRUE(WriteTextFile(templates + "\\wybory.rtf", (rtf + "}").c_str()));
    view->ShowDocument(kChoicesDocument, -1);
    const VariableOccurrence *none = Find(kBidBondNone);
    ASSERT_NE(none, nullptr);
    const int line = static_cast<int>(view->SendMessage(EM_LINEFROMCHAR, none->position, 0));
    view->SendMessage(EM_LINESCROLL, 0, line - 10);
    const auto top = [this](int position) {
        POINTL point{};
        view->SendMessage(EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&point), position);
        return point.y;
    };
    const LONG before = top(none->position + 1);
    CRect client;
    view->GetClientRect(&client);
    ASSERT_GT(before, 0);
    ASSERT_LT(before, client.bottom);

    Click(*none);
    EXPECT_EQ(before, top(none->position + 1));
    long start = 0, end = 0;
    view->GetRichEditCtrl().GetSel(start, end);
    EXPECT_EQ(none->position + 1, start);
    EXPECT_TRUE(Greyed(*Find(kBidBondAmount))) << "the text at the top was restyled";
}

TEST_F(ViewChoicesEntriesTest, CheckBoxTogglesAndClearsTheOptionsThatDependOnIt)
{
    const ViewTables &tables = *view->m_proceeding.m_tables;
    EXPECT_NE(std::string::npos, Plain().find(" [ ] zabezpieczenie  [ ] gwarancja 5% ceny"))
        << "an option under a cleared check box is shown cleared";
    EXPECT_EQ(0, Find(kBankGuarantee)->enabled);

    ClickVariable(kPerformanceBond);
    EXPECT_EQ(1, tables.m_variables[kPerformanceBond].selected);
    EXPECT_NE(std::string::npos, Plain().find(" [x] zabezpieczenie  [ ] gwarancja 5% ceny"));
    EXPECT_EQ(1, Find(kBankGuarantee)->enabled);
    EXPECT_FALSE(Greyed(*Find(kBankGuarantee)));
    EXPECT_EQ(RGB(0, 0, 0), FormatOf(*FindAll(990).back()).crTextColor);

    // The option under it can be chosen now; clearing the box clears and greys it again.
    ClickVariable(kBankGuarantee);
    EXPECT_NE(std::string::npos, Plain().find(" [x] zabezpieczenie  [o] gwarancja 5% ceny"));
    ClickVariable(kPerformanceBond);
    EXPECT_EQ(0, tables.m_variables[kPerformanceBond].selected);
    EXPECT_EQ(0, tables.m_variables[kBankGuarantee].selected);
    EXPECT_NE(std::string::npos, Plain().find(" [ ] zabezpieczenie  [ ] gwarancja 5% ceny"));
    EXPECT_TRUE(Greyed(*Find(kBankGuarantee)));
    EXPECT_TRUE(Greyed(*FindAll(990).back()));
}

TEST_F(ViewChoicesEntriesTest, HelpLinkShowsItsTopicOfTheLegalHelp)
{
    const std::string before = Plain();
    ClickVariable(kHelpLink);
    ASSERT_EQ(1u, messages.size()) << "no help folder: the help says what is missing";
    EXPECT_EQ(0, messages[0].Find("Nie znaleziono pliku pomocy:"));
    EXPECT_GE(messages[0].Find("prawo.chm"), 0);

    ASSERT_TRUE(CreateDirectoryPath(m_main / "prawo"));
    ASSERT_TRUE(WriteTextFile(m_main / "prawo\\index.htm", "<html><body>Spis</body></html>"));
    messages.clear();
    ClickVariable(kHelpLink);
    ASSERT_EQ(1u, messages.size()) << "the topic is the variable's value";
    EXPECT_GE(messages[0].Find("prawo\\art45.htm"), 0) << messages[0].GetString();
    EXPECT_EQ(before, Plain()) << "a help link changes no text";
    HtmlHelp(nullptr, nullptr, HH_CLOSE_ALL, 0);
}

TEST_F(ViewChoicesEntriesTest, VariableValueByNumberOrOccurrenceName)
{
    const struct {
        const char *tag;
        const char *value;
    } cases[] = {
        {"103", "10 000 zł"},      // the number itself
        {"kwota", "10 000 zł"},    // the name of an occurrence in the shown document
        {"104", "zabezpieczenie"}, // an option's value is its text
        {"103 ", ""},              // neither a number as written nor a name
        {"9000", ""},              // outside the table
        {"brak", ""},
    };
    for (const auto &c : cases)
        EXPECT_STREQ(c.value, view->LookUpVariableValue(c.tag)) << c.tag;
}

TEST_F(ViewChoicesEntriesTest, EntriesAreAddedInEveryDocumentAndKeptBySaving)
{
    view->ShowDocument(kCommitteeDocument, -1);
    EXPECT_EQ(std::vector<std::string>{"osoba/funkcja"}, Members());
    EXPECT_NE(std::string::npos, Plain().find("Kliknij, aby dodać członka"));

    answers.entries = Entries({{"Przewodniczący", 1}, {"Członek 2", 1}, {"Członek 3", 1}});
    ClickAddEntry();
    ASSERT_EQ(1u, answers.asked.size());
    EXPECT_EQ(std::vector<CString>{"Członek komisji"}, answers.asked[0].names);
    EXPECT_TRUE(answers.askedFirstFixed) << "the first entry is never left out";
    EXPECT_EQ(std::vector<std::string>({"osoba/funkcja", "osoba/funkcja", "osoba/funkcja"}), Members());
    EXPECT_TRUE(view->IsModified());

    // Each entry has values of its own.
    const char *names[] = {"Jan Nowak", "Anna Lis", "Piotr Wrona"};
    for (int entry = 0; entry < 3; ++entry) {
        answers.text = names[entry];
        Click(*AllInstancesOf(kMemberName)[entry]);
    }
    const std::vector<std::string> three = {"Jan Nowak/funkcja", "Anna Lis/funkcja", "Piotr Wrona/funkcja"};
    EXPECT_EQ(three, Members());

    view->ShowDocument(kMinutesDocument, -1);
    EXPECT_EQ(three, Members()) << "the other document repeats the same entries";
    EXPECT_NE(std::string::npos, Plain().find("[Anna Lis, funkcja]\r[Piotr Wrona, funkcja]\rKliknij"));

    SaveAndReopen();
    view->ShowDocument(kMinutesDocument, -1);
    EXPECT_EQ(three, Members());
    view->ShowDocument(kCommitteeDocument, -1);
    EXPECT_EQ(three, Members());
    EXPECT_EQ(Entries({{"Przewodniczący", 1}, {"Członek 2", 1}, {"Członek 3", 1}}).names,
              CollectRepeatEntries(*view->m_proceeding.m_tables, kCommittee).names);
}

TEST_F(ViewChoicesEntriesTest, EntryLeftOutStaysListedAndComesBackTickedAgain)
{
    view->ShowDocument(kCommitteeDocument, -1);
    answers.entries = Entries({{"A", 1}, {"B", 1}, {"C", 1}});
    ClickAddEntry();
    const char *names[] = {"Jan Nowak", "Anna Lis", "Piotr Wrona"};
    for (int entry = 0; entry < 3; ++entry) {
        answers.text = names[entry];
        Click(*AllInstancesOf(kMemberName)[entry]);
    }

    // B left out, C renamed, and a new entry added left out.
    answers.entries = Entries({{"A", 1}, {"B", 0}, {"Sekretarz", 1}, {"X", 0}});
    const int pool = view->m_proceeding.m_tables->m_nNextDynamicVariable;
    ClickAddEntry();
    const std::vector<std::string> two = {"Jan Nowak/funkcja", "Piotr Wrona/funkcja"};
    EXPECT_EQ(two, Members());
    EXPECT_EQ(pool + 2, view->m_proceeding.m_tables->m_nNextDynamicVariable) << "X has instances of its own";
    const PartLayout listed = Entries({{"A", 1}, {"B", 0}, {"Sekretarz", 1}, {"X", 0}});
    PartLayout collected = CollectRepeatEntries(*view->m_proceeding.m_tables, kCommittee);
    EXPECT_EQ(listed.names, collected.names);
    EXPECT_EQ(listed.active, collected.active);

    // The list reaches the dialog as it was left, also after saving and opening again.
    SaveAndReopen();
    view->ShowDocument(kMinutesDocument, -1);
    EXPECT_EQ(two, Members());
    EXPECT_EQ(std::string::npos, Plain().find("Anna Lis"));
    answers.asked.clear();
    answers.entries = Entries({{"A", 1}, {"B", 1}, {"Sekretarz", 1}, {"X", 1}});
    ClickAddEntry();
    ASSERT_EQ(1u, answers.asked.size());
    EXPECT_EQ(listed.names, answers.asked[0].names);
    EXPECT_EQ(listed.active, answers.asked[0].active);

    // Ticked again, B comes back with its values, in its place; X shows the template's.
    const std::vector<std::string> four = {"Jan Nowak/funkcja", "Anna Lis/funkcja", "Piotr Wrona/funkcja",
                                           "osoba/funkcja"};
    EXPECT_EQ(four, Members());
    SaveAndReopen();
    view->ShowDocument(kCommitteeDocument, -1);
    EXPECT_EQ(four, Members());
}

TEST_F(ViewChoicesEntriesTest, FullPoolRefusesNewEntriesAndKeepsTheOld)
{
    view->ShowDocument(kCommitteeDocument, -1);
    ViewTables &tables = *view->m_proceeding.m_tables;
    const int full = tables.GetVariableCount() - 1; // room for one instance, an entry needs two
    const int before = tables.m_nNextDynamicVariable;
    tables.m_nNextDynamicVariable = full;
    answers.entries = Entries({{"A", 1}, {"B", 1}});
    ClickAddEntry();
    ASSERT_EQ(1u, messages.size());
    EXPECT_STREQ("Zbyt duża ilość zmiennych", messages[0]);
    EXPECT_EQ(full, tables.m_nNextDynamicVariable);
    tables.m_nNextDynamicVariable = before;
    EXPECT_EQ(std::vector<CString>{"Członek komisji"}, CollectRepeatEntries(tables, kCommittee).names);
}

TEST_F(ViewChoicesEntriesTest, InstalledQuestionsTemplateGrowsAndItsCheckBoxSwitches)
{
    // The shipped questions-and-answers document with its variables as the common data gives them.
    const CString config = LawVersions::GetConfigFilePath(app.MainPath, kVersion, kCode);
    ASSERT_TRUE(WriteTextFile(config, "wyjasnienia.rtf;Wyjaśnienia treści SWZ\r\n"));
    const CString templates = LawVersions::GetTemplateFolder(app.MainPath, app.UserTemplatesPath, kVersion) + "\\63";
    ASSERT_TRUE(CopyFileA(FixturePath("../../../install/szablony_202509/wspolne/wyjasnienia.rtf"),
                          templates + "\\wyjasnienia.rtf", FALSE));
    auto tables = FreshTables();
    const struct {
        int number;
        int type;
        const char *value;
    } variables[] = {{310, 0, "Kliknij, aby dodać kolejne pytanie|Pytanie"},
                     {311, 0, "treść pytania"},
                     {312, 0, "treść odpowiedzi"},
                     {136, 3, ""},
                     {990, 0, ""},
                     {10, 0, "kierownik"}};
    for (const auto &v : variables) {
        tables->m_variables[v.number].type = static_cast<int16_t>(v.type);
        tables->m_variables[v.number].value = v.value;
    }
    tables->m_variables[136].groupNumber = 136;
    tables->m_variables[136].selected = 0;
    DataFileHeader header;
    header.version = kVersion;
    header.procedureCode = kCode;
    ProceedingDataFile file;
    ASSERT_EQ(1, file.Write(LawVersions::GetDataFilePath(app.MainPath, kCode), "", *tables, header));
    view = MakeView();
    ASSERT_EQ(1, view->CreateProceeding(1, "Pytania", -1, 0, 0, DefaultValues()));

    const auto count = [this](const char *text) {
        int found = 0;
        const std::string plain = Plain();
        for (size_t at = plain.find(text); at != std::string::npos; at = plain.find(text, at + 1))
            ++found;
        return found;
    };
    EXPECT_EQ(1, count("Pytanie: treść pytania"));
    answers.entries = Entries({{"Pytanie", 1}, {"Pytanie 2", 1}});
    ClickAddEntry();
    ASSERT_EQ(1u, answers.asked.size());
    EXPECT_EQ(std::vector<CString>{"Pytanie"}, answers.asked[0].names);
    EXPECT_EQ(2, count("Pytanie: treść pytania"));
    EXPECT_EQ(2, count("Odpowiedź: treść odpowiedzi"));
    EXPECT_EQ(1, count("Kliknij, aby dodać kolejne pytanie\rUdzielone wyjaśnienia")) << "the link is a line of its own";

    const VariableOccurrence *dependent = FindAll(990).front();
    EXPECT_TRUE(Greyed(*dependent));
    ClickVariable(136);
    EXPECT_EQ(1, count(" [x] Wyjaśnienia prowadzą do zmiany treści SWZ"));
    EXPECT_FALSE(Greyed(*FindAll(990).front()));
    EXPECT_EQ(1, FindAll(990).front()->enabled);
}

} // namespace
