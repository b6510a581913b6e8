// The archive browser: the proceedings of the current-proceedings folder (mode 0) or of the
// archive folder (mode 1), to pick one to open, delete one, change the folder or choose the
// sample proceeding. The caller opens what was picked.
#pragma once

#include <vector>

#include "framework/ui/commctrls.h"
#include "framework/ui/controls.h"
#include "framework/ui/dialog.h"
#include "mainframe/archive/archive_listing.h"

class CArchiwumDlg : public CDialog {
public:
    enum Mode { ModeCurrent = 0, ModeArchive = 1 };
    enum Column { ColumnKind = 0, ColumnName, ColumnPath, ColumnModified };

    explicit CArchiwumDlg(CWnd *pParent = nullptr);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange *pDX) override;
    void OnOK() override;

    // Rebuilds the list from the folder and the kind filter; false when the folder is missing.
    bool FillList();
    CListCtrl &List() { return m_list; }

    // The folder of the chosen proceeding: the listed folder with the proceeding's sub-folder,
    // if it has one.
    CString GetChosenFolder() const;

    CString m_strFolder;
    int m_nMode = ModeCurrent;
    int m_nSample = 0;
    // The selection: the proceeding's sub-folder, its record file, the row's first column and
    // item data (its place in the listing; -1 for none).
    CString m_strProceedingFolder;
    CString m_strFileName;
    CString m_strKindText;
    int m_nItemData = -1;
    // The chosen proceeding, "<folder>\<sub-folder>\<file>", after IDOK.
    CString m_strResultPath;
    int m_nKindFilter = kAllKinds;
    CString m_strLabel;
    CString m_strDescription;

protected:
    void OnListItemChanged(NMHDR *pNMHDR, LRESULT *pResult);
    void OnListDoubleClick(NMHDR *pNMHDR, LRESULT *pResult);
    void OnKindChanged();
    void OnDelete();
    void OnChangeFolder();
    void OnSample();

    DECLARE_MESSAGE_MAP()

private:
    void ReadFolderSetting();
    void TakeSelection();
    void ClearSelection();
    // Fills the list and tells when the folder is missing.
    void FillListTellingMissingFolder();

    CListCtrl m_list;
    CComboBox m_kindCombo;
    CImageList m_images;
    std::vector<ArchiveEntry> m_entries;
};
