#pragma once
// An edit for unsigned decimal numbers: digits, one decimal separator and backspace.

#include "framework/ui/controls.h"

class CNumericEdit : public CEdit {
public:
    CString m_strDecimalSeparator = ".";

protected:
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()
};
