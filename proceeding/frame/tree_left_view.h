// CTreeLeftView: the left pane of the proceeding window, the tree of the proceeding's documents,
// their numbered points, the parts of a divided document and the proceeding's own files. The
// view fills it (item data: document x 1000 + point, or one of the codes of item_codes.h);
// choosing an item shows its document in the view or opens its file.
#pragma once

#include "framework/ui/docview.h"
#include "framework/ui/menu.h"

class CChildFrame;
class ProceedingWindowView;

class CTreeLeftView : public CTreeView {
    DECLARE_DYNCREATE(CTreeLeftView)

public:
    CTreeLeftView() = default;
    ~CTreeLeftView() override;

    BOOL PreCreateWindow(CREATESTRUCT &cs) override;
    void OnInitialUpdate() override;

    void SetFrame(CChildFrame *frame) { m_pFrame = frame; }
    void SetView(ProceedingWindowView *view) { m_pView = view; }
    int GetSelectedCode() const { return m_nSelectedCode; }

    // ---- For the frame -------------------------------------------------------------------------
    // False while the last selected item is an own file, "Moje dokumenty" or the reserved code.
    bool IsDocumentSelected() const;
    // Toggles the secured flag of the selected item's document.
    void ProtectSelectedDocument();
    // Writes the tree as indented text into "<root text>.txt" in the folder; an empty folder
    // asks for the file.
    void SaveTreeAsText(const CString &folder);
    // The item's line (depth TABs, text, a blank, the tag of its image) and its children's.
    CString WriteTreeLevel(HTREEITEM item, int depth) const;

    // Opens the selected item: its document and point in the view, or its file.
    void DrzewoClick();
    void ExpandBranch(HTREEITEM item);
    void CollapseBranch(HTREEITEM item);
    // Removes the selected own file from the tree and the proceeding's file list.
    void RemoveSelectedItem();

    void OnSelChanged(NMHDR *pNMHDR, LRESULT *pResult);
    void OnDblClk(NMHDR *pNMHDR, LRESULT *pResult);
    void OnContextMenu(CWnd *pWnd, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);

    void OnPrevious();
    void OnNext();
    void OnExpandSelected();
    void OnCollapseSelected();
    void OnExpandAll();
    void OnCollapseAll();
    void OnAddDocument();
    void OnUpdateAddDocument(CCmdUI *pCmdUI);
    void OnOpen();
    void OnRemove();
    void OnUpdateOwnFile(CCmdUI *pCmdUI);

    DECLARE_MESSAGE_MAP()

private:
    int ItemCode(HTREEITEM item) const;
    // A top-level document or an own file: those open on a double click, the rest on selection.
    bool IsOpenedByDoubleClick(HTREEITEM item) const;
    void OpenOwnFile(HTREEITEM item);
    void OpenFileDocument(int document);
    void OpenDocumentPart(HTREEITEM item, int document);
    void OpenDocumentPoint(int document, int point);

    CImageList m_imageList;
    CMenu m_contextMenu;
    CChildFrame *m_pFrame = nullptr;
    CFrameWnd *m_pMainFrame = nullptr;
    ProceedingWindowView *m_pView = nullptr;
    int m_nSelectedCode = 0;
};

// The tag of an item image in the tree's text copy ("[PUNKT]", "[WORD]", ...); "" for none.
CString TreeImageTag(int image);
// The command line that opens a file document of that name at path with the word processor or
// spreadsheet of the word-processor folder; "" when the shell should open it.
CString FileDocumentCommandLine(const CString &wordFolder, const CString &name, const CString &path);
