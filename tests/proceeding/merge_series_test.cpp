// The mail merge's generation on a real proceeding view: each chosen document with each chosen
// contractor in turn, the contractor's name and address in the document handed to the output,
// the progress counted on the status bar, and the proceeding's own values and the shown
// document back afterwards, also when the output fails half way.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "merge_fixture.h"
#include "proceeding/merge/mail_merge.h"
#include "tests/document/series_view_fixture.h"

namespace {

class StatusRecorder : public MainWindowServices {
public:
    HMENU BuildMainMenu() override { return nullptr; }
    void SetAutosaveTimer() override {}
    void SetStatusText(int pane, const CString &text) override
    {
        if (pane == 0)
            statuses.push_back(text);
    }
    void ShowProgress() override {}
    void SetProgressPos(int position) override { positions.push_back(position); }
    void SetProgressRange(int maximum) override { range = maximum; }
    void ShowBar(int, int) override {}
    void ShowFormatBar(int) override {}
    void OpenProject(int, int, const CString &, const CString &) override {}
    BOOL PreTranslateAppMessage(MSG *) override { return FALSE; }

    std::vector<CString> statuses;
    std::vector<int> positions;
    int range = -1;
};

// One output: the document and the text the view showed then.
struct Output {
    int document;
    CString text;
};

class MailMergeTest : public SeriesViewTest {
protected:
    void SetUp() override
    {
        SeriesViewTest::SetUp();
        CreateRegistersDatabase(m_main.Path());
        ASSERT_EQ(app.OpenRejestryDB(), 1);
        StoreContractor(app.GetRegistersConnection(), 1, "Alfa „Ł” Sp. z o.o.", "ul. Pierwsza 1", "alfa@example.pl");
        StoreContractor(app.GetRegistersConnection(), 2, "Beta s.c.", "ul. Druga 2", "");
        StoreContractor(app.GetRegistersConnection(), 3, "Gamma O'Neil", "ul. Trzecia 3", "g@example.pl");
        view->ShowDocument(kDescriptionDocument, -1);
        textBefore = Text();
    }
    void TearDown() override
    {
        app.CloseRejestryDB();
        SeriesViewTest::TearDown();
    }

    void Generate(const CString &documents, const CString &contractors, int failAt = 0)
    {
        GenerateSeries(&parent, *view, &main, app.GetRegistersConnection(), documents, contractors,
                       [&](SeriesMergeTarget &shown) {
                           outputs.push_back({shown.GetCurrentDocument(), Text()});
                           if (static_cast<int>(outputs.size()) == failAt)
                               throw std::runtime_error("printer gone");
                       });
    }

    // The document is shown again as it was, with the proceeding's own values.
    void ExpectProceedingAsBefore()
    {
        EXPECT_EQ(view->GetCurrentDocument(), kDescriptionDocument);
        EXPECT_EQ(Text(), textBefore);
        EXPECT_EQ(Value(kRecipientVariable), CString("Zamawiający odbiorca"));
        EXPECT_EQ(Value(kAddressVariable), CString("ul. Długa 1"));
        EXPECT_EQ(view->m_proceeding.m_bModified, 0);
        EXPECT_EQ(main.statuses.back(), CString(""));
    }

    StatusRecorder main;
    std::vector<Output> outputs;
    CString textBefore;
};

TEST_F(MailMergeTest, EveryDocumentGoesOutOnceForEachContractorInOrder)
{
    Generate(",2,0,", ",1,2,3,");

    const struct {
        int document;
        const char *expected;
    } jobs[] = {
        {kInvitationDocument, "Zaproszenie dla Alfa „Ł” Sp. z o.o.."},
        {kInvitationDocument, "Zaproszenie dla Beta s.c.."},
        {kInvitationDocument, "Zaproszenie dla Gamma O'Neil."},
        {kLetterDocument, "Do: Alfa „Ł” Sp. z o.o.\rul. Pierwsza 1 alfa@example.pl\r"},
        {kLetterDocument, "Do: Beta s.c.\rul. Druga 2 \r"},
        {kLetterDocument, "Szanowni Gamma O'Neil, termin 2025-09-30."},
    };
    ASSERT_EQ(outputs.size(), 6u);
    for (size_t i = 0; i < outputs.size(); ++i) {
        EXPECT_EQ(outputs[i].document, jobs[i].document) << i;
        EXPECT_NE(outputs[i].text.Find(jobs[i].expected), -1) << i << ": " << (LPCSTR)outputs[i].text;
        EXPECT_EQ(outputs[i].text.Find("Zamawiający odbiorca"), -1) << i;
    }
    EXPECT_EQ(main.range, 6);
    EXPECT_EQ(main.positions, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(main.statuses[0], CString("Korespondencja seryjna... Trwa generowanie dokumentow"));
    EXPECT_EQ(main.statuses[1], CString("Korespondencja seryjna... 1 z 6"));
    EXPECT_EQ(main.statuses[6], CString("Korespondencja seryjna... 6 z 6"));
    ExpectProceedingAsBefore();
    // The letter carries the proceeding's own values again when it is shown.
    view->ShowDocument(kLetterDocument, -1);
    EXPECT_NE(Text().Find("Do: Zamawiający odbiorca\rul. Długa 1\r"), -1) << (LPCSTR)Text();
}

TEST_F(MailMergeTest, AContractorNoLongerInTheRegisterIsSkippedButCounted)
{
    Generate(",0,", ",9,2,");
    ASSERT_EQ(outputs.size(), 1u);
    EXPECT_NE(outputs[0].text.Find("Beta s.c."), -1);
    EXPECT_EQ(main.positions, (std::vector<int>{1, 2}));
    EXPECT_TRUE(messages.empty());
    ExpectProceedingAsBefore();
}

TEST_F(MailMergeTest, AFailedOutputEndsTheSeriesAndTheProceedingKeepsItsOwnValues)
{
    Generate(",0,2,", ",1,2,3,", 2);
    EXPECT_EQ(outputs.size(), 2u);
    EXPECT_EQ(messages, (std::vector<CString>{"Error: Nieobsłużony wyjątek"}));
    ExpectProceedingAsBefore();
    view->ShowDocument(kLetterDocument, -1);
    EXPECT_NE(Text().Find("Do: Zamawiający odbiorca\r"), -1) << (LPCSTR)Text();
}

TEST_F(MailMergeTest, ABrokenRegisterEndsTheSeriesWithTheDatabasesMessage)
{
    app.GetRegistersConnection()->Execute("drop table rej_wykonawcow");
    Generate(",0,", ",1,");
    EXPECT_TRUE(outputs.empty());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].Left(18), CString("Błąd: Wyjątek COM:"));
    ExpectProceedingAsBefore();
}

TEST_F(MailMergeTest, WithoutTheRegistersDatabaseNothingIsGenerated)
{
    app.CloseRejestryDB();
    Generate(",0,", ",1,");
    EXPECT_TRUE(outputs.empty());
    EXPECT_EQ(messages, (std::vector<CString>{"Błąd: Baza danych rejestrów nie jest otwarta"}));
    EXPECT_EQ(view->GetCurrentDocument(), kDescriptionDocument);
}

} // namespace
