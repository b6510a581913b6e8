// The "Drukuj" buttons of the price, delivery-term and points-balance dialogs.

#include "evaluation/criteria/calculation_print_dialogs.h"

#include "evaluation/criteria/balance_dlg.h"
#include "evaluation/criteria/balance_panel.h"
#include "model/criteria_data.h"
#include "res/evaluation_balance_ids.h"
#include "res/evaluation_ids.h"

namespace {

CString TextOf(const CWnd &window, int id)
{
    CString text;
    window.GetDlgItemText(id, text);
    return text;
}

CalculationHeader HeaderOf(const CWnd &dialog)
{
    CalculationHeader header;
    header.caseNumber = TextOf(dialog, IDC_EVAL_CASE_NUMBER);
    header.date = TextOf(dialog, IDC_EVAL_DATE);
    header.weight = TextOf(dialog, IDC_EVAL_WEIGHT);
    header.offerCount = TextOf(dialog, IDC_EVAL_OFFER_COUNT);
    return header;
}

// The unit whose button is checked; -1 when none is.
int CheckedUnit(const CWnd &dialog)
{
    const int buttons[] = {IDC_TERM_UNIT_DAYS, IDC_TERM_UNIT_MONTHS, IDC_TERM_UNIT_YEARS};
    for (int unit = 0; unit < 3; ++unit)
        if (dialog.IsDlgButtonChecked(buttons[unit]) == BST_CHECKED)
            return unit;
    return -1;
}

} // namespace

PriceCalculationPrint PriceCalculationOf(const CKryteriumCenaDlg &dialog)
{
    PriceCalculationPrint print;
    print.header = HeaderOf(dialog);
    const CPanelCenaDlg *panel = dialog.GetPanel();
    for (int i = 0; panel != nullptr && i < panel->GetRowCount(); ++i) {
        const COfertaCenaDlg *row = panel->GetOfferRow(i);
        if (row == nullptr)
            continue;
        print.rows.push_back({TextOf(*row, IDC_EVAL_ROW_NUMBER), TextOf(*row, IDC_PRICE_ROW_CONTRACTOR),
                              TextOf(*row, IDC_PRICE_ROW_PRICE), TextOf(*row, IDC_EVAL_ROW_BEST),
                              TextOf(*row, IDC_EVAL_ROW_POINTS), row->m_strComponents});
    }
    return print;
}

TermCalculationPrint TermCalculationOf(const CKryteriumTerminDlg &dialog)
{
    TermCalculationPrint print;
    print.header = HeaderOf(dialog);
    print.header.termUnit = TermUnitWord(CheckedUnit(dialog));
    const CPanelTerminDlg *panel = dialog.GetPanel();
    for (int i = 0; panel != nullptr && i < panel->GetRowCount(); ++i) {
        const COfertaTerminDlg *row = panel->GetOfferRow(i);
        if (row == nullptr)
            continue;
        print.rows.push_back({TextOf(*row, IDC_EVAL_ROW_NUMBER), TextOf(*row, IDC_TERM_ROW_TERM),
                              TextOf(*row, IDC_EVAL_ROW_BEST), TextOf(*row, IDC_EVAL_ROW_POINTS)});
    }
    return print;
}

BalancePrint BalanceOf(CBilansPunktowyDlg &dialog)
{
    BalancePrint print;
    print.caseNumber = TextOf(dialog, IDC_BALANCE_CASE_NUMBER);
    print.date = TextOf(dialog, IDC_BALANCE_DATE);
    print.offerCount = TextOf(dialog, IDC_BALANCE_OFFER_COUNT);
    print.resultSentence = TextOf(dialog, IDC_BALANCE_RESULT);
    const CCriteriaData *data = dialog.m_pData;
    if (data != nullptr)
        print.termWeight = data->m_strTermWeight;

    // The list shows "cena" first, then the further criteria, as the record holds them.
    CListCtrl &criteria = dialog.GetCriteriaList();
    print.priceWeight = criteria.GetItemCount() > 0 ? criteria.GetItemText(0, 1) : CString();
    for (int k = 1; k < criteria.GetItemCount(); ++k)
        print.criteria.push_back({criteria.GetItemText(k, 0), criteria.GetItemText(k, 1)});

    const CPanelBilansDlg *panel = dialog.GetPanel();
    for (int i = 0; panel != nullptr && i < panel->GetRowCount(); ++i) {
        COfertaPunktyDlg *row = panel->GetOfferRow(i);
        if (row == nullptr)
            continue;
        BalanceRowPrint printed;
        printed.number = TextOf(*row, IDC_BALANCE_ROW_NUMBER);
        const int offer = row->GetOffer();
        if (data != nullptr && offer >= 0 && offer < CCriteriaData::kMaxOffers)
            printed.grossPrice = data->m_offers[offer].grossPrice;
        CListCtrl &list = row->GetList();
        for (int j = 0; j < list.GetItemCount(); ++j)
            printed.lines.push_back({list.GetItemText(j, 0), list.GetItemText(j, 1)});
        print.rows.push_back(printed);
    }
    return print;
}

void PriceCriterion::Print(CKryteriumCenaDlg &dialog)
{
    const PriceCalculationPrint print = PriceCalculationOf(dialog);
    PrintCalculation(&dialog, [&](CalculationPages &pages) { ComposePriceCalculation(pages, print); });
}

void TermCriterion::Print(CKryteriumTerminDlg &dialog)
{
    const TermCalculationPrint print = TermCalculationOf(dialog);
    PrintCalculation(&dialog, [&](CalculationPages &pages) { ComposeTermCalculation(pages, print); });
}

void CBilansPunktowyDlg::OnPrintCalculation()
{
    const BalancePrint print = BalanceOf(*this);
    PrintCalculation(this, [&](CalculationPages &pages) { ComposeBalance(pages, print); });
}
