#include "evaluation/deadline/deadline_command.h"

#include "evaluation/deadline/deadline_dlg.h"

void RunDeadlineCalculator(CWnd *parent)
{
    CObliczTerminDlg dialog(parent);
    dialog.m_nProcedureCode = -1;
    dialog.DoModal();
}
