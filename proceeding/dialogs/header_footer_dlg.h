// The page header and footer of the proceeding's printed documents.
#pragma once

#include "framework/ui/dialog.h"
#include "res/resource.h"

class CHeaderFootSettingsDlg : public CDialog {
public:
    enum { IDD = IDD_HEADER_FOOTER };

    explicit CHeaderFootSettingsDlg(CWnd *pParent = nullptr);

    CString m_strHeader;
    CString m_strFooter;
    int m_nPageNumbering = 0;

protected:
    void DoDataExchange(CDataExchange *pDX) override;
};
