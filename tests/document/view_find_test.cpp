// Finding text in the shown document: letter case of Polish letters, matches one after the
// other and the start again at the top, the find dialog when nothing was searched for, the
// match selected and brought into view.
#include "document/view/text_find.h"
#include "view_command_fixture.h"

namespace {

const char kNotFound[] = "Informacja: Nie znaleziono wyrażenia";

TEST(TextFind, CaseOfPolishLettersFollowsTheChoice)
{
    const CString text = "Zażółć GĘŚLĄ jaźń, zażółć gęślą";
    const struct {
        const char *what;
        int from;
        bool matchCase;
        int expected;
    } cases[] = {
        {"gęślą", 0, false, 7}, {"GĘŚLĄ", 0, true, 7},   {"gęślą", 0, true, 26}, {"ZAŻÓŁĆ", 1, false, 19},
        {"JAŹŃ", 0, true, -1},  {"jaźń", 15, false, -1}, {"", 0, false, -1},     {"a", 99, false, -1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.expected, FindTextFrom(text, c.what, c.from, c.matchCase)) << c.what << " " << c.from;
}

class ViewFindTest : public ViewCommandTest {};

TEST_F(ViewFindTest, MatchIsSelectedWithTheCaseAsChosen)
{
    const struct {
        const char *search;
        int matchCase;
        const char *found; // as the document writes it; null when not found
    } cases[] = {
        {"WSTĘP", 0, "Wstęp"}, {"zamawiający", 0, "Zamawiający"}, {"WARTOŚĆ", 0, "wartość"}, {"Wstęp", 1, "Wstęp"},
        {"wstęp", 1, nullptr}, {"nie ma takiego", 0, nullptr},
    };
    for (const auto &c : cases) {
        messages.clear();
        PutCaret(0);
        prompts.findText = c.search;
        prompts.findMatchCase = c.matchCase;
        view->FindText();
        if (c.found) {
            EXPECT_TRUE(messages.empty()) << c.search;
            EXPECT_STREQ(c.found, SelectedText()) << c.search;
            EXPECT_EQ(Text().Find(c.found), Selection().cpMin) << c.search;
        } else {
            EXPECT_EQ(std::vector<CString>{kNotFound}, messages) << c.search;
        }
    }
}

TEST_F(ViewFindTest, NextMatchesThenNotFoundThenFromTheTopAgain)
{
    const CString text = Text();
    std::vector<int> places;
    for (int p = text.Find("wartość"); p >= 0; p = text.Find("wartość", p + 1))
        places.push_back(p);
    ASSERT_EQ(3u, places.size());

    prompts.findText = "Wartość";
    view->FindText();
    EXPECT_EQ(places[0], Selection().cpMin);
    view->FindNext();
    EXPECT_EQ(places[1], Selection().cpMin);
    view->FindNext();
    EXPECT_EQ(places[2], Selection().cpMin);
    EXPECT_TRUE(messages.empty());

    view->FindNext();
    EXPECT_EQ(std::vector<CString>{kNotFound}, messages);
    view->FindNext();
    EXPECT_EQ(places[0], Selection().cpMin) << "the search starts at the top again";
    EXPECT_EQ(1, prompts.findAsked);
}

TEST_F(ViewFindTest, FindNextWithoutASearchAsksForTheText)
{
    prompts.findAnswer = false;
    PutCaret(3);
    view->FindNext();
    EXPECT_EQ(1, prompts.findAsked);
    EXPECT_EQ(3, Selection().cpMin) << "a cancelled dialog leaves the caret";
    EXPECT_TRUE(messages.empty());

    // An empty text is nothing to search for: the next search asks again.
    prompts.findAnswer = true;
    prompts.findText = "";
    view->FindText();
    view->FindNext();
    EXPECT_EQ(3, prompts.findAsked);
    EXPECT_TRUE(messages.empty());
}

TEST_F(ViewFindTest, MatchFarDownIsScrolledToTheTop)
{
    view->SendMessage(EM_LINESCROLL, 0, -10000);
    prompts.findText = "koniec";
    view->FindText();
    const int line = static_cast<int>(view->SendMessage(EM_LINEFROMCHAR, Selection().cpMin, 0));
    ASSERT_GT(line, 20);
    const int first = static_cast<int>(view->SendMessage(EM_GETFIRSTVISIBLELINE));
    EXPECT_GT(first, 0);
    EXPECT_LE(first, line);
    EXPECT_TRUE(view->IsWindowVisible());
}

} // namespace
