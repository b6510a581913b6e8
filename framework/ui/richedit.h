#pragma once
// CRichEditCtrl: the rich edit 5.0 control ("RICHEDIT50W" from MSFTEDIT.DLL, loaded on first
// creation). RTF streams in and out as bytes through EDITSTREAM callbacks; plain text crosses
// as code page 1250 through EM_GETTEXTEX/EM_SETTEXTEX. Positions are the control's own.

#include "framework/core/cstring.h"
#include "framework/ui/wnd.h"

#include <richedit.h>

// A rich edit control's text as bytes through EDITSTREAM, for callers that hold only its handle.
// nFormat is SF_RTF or SF_TEXT, with SFF_SELECTION for the selection. Streaming in gives the
// characters read and, with error, the stream's error code (0 when the control took it all).
long StreamBytesIn(HWND control, int nFormat, const CString &bytes, DWORD *error = nullptr);
CString StreamBytesOut(HWND control, int nFormat);

class CRichEditCtrl : public CWnd {
    DECLARE_DYNAMIC(CRichEditCtrl)

public:
    // Loads MSFTEDIT.DLL once; FALSE when it is missing.
    static BOOL LoadLibrary();
    BOOL Create(DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID);

    // ---- Streaming: nFormat is SF_RTF or SF_TEXT, with SFF_SELECTION for the selection ---
    long StreamIn(int nFormat, EDITSTREAM &es) { return (long)SendMessage(EM_STREAMIN, nFormat, (LPARAM)&es); }
    long StreamOut(int nFormat, EDITSTREAM &es) { return (long)SendMessage(EM_STREAMOUT, nFormat, (LPARAM)&es); }
    // Convenience over the callbacks: the whole text (or selection) as bytes.
    long StreamInText(int nFormat, const CString &text);
    CString StreamOutText(int nFormat);

    // ---- Text in code page 1250 ----------------------------------------------------------
    // The whole text, or the selection with bSelection; paragraphs end in "\r".
    CString GetTextEx(BOOL bSelection = FALSE) const;
    BOOL SetTextEx(LPCTSTR lpszText, DWORD dwFlags = ST_DEFAULT);
    long GetTextLength() const { return (long)SendMessage(WM_GETTEXTLENGTH); }
    long GetTextLengthEx(DWORD dwFlags = GTL_DEFAULT) const;
    CString GetSelText() const { return GetTextEx(TRUE); }
    void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE);
    int GetTextRange(int nFirst, int nLast, CString &refString) const;

    // ---- Selection, positions, lines -----------------------------------------------------
    void GetSel(long &nStartChar, long &nEndChar) const;
    void GetSel(CHARRANGE &cr) const { SendMessage(EM_EXGETSEL, 0, (LPARAM)&cr); }
    void SetSel(long nStartChar, long nEndChar);
    void SetSel(CHARRANGE &cr) { SendMessage(EM_EXSETSEL, 0, (LPARAM)&cr); }
    void HideSelection(BOOL bHide, BOOL bPerm) { SendMessage(EM_HIDESELECTION, bHide, bPerm); }
    int GetLineCount() const { return (int)SendMessage(EM_GETLINECOUNT); }
    int LineIndex(int nLine = -1) const { return (int)SendMessage(EM_LINEINDEX, nLine); }
    int LineLength(int nLine = -1) const { return (int)SendMessage(EM_LINELENGTH, nLine); }
    long LineFromChar(long nIndex) const { return (long)SendMessage(EM_EXLINEFROMCHAR, 0, nIndex); }
    int GetFirstVisibleLine() const { return (int)SendMessage(EM_GETFIRSTVISIBLELINE); }
    void LineScroll(int nLines, int nChars = 0) { SendMessage(EM_LINESCROLL, nChars, nLines); }
    POINT PosFromChar(UINT nChar) const;
    int CharFromPos(POINT pt) const { return (int)SendMessage(EM_CHARFROMPOS, 0, (LPARAM)&pt); }
    long FindText(DWORD dwFlags, long nMin, long nMax, LPCTSTR lpszText) const;

    // ---- Formats (face names in code page 1250 on this side) -----------------------------
    DWORD GetSelectionCharFormat(CHARFORMAT2A &cf) const;
    BOOL SetSelectionCharFormat(CHARFORMAT2A &cf);
    DWORD GetDefaultCharFormat(CHARFORMAT2A &cf) const;
    BOOL SetDefaultCharFormat(CHARFORMAT2A &cf);
    BOOL SetWordCharFormat(CHARFORMAT2A &cf);
    DWORD GetParaFormat(PARAFORMAT2 &pf) const;
    BOOL SetParaFormat(PARAFORMAT2 &pf);

    // ---- State ---------------------------------------------------------------------------
    BOOL GetModify() const { return (BOOL)SendMessage(EM_GETMODIFY); }
    void SetModify(BOOL bModified = TRUE) { SendMessage(EM_SETMODIFY, bModified); }
    BOOL SetReadOnly(BOOL bReadOnly = TRUE) { return (BOOL)SendMessage(EM_SETREADONLY, bReadOnly); }
    void LimitText(long nChars = 0) { SendMessage(EM_EXLIMITTEXT, 0, nChars); }
    long GetLimitText() const { return (long)SendMessage(EM_GETLIMITTEXT); }
    DWORD GetEventMask() const { return (DWORD)SendMessage(EM_GETEVENTMASK); }
    DWORD SetEventMask(DWORD dwEventMask) { return (DWORD)SendMessage(EM_SETEVENTMASK, 0, dwEventMask); }
    DWORD SetOptions(WORD wOp, DWORD dwFlags) { return (DWORD)SendMessage(EM_SETOPTIONS, wOp, dwFlags); }
    COLORREF SetBackgroundColor(BOOL bSysColor, COLORREF cr)
    {
        return (COLORREF)SendMessage(EM_SETBKGNDCOLOR, bSysColor, cr);
    }
    BOOL SetTargetDevice(HDC hDC, long lLineWidth)
    {
        return (BOOL)SendMessage(EM_SETTARGETDEVICE, (WPARAM)hDC, lLineWidth);
    }
    BOOL CanUndo() const { return (BOOL)SendMessage(EM_CANUNDO); }
    BOOL Undo() { return (BOOL)SendMessage(EM_UNDO); }
    void EmptyUndoBuffer() { SendMessage(EM_EMPTYUNDOBUFFER); }
    void Copy() { SendMessage(WM_COPY); }
    void Cut() { SendMessage(WM_CUT); }
    void Paste() { SendMessage(WM_PASTE); }
    void Clear() { SendMessage(WM_CLEAR); }
};
