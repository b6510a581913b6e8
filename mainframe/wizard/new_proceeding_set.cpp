#include "mainframe/wizard/new_proceeding_set.h"

#include <windows.h>

#include "document/files/proceeding_open.h"
#include "model/default_values.h"
#include "model/law_versions.h"
#include "model/proceeding.h"

std::vector<DataFileMessage> CheckNewProceedingSet(const CString &mainPath, const CString &userTemplatesPath,
                                                   int procedureCode)
{
    // The whole load, as creating the proceeding will do it: a damaged data file is found only
    // by reading it to its end.
    const InstalledSets installation(mainPath, userTemplatesPath);
    ProceedingOpen open(mainPath, installation);
    Proceeding proceeding;
    proceeding.m_project.m_nProcedureCode = procedureCode;
    if (open.Load(kLoadNewProceeding, LawVersions::GetDataFilePath(mainPath, procedureCode), proceeding.m_project,
                  DefaultValues(), *proceeding.m_tables, proceeding.m_header, nullptr))
        return {};
    std::vector<DataFileMessage> messages = open.GetMessages();
    if (messages.empty())
        messages.push_back({"Nie można utworzyć postępowania tego rodzaju.", "Błąd", MB_ICONERROR});
    return messages;
}
