// What the database export reads of an open proceeding's view.
#pragma once

#include "framework/core/cstring.h"

// The names of the variables that go into the columns pole0 to pole9 and the value of a
// variable by its name.
class ProceedingVariables {
public:
    static constexpr int kDatabaseFields = 10;
    virtual ~ProceedingVariables() = default;
    virtual CString GetDatabaseFieldName(int index) const = 0; // index 0..9
    virtual CString LookUpVariableValue(const CString &name) = 0;
};
