#include "evaluation/calendar/calendar_command.h"

#include "app/morvelank_app.h"
#include "evaluation/calendar/calendar_dlg.h"

void RunCalendar(CWnd *parent)
{
    CTerminarzDlg dialog(parent);
    if (CMorvelankApp *app = GetMorvelankApp())
        dialog.m_strFolder = app->SchedulePath;
    dialog.m_nMode = CTerminarzDlg::ModeNormal;
    dialog.DoModal();
}
