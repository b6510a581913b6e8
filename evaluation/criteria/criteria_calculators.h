// The three offer-evaluation calculators as the proceeding window opens them.
#pragma once

class CCriteriaData;
class CWnd;

// Runs calculator type (0 price criterion, 1 delivery term, 2 points balance) modally on the
// record; returns the record the calculator holds when it closes. Another type opens nothing.
CCriteriaData *RunCriteriaCalculator(CWnd *parent, int type, CCriteriaData *record);
