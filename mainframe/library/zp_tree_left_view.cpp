#include "mainframe/library/zp_tree_left_view.h"

#include "model/file_utils.h"
#include "app/app_settings.h"
#include "app/system_utils.h"
#include "framework/ui/msgbox.h"
#include "mainframe/library/library_tree.h"
#include "mainframe/library/zp_umowy_view.h"
#include "res/resource.h"

IMPLEMENT_DYNCREATE(CZPTreeLeftView, CTreeView)

BEGIN_MESSAGE_MAP(CZPTreeLeftView, CTreeView)
    ON_NOTIFY_REFLECT(NM_DBLCLK, OnDblClk)
END_MESSAGE_MAP()

BOOL CZPTreeLeftView::PreCreateWindow(CREATESTRUCT &cs)
{
    cs.style |= TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS;
    return CTreeView::PreCreateWindow(cs);
}

void CZPTreeLeftView::OnInitialUpdate()
{
    CTreeView::OnInitialUpdate();
    m_pMainFrame = AfxGetTopLevelFrame(this);
    if (m_imageList.GetSafeHandle() == nullptr && m_imageList.Create(IDB_TREE_IMAGES, 16, 1, RGB(255, 0, 255)))
        GetTreeCtrl().SetImageList(&m_imageList, TVSIL_NORMAL);
}

void CZPTreeLeftView::FillTree(const CString &rootText, const CString &baseText,
                               const std::vector<LibraryEntry> &entries, std::vector<CString> &fullPaths)
{
    const AppSettings *settings = GetProgramSettings();
    FillDocumentTree(GetTreeCtrl(), rootText, baseText, entries, fullPaths, settings ? settings->MainPath : CString());
}

void CZPTreeLeftView::OnDblClk(NMHDR *, LRESULT *pResult)
{
    *pResult = 0;
    OpenItem();
}

void CZPTreeLeftView::OpenItem()
{
    HTREEITEM selected = GetTreeCtrl().GetSelectedItem();
    if (!selected || !m_pView)
        return;
    const DWORD_PTR data = GetTreeCtrl().GetItemData(selected);
    if (data < kOpenedDocumentData)
        return;
    // The path the tree was filled with: the entry's name without its marks.
    const CString path = m_pView->GetFullPath((int)(data - kOpenedDocumentData));
    if (path.IsEmpty())
        return;
    const AppSettings *settings = GetProgramSettings();
    const LibraryOpening opening =
        ChooseLibraryOpening(path, settings ? settings->WordPath : CString(), FileExists(path));
    switch (opening.kind) {
    case LibraryOpening::Missing:
        AfxShowMessageBox(m_hWnd, "Plik: " + path + " nie istnieje", "Błąd", MB_OK | MB_ICONERROR);
        break;
    case LibraryOpening::Shell:
        OpenInShell(opening.text, SW_SHOWNORMAL);
        break;
    case LibraryOpening::CommandLine:
        // A program that is not there fails silently, as with every outside program.
        ::WinExec(opening.text, SW_SHOWNORMAL);
        break;
    }
}
