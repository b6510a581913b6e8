// Runs the date editor with the calculator, the calendar and the calendar's entry dialog it
// opens answered by the test; every message box is recorded.
#pragma once

#include <functional>
#include <vector>

#include "evaluation/calendar/calendar_dlg.h"
#include "evaluation/calendar/calendar_entry_dlg.h"
#include "evaluation/deadline/deadline_dlg.h"
#include "proceeding/editors/date_editor_dlg.h"
#include "res/editors_ids.h"
#include "tests/support/dialog_driver.h"

inline void PickDate(CDialog &d, WORD year, WORD month, WORD day)
{
    SYSTEMTIME time{};
    time.wYear = year;
    time.wMonth = month;
    time.wDay = day;
    d.SendDlgItemMessage(IDC_DATE_PICKER, DTM_SETRANGE, 0, 0);
    d.SendDlgItemMessage(IDC_DATE_PICKER, DTM_SETSYSTEMTIME, GDT_VALID, (LPARAM)&time);
}

struct DateEditorRun {
    std::function<void(CDialog &)> onEditor;
    std::function<void(CObliczTerminDlg &)> onCalculator;
    std::function<void(CTerminarzDlg &)> onCalendar;
    std::function<void(CWiadomoscDlg &)> onEntry;
    std::vector<CString> messages;
    int calculatorOpened = 0;
    int calendarShown = 0;

    INT_PTR Run(CDateEditorDlg &editor)
    {
        CTestHook hook;
        hook.onDialog = [&](CDialog &d) {
            if (auto *calculator = dynamic_cast<CObliczTerminDlg *>(&d)) {
                ++calculatorOpened;
                if (onCalculator)
                    onCalculator(*calculator);
            } else if (auto *calendar = dynamic_cast<CTerminarzDlg *>(&d)) {
                ++calendarShown;
                if (onCalendar)
                    onCalendar(*calendar);
            } else if (auto *entry = dynamic_cast<CWiadomoscDlg *>(&d)) {
                if (onEntry)
                    onEntry(*entry);
            } else if (&d == &editor) {
                onEditor(d);
            }
        };
        hook.onMessageBox = [&](const CString &text, const CString &, UINT) {
            messages.push_back(text);
            return IDOK;
        };
        CTestHookScope scope(hook);
        return editor.DoModal();
    }
};
