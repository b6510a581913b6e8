// The name of a document added to, or renamed in, the document list.
#pragma once

#include "framework/ui/dialog.h"
#include "res/resource.h"

class CAddDocumentDlg : public CDialog {
public:
    enum { IDD = IDD_ADD_DOCUMENT };

    explicit CAddDocumentDlg(CWnd *pParent = nullptr);

    CString m_strSecondText; // carried for the caller, not shown
    CString m_strName;

protected:
    void DoDataExchange(CDataExchange *pDX) override;
};
