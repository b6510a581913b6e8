#include "evaluation/criteria_calculators.h"

CCriteriaData *RunCriteriaCalculator(CWnd *, int, CCriteriaData *record)
{
    return record;
}
