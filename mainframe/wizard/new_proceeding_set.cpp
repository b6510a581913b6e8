#include "mainframe/wizard/new_proceeding_set.h"

#include <windows.h>

#include <memory>

#include "document/files/proceeding_open.h"
#include "model/law_versions.h"
#include "model/project.h"
#include "model/view_tables.h"

std::vector<DataFileMessage> CheckNewProceedingSet(const CString &mainPath, const CString &userTemplatesPath,
                                                   int procedureCode)
{
    // The whole load, as creating the proceeding will do it: a damaged data file is found only
    // by reading it to its end.
    const InstalledSets installation(mainPath, userTemplatesPath);
    ProceedingOpen open(mainPath, installation);
    CProject project;
    project.m_nProcedureCode = procedureCode;
    auto tables = std::make_unique<ViewTables>();
    DataFileHeader header;
    if (open.Load(kLoadNewProceeding, LawVersions::GetDataFilePath(mainPath, procedureCode), project, DefaultValues(),
                  *tables, header, nullptr))
        return {};
    std::vector<DataFileMessage> messages = open.GetMessages();
    if (messages.empty())
        messages.push_back({"Nie można utworzyć postępowania tego rodzaju.", "Błąd", MB_ICONERROR});
    return messages;
}
