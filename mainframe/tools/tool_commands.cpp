#include "mainframe/tools/tool_commands.h"

#include "app/morvelank_app.h"
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
    CMorvelankApp &app = *GetMorvelankApp();
    CZnajdzPlikiDlg dialog(parent);
    dialog.m_mode = archive ? kFinderArchive : kFinderCurrent;
    dialog.m_folder = archive ? app.ArchivePath : app.WorkingPath;
    if (dialog.DoModal() != IDOK)
        return;
    CString folder;
    CString name;
    SplitFoundEntry(dialog.m_selected, folder, name);
    MainWindowServices *main = app.GetMainWindowServices();
    if (!main)
        return;
    main->OpenProject(archive ? 1 : 0, 0, folder, name);
    main->SetStatusText(0, "");
}
