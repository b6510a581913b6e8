#include "app/program_databases.h"

#include "app/morvelank_app.h"

ConnectionPtr GetMainDatabase()
{
    CMorvelankApp *app = GetMorvelankApp();
    return app ? app->GetMainConnection() : ConnectionPtr();
}

ConnectionPtr GetRegistersDatabase()
{
    CMorvelankApp *app = GetMorvelankApp();
    return app ? app->GetRegistersConnection() : ConnectionPtr();
}

int EnsureMainDatabaseOpen()
{
    CMorvelankApp *app = GetMorvelankApp();
    if (app == nullptr || app->GetMainConnection())
        return 1;
    return app->OpenMainDB();
}

void ExportProceedingToDatabase(CProject &project, ProceedingVariables *variables)
{
    if (CMorvelankApp *app = GetMorvelankApp())
        app->ExportToMDB(&project, variables);
}
