#include "controls/numeric_edit.h"

BEGIN_MESSAGE_MAP(CNumericEdit, CEdit)
    ON_WM_CHAR()
END_MESSAGE_MAP()

void CNumericEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    const bool isSeparator = !m_strDecimalSeparator.IsEmpty() && nChar == (UINT)(BYTE)m_strDecimalSeparator[0];
    if (isSeparator) {
        CString text;
        GetWindowText(text);
        if (text.IsEmpty()) {
            SetWindowText("0" + m_strDecimalSeparator);
            SetSel(2, 2);
            return;
        }
        if (text.Find(m_strDecimalSeparator) >= 0)
            return;
    } else if (!(nChar >= '0' && nChar <= '9') && nChar != VK_BACK) {
        return;
    }
    CEdit::OnChar(nChar, nRepCnt, nFlags);
}
