#include "document/files/document_files.h"

#include <windows.h>

#include <initializer_list>

#include "model/file_utils.h"
#include "model/law_versions.h"
#include "app/procedure_catalogue.h"
#include "model/project.h"
#include "model/view_tables.h"
#include "framework/core/codepage.h"
#include "framework/ui/msgbox.h"

namespace {

// The text after the last "." of the name, "" without one.
CString ExtensionOf(const CString &fileName)
{
    const int dot = fileName.ReverseFind('.');
    return dot < 0 ? CString() : fileName.Mid(dot + 1);
}

// Office files of the document set; the extension is compared exactly, so "A.DOC" is none.
bool IsOfficeFile(const CString &fileName)
{
    const CString extension = ExtensionOf(fileName);
    for (const char *office : {"doc", "dot", "pdf", "xls", "xlt"})
        if (extension == office)
            return true;
    return false;
}

bool CopyOverwriting(const CString &source, const CString &target)
{
    if (!CopyFileW(Cp1250ToWide(source).c_str(), Cp1250ToWide(target).c_str(), FALSE))
        return false;
    SetFileAttributesW(Cp1250ToWide(target).c_str(), FILE_ATTRIBUTE_NORMAL);
    return true;
}

} // namespace

int FileKindByExtension(const CString &extension)
{
    struct Kind {
        const char *extension;
        int kind;
    };
    static const Kind kinds[] = {
        {"xls", 9},  {"xlt", 9},   {"doc", 10}, {"rtf", 10}, {"jpg", 11}, {"gif", 12},
        {"bmp", 13}, {"txt", 14},  {"exe", 15}, {"zip", 16}, {"arj", 16}, {"rar", 16},
        {"htm", 17}, {"html", 17}, {"xml", 17}, {"ppt", 18}, {"pdf", 20},
    };
    CString lower = extension;
    lower.MakeLower();
    for (const Kind &k : kinds)
        if (lower == k.extension)
            return k.kind;
    return 19;
}

CString GetCodeSubfolder(int procedureCode)
{
    CString subfolder;
    subfolder.Format("%d\\", procedureCode % 100 + 1);
    return subfolder;
}

CString DocumentFiles::GetDocumentFilePath(int document, bool noLinks, bool copyMissing) const
{
    if (document < 0 || document >= kDocumentSlots)
        return CString();
    const DocumentSlot &slot = m_tables.m_documents[document];
    if (slot.fileName.IsEmpty() || slot.state == kStateNotGenerated)
        return CString();
    if (slot.state == kStateLink)
        return noLinks ? CString() : slot.fileName;

    if (IsOfficeFile(slot.fileName)) {
        const CString source = m_state.m_strMainPath + "\\zp\\" + slot.fileName;
        // A set not yet saved has no folder: its office files stay where the installation has them.
        if (m_project.GetFolder().IsEmpty())
            return source;
        const CString target = m_project.GetFolder() + "\\" + slot.fileName;
        if (FileExists(target))
            return target;
        if (copyMissing && FileExists(source) && CopyOverwriting(source, target))
            return target;
        return source;
    }

    if (slot.state == kStateEditable) {
        const CString spec = m_project.GetSpecPath();
        if (!spec.IsEmpty() && FileExists(spec)) {
            m_state.m_bClearOnFirstClick = 0;
            return spec;
        }
    }
    const CString subfolder = slot.fileName.Find('\\') >= 0 ? CString() : GetCodeSubfolder(m_project.m_nProcedureCode);
    const CString base =
        LawVersions::GetTemplateFolder(m_state.m_strMainPath, m_state.m_strUserTemplatesPath, m_state.m_nFileVersion);
    if (base.IsEmpty() || !DirectoryExists(base))
        return CString();
    // A template the user edited (the template editor saves it to the user's folder) comes
    // before the installed one, the order type's copy before the common one.
    const CString own = LawVersions::GetUserTemplateFolder(m_state.m_strUserTemplatesPath, base);
    const CString orderType = ProcedureCatalogue::GetOrderTypeFolder(m_project.m_nProcedureCode, m_project.m_nOrderType);
    for (const CString &name : {subfolder + orderType + slot.fileName, subfolder + slot.fileName}) {
        if (!own.IsEmpty() && FileExists(own + "\\" + name))
            return own + "\\" + name;
        if (FileExists(base + "\\" + name))
            return base + "\\" + name;
    }
    return base + "\\" + subfolder + slot.fileName;
}

void DocumentFiles::CopyMissingOfficeFiles() const
{
    for (int document = 0; document < m_tables.m_nDocumentCount && document < kDocumentSlots; ++document)
        GetDocumentFilePath(document, true, true);
}

bool DocumentFiles::IsTemplateDocument(int document) const
{
    if (document < 0 || document >= kDocumentSlots)
        return false;
    const DocumentSlot &slot = m_tables.m_documents[document];
    return (slot.state == kStateGenerated || slot.state == kStateEditable) && ExtensionOf(slot.fileName) == "rtf";
}

CString DocumentFiles::ReadDocumentTemplate(int document) const
{
    if (!IsTemplateDocument(document))
        return CString();
    if (m_tables.m_documents[document].state == kStateEditable) {
        if (!m_state.m_strEditableText.IsEmpty())
            return m_state.m_strEditableText;
        m_state.m_bClearOnFirstClick = 1;
    }
    const CString path = GetDocumentFilePath(document, false, false);
    if (path.IsEmpty() || !FileExists(path))
        return CString();
    int failed = 0;
    const CString text = ReadFileContents(path, failed);
    if (failed)
        AfxShowMessageBox(nullptr, "Błąd otwarcia pliku: " + path, "Informacja", MB_OK | MB_ICONEXCLAMATION);
    return text;
}
