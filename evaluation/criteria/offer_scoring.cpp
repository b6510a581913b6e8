#include "evaluation/criteria/offer_scoring.h"

double LowestPositive(const std::vector<double> &values)
{
    double lowest = -1;
    for (double value : values) {
        if (value > 0 && (value < lowest || lowest < 0))
            lowest = value;
    }
    return lowest;
}

double CriterionPoints(double best, double value, double weight)
{
    return value > 0 ? best / value * weight : 0;
}
