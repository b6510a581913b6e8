// Small services of the proceeding view: comment texts by id and when the layout of a
// proceeding divided into parts can be changed.
#pragma once

#include "framework/core/cstring.h"

class CKomentarz2;

// The text of the first entry in use with the id; "" when none has it or there is no table.
CString GetCommentText(const CKomentarz2 *comments, int id);

// The multi-part layout command applies to the kinds 0..3 and 7..9 of a divided proceeding.
bool IsMultipartLayoutEnabled(int procedureCode, int parts);
