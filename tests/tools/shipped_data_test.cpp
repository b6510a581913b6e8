// What the installation carries for the sibling programs and the wizards, read as they read
// it: a legal-help page for every topic of "cnf\qox.cnf" under the heading's own title, links
// between the help pages that lead somewhere, and a definitions file of name and text pairs
// for every heading of the technical-specification wizard.

#include "tests/support/program_windows.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string Bytes(const fs::path &file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::wstring Wide(const std::string &bytes, UINT codePage)
{
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), length);
    return wide;
}

std::vector<std::string> Lines(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            lines.push_back(line);
    }
    return lines;
}

std::string Between(const std::string &text, const std::string &open, const std::string &close, size_t from = 0)
{
    const size_t begin = text.find(open, from);
    if (begin == std::string::npos)
        return std::string();
    const size_t end = text.find(close, begin + open.size());
    return end == std::string::npos ? std::string() : text.substr(begin + open.size(), end - begin - open.size());
}

class ShippedData : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = program_windows::InstallationFolder();
        ASSERT_TRUE(fs::exists(m_folder / "morvelank.exe")) << m_folder;
    }
    fs::path m_folder;
};

TEST_F(ShippedData, EveryLegalTopicHasItsPageUnderTheHeadingsTitle)
{
    const std::vector<std::string> topics = Lines(Bytes(m_folder / "cnf" / "qox.cnf"));
    ASSERT_FALSE(topics.empty());
    for (const std::string &line : topics) {
        const size_t separator = line.find(';');
        ASSERT_NE(separator, std::string::npos) << line;
        const std::wstring heading = Wide(line.substr(0, separator), 1250);
        const fs::path page = m_folder / "prawo" / (line.substr(separator + 1) + ".htm");
        ASSERT_TRUE(fs::exists(page)) << page;
        EXPECT_EQ(Wide(Between(Bytes(page), "<title>", "</title>"), CP_UTF8), heading) << page;
    }
}

TEST_F(ShippedData, HelpPagesLinkOnlyToPagesThatExist)
{
    for (const char *folder : {"prawo", "orzeczenia_kio"}) {
        ASSERT_TRUE(fs::exists(m_folder / folder / "index.htm")) << folder;
        for (const fs::directory_entry &entry : fs::directory_iterator(m_folder / folder)) {
            const std::string page = Bytes(entry.path());
            EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos) << entry.path();
            for (size_t at = page.find("href=\""); at != std::string::npos; at = page.find("href=\"", at + 1)) {
                const std::string target = Between(page, "href=\"", "\"", at);
                EXPECT_TRUE(fs::exists(m_folder / folder / target)) << entry.path() << " -> " << target;
            }
        }
    }
    EXPECT_TRUE(fs::exists(m_folder / "prawo" / "glowna.html"));
    EXPECT_NE(Bytes(m_folder / "orzeczenia_kio" / "index.htm").find("nie zawiera orzecze"), std::string::npos);
}

TEST_F(ShippedData, EverySpecificationHeadingHasNamedDefinitions)
{
    const std::vector<std::string> headings = Lines(Bytes(m_folder / "cnf" / "202509" / "specyfikacja_techniczna.cnf"));
    ASSERT_EQ(headings.size(), 8u);
    for (size_t n = 1; n <= headings.size(); ++n) {
        const std::string text = Bytes(m_folder / "specyfikacja" / (std::to_string(n) + ".txt"));
        std::vector<std::string> items;
        std::istringstream in(text);
        for (std::string item; std::getline(in, item, '|');)
            items.push_back(item);
        // Item 0 is the file's own title, then a name and its text by turns.
        ASSERT_GE(items.size(), 7u) << n;
        EXPECT_EQ(items.size() % 2, 1u) << n << ": a name without its text";
        for (size_t i = 1; i < items.size(); ++i)
            EXPECT_NE(items[i].find_first_not_of(" \r\n"), std::string::npos) << n << ": empty item " << i;
    }
}

} // namespace
