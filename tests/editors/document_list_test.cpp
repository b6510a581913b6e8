#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "proceeding/dialogs/add_document_dlg.h"
#include "proceeding/editors/document_list.h"
#include "proceeding/editors/document_list_dlg.h"
#include "tests/editors/nested_name_dialogs.h"

namespace {

std::string Joined(const std::vector<CString> &names)
{
    std::string joined;
    for (const CString &name : names)
        joined += std::string(name) + ";";
    return joined;
}

TEST(DocumentListValue, LoadsUpToTheFirstEmptyNameAndSavesEveryNameWithItsBar)
{
    const struct {
        const char *value;
        const char *names;
        const char *saved;
    } cases[] = {
        {"a|b|", "a;b;", "a|b|"},
        {"a|b", "a;b;", "a|b|"},
        {"a||b|", "a;", "a|"},
        {"|a|", "", ""},
        {"", "", ""},
        {"Oferta wykonawcy| SIWZ |", "Oferta wykonawcy; SIWZ ;", "Oferta wykonawcy| SIWZ |"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.value);
        const std::vector<CString> names = ParseDocumentList(c.value);
        EXPECT_EQ(Joined(names), c.names);
        EXPECT_EQ(JoinDocumentList(names), c.saved);
    }
}

TEST(DocumentListValue, TypedLineBreaksAndBarsBecomeBlanksSoTheNameStaysOne)
{
    EXPECT_EQ(CleanDocumentName("Umowa\nwzór"), "Umowa wzór");
    EXPECT_EQ(CleanDocumentName("Umowa\r\nwzór"), "Umowa  wzór");
    EXPECT_EQ(CleanDocumentName("A|B"), "A B");
    EXPECT_EQ(JoinDocumentList(ParseDocumentList(JoinDocumentList({CleanDocumentName("A|B"), "C"}))), "A B|C|");
}

std::vector<std::string> Items(const CListBox &list)
{
    std::vector<std::string> items;
    for (int i = 0; i < list.GetCount(); ++i) {
        CString text;
        list.GetText(i, text);
        items.push_back(std::string(text));
    }
    return items;
}

struct DocumentListRun : NestedNameDialogs<CDocumentListDlg> {
    DocumentListRun() : NestedNameDialogs(IDC_DOCUMENT_TITLE) {}
};

TEST(DocumentListDialog, ShowsTheCaptionAndNamesAndSavesThemBack)
{
    CDocumentListDlg dialog;
    dialog.m_strCaption = "Wykaz załączników";
    dialog.m_strValue = "a|b";
    DocumentListRun run;
    CString caption;
    std::vector<std::string> shown;
    const INT_PTR result = run.Run(dialog, [&](CDocumentListDlg &d) {
        d.GetWindowText(caption);
        shown = Items(d.m_list);
        DialogDriver::Press(d, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(caption, "Wykaz załączników");
    EXPECT_EQ(shown, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(dialog.m_strValue, "a|b|");

    CDocumentListDlg untitled;
    run.Run(untitled, [&](CDocumentListDlg &d) { d.GetWindowText(caption); });
    EXPECT_EQ(caption, "Lista dokumentów");
}

TEST(DocumentListDialog, AddAndEditGoThroughTheNameDialogAndNeverStoreAnEmptyName)
{
    if (::FindResourceW(nullptr, MAKEINTRESOURCEW(IDD_ADD_DOCUMENT), (LPCWSTR)RT_DIALOG) == nullptr)
        GTEST_SKIP() << "the name dialog's template is not among this program's resources";
    CDocumentListDlg dialog;
    dialog.m_strValue = "a|b|";
    DocumentListRun run;
    run.answers = {"c|d", "", nullptr, "B2", "", nullptr};
    const INT_PTR result = run.Run(dialog, [&](CDocumentListDlg &d) {
        DialogDriver::Press(d, IDC_DOCUMENT_LIST_ADD);  // "c|d"
        DialogDriver::Press(d, IDC_DOCUMENT_LIST_ADD);  // empty: nothing added
        DialogDriver::Press(d, IDC_DOCUMENT_LIST_ADD);  // cancelled
        DialogDriver::Press(d, IDC_DOCUMENT_LIST_EDIT); // no selection: no dialog
        d.m_list.SetCurSel(1);
        DialogDriver::Press(d, IDC_DOCUMENT_LIST_EDIT); // "B2"
        DialogDriver::Press(d, IDC_DOCUMENT_LIST_EDIT); // empty: the name stays
        DialogDriver::Press(d, IDC_DOCUMENT_LIST_EDIT); // cancelled
        DialogDriver::Press(d, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(run.prefills, (std::vector<std::string>{"", "", "", "b", "B2", "B2"}));
    EXPECT_EQ(dialog.m_strValue, "a|B2|c d|");
}

TEST(DocumentListDialog, DeleteAndMovesActOnTheSelectedName)
{
    const struct {
        int selected;
        int button;
        const char *saved;
        int selectedAfter;
    } cases[] = {
        {1, IDC_DOCUMENT_LIST_UP, "b|a|c|", 0},       {1, IDC_DOCUMENT_LIST_DOWN, "a|c|b|", 2},
        {0, IDC_DOCUMENT_LIST_UP, "a|b|c|", 0},       {2, IDC_DOCUMENT_LIST_DOWN, "a|b|c|", 2},
        {-1, IDC_DOCUMENT_LIST_DOWN, "a|b|c|", -1},   {1, IDC_DOCUMENT_LIST_DELETE, "a|c|", -1},
        {-1, IDC_DOCUMENT_LIST_DELETE, "a|b|c|", -1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.selected << " " << c.button);
        CDocumentListDlg dialog;
        dialog.m_strValue = "a|b|c|";
        DocumentListRun run;
        int selectedAfter = -2;
        run.Run(dialog, [&](CDocumentListDlg &d) {
            d.m_list.SetCurSel(c.selected);
            DialogDriver::Press(d, c.button);
            selectedAfter = d.m_list.GetCurSel();
            DialogDriver::Press(d, IDOK);
        });
        EXPECT_EQ(dialog.m_strValue, c.saved);
        EXPECT_EQ(selectedAfter, c.selectedAfter);
    }
}

TEST(DocumentListDialog, ListsOf500NamesOrMoreDoNotMove)
{
    for (int count : {499, 500}) {
        SCOPED_TRACE(count);
        CString value;
        for (int i = 0; i < count; ++i)
            value.AppendFormat("d%d|", i);
        CDocumentListDlg dialog;
        dialog.m_strValue = value;
        DocumentListRun run;
        CString second;
        run.Run(dialog, [&](CDocumentListDlg &d) {
            d.m_list.SetCurSel(0);
            DialogDriver::Press(d, IDC_DOCUMENT_LIST_DOWN);
            d.m_list.GetText(1, second);
            DialogDriver::Press(d, IDOK);
        });
        EXPECT_EQ(second, count < 500 ? "d0" : "d1");
    }
}

TEST(DocumentListDialog, CancelKeepsTheValue)
{
    CDocumentListDlg dialog;
    dialog.m_strValue = "a|b";
    DocumentListRun run;
    const INT_PTR result = run.Run(dialog, [&](CDocumentListDlg &d) {
        d.m_list.SetCurSel(0);
        DialogDriver::Press(d, IDC_DOCUMENT_LIST_DELETE);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dialog.m_strValue, "a|b");
}

} // namespace
