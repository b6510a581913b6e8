// The kinds of the newest law as its configuration files give them, and a new proceeding or
// document set of each made as the program makes it.
#pragma once

#include <vector>

#include "app/morvelank_app.h"
#include "model/view_tables.h"
#include "document/files/document_sets.h"
#include "document/view/morvelank_view.h"
#include "document/files/new_proceeding_code.h"
#include "document/files/proceeding_open.h"
#include "installation_folder.h"
#include "model/file_utils.h"
#include "model/law_versions.h"

const int kWizardModes = 24;

// A kind of the newest law as one of its configuration files gives it, with the way to create it.
struct NewestKind {
    CString configFile;
    int code = -1;
    int mode = -1; // wizard mode index; -1 for a document set
    int variant = 0;
    const DocumentSetKind *set = nullptr;
    bool divisible = false;
};

// The wizard choice or document set whose procedure code leads to the configuration file.
inline bool FindNewestKind(const CString &mainPath, const CString &configFile, NewestKind &kind)
{
    // Modes of the 2019 act for which the wizard offers no division into parts.
    const int undividedModes[] = {15, 17};
    const int setKinds[] = {kKindContracts, kKindRemedies, kKindContractorForms};
    kind.configFile = configFile;
    const int remainder = KindFileNumber(configFile) - 1;
    for (int mode = 0; mode < kWizardModes && kind.code < 0; ++mode)
        for (int variant = 0; variant < 2 && kind.code < 0; ++variant) {
            const int code = NewProceedingCode(true, mode, variant);
            if (code >= 0 && code % 100 == remainder) {
                kind.code = code;
                kind.mode = mode;
                kind.variant = variant;
                kind.divisible = mode != undividedModes[0] && mode != undividedModes[1];
            }
        }
    for (int setKind : setKinds) {
        const DocumentSetKind *set = FindDocumentSet(setKind);
        if (kind.code < 0 && set->procedureCode % 100 == remainder) {
            kind.code = set->procedureCode;
            kind.set = set;
        }
    }
    return kind.code >= 0
           && LawVersions::GetConfigFilePath(mainPath, LawVersions::kNewest, kind.code).CompareNoCase(configFile) == 0;
}

// The configuration files of the newest law's kinds in the installation under mainPath.
inline std::vector<CString> NewestConfigFiles(const CString &mainPath)
{
    const CString configFolder =
        GetParentFolder(LawVersions::GetConfigFilePath(mainPath, LawVersions::kNewest, NewProceedingCode(true, 0, 0)));
    return FindFiles(configFolder + "\\postepowanie*.cnf");
}

// A new proceeding of the kind as the wizard creates it with these defaults, or a new document
// set as it is loaded from its starting data; 1 when it was. What loading said goes to messages.
inline int CreateNewestKind(CMorvelankView &view, const NewestKind &kind, int parts, const CMorvelankApp &app,
                            const DefaultValues &defaults, CString &messages)
{
    if (!kind.set) {
        CString name;
        name.Format("Postępowanie %d w %d częściach", kind.code, parts);
        return view.CreateProceeding(1, name, parts, kind.mode, kind.variant, defaults);
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
