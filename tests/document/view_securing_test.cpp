// Securing a document from the tree: only an ordinary generated document of a current
// proceeding toggles, its tree picture and the message follow, and the proceeding counts as
// changed.
#include "view_command_fixture.h"
#include "model/view_tables.h"

namespace {

class ViewSecuringTest : public ViewCommandTest {
protected:
    int DocumentImage(int document)
    {
        CTreeCtrl &control = tree->GetTreeCtrl();
        for (HTREEITEM item = control.GetChildItem(control.GetRootItem()); item;
             item = control.GetNextSiblingItem(item))
            if (control.GetItemData(item) == static_cast<DWORD_PTR>(document) * 1000) {
                TVITEMW info{};
                info.mask = TVIF_IMAGE;
                info.hItem = item;
                control.SendMessage(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&info));
                return info.iImage;
            }
        return -1;
    }
};

TEST_F(ViewSecuringTest, GeneratedDocumentTogglesWithItsPictureAndMessage)
{
    view->m_proceeding.m_bModified = 0;
    view->ToggleDocumentSecured(0);
    EXPECT_EQ(1, view->m_proceeding.m_tables->m_documents[0].secured);
    EXPECT_EQ(5, DocumentImage(0));
    EXPECT_EQ(1, view->m_proceeding.m_bModified);
    view->ToggleDocumentSecured(0);
    EXPECT_EQ(0, view->m_proceeding.m_tables->m_documents[0].secured);
    EXPECT_EQ(1, DocumentImage(0));
    const std::vector<CString> expected = {"Informacja: Dokument zabezpieczony", "Informacja: Zabezpieczenie zdjęte"};
    EXPECT_EQ(expected, messages);
}

TEST_F(ViewSecuringTest, OtherKindsSetsAndStatesAreLeftAlone)
{
    const struct {
        const char *what;
        int kind;
        int code;
        int state;
        int modified;
    } cases[] = {
        {"archive", 1, 162, kStateGenerated, 0},          {"example", 5, 162, kStateGenerated, 0},
        {"contracts", 0, 198, kStateGenerated, 0},        {"legal remedies", 0, 196, kStateGenerated, 0},
        {"editable document", 0, 162, kStateEditable, 1},
    };
    for (const auto &c : cases) {
        view->m_proceeding.m_nProceedingKind = c.kind;
        view->m_proceeding.m_nProcedureCode = c.code;
        view->m_proceeding.m_tables->m_documents[0].state = static_cast<int16_t>(c.state);
        view->m_proceeding.m_bModified = 0;
        view->ToggleDocumentSecured(0);
        EXPECT_EQ(0, view->m_proceeding.m_tables->m_documents[0].secured) << c.what;
        EXPECT_EQ(c.modified, view->m_proceeding.m_bModified) << c.what;
    }
    EXPECT_TRUE(messages.empty());
}

} // namespace
