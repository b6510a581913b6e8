#include "evaluation/criteria/balance_criteria.h"

#include "model/criteria_data.h"

AddCriterionResult AddCriterion(CCriteriaData &data, const CString &name, const CString &weight)
{
    const int count = data.m_nCriteriaCount;
    if (count >= kMaxBalanceCriteria)
        return AddCriterionResult::TooMany;
    for (int k = 0; k < count; ++k) {
        if (data.m_strCriterionName[k] == name)
            return AddCriterionResult::Duplicate;
    }
    const int added = count < 0 ? 0 : count;
    data.m_strCriterionName[added] = name;
    data.m_strCriterionWeight[added] = weight;
    // The slot may still hold the points of a criterion removed before.
    for (CriteriaOffer &offer : data.m_offers)
        offer.points[added] = 0;
    data.m_nCriteriaCount = added + 1;
    return AddCriterionResult::Added;
}

bool RemoveCriterion(CCriteriaData &data, int k)
{
    const int count = data.m_nCriteriaCount;
    if (k < 0 || k >= count || count > CCriteriaData::kMaxCriteria)
        return false;
    for (int j = k; j + 1 < count; ++j) {
        data.m_strCriterionName[j] = data.m_strCriterionName[j + 1];
        data.m_strCriterionWeight[j] = data.m_strCriterionWeight[j + 1];
    }
    // Offers beyond the offer count come back when the count grows: their points move too.
    for (CriteriaOffer &offer : data.m_offers) {
        for (int j = k; j + 1 < count; ++j)
            offer.points[j] = offer.points[j + 1];
    }
    data.m_nCriteriaCount = count - 1;
    return true;
}

CString WeightText(const CString &weight)
{
    return weight.IsEmpty() ? CString("0") : weight;
}
