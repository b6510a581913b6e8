#include "controls/mask_edit.h"

#include "framework/core/codepage.h"

BEGIN_MESSAGE_MAP(CMaskEdit, CEdit)
    ON_WM_CHAR()
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

namespace {

bool IsPrintable(UINT key)
{
    return key >= 0x20 && key != 0x7F;
}
bool IsDigit(UINT key)
{
    return key >= '0' && key <= '9';
}
bool IsLetter(UINT key)
{
    return key <= 0xFFFF && ::IsCharAlphaW((WCHAR)key);
}

// The typed key in the code page of the texts ('?' when it has no such character).
char KeyAsCp1250(UINT key)
{
    const wchar_t wide[2] = {(wchar_t)key, 0};
    CString text = WideToCp1250(wide, 1);
    return text.IsEmpty() ? '?' : text[0];
}

} // namespace

bool MaskAcceptsKey(char maskChar, UINT key)
{
    switch (maskChar) {
    case '0':
        return IsDigit(key);
    case '9':
        return IsDigit(key) || key == ' ';
    case '#':
        return IsDigit(key) || key == ' ' || key == 'k' || key == 'm';
    case '?':
        return IsLetter(key) || key == ' ';
    case 'L':
        return IsLetter(key);
    case 'A':
        return IsLetter(key) || IsDigit(key);
    case 'a':
        return IsLetter(key) || IsDigit(key) || key == ' ';
    case '&':
        return IsPrintable(key);
    default:
        return false;
    }
}

void CMaskEdit::SetMask(LPCTSTR mask, LPCTSTR templateText, LPCTSTR alwaysValid)
{
    m_bUseMask = 1;
    m_strMask = mask;
    m_strLiteral = templateText;
    m_strValid = alwaysValid;
}

int CMaskEdit::Caret() const
{
    int start = 0;
    int end = 0;
    GetSel(start, end);
    return start;
}

bool CMaskEdit::LiteralAt(int position) const
{
    return position >= 0 && position < m_strLiteral.GetLength() && m_strLiteral[position] != '_';
}

void CMaskEdit::TypeLiteral(char literal)
{
    m_bInsertingLiteral = true;
    SendMessage(WM_CHAR, (WPARAM)(BYTE)literal, 0);
    m_bInsertingLiteral = false;
}

bool CMaskEdit::CheckChar(UINT key)
{
    if (!m_bUseMask || !IsPrintable(key))
        return true;
    int position = Caret();
    SetSel(position, position);
    if (position < m_strMask.GetLength() && LiteralAt(position)) {
        TypeLiteral(m_strLiteral[position]);
        position = Caret();
    }
    bool accepted = false;
    if (m_strValid.Find(KeyAsCp1250(key)) >= 0 && IsPrintable(key) && key < 0x10000) {
        accepted = true;
    } else if (position < m_strMask.GetLength()) {
        accepted = MaskAcceptsKey(m_strMask[position], key);
    }
    if (!accepted)
        ::MessageBeep((UINT)-1);
    return accepted;
}

void CMaskEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_bLocked)
        return;
    if (!m_bInsertingLiteral && !CheckChar(nChar))
        return;
    if (m_bUseMask) {
        if (IsPrintable(nChar)) {
            // Typing overwrites the character at the caret.
            const int position = Caret();
            SetSel(position, position + 1);
            Clear();
            if (position < m_str.GetLength())
                m_str.SetAt(position, KeyAsCp1250(nChar));
        } else if (nChar == VK_BACK) {
            return;
        }
    }
    CEdit::OnChar(nChar, nRepCnt, nFlags);
    if (!m_bInsertingLiteral && m_bUseMask && !m_strLiteral.IsEmpty()) {
        const int position = Caret();
        if (LiteralAt(position))
            TypeLiteral(m_strLiteral[position]);
    }
}

void CMaskEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_bLocked)
        return;
    if (m_bUseMask && (nChar == VK_INSERT || nChar == VK_DELETE))
        return;
    CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

CString FormatDateTime(const COleDateTime &date, int kind)
{
    if (date.m_dt == 0 || date.GetStatus() != COleDateTime::valid)
        return CString();
    switch (kind) {
    case 8:
        return date.Format("%y-%m-%d");
    case 5:
        return date.Format("%H:%M");
    default:
        return date.Format("%Y-%m-%d");
    }
}

CDateEdit::CDateEdit()
{
    SetMask("0000-00-00", "____-__-__");
    m_isDate = 1;
}

void CDateEdit::SetDate(const COleDateTime &date)
{
    m_str = FormatDateTime(date, 10);
    SetWindowText(m_str);
}
