// Which paragraphs a document cleaned for output keeps, and how its lists are numbered again.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/output/output_paragraphs.h"

namespace {

// A paragraph written with its variables in brackets: "[-...]" a variable taken out, "[#...]"
// an amount, "[=...]" another value; a leading ">" per indent step of 283 twips.
struct Sketch {
    std::vector<OutputParagraph> paragraphs;
    std::vector<OutputRange> ranges;
};

Sketch Draw(const std::vector<std::string> &lines)
{
    Sketch sketch;
    int position = 0;
    for (std::string line : lines) {
        OutputParagraph paragraph;
        while (!line.empty() && line[0] == '>') {
            paragraph.indent += 283;
            line.erase(0, 1);
        }
        paragraph.start = position;
        std::string text;
        for (size_t i = 0; i < line.size(); ++i) {
            if (line[i] != '[') {
                text += line[i];
                continue;
            }
            const size_t close = line.find(']', i);
            const std::string value = line.substr(i + 2, close - i - 2);
            const OutputRangeKind kind = line[i + 1] == '-'   ? OutputRangeKind::Removed
                                         : line[i + 1] == '#' ? OutputRangeKind::Amount
                                                              : OutputRangeKind::Value;
            const std::string shown = kind == OutputRangeKind::Removed ? "^^^^^" : value;
            const int start = position + static_cast<int>(text.size());
            sketch.ranges.push_back(OutputRange{start, start + static_cast<int>(shown.size()), kind});
            text += shown;
            i = close;
        }
        paragraph.text = text.c_str();
        position += static_cast<int>(text.size()) + 1;
        sketch.paragraphs.push_back(paragraph);
    }
    return sketch;
}

// The paragraphs as output would leave them: dropped ones gone, numbers rewritten.
std::vector<std::string> Output(const std::vector<std::string> &lines)
{
    const Sketch sketch = Draw(lines);
    const std::vector<OutputEdit> edits = PlanOutputParagraphs(sketch.paragraphs, sketch.ranges);
    std::vector<std::string> result;
    for (size_t i = 0; i < edits.size(); ++i) {
        if (edits[i].drop)
            continue;
        std::string text = sketch.paragraphs[i].text.GetString();
        if (edits[i].numberStart >= 0)
            text.replace(edits[i].numberStart, edits[i].numberLength, edits[i].number.GetString());
        result.push_back(text);
    }
    return result;
}

TEST(OutputParagraphsTest, DisabledBlocksGoWholeAndListsCloseUp)
{
    const struct {
        const char *what;
        std::vector<std::string> in;
        std::vector<std::string> out;
    } cases[] = {
        {"an unselected option goes, the chosen one stays",
         {">>[-wymaga]", ">>[=Zamawiający nie wymaga wniesienia wadium.]"},
         {"Zamawiający nie wymaga wniesienia wadium."}},
        {"a numbered point whose text went: its number, amount and sub-points with it",
         {">>1.\t[-Wadium wnosi się w kwocie: ][#0,00][- zł][-, odrębnie:]", ">>>część 1: [=100] zł",
          ">>>część 2: [=200] zł", ">>2.\t[-Wadium może być wnoszone ...][-rachunek].", "XVIII. Zabezpieczenie"},
         {"XVIII. Zabezpieczenie"}},
        {"the points after a dropped one are numbered again",
         {"1.\tpierwszy", "2.\t[-drugi]", "3.\ttrzeci [=x]", "4.\tczwarty"},
         {"1.\tpierwszy", "2.\ttrzeci x", "3.\tczwarty"}},
        {"a dropped first point: the list starts at its number",
         {">1) [-a]", ">2) drugi", ">3) trzeci"},
         {">1) drugi", ">2) trzeci"}},
        {"letters too", {"a) pierwsza", "b) [-druga]", "c) trzecia"}, {"a) pierwsza", "b) trzecia"}},
        {"a lone number at the end of a list", {"5.\tpiąty", "6.\t[-zakres][-podobne]"}, {"5.\tpiąty"}},
        {"a kept value with words keeps its paragraph",
         {"1.\t[-opcja] [=Gmina Wierzbnica]", "2.\tdalej"},
         {"1.\t^^^^^ Gmina Wierzbnica", "2.\tdalej"}},
        {"a paragraph that only lost a word keeps its text",
         {"Wadium wynosi [#2 000,00] zł[-, odrębnie dla części]"},
         {"Wadium wynosi 2 000,00 zł^^^^^"}},
        {"the repeated lines of a dropped point at its own indent go; a chosen option after it stays",
         {">1.\t[-kwota][#0,00]", ">część 1: [=....] zł", ">część 2: [=....] zł", ">[=Zamawiający nie przewiduje]",
          ">2.\tdalej"},
         {">Zamawiający nie przewiduje", ">1.\tdalej"}},
        {"a deeper list after a dropped point goes, a shallower paragraph stays",
         {"1.\t[-x]", ">a) [=pod]", "2.\tdrugi"},
         {"1.\tdrugi"}},
        {"a second list starting at 1 is not joined to the first",
         {"1.\ta", "2.\t[-b]", "Tekst", "1.\tc", "2.\td"},
         {"1.\ta", "Tekst", "1.\tc", "2.\td"}},
        {"a number that is a value is no list number", {"[=25]. rok", "2.\tdalej"}, {"25. rok", "2.\tdalej"}},
        {"nothing removed, nothing changes", {"1.\ta", "3.\tc", "", "0,00"}, {"1.\ta", "3.\tc", "", "0,00"}},
    };
    for (const auto &c : cases) {
        std::vector<std::string> expected;
        for (std::string line : c.out) {
            while (!line.empty() && line[0] == '>')
                line.erase(0, 1);
            expected.push_back(line);
        }
        EXPECT_EQ(expected, Output(c.in)) << c.what;
    }
}

// "^" marks a removal marker's character; the text as it is left once the markers go.
std::string WithoutMarkers(const std::string &drawn)
{
    std::vector<TextSpan> markers;
    for (size_t i = drawn.find('^'); i != std::string::npos; i = drawn.find('^', i + 5))
        markers.push_back(TextSpan{static_cast<int>(i), static_cast<int>(i) + 5});
    std::string text = drawn;
    for (const TextSpan &deletion : MarkerDeletions(drawn.c_str(), markers))
        text.erase(static_cast<size_t>(deletion.start), static_cast<size_t>(deletion.end - deletion.start));
    return text;
}

TEST(OutputParagraphsTest, RemovedValuesLeaveTheWordsAroundThemApart)
{
    const struct {
        const char *what;
        const char *in; // each marker five characters
        const char *out;
    } cases[] = {
        {"between two blanks, one blank goes", "Ala ^^^^^ kot", "Ala kot"},
        {"the chosen alternative first", "na dostawy^^^^^^^^^^ pn.", "na dostawy pn."},
        {"the chosen alternative last", "na ^^^^^^^^^^roboty pn.", "na roboty pn."},
        {"before a stop", "w zakresie ^^^^^.", "w zakresie."},
        {"at the end", "wadium ^^^^^", "wadium"},
        {"at the start", "^^^^^ Zamawiający", "Zamawiający"},
        {"after a list number's tab", "6.\t^^^^^^^^^^^^^^^Zamawiający nie", "6.\tZamawiający nie"},
        {"glued to a word on one side only", "Pzp^^^^^ oraz", "Pzp oraz"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.out, WithoutMarkers(c.in)) << c.what;
}

} // namespace
