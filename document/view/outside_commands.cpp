#include "document/view/outside_commands.h"

#include <windows.h>

#include <string>

#include "model/law_versions.h"
#include "app/procedure_catalogue.h"
#include "framework/core/codepage.h"

namespace {

const int kNewestLawVersion = 114;

CString LastPathElement(const CString &path)
{
    return path.Mid(path.ReverseFind('\\') + 1);
}

} // namespace

CString TemplateEditorCommandLine(const CString &mainPath, const CString &userTemplatesPath, int lawVersion,
                                  int procedureCode)
{
    const int version = lawVersion < 0 ? kNewestLawVersion : lawVersion;
    const CString folder = LastPathElement(LawVersions::GetTemplateFolder(mainPath, userTemplatesPath, version));
    CString shortName = ProcedureCatalogue::GetProcedureShortName(version, procedureCode);
    shortName.Replace(" ", "@");
    CString line;
    line.Format("\"%s\\szablony.exe\" %d %d %s %s", (LPCSTR)mainPath, procedureCode % 100,
                lawVersion == kNewestLawVersion ? 1 : 0, (LPCSTR)folder, (LPCSTR)shortName);
    return line;
}

CString LegalHelpCommandLine(const CString &quvPath, int topic)
{
    CString line;
    line.Format("\"%s\" %d", (LPCSTR)quvPath, topic);
    return line;
}

bool StartCommandLine(const CString &commandLine)
{
    // The text crosses as UTF-16, so Polish letters in folders survive any ANSI code page.
    std::wstring line = Cp1250ToWide(commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (!::CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
        return false;
    ::CloseHandle(started.hThread);
    ::CloseHandle(started.hProcess);
    return true;
}
