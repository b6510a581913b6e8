#include "document/files/document_sets.h"

#include "model/file_utils.h"
#include "model/project.h"

namespace {

const DocumentSetKind kDocumentSets[] = {
    {kKindContracts, 198, "um", "Pliki umów (*.um)|*.um||", "Umowy::", "Umowy", "Wprowadza spis umów"},
    {kKindRemedies, 196, "opr", "Pliki środków ochrony prawnej (*.opr)|*.opr||",
     "Środki ochrony prawnej::", "Środki ochrony prawnej", "Wprowadza spis środków ochrony prawnej"},
    {kKindContractorForms, 195, "opw", "Pliki wzorów dokumentów dla wykonawców (*.opw)|*.opw||",
     "Wzory dokumentów dla wykonawców::", "Wzory dokumentów dla wykonawców",
     "Wprowadza Wzory dokumentów dla wykonawców"},
};

} // namespace

const DocumentSetKind *FindDocumentSet(int kind)
{
    for (const DocumentSetKind &set : kDocumentSets)
        if (set.kind == kind)
            return &set;
    return nullptr;
}

void PrepareDocumentSet(const DocumentSetKind &set, const CString &path, CProject &project)
{
    project.m_nProcedureCode = set.procedureCode;
    if (path.IsEmpty()) {
        project.SetFileName("", "dat");
        project.m_strFolder.Empty();
        return;
    }
    project.SetFileName(GetFileTitleNoExt(path), GetFileExtension(path));
    project.SetFolder(GetParentFolder(path));
}
