// CZPTreeLeftView: the left pane of a library window, the tree of the library's entries. A
// double click opens an entry's document outside the program.
#pragma once

#include <vector>

#include "framework/ui/docview.h"
#include "mainframe/library/library_config.h"

class CZPUmowyView;

class CZPTreeLeftView : public CTreeView {
    DECLARE_DYNCREATE(CZPTreeLeftView)

public:
    CZPTreeLeftView() = default;

    BOOL PreCreateWindow(CREATESTRUCT &cs) override;
    void OnInitialUpdate() override;

    void SetMode(int mode) { m_nMode = mode; }
    void SetView(CZPUmowyView *view) { m_pView = view; }

    // Empties the tree and fills it from the entries, with documents under MainPath.
    void FillTree(const CString &rootText, const CString &baseText, const std::vector<LibraryEntry> &entries,
                  std::vector<CString> &fullPaths);
    // Opens the selected document: PDF files through the shell, the others in the office
    // programs when their folder is known. Headings and other entries do nothing.
    void OpenItem();

    void OnDblClk(NMHDR *pNMHDR, LRESULT *pResult);

    DECLARE_MESSAGE_MAP()

private:
    int m_nMode = 0;
    CZPUmowyView *m_pView = nullptr;
    CFrameWnd *m_pMainFrame = nullptr;
    CImageList m_imageList;
};
