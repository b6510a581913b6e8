// CZPUmowyView: the right pane of a library window. It reads the library's configuration,
// has the tree filled from it and shows the library's RTF document; the tree opens the rest.
#pragma once

#include <vector>

#include "framework/ui/docview.h"
#include "mainframe/library/library_config.h"

class CZPTreeLeftView;

class CZPUmowyView : public CRichEditView {
    DECLARE_DYNCREATE(CZPUmowyView)

public:
    CZPUmowyView() = default;

    void OnInitialUpdate() override;

    void SetMode(int mode) { m_nMode = mode; }
    int GetMode() const { return m_nMode; }
    void SetTree(CZPTreeLeftView *tree) { m_pTree = tree; }

    void SetZpMode();
    void SetArticlesMode();
    void SetKioMode();
    // Reads the mode's configuration file; a file that cannot be read is reported and leaves
    // no entries.
    void LoadConfig();
    // Fills the tree under the root text and shows the first entry's document.
    void ShowLibrary(const CString &rootText, const CString &baseText);
    // Shows the RTF file of the entry (index >= 0) and makes it the current entry.
    void ShowDocument(int index);
    // Status panes 1 to 3: the current entry's title and the library's name.
    void UpdateStatus();
    // Status panes 1 to 3 emptied, as the window goes.
    void ClearStatus();

    const std::vector<LibraryEntry> &GetEntries() const { return m_entries; }
    // The entry's document path as the tree filler built it; "" for headings.
    CString GetFullPath(int index) const;
    int GetCurrentEntry() const { return m_nCurrent; }

    void OnClose();

    DECLARE_MESSAGE_MAP()

private:
    int m_nMode = 0;
    std::vector<LibraryEntry> m_entries;
    std::vector<CString> m_fullPaths;
    int m_nCurrent = -1;
    CZPTreeLeftView *m_pTree = nullptr;
    CFrameWnd *m_pMainFrame = nullptr;
};

// Selects characters start..end of a rich-edit view.
void SetRichEditSel(CWnd &richEdit, long start, long end);
