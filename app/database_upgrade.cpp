#include "app/database_upgrade.h"

#include <exception>
#include <memory>

#include "model/archive_file.h"
#include "app/morvelank_app.h"
#include "model/project.h"
#include "framework/core/exceptions.h"
#include "framework/core/filefind.h"
#include "framework/db/com_error.h"
#include "framework/ui/msgbox.h"

namespace {

const char *const kAddedColumns[] = {
    "alter table [postepowanie] add [sygnatura] memo",
    "alter table [postepowanie] add [data_utworzenia] text",
    "alter table [postepowanie] add [data_ost_modyf] text",
};

// Ids are handed out from 1: a record below that was never given one (its database was
// missing or failed when the proceeding was created).
bool NeverRegistered(const CProject &project)
{
    return project.m_nDatabaseId < 1;
}

void Register(CMorvelankApp &app, CProject &project, const CString &folder)
{
    project.NextId();
    if (NeverRegistered(project))
        return;
    project.SetFolder(folder);
    if (WriteProjectFile(project, project.GetProjectFilePath()))
        app.ExportToMDB(&project, nullptr);
}

} // namespace

void UpdateMorvelankDatabase(const ConnectionPtr &connection)
{
    for (const char *statement : kAddedColumns) {
        try {
            connection->Execute(statement);
        } catch (const ComError &) {
        }
    }
}

void ImportAllMorvelank(CMorvelankApp &app)
{
    if (app.WorkingPath.IsEmpty())
        return;
    try {
        CFileFind finder;
        BOOL more = finder.FindFile(app.WorkingPath + "\\*.*");
        while (more) {
            more = finder.FindNextFile();
            if (finder.IsDots() || !finder.IsDirectory())
                continue;
            const CString folder = finder.GetFilePath();
            std::unique_ptr<CProject> project(app.LoadProject(folder));
            if (project && NeverRegistered(*project))
                Register(app, *project, folder);
        }
    } catch (CException *e) {
        char message[256] = "";
        e->GetErrorMessage(message, sizeof message);
        e->Delete();
        AfxShowMessageBox(nullptr, CString("Błąd w trakcie importu starych postępowań do bazy: ") + message, "Błąd",
                          MB_ICONERROR);
    } catch (const std::exception &) {
        AfxShowMessageBox(nullptr, "Nieznany błąd w trakcie importu starych postępowań do bazy", "Błąd", MB_ICONERROR);
    }
}
