#include "mainframe/archive/archive_command.h"

#include "app/main_window_services.h"
#include "mainframe/archive/archiwum_dlg.h"

namespace {

const char kSampleProceeding[] = "Dostawa tonerów";

} // namespace

void RunArchiveBrowser(CWnd *parent, int archive)
{
    CArchiwumDlg dialog(parent);
    dialog.m_nMode = archive ? CArchiwumDlg::ModeArchive : CArchiwumDlg::ModeCurrent;
    if (dialog.DoModal() != IDOK)
        return;
    MainWindowServices *main = GetProgramMainWindow();
    if (!main)
        return;
    if (dialog.m_nSample) {
        main->OpenProject(0, 1, kSampleProceeding, kSampleProceeding);
        return;
    }
    // The whole folder goes on, so that the recent-file list gets a path that opens again.
    main->OpenProject(dialog.m_nMode, 0, dialog.GetChosenFolder(), dialog.m_strFileName);
}
