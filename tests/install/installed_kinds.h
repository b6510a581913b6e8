// The kinds of the installed laws as their configuration files give them, and a new proceeding
// or document set of each made as the program makes it.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/morvelank_app.h"
#include "document/files/document_sets.h"
#include "document/files/new_proceeding_code.h"
#include "document/files/proceeding_open.h"
#include "document/view/morvelank_view.h"
#include "installation_folder.h"
#include "model/file_utils.h"
#include "model/law_versions.h"
#include "model/view_tables.h"

const int kWizardModes = 24;
// Modes for which the wizard offers no division into parts: wolna ręka, licytacja, partnerstwo,
// dialog, konkurs and usługi społeczne of the 2004 act; 15 and 17 of the 2019 act.
const int kUndividedModes[] = {4, 6, 8, 9, 10, 11, 15, 17};
const int kSetKinds[] = {kKindContracts, kKindRemedies, kKindContractorForms};

// A kind as one of the configuration files of an installed law gives it, with the way to create it.
struct Kind {
    CString configFile;
    bool act2019 = true;
    int code = -1;
    int mode = -1; // wizard mode index; -1 for a document set
    int variant = 0;
    const DocumentSetKind *set = nullptr;
    bool divisible = false;
};

inline bool IsUndividedMode(int mode)
{
    for (int undivided : kUndividedModes)
        if (mode == undivided)
            return true;
    return false;
}

// The folder of an installed law's configuration files under a program folder.
inline CString ConfigFolder(const CString &mainPath, const InstalledLaw &law)
{
    return GetParentFolder(LawVersions::GetConfigFilePath(mainPath, law.version, NewProceedingCode(law.act2019, 0, 0)));
}

// The configuration files of an installed law's kinds, in the order the folder lists them.
inline std::vector<CString> KindConfigFiles(const CString &mainPath, const InstalledLaw &law)
{
    return FindFiles(ConfigFolder(mainPath, law) + "\\postepowanie*.cnf");
}

// The wizard choice or document set whose procedure code leads to the configuration file.
inline bool FindKind(const CString &mainPath, const InstalledLaw &law, const CString &configFile, Kind &kind)
{
    kind.configFile = configFile;
    kind.act2019 = law.act2019;
    const int remainder = KindFileNumber(configFile) - 1;
    for (int mode = 0; mode < kWizardModes && kind.code < 0; ++mode)
        for (int variant = 0; variant < 2 && kind.code < 0; ++variant) {
            const int code = NewProceedingCode(law.act2019, mode, variant);
            if (code >= 0 && code % 100 == remainder) {
                kind.code = code;
                kind.mode = mode;
                kind.variant = variant;
                kind.divisible = !IsUndividedMode(mode);
            }
        }
    for (int setKind : kSetKinds) {
        const DocumentSetKind *set = FindDocumentSet(setKind);
        if (kind.code < 0 && law.act2019 && set->procedureCode % 100 == remainder) {
            kind.code = set->procedureCode;
            kind.set = set;
        }
    }
    return kind.code >= 0
           && LawVersions::GetConfigFilePath(mainPath, law.version, kind.code).CompareNoCase(configFile) == 0;
}

// A new proceeding of the kind as the wizard creates it with these defaults (parts -1:
// undivided), or a new document set as it is loaded from its starting data; 1 when it was.
// What loading said goes to messages.
inline int CreateKind(CMorvelankView &view, const Kind &kind, int parts, const CMorvelankApp &app,
                      const DefaultValues &defaults, CString &messages)
{
    if (!kind.set) {
        CString name;
        name.Format("Postępowanie %d w %d częściach", kind.code, parts);
        return view.CreateProceeding(kind.act2019, name, parts, kind.mode, kind.variant, defaults);
    }
    view.m_proceeding.m_files.m_strMainPath = app.MainPath;
    view.m_proceeding.m_files.m_strUserTemplatesPath = app.UserTemplatesPath;
    view.SetProceedingKind(kind.set->kind);
    view.m_proceeding.m_nProcedureCode = kind.code;
    PrepareDocumentSet(*kind.set, "", view.m_proceeding.m_project);
    const InstalledSets installation(app.MainPath, app.UserTemplatesPath);
    ProceedingOpen open(app.MainPath, installation);
    const int loaded = open.Load(kLoadNewProceeding, LawVersions::GetDataFilePath(app.MainPath, kind.code),
                                 view.m_proceeding.m_project, defaults, *view.m_proceeding.m_tables,
                                 view.m_proceeding.m_header, view.m_proceeding.m_pComments.get());
    for (const DataFileMessage &message : open.GetMessages())
        messages += CString(message.text) + "; ";
    view.m_proceeding.m_files.m_nFileVersion = view.m_proceeding.m_header.version;
    return loaded;
}

// A kind of an installed law: the law's place in kInstalledLaws and the title of its
// configuration file ("postepowanie65").
struct KindParam {
    int law = 0;
    std::string title;
};

// The kinds of an installed law in the installation, found when the tests are registered.
inline std::vector<KindParam> KindTitles(int lawIndex)
{
    std::vector<KindParam> titles;
    const CString installation = InstallationFolder();
    if (!installation.IsEmpty())
        for (const CString &configFile : KindConfigFiles(installation, kInstalledLaws[lawIndex]))
            titles.push_back({lawIndex, (LPCSTR)GetFileTitleNoExt(configFile)});
    return titles;
}

// The two acts' folders may hold files of the same titles: each act is registered apart.
inline std::string KindTestName(const ::testing::TestParamInfo<KindParam> &info)
{
    return info.param.title;
}
