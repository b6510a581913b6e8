// The name of a proceeding saved for the first time or under another name; OK creates the
// proceeding's folder in the working folder.
#pragma once

#include "framework/ui/dialog.h"
#include "res/resource.h"

class CSaveAsDlg : public CDialog {
public:
    enum { IDD = IDD_SAVE_AS };
    static const int kMaxNameLength = 500;

    explicit CSaveAsDlg(CWnd *pParent = nullptr);
    void OnOK() override;

    // 0 when the folder <working folder>\<name> was made, -1 after a message saying why not.
    int CreateProceedingFolder();

    CString m_strName;

protected:
    void DoDataExchange(CDataExchange *pDX) override;
    void OnChooseWorkingFolder();
    DECLARE_MESSAGE_MAP()

    // The application's current-proceedings folder.
    virtual CString GetWorkingPath() const;
    // Runs the settings dialog so that the working folder can be changed.
    virtual void ChooseWorkingFolder();

private:
    void Inform(const CString &text);
};
