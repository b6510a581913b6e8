#pragma once
// Dialog data exchange: DoDataExchange is a short list of DDX_ calls (each binds one control to
// one member) and DDV_ checks (each right after the DDX_ of the value it checks). UpdateData(FALSE)
// runs it to fill the controls (OnInitDialog does), UpdateData(TRUE) to read them back (OnOK does).
// A value that does not parse or fails a check shows a message, puts the focus back on the
// control and stops the exchange: UpdateData returns FALSE and the dialog stays open.

#include "framework/core/cstring.h"
#include "framework/core/ctime.h"
#include "framework/core/oledatetime.h"

#include <windows.h>

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd *pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate; // TRUE: controls -> members
    CWnd *m_pDlgWnd;
    HWND m_hWndLastControl = nullptr;
    BOOL m_bEditLastControl = FALSE;

    // The control with this id; a missing control is a programming error and throws.
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // Puts the focus back on the last control and ends the exchange (throws CUserException).
    [[noreturn]] void Fail();
};

void DDX_Text(CDataExchange *pDX, int nIDC, CString &value);
void DDX_Text(CDataExchange *pDX, int nIDC, int &value);
void DDX_Text(CDataExchange *pDX, int nIDC, UINT &value);
void DDX_Text(CDataExchange *pDX, int nIDC, long &value);
void DDX_Text(CDataExchange *pDX, int nIDC, double &value);
// value: 0 unchecked, 1 checked, 2 indeterminate.
void DDX_Check(CDataExchange *pDX, int nIDC, int &value);
// nIDC is the first radio button of a group; value is the index of the checked one, -1 none.
void DDX_Radio(CDataExchange *pDX, int nIDC, int &value);
// Binds the control to a window object (subclassing it) the first time.
void DDX_Control(CDataExchange *pDX, int nIDC, CWnd &rControl);
void DDX_CBIndex(CDataExchange *pDX, int nIDC, int &index);
// Loading selects the first item that begins with the value (or puts the value in the edit).
void DDX_CBString(CDataExchange *pDX, int nIDC, CString &value);
void DDX_CBStringExact(CDataExchange *pDX, int nIDC, CString &value);
void DDX_LBString(CDataExchange *pDX, int nIDC, CString &value);
void DDX_LBIndex(CDataExchange *pDX, int nIDC, int &index);
void DDX_DateTimeCtrl(CDataExchange *pDX, int nIDC, CTime &value);
// An unchecked DTS_SHOWNONE picker reads back as a null value.
void DDX_DateTimeCtrl(CDataExchange *pDX, int nIDC, COleDateTime &value);

void DDV_MaxChars(CDataExchange *pDX, const CString &value, int nChars);
void DDV_MinMaxInt(CDataExchange *pDX, int value, int minVal, int maxVal);
void DDV_MinMaxDouble(CDataExchange *pDX, const double &value, double minVal, double maxVal);
