// The points of an offer under the price criterion and in total, and the choice of the best
// offer among those with a gross price, as the points balance shows them.
#pragma once

#include <vector>

#include "framework/core/cstring.h"

class CCriteriaData;

// Lowest gross price x price weight / the offer's gross price; 0 without a price.
double PricePoints(const CCriteriaData &data, int offer);
// The offer's price points plus its points in every further criterion.
double TotalPoints(const CCriteriaData &data, int offer);

struct OfferStanding {
    int number;    // as shown, offer index + 1
    bool hasPrice; // a gross price above 0; others take no part
    double total;
    double pricePoints;
};

struct BestOffers {
    double best = -1; // highest total, -1 when no offer has a price
    CString winners;  // numbers of the offers with the highest total, "2,3"
    CString cheapest; // among all offers seen as winners, those with the most price points
};

// Offers in order; exact compares, so equal totals tie.
BestOffers FindBestOffers(const std::vector<OfferStanding> &offers);

// The sentence that names the best offer, or the winners and the cheapest of them.
CString BestOfferSentence(double best, const CString &winners, const CString &cheapest);
