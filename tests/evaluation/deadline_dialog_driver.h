// Driving the deadline calculator's dialog as a user does: its radios shown and checked, a
// choice with the main button, and the proceeding it opens for.
#pragma once

#include <vector>

#include "evaluation/deadline/deadline_dlg.h"
#include "tests/support/dialog_driver.h"

namespace deadline_dialog {

inline const int kOptions[] = {IDC_DEADLINE_OPTION0, IDC_DEADLINE_OPTION1, IDC_DEADLINE_OPTION2, IDC_DEADLINE_OPTION3,
                               IDC_DEADLINE_OPTION4, IDC_DEADLINE_OPTION5, IDC_DEADLINE_OPTION6, IDC_DEADLINE_OPTION7};

inline CString Text(CWnd &d, int id)
{
    CString text;
    d.GetDlgItemText(id, text);
    return text;
}

// The values of the radios shown, in order.
inline std::vector<int> ShownOptions(CWnd &d)
{
    std::vector<int> shown;
    for (int i = 0; i < 8; ++i)
        if (DialogDriver::IsShown(d, kOptions[i]))
            shown.push_back(i);
    return shown;
}

inline int CheckedOption(CWnd &d)
{
    for (int i = 0; i < 8; ++i)
        if (d.IsDlgButtonChecked(kOptions[i]))
            return i;
    return -1;
}

// Picks a radio and presses the main button.
inline void Choose(CWnd &d, int option)
{
    d.CheckRadioButton(IDC_DEADLINE_OPTION0, IDC_DEADLINE_OPTION7, kOptions[option]);
    DialogDriver::Press(d, IDOK);
}

// Opened for a proceeding, with its send date.
inline void ForProceeding(CObliczTerminDlg &dialog, int code, int year, int month, int day)
{
    dialog.m_nProcedureCode = code;
    dialog.m_nYear = year;
    dialog.m_nMonth = month;
    dialog.m_nDay = day;
}

} // namespace deadline_dialog
