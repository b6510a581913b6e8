// PriceCriterion: what sets the price criterion's dialog, panel and rows apart from the
// delivery term's: its resources, its weight in the record and prices shown with two decimals.
#pragma once

#include "app/number_format.h"
#include "model/criteria_data.h"
#include "res/evaluation_ids.h"

class COfertaCenaDlg;
class CWnd;
template <class Criterion>
class CCriterionDialog;

struct PriceCriterion {
    using Row = COfertaCenaDlg;

    static constexpr unsigned kDialogId = IDD_KRYTERIUM_CENA;
    static constexpr unsigned kPanelId = IDD_PANEL_CENA;
    static constexpr unsigned kRowId = IDD_OFERTA_CENA;
    static constexpr int kPrintId = IDC_PRICE_PRINT;
    static constexpr int kValueId = IDC_PRICE_ROW_PRICE;

    static CString &Weight(CCriteriaData &data) { return data.m_strPriceWeight; }

    // A lowest price or points; kZero where there are none.
    static CString Number(double value) { return DoubleToStr2(value); }
    static constexpr const char *kZero = "0.00";
    // The gross price in its field.
    static CString ValueText(double price) { return DoubleToStr2(price); }

    // The dialog has no fields beyond the shared ones.
    static void ShowOwnFields(CWnd &, const CCriteriaData *) {}
    static void StoreOwnFields(CWnd &, CCriteriaData &) {}

    // "Drukuj": prints the calculation the dialog shows.
    static void Print(CCriterionDialog<PriceCriterion> &dialog);
};
