// Saving under a name: the set file or the proceeding's name asked when a save needs one, the
// copy that "Zapisz jako" makes, the password chosen on saving and changed by command, and the
// documents' secured flags.
#include <windows.h>

#include "model/file_utils.h"
#include "model/view_tables.h"
#include "app/app_settings.h"
#include "app/program_databases.h"
#include "app/working_folder.h"
#include "document/files/database_row_values.h"
#include "document/files/document_sets.h"
#include "document/view/morvelank_view.h"
#include "document/view/proceeding_prompts.h"
#include "document/files/proceeding_save.h"
#include "framework/core/codepage.h"
#include "framework/ui/commondlg.h"
#include "framework/ui/msgbox.h"
#include "framework/ui/winapp.h"

namespace {

// Where the record and data file of the open proceeding or set are written.
struct RecordNaming {
    CString name;
    CString folder;
    CString fileName;
    CString extension;
    int32_t databaseId;

    explicit RecordNaming(const CProject &project)
        : name(project.m_strName), folder(project.m_strFolder), fileName(project.m_strFileName),
          extension(project.m_strExtension), databaseId(project.m_nDatabaseId)
    {
    }

    void RestoreInto(CProject &project) const
    {
        project.m_strName = name;
        project.m_strFolder = folder;
        project.SetFileName(fileName, extension);
        project.m_nDatabaseId = databaseId;
    }
};

// The set file chosen in the save dialog; false on Cancel.
bool ChooseSetFile(const DocumentSetKind &set, const CString &workingPath, CProject &project)
{
    const CString initial = workingPath + "\\*." + set.extension;
    CFileDialog dialog(FALSE, set.extension, initial, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, set.filter, nullptr);
    if (dialog.DoModal() != IDOK)
        return false;
    const CString path = dialog.GetPathName();
    project.SetFileName(GetFileTitleNoExt(path), GetFileExtension(path));
    project.SetFolder(GetParentFolder(path));
    return true;
}

// Files of the old proceeding folder that the save did not write into the new one (the
// editable document's "spec.dat" while another document is shown, the user's own files): a
// copy made by "Zapisz jako" must hold all of them. The old record and data file stay behind.
// Returns the files that could not be copied.
std::vector<CString> CopyRemainingFiles(const RecordNaming &old, const CString &newFolder)
{
    std::vector<CString> failed;
    if (old.folder.IsEmpty() || old.folder.CompareNoCase(newFolder) == 0)
        return failed;
    const std::wstring pattern = Cp1250ToWide(old.folder + "\\*");
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return failed;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        const CString name = WideToCp1250(found.cFileName);
        if (name.CompareNoCase(old.fileName + ".baz") == 0
            || name.CompareNoCase(old.fileName + "." + old.extension) == 0)
            continue;
        const CString target = newFolder + "\\" + name;
        if (FileExists(target))
            continue;
        if (!CopyFileW(Cp1250ToWide(old.folder + "\\" + name).c_str(), Cp1250ToWide(target).c_str(), TRUE))
            failed.push_back(target);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return failed;
}

} // namespace

int CMorvelankView::SaveProceeding(const SaveOptions &options)
{
    CWaitCursor wait;
    if (options.onlyIfModified && !m_proceeding.m_bModified)
        return 0;
    // An autosave while a document is printed or exported would take the cleaned text for the
    // user's own: it waits for the next turn.
    if (m_bOutputInProgress)
        return 0;
    if (m_proceeding.m_nProcedureCode < 0)
        return 0;
    if (EnsureWorkingFolder() == 0)
        return 0;
    const AppSettings &settings = *GetProgramSettings();

    const RecordNaming old(m_proceeding.m_project);
    const CString oldPassword = m_proceeding.m_project.m_strPassword;
    const DocumentSetKind *set = FindDocumentSet(m_proceeding.m_nProceedingKind);
    bool renamed = false;
    if (set) {
        if (!m_proceeding.m_project.HasFileName() || options.saveAs) {
            if (!ChooseSetFile(*set, settings.WorkingPath, m_proceeding.m_project))
                return 0;
            renamed = true;
        }
    } else {
        ProceedingPrompts *prompts = GetProceedingPrompts();
        if (options.askPassword)
            m_proceeding.m_project.m_strPassword = prompts ? prompts->ChooseProtection(GetParentFrame()) : CString();
        if (m_proceeding.m_project.m_strName.IsEmpty() || options.saveAs) {
            CString name = m_proceeding.m_project.m_strName;
            if (!prompts || !prompts->AskProceedingName(GetParentFrame(), name))
                return 0;
            m_proceeding.m_project.m_strName = name;
            m_proceeding.m_project.SetFileName(name, "dat");
            m_proceeding.m_project.SetFolder(settings.WorkingPath + "\\" + name);
            // A copy is a proceeding of its own: its database row must not overwrite the original's.
            if (!old.fileName.IsEmpty())
                m_proceeding.m_project.NextId();
            renamed = true;
        }
        if (m_proceeding.m_project.m_strName.IsEmpty())
            return 0;
    }

    // The editable document's text comes from the control only while the control holds it
    // whole; after a generation that stopped part way, or with another document shown, it is
    // the text kept when the document was last left. Untouched text is not written.
    if (m_engine && m_engine->HoldsCurrentDocument())
        CaptureEditableText();
    ProceedingSaveRequest request;
    request.kind = m_proceeding.m_nProceedingKind;
    request.loaded = m_proceeding.m_bLoaded;
    request.header = m_proceeding.m_header;
    if (!m_proceeding.m_files.m_bClearOnFirstClick && !m_proceeding.m_files.m_strEditableText.IsEmpty())
        request.editableRtf = &m_proceeding.m_files.m_strEditableText;
    DatabaseRowValues rowValues(*m_proceeding.m_tables, GetCurrentDocument());
    ProceedingSave save(*m_proceeding.m_tables, m_proceeding.m_project,
                        [&rowValues](CProject &project) { ExportProceedingToDatabase(project, &rowValues); });
    const bool writes = request.kind != kKindExample;
    if (writes)
        SetMainStatusText("Zapisuje plik");
    if (!save.Save(request)) {
        if (writes)
            SetMainStatusText("");
        ShowMessages(save.GetMessages());
        // The open proceeding stays what it was, so that "Zapisz" writes to the files it came from.
        if (renamed) {
            if (!set)
                // made by the name dialog; only when empty
                RemoveDirectoryW(Cp1250ToWide(m_proceeding.m_project.GetFolder()).c_str());
            old.RestoreInto(m_proceeding.m_project);
            m_proceeding.m_project.m_strPassword = oldPassword;
        }
        UpdateFrameTitle();
        return 0;
    }
    SetMainStatusText("Zapisał plik");
    m_proceeding.m_bModified = 0;
    if (!set) {
        if (renamed) {
            for (const CString &file : CopyRemainingFiles(old, m_proceeding.m_project.GetFolder()))
                AfxShowMessageBox(GetSafeHwnd(), "Błąd kopiowania pliku: " + file, "Błąd", MB_ICONERROR);
        }
        AfxGetApp()->AddToRecentFileList(m_proceeding.m_project.GetProjectFilePath());
    }
    UpdateFrameTitle();
    return 1;
}

void CMorvelankView::SaveProceedingAs()
{
    if (m_proceeding.m_nProceedingKind != kKindProceeding && !FindDocumentSet(m_proceeding.m_nProceedingKind))
        return;
    SaveOptions options;
    options.askPassword = true;
    options.saveAs = true;
    SaveProceeding(options);
}

void CMorvelankView::ChangePassword()
{
    if (m_proceeding.m_nProceedingKind != kKindProceeding)
        return;
    ProceedingPrompts *prompts = GetProceedingPrompts();
    CString newPassword;
    if (!prompts || !prompts->AskNewPassword(GetParentFrame(), m_proceeding.m_project.m_strPassword, newPassword))
        return;
    m_proceeding.m_project.m_strPassword = newPassword;
    m_proceeding.m_bModified = 1;
    AfxShowMessageBox(GetSafeHwnd(), "Aby hasło zostało zmienione należy zachować dokument.", "Informacja",
                      MB_ICONINFORMATION);
}

void CMorvelankView::EditDocumentProperties()
{
    ProceedingPrompts *prompts = GetProceedingPrompts();
    int secured[kDocumentSlots] = {};
    bool archive = false;
    if (!prompts || !prompts->EditDocumentProperties(GetParentFrame(), m_proceeding.m_tables->m_documents, secured, archive))
        return;
    for (int slot = 0; slot < m_proceeding.m_tables->m_nDocumentCount && slot < kDocumentSlots; ++slot)
        m_proceeding.m_tables->m_documents[slot].secured = secured[slot] != 0 ? 1 : 0;
    RefreshSecuredIcons();
    m_proceeding.m_bModified = 1;
    if (archive)
        MoveToArchive();
}

void CMorvelankView::RefreshSecuredIcons()
{
    if (!m_pTree)
        return;
    CTreeCtrl &tree = m_pTree->GetTreeCtrl();
    // Depth first over every item; a document's items carry its index times 1000.
    std::vector<HTREEITEM> pending;
    if (HTREEITEM root = tree.GetRootItem())
        pending.push_back(root);
    while (!pending.empty()) {
        HTREEITEM item = pending.back();
        pending.pop_back();
        for (HTREEITEM child = tree.GetChildItem(item); child; child = tree.GetNextSiblingItem(child))
            pending.push_back(child);
        const DWORD_PTR data = tree.GetItemData(item);
        if (data % 1000 != 0 || data / 1000 >= static_cast<DWORD_PTR>(m_proceeding.m_tables->m_nDocumentCount))
            continue;
        const int t = static_cast<int>(data / 1000);
        const DocumentSlot &slot = m_proceeding.m_tables->m_documents[t];
        if (slot.state != kStateGenerated || GetFileExtension(slot.fileName) != "rtf")
            continue;
        // A per-part document's own item shows the parts' picture; its part items show the lock.
        HTREEITEM parent = tree.GetParentItem(item);
        if (IsPartDocument(t) && !(parent && tree.GetItemData(parent) == data))
            continue;
        const int image = slot.secured ? 5 : 1;
        tree.SetItemImage(item, image, image);
    }
}
