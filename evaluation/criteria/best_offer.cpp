#include "evaluation/criteria/best_offer.h"

#include <algorithm>
#include <cstdlib>

#include "app/number_format.h"
#include "model/criteria_data.h"

namespace {

int CriteriaInUse(const CCriteriaData &data)
{
    return std::clamp((int)data.m_nCriteriaCount, 0, (int)CCriteriaData::kMaxCriteria);
}

void DropTrailingComma(CString &list)
{
    if (!list.IsEmpty() && list[list.GetLength() - 1] == ',')
        list = list.Left(list.GetLength() - 1);
}

} // namespace

double PricePoints(const CCriteriaData &data, int offer)
{
    if (offer < 0 || offer >= CCriteriaData::kMaxOffers)
        return 0;
    const double price = data.m_offers[offer].grossPrice;
    if (price <= 0)
        return 0;
    return data.GetMinPrice() * atof(data.m_strPriceWeight) / price;
}

double TotalPoints(const CCriteriaData &data, int offer)
{
    if (offer < 0 || offer >= CCriteriaData::kMaxOffers)
        return 0;
    double total = 0;
    for (int k = 0; k < CriteriaInUse(data); ++k)
        total += data.m_offers[offer].points[k];
    return total + PricePoints(data, offer);
}

BestOffers FindBestOffers(const std::vector<OfferStanding> &offers)
{
    BestOffers result;
    double cheapestPoints = -1;
    for (const OfferStanding &offer : offers) {
        if (!offer.hasPrice)
            continue;
        if (offer.total < result.best && result.best >= 0)
            continue;
        const CString number = IntToStr(offer.number);
        if (offer.total > result.best) {
            result.winners.Empty();
            result.cheapest.Empty();
            cheapestPoints = -1;
        }
        result.best = offer.total;
        result.winners += number + ",";
        if (offer.pricePoints > cheapestPoints)
            result.cheapest.Empty();
        if (offer.pricePoints >= cheapestPoints || cheapestPoints < 0) {
            result.cheapest += number + ",";
            cheapestPoints = offer.pricePoints;
        }
    }
    DropTrailingComma(result.winners);
    DropTrailingComma(result.cheapest);
    return result;
}

CString BestOfferSentence(double best, const CString &winners, const CString &cheapest)
{
    if (winners.IsEmpty())
        return "Żadna z ofert nie ma podanej ceny brutto.";
    if (winners.Find(',') < 0)
        return "Najkorzystniejszą ofertą jest oferta nr " + winners + ", która uzyskała " + DoubleToStr(best)
               + " punktów w zakresie przyjętych kryteriów oceny ofert.";
    return "Najwyższą liczbę punktów uzyskały następujące oferty: " + winners
           + " spośród nich ofertą z najniższą ceną jest: " + cheapest;
}
