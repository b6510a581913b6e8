// What the view puts into the proceeding tree besides its documents: the headings of their
// points, the proceeding's own files and the evaluation calculators; the comment table's
// texts; the hint over variables.
#include "model/file_utils.h"
#include "model/view_tables.h"
#include "app/app_settings.h"
#include "document/files/attached_files.h"
#include "document/view/hover_hit.h"
#include "document/item_codes.h"
#include "document/view/morvelank_view.h"
#include "document/engine/point_headings.h"
#include "document/view/proceeding_prompts.h"
#include "document/view/view_services.h"
#include "framework/core/codepage.h"
#include "framework/core/module.h"
#include "framework/ui/commondlg.h"
#include "framework/ui/msgbox.h"
#include "res/document_ids.h"

namespace {

const DWORD_PTR kAttachedFileItemData = 1234567;
const int kPointImage = 2;
const int kCalculatorImage = 11;
const int kHoverSlots = 1000; // occurrence slots of variables; headings lie above them
const char kPlainTextName[] = "to jest zwykly tekst";

// The program's cursor, or the hand where the module lacks it.
HCURSOR HoverCursor(UINT id)
{
    HCURSOR cursor = ::LoadCursorW(AfxGetResourceHandle(), MAKEINTRESOURCEW(id));
    return cursor ? cursor : ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32649)); // IDC_HAND
}

CString HintWithoutMarkers(CString hint)
{
    for (const char *marker :
         {"[KORESPONDENCJA]", "[KORESPONDENCJA1]", "[KORESPONDENCJA2]", "[KORESPONDENCJA3]", "[KORESPONDENCJA4]"})
        hint.Replace(marker, "");
    return hint;
}

} // namespace

void CMorvelankView::OdczytajNaglowkiPunktowZDokumentu(int index)
{
    if (index < 0 || index >= kDocumentSlots)
        return;
    const DocumentSlot &slot = m_proceeding.m_tables->m_documents[index];
    CString extension = GetFileExtension(slot.fileName);
    extension.MakeLower();
    if ((slot.state != kStateGenerated && slot.state != kStateEditable) || extension != "rtf")
        return;

    m_proceeding.m_bModified = 0;
    MainWindowServices *main = MainWindow();
    if (main)
        main->SetStatusText(0, "Wprowadza przetarg");

    if (!m_pTree)
        return;
    CTreeCtrl &tree = m_pTree->GetTreeCtrl();
    const DWORD_PTR code = static_cast<DWORD_PTR>(index) * 1000;
    HTREEITEM documentItem = nullptr;
    for (HTREEITEM child = tree.GetChildItem(tree.GetRootItem()); child && !documentItem;
         child = tree.GetNextSiblingItem(child)) {
        if (tree.GetItemData(child) == code) {
            documentItem = child;
            break;
        }
        for (HTREEITEM grandchild = tree.GetChildItem(child); grandchild;
             grandchild = tree.GetNextSiblingItem(grandchild))
            if (tree.GetItemData(grandchild) == code) {
                documentItem = grandchild;
                break;
            }
    }
    if (!documentItem)
        return;

    const int count = m_proceeding.m_tables->m_nDocumentCount;
    if (main && count > 0)
        main->SetProgressPos((count - index + 1) * (100 / count));
    for (const PointHeading &heading : FindTemplateHeadings(ReadDocumentTemplate(index))) {
        HTREEITEM item = tree.InsertItem(heading.text, kPointImage, kPointImage, documentItem);
        tree.SetItemData(item, code + heading.point);
    }
}

void CMorvelankView::AddFileToProject()
{
    const AppSettings *settings = GetProgramSettings();
    CFileDialog dialog(TRUE, "*.*", settings ? settings->WorkingPath + "\\*.*" : CString("*.*"),
                       OFN_FILEMUSTEXIST | OFN_HIDEREADONLY,
                       "Pliki tekstowe (*.txt)|*.txt|Pliki MS Word (*.doc)|*.doc|Pliki MS Excel (*.xls)|*.xls|"
                       "Wszystkie pliki (*.*)|*.*||",
                       this);
    if (dialog.DoModal() != IDOK)
        return;
    const CString source = dialog.GetPathName();
    const CString name = dialog.GetFileName();
    const CString target = m_proceeding.m_project.GetFolder() + "\\" + name;
    const bool listed = m_hAttachmentsItem && !m_proceeding.m_project.m_strName.IsEmpty();
    // A full list refuses before anything is copied, so that the folder, the tree and the
    // record never disagree.
    if (listed && AttachedFileSlot(m_proceeding.m_project, name) < 0) {
        AfxShowMessageBox(m_hWnd, "Za dużo plików w projekcie", "Błąd", MB_ICONERROR);
        return;
    }
    if (FileExists(target)
        && AfxShowMessageBox(m_hWnd, "Ten plik został już wcześniej dodany do projektu. Czy chcesz go nadpisać?",
                             "Ostrzeżenie", MB_YESNO | MB_ICONEXCLAMATION)
               != IDYES)
        return;
    if (!::CopyFileW(Cp1250ToWide(source).c_str(), Cp1250ToWide(target).c_str(), FALSE)) {
        AfxShowMessageBox(m_hWnd, "Błąd kopiowania pliku: " + source + " do " + target, "Błąd", MB_ICONEXCLAMATION);
        return;
    }
    m_proceeding.m_bModified = 1;
    if (!m_hAttachmentsItem || !m_pTree)
        return;

    CTreeCtrl &tree = m_pTree->GetTreeCtrl();
    // A file added again keeps its one item.
    HTREEITEM item = nullptr;
    for (HTREEITEM child = tree.GetChildItem(m_hAttachmentsItem); child && !item;
         child = tree.GetNextSiblingItem(child))
        if (tree.GetItemText(child) == name)
            item = child;
    if (!item) {
        const int image = FileKindByExtension(GetFileExtension(name));
        item = tree.InsertItem(name, image, image, m_hAttachmentsItem);
        tree.SetItemData(item, kAttachedFileItemData);
    }
    if (listed)
        ListAttachedFile(m_proceeding.m_project, name);
    tree.EnsureVisible(item);
    AfxShowMessageBox(m_hWnd, "Plik " + source + " \nzostał skopiowany do katalogu projektu:\n" + target, "Informacja",
                      MB_ICONINFORMATION);
}

void CMorvelankView::AddCalculatorItems(HTREEITEM root)
{
    static const char *const names[kCriteriaCalculators] = {
        "Obliczenie punktacji - kryterium cena",
        "Obliczenie punktacji - kryterium termin realizacji",
        "Bilans punktowy zastosowanych kryteriów",
    };
    CTreeCtrl &tree = m_pTree->GetTreeCtrl();
    for (int type = 0; type < kCriteriaCalculators; ++type) {
        m_hCalculatorItems[type] = tree.InsertItem(names[type], kCalculatorImage, kCalculatorImage, root);
        tree.SetItemData(m_hCalculatorItems[type], kItemReserved);
    }
}

HTREEITEM CMorvelankView::GetCalculatorItem(int type) const
{
    return type >= 0 && type < kCriteriaCalculators ? m_hCalculatorItems[type] : nullptr;
}

void CMorvelankView::ShowCriteriaCalculator(int type)
{
    ProceedingPrompts *prompts = GetProceedingPrompts();
    CProject &project = m_proceeding.m_project;
    if (prompts && type >= 0 && type < kCriteriaCalculators)
        project.m_pCriteria = prompts->RunCriteriaCalculator(this, type, project.m_pCriteria);
    // The calculators write into the record as they go, so even Cancel leaves changes.
    m_proceeding.m_bModified = 1;
}

CString CMorvelankView::GetCommentText(int id) const
{
    return ::GetCommentText(m_proceeding.m_pComments.get(), id);
}

BOOL CMorvelankView::TrackMouseOverVariable(int x, int y, BOOL select)
{
    const int current = GetCurrentDocument();
    const OccurrenceBlock *block =
        static_cast<const OccurrenceTable &>(m_proceeding.m_tables->m_occurrences).Block(current);
    if (!block)
        return FALSE;
    auto isOver = [this, x, y](int position, int length) {
        POINTL first{}, afterLast{};
        SendMessage(EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&first), position);
        SendMessage(EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&afterLast), position + length);
        return IsOverText(POINT{first.x, first.y}, POINT{afterLast.x, afterLast.y}, x, y);
    };

    bool hintShown = false;
    bool hit = false;
    for (int slot = 0; slot < kHoverSlots && !hit; ++slot) {
        const VariableOccurrence *occurrence = block->Variable(slot);
        if (occurrence->position <= 0 || occurrence->length <= 0 || occurrence->name == kPlainTextName)
            continue;
        if (!isOver(occurrence->position, occurrence->length))
            continue;
        hit = true;
        if (select)
            GetRichEditCtrl().SetSel(occurrence->position, occurrence->position + occurrence->length);
        if (!m_bOverVariable)
            ::SetCursor(HoverCursor(IDC_VARIABLE_CURSOR));
        if (m_hint.GetSafeHwnd()) {
            m_hint.ShowAtCursor(HintWithoutMarkers(occurrence->hint));
            hintShown = true;
        }
        m_bOverVariable = 1;
        m_bOverPageBreak = 0;
    }
    const int pageBreaks = m_proceeding.m_tables->m_nPageBreaks;
    const int marks = pageBreaks < kPageBreakMarks ? pageBreaks : kPageBreakMarks;
    for (int i = 0; i < marks && !hit; ++i) {
        const PageBreakMark &mark = m_proceeding.m_tables->m_pageBreaks[i];
        if (mark.document != current || !isOver(mark.position, mark.length))
            continue;
        hit = true;
        if (!m_bOverPageBreak)
            ::SetCursor(HoverCursor(IDC_PAGE_BREAK_CURSOR));
        m_bOverPageBreak = 1;
        m_bOverVariable = 0;
    }
    if (!hintShown && m_hint.GetSafeHwnd())
        m_hint.HideHint();
    if (!hit) {
        m_bOverVariable = 0;
        m_bOverPageBreak = 0;
    }
    return hit ? TRUE : FALSE;
}

BOOL CMorvelankView::OnSetCursor(CWnd *pWnd, UINT nHitTest, UINT message)
{
    // The hover logic has set the cursor for what lies under it.
    if (m_bOverVariable || m_bOverPageBreak)
        return TRUE;
    return CRichEditView::OnSetCursor(pWnd, nHitTest, message);
}
