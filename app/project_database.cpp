// Proceeding records read from their folders and their rows in table [postepowanie].
#include "app/morvelank_app.h"

#include <exception>
#include <vector>

#include "model/archive_file.h"
#include "app/database_access.h"
#include "model/file_utils.h"
#include "app/number_format.h"
#include "model/project.h"
#include "framework/core/exceptions.h"
#include "framework/core/filefind.h"
#include "framework/ui/msgbox.h"

namespace {

// Every row is written as one of this law generation.
const int kDatabaseLawVersion = 114;
const char kCaseNumberVariable[] = "numer sprawy";
const char kDatabaseTimeFormat[] = "%Y-%m-%d %H:%M";

// The record's base name in the folder: of several record files the greatest name, so the
// choice never depends on the order in which the file system lists them.
CString RecordNameIn(const CString &folder)
{
    CString name = GetFileTitleNoExt(folder);
    bool found = false;
    CFileFind finder;
    BOOL more = finder.FindFile(folder + "\\*.baz");
    while (more) {
        more = finder.FindNextFile();
        if (finder.IsDots() || finder.IsDirectory())
            continue;
        const CString title = finder.GetFileTitle();
        if (!found || title.CompareNoCase(name) > 0)
            name = title;
        found = true;
    }
    return name;
}

} // namespace

CProject *CMorvelankApp::LoadProject(const CString &folder)
{
    const CString name = RecordNameIn(folder);
    const CString recordPath = folder + "\\" + name + ".baz";
    const CString dataPath = folder + "\\" + name + ".dat";
    if (!FileExists(recordPath) || !FileExists(dataPath))
        return nullptr;
    CProject *project = new CProject;
    if (!ReadProjectFile(*project, recordPath)) {
        delete project;
        return nullptr;
    }
    project->SetFileName(name, "dat");
    return project;
}

void CMorvelankApp::ExportToMDB(CProject *project, ProceedingVariables *view)
{
    Trace("ExportToMDB 1");
    const ConnectionPtr connection = GetMainConnection();
    const CString id = IntToStr(project->m_nDatabaseId);
    try {
        if (SelectInt(connection, "select count(*) as c from postepowanie where id=" + id) < 1) {
            Trace("ExportToMDB 2");
            ExecuteSql(connection, "insert into postepowanie(id) values (" + id + ")");
        } else {
            Trace("ExportToMDB 3");
        }

        Trace("ExportToMDB 4");
        CString sql = "update postepowanie set wersja=" + IntToStr(kDatabaseLawVersion);
        sql += ",\ntryb=" + IntToStr(project->m_nProcedureCode % 100);
        sql += ",\ntryb2=" + IntToStr(project->m_nOrderType);
        // Values typed by the user travel as parameters, so any text (apostrophes included)
        // is stored as it is.
        std::vector<Variant> values;
        if (view) {
            Trace("ExportToMDB 5");
            for (int i = 0; i < ProceedingVariables::kDatabaseFields; ++i) {
                CString name = view->GetDatabaseFieldName(i);
                name.Trim();
                Trace("ExportToMDB 6");
                if (name.IsEmpty())
                    continue;
                sql += ",\npole" + IntToStr(i) + "=? ";
                values.push_back(view->LookUpVariableValue(name));
            }
            Trace("ExportToMDB 7");
            sql += ", [sygnatura]=? ";
            values.push_back(view->LookUpVariableValue(kCaseNumberVariable));
        }
        sql += ", [data_utworzenia]=? ";
        values.push_back(project->m_timeCreated.Format(kDatabaseTimeFormat));
        sql += ", [data_ost_modyf]=? ";
        values.push_back(project->m_timeModified.Format(kDatabaseTimeFormat));
        sql += " where id = " + id;

        Trace("ExportToMDB 8");
        ExecuteSql(connection, sql, values);
        Trace("ExportToMDB 9");
    } catch (CException *e) {
        Trace("ExportToMDB exception");
        char message[256] = "";
        e->GetErrorMessage(message, sizeof message);
        e->Delete();
        AfxShowMessageBox(nullptr, CString("Błąd w trakcie zapisu starych postępowań do bazy: ") + message, "Błąd",
                          MB_ICONERROR);
    } catch (const std::exception &) {
        Trace("ExportToMDB exception2");
        AfxShowMessageBox(nullptr, "Nieznany błąd w trakcie zapisu starych postępowań do bazy", "Błąd", MB_ICONERROR);
    }
    Trace("ExportToMDB 10");
}

int CMorvelankApp::ReadProceedingHeader(const CString &folder, ProceedingHeader &header)
{
    CProject *project = LoadProject(folder);
    header.fileName.Empty();
    header.procedureCode = 0;
    header.orderType = 0;
    header.databaseId = -1;
    header.lawVersion = CProject::kLawVersionBeforeRecorded;
    if (!project)
        return 0;
    header.fileName = project->GetFileName() + ".baz";
    header.procedureCode = project->m_nProcedureCode;
    header.orderType = project->m_nOrderType;
    header.databaseId = project->m_nDatabaseId;
    header.created = project->m_timeCreated;
    header.modified = project->m_timeModified;
    header.lawVersion = project->m_nLawVersion;
    delete project;
    return 1;
}
