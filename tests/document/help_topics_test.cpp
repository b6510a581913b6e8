// Legal topics from the topic file and the command lines of the template editor and the legal
// help: Roman numbers dropped from headings, lines that do not count, a full table, a missing
// or damaged file; quoted program paths with blanks and Polish letters.
#include <gtest/gtest.h>

#include <string>

#include "model/file_utils.h"
#include "document/view/help_topics.h"
#include "document/view/outside_commands.h"
#include "tests/support/test_folder.h"

namespace {

struct Topics {
    IdText table[kIdTexts];
};

Topics Parse(const CString &text)
{
    Topics topics;
    ParseTopics(text, topics.table);
    return topics;
}

TEST(HelpTopics, HeadingsLoseTheirRomanNumbers)
{
    const struct {
        const char *text;
        const char *normal;
    } cases[] = {
        {"III. Opis przedmiotu zamówienia", "Opis przedmiotu zamówienia"},
        {"  XIV.  Termin związania ofertą ", "Termin związania ofertą"},
        {"Wadium XIV", "Wadium"},
        {"IV.Opis", "Opis"},
        {"XIV.", ""},
    };
    for (const auto &c : cases)
        EXPECT_STREQ(c.normal, NormaliseTopicText(c.text)) << c.text;
}

TEST(HelpTopics, OnlyLinesOfAHeadingAndAPositiveNumberCount)
{
    const Topics topics = Parse("III. Opis przedmiotu zamówienia;7\r\n"
                                "\r\n"
                                "   \n"
                                "Wadium;0\n"
                                "Termin;siedem\n"
                                "Oferty;3;4\n"
                                "Kryteria;-2\n"
                                "Ogłoszenie; 12 \r\n"
                                ";;Tryb;;5;\n"
                                "XIV.;9\n"
                                "Koniec;99999999999");
    EXPECT_EQ(7, topics.table[0].id);
    EXPECT_STREQ("Opis przedmiotu zamówienia", topics.table[0].text);
    EXPECT_EQ(12, topics.table[1].id);
    EXPECT_STREQ("Ogłoszenie", topics.table[1].text);
    EXPECT_EQ(5, topics.table[2].id) << "empty fields are dropped";
    EXPECT_STREQ("Tryb", topics.table[2].text);
    for (int i = 3; i < kIdTexts; ++i) {
        EXPECT_EQ(-1, topics.table[i].id) << i;
        EXPECT_TRUE(topics.table[i].text.IsEmpty()) << i;
    }
}

TEST(HelpTopics, LookUpByTheBeginningOfTheHeading)
{
    const Topics topics = Parse("III. Opis przedmiotu zamówienia;7\nTermin;4\n");
    const struct {
        const char *heading;
        int topic;
    } cases[] = {
        {"III. Opis przedmiotu zamówienia i jego części", 7},
        {"Opis przedmiotu zamówienia", 7},
        {"VI. Termin wykonania zamówienia", 4},
        {"Wadium", -1},
        {"", -1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.topic, FindTopic(topics.table, c.heading)) << c.heading;

    // A full table with no match gives no topic either.
    CString many;
    for (int i = 1; i <= kIdTexts + 5; ++i)
        many.AppendFormat("Rozdział %d;%d\n", i, i);
    const Topics full = Parse(many);
    EXPECT_EQ(kIdTexts, full.table[kIdTexts - 1].id) << "the lines after the table is full are passed over";
    EXPECT_EQ(-1, FindTopic(full.table, "Wadium"));
    EXPECT_EQ(3, FindTopic(full.table, "Rozdział 3"));
}

TEST(HelpTopics, MissingOrDamagedFileLeavesNoTopics)
{
    TestFolder main;
    ASSERT_TRUE(CreateDirectoryPath(main / "cnf"));
    const CString path = TopicFilePath(main.Path());
    EXPECT_STREQ(main / "cnf\\qox.cnf", path);

    for (const std::string &bytes : {std::string(), std::string("\0\0\xff;\x01\n;;\n\xef\xbb\xbf;;;", 14)}) {
        TestFolder::WriteBytes(path, bytes);
        const Topics topics = Parse(ReadFileToString(path));
        EXPECT_EQ(-1, FindTopic(topics.table, "III. Opis"));
    }
    DeleteFileW(Cp1250ToWide(path).c_str());
    const Topics none = Parse(ReadFileToString(path));
    EXPECT_EQ(-1, none.table[0].id);
}

TEST(OutsideCommands, ProgramPathsAreQuotedAndTheShortNameIsOneArgument)
{
    const struct {
        const char *mainPath;
        int version;
        int code;
        const char *line;
    } cases[] = {
        {"C:\\Program Files\\Zamówienia", 114, 160,
         "\"C:\\Program Files\\Zamówienia\\szablony.exe\" 60 1 szablony_202509 "
         "Usługi@społeczne@poniżej@progów@750.000"},
        // With no data file loaded the newest templates are meant, but the flag stays 0.
        {"D:\\Prog", -1, 65,
         "\"D:\\Prog\\szablony.exe\" 65 0 szablony_202509 "
         "Od@2021r.,Tryb@podst.bez@negocj.(tylko@poniżej@progów@unijnych)"},
    };
    for (const auto &c : cases)
        EXPECT_STREQ(c.line, TemplateEditorCommandLine(c.mainPath, "", c.version, c.code));
    EXPECT_STREQ("\"C:\\Pomoc prawna\\Quv.exe\" 7", LegalHelpCommandLine("C:\\Pomoc prawna\\Quv.exe", 7));
    EXPECT_FALSE(StartCommandLine("\"Z:\\nie ma\\szablony.exe\" 1 0 a b"));
}

} // namespace
