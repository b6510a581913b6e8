// Filling the view: a new proceeding from the wizard's answers, or a saved one from its files;
// the proceeding tree; the closing question. Saving itself: morvelank_view_files.cpp.
#include "model/file_utils.h"
#include "model/view_tables.h"
#include "model/law_versions.h"
#include "app/app_settings.h"
#include "app/procedure_catalogue.h"
#include "document/files/document_sets.h"
#include "document/view/morvelank_view.h"
#include "document/files/new_proceeding_code.h"
#include "document/files/proceeding_open.h"
#include "document/view/proceeding_prompts.h"
#include "document/files/proceeding_save.h"
#include "framework/ui/msgbox.h"

namespace {

const DWORD_PTR kRootItemData = 1234570;
const DWORD_PTR kAttachmentsItemData = 1234568;
const DWORD_PTR kAttachedFileItemData = 1234567;

// The wizard hands the buyer's data over as they stand; a field never entered holds its own
// name, which becomes no value of a new proceeding: the value keeps its dotted place.
void DropBuyerPlaceholders(DefaultValues &defaults)
{
    for (int field = 0; field < 9; ++field) {
        CString &text = defaults.texts[field < 8 ? 2 + field : 11];
        if (IsBuyerDataPlaceholder(field, text))
            text.Empty();
    }
}

bool IsFullPath(const CString &folder)
{
    return (folder.GetLength() > 1 && folder[1] == ':') || folder.Left(2) == "\\\\";
}

// Office and PDF files that a proceeding only links; compared with their letter case.
bool IsOfficeExtension(const CString &extension)
{
    return extension == "doc" || extension == "dot" || extension == "xls" || extension == "xlt" || extension == "pdf";
}

int DocumentImage(const DocumentSlot &slot, const CString &extension, bool perPart)
{
    const bool linked = slot.state == kStateGenerated || slot.state == kStateExternal;
    if (linked && (extension == "doc" || extension == "dot"))
        return 4;
    if (linked && (extension == "xls" || extension == "xlt"))
        return 3;
    if (linked && extension == "pdf")
        return 20;
    if (perPart)
        return 8;
    switch (slot.state) {
    case kStateEditable:
        return 22;
    case 1:
        return 6;
    case kStateNotGenerated:
        return 8;
    case kStateGenerated:
        return slot.secured ? 5 : 1;
    case kStateLink:
        return 17;
    default:
        return 1;
    }
}

} // namespace

void CMorvelankView::ShowMessages(const std::vector<DataFileMessage> &messages)
{
    for (const DataFileMessage &message : messages)
        AfxShowMessageBox(GetSafeHwnd(), message.text, message.caption, message.icon);
}

int CMorvelankView::CreateProceeding(int act2019, const CString &name, int parts, int kindIndex, int variant,
                                     DefaultValues defaults)
{
    CWaitCursor wait;
    const AppSettings *settings = GetProgramSettings();
    m_proceeding.m_files.m_strMainPath = settings->MainPath;
    m_proceeding.m_files.m_strUserTemplatesPath = settings->UserTemplatesPath;
    ViewTables &tables = *m_proceeding.m_tables;
    tables.m_nParts = parts;
    for (int part = 0; part < parts && part < kPartNames; ++part) {
        tables.m_partNames[part].Format("Część postępowania %d", part + 1);
        tables.m_partFlags[part] = 1;
    }
    tables.m_partFlags[0] = 1;
    m_proceeding.m_project.m_nAttachedCount = 0;
    m_proceeding.m_project.m_strName = name;
    m_proceeding.m_project.SetFileName(name, "dat");
    m_proceeding.m_project.SetFolder(settings->WorkingPath + "\\" + name);
    m_proceeding.m_project.m_nOrderType = 0;
    const int code = NewProceedingCode(act2019 != 0, kindIndex, variant);
    if (code < 0)
        return 0;
    m_proceeding.m_nProcedureCode = code;
    m_proceeding.m_project.ResetCriteria();
    m_proceeding.m_project.m_nProcedureCode = code;
    DropBuyerPlaceholders(defaults);
    // A kind whose starting data cannot be read gives no proceeding: an empty one saved now
    // would look like a proceeding and hold nothing.
    if (!LoadProceeding(kLoadNewProceeding, LawVersions::GetDataFilePath(settings->MainPath, code), defaults))
        return 0;
    m_proceeding.m_project.NextId();
    CreateDirectoryPath(m_proceeding.m_project.GetFolder());
    m_proceeding.m_bModified = 1;
    SaveProceeding(SaveOptions());
    UpdateFrameTitle();
    ShowFirstLines();
    return 1;
}

int CMorvelankView::OpenProceeding(int archive, int example, const CString &folder, const CString &fileName)
{
    CWaitCursor wait;
    const AppSettings *settings = GetProgramSettings();
    m_proceeding.m_files.m_strMainPath = settings->MainPath;
    m_proceeding.m_files.m_strUserTemplatesPath = settings->UserTemplatesPath;
    const CString name = GetFileTitleNoExt(fileName);
    CString base = settings->WorkingPath;
    m_proceeding.m_nProceedingKind = kKindProceeding;
    if (example) {
        base = settings->ExamplePath;
        m_proceeding.m_nProceedingKind = kKindExample;
    } else if (archive) {
        base = settings->ArchivePath;
        m_proceeding.m_nProceedingKind = kKindArchive;
    }
    const CString recordFolder = IsFullPath(folder) ? folder : base + "\\" + folder;

    InstalledSets installation(m_proceeding.m_files.m_strMainPath, m_proceeding.m_files.m_strUserTemplatesPath);
    ProceedingOpen open(m_proceeding.m_files.m_strMainPath, installation);
    if (!open.ReadRecord(m_proceeding.m_project, recordFolder, name)) {
        ShowMessages(open.GetMessages());
        return 0;
    }
    m_proceeding.m_nProcedureCode = m_proceeding.m_project.m_nProcedureCode;
    CString stored;
    if (!open.ReadPassword(m_proceeding.m_project.GetDocumentPath(), stored)) {
        ShowMessages(open.GetMessages());
        return 0;
    }
    if (!stored.IsEmpty()) {
        ProceedingPrompts *prompts = GetProceedingPrompts();
        if (!prompts || !prompts->AskPassword(GetParentFrame(), stored))
            return 0;
    }
    UpdateFrameTitle();
    if (!LoadProceeding(kLoadOwnFile, m_proceeding.m_project.GetDocumentPath(), DefaultValues()))
        return 0;
    ShowFirstLines();
    return 1;
}

int CMorvelankView::OpenDocumentSet(int kind, const CString &path)
{
    const DocumentSetKind *set = FindDocumentSet(kind);
    if (!set)
        return 0;
    CWaitCursor wait;
    const AppSettings *settings = GetProgramSettings();
    m_proceeding.m_files.m_strMainPath = settings->MainPath;
    m_proceeding.m_files.m_strUserTemplatesPath = settings->UserTemplatesPath;
    m_proceeding.m_nProceedingKind = kind;
    if (MainWindowServices *main = MainWindow())
        main->SetStatusText(0, set->loadingText);
    PrepareDocumentSet(*set, path, m_proceeding.m_project);
    m_proceeding.m_nProcedureCode = set->procedureCode;
    ShowWindow(SW_HIDE);
    const bool isNew = path.IsEmpty();
    const CString dataPath = isNew ? LawVersions::GetDataFilePath(settings->MainPath, m_proceeding.m_nProcedureCode)
                                   : m_proceeding.m_project.GetDocumentPath();
    if (!LoadProceeding(isNew ? kLoadNewProceeding : kLoadOwnFile, dataPath, DefaultValues()))
        return 0;
    // A new set has no file yet: closing asks where to keep it.
    if (isNew)
        m_proceeding.m_bModified = 1;
    ShowFirstLines();
    UpdateFrameTitle();
    return 1;
}

int CMorvelankView::LoadProceeding(int mode, const CString &dataPath, const DefaultValues &defaults)
{
    m_proceeding.m_bLoaded = false;
    InstalledSets installation(m_proceeding.m_files.m_strMainPath, m_proceeding.m_files.m_strUserTemplatesPath);
    ProceedingOpen open(m_proceeding.m_files.m_strMainPath, installation);
    // A new proceeding keeps the parts the wizard gave it, whatever its starting data holds.
    const int parts = m_proceeding.m_tables->m_nParts;
    std::vector<CString> partNames(m_proceeding.m_tables->m_partNames,
                                   m_proceeding.m_tables->m_partNames + (parts > 0 ? parts : 0));
    SetMainStatusText("Dokument niezapisany");
    const int loaded = open.Load(mode, dataPath, m_proceeding.m_project, defaults, *m_proceeding.m_tables,
                                 m_proceeding.m_header, m_proceeding.m_pComments.get());
    ShowMessages(open.GetMessages());
    if (loaded && mode == kLoadNewProceeding) {
        m_proceeding.m_tables->m_nParts = parts;
        for (int part = 0; part < parts; ++part)
            m_proceeding.m_tables->m_partNames[part] = partNames[part];
    }
    if (loaded) {
        m_proceeding.m_files.m_nFileVersion = m_proceeding.m_header.version;
        m_proceeding.m_bLoaded = true;
        FinishLoadingProceeding();
    }
    if (MainWindowServices *main = MainWindow())
        main->SetStatusText(0, "");
    return loaded;
}

void CMorvelankView::FinishLoadingProceeding()
{
    LoadTopics();
    const int code = m_proceeding.m_nProcedureCode % 100;
    CString title =
        ProcedureCatalogue::GetProcedureShortName(m_proceeding.m_files.m_nFileVersion, m_proceeding.m_nProcedureCode);
    const CString orderType =
        ProcedureCatalogue::GetOrderTypeWord(m_proceeding.m_nProcedureCode, m_proceeding.m_project.m_nOrderType);
    if (!orderType.IsEmpty())
        title += " (" + orderType + ")";
    if (m_proceeding.m_nProceedingKind == kKindExample)
        title = "Przykład::" + title;

    m_hAttachmentsItem = nullptr;
    for (HTREEITEM &item : m_hCalculatorItems)
        item = nullptr;
    if (m_pTree) {
        CTreeCtrl &tree = m_pTree->GetTreeCtrl();
        tree.DeleteAllItems();
        HTREEITEM root = tree.InsertItem(title, 0, 0);
        tree.SetItemData(root, kRootItemData);
        HTREEITEM group = nullptr;
        DocumentFiles files(*m_proceeding.m_tables, m_proceeding.m_project, m_proceeding.m_files);
        for (int t = 0; t < m_proceeding.m_tables->m_nDocumentCount && t < kDocumentSlots; ++t) {
            DocumentSlot &slot = m_proceeding.m_tables->m_documents[t];
            if (slot.fileName.IsEmpty() && slot.displayName.IsEmpty())
                continue;
            const CString extension = GetFileExtension(slot.fileName);
            if (slot.state == kStateGenerated || slot.state == kStateExternal) {
                const CString path = files.GetDocumentFilePath(t, false, false);
                if (!path.IsEmpty() && !FileExists(path))
                    continue;
                if (IsOfficeExtension(extension))
                    slot.secured = 1;
            }
            HTREEITEM parent = root;
            if (slot.plus) {
                if (!group)
                    continue;
                parent = group;
            }
            const bool perPart = IsPartDocument(t) != 0;
            const int image = DocumentImage(slot, extension, perPart);
            HTREEITEM item = tree.InsertItem(slot.displayName, image, image, parent);
            tree.SetItemData(item, static_cast<DWORD_PTR>(t) * 1000);
            if (!slot.plus)
                group = item;
            if (perPart) {
                for (int part = 0; part < m_proceeding.m_tables->m_nParts && part < kPartNames; ++part) {
                    CString text;
                    text.Format("%s (%s)", (LPCSTR)slot.displayName, (LPCSTR)m_proceeding.m_tables->m_partNames[part]);
                    const int partImage = slot.secured ? 5 : 1;
                    HTREEITEM child = tree.InsertItem(text, partImage, partImage, item);
                    tree.SetItemData(child, static_cast<DWORD_PTR>(t) * 1000);
                }
            }
        }
        if (code != 98 && code != 96) {
            HTREEITEM attachments = tree.InsertItem("Moje dokumenty", 7, 8, root);
            tree.SetItemData(attachments, kAttachmentsItemData);
            m_hAttachmentsItem = attachments;
            for (int i = 0; i < m_proceeding.m_project.m_nAttachedCount && i < 100; ++i) {
                const CString &file = m_proceeding.m_project.m_strAttachedFiles[i];
                const int image = FileKindByExtension(GetFileExtension(file));
                HTREEITEM item = tree.InsertItem(file, image, image, attachments);
                tree.SetItemData(item, kAttachedFileItemData);
            }
            AddCalculatorItems(root);
        }
        tree.Expand(root, TVE_EXPAND);
        if (HTREEITEM first = tree.GetChildItem(root))
            tree.SelectItem(first);
    }

    ShowWindow(SW_HIDE);
    const int first = code == 98 || code == 96 || code == 95 ? 1 : 0;
    for (int t = m_proceeding.m_tables->m_nDocumentCount - 1; t >= first; --t)
        OdczytajNaglowkiPunktowZDokumentu(t);
    ShowDocument(first, -1);
    if (MainWindowServices *main = MainWindow())
        main->SetProgressPos(0);
    GetRichEditCtrl().SetSel(0, 0);
}

void CMorvelankView::ShowFirstLines()
{
    SendMessage(EM_LINESCROLL, 0, -10000);
    SendMessage(EM_HIDESELECTION, TRUE, 0);
    ShowWindow(SW_SHOW);
    UpdateStatusBar();
}

bool CMorvelankView::SaveModifiedPrompt()
{
    if (MainWindowServices *main = MainWindow(); main && m_proceeding.m_bModified)
        main->SetStatusText(0, "Zapisuje postępowanie");
    bool closing = m_bClosing != 0;
    const bool mayClose = ConfirmClosing(
        m_proceeding.m_nProceedingKind, m_proceeding.m_bModified != 0, m_proceeding.m_project.m_strName,
        [this] { return SaveProceeding(SaveOptions()); }, closing);
    m_bClosing = closing ? 1 : 0;
    return mayClose;
}
