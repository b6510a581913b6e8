#include "proceeding/frame/tree_left_view.h"

#include <algorithm>

#include "model/file_utils.h"
#include "model/project.h"
#include "document/item_codes.h"
#include "framework/core/codepage.h"
#include "framework/ui/commondlg.h"
#include "framework/ui/msgbox.h"
#include "framework/ui/winapp.h"
#include "document/proceeding_window_view.h"
#include "res/resource.h"

IMPLEMENT_DYNCREATE(CTreeLeftView, CTreeView)

BEGIN_MESSAGE_MAP(CTreeLeftView, CTreeView)
    ON_NOTIFY_REFLECT(TVN_SELCHANGEDW, OnSelChanged)
    ON_NOTIFY_REFLECT(NM_DBLCLK, OnDblClk)
    ON_WM_CONTEXTMENU()
    ON_WM_RBUTTONDOWN()
    ON_COMMAND(ID_DRZEWO_POPRZEDNI, OnPrevious)
    ON_COMMAND(ID_DRZEWO_NASTEPNY, OnNext)
    ON_COMMAND(ID_DRZEWO_ROZWIN, OnExpandSelected)
    ON_COMMAND(ID_DRZEWO_ZWIN, OnCollapseSelected)
    ON_COMMAND(ID_DRZEWO_ROZWIN_WSZYSTKO, OnExpandAll)
    ON_COMMAND(ID_DRZEWO_ZWIN_WSZYSTKO, OnCollapseAll)
    ON_COMMAND(ID_DODAJ_DOKUMENT, OnAddDocument)
    ON_UPDATE_COMMAND_UI(ID_DODAJ_DOKUMENT, OnUpdateAddDocument)
    ON_COMMAND(ID_OTWORZ_PLIK, OnOpen)
    ON_UPDATE_COMMAND_UI(ID_OTWORZ_PLIK, OnUpdateOwnFile)
    ON_COMMAND(ID_USUN_PLIK, OnRemove)
    ON_UPDATE_COMMAND_UI(ID_USUN_PLIK, OnUpdateOwnFile)
END_MESSAGE_MAP()

CTreeLeftView::~CTreeLeftView() = default;

BOOL CTreeLeftView::PreCreateWindow(CREATESTRUCT &cs)
{
    cs.style |= TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS;
    return CTreeView::PreCreateWindow(cs);
}

void CTreeLeftView::OnInitialUpdate()
{
    CTreeView::OnInitialUpdate();
    m_nSelectedCode = 0;
    if (m_imageList.GetSafeHandle() == nullptr && m_imageList.Create(IDB_TREE_IMAGES, 16, 1, RGB(255, 0, 255)))
        GetTreeCtrl().SetImageList(&m_imageList, TVSIL_NORMAL);
    m_pMainFrame = AfxGetTopLevelFrame(this);
}

int CTreeLeftView::ItemCode(HTREEITEM item) const
{
    return item != nullptr ? (int)GetTreeCtrl().GetItemData(item) : 0;
}

bool CTreeLeftView::IsOpenedByDoubleClick(HTREEITEM item) const
{
    CTreeCtrl &tree = GetTreeCtrl();
    HTREEITEM parent = item != nullptr ? tree.GetParentItem(item) : nullptr;
    return parent != nullptr && (parent == tree.GetRootItem() || ItemCode(parent) == kItemMyDocuments);
}

// ---- Notifications --------------------------------------------------------------------------------

void CTreeLeftView::OnSelChanged(NMHDR *, LRESULT *pResult)
{
    *pResult = 0;
    HTREEITEM selected = GetTreeCtrl().GetSelectedItem();
    m_nSelectedCode = ItemCode(selected);
    if (selected != nullptr && !IsOpenedByDoubleClick(selected))
        DrzewoClick();
}

void CTreeLeftView::OnDblClk(NMHDR *, LRESULT *pResult)
{
    *pResult = 0;
    if (IsOpenedByDoubleClick(GetTreeCtrl().GetSelectedItem()))
        DrzewoClick();
}

void CTreeLeftView::OnContextMenu(CWnd *, CPoint point)
{
    m_contextMenu.DestroyMenu();
    if (!m_contextMenu.LoadMenu(IDR_TREE_CONTEXT_MENU))
        return;
    if (CMenu *popup = m_contextMenu.GetSubMenu(0))
        popup->TrackPopupMenu(TPM_RIGHTBUTTON, point.x, point.y, AfxGetMainWnd());
}

void CTreeLeftView::OnRButtonDown(UINT, CPoint)
{
    // The right button leaves the selection where it is.
}

// ---- Moving and folding ---------------------------------------------------------------------------

void CTreeLeftView::OnPrevious()
{
    CTreeCtrl &tree = GetTreeCtrl();
    HTREEITEM selected = tree.GetSelectedItem();
    HTREEITEM previous = selected != nullptr ? tree.GetPrevSiblingItem(selected) : nullptr;
    if (previous != nullptr)
        tree.SelectItem(previous);
}

void CTreeLeftView::OnNext()
{
    CTreeCtrl &tree = GetTreeCtrl();
    HTREEITEM selected = tree.GetSelectedItem();
    if (selected == nullptr)
        return;
    m_nSelectedCode = ItemCode(selected);
    HTREEITEM next = tree.GetNextSiblingItem(selected);
    if (next != nullptr)
        tree.SelectItem(next);
}

void CTreeLeftView::ExpandBranch(HTREEITEM item)
{
    CTreeCtrl &tree = GetTreeCtrl();
    if (item != nullptr && tree.ItemHasChildren(item)) {
        tree.Expand(item, TVE_EXPAND);
        for (HTREEITEM child = tree.GetChildItem(item); child != nullptr; child = tree.GetNextSiblingItem(child))
            ExpandBranch(child);
    }
    if (HTREEITEM root = tree.GetRootItem())
        tree.EnsureVisible(root);
}

void CTreeLeftView::CollapseBranch(HTREEITEM item)
{
    CTreeCtrl &tree = GetTreeCtrl();
    if (item == nullptr || !tree.ItemHasChildren(item))
        return;
    tree.Expand(item, TVE_COLLAPSE);
    for (HTREEITEM child = tree.GetChildItem(item); child != nullptr; child = tree.GetNextSiblingItem(child))
        CollapseBranch(child);
}

void CTreeLeftView::OnExpandSelected()
{
    ExpandBranch(GetTreeCtrl().GetSelectedItem());
}

void CTreeLeftView::OnCollapseSelected()
{
    CTreeCtrl &tree = GetTreeCtrl();
    for (HTREEITEM item = tree.GetSelectedItem(); item != nullptr; item = tree.GetNextSiblingItem(item))
        CollapseBranch(item);
}

void CTreeLeftView::OnExpandAll()
{
    ExpandBranch(GetTreeCtrl().GetRootItem());
}

void CTreeLeftView::OnCollapseAll()
{
    CTreeCtrl &tree = GetTreeCtrl();
    for (HTREEITEM item = tree.GetRootItem(); item != nullptr; item = tree.GetNextSiblingItem(item))
        CollapseBranch(item);
}

// ---- Own files and documents ----------------------------------------------------------------------

void CTreeLeftView::OnAddDocument()
{
    if (m_pView != nullptr)
        m_pView->AddFileToProject();
}

void CTreeLeftView::OnUpdateAddDocument(CCmdUI *pCmdUI)
{
    pCmdUI->Enable(TRUE);
}

void CTreeLeftView::OnUpdateOwnFile(CCmdUI *pCmdUI)
{
    pCmdUI->Enable(m_nSelectedCode == kItemOwnFile);
}

void CTreeLeftView::OnOpen()
{
    HTREEITEM selected = GetTreeCtrl().GetSelectedItem();
    if (ItemCode(selected) == kItemOwnFile)
        OpenOwnFile(selected);
}

void CTreeLeftView::OnRemove()
{
    if (AfxShowMessageBox(m_hWnd, "Czy usunąć wybrany dokument z projektu?", "Pytanie", MB_YESNO | MB_ICONQUESTION)
        == IDYES)
        RemoveSelectedItem();
}

bool CTreeLeftView::IsDocumentSelected() const
{
    return m_nSelectedCode != kItemOwnFile && m_nSelectedCode != kItemMyDocuments && m_nSelectedCode != kItemReserved;
}

void CTreeLeftView::ProtectSelectedDocument()
{
    if (m_pView != nullptr && IsDocumentSelected())
        m_pView->ToggleDocumentSecured(ItemCodeDocument(m_nSelectedCode));
}

void CTreeLeftView::RemoveSelectedItem()
{
    CTreeCtrl &tree = GetTreeCtrl();
    HTREEITEM selected = tree.GetSelectedItem();
    if (m_pView == nullptr || ItemCode(selected) != kItemOwnFile)
        return;
    CProject &project = m_pView->GetProject();
    if (!project.HasFileName())
        return;

    const CString name = tree.GetItemText(selected);
    const int count = std::max(0, std::min<int>(project.m_nAttachedCount, CProject::kMaxAttachedFiles));
    int found = -1;
    for (int i = 0; i < count && found < 0; ++i) {
        if (project.m_strAttachedFiles[i] == name)
            found = i;
    }
    if (found < 0)
        return;

    const CString path = project.GetFolder() + "\\" + name;
    if (FileExists(path)
        && AfxShowMessageBox(m_hWnd, "Czy usunąć również plik: " + path, "Pytanie", MB_YESNO | MB_ICONQUESTION)
               == IDYES)
        ::DeleteFileW(Cp1250ToWide(path).c_str());
    tree.DeleteItem(selected);
    for (int i = found; i + 1 < count; ++i)
        project.m_strAttachedFiles[i] = project.m_strAttachedFiles[i + 1];
    project.m_strAttachedFiles[count - 1].Empty();
    project.m_nAttachedCount = count - 1;
    m_pView->SetModified();
}

// ---- Text copy ------------------------------------------------------------------------------------

CString TreeImageTag(int image)
{
    switch (image) {
    case 2:
        return "[PUNKT]";
    case 3:
    case 9:
        return "[EXCEL]";
    case 4:
    case 10:
        return "[WORD]";
    case 7:
    case 8:
        return "[FOLDER]";
    case 23:
        return "[SPECYFIKACJA]";
    default:
        return image > 10 ? "[INNE]" : "";
    }
}

CString CTreeLeftView::WriteTreeLevel(HTREEITEM item, int depth) const
{
    if (item == nullptr)
        return "";
    CTreeCtrl &tree = GetTreeCtrl();
    TVITEMW data{};
    data.mask = TVIF_IMAGE | TVIF_HANDLE;
    data.hItem = item;
    tree.SendMessage(TVM_GETITEMW, 0, (LPARAM)&data);

    CString text;
    for (int i = 0; i < depth; ++i)
        text += "\t";
    text += tree.GetItemText(item) + " " + TreeImageTag(data.iImage) + "\r\n";
    for (HTREEITEM child = tree.GetChildItem(item); child != nullptr; child = tree.GetNextSiblingItem(child))
        text += WriteTreeLevel(child, depth + 1);
    return text;
}

void CTreeLeftView::SaveTreeAsText(const CString &folder)
{
    CTreeCtrl &tree = GetTreeCtrl();
    HTREEITEM root = tree.GetRootItem();
    if (root == nullptr)
        return;
    const CString text = WriteTreeLevel(root, 0);
    const CString fileName = tree.GetItemText(root) + ".txt";
    CString path;
    if (!folder.IsEmpty()) {
        path = folder + "\\" + fileName;
    } else {
        CFileDialog dialog(FALSE, "txt", fileName, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, "Tekst (*.txt)|*.txt||",
                           this);
        if (dialog.DoModal() != IDOK)
            return;
        path = dialog.GetPathName();
    }
    WriteTextFile(path, text);
}
