// The table of further criteria of the evaluation record as the points balance edits it.
#pragma once

#include "framework/core/cstring.h"

class CCriteriaData;

enum class AddCriterionResult { Added, TooMany, Duplicate };

// The most further criteria the points balance adds to.
constexpr int kMaxBalanceCriteria = 99;

// Appends a criterion with 0 points for every offer; a name already in use (same letter case)
// or a full table is refused.
AddCriterionResult AddCriterion(CCriteriaData &data, const CString &name, const CString &weight);
// Removes criterion k; the later criteria and every offer's points move one place down.
bool RemoveCriterion(CCriteriaData &data, int k);
// A weight as the criteria list shows it: "0" when none was typed.
CString WeightText(const CString &weight);
