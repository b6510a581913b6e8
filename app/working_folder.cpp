#include "app/working_folder.h"

#include "app/morvelank_app.h"

int EnsureWorkingFolder()
{
    CMorvelankApp *app = GetMorvelankApp();
    return app ? app->EnsureCurrentFolder() : 0;
}

int AskForWorkingFolder()
{
    CMorvelankApp *app = GetMorvelankApp();
    return app ? app->ChooseCurrentFolder() : 0;
}
