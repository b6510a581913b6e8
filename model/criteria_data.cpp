#include "model/criteria_data.h"

const char DeliveryTermLabel[] = "termin realizacji";

namespace {

int32_t ReadCount(CArchive &ar, int32_t limit)
{
    int32_t count = 0;
    ar >> count;
    if (count < 0 || count > limit)
        AfxThrowArchiveException(CArchiveException::badIndex, ar.m_strFileName);
    return count;
}

// A count beyond the table cannot stand for stored entries: only the table's entries are written.
int32_t TableCount(int32_t count, int32_t limit)
{
    return count < 0 ? 0 : count > limit ? limit : count;
}

} // namespace

CCriteriaData::CCriteriaData() : m_nOfferCount(0), m_nTermUnit(0), m_nCriteriaCount(0) {}

CCriteriaData::~CCriteriaData() = default;

void CCriteriaData::Serialize(CArchive &ar)
{
    if (ar.IsLoading()) {
        Read(ar);
        return;
    }
    const int32_t offerCount = TableCount(m_nOfferCount, kMaxOffers);
    const int32_t criteriaCount = TableCount(m_nCriteriaCount, kMaxCriteria);
    ar << kSchema;
    ar << m_strDate << m_strPriceWeight << m_strTermWeight;
    ar << offerCount << m_nTermUnit << criteriaCount;
    for (int k = 0; k < criteriaCount; ++k)
        ar << m_strCriterionName[k] << m_strCriterionWeight[k];
    for (int i = 0; i < offerCount; ++i) {
        const CriteriaOffer &offer = m_offers[i];
        ar << offer.contractor << offer.grossPrice << offer.term;
        for (int k = 0; k < criteriaCount; ++k)
            ar << offer.points[k];
        ar << offer.priceComponents;
    }
    ar << m_strCaseNumber;
}

void CCriteriaData::Read(CArchive &ar)
{
    int32_t schema = 0;
    ar >> schema;
    if (schema >= 1 && schema <= 3) {
        ar >> m_strDate >> m_strPriceWeight >> m_strTermWeight;
        m_nOfferCount = ReadCount(ar, kMaxOffers);
        ar >> m_nTermUnit;
        m_nCriteriaCount = ReadCount(ar, kMaxCriteria);
        for (int k = 0; k < m_nCriteriaCount; ++k)
            ar >> m_strCriterionName[k] >> m_strCriterionWeight[k];
        if (schema == 1)
            ReadSchema1Offers(ar);
        else
            ReadOffers(ar);
        if (schema == 3)
            ar >> m_strCaseNumber;
    }
    MoveTermWeightIntoCriteria();
}

// Schema 1 kept net prices with their VAT rate and no price components.
void CCriteriaData::ReadSchema1Offers(CArchive &ar)
{
    for (int i = 0; i < m_nOfferCount; ++i) {
        CriteriaOffer &offer = m_offers[i];
        double netPrice = 0;
        double vatRate = 0;
        ar >> offer.contractor >> netPrice >> vatRate >> offer.term;
        offer.grossPrice = netPrice * (100 + vatRate) / 100;
        for (int k = 0; k < m_nCriteriaCount; ++k)
            ar >> offer.points[k];
    }
}

void CCriteriaData::ReadOffers(CArchive &ar)
{
    for (int i = 0; i < m_nOfferCount; ++i) {
        CriteriaOffer &offer = m_offers[i];
        ar >> offer.contractor >> offer.grossPrice >> offer.term;
        for (int k = 0; k < m_nCriteriaCount; ++k)
            ar >> offer.points[k];
        ar >> offer.priceComponents;
    }
}

// The delivery-term dialog keeps its weight aside; from the next read on it is the first
// further criterion, with no points yet.
void CCriteriaData::MoveTermWeightIntoCriteria()
{
    if (m_strTermWeight.IsEmpty() || m_strTermWeight == "0")
        return;
    if (m_nCriteriaCount < 99) {
        for (int k = m_nCriteriaCount; k > 0; --k) {
            m_strCriterionName[k] = m_strCriterionName[k - 1];
            m_strCriterionWeight[k] = m_strCriterionWeight[k - 1];
            for (CriteriaOffer &offer : m_offers)
                offer.points[k] = offer.points[k - 1];
        }
        m_strCriterionName[0] = DeliveryTermLabel;
        m_strCriterionWeight[0] = m_strTermWeight;
        for (CriteriaOffer &offer : m_offers)
            offer.points[0] = 0;
        ++m_nCriteriaCount;
    }
    m_strTermWeight.Empty();
}

double CCriteriaData::GetMinPrice() const
{
    double lowest = -1;
    for (int i = 0; i < m_nOfferCount && i < kMaxOffers; ++i) {
        const double price = m_offers[i].grossPrice;
        if (price > 0 && (price < lowest || lowest < 0))
            lowest = price;
    }
    return lowest;
}
