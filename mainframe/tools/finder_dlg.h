// The finder: searches the proceeding files of the current-proceedings or the archive folder
// for a text; the caller opens the entry chosen with "Otwórz".
#pragma once

#include "framework/ui/controls.h"
#include "framework/ui/dialog.h"

class CZnajdzPlikiDlg : public CDialog {
public:
    explicit CZnajdzPlikiDlg(CWnd *pParent = nullptr);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange *pDX) override;
    void OnOK() override;

    void FindFiles();
    void DescribeFile(const CString &entry);
    CListBox &Files() { return m_files; }

    int m_mode = 1; // FinderMode
    CString m_folder;
    CString m_text;
    int m_matchCase = 0;
    CString m_description;
    CString m_selected; // "<proceeding folder>\<file>", or a file of the folder itself

protected:
    void OnFind();
    void OnSelectionChange();

    DECLARE_MESSAGE_MAP()

private:
    CListBox m_files;
};

// The entry as the main window opens it: the text before the first "\" is the folder, the rest
// the name; without a "\" (or with one first) the folder is empty and the whole text the name.
void SplitFoundEntry(const CString &entry, CString &folder, CString &name);
