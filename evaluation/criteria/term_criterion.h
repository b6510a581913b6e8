// TermCriterion: what sets the delivery-term criterion's dialog, panel and rows apart from the
// price's: its resources, its weight in the record, terms shown in whole units and the unit
// buttons of its dialog.
#pragma once

#include "app/number_format.h"
#include "model/criteria_data.h"
#include "res/evaluation_ids.h"

class COfertaTerminDlg;
class CWnd;
template <class Criterion>
class CCriterionDialog;

struct TermCriterion {
    using Row = COfertaTerminDlg;

    static constexpr unsigned kDialogId = IDD_KRYTERIUM_TERMIN;
    static constexpr unsigned kPanelId = IDD_PANEL_TERMIN;
    static constexpr unsigned kRowId = IDD_OFERTA_TERMIN;
    static constexpr int kPrintId = IDC_TERM_PRINT;
    static constexpr int kValueId = IDC_TERM_ROW_TERM;

    static CString &Weight(CCriteriaData &data) { return data.m_strTermWeight; }

    // A shortest term or points; kZero where there are none.
    static CString Number(double value) { return DoubleToStr(value); }
    static constexpr const char *kZero = "0";
    // The term in its field, in whole units.
    static CString ValueText(double term);

    // Checks the button of the record's unit (0 days, 1 months, 2 years); none without a record.
    static void ShowOwnFields(CWnd &dialog, const CCriteriaData *pData);
    // Stores the unit whose button is checked.
    static void StoreOwnFields(CWnd &dialog, CCriteriaData &data);

    // "Drukuj": prints the calculation the dialog shows.
    static void Print(CCriterionDialog<TermCriterion> &dialog);
};
