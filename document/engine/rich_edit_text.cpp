#include "document/engine/rich_edit_text.h"

#include <string>

#include "framework/core/codepage.h"
#include "framework/ui/richedit.h"

namespace {

const UINT kCodePage1250 = 1250;
const UINT kCodePageUtf16 = 1200;

} // namespace

void RichEditText::SetSel(int start, int end) const
{
    CHARRANGE range = {start, end};
    SendMessageW(m_hWnd, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

void RichEditText::GetSel(int &start, int &end) const
{
    CHARRANGE range = {0, 0};
    SendMessageW(m_hWnd, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    start = range.cpMin;
    end = range.cpMax;
}

int RichEditText::GetTextLength() const
{
    GETTEXTLENGTHEX request = {GTL_PRECISE | GTL_NUMCHARS, kCodePageUtf16};
    return static_cast<int>(SendMessageW(m_hWnd, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&request), 0));
}

CString RichEditText::GetSelectedText() const
{
    int start = 0, end = 0;
    GetSel(start, end);
    std::wstring text(static_cast<size_t>(end - start) + 1, L'\0');
    GETTEXTEX request = {};
    request.cb = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    request.flags = GT_SELECTION;
    request.codepage = kCodePageUtf16;
    const LRESULT copied =
        SendMessageW(m_hWnd, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request), reinterpret_cast<LPARAM>(&text[0]));
    return WideToCp1250(text.c_str(), static_cast<int>(copied));
}

CString RichEditText::GetPlainText() const
{
    int start = 0, end = 0;
    GetSel(start, end);
    SelectAll();
    CString text = GetSelectedText();
    SetSel(start, end);
    return text;
}

void RichEditText::ReplaceSel(const CString &text, bool canUndo) const
{
    const std::wstring wide = Cp1250ToWide(text);
    SendMessageW(m_hWnd, EM_REPLACESEL, canUndo ? TRUE : FALSE, reinterpret_cast<LPARAM>(wide.c_str()));
}

int RichEditText::InsertRtf(const CString &rtf, bool replaceSelection) const
{
    int start = 0, end = 0;
    GetSel(start, end);
    if (!replaceSelection)
        SetSel(end, end);
    int before = 0, unused = 0;
    GetSel(before, unused);
    SETTEXTEX request = {ST_SELECTION, kCodePage1250};
    SendMessageW(m_hWnd, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&request), reinterpret_cast<LPARAM>(rtf.GetString()));
    int after = 0;
    GetSel(unused, after);
    return after - before;
}

bool RichEditText::StreamInRtf(const CString &rtf) const
{
    DWORD error = 0;
    StreamBytesIn(m_hWnd, SF_RTF, rtf, &error);
    return error == 0;
}

CString RichEditText::StreamOutRtf() const
{
    return StreamBytesOut(m_hWnd, SF_RTF);
}

void RichEditText::SetSelectionFormat(const CHARFORMAT2W &format) const
{
    SendMessageW(m_hWnd, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

CHARFORMAT2W RichEditText::GetSelectionFormat() const
{
    CHARFORMAT2W format = {};
    format.cbSize = sizeof format;
    SendMessageW(m_hWnd, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    return format;
}

void RichEditText::SetSelectionParagraphFormat(const PARAFORMAT2 &format) const
{
    SendMessageW(m_hWnd, EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
}

PARAFORMAT2 RichEditText::GetSelectionParagraphFormat() const
{
    PARAFORMAT2 format = {};
    format.cbSize = sizeof format;
    SendMessageW(m_hWnd, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
    return format;
}

void RichEditText::SetReadOnly(bool readOnly) const
{
    SendMessageW(m_hWnd, EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

int RichEditText::ReplaceAll(const CString &find, const CString &replacement, bool matchCase, int start) const
{
    if (find.IsEmpty())
        return 0;
    HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    CString searched = find;
    if (!matchCase)
        searched.MakeLower();
    int replaced = 0;
    for (int from = start;;) {
        SelectAll();
        CString text = GetSelectedText();
        if (!matchCase)
            text.MakeLower();
        const int found = text.Find(searched, from);
        if (found < 0)
            break;
        SetSel(found, found + find.GetLength());
        ReplaceSel(replacement);
        ++replaced;
        int caret = 0;
        GetSel(caret, from);
    }
    SetCursor(previous);
    return replaced;
}

void NormalizeNewlines(CString &text)
{
    text.Replace("\r\n", "\r");
    text.Replace("\n", "\r");
}
