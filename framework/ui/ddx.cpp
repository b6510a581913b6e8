#include "framework/ui/ddx.h"

#include "framework/core/codepage.h"
#include "framework/core/exceptions.h"
#include "framework/ui/msgbox.h"
#include "framework/ui/wnd.h"

#include <commctrl.h>

#include <cerrno>
#include <cfloat>
#include <cstdlib>

namespace {

// What the user is told when a field does not take the value.
const char *const mustBeInteger = "Wprowadź liczbę całkowitą.";
const char *const mustBeUnsigned = "Wprowadź liczbę całkowitą nieujemną.";
const char *const mustBeNumber = "Wprowadź liczbę.";
const char *const integerOutOfRange = "Wprowadź liczbę całkowitą z zakresu od %d do %d.";
const char *const numberOutOfRange = "Wprowadź liczbę z zakresu od %s do %s.";
const char *const tooManyChars = "Wprowadź nie więcej niż %d znaków.";

[[noreturn]] void Refuse(CDataExchange *pDX, const CString &message)
{
    AfxMessageBox(message, MB_ICONEXCLAMATION);
    pDX->Fail();
}

CString ControlText(HWND hWnd)
{
    CString text;
    CWnd::FromHandle(hWnd)->GetWindowText(text);
    return text;
}

bool IsBlank(const char *p)
{
    while (*p == ' ' || *p == '\t')
        ++p;
    return *p == '\0';
}

// Parses a whole field as a number of the given range, surrounding blanks allowed.
bool ParseSigned(const CString &text, long long minimum, long long maximum, long long &value)
{
    const char *start = text;
    char *end = nullptr;
    errno = 0;
    value = strtoll(start, &end, 10);
    return end != start && errno == 0 && IsBlank(end) && value >= minimum && value <= maximum;
}

bool ParseDouble(const CString &text, double &value)
{
    const char *start = text;
    char *end = nullptr;
    errno = 0;
    value = strtod(start, &end);
    return end != start && errno == 0 && IsBlank(end);
}

template <class Integer>
void ExchangeInteger(CDataExchange *pDX, int nIDC, Integer &value, long long minimum, long long maximum,
                     const char *format, const char *message)
{
    HWND control = pDX->PrepareEditCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate) {
        CString text;
        text.Format(format, value);
        CWnd::FromHandle(control)->SetWindowText(text);
        return;
    }
    CString text = ControlText(control);
    long long parsed = 0;
    if (text.Find('-') >= 0 && minimum == 0)
        Refuse(pDX, message);
    if (!ParseSigned(text, minimum, maximum, parsed))
        Refuse(pDX, message);
    value = (Integer)parsed;
}

// The radio buttons of the group that starts at first.
template <class Visit>
void ForEachRadioInGroup(HWND first, Visit visit)
{
    int index = 0;
    for (HWND button = first; button != nullptr; button = ::GetWindow(button, GW_HWNDNEXT)) {
        if (button != first && (::GetWindowLongW(button, GWL_STYLE) & WS_GROUP))
            break;
        if (::SendMessageW(button, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)
            visit(button, index++);
    }
}

CString ListText(HWND control, UINT getLength, UINT getText, int index)
{
    if (index < 0)
        return CString();
    LRESULT length = ::SendMessageW(control, getLength, index, 0);
    if (length < 0)
        return CString();
    std::wstring text(length + 1, L'\0');
    ::SendMessageW(control, getText, index, (LPARAM)&text[0]);
    return WideToCp1250(text.c_str());
}

} // namespace

CDataExchange::CDataExchange(CWnd *pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND control = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    if (control == nullptr)
        AfxThrowNotSupportedException();
    m_hWndLastControl = control;
    m_bEditLastControl = FALSE;
    return control;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND control = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return control;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_hWndLastControl != nullptr) {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl)
            ::SendMessageW(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    AfxThrowUserException();
}

void DDX_Text(CDataExchange *pDX, int nIDC, CString &value)
{
    HWND control = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = ControlText(control);
    } else {
        CWnd::FromHandle(control)->SetWindowText(value);
    }
}

void DDX_Text(CDataExchange *pDX, int nIDC, int &value)
{
    ExchangeInteger(pDX, nIDC, value, INT_MIN, INT_MAX, "%d", mustBeInteger);
}
void DDX_Text(CDataExchange *pDX, int nIDC, UINT &value)
{
    ExchangeInteger(pDX, nIDC, value, 0, UINT_MAX, "%u", mustBeUnsigned);
}
void DDX_Text(CDataExchange *pDX, int nIDC, long &value)
{
    ExchangeInteger(pDX, nIDC, value, LONG_MIN, LONG_MAX, "%ld", mustBeInteger);
}

void DDX_Text(CDataExchange *pDX, int nIDC, double &value)
{
    HWND control = pDX->PrepareEditCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate) {
        CString text;
        text.Format("%.*g", DBL_DIG, value);
        CWnd::FromHandle(control)->SetWindowText(text);
        return;
    }
    double parsed = 0;
    if (!ParseDouble(ControlText(control), parsed))
        Refuse(pDX, mustBeNumber);
    value = parsed;
}

void DDX_Check(CDataExchange *pDX, int nIDC, int &value)
{
    HWND control = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = (int)::SendMessageW(control, BM_GETCHECK, 0, 0);
    } else {
        ::SendMessageW(control, BM_SETCHECK, value >= 0 && value <= 2 ? value : 0, 0);
    }
}

void DDX_Radio(CDataExchange *pDX, int nIDC, int &value)
{
    HWND first = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    ForEachRadioInGroup(first, [&](HWND button, int index) {
        if (pDX->m_bSaveAndValidate) {
            if (value == -1 && ::SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED)
                value = index;
        } else {
            ::SendMessageW(button, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
    });
}

void DDX_Control(CDataExchange *pDX, int nIDC, CWnd &rControl)
{
    if (rControl.m_hWnd != nullptr)
        return;
    HWND control = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(control))
        AfxThrowNotSupportedException();
}

void DDX_CBIndex(CDataExchange *pDX, int nIDC, int &index)
{
    HWND control = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        index = (int)::SendMessageW(control, CB_GETCURSEL, 0, 0);
    } else {
        ::SendMessageW(control, CB_SETCURSEL, index, 0);
    }
}

void DDX_CBString(CDataExchange *pDX, int nIDC, CString &value)
{
    HWND control = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        // A drop-down list has no edit: its text is the selected item's.
        if ((::GetWindowLongW(control, GWL_STYLE) & 3) == CBS_DROPDOWNLIST) {
            int selected = (int)::SendMessageW(control, CB_GETCURSEL, 0, 0);
            value = ListText(control, CB_GETLBTEXTLEN, CB_GETLBTEXT, selected);
        } else {
            value = ControlText(control);
        }
        return;
    }
    std::wstring wide = Cp1250ToWide(value);
    if (::SendMessageW(control, CB_SELECTSTRING, (WPARAM)-1, (LPARAM)wide.c_str()) == CB_ERR)
        ::SetWindowTextW(control, wide.c_str());
}

void DDX_CBStringExact(CDataExchange *pDX, int nIDC, CString &value)
{
    if (pDX->m_bSaveAndValidate) {
        DDX_CBString(pDX, nIDC, value);
        return;
    }
    HWND control = pDX->PrepareCtrl(nIDC);
    std::wstring wide = Cp1250ToWide(value);
    LRESULT found = ::SendMessageW(control, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)wide.c_str());
    if (found != CB_ERR) {
        ::SendMessageW(control, CB_SETCURSEL, found, 0);
    } else {
        ::SetWindowTextW(control, wide.c_str());
    }
}

void DDX_LBString(CDataExchange *pDX, int nIDC, CString &value)
{
    HWND control = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        int selected = (int)::SendMessageW(control, LB_GETCURSEL, 0, 0);
        value = ListText(control, LB_GETTEXTLEN, LB_GETTEXT, selected);
        return;
    }
    std::wstring wide = Cp1250ToWide(value);
    if (::SendMessageW(control, LB_SELECTSTRING, (WPARAM)-1, (LPARAM)wide.c_str()) == LB_ERR)
        ::SendMessageW(control, LB_SETCURSEL, (WPARAM)-1, 0);
}

void DDX_LBIndex(CDataExchange *pDX, int nIDC, int &index)
{
    HWND control = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        index = (int)::SendMessageW(control, LB_GETCURSEL, 0, 0);
    } else {
        ::SendMessageW(control, LB_SETCURSEL, index, 0);
    }
}

void DDX_DateTimeCtrl(CDataExchange *pDX, int nIDC, CTime &value)
{
    HWND control = pDX->PrepareCtrl(nIDC);
    SYSTEMTIME time{};
    if (pDX->m_bSaveAndValidate) {
        if (::SendMessageW(control, DTM_GETSYSTEMTIME, 0, (LPARAM)&time) == GDT_VALID)
            value = CTime(time);
    } else if (value.GetAsSystemTime(time)) {
        ::SendMessageW(control, DTM_SETSYSTEMTIME, GDT_VALID, (LPARAM)&time);
    }
}

void DDX_DateTimeCtrl(CDataExchange *pDX, int nIDC, COleDateTime &value)
{
    HWND control = pDX->PrepareCtrl(nIDC);
    SYSTEMTIME time{};
    if (pDX->m_bSaveAndValidate) {
        if (::SendMessageW(control, DTM_GETSYSTEMTIME, 0, (LPARAM)&time) == GDT_VALID) {
            value = COleDateTime(time);
        } else {
            value.SetStatus(COleDateTime::null);
        }
    } else if (value.GetStatus() == COleDateTime::valid && value.GetAsSystemTime(time)) {
        ::SendMessageW(control, DTM_SETSYSTEMTIME, GDT_VALID, (LPARAM)&time);
    } else {
        ::SendMessageW(control, DTM_SETSYSTEMTIME, GDT_NONE, 0);
    }
}

void DDV_MaxChars(CDataExchange *pDX, const CString &value, int nChars)
{
    if (!pDX->m_bSaveAndValidate) {
        // Let the control itself refuse longer input.
        HWND control = pDX->m_hWndLastControl;
        WCHAR className[16] = L"";
        if (control != nullptr)
            ::GetClassNameW(control, className, 16);
        UINT limit = lstrcmpiW(className, L"ComboBox") == 0 ? CB_LIMITTEXT : EM_LIMITTEXT;
        if (control != nullptr)
            ::SendMessageW(control, limit, nChars, 0);
        return;
    }
    if (value.GetLength() > nChars) {
        CString message;
        message.Format(tooManyChars, nChars);
        Refuse(pDX, message);
    }
}

void DDV_MinMaxInt(CDataExchange *pDX, int value, int minVal, int maxVal)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    CString message;
    message.Format(integerOutOfRange, minVal, maxVal);
    Refuse(pDX, message);
}

void DDV_MinMaxDouble(CDataExchange *pDX, const double &value, double minVal, double maxVal)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    CString low;
    CString high;
    low.Format("%.*g", DBL_DIG, minVal);
    high.Format("%.*g", DBL_DIG, maxVal);
    CString message;
    message.Format(numberOutOfRange, low, high);
    Refuse(pDX, message);
}
