// "Wybór dokumentów do wysyłki" under the test hook: which documents are offered, ticking all
// or none, and what OK hands back.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "dialog_test_support.h"
#include "proceeding/mail/document_choice_dlg.h"

namespace {

struct Entry {
    const char *fileName;
    const char *name;
    int16_t state;
};

// Offered: generated RTF documents, the extension in any letter case.
const Entry kEntries[] = {
    {"ogłoszenie.rtf", "Ogłoszenie o zamówieniu", kStateGenerated},    // 0
    {"spec.rtf", "Specyfikacja techniczna", kStateEditable},           // 1
    {"umowa.RTF", "Wzór umowy", kStateGenerated},                      // 2
    {"zalacznik.doc", "Załącznik", kStateGenerated},                   // 3
    {"protokol.rtf", "Protokół", kStateNotGenerated},                  // 4
    {"rtf", "Bez rozszerzenia", kStateGenerated},                      // 5
    {"zawiadomienie.rtf", "Zawiadomienie o wyborze", kStateGenerated}, // 6
    {"poza.rtf", "Poza liczbą dokumentów", kStateGenerated},           // 7
};

class DocumentChoiceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int i = 0; i < 8; ++i) {
            dialog.m_entries[i].fileName = kEntries[i].fileName;
            dialog.m_entries[i].displayName = kEntries[i].name;
            dialog.m_entries[i].state = kEntries[i].state;
        }
        dialog.m_nEntries = 7;
    }

    static CWyborDokumentow &Choice(CDialog &shown) { return dynamic_cast<CWyborDokumentow &>(shown); }

    CWyborDokumentow dialog;
};

TEST_F(DocumentChoiceTest, OnlyGeneratedRtfDocumentsAreOfferedWithTheirNames)
{
    CString rows;
    RunDialog(dialog, [&](CDialog &shown) {
        CListCtrl &list = Choice(shown).m_list;
        EXPECT_EQ(list.GetExtendedStyle() & 0x25u, 0x25u); // grid lines, check boxes, full row
        for (int row = 0; row < list.GetItemCount(); ++row) {
            rows.AppendFormat("%d|%s|%s\n", static_cast<int>(list.GetItemData(row)), (LPCSTR)list.GetItemText(row, 0),
                              (LPCSTR)list.GetItemText(row, 1));
            EXPECT_FALSE(list.GetCheck(row)) << row;
        }
        shown.EndDialog(IDCANCEL);
    });
    EXPECT_STREQ(rows, "0|Ogłoszenie o zamówieniu|ogłoszenie.rtf\n"
                       "2|Wzór umowy|umowa.RTF\n"
                       "6|Zawiadomienie o wyborze|zawiadomienie.rtf\n");
}

TEST_F(DocumentChoiceTest, OkHandsBackTheTickedDocumentsInListOrder)
{
    const struct {
        std::function<void(CDialog &)> tick;
        std::vector<int> chosen;
    } cases[] = {
        {[](CDialog &shown) {
             Choice(shown).m_list.SetCheck(2);
             Choice(shown).m_list.SetCheck(0);
         },
         {0, 6}},
        {[](CDialog &shown) { Click(shown, IDC_MAIL_TICK_ALL); }, {0, 2, 6}},
    };
    for (const auto &c : cases) {
        const DialogRun run = RunDialog(dialog, [&](CDialog &shown) {
            c.tick(shown);
            PressOk(shown);
        });
        EXPECT_EQ(run.result, IDOK);
        EXPECT_TRUE(run.messages.empty());
        EXPECT_EQ(dialog.m_chosen, c.chosen);
    }
}

TEST_F(DocumentChoiceTest, OkWithNothingTickedKeepsTheDialogOpen)
{
    const DialogRun run = RunDialog(dialog, [](CDialog &shown) {
        Click(shown, IDC_MAIL_TICK_ALL);
        Click(shown, IDC_MAIL_UNTICK_ALL);
        PressOk(shown);
    });
    EXPECT_EQ(run.result, IDCANCEL); // left open, the hook closed it
    ASSERT_EQ(run.messages.size(), 1u);
    EXPECT_STREQ(run.messages[0].text, "Należy wybrać co najmniej jeden dokument do wysyłki.");
    EXPECT_STREQ(run.messages[0].caption, "Informacja");
    EXPECT_EQ(run.messages[0].type, UINT(MB_OK | MB_ICONINFORMATION));
    EXPECT_TRUE(dialog.m_chosen.empty());
}

} // namespace
