#include "evaluation/criteria/criteria_calculators.h"

#include "evaluation/criteria/balance_dlg.h"
#include "evaluation/criteria/price_criterion_dlg.h"
#include "evaluation/criteria/term_criterion_dlg.h"

namespace {

// Whatever closed the calculator, the record it holds afterwards is the proceeding's.
template <class Calculator>
CCriteriaData *Run(CWnd *parent, CCriteriaData *record)
{
    Calculator calculator(record, parent);
    calculator.DoModal();
    return calculator.m_pData;
}

} // namespace

CCriteriaData *RunCriteriaCalculator(CWnd *parent, int type, CCriteriaData *record)
{
    switch (type) {
    case 0:
        return Run<CKryteriumCenaDlg>(parent, record);
    case 1:
        return Run<CKryteriumTerminDlg>(parent, record);
    case 2:
        return Run<CBilansPunktowyDlg>(parent, record);
    default:
        return record;
    }
}
