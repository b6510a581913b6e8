#include "proceeding/editors/cpv_command.h"

#include "proceeding/editors/cpv_dlg.h"

void RunCpvDictionary(CWnd *parent)
{
    CCPVDlg dialog(parent);
    dialog.DoModal();
}
