// The document tree: what choosing an item shows or opens, own files, the text copy and the
// tree's own commands.
#include "frame_fixture.h"

#include "model/file_utils.h"
#include "document/item_codes.h"
#include "framework/core/codepage.h"
#include "framework/ui/commondlg.h"
#include "framework/ui/menu.h"
#include "res/resource.h"

namespace {

class DocumentTreeTest : public ProceedingWindowTest {
protected:
    void SetUp() override
    {
        ProceedingWindowTest::SetUp();
        FillTree();
    }
    CTreeCtrl &Control() { return tree->GetTreeCtrl(); }
    void Select(HTREEITEM item) { Control().SelectItem(item); }
    void DoubleClick(HTREEITEM item)
    {
        Select(item);
        NMHDR header{tree->m_hWnd, (UINT_PTR)::GetDlgCtrlID(tree->m_hWnd), (UINT)NM_DBLCLK};
        child->GetSplitter().SendMessage(WM_NOTIFY, header.idFrom, (LPARAM)&header);
    }
    int FirstVisibleLine() { return (int)view->SendMessage(EM_GETFIRSTVISIBLELINE); }
    CHARRANGE Selection()
    {
        CHARRANGE range{};
        view->SendMessage(EM_EXGETSEL, 0, (LPARAM)&range);
        return range;
    }
    HTREEITEM Document(int document) { return FindItem(MakeItemCode(document, 0)); }
    HTREEITEM Point(int document, int point) { return FindItem(MakeItemCode(document, point), Document(document)); }
    HTREEITEM Part(int document, int part) { return FindItem(MakeItemCode(document, 0), Document(document), part); }
    HTREEITEM OwnFile(const char *name)
    {
        for (HTREEITEM item = Control().GetChildItem(myDocuments); item; item = Control().GetNextSiblingItem(item))
            if (Control().GetItemText(item) == name)
                return item;
        return nullptr;
    }
    std::vector<CString> AttachedFiles()
    {
        return std::vector<CString>(view->project.m_strAttachedFiles,
                                    view->project.m_strAttachedFiles + view->project.m_nAttachedCount);
    }
};

} // namespace

TEST_F(DocumentTreeTest, SelectingAPointShowsItsDocumentOnceAndPutsTheHeadingOnTop)
{
    Select(Point(0, 2));
    ASSERT_EQ(view->shown, std::vector<CString>{"0/-1"});
    EXPECT_TRUE(view->IsWindowVisible());
    const int heading2 = view->GetHeadingPosition(0, 1002);
    EXPECT_EQ(heading2, (int)view->SendMessage(EM_LINEINDEX, 20));
    EXPECT_EQ(FirstVisibleLine(), 20);
    EXPECT_EQ(Selection().cpMin, heading2);
    EXPECT_EQ(Selection().cpMax, heading2);
    EXPECT_EQ(tree->GetSelectedCode(), MakeItemCode(0, 2));

    // Another point of the shown document only scrolls, up as well as down.
    Select(Point(0, 1));
    EXPECT_EQ(view->shown.size(), 1u);
    EXPECT_EQ(FirstVisibleLine(), 10);
    EXPECT_EQ(Selection().cpMin, view->GetHeadingPosition(0, 1001));
}

TEST_F(DocumentTreeTest, TheViewIsHiddenWhileADocumentIsGenerated)
{
    Select(Point(5, 1));
    ASSERT_EQ(view->shown, std::vector<CString>{"5/-1"});
    EXPECT_FALSE(view->generatedWhileVisible);
    EXPECT_TRUE(view->IsWindowVisible());
}

TEST_F(DocumentTreeTest, TopLevelDocumentsOpenOnDoubleClickAndPointsOnSelection)
{
    Select(Document(5));
    EXPECT_TRUE(view->shown.empty());
    DoubleClick(Document(5));
    EXPECT_EQ(view->shown, std::vector<CString>{"5/-1"});

    // A double click on a point adds nothing to what its selection did.
    DoubleClick(Point(0, 1));
    EXPECT_EQ(view->shown, (std::vector<CString>{"5/-1", "0/-1"}));

    // The root and "Moje dokumenty" do nothing.
    DoubleClick(root);
    DoubleClick(myDocuments);
    EXPECT_EQ(view->shown.size(), 2u);
    EXPECT_TRUE(messages.empty());
}

TEST_F(DocumentTreeTest, APartIsGeneratedByItsPlaceAndNotAgainWhenAlreadyShown)
{
    Select(Part(1, 2));
    Select(Part(1, 0));
    Select(root);
    Select(Part(1, 0));
    EXPECT_EQ(view->shown, (std::vector<CString>{"1/2", "1/0"}));
    EXPECT_EQ(view->currentPart, 0);
}

TEST_F(DocumentTreeTest, NothingOpensWhileTheViewMovesTheSelectionToTheCaret)
{
    view->syncing = true;
    Select(Point(0, 2));
    EXPECT_TRUE(view->shown.empty());
    EXPECT_EQ(tree->GetSelectedCode(), MakeItemCode(0, 2));
}

TEST_F(DocumentTreeTest, CalculatorItemsOpenTheirCalculatorOnly)
{
    const char *names[] = {"Kryterium cena", "Kryterium termin", "Bilans punktowy"};
    for (int type = 0; type < 3; ++type) {
        view->calculatorItems[type] = Control().InsertItem(names[type], 5, 5, Document(5));
        Control().SetItemData(view->calculatorItems[type], MakeItemCode(5, 0));
    }
    for (int type : {2, 0, 1})
        Select(view->calculatorItems[type]);
    EXPECT_EQ(view->calculators, (std::vector<int>{2, 0, 1}));
    EXPECT_TRUE(view->shown.empty());
}

TEST_F(DocumentTreeTest, AFileDocumentThatIsNowhereIsReported)
{
    DoubleClick(Document(2));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_STREQ(messages[0].text, "Nie znaleziono pliku: " + app.MainPath + "\\zp\\Umowa.doc");
    EXPECT_STREQ(messages[0].caption, "Błąd");
    EXPECT_EQ(messages[0].type & MB_ICONMASK, (UINT)MB_ICONERROR);
    EXPECT_TRUE(view->shown.empty());
}

TEST(FileDocumentCommandLine, WordAndExcelOpenOnlyTheirLowerCaseExtensions)
{
    const struct {
        const char *folder;
        const char *name;
        const char *expected;
    } cases[] = {
        {"C:\\Office", "umowa.doc", "C:\\Office\\WinWord.exe \"D:\\p\\umowa.doc\""},
        {"C:\\Office", "wzor.dot", "C:\\Office\\WinWord.exe \"D:\\p\\wzor.dot\""},
        {"C:\\Office", "ceny.xls", "C:\\Office\\Excel.exe \"D:\\p\\ceny.xls\""},
        {"C:\\Office", "UMOWA.DOC", ""}, // the shell opens it
        {"C:\\Office", "umowa.docx", ""},
        {"C:\\Office", "doc", ""}, // too short to have an extension
        {"", "umowa.doc", ""},     // no word processor set up
    };
    for (const auto &c : cases) {
        const CString path = CString("D:\\p\\") + c.name;
        EXPECT_STREQ(FileDocumentCommandLine(c.folder, c.name, path), c.expected) << c.name;
    }
}

TEST_F(DocumentTreeTest, AMissingOwnFileMayBeRemovedFromTheProceeding)
{
    answer = IDNO;
    DoubleClick(OwnFile("c.txt"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_STREQ(messages[0].text, "Program nie może odnaleźć pliku: " + view->project.GetFolder()
                                       + "\\c.txt.\nCzy chcesz usunąć plik z projektu?");
    EXPECT_EQ(view->project.m_nAttachedCount, 5);

    answer = IDYES;
    messages.clear();
    tree->OnOpen();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(AttachedFiles(), (std::vector<CString>{"a.txt", "b.txt", "d.txt", "e.txt"}));
    EXPECT_TRUE(view->project.m_strAttachedFiles[4].IsEmpty());
    EXPECT_EQ(OwnFile("c.txt"), nullptr);
    EXPECT_EQ(view->modified, 1);
}

TEST_F(DocumentTreeTest, RemovingAnOwnFileAsksAboutTheFileOnDisk)
{
    const CString path = view->project.GetFolder() + "\\b.txt";
    ASSERT_TRUE(WriteTextFile(path, "treść"));
    const struct {
        int answer;
        bool removed;
    } cases[] = {{IDNO, false}, {IDYES, true}};
    for (const auto &c : cases) {
        messages.clear();
        answer = c.answer;
        Select(OwnFile("b.txt"));
        EXPECT_EQ(Update(ID_USUN_PLIK).enabled, 1);
        Command(ID_USUN_PLIK);
        EXPECT_STREQ(messages[0].text, "Czy usunąć wybrany dokument z projektu?");
        EXPECT_EQ(OwnFile("b.txt") == nullptr, c.removed);
    }
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_STREQ(messages[1].text, "Czy usunąć również plik: " + path);
    EXPECT_FALSE(FileExists(path));
    EXPECT_EQ(AttachedFiles(), (std::vector<CString>{"a.txt", "c.txt", "d.txt", "e.txt"}));
}

TEST_F(DocumentTreeTest, AnOwnFileTheListDoesNotHoldOrAnUnnamedProceedingChangesNothing)
{
    HTREEITEM stray = Control().InsertItem("obcy.txt", 4, 4, myDocuments);
    Control().SetItemData(stray, kItemOwnFile);
    Select(stray);
    tree->RemoveSelectedItem();
    EXPECT_NE(OwnFile("obcy.txt"), nullptr);

    view->project.SetFileName("", "");
    Select(OwnFile("a.txt"));
    tree->RemoveSelectedItem();
    EXPECT_NE(OwnFile("a.txt"), nullptr);
    EXPECT_EQ(view->project.m_nAttachedCount, 5);
    EXPECT_EQ(view->modified, 0);
}

TEST_F(DocumentTreeTest, OwnFileCommandsAreEnabledOnlyOnAnOwnFile)
{
    Select(Point(0, 1));
    EXPECT_EQ(Update(ID_OTWORZ_PLIK).enabled, 0);
    EXPECT_EQ(Update(ID_USUN_PLIK).enabled, 0);
    EXPECT_EQ(Update(ID_DODAJ_DOKUMENT).enabled, 1);
    Select(OwnFile("a.txt"));
    EXPECT_EQ(Update(ID_OTWORZ_PLIK).enabled, 1);

    // The context menu's choice comes back to the tree through the main window.
    hook.onPopupMenu = [](CMenu &menu) {
        EXPECT_EQ(menu.GetMenuItemID(0), (UINT)ID_DODAJ_DOKUMENT);
        return (UINT)ID_DODAJ_DOKUMENT;
    };
    tree->SendMessage(WM_CONTEXTMENU, (WPARAM)tree->m_hWnd, MAKELPARAM(20, 20));
    EXPECT_EQ(view->filesAdded, 1);
}

TEST_F(DocumentTreeTest, TheTextCopyListsEveryItemIndentedWithTheTagOfItsImage)
{
    Control().DeleteAllItems();
    HTREEITEM top = Control().InsertItem("Przetarg", 0, 0);
    HTREEITEM document = Control().InsertItem("Umowa", 4, 4, top);
    Control().InsertItem("1. Strony", 2, 2, document);

    const CString folder = TempFolder("text");
    tree->SaveTreeAsText(folder);
    EXPECT_STREQ(ReadFileToString(folder + "\\Przetarg.txt"),
                 "Przetarg \r\n\tUmowa [WORD]\r\n\t\t1. Strony [PUNKT]\r\n");

    // The frame's command asks for the file, proposing the root's name.
    CString proposed;
    const CString chosen = folder + "\\wybrany.txt";
    hook.onCommonDialog = [&](CCommonDialog &dialog) {
        auto &fileDialog = dynamic_cast<CFileDialog &>(dialog);
        proposed = fileDialog.m_ofn.lpstrFile;
        lstrcpynA(fileDialog.m_ofn.lpstrFile, chosen, fileDialog.m_ofn.nMaxFile);
        return (INT_PTR)IDOK;
    };
    Command(ID_DRZEWO_DO_PLIKU);
    EXPECT_STREQ(proposed, "Przetarg.txt");
    EXPECT_TRUE(FileExists(chosen));
}

TEST(TreeImageTag, ImagesGiveTheirTags)
{
    const struct {
        int image;
        const char *tag;
    } cases[] = {
        {0, ""}, {1, ""}, {2, "[PUNKT]"},  {3, "[EXCEL]"},  {9, "[EXCEL]"}, {4, "[WORD]"},         {10, "[WORD]"},
        {5, ""}, {6, ""}, {7, "[FOLDER]"}, {8, "[FOLDER]"}, {11, "[INNE]"}, {23, "[SPECYFIKACJA]"}};
    for (const auto &c : cases)
        EXPECT_STREQ(TreeImageTag(c.image), c.tag) << c.image;
}

TEST_F(DocumentTreeTest, ToolbarCommandsMoveAmongSiblingsAndFoldBranches)
{
    Select(Document(0));
    Command(ID_DRZEWO_NASTEPNY);
    EXPECT_EQ(Control().GetSelectedItem(), Document(1));
    Command(ID_DRZEWO_POPRZEDNI);
    Command(ID_DRZEWO_POPRZEDNI); // no sibling before the first
    EXPECT_EQ(Control().GetSelectedItem(), Document(0));

    auto expanded = [&](HTREEITEM item) { return (Control().GetItemState(item, TVIS_EXPANDED) & TVIS_EXPANDED) != 0; };
    Command(ID_DRZEWO_ROZWIN_WSZYSTKO);
    EXPECT_TRUE(expanded(Document(0)));
    EXPECT_TRUE(expanded(Document(1)));
    EXPECT_TRUE(expanded(myDocuments));
    Command(ID_DRZEWO_ZWIN_WSZYSTKO);
    EXPECT_FALSE(expanded(root));
    EXPECT_FALSE(expanded(Document(0)));
}
