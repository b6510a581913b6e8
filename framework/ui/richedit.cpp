#include "framework/ui/richedit.h"

#include "framework/core/codepage.h"

#include <string>
#include <vector>

IMPLEMENT_DYNAMIC(CRichEditCtrl, CWnd)

namespace {

// The rich edit's own code page for text crossing as bytes.
const UINT richEditCodePage = 1250;

struct StreamCursor {
    const char *data;
    LONG remaining;
};

DWORD CALLBACK ReadFromString(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG *given)
{
    StreamCursor *cursor = reinterpret_cast<StreamCursor *>(cookie);
    LONG count = wanted < cursor->remaining ? wanted : cursor->remaining;
    memcpy(buffer, cursor->data, count);
    cursor->data += count;
    cursor->remaining -= count;
    *given = count;
    return 0;
}

DWORD CALLBACK WriteToString(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG *taken)
{
    reinterpret_cast<std::string *>(cookie)->append(reinterpret_cast<const char *>(buffer), count);
    *taken = count;
    return 0;
}

// Copies every field but the face name between the two forms of CHARFORMAT2.
template <class To, class From>
void CopyCharFormatFields(To &to, const From &from)
{
    to.dwMask = from.dwMask;
    to.dwEffects = from.dwEffects;
    to.yHeight = from.yHeight;
    to.yOffset = from.yOffset;
    to.crTextColor = from.crTextColor;
    to.bCharSet = from.bCharSet;
    to.bPitchAndFamily = from.bPitchAndFamily;
    to.wWeight = from.wWeight;
    to.sSpacing = from.sSpacing;
    to.crBackColor = from.crBackColor;
    to.lcid = from.lcid;
    to.sStyle = from.sStyle;
    to.wKerning = from.wKerning;
    to.bUnderlineType = from.bUnderlineType;
    to.bAnimation = from.bAnimation;
    to.bRevAuthor = from.bRevAuthor;
}

CHARFORMAT2W WideCharFormat(const CHARFORMAT2A &narrow)
{
    CHARFORMAT2W wide{};
    wide.cbSize = sizeof wide;
    CopyCharFormatFields(wide, narrow);
    std::wstring face = Cp1250ToWide(narrow.szFaceName, (int)strnlen(narrow.szFaceName, LF_FACESIZE));
    lstrcpynW(wide.szFaceName, face.c_str(), LF_FACESIZE);
    return wide;
}

void NarrowCharFormat(const CHARFORMAT2W &wide, CHARFORMAT2A &narrow)
{
    CopyCharFormatFields(narrow, wide);
    CString face = WideToCp1250(wide.szFaceName);
    lstrcpynA(narrow.szFaceName, face, LF_FACESIZE);
}

} // namespace

BOOL CRichEditCtrl::LoadLibrary()
{
    static const HMODULE module = ::LoadLibraryW(L"MSFTEDIT.DLL");
    return module != nullptr;
}

BOOL CRichEditCtrl::Create(DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID)
{
    if (!LoadLibrary())
        return FALSE;
    return CWnd::Create("RICHEDIT50W", nullptr, dwStyle, rect, pParentWnd, nID);
}

long StreamBytesIn(HWND control, int nFormat, const CString &bytes, DWORD *error)
{
    StreamCursor cursor{bytes.GetString(), bytes.GetLength()};
    EDITSTREAM stream{(DWORD_PTR)&cursor, 0, ReadFromString};
    const long read = (long)::SendMessageW(control, EM_STREAMIN, nFormat, (LPARAM)&stream);
    if (error)
        *error = stream.dwError;
    return read;
}

CString StreamBytesOut(HWND control, int nFormat)
{
    std::string bytes;
    EDITSTREAM stream{(DWORD_PTR)&bytes, 0, WriteToString};
    ::SendMessageW(control, EM_STREAMOUT, nFormat, (LPARAM)&stream);
    return CString(bytes.data(), (int)bytes.size());
}

long CRichEditCtrl::StreamInText(int nFormat, const CString &text)
{
    return StreamBytesIn(m_hWnd, nFormat, text);
}

CString CRichEditCtrl::StreamOutText(int nFormat)
{
    return StreamBytesOut(m_hWnd, nFormat);
}

CString CRichEditCtrl::GetTextEx(BOOL bSelection) const
{
    long length;
    if (bSelection) {
        CHARRANGE range{};
        GetSel(range);
        length = range.cpMax - range.cpMin;
    } else {
        length = GetTextLengthEx(GTL_NUMCHARS | GTL_PRECISE);
    }
    std::vector<char> text(length + 1, '\0');
    GETTEXTEX request{};
    request.cb = (DWORD)text.size();
    request.flags = bSelection ? GT_SELECTION : GT_DEFAULT;
    request.codepage = richEditCodePage;
    int copied = (int)SendMessage(EM_GETTEXTEX, (WPARAM)&request, (LPARAM)text.data());
    return CString(text.data(), copied);
}

BOOL CRichEditCtrl::SetTextEx(LPCTSTR lpszText, DWORD dwFlags)
{
    SETTEXTEX request{dwFlags, richEditCodePage};
    return (BOOL)SendMessage(EM_SETTEXTEX, (WPARAM)&request, (LPARAM)(lpszText ? lpszText : ""));
}

long CRichEditCtrl::GetTextLengthEx(DWORD dwFlags) const
{
    GETTEXTLENGTHEX request{dwFlags, 1200};
    return (long)SendMessage(EM_GETTEXTLENGTHEX, (WPARAM)&request);
}

void CRichEditCtrl::ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo)
{
    SetTextEx(lpszNewText, ST_SELECTION | (bCanUndo ? ST_KEEPUNDO : 0));
}

int CRichEditCtrl::GetTextRange(int nFirst, int nLast, CString &refString) const
{
    if (nLast < nFirst)
        nLast = nFirst;
    std::vector<wchar_t> text(nLast - nFirst + 1, L'\0');
    TEXTRANGEW range{{nFirst, nLast}, text.data()};
    int copied = (int)SendMessage(EM_GETTEXTRANGE, 0, (LPARAM)&range);
    refString = WideToCp1250(text.data(), copied);
    return refString.GetLength();
}

void CRichEditCtrl::GetSel(long &nStartChar, long &nEndChar) const
{
    CHARRANGE range{};
    GetSel(range);
    nStartChar = range.cpMin;
    nEndChar = range.cpMax;
}

void CRichEditCtrl::SetSel(long nStartChar, long nEndChar)
{
    CHARRANGE range{nStartChar, nEndChar};
    SetSel(range);
}

POINT CRichEditCtrl::PosFromChar(UINT nChar) const
{
    POINTL point{};
    SendMessage(EM_POSFROMCHAR, (WPARAM)&point, nChar);
    return POINT{point.x, point.y};
}

long CRichEditCtrl::FindText(DWORD dwFlags, long nMin, long nMax, LPCTSTR lpszText) const
{
    std::wstring text = Cp1250ToWide(lpszText ? lpszText : "");
    FINDTEXTW find{{nMin, nMax}, text.c_str()};
    return (long)SendMessage(EM_FINDTEXTW, dwFlags, (LPARAM)&find);
}

DWORD CRichEditCtrl::GetSelectionCharFormat(CHARFORMAT2A &cf) const
{
    CHARFORMAT2W wide{};
    wide.cbSize = sizeof wide;
    DWORD mask = (DWORD)SendMessage(EM_GETCHARFORMAT, SCF_SELECTION, (LPARAM)&wide);
    NarrowCharFormat(wide, cf);
    return mask;
}

BOOL CRichEditCtrl::SetSelectionCharFormat(CHARFORMAT2A &cf)
{
    CHARFORMAT2W wide = WideCharFormat(cf);
    return (BOOL)SendMessage(EM_SETCHARFORMAT, SCF_SELECTION, (LPARAM)&wide);
}

DWORD CRichEditCtrl::GetDefaultCharFormat(CHARFORMAT2A &cf) const
{
    CHARFORMAT2W wide{};
    wide.cbSize = sizeof wide;
    DWORD mask = (DWORD)SendMessage(EM_GETCHARFORMAT, SCF_DEFAULT, (LPARAM)&wide);
    NarrowCharFormat(wide, cf);
    return mask;
}

BOOL CRichEditCtrl::SetDefaultCharFormat(CHARFORMAT2A &cf)
{
    CHARFORMAT2W wide = WideCharFormat(cf);
    return (BOOL)SendMessage(EM_SETCHARFORMAT, SCF_DEFAULT, (LPARAM)&wide);
}

BOOL CRichEditCtrl::SetWordCharFormat(CHARFORMAT2A &cf)
{
    CHARFORMAT2W wide = WideCharFormat(cf);
    return (BOOL)SendMessage(EM_SETCHARFORMAT, SCF_SELECTION | SCF_WORD, (LPARAM)&wide);
}

DWORD CRichEditCtrl::GetParaFormat(PARAFORMAT2 &pf) const
{
    pf.cbSize = sizeof pf;
    return (DWORD)SendMessage(EM_GETPARAFORMAT, 0, (LPARAM)&pf);
}

BOOL CRichEditCtrl::SetParaFormat(PARAFORMAT2 &pf)
{
    pf.cbSize = sizeof pf;
    return (BOOL)SendMessage(EM_SETPARAFORMAT, 0, (LPARAM)&pf);
}
