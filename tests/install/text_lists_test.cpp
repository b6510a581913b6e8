// The shipped text lists that the value editors and the legal-help look-up read: contract
// definitions, sample contract scopes and the topics of the specification's chapters.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/file_utils.h"
#include "installation_folder.h"
#include "template_variables.h"

namespace {

std::string ReadText(const CString &path)
{
    int failed = 0;
    const CString text = ReadFileContents(path, failed);
    EXPECT_EQ(0, failed) << std::string(path);
    return std::string(text, static_cast<size_t>(text.GetLength()));
}

std::vector<std::string> Split(const std::string &text, char separator)
{
    std::vector<std::string> items;
    size_t start = 0;
    for (size_t end; (end = text.find(separator, start)) != std::string::npos; start = end + 1)
        items.push_back(text.substr(start, end - start));
    items.push_back(text.substr(start));
    return items;
}

std::string Trim(const std::string &text, const char *characters)
{
    const size_t first = text.find_first_not_of(characters);
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(characters) - first + 1);
}

// A chapter heading and a topic text compare without the chapter's Roman number.
std::string TopicKey(const std::string &text)
{
    std::string key = Trim(text, " ");
    for (int round = 0; round < 4; ++round)
        for (const char *character : {"I", "X", "V", "."})
            key = Trim(key, character);
    return Trim(key, " ");
}

struct Topic {
    std::string text;
    int number;
};

TEST(InstallationTextLists, EveryTopicLineCountsAndFindsItsChapterOfTheSpecification)
{
    const CString mainFolder = InstallationFolder();
    ASSERT_FALSE(mainFolder.IsEmpty()) << "MORVELANK_INSTALLATION is not set";
    std::vector<Topic> topics;
    for (const std::string &rawLine : Split(ReadText(mainFolder + "\\cnf\\qox.cnf"), '\n')) {
        const std::string line = Trim(rawLine, " \r");
        if (line.empty())
            continue;
        const std::vector<std::string> fields = Split(line, ';');
        ASSERT_EQ(2u, fields.size()) << line;
        ASSERT_FALSE(fields[0].empty()) << line;
        const int number = atoi(fields[1].c_str());
        EXPECT_GT(number, 0) << line;
        topics.push_back({TopicKey(fields[0]), number});
    }
    ASSERT_FALSE(topics.empty());
    EXPECT_LE(topics.size(), 30u) << "the look-up keeps only 30 topics";

    // Headings of points are "<$nnn>text<?nnn>" in the specification's template.
    const CString rtf(ReadText(mainFolder + "\\szablony_202509\\wspolne\\swz.rtf").c_str());
    const CString plainText = RtfPlainText(rtf);
    const std::string plain(plainText, static_cast<size_t>(plainText.GetLength()));
    std::vector<std::string> headings;
    for (size_t open = plain.find("<$"); open != std::string::npos; open = plain.find("<$", open + 1))
        headings.push_back(TopicKey(plain.substr(open + 6, plain.find("<?", open) - open - 6)));

    for (const Topic &topic : topics) {
        SCOPED_TRACE(topic.text);
        bool found = false;
        for (const std::string &heading : headings) {
            if (heading.compare(0, topic.text.size(), topic.text) != 0)
                continue;
            found = true;
            // The look-up takes the first topic that begins the heading: none may shadow this one.
            for (const Topic &earlier : topics)
                if (heading.compare(0, earlier.text.size(), earlier.text) == 0) {
                    EXPECT_EQ(topic.number, earlier.number) << "shadowed by " << earlier.text;
                    break;
                }
        }
        EXPECT_TRUE(found) << "no chapter of the specification begins with this topic";
    }
}

TEST(InstallationTextLists, EveryDefinitionHasANameABlankDashAndAText)
{
    const CString mainFolder = InstallationFolder();
    ASSERT_FALSE(mainFolder.IsEmpty()) << "MORVELANK_INSTALLATION is not set";
    int definitions = 0;
    for (const std::string &rawLine : Split(ReadText(mainFolder + "\\cnf\\202509\\definicje.cnf"), '\n')) {
        const std::string line = Trim(rawLine, " \r\n\xB7\t");
        if (line.empty())
            continue;
        SCOPED_TRACE(line);
        const size_t dash = line.find('-');
        ASSERT_NE(std::string::npos, dash);
        // The list drops the character before the dash, which must therefore be a blank.
        ASSERT_GT(dash, 1u);
        EXPECT_EQ(' ', line[dash - 1]);
        EXPECT_FALSE(Trim(line.substr(0, dash - 1), " ").empty());
        EXPECT_FALSE(Trim(line.substr(dash + 1), " ").empty());
        ++definitions;
    }
    EXPECT_GT(definitions, 0);
}

TEST(InstallationTextLists, EveryContractScopeHasANameLineAndAText)
{
    const CString mainFolder = InstallationFolder();
    ASSERT_FALSE(mainFolder.IsEmpty()) << "MORVELANK_INSTALLATION is not set";
    int scopes = 0;
    for (const std::string &rawRecord : Split(ReadText(mainFolder + "\\cnf\\202509\\wzory_umow.cnf"), '|')) {
        const std::string record = Trim(rawRecord, " |\r\n\xB7\t");
        if (record.empty())
            continue;
        SCOPED_TRACE(record.substr(0, 40));
        const size_t lineEnd = record.find_first_of("\r\n");
        ASSERT_NE(std::string::npos, lineEnd) << "a record without a line break is not listed";
        EXPECT_FALSE(Trim(record.substr(0, lineEnd), " ").empty());
        EXPECT_FALSE(Trim(record.substr(lineEnd), " \r\n").empty());
        ++scopes;
    }
    EXPECT_GT(scopes, 0);
}

} // namespace
