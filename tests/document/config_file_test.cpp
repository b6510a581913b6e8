#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "model/file_utils.h"
#include "model/config_file.h"
#include "model/view_tables.h"
#include "fixture_path.h"

namespace {

std::unique_ptr<ViewTables> NewTables()
{
    return std::make_unique<ViewTables>();
}

// A configuration written for one test into the temporary folder.
class TempConfig {
public:
    explicit TempConfig(const std::string &text)
    {
        char folder[MAX_PATH];
        GetTempPathA(MAX_PATH, folder);
        static int serial = 0;
        m_path.Format("%smorvelank_cnf_%lu_%d.cnf", folder, GetCurrentProcessId(), ++serial);
        EXPECT_TRUE(WriteTextFile(m_path, CString(text.c_str(), static_cast<int>(text.size()))));
    }
    ~TempConfig() { DeleteFileA(m_path); }
    const CString &Path() const { return m_path; }

private:
    CString m_path;
};

std::string DocumentLines(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "d" + std::to_string(i) + ".rtf;Dokument " + std::to_string(i) + "\n";
    return text;
}

TEST(ConfigFile, DocumentLinesGiveSlotsWithDerivedStates)
{
    auto tables = NewTables();
    ASSERT_TRUE(ReadConfigFile(FixturePath("small_set.cnf"), 1, *tables));

    struct Expected {
        const char *fileName;
        const char *displayName;
        int state, plus, perPart, correspondence;
    };
    const Expected expected[] = {
        {"ogloszenie.rtf", "Ogłoszenie o zamówieniu", 0, 0, 0, 0},
        {"aneks.rtf", "Aneks", 0, 1, 0, 0},
        {"", "Rozdział", 3, 0, 0, 0},
        {"wzor.PDF", "Wzór", 5, 0, 0, 0},
        {"http://www.example.org/formularz", "Formularz", 4, 0, 0, 0},
        {"http://www.example.org/spec", "Opis techniczny", 2, 0, 0, 0},
        {"umowa.rtf", "Umowa", 3, 0, 0, 0},
        {"umowa2.rtf", "Umowa druga", 0, 0, 0, 0},
        {"protokol.rtf", "Protokół", 0, 0, 1, 1},
        {"dostusl.rtf", "Dostawy lub usługi", 0, 0, 0, 0},
    };
    ASSERT_EQ(static_cast<int>(sizeof expected / sizeof expected[0]), tables->m_nDocumentCount);
    for (int i = 0; i < tables->m_nDocumentCount; ++i) {
        SCOPED_TRACE(i);
        const DocumentSlot &slot = tables->m_documents[i];
        EXPECT_STREQ(expected[i].fileName, slot.fileName);
        EXPECT_STREQ(expected[i].displayName, slot.displayName);
        EXPECT_EQ(expected[i].state, slot.state);
        EXPECT_EQ(expected[i].plus, slot.plus);
        EXPECT_EQ(expected[i].perPart, slot.perPart);
        EXPECT_EQ(expected[i].correspondence, slot.correspondence);
    }
}

TEST(ConfigFile, SectionRowsFillTheirTables)
{
    auto tables = NewTables();
    ASSERT_TRUE(ReadConfigFile(FixturePath("small_set.cnf"), 1, *tables));

    ASSERT_EQ(3, tables->m_nBuyerDataRows);
    EXPECT_EQ(2010, tables->m_buyerDataMap[0][0]); // "2010;2011": text after the last ";" ignored
    EXPECT_EQ(0, tables->m_buyerDataMap[0][1]);
    EXPECT_EQ(2010, tables->m_buyerDataMap[1][0]); // an empty field takes no column
    EXPECT_EQ(2011, tables->m_buyerDataMap[1][1]);
    EXPECT_EQ(1, tables->m_buyerDataMap[2][0]); // at most eight per row
    EXPECT_EQ(8, tables->m_buyerDataMap[2][7]);

    // The incomplete row "2200;2201;" takes no place.
    ASSERT_EQ(2, tables->m_nDateDefaultRows);
    EXPECT_EQ(2100, tables->m_dateDefaults[0].source);
    EXPECT_EQ(2101, tables->m_dateDefaults[0].target);
    EXPECT_EQ(14, tables->m_dateDefaults[0].days);
    EXPECT_EQ(2300, tables->m_dateDefaults[1].source);
    EXPECT_EQ(7, tables->m_dateDefaults[1].days);

    EXPECT_STREQ("a.mdb", tables->m_mdbList[0]);
    EXPECT_STREQ("b.mdb", tables->m_mdbList[1]);
    EXPECT_STREQ("", tables->m_mdbList[2]);

    EXPECT_STREQ("2040;", tables->m_defaultTexts[5]);
    EXPECT_STREQ("2001;2002;", tables->m_defaultTexts[0]);
    EXPECT_STREQ("", tables->m_defaultTexts[13]); // "FaxDef: 2050" has no ";"
    EXPECT_STREQ("2070;:WadiumDef1: 2080;", tables->m_defaultTexts[1]);
    EXPECT_STREQ("2080;", tables->m_defaultTexts[10]); // a further colon is read as a key
}

TEST(ConfigFile, FindInSemicolonListMatchesWholeNumbers)
{
    auto tables = NewTables();
    ASSERT_TRUE(ReadConfigFile(FixturePath("small_set.cnf"), 1, *tables));
    EXPECT_EQ(5, FindInSemicolonList(*tables, 2040));
    EXPECT_EQ(0, FindInSemicolonList(*tables, 2001));
    EXPECT_EQ(0, FindInSemicolonList(*tables, 2002));
    EXPECT_EQ(-1, FindInSemicolonList(*tables, 204));
    EXPECT_EQ(-1, FindInSemicolonList(*tables, 2060)); // "kodDef" is no key
    EXPECT_EQ(10, FindInSemicolonList(*tables, CString("2080")));
}

TEST(ConfigFile, OrderTypeMarkersFilterLines)
{
    struct Case {
        int orderType;
        bool suppliesOnly, suppliesOrServices;
    };
    const Case cases[] = {{0, true, true}, {1, false, true}, {2, false, false}, {7, true, true}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.orderType);
        auto tables = NewTables();
        ASSERT_TRUE(ReadConfigFile(FixturePath("small_set.cnf"), c.orderType, *tables));
        int suppliesOnly = -1, suppliesOrServices = -1;
        for (int i = 0; i < tables->m_nDocumentCount; ++i) {
            if (tables->m_documents[i].fileName == "dostawy.rtf")
                suppliesOnly = i;
            if (tables->m_documents[i].fileName == "dostusl.rtf")
                suppliesOrServices = i;
        }
        EXPECT_EQ(c.suppliesOnly, suppliesOnly >= 0);
        EXPECT_EQ(c.suppliesOrServices, suppliesOrServices >= 0);
        if (suppliesOnly >= 0) {
            EXPECT_STREQ("Tylko dostawy", tables->m_documents[suppliesOnly].displayName);
        }
    }
}

TEST(ConfigFile, MissingFileIsAFailureAndKeepsDocuments)
{
    auto tables = NewTables();
    tables->m_documents[0].fileName = "stary.rtf";
    tables->m_nDocumentCount = 1;
    tables->m_mdbList[0] = "stara.mdb";
    tables->m_defaultTexts[3] = "1;";
    tables->m_nBuyerDataRows = 4;
    tables->m_buyerDataMap[2][3] = 77;
    tables->m_nDateDefaultRows = 5;
    tables->m_dateDefaults[1].source = 2100;

    EXPECT_FALSE(ReadConfigFile(FixturePath("brak.cnf"), 0, *tables));
    EXPECT_FALSE(ReadConfigFile("", 0, *tables));

    EXPECT_EQ(1, tables->m_nDocumentCount);
    EXPECT_STREQ("stary.rtf", tables->m_documents[0].fileName);
    EXPECT_STREQ("stara.mdb", tables->m_mdbList[0]);
    EXPECT_STREQ("", tables->m_defaultTexts[3]);
    EXPECT_EQ(0, tables->m_nBuyerDataRows);
    EXPECT_EQ(0, tables->m_buyerDataMap[2][3]);
    EXPECT_EQ(0, tables->m_nDateDefaultRows);
    EXPECT_EQ(0, tables->m_dateDefaults[1].source);
}

TEST(ConfigFile, EmptyFileAndCarriageReturns)
{
    auto tables = NewTables();
    ASSERT_TRUE(ReadConfigFile(FixturePath("empty.cnf"), 0, *tables));
    EXPECT_EQ(0, tables->m_nDocumentCount);

    ASSERT_TRUE(ReadConfigFile(FixturePath("crlf.cnf"), 0, *tables));
    ASSERT_EQ(2, tables->m_nDocumentCount);
    EXPECT_STREQ("A", tables->m_documents[0].displayName);
    EXPECT_STREQ("B", tables->m_documents[1].displayName);
}

TEST(ConfigFile, LimitsEndReading)
{
    {
        SCOPED_TRACE("141 documents");
        TempConfig file(DocumentLines(141) + "[MDB]\nx.mdb;\n");
        auto tables = NewTables();
        ASSERT_TRUE(ReadConfigFile(file.Path(), 0, *tables));
        EXPECT_EQ(140, tables->m_nDocumentCount);
        EXPECT_STREQ("d139.rtf", tables->m_documents[139].fileName);
        EXPECT_STREQ("", tables->m_mdbList[0]);
    }
    {
        SCOPED_TRACE("101 date rows");
        std::string text = "[DATA DEFAULT]\n";
        for (int i = 0; i < 101; ++i)
            text += std::to_string(i) + ";1;2;\n";
        TempConfig file(text + "[MDB]\nx.mdb;\n");
        auto tables = NewTables();
        ASSERT_TRUE(ReadConfigFile(file.Path(), 0, *tables));
        EXPECT_EQ(100, tables->m_nDateDefaultRows);
        EXPECT_EQ(99, tables->m_dateDefaults[99].source);
        EXPECT_STREQ("", tables->m_mdbList[0]);
    }
    {
        SCOPED_TRACE("twelve database names");
        TempConfig file("[MDB]\n1;2;3;4;5;\n6;7;8;9;10;11;12;\n");
        auto tables = NewTables();
        ASSERT_TRUE(ReadConfigFile(file.Path(), 0, *tables));
        EXPECT_STREQ("1", tables->m_mdbList[0]);
        EXPECT_STREQ("10", tables->m_mdbList[9]);
    }
}

// A section opened again continues after its rows instead of overwriting them.
TEST(ConfigFile, ReopenedSectionAppends)
{
    TempConfig file("[DATA DEFAULT]\n1;2;3;\n[MDB]\nx.mdb;\n[DATA DEFAULT]\n4;5;6;\n");
    auto tables = NewTables();
    ASSERT_TRUE(ReadConfigFile(file.Path(), 0, *tables));
    ASSERT_EQ(2, tables->m_nDateDefaultRows);
    EXPECT_EQ(1, tables->m_dateDefaults[0].source);
    EXPECT_EQ(4, tables->m_dateDefaults[1].source);
}

// More than 70 documents: each still has an occurrence block of its own.
TEST(ConfigFile, EveryDocumentHasAnOccurrenceBlock)
{
    TempConfig file(DocumentLines(75));
    auto tables = NewTables();
    ASSERT_TRUE(ReadConfigFile(file.Path(), 0, *tables));
    ASSERT_EQ(75, tables->m_nDocumentCount);
    OccurrenceBlock *last = tables->m_occurrences.Block(74);
    ASSERT_NE(nullptr, last);
    EXPECT_NE(last, tables->m_occurrences.Block(4));
    EXPECT_EQ(nullptr, tables->m_occurrences.Block(140));
    EXPECT_EQ(nullptr, tables->m_occurrences.Block(-1));
}

TEST(ConfigFile, KeysAndAttachmentNames)
{
    EXPECT_EQ(0, LoadDefaultKey("NumerSprawyDef"));
    EXPECT_EQ(13, LoadDefaultKey("FaxDef"));
    EXPECT_EQ(-1, LoadDefaultKey("faxdef"));
    EXPECT_EQ(-1, LoadDefaultKey(""));
    EXPECT_TRUE(IsAttachmentFile("a.b.XLT"));
    EXPECT_TRUE(IsAttachmentFile("wzor.pdf"));
    EXPECT_FALSE(IsAttachmentFile("wzor.rtf"));
    EXPECT_FALSE(IsAttachmentFile("pdf"));
}

} // namespace
