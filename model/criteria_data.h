// The offer-evaluation record of a proceeding: the price criterion's weight, the delivery-term
// criterion, up to 100 further criteria and up to 100 offers with their points per criterion.
// Owned by the proceeding record and stored inside its record file.
#pragma once

#include <cstdint>

#include "framework/core/archive.h"
#include "framework/core/cstring.h"
#include "framework/core/object.h"

// The name of the criterion that a stored delivery-term weight becomes when a record is read.
extern const char DeliveryTermLabel[];

struct CriteriaOffer {
    static constexpr int kMaxCriteria = 100;

    CString contractor;               // name and address, several lines
    double grossPrice = 0;            // 0 or less: no price offered
    double term = 0;                  // in the record's term unit; 0 or less: no term offered
    double points[kMaxCriteria] = {}; // points in further criterion k
    CString priceComponents;          // the gross-price components in their text form
};

class CCriteriaData : public CObject {
public:
    static constexpr int kMaxCriteria = CriteriaOffer::kMaxCriteria;
    static constexpr int kMaxOffers = 100;
    static constexpr int32_t kSchema = 3;

    CCriteriaData();
    ~CCriteriaData() override;

    // Writes schema 3 (a loading archive is read with Read). Write errors reach the caller.
    void Serialize(CArchive &ar) override;
    // Reads schema 1, 2 or 3, then turns a stored delivery-term weight into criterion 0.
    // A count outside the tables throws CArchiveException::badIndex; errors reach the caller.
    void Read(CArchive &ar);

    // The lowest gross price above 0 among the offers in use, -1 when none has one.
    double GetMinPrice() const;

    CString m_strDate;        // "Data:" of the calculations
    CString m_strPriceWeight; // weight of the price criterion in percent, as typed
    CString m_strTermWeight;  // weight of the delivery term, until the next read moves it
    int32_t m_nOfferCount;
    int32_t m_nTermUnit; // 0 days, 1 months, 2 years
    int32_t m_nCriteriaCount;
    CString m_strCriterionName[kMaxCriteria];
    CString m_strCriterionWeight[kMaxCriteria];
    CriteriaOffer m_offers[kMaxOffers];
    CString m_strCaseNumber; // "Nr sprawy:"

private:
    void ReadSchema1Offers(CArchive &ar);
    void ReadOffers(CArchive &ar);
    void MoveTermWeightIntoCriteria();
};
