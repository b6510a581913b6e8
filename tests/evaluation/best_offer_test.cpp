// The arithmetic of the points balance without a window: price points and totals from the
// record, the choice of the best offer and its sentence, adding and removing criteria.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "evaluation/criteria/balance_criteria.h"
#include "evaluation/criteria/best_offer.h"
#include "model/criteria_data.h"

namespace {

struct BestOfferCase {
    const char *name;
    std::vector<OfferStanding> offers;
    double best;
    const char *winners;
    const char *cheapest;
    const char *sentence;
};

const char kTie23Cheapest3[] =
    "Najwyższą liczbę punktów uzyskały następujące oferty: 2,3 spośród nich ofertą z najniższą ceną jest: 3";

TEST(BestOffer, WinnersCheapestAndSentence)
{
    const BestOfferCase cases[] = {
        {"tie, the cheaper of the two is 3",
         {{1, true, 80, 50}, {2, true, 95, 40}, {3, true, 95, 45}},
         95,
         "2,3",
         "3",
         kTie23Cheapest3},
        {"tie, both equally cheap",
         {{1, true, 80, 50}, {2, true, 95, 40}, {3, true, 95, 40}},
         95,
         "2,3",
         "2,3",
         "Najwyższą liczbę punktów uzyskały następujące oferty: 2,3 spośród nich ofertą z najniższą ceną jest: 2,3"},
        {"single winner",
         {{1, true, 80, 50}, {2, true, 95.5, 40}, {3, true, 90, 45}},
         95.5,
         "2",
         "2",
         "Najkorzystniejszą ofertą jest oferta nr 2, która uzyskała 95.5 punktów w zakresie przyjętych kryteriów oceny "
         "ofert."},
        {"an offer without a price takes no part",
         {{1, true, 80, 50}, {2, false, 200, 0}, {3, true, 95, 45}},
         95,
         "3",
         "3",
         "Najkorzystniejszą ofertą jest oferta nr 3, która uzyskała 95 punktów w zakresie przyjętych kryteriów oceny "
         "ofert."},
        {"a later higher total starts the lists again",
         {{1, true, 90, 60}, {2, true, 90, 30}, {3, true, 91, 10}},
         91,
         "3",
         "3",
         "Najkorzystniejszą ofertą jest oferta nr 3, która uzyskała 91 punktów w zakresie przyjętych kryteriów oceny "
         "ofert."},
        {"a winner with 0 points",
         {{1, true, 0, 0}, {2, true, 0, 0}},
         0,
         "1,2",
         "1,2",
         "Najwyższą liczbę punktów uzyskały następujące oferty: 1,2 spośród nich ofertą z najniższą ceną jest: 1,2"},
        {"no offer has a price",
         {{1, false, 50, 0}, {2, false, 60, 0}},
         -1,
         "",
         "",
         "Żadna z ofert nie ma podanej ceny brutto."},
        {"no offers", {}, -1, "", "", "Żadna z ofert nie ma podanej ceny brutto."},
    };
    for (const BestOfferCase &c : cases) {
        SCOPED_TRACE(c.name);
        const BestOffers result = FindBestOffers(c.offers);
        EXPECT_EQ(c.best, result.best);
        EXPECT_STREQ(c.winners, result.winners);
        EXPECT_STREQ(c.cheapest, result.cheapest);
        EXPECT_STREQ(c.sentence, BestOfferSentence(result.best, result.winners, result.cheapest));
    }
}

// Three offers: prices 100, 200 and none, weight 60, criteria points per offer.
std::unique_ptr<CCriteriaData> PricedRecord()
{
    auto data = std::make_unique<CCriteriaData>();
    data->m_strPriceWeight = "60";
    data->m_nOfferCount = 3;
    data->m_nCriteriaCount = 2;
    const double prices[] = {100, 200, 0};
    for (int i = 0; i < 3; ++i) {
        data->m_offers[i].grossPrice = prices[i];
        data->m_offers[i].points[0] = 10 * (i + 1);
        data->m_offers[i].points[1] = 1.5;
    }
    data->m_offers[0].points[2] = 1000; // beyond the criterion count: not counted
    return data;
}

TEST(BestOffer, PricePointsAndTotalsFromTheRecord)
{
    auto data = PricedRecord();
    const double pricePoints[] = {60, 30, 0};
    const double totals[] = {60 + 10 + 1.5, 30 + 20 + 1.5, 0 + 30 + 1.5};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_DOUBLE_EQ(pricePoints[i], PricePoints(*data, i));
        EXPECT_DOUBLE_EQ(totals[i], TotalPoints(*data, i));
    }
    data->m_strPriceWeight = "";
    EXPECT_EQ(0, PricePoints(*data, 0));
    EXPECT_EQ(0, TotalPoints(*data, -1));
    EXPECT_EQ(0, TotalPoints(*data, CCriteriaData::kMaxOffers));
}

TEST(BalanceCriteria, AddRefusesDuplicatesOfTheSameCaseAndAFullTable)
{
    auto data = PricedRecord();
    data->m_strCriterionName[0] = "jakość";
    data->m_strCriterionName[1] = "gwarancja";
    EXPECT_EQ(AddCriterionResult::Duplicate, AddCriterion(*data, "gwarancja", "5"));
    EXPECT_EQ(2, data->m_nCriteriaCount);
    EXPECT_EQ(AddCriterionResult::Added, AddCriterion(*data, "Gwarancja", "5"));
    EXPECT_EQ(3, data->m_nCriteriaCount);
    EXPECT_STREQ("Gwarancja", data->m_strCriterionName[2]);
    EXPECT_STREQ("5", data->m_strCriterionWeight[2]);

    data->m_nCriteriaCount = kMaxBalanceCriteria;
    EXPECT_EQ(AddCriterionResult::TooMany, AddCriterion(*data, "serwis", "1"));
    EXPECT_EQ(kMaxBalanceCriteria, data->m_nCriteriaCount);
}

TEST(BalanceCriteria, RemovingMovesLaterCriteriaAndPointsOfEveryOffer)
{
    auto data = PricedRecord();
    data->m_nCriteriaCount = 3;
    const char *names[] = {"A", "B", "C"};
    for (int k = 0; k < 3; ++k) {
        data->m_strCriterionName[k] = names[k];
        data->m_strCriterionWeight[k] = names[k];
        for (int i = 0; i < CCriteriaData::kMaxOffers; ++i)
            data->m_offers[i].points[k] = 100 * k + i;
    }
    ASSERT_TRUE(RemoveCriterion(*data, 1));
    EXPECT_EQ(2, data->m_nCriteriaCount);
    EXPECT_STREQ("C", data->m_strCriterionName[1]);
    EXPECT_STREQ("C", data->m_strCriterionWeight[1]);
    // Offers past the offer count come back when it grows: their points stay with their criteria.
    for (int i : {0, 2, 3, 99}) {
        SCOPED_TRACE(i);
        EXPECT_EQ(i, data->m_offers[i].points[0]);
        EXPECT_EQ(200 + i, data->m_offers[i].points[1]);
    }

    // The criterion added next starts at 0, not with what the vacated place held.
    ASSERT_EQ(AddCriterionResult::Added, AddCriterion(*data, "D", "1"));
    EXPECT_EQ(0, data->m_offers[0].points[2]);
    EXPECT_EQ(0, data->m_offers[99].points[2]);

    EXPECT_FALSE(RemoveCriterion(*data, 3));
    EXPECT_FALSE(RemoveCriterion(*data, -1));
    EXPECT_EQ(3, data->m_nCriteriaCount);
}

} // namespace
