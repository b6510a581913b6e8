#include "mainframe/summary/summary_command.h"

#include "app/program_databases.h"
#include "mainframe/summary/zestawienie_przetargow_dlg.h"

void RunProceedingsSummary(CWnd *parent)
{
    // The main window opens the database at its start; when it was closed since, it is opened
    // again here, and a database that cannot be opened has been reported by then.
    if (!EnsureMainDatabaseOpen())
        return;
    CZestawieniePrzetargow dialog(parent);
    dialog.DoModal();
}
