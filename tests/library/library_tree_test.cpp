// The library tree as the filler builds it on the real tree control.
#include <gtest/gtest.h>

#include "library_test_support.h"
#include "mainframe/library/library_tree.h"

namespace {

class LibraryTreeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.CreateEx(0, "STATIC", "", WS_POPUP, CRect(0, 0, 300, 400), nullptr, 0));
        ASSERT_TRUE(tree.Create(TVS_HASBUTTONS | TVS_HASLINES, CRect(0, 0, 300, 400), &host, 1));
    }
    void TearDown() override { host.DestroyWindow(); }

    void Fill(std::vector<LibraryEntry> entries)
    {
        this->entries = entries;
        FillDocumentTree(tree, "Dokumenty ZP", "\\zp\\", entries, paths, "C:\\M");
    }

    // text(image data) with "*" when expanded, children in braces; data of documents opened
    // outside as "o" + entry.
    CString Describe(HTREEITEM item) const
    {
        CString text;
        for (; item; item = tree.GetNextSiblingItem(item)) {
            TVITEMW info = {};
            info.mask = TVIF_IMAGE | TVIF_STATE;
            info.hItem = item;
            info.stateMask = TVIS_EXPANDED;
            tree.SendMessage(TVM_GETITEMW, 0, (LPARAM)&info);
            const DWORD_PTR data = tree.GetItemData(item);
            CString code;
            if (data >= kOpenedDocumentData)
                code.Format("o%d", (int)(data - kOpenedDocumentData));
            else
                code.Format("%d", (int)data);
            text.AppendFormat("%s(%d %s)", (LPCSTR)tree.GetItemText(item), info.iImage, (LPCSTR)code);
            if (info.state & TVIS_EXPANDED)
                text += "*";
            if (HTREEITEM child = tree.GetChildItem(item))
                text += "{" + Describe(child) + "}";
            text += " ";
        }
        return text;
    }

    CWnd host;
    CTreeCtrl tree;
    std::vector<LibraryEntry> entries;
    std::vector<CString> paths;
};

} // namespace

TEST_F(LibraryTreeTest, HeadingsLevelsAndMarksShapeTheTree)
{
    Fill({
        {"wstep.rtf", "Wstęp"},
        {"$", "Ustawa"},
        {"+$ustawa.pdf", "Tekst ustawy"},
        {"komentarz.doc", "Komentarz"},
        {"$zmiany.htm", "Zmiany"},
        {"-", "Oddzielnik"},
        {"arkusz.XLS", "Kalkulacja"},
        {"  ", "Pusty"},
    });
    EXPECT_EQ(Describe(tree.GetRootItem()), "Dokumenty ZP(0 0){"
                                            "Wstęp(4 o0) "
                                            "Ustawa(1 1000){Tekst ustawy(20 o2)*{Komentarz(4 o3) } Zmiany(4 4000) } "
                                            "Oddzielnik(1 5000) Kalkulacja(3 o6) "
                                            "Pusty(1 7000) } ");

    const CString folder = "C:\\M\\zp\\";
    const std::vector<CString> expected = {folder + "wstep.rtf",  "", folder + "ustawa.pdf", folder + "komentarz.doc",
                                           folder + "zmiany.htm", "", folder + "arkusz.XLS", ""};
    EXPECT_EQ(paths, expected);
}

TEST_F(LibraryTreeTest, PlainHeadingPutsTheDocumentsAfterItUnderTheRoot)
{
    Fill({{"$", "Grupa"}, {"a.rtf", "A"}, {"x", "Sam nagłówek"}, {"b.rtf", "B"}});
    EXPECT_EQ(Describe(tree.GetRootItem()), "Dokumenty ZP(0 0){Grupa(1 0){A(4 o1) } Sam nagłówek(1 2000) B(4 o3) } ");
}

// Entries beyond the hundredth: their headings' data must never read as a document to open.
TEST_F(LibraryTreeTest, LateHeadingsStayBelowTheOpenedDocuments)
{
    std::vector<LibraryEntry> many;
    for (int i = 0; i < 299; ++i)
        many.push_back({"d.htm", "Strona"});
    many.push_back({"$", "Ostatni"});
    Fill(many);
    HTREEITEM item = tree.GetChildItem(tree.GetRootItem());
    HTREEITEM last = nullptr;
    for (; item; item = tree.GetNextSiblingItem(item))
        last = item;
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(tree.GetItemText(last), "Ostatni");
    EXPECT_EQ(tree.GetItemData(last), 299000u);
    EXPECT_LT(tree.GetItemData(last), kOpenedDocumentData);
}

TEST_F(LibraryTreeTest, RefillingReplacesTheTree)
{
    Fill({{"a.rtf", "A"}, {"b.rtf", "B"}});
    Fill({});
    EXPECT_EQ(Describe(tree.GetRootItem()), "Dokumenty ZP(0 0) ");
    EXPECT_TRUE(paths.empty());
}
