#include "evaluation/calendar/calendar_command.h"

#include "app/app_settings.h"
#include "evaluation/calendar/calendar_dlg.h"

void RunCalendar(CWnd *parent)
{
    CTerminarzDlg dialog(parent);
    if (const AppSettings *settings = GetProgramSettings())
        dialog.m_strFolder = settings->SchedulePath;
    dialog.m_nMode = CTerminarzDlg::ModeNormal;
    dialog.DoModal();
}
