// Arithmetic of the price and delivery-term criteria: the best offer is the lowest price or the
// shortest term above 0, and every offer scores best / its own value x the criterion's weight.
#pragma once

#include <vector>

// The lowest value above 0, or -1 when no value is above 0.
double LowestPositive(const std::vector<double> &values);

// best / value x weight for a value above 0; 0 for an offer without a value.
double CriterionPoints(double best, double value, double weight);
