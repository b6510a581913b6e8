// Questions that opening a proceeding asks through dialogs of the proceeding window's layer,
// which lies above the view. The program installs them before it opens a proceeding; without
// them a question cannot be asked and the answer is "no".
#pragma once

#include "framework/core/cstring.h"

class CWnd;

class ProceedingPrompts {
public:
    virtual ~ProceedingPrompts() = default;
    // True when the user typed the stored password.
    virtual bool AskPassword(CWnd *parent, const CString &storedPassword) = 0;
};

void SetProceedingPrompts(ProceedingPrompts *prompts);
ProceedingPrompts *GetProceedingPrompts();
