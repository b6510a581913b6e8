// Page breaks put at the caret and taken away again: the marker in the text, its mark, the
// occurrences and headings after it moved, the places where none may go, and the marks kept
// where they were when the document is generated again.
#include "document/engine/page_break_marker.h"
#include "model/view_tables.h"
#include "framework/ui/cmdtarget.h"
#include "view_command_fixture.h"

namespace {

struct RecordingCmdUI : CCmdUI {
    int enabled = -1;
    void Enable(BOOL bOn) override { enabled = bOn ? 1 : 0; }
};

class ViewPageBreakTest : public ViewCommandTest {
protected:
    // Where the second point's heading starts: a page break before a point is the usual one.
    int SecondHeading() { return block->Heading(kFirstHeadingSlot + 2)->position; }
};

TEST_F(ViewPageBreakTest, InsertedBeforeAHeadingMovesWhatFollowsAndRemovingRestoresIt)
{
    const CString before = Text();
    const int heading = SecondHeading();
    const int firstValue = block->Variable(0)->position;
    const int lastValue = block->Variable(2)->position;
    ASSERT_LT(firstValue, heading);
    ASSERT_GT(lastValue, heading);

    PutCaret(heading);
    view->m_proceeding.m_bModified = 0;
    view->OnInsertPageBreak();
    ASSERT_EQ(1, view->m_proceeding.m_tables->m_nPageBreaks);
    const PageBreakMark mark = view->m_proceeding.m_tables->m_pageBreaks[0];
    EXPECT_EQ(0, mark.document);
    EXPECT_EQ(heading, mark.position);
    EXPECT_EQ(before.GetLength() + mark.length, Text().GetLength());
    EXPECT_GE(Text().Mid(mark.position, mark.length).Find("podział strony"), 0);
    EXPECT_EQ(1, view->m_proceeding.m_bModified);
    EXPECT_EQ(firstValue, block->Variable(0)->position);
    EXPECT_EQ(lastValue + mark.length, block->Variable(2)->position);
    EXPECT_EQ(heading + mark.length, SecondHeading()) << "the heading moved with its text";

    PutCaret(mark.position + mark.length / 2);
    view->OnRemovePageBreak();
    EXPECT_EQ(0, view->m_proceeding.m_tables->m_nPageBreaks);
    EXPECT_EQ(before, Text());
    EXPECT_EQ(lastValue, block->Variable(2)->position);
    EXPECT_EQ(heading, SecondHeading());
}

TEST_F(ViewPageBreakTest, NoMarkerWhereItMayNotGo)
{
    const VariableOccurrence &value = *block->Variable(0);
    PutCaret(SecondHeading());
    view->OnInsertPageBreak();
    ASSERT_EQ(1, view->m_proceeding.m_tables->m_nPageBreaks);
    const PageBreakMark mark = view->m_proceeding.m_tables->m_pageBreaks[0];
    const CString withOne = Text();

    const struct {
        const char *what;
        int caret;
        int kind;
        int secured;
        bool insert;
    } cases[] = {
        {"inside a value", value.position + 1, 0, 0, true},
        {"inside a marker", mark.position + 3, 0, 0, true},
        {"at the very start", 0, 0, 0, true},
        {"in an archived proceeding", 3, 1, 0, true},
        {"in an example", 3, 5, 0, true},
        {"in a secured document", 3, 0, 1, true},
        {"removing where no marker is", 3, 0, 0, false},
        {"removing from an archived proceeding", mark.position + 3, 1, 0, false},
    };
    for (const auto &c : cases) {
        view->m_proceeding.m_nProceedingKind = c.kind;
        view->m_proceeding.m_tables->m_documents[0].secured = static_cast<uint8_t>(c.secured);
        PutCaret(c.caret);
        if (c.insert)
            view->OnInsertPageBreak();
        else
            view->OnRemovePageBreak();
        EXPECT_EQ(withOne, Text()) << c.what;
        EXPECT_EQ(1, view->m_proceeding.m_tables->m_nPageBreaks) << c.what;
    }
}

TEST_F(ViewPageBreakTest, FullTableIsRefusedWithAMessage)
{
    view->m_proceeding.m_tables->m_nPageBreaks = kPageBreakMarks;
    for (PageBreakMark &mark : view->m_proceeding.m_tables->m_pageBreaks)
        mark = PageBreakMark{5, 10, 3}; // marks of another document
    const CString before = Text();
    PutCaret(3);
    view->OnInsertPageBreak();
    EXPECT_EQ(before, Text());
    ASSERT_EQ(1u, messages.size());
    EXPECT_GE(messages[0].Find("100"), 0);
}

TEST_F(ViewPageBreakTest, MarksComeBackInPlaceWhenTheDocumentIsGeneratedAgain)
{
    // The later marker is put first; generation puts them back one after the other.
    const int heading = SecondHeading();
    PutCaret(heading);
    view->OnInsertPageBreak();
    PutCaret(3);
    view->OnInsertPageBreak();
    ASSERT_EQ(2, view->m_proceeding.m_tables->m_nPageBreaks);
    const CString shown = Text();
    const int headingShown = SecondHeading();

    block->Reset();
    view->ShowDocument(0, -1);
    EXPECT_EQ(shown, Text());
    EXPECT_EQ(headingShown, SecondHeading());
    for (int r = 0; r < 2; ++r) {
        const PageBreakMark &mark = view->m_proceeding.m_tables->m_pageBreaks[r];
        EXPECT_GE(Text().Mid(mark.position, mark.length).Find("podział strony"), 0) << r;
    }
}

TEST_F(ViewPageBreakTest, CommandsAreOfferedByWhatIsUnderTheMouse)
{
    const struct {
        int overVariable;
        int overPageBreak;
        int kind;
        int state;
        int insert;
        int remove;
    } cases[] = {
        {0, 0, 0, kStateGenerated, 1, 0}, {1, 0, 0, kStateGenerated, 0, 0}, {0, 1, 0, kStateGenerated, 0, 1},
        {0, 1, 1, kStateGenerated, 0, 0}, {0, 0, 5, kStateGenerated, 0, 0}, {0, 0, 0, kStateEditable, 0, 0},
    };
    for (const auto &c : cases) {
        view->m_bOverVariable = c.overVariable;
        view->m_bOverPageBreak = c.overPageBreak;
        view->m_proceeding.m_nProceedingKind = c.kind;
        view->m_proceeding.m_tables->m_documents[0].state = static_cast<int16_t>(c.state);
        RecordingCmdUI insert, remove;
        view->OnUpdatePageBreakInsert(&insert);
        view->OnUpdatePageBreakRemove(&remove);
        EXPECT_EQ(c.insert, insert.enabled) << c.overVariable << c.overPageBreak << c.kind << c.state;
        EXPECT_EQ(c.remove, remove.enabled) << c.overVariable << c.overPageBreak << c.kind << c.state;
    }
}

} // namespace
