// The settings dialog: the program's folders, the euro rate and autosave.
#pragma once

#include "framework/ui/dialog.h"

class CUstawieniaDlg : public CDialog {
public:
    static constexpr int kShortestAutosave = 5;
    static constexpr int kLongestAutosave = 60;
    enum FocusField { FocusCurrent = 1, FocusArchive = 2, FocusSchedule = 3, FocusBackup = 4 };

    explicit CUstawieniaDlg(CWnd *pParent = nullptr);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange *pDX) override;
    void OnOK() override;

    // 1 when the five folders (trimmed) can be used, the missing ones created after one
    // question; 0 after a message.
    int CheckFolders();
    static int ClampPeriod(int minutes);

    int m_focusField = 0;
    CString m_currentFolder;
    CString m_archiveFolder;
    CString m_scheduleFolder;
    CString m_euroRate;
    int m_autosaveOn = 0;
    int m_autosavePeriod = 0;
    CString m_backupFolder;
    CString m_exportFolder;

protected:
    void OnAutosaveOn();
    void OnPeriodKillFocus();
    BOOL OnBrowse(UINT nID);

    DECLARE_MESSAGE_MAP()

private:
    void EnablePeriod();
};
