// The view's part of the proceeding tree and its hover: a proceeding created from a small
// installation made of fixtures, with a tree beside the view. Point headings under their
// document, own files added, listed and kept by a save, comment texts of the kind, the hint.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "model/archive_file.h"
#include "model/view_tables.h"
#include "model/file_utils.h"
#include "model/law_versions.h"
#include "app/morvelank_app.h"
#include "data_file_fixture.h"
#include "document/view/morvelank_doc.h"
#include "document/view/hover_hit.h"
#include "document/view/morvelank_view.h"
#include "document/view/value_editor_runner.h"
#include "fixture_path.h"
#include "framework/core/codepage.h"
#include "framework/ui/commondlg.h"
#include "framework/ui/testhook.h"
#include "tests/document/proceeding_view_window.h"

namespace {

const int kCode = 162; // the first mode of the 2019 act; templates in its folder "63"
const int kVersion = 114;
const int kName = 1005; // <!A05>
const DWORD_PTR kOwnFile = 1234567;
const DWORD_PTR kMyDocuments = 1234568;

struct ShownMessage {
    CString text;
    CString caption;
};

// Records what the text editor was asked with and cancels.
class RecordingEditors : public ValueEditorRunner {
public:
    bool EditText(TextEditRequest &request) override
    {
        labels.push_back(request.label);
        topics.push_back(request.legalTopic);
        return false;
    }
    bool EditPrice(PriceEditRequest &) override { return false; }
    bool EditDate(DateEditRequest &) override { return false; }
    std::vector<CString> labels;
    std::vector<int> topics;
};

class ViewTreeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        app.MainPath = m_main.Path();
        app.WorkingPath = m_main / "prace";
        app.UserTemplatesPath = m_main / "szablony_moje";
        ASSERT_TRUE(CreateDirectoryPath(app.WorkingPath));
        InstallKind();

        hook.onMessageBox = [this](const CString &text, const CString &caption, UINT) {
            messages.push_back({text, caption});
            return answer;
        };
        hook.onCommonDialog = [this](CCommonDialog &dialog) -> INT_PTR {
            auto *files = dynamic_cast<CFileDialog *>(&dialog);
            if (!files || chosenFile.IsEmpty())
                return IDCANCEL;
            lstrcpynA(files->m_ofn.lpstrFile, chosenFile, static_cast<int>(files->m_ofn.nMaxFile));
            return IDOK;
        };
        scope = std::make_unique<CTestHookScope>(hook);
        ASSERT_TRUE(
            parent.CreateEx(0, nullptr, "postepowanie", WS_POPUP | WS_VISIBLE, 0, 0, 900, 600, nullptr, nullptr));
    }

    void TearDown() override
    {
        parent.DestroyWindow(); // the views go with it, the documents with their last view
        scope.reset();
        SetValueEditorRunner(nullptr);
    }

    // Starting data, configuration, template and comment file of the kind, as an installation
    // holds them.
    void InstallKind()
    {
        const CString config = LawVersions::GetConfigFilePath(app.MainPath, kVersion, kCode);
        ASSERT_TRUE(CreateDirectoryPath(GetParentFolder(config)));
        ASSERT_TRUE(WriteTextFile(config, "punkty.rtf;Specyfikacja\r\nuwagi.rtf;Uwagi\r\n"));

        const CString templates =
            LawVersions::GetTemplateFolder(app.MainPath, app.UserTemplatesPath, kVersion) + "\\63";
        ASSERT_TRUE(CreateDirectoryPath(templates));
        ASSERT_TRUE(CopyFileA(FixturePath("engine/headings.rtf"), templates + "\\punkty.rtf", FALSE));
        ASSERT_TRUE(WriteTextFile(templates + "\\uwagi.rtf", "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0 "
                                                             "<$001>Jedyny<?001>\\par}"));

        auto tables = FreshTables();
        tables->m_variables[kName].type = 0;
        tables->m_variables[kName].value = "Gmina Dąbrowa";
        DataFileHeader header;
        header.version = kVersion;
        header.procedureCode = kCode;
        const CString data = LawVersions::GetDataFilePath(app.MainPath, kCode);
        ASSERT_TRUE(CreateDirectoryPath(GetParentFolder(data)));
        ProceedingDataFile file;
        ASSERT_EQ(1, file.Write(data, "", *tables, header));

        auto comments = std::make_unique<CKomentarz2>();
        const struct {
            const char *text;
            int id;
        } entries[] = {{"Pełna nazwa zamawiającego", kName}, {"Drugi opis tej samej zmiennej", kName}, {"Inna", 7}};
        for (const auto &entry : entries) {
            comments->m_entries[comments->m_nCount].text = entry.text;
            comments->m_entries[comments->m_nCount++].id = entry.id;
        }
        ASSERT_TRUE(CreateDirectoryPath(m_main / "data"));
        ASSERT_TRUE(WriteCommentFile(*comments, m_main / "data\\komentarz63.wy"));
    }

    // A tree pane and a view pane; the view fills the tree as a proceeding window's does.
    CMorvelankView *MakeView()
    {
        CMorvelankView *view = MakeProceedingView(parent, tree, 600, TVS_HASBUTTONS | TVS_HASLINES);
        EXPECT_NE(view, nullptr);
        return view;
    }

    CMorvelankView *CreateProceeding()
    {
        CMorvelankView *view = MakeView();
        EXPECT_EQ(1, view->CreateProceeding(1, "Przetarg", -1, 0, 0, DefaultValues()));
        return view;
    }

    CTreeCtrl &Tree() { return tree->GetTreeCtrl(); }

    // Text and item data of each child of the item.
    std::vector<std::pair<CString, DWORD_PTR>> Children(HTREEITEM item)
    {
        std::vector<std::pair<CString, DWORD_PTR>> children;
        for (HTREEITEM child = Tree().GetChildItem(item); child; child = Tree().GetNextSiblingItem(child))
            children.emplace_back(Tree().GetItemText(child), Tree().GetItemData(child));
        return children;
    }

    HTREEITEM ChildWithData(HTREEITEM item, DWORD_PTR data)
    {
        for (HTREEITEM child = Tree().GetChildItem(item); child; child = Tree().GetNextSiblingItem(child))
            if (Tree().GetItemData(child) == data)
                return child;
        return nullptr;
    }

    // The item's image and selected image.
    std::pair<int, int> Images(HTREEITEM item)
    {
        TVITEMW data{};
        data.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_HANDLE;
        data.hItem = item;
        Tree().SendMessage(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data));
        return {data.iImage, data.iSelectedImage};
    }

    bool HasMessage(const char *start) const
    {
        for (const ShownMessage &message : messages)
            if (message.text.Find(start) == 0)
                return true;
        return false;
    }

    TestFolder m_main;
    CMorvelankApp app;
    CTestHook hook;
    std::unique_ptr<CTestHookScope> scope;
    CWnd parent;
    CTreeView *tree = nullptr; // deletes itself with its window
    std::vector<ShownMessage> messages;
    int answer = IDOK;
    CString chosenFile;
};

TEST_F(ViewTreeTest, PointHeadingsUnderTheirDocumentByNumber)
{
    CMorvelankView *view = CreateProceeding();
    HTREEITEM root = Tree().GetRootItem();
    ASSERT_NE(root, nullptr);

    // By their numbers, not their order in the text; the second heading 005 and the letter
    // identifier are not listed.
    const std::vector<std::pair<CString, DWORD_PTR>> points = {{"Drugi punkt", 2}, {"Piąty punkt", 5}};
    EXPECT_EQ(points, Children(ChildWithData(root, 0)));
    const std::vector<std::pair<CString, DWORD_PTR>> later = {{"Jedyny", 1001}};
    EXPECT_EQ(later, Children(ChildWithData(root, 1000)));
    EXPECT_EQ(std::make_pair(2, 2), Images(Tree().GetChildItem(ChildWithData(root, 0))));

    // The first document is shown generated, and each listed heading can be scrolled to.
    ASSERT_EQ(0, view->GetCurrentDocument());
    const std::string plain = RichEditText(view->GetSafeHwnd()).GetPlainText().GetString();
    EXPECT_EQ(std::string::npos, plain.find("<$")) << plain;
    EXPECT_EQ(plain.find("Drugi punkt"), static_cast<size_t>(view->GetHeadingPosition(0, 1002)));
    EXPECT_GE(view->GetHeadingPosition(0, 1005), 0);
    EXPECT_EQ(-1, view->GetHeadingPosition(0, 1003));
}

TEST_F(ViewTreeTest, CalculatorsFollowTheOwnFilesAsItemsThatAreNoDocument)
{
    CMorvelankView *view = CreateProceeding();
    const std::vector<std::pair<CString, DWORD_PTR>> children = Children(Tree().GetRootItem());
    ASSERT_GE(children.size(), 4u);
    const std::vector<std::pair<CString, DWORD_PTR>> last(children.end() - 4, children.end());
    const std::vector<std::pair<CString, DWORD_PTR>> expected = {
        {"Moje dokumenty", 1234568},
        {"Obliczenie punktacji - kryterium cena", 1234569},
        {"Obliczenie punktacji - kryterium termin realizacji", 1234569},
        {"Bilans punktowy zastosowanych kryteriów", 1234569},
    };
    EXPECT_EQ(expected, last);
    for (int type = 0; type < kCriteriaCalculators; ++type)
        EXPECT_EQ(Tree().GetItemText(view->GetCalculatorItem(type)), expected[type + 1].first);
    EXPECT_EQ(nullptr, view->GetCalculatorItem(-1));
    EXPECT_EQ(nullptr, view->GetCalculatorItem(kCriteriaCalculators));
}

TEST_F(ViewTreeTest, NoTreeItemForTheDocumentAddsNothing)
{
    CMorvelankView *view = CreateProceeding();
    HTREEITEM root = Tree().GetRootItem();
    Tree().DeleteItem(ChildWithData(root, 1000));
    const size_t before = Children(root).size();
    view->OdczytajNaglowkiPunktowZDokumentu(1);
    EXPECT_EQ(before, Children(root).size());
    view->OdczytajNaglowkiPunktowZDokumentu(-1);
    view->OdczytajNaglowkiPunktowZDokumentu(kDocumentSlots);
    // Headings are read from the template without the control: the shown document stays.
    const CString shown = RichEditText(view->GetSafeHwnd()).GetPlainText();
    view->OdczytajNaglowkiPunktowZDokumentu(0);
    EXPECT_EQ(shown, RichEditText(view->GetSafeHwnd()).GetPlainText());
}

TEST_F(ViewTreeTest, AttachedFileIsCopiedListedAndKeptBySaving)
{
    CMorvelankView *view = CreateProceeding();
    ASSERT_NE(view->m_hAttachmentsItem, nullptr);
    chosenFile = m_main / "notatka.txt";
    ASSERT_TRUE(WriteTextFile(chosenFile, "treść"));
    view->m_proceeding.m_bModified = 0;

    view->AddFileToProject();
    const CString target = view->m_proceeding.m_project.GetFolder() + "\\notatka.txt";
    EXPECT_EQ("treść", ReadFileToString(target));
    EXPECT_EQ(1, view->m_proceeding.m_bModified);
    ASSERT_EQ(1, view->m_proceeding.m_project.m_nAttachedCount);
    EXPECT_STREQ("notatka.txt", view->m_proceeding.m_project.m_strAttachedFiles[0]);
    const std::vector<std::pair<CString, DWORD_PTR>> listed = {{"notatka.txt", kOwnFile}};
    EXPECT_EQ(listed, Children(view->m_hAttachmentsItem));
    EXPECT_EQ(std::make_pair(14, 14), Images(Tree().GetChildItem(view->m_hAttachmentsItem)));
    EXPECT_TRUE(HasMessage("Plik ")) << "the copy is reported";

    // Added again: the question, then the same entry and item.
    answer = IDNO;
    messages.clear();
    ASSERT_TRUE(WriteTextFile(chosenFile, "nowa treść"));
    view->AddFileToProject();
    EXPECT_TRUE(HasMessage("Ten plik został już wcześniej dodany do projektu."));
    EXPECT_EQ("treść", ReadFileToString(target)) << "No keeps the old file";
    answer = IDYES;
    view->AddFileToProject();
    EXPECT_EQ("nowa treść", ReadFileToString(target));
    EXPECT_EQ(1, view->m_proceeding.m_project.m_nAttachedCount);
    EXPECT_EQ(listed, Children(view->m_hAttachmentsItem));

    ASSERT_EQ(1, view->SaveProceeding(SaveOptions()));
    const CString folder = view->m_proceeding.m_project.GetFolder();
    const CString record = view->m_proceeding.m_project.GetFileName();

    CMorvelankView *reopened = MakeView();
    ASSERT_EQ(1, reopened->OpenProceeding(0, 0, folder, record));
    ASSERT_EQ(1, reopened->m_proceeding.m_project.m_nAttachedCount);
    EXPECT_STREQ("notatka.txt", reopened->m_proceeding.m_project.m_strAttachedFiles[0]);
    HTREEITEM myDocuments = ChildWithData(Tree().GetRootItem(), kMyDocuments);
    EXPECT_EQ(myDocuments, reopened->m_hAttachmentsItem);
    EXPECT_EQ(listed, Children(myDocuments));
}

TEST_F(ViewTreeTest, AttachingThatCannotBeDoneChangesNothing)
{
    CMorvelankView *view = CreateProceeding();
    view->m_proceeding.m_bModified = 0;
    messages.clear();

    // Cancelled dialog.
    view->AddFileToProject();
    EXPECT_TRUE(messages.empty());

    // A source that cannot be copied.
    chosenFile = m_main / "zniknal.txt";
    view->AddFileToProject();
    EXPECT_TRUE(HasMessage("Błąd kopiowania pliku: "));
    EXPECT_EQ(0, view->m_proceeding.m_project.m_nAttachedCount);
    EXPECT_TRUE(Children(view->m_hAttachmentsItem).empty());

    // A full list takes no further name and nothing is copied for it.
    chosenFile = m_main / "setny.txt";
    ASSERT_TRUE(WriteTextFile(chosenFile, "x"));
    view->m_proceeding.m_project.m_nAttachedCount = CProject::kMaxAttachedFiles;
    for (int i = 0; i < CProject::kMaxAttachedFiles; ++i)
        view->m_proceeding.m_project.m_strAttachedFiles[i].Format("plik%d.txt", i);
    view->AddFileToProject();
    EXPECT_TRUE(HasMessage("Za dużo plików w projekcie"));
    EXPECT_FALSE(FileExists(view->m_proceeding.m_project.GetFolder() + "\\setny.txt"));
    EXPECT_EQ(CProject::kMaxAttachedFiles, view->m_proceeding.m_project.m_nAttachedCount);
    EXPECT_TRUE(Children(view->m_hAttachmentsItem).empty());
    EXPECT_EQ(0, view->m_proceeding.m_bModified);
}

TEST_F(ViewTreeTest, CommentTextsOfTheKindReachTheTextEditor)
{
    CMorvelankView *view = CreateProceeding();
    EXPECT_STREQ("Pełna nazwa zamawiającego", view->GetCommentText(kName)) << "the earlier of two entries";
    EXPECT_STREQ("Inna", view->GetCommentText(7));
    EXPECT_STREQ("", view->GetCommentText(8));

    RecordingEditors editors;
    SetValueEditorRunner(&editors);
    const VariableOccurrence *name = view->m_proceeding.m_tables->m_occurrences.Block(0)->Variable(0);
    ASSERT_EQ(kName, name->variable);
    view->InsertVariableAt(name->position + 1, 0);
    ASSERT_EQ(1u, editors.labels.size());
    EXPECT_STREQ("Pełna nazwa zamawiającego", editors.labels[0]);
    EXPECT_EQ(-1, editors.topics[0]) << "no specification shown: no topic";
}

// In the specification the heading chosen in the tree gives the text editor the topic of the
// legal help; in any other document, or on a heading the topic file does not list, there is none.
TEST_F(ViewTreeTest, TextEditorGetsTheLegalTopicOfTheChosenHeadingOfTheSpecification)
{
    const CString config = LawVersions::GetConfigFilePath(app.MainPath, kVersion, kCode);
    ASSERT_TRUE(WriteTextFile(config, "punkty.rtf;Specyfikacja istotnych warunków zamówienia\r\nuwagi.rtf;Uwagi\r\n"));
    ASSERT_TRUE(CreateDirectoryPath(m_main / "cnf"));
    ASSERT_TRUE(WriteTextFile(m_main / "cnf\\qox.cnf", "II. Drugi punkt;7\r\nInny rozdział;9\r\n"));
    const CString templates = LawVersions::GetTemplateFolder(app.MainPath, app.UserTemplatesPath, kVersion) + "\\63";
    ASSERT_TRUE(WriteTextFile(templates + "\\uwagi.rtf", "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0 "
                                                         "<$001>Jedyny<?001> <!A05>nazwa</A05>\\par}"));
    CMorvelankView *view = CreateProceeding();
    RecordingEditors editors;
    SetValueEditorRunner(&editors);
    HTREEITEM specification = ChildWithData(Tree().GetRootItem(), 0);
    ASSERT_NE(specification, nullptr);
    const auto editName = [&] {
        const OccurrenceBlock *block = view->m_proceeding.m_tables->m_occurrences.Block(view->GetCurrentDocument());
        for (int slot = 0; slot < kVariableOccurrences; ++slot)
            if (block->Variable(slot)->variable == kName && block->Variable(slot)->length > 0) {
                view->InsertVariableAt(block->Variable(slot)->position + 1, 0);
                return;
            }
        ADD_FAILURE() << "no name in document " << view->GetCurrentDocument();
    };

    Tree().SelectItem(ChildWithData(specification, 2)); // "Drugi punkt"
    editName();
    Tree().SelectItem(ChildWithData(specification, 5)); // "Piąty punkt": no topic of its own
    editName();
    Tree().SelectItem(ChildWithData(specification, 2));
    view->ShowDocument(1, -1); // "Uwagi": no specification
    editName();
    const std::vector<int> topics = {7, -1, -1};
    EXPECT_EQ(topics, editors.topics);
    for (const CString &label : editors.labels)
        EXPECT_STREQ("Pełna nazwa zamawiającego", label) << "the comment text stays the label";
}

TEST_F(ViewTreeTest, HintOverAVariableAndNotBesideIt)
{
    CMorvelankView *view = CreateProceeding();
    ASSERT_NE(view->m_hint.GetSafeHwnd(), nullptr);
    const VariableOccurrence *name = view->m_proceeding.m_tables->m_occurrences.Block(0)->Variable(0);
    POINTL first{};
    view->SendMessage(EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&first), name->position + 1);
    auto moveTo = [view](int x, int y) {
        MSG move{view->GetSafeHwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(x, y), 0, {}};
        return view->PreTranslateMessage(&move);
    };

    EXPECT_FALSE(moveTo(first.x + 1, first.y + 5)) << "never eaten";
    EXPECT_EQ(1, view->m_bOverVariable);
    EXPECT_FALSE(view->m_hint.IsShown()) << "only after the delay";
    view->m_hint.SendMessage(WM_TIMER, CHintWnd::IDT_HINT_DELAY);
    ASSERT_TRUE(view->m_hint.IsShown());
    wchar_t shown[128] = L"";
    ::GetDlgItemTextW(view->m_hint.GetSafeHwnd(), CHintWnd::IDC_HINT_TEXT, shown, 128);
    EXPECT_EQ(Cp1250ToWide("Nazwa zamawiającego"), shown) << "without the correspondence marker";

    moveTo(first.x + 1, first.y + 200);
    EXPECT_FALSE(view->m_hint.IsShown());
    EXPECT_EQ(0, view->m_bOverVariable);

    // A click hides a shown hint.
    moveTo(first.x + 1, first.y + 5);
    view->m_hint.SendMessage(WM_TIMER, CHintWnd::IDT_HINT_DELAY);
    ASSERT_TRUE(view->m_hint.IsShown());
    MSG click{view->GetSafeHwnd(), WM_LBUTTONUP, 0, MAKELPARAM(first.x + 1, first.y + 5), 0, {}};
    view->PreTranslateMessage(&click);
    EXPECT_FALSE(view->m_hint.IsShown());
    EXPECT_FALSE(view->TrackMouseOverVariable(-50, -50, FALSE));
}

// Client positions of the first character and of the one after the last: (10, 20) and
// (60, 20) on one line; (200, 20) and (40, 56) over three lines.
TEST(HoverHit, OneLineAndSeveralLines)
{
    struct Case {
        POINT first, afterLast;
        int x, y;
        bool over;
    };
    const Case cases[] = {
        {{10, 20}, {60, 20}, 30, 25, true},
        {{10, 20}, {60, 20}, 30, 34, true}, // within 15 below the line's top
        {{10, 20}, {60, 20}, 30, 35, false},
        {{10, 20}, {60, 20}, 10, 25, false}, // on the first character's left edge
        {{10, 20}, {60, 20}, 60, 25, false},
        {{10, 20}, {60, 20}, 30, 20, false},
        {{200, 20}, {40, 56}, 300, 30, true}, // right of the start on the first line
        {{200, 20}, {40, 56}, 100, 30, false},
        {{200, 20}, {40, 56}, 5, 45, true},  // a whole line between
        {{200, 20}, {40, 56}, 20, 60, true}, // left of the end on the last line
        {{200, 20}, {40, 56}, 50, 60, false},
        {{200, 20}, {40, 56}, 20, 72, false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.over, IsOverText(c.first, c.afterLast, c.x, c.y)) << c.x << "," << c.y;
}

} // namespace
