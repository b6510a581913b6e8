#pragma once
// Edits that filter what is typed: CMaskEdit checks every key against a mask and types the
// template's literal characters itself; CDateEdit is one preset for "RRRR-MM-DD".
// Pasting is not filtered.

#include "framework/core/oledatetime.h"
#include "framework/ui/controls.h"

// Whether a mask character accepts a typed (UTF-16) key. Mask characters:
//   0 digit · 9 digit or blank · # digit, blank, k or m · ? letter or blank · L letter
//   A letter or digit · a letter, digit or blank · & any printable; anything else nothing.
bool MaskAcceptsKey(char maskChar, UINT key);

class CMaskEdit : public CEdit {
public:
    // Turns the mask on. The template is the text as shown when empty: every character but
    // "_" in it is a literal. Keys among `alwaysValid` pass wherever the caret is.
    void SetMask(LPCTSTR mask, LPCTSTR templateText, LPCTSTR alwaysValid = "");

    int m_bUseMask = 0;
    int m_isDate = 0; // a date edit; keys are checked the same way
    CString m_str;    // the text as last set, updated with every typed character
    CString m_strMask;
    CString m_strLiteral; // the template
    CString m_strValid;   // always-accepted characters
    int m_bLocked = 0;

protected:
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

private:
    bool CheckChar(UINT key);
    void TypeLiteral(char literal);
    int Caret() const;
    bool LiteralAt(int position) const;

    bool m_bInsertingLiteral = false;
};

// Date to text: kind 8 "%y-%m-%d", kind 5 "%H:%M", any other "%Y-%m-%d"; a zero date (and an
// invalid one) gives an empty text.
CString FormatDateTime(const COleDateTime &date, int kind);

class CDateEdit : public CMaskEdit {
public:
    CDateEdit();
    // Shows the date as "RRRR-MM-DD", or nothing for a zero date.
    void SetDate(const COleDateTime &date);
    // A locked edit shows its date and swallows every key.
    void SetLocked(int locked) { m_bLocked = locked; }
};
