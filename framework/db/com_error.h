#pragma once
// The error every database failure is reported with: a code and a description for the user.
#include "framework/core/cstring.h"

class ComError {
public:
    // code: SQLite's extended result code; description: CP1250 text, may be empty.
    ComError(long code, const CString &description) : code_(code), description_(description) {}

    long Error() const { return code_; }
    const CString &Description() const { return description_; }

private:
    long code_;
    CString description_;
};
