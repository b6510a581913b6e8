// Text operations on a rich-edit 5.0 control ("RICHEDIT50W"): an HWND and typed messages.
// Positions are the control's own character positions; texts cross as code page 1250.
#pragma once

#include <windows.h>
#include <richedit.h>

#include "framework/core/cstring.h"

class RichEditText {
public:
    explicit RichEditText(HWND control = nullptr) : m_hWnd(control) {}
    HWND GetHwnd() const { return m_hWnd; }

    // 0, -1 selects everything; an end equal to the start puts the caret there.
    void SetSel(int start, int end) const;
    void GetSel(int &start, int &end) const;
    void SelectAll() const { SetSel(0, -1); }

    // Characters as the control counts them (a paragraph end is one).
    int GetTextLength() const;
    CString GetSelectedText() const;
    // The whole plain text, paragraph ends as "\r"; positions in it are control positions.
    CString GetPlainText() const;

    void ReplaceSel(const CString &text, bool canUndo = false) const;
    // The RTF goes after the selection, or replaces it; the number of characters it added.
    int InsertRtf(const CString &rtf, bool replaceSelection) const;
    // The control's whole content replaced by the RTF; false when the control refused it.
    bool StreamInRtf(const CString &rtf) const;
    CString StreamOutRtf() const;

    void SetSelectionFormat(const CHARFORMAT2W &format) const;
    CHARFORMAT2W GetSelectionFormat() const;
    // The fields of the format's mask set on every paragraph the selection touches.
    void SetSelectionParagraphFormat(const PARAFORMAT2 &format) const;
    PARAFORMAT2 GetSelectionParagraphFormat() const;
    void SetReadOnly(bool readOnly) const;

    // Every match (case ignored unless matchCase) from start on replaced; the search goes on
    // after each replacement, so a replacement holding the searched text is never searched.
    // The number of replacements.
    int ReplaceAll(const CString &find, const CString &replacement, bool matchCase, int start = 0) const;

private:
    HWND m_hWnd;
};

// "\r\n" and then every other "\n" made "\r", the paragraph end the control stores.
void NormalizeNewlines(CString &text);
