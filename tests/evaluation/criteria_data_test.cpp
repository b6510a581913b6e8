#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "archive_bytes.h"
#include "model/criteria_data.h"

namespace {

// A record with two criteria and three offers, every field set.
void Fill(CCriteriaData &data)
{
    data.m_strDate = "2025-09-01";
    data.m_strPriceWeight = "60";
    data.m_nTermUnit = 1;
    data.m_nCriteriaCount = 2;
    data.m_strCriterionName[0] = "gwarancja";
    data.m_strCriterionWeight[0] = "30";
    data.m_strCriterionName[1] = "serwis";
    data.m_strCriterionWeight[1] = "10";
    data.m_nOfferCount = 3;
    for (int i = 0; i < 3; ++i) {
        CriteriaOffer &offer = data.m_offers[i];
        offer.contractor.Format("Wykonawca %d\r\nul. Długa %d", i + 1, i + 1);
        offer.grossPrice = 1234567.89 + i;
        offer.term = 14 + i;
        offer.points[0] = 30 - i;
        offer.points[1] = 9.5 - i;
        offer.priceComponents.Format("netto;%d;", 100 * (i + 1));
    }
    data.m_strCaseNumber = "ZP.271.1.2025";
}

std::unique_ptr<CCriteriaData> ReadBack(const std::string &bytes, size_t *unread = nullptr)
{
    auto data = std::make_unique<CCriteriaData>();
    const size_t left = LoadBytes(bytes, [&](CArchive &ar) { data->Read(ar); });
    if (unread)
        *unread = left;
    return data;
}

// Schema 2 or 3 header: date, weights, counts and the criteria of Fill.
ArchiveBytes Header(int schema, const char *termWeight, int offers)
{
    ArchiveBytes bytes;
    bytes.Int(schema).Str("2010-05-05").Str("70").Str(termWeight).Int(offers).Int(0).Int(2);
    bytes.Str("gwarancja").Str("20").Str("serwis").Str("10");
    return bytes;
}

} // namespace

TEST(CriteriaData, WritesSchema3ByteForByte)
{
    CCriteriaData data;
    data.m_strDate = "d";
    data.m_strPriceWeight = "60";
    data.m_strTermWeight = "";
    data.m_nOfferCount = 1;
    data.m_nTermUnit = 2;
    data.m_nCriteriaCount = 1;
    data.m_strCriterionName[0] = "k";
    data.m_strCriterionWeight[0] = "40";
    data.m_offers[0].contractor = "W";
    data.m_offers[0].grossPrice = 100.5;
    data.m_offers[0].term = 3;
    data.m_offers[0].points[0] = 40;
    data.m_offers[0].priceComponents = "c";
    data.m_strCaseNumber = "n";

    const std::string expected = ArchiveBytes()
                                     .Int(3)
                                     .Str("d")
                                     .Str("60")
                                     .Str("")
                                     .Int(1)
                                     .Int(2)
                                     .Int(1)
                                     .Str("k")
                                     .Str("40")
                                     .Str("W")
                                     .Double(100.5)
                                     .Double(3)
                                     .Double(40)
                                     .Str("c")
                                     .Str("n")
                                     .Bytes();
    EXPECT_EQ(expected, StoredBytes([&](CArchive &ar) { data.Serialize(ar); }));
}

TEST(CriteriaData, RoundTripKeepsEveryField)
{
    CCriteriaData data;
    Fill(data);
    size_t unread = 1;
    auto back = ReadBack(StoredBytes([&](CArchive &ar) { data.Serialize(ar); }), &unread);
    EXPECT_EQ(0u, unread);

    EXPECT_STREQ("2025-09-01", back->m_strDate);
    EXPECT_STREQ("60", back->m_strPriceWeight);
    EXPECT_STREQ("", back->m_strTermWeight);
    EXPECT_EQ(1, back->m_nTermUnit);
    ASSERT_EQ(2, back->m_nCriteriaCount);
    EXPECT_STREQ("serwis", back->m_strCriterionName[1]);
    EXPECT_STREQ("10", back->m_strCriterionWeight[1]);
    ASSERT_EQ(3, back->m_nOfferCount);
    EXPECT_STREQ("Wykonawca 3\r\nul. Długa 3", back->m_offers[2].contractor);
    EXPECT_DOUBLE_EQ(1234569.89, back->m_offers[2].grossPrice);
    EXPECT_DOUBLE_EQ(16, back->m_offers[2].term);
    EXPECT_DOUBLE_EQ(28, back->m_offers[2].points[0]);
    EXPECT_DOUBLE_EQ(7.5, back->m_offers[2].points[1]);
    EXPECT_STREQ("netto;300;", back->m_offers[2].priceComponents);
    EXPECT_STREQ("ZP.271.1.2025", back->m_strCaseNumber);
}

TEST(CriteriaData, TermWeightBecomesTheFirstCriterion)
{
    CCriteriaData data;
    Fill(data);
    data.m_strTermWeight = "20";
    auto back = ReadBack(StoredBytes([&](CArchive &ar) { data.Serialize(ar); }));

    EXPECT_STREQ("", back->m_strTermWeight);
    ASSERT_EQ(3, back->m_nCriteriaCount);
    const char *names[] = {"termin realizacji", "gwarancja", "serwis"};
    const char *weights[] = {"20", "30", "10"};
    for (int k = 0; k < 3; ++k) {
        EXPECT_STREQ(names[k], back->m_strCriterionName[k]);
        EXPECT_STREQ(weights[k], back->m_strCriterionWeight[k]);
    }
    // Offer 3's points moved with their criteria; the new criterion starts at 0.
    EXPECT_DOUBLE_EQ(0, back->m_offers[2].points[0]);
    EXPECT_DOUBLE_EQ(28, back->m_offers[2].points[1]);
    EXPECT_DOUBLE_EQ(7.5, back->m_offers[2].points[2]);
}

TEST(CriteriaData, TermWeightKeptOrDroppedWithoutANewCriterion)
{
    const struct {
        const char *termWeight;
        int criteria;
        const char *weightAfter;
    } cases[] = {
        {"0", 2, "0"}, // "0" is no weight and survives as it is
        {"", 2, ""},
        {"20", 99, ""}, // no room: the weight is dropped
        {"20", 100, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "\"" << c.termWeight << "\" with " << c.criteria << " criteria");
        CCriteriaData data;
        data.m_strTermWeight = c.termWeight;
        data.m_nCriteriaCount = c.criteria;
        data.m_strCriterionName[0] = "pierwsze";
        auto back = ReadBack(StoredBytes([&](CArchive &ar) { data.Serialize(ar); }));
        EXPECT_STREQ(c.weightAfter, back->m_strTermWeight);
        EXPECT_EQ(c.criteria, back->m_nCriteriaCount);
        EXPECT_STREQ("pierwsze", back->m_strCriterionName[0]);
    }
}

TEST(CriteriaData, ReadsOlderSchemas)
{
    // Schema 1: net price and VAT rate instead of the gross price, no components, no case number.
    const std::string schema1 = ArchiveBytes()
                                    .Int(1)
                                    .Str("2004-01-01")
                                    .Str("80")
                                    .Str("")
                                    .Int(2)
                                    .Int(0)
                                    .Int(1)
                                    .Str("jakość")
                                    .Str("20")
                                    .Str("A")
                                    .Double(100)
                                    .Double(22)
                                    .Double(10)
                                    .Double(15)
                                    .Str("B")
                                    .Double(0)
                                    .Double(22)
                                    .Double(20)
                                    .Double(5)
                                    .Bytes();
    size_t unread = 1;
    auto one = ReadBack(schema1, &unread);
    EXPECT_EQ(0u, unread);
    ASSERT_EQ(2, one->m_nOfferCount);
    EXPECT_DOUBLE_EQ(122, one->m_offers[0].grossPrice);
    EXPECT_DOUBLE_EQ(0, one->m_offers[1].grossPrice);
    EXPECT_DOUBLE_EQ(20, one->m_offers[1].term);
    EXPECT_DOUBLE_EQ(5, one->m_offers[1].points[0]);
    EXPECT_STREQ("jakość", one->m_strCriterionName[0]);
    EXPECT_STREQ("", one->m_strCaseNumber);

    // Schema 2: as schema 3 without the case number, which stays as it was.
    const std::string schema2 =
        Header(2, "15", 1).Str("A").Double(99.99).Double(7).Double(1).Double(2).Str("komp").Bytes();
    auto two = std::make_unique<CCriteriaData>();
    two->m_strCaseNumber = "poprzedni";
    EXPECT_EQ(0u, LoadBytes(schema2, [&](CArchive &ar) { two->Read(ar); }));
    EXPECT_STREQ("poprzedni", two->m_strCaseNumber);
    EXPECT_STREQ("komp", two->m_offers[0].priceComponents);
    ASSERT_EQ(3, two->m_nCriteriaCount); // the term weight "15" became criterion 0
    EXPECT_STREQ("15", two->m_strCriterionWeight[0]);
    EXPECT_DOUBLE_EQ(2, two->m_offers[0].points[2]);

    // An unknown schema reads nothing more.
    auto unknown = ReadBack(ArchiveBytes().Int(4).Int(7).Int(7).Bytes(), &unread);
    EXPECT_EQ(8u, unread);
    EXPECT_EQ(0, unknown->m_nOfferCount);
}

TEST(CriteriaData, DamagedRecordsThrow)
{
    const std::string cases[] = {
        Header(3, "", 101).Bytes(), // more offers than the table holds
        ArchiveBytes().Int(3).Str("").Str("").Str("").Int(-1).Int(0).Int(0).Bytes(),
        ArchiveBytes().Int(3).Str("").Str("").Str("").Int(0).Int(0).Int(101).Bytes(),
        Header(3, "", 1).Str("A").Double(1).Bytes(), // ends inside an offer
        ArchiveBytes()
            .Int(3)
            .Raw("\x05"
                 "ab")
            .Bytes(), // a text longer than the file
    };
    for (const std::string &bytes : cases) {
        CCriteriaData data;
        bool threw = false;
        try {
            LoadBytes(bytes, [&](CArchive &ar) { data.Read(ar); });
        } catch (CException *e) {
            e->Delete();
            threw = true;
        }
        EXPECT_TRUE(threw) << bytes.size() << " bytes";
    }
}

TEST(CriteriaData, WriteErrorsReachTheCaller)
{
    CCriteriaData data;
    Fill(data);
    BYTE block[64] = {};
    CMemFile full(block, sizeof block);       // cannot grow: writing past 64 bytes fails
    CArchive ar(&full, CArchive::store, 128); // the record is larger: it is written while stored
    bool threw = false;
    try {
        data.Serialize(ar);
    } catch (CException *e) {
        e->Delete();
        threw = true;
    }
    ar.Abort();
    EXPECT_TRUE(threw);
}

TEST(CriteriaData, MinPrice)
{
    const struct {
        int count;
        double prices[4];
        double lowest;
    } cases[] = {
        {4, {0, 250.5, -3, 199}, 199},
        {2, {0, -1}, -1},
        {0, {5}, -1},
        {3, {1500000.01, 1500000.02, 0}, 1500000.01},
        {1, {7, 1}, 7}, // offers beyond the count do not count
    };
    for (const auto &c : cases) {
        CCriteriaData data;
        data.m_nOfferCount = c.count;
        for (int i = 0; i < 4; ++i)
            data.m_offers[i].grossPrice = c.prices[i];
        EXPECT_DOUBLE_EQ(c.lowest, data.GetMinPrice());
    }
}
