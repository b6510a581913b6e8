// Opening a tree item: a document's point or part in the view, a linked or file document, an
// own file of the proceeding, or one of the evaluation calculators.
#include "model/file_utils.h"
#include "app/app_settings.h"
#include "model/project.h"
#include "app/system_utils.h"
#include "document/item_codes.h"
#include "model/document_slots.h"
#include "framework/ui/msgbox.h"
#include "document/proceeding_window_view.h"
#include "proceeding/frame/tree_left_view.h"

namespace {

void RunProgram(const CString &commandLine)
{
    // A program that is not there fails silently, as the user's own set-up decides.
    ::WinExec(commandLine, SW_SHOWNORMAL);
}

} // namespace

CString FileDocumentCommandLine(const CString &wordFolder, const CString &name, const CString &path)
{
    if (wordFolder.IsEmpty())
        return "";
    const CString extension = name.GetLength() > 3 ? name.Right(3) : CString();
    if (extension == "dot" || extension == "doc")
        return wordFolder + "\\WinWord.exe \"" + path + "\"";
    if (extension == "xls")
        return wordFolder + "\\Excel.exe \"" + path + "\"";
    return "";
}

void CTreeLeftView::DrzewoClick()
{
    if (m_pView == nullptr || m_pView->IsTreeSyncing())
        return;
    HTREEITEM selected = GetTreeCtrl().GetSelectedItem();
    if (selected == nullptr)
        return;
    for (int type = 0; type < kCriteriaCalculators; ++type) {
        if (m_pView->GetCalculatorItem(type) == selected) {
            m_pView->ShowCriteriaCalculator(type);
            return;
        }
    }

    const int code = ItemCode(selected);
    if (code == kItemRoot || code == kItemMyDocuments || code == kItemReserved)
        return;
    if (code == kItemOwnFile) {
        OpenOwnFile(selected);
        return;
    }
    const int document = ItemCodeDocument(code);
    const int state = m_pView->GetDocumentState(document);
    if (state == 5) {
        OpenFileDocument(document);
    } else if (state == 4) {
        OpenInShell(m_pView->GetDocumentName(document), SW_SHOWNORMAL);
    } else if (m_pView->IsPartDocument(document)) {
        OpenDocumentPart(selected, document);
    } else {
        OpenDocumentPoint(document, ItemCodePart(code));
    }
}

void CTreeLeftView::OpenOwnFile(HTREEITEM item)
{
    const CString name = GetTreeCtrl().GetItemText(item);
    if (name.IsEmpty() || m_pView == nullptr)
        return;
    const CString path = m_pView->GetProject().GetFolder() + "\\" + name;
    if (FileExists(path)) {
        RunProgram("explorer " + path);
        return;
    }
    if (AfxShowMessageBox(m_hWnd, "Program nie może odnaleźć pliku: " + path + ".\nCzy chcesz usunąć plik z projektu?",
                          "Pytanie", MB_YESNO | MB_ICONQUESTION)
        == IDYES)
        RemoveSelectedItem();
}

void CTreeLeftView::OpenFileDocument(int document)
{
    const CString name = m_pView->GetDocumentName(document);
    CString path = m_pView->GetProject().GetFolder() + "\\" + name;
    if (!FileExists(path)) {
        const AppSettings *settings = GetProgramSettings();
        path = (settings != nullptr ? settings->MainPath : CString()) + "\\zp\\" + name;
    }
    if (!FileExists(path)) {
        AfxShowMessageBox(m_hWnd, "Nie znaleziono pliku: " + path, "Błąd", MB_OK | MB_ICONERROR);
        return;
    }
    const AppSettings *settings = GetProgramSettings();
    const CString commandLine =
        FileDocumentCommandLine(settings != nullptr ? settings->WordPath : CString(), name, path);
    if (!commandLine.IsEmpty())
        RunProgram(commandLine);
    else
        OpenInShell(path, SW_SHOWNORMAL);
}

void CTreeLeftView::OpenDocumentPart(HTREEITEM item, int document)
{
    CTreeCtrl &tree = GetTreeCtrl();
    HTREEITEM parent = tree.GetParentItem(item);
    if (parent == nullptr || ItemCode(parent) != ItemCode(item))
        return;
    int part = 0;
    for (HTREEITEM sibling = tree.GetChildItem(parent); sibling != nullptr && sibling != item;
         sibling = tree.GetNextSiblingItem(sibling))
        ++part;
    if (m_pView->GetCurrentDocument() == document && m_pView->GetCurrentPart() == part)
        return;
    CWnd *view = dynamic_cast<CWnd *>(m_pView);
    if (view != nullptr)
        view->ShowWindow(SW_HIDE);
    m_pView->ShowDocument(document, part);
    if (view != nullptr)
        view->ShowWindow(SW_SHOW);
}

void CTreeLeftView::OpenDocumentPoint(int document, int point)
{
    CWnd *view = dynamic_cast<CWnd *>(m_pView);
    if (m_pView->GetCurrentDocument() != document) {
        if (view != nullptr)
            view->ShowWindow(SW_HIDE);
        m_pView->ShowDocument(document, -1);
        if (view != nullptr)
            view->ShowWindow(SW_SHOW);
    }
    if (view == nullptr || document < 0 || document >= kDocumentSlots)
        return;
    const int position = m_pView->GetHeadingPosition(document, ItemCodeNextDocument(point));
    if (position < 0)
        return;
    // The heading becomes the first visible line, with the caret on it.
    const int line = (int)view->SendMessage(EM_LINEFROMCHAR, position);
    view->SendMessage(EM_LINESCROLL, 0, -10000);
    view->SendMessage(EM_LINESCROLL, 0, line);
    view->SendMessage(EM_SETSEL, position, position);
}
