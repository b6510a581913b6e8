#include "mainframe/tools/tool_commands.h"

#include "app/app_settings.h"
#include "app/main_window_services.h"
#include "mainframe/tools/backup_manager_dlg.h"
#include "mainframe/tools/finder_dlg.h"
#include "mainframe/tools/finder_search.h"

void RunBackupManager(CWnd *parent)
{
    CBackupManagerDlg dialog(parent);
    dialog.DoModal();
}

void RunFinder(CWnd *parent, int archive)
{
    const AppSettings &settings = *GetProgramSettings();
    CZnajdzPlikiDlg dialog(parent);
    dialog.m_mode = archive ? kFinderArchive : kFinderCurrent;
    dialog.m_folder = archive ? settings.ArchivePath : settings.WorkingPath;
    if (dialog.DoModal() != IDOK)
        return;
    CString folder;
    CString name;
    SplitFoundEntry(dialog.m_selected, folder, name);
    MainWindowServices *main = GetProgramMainWindow();
    if (!main)
        return;
    main->OpenProject(archive ? 1 : 0, 0, folder, name);
    main->SetStatusText(0, "");
}
