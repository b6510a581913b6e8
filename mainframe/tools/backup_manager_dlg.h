// The backup manager: lists the backups of the backup folder and starts the backup program to
// make a new one or to restore the chosen one.
#pragma once

#include <functional>

#include "framework/ui/commctrls.h"
#include "framework/ui/dialog.h"

class CBackupManagerDlg : public CDialog {
public:
    explicit CBackupManagerDlg(CWnd *pParent = nullptr);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange *pDX) override;

    void FillList();
    CListCtrl &List() { return m_list; }

    CString m_folder;
    // Starts a program with its arguments; false when it could not be started.
    std::function<bool(const CString &program, const CString &arguments)> startProgram;

protected:
    void OnBackup();
    void OnRestore();
    void OnRefresh();
    void OnChangeFolder();
    void OnCloseButton();

    DECLARE_MESSAGE_MAP()

private:
    CString BackupProgramPath() const;
    void Start(const CString &arguments);

    CListCtrl m_list;
};

// The argument that names a backup to restore: the path with every blank written as "@".
CString BackupRestoreArgument(const CString &folder, const CString &fileName);
