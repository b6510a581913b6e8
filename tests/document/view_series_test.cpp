// Series correspondence in the view: the contractor's texts written into every occurrence of
// the marked fields with everything behind them kept in place, and the proceeding's own values
// written back exactly.
#include <gtest/gtest.h>

#include "tests/document/series_view_fixture.h"

namespace {

struct OccurrenceState {
    int variable;
    int position;
    int length;
};

class ViewSeriesTest : public SeriesViewTest {
protected:
    OccurrenceBlock &Block() { return *view->m_proceeding.m_tables->m_occurrences.Block(view->GetCurrentDocument()); }

    // Every live occurrence's recorded range holds its variable's value.
    void ExpectRangesHoldValues()
    {
        const CString text = Text();
        for (int j = 0; j < kVariableOccurrences; ++j) {
            const VariableOccurrence &o = *Block().Variable(j);
            if (o.enabled == -1 && o.length == 0)
                continue;
            EXPECT_EQ(text.Mid(o.position, o.length), Value(o.variable)) << "slot " << j;
        }
    }

    std::vector<OccurrenceState> Occurrences()
    {
        std::vector<OccurrenceState> states;
        for (int j = 0; j < kVariableOccurrences; ++j) {
            const VariableOccurrence &o = *Block().Variable(j);
            if (o.enabled != -1 || o.length > 0)
                states.push_back({o.variable, o.position, o.length});
        }
        return states;
    }

    int HeadingPosition() { return Block().Heading(1002)->position; }
};

TEST_F(ViewSeriesTest, FillWritesEveryOccurrenceOfAFieldAndMovesWhatFollows)
{
    ASSERT_EQ(Text().Mid(HeadingPosition(), 5), CString("Treść"));
    view->FillCorrespondence("Firma „Żuraw” Sp. z o.o.", "ul. Krótka 5\r\n00-001 Warszawa", "", "");

    EXPECT_EQ(Value(kRecipientVariable), CString("Firma „Żuraw” Sp. z o.o."));
    EXPECT_EQ(Value(kAddressVariable), CString("ul. Krótka 5\r00-001 Warszawa"));
    EXPECT_EQ(Value(kDateVariable), CString("2025-09-30"));
    const CString text = Text();
    EXPECT_EQ(text.Find("Zamawiający odbiorca"), -1);
    EXPECT_NE(text.Find("Szanowni Firma „Żuraw” Sp. z o.o., termin 2025-09-30."), -1) << (LPCSTR)text;
    ExpectRangesHoldValues();
    EXPECT_EQ(text.Mid(HeadingPosition(), 5), CString("Treść"));
    EXPECT_EQ(view->m_proceeding.m_bModified, 0);
}

TEST_F(ViewSeriesTest, RestoreGivesBackTheTextValuesAndPlacesAsTheyWere)
{
    const CString before = Text();
    const std::vector<OccurrenceState> placesBefore = Occurrences();
    const int headingBefore = HeadingPosition();

    view->StoreSeriesTexts();
    for (const char *name : {"A", "Przedsiębiorstwo Wielobranżowe „Ołówek” s.c.", ""})
        view->FillCorrespondence(name, "Adres\r\ndrugi wiersz", "", "");
    view->RestoreSeriesTexts();

    EXPECT_EQ(Text(), before);
    EXPECT_EQ(Value(kRecipientVariable), CString("Zamawiający odbiorca"));
    EXPECT_EQ(Value(kAddressVariable), CString("ul. Długa 1"));
    const std::vector<OccurrenceState> placesAfter = Occurrences();
    ASSERT_EQ(placesAfter.size(), placesBefore.size());
    for (size_t i = 0; i < placesBefore.size(); ++i) {
        EXPECT_EQ(placesAfter[i].position, placesBefore[i].position) << i;
        EXPECT_EQ(placesAfter[i].length, placesBefore[i].length) << i;
    }
    EXPECT_EQ(HeadingPosition(), headingBefore);
}

TEST_F(ViewSeriesTest, AMarkerAtTheStartOfAHintNamesNoFieldAndFillingEndsThere)
{
    for (int j = 0; j < kVariableOccurrences; ++j)
        if (Block().Variable(j)->variable == kAddressVariable)
            Block().Variable(j)->hint = "[KORESPONDENCJA2]Adres";

    view->FillCorrespondence("Nowy", "Nowy adres", "Trzeci", "");

    EXPECT_EQ(Value(kRecipientVariable), CString("Nowy"));
    EXPECT_EQ(Value(kAddressVariable), CString("ul. Długa 1"));
    EXPECT_EQ(Text().Find("Trzeci"), -1);
    ExpectRangesHoldValues();
}

TEST_F(ViewSeriesTest, ASlotTheGenerationDidNotFillIsNoFieldThoughItKeepsAnOldHint)
{
    const CString valueOfVariableZero = Value(0);
    Block().Variable(500)->hint = "Stary [KORESPONDENCJA3]";

    view->FillCorrespondence("Nowy", "Nowy adres", "Trzeci", "");

    EXPECT_EQ(Value(kAddressVariable), CString("Nowy adres"));
    EXPECT_EQ(Value(0), valueOfVariableZero);
    EXPECT_EQ(Text().Find("Trzeci"), -1) << (LPCSTR)Text();
    ExpectRangesHoldValues();
}

TEST_F(ViewSeriesTest, ADocumentWithoutFieldsIsLeftAsItIs)
{
    view->ShowDocument(kDescriptionDocument, -1);
    const CString before = Text();
    view->StoreSeriesTexts();
    view->FillCorrespondence("Nowy", "Nowy adres", "", "");
    view->RestoreSeriesTexts();
    EXPECT_EQ(Text(), before);
    EXPECT_EQ(Value(kRecipientVariable), CString("Zamawiający odbiorca"));
}

} // namespace
