// The HTML control that dialogs place where a static placeholder was, and the information page
// that shows a local HTML file after start-up.
#pragma once

#include "framework/shell/htmlview.h"
#include "framework/ui/dialog.h"

class CHtmlCtrl : public CHtmlView {
public:
    // Takes the place, size and id of the parent's control nID, which goes.
    BOOL CreateFromStatic(UINT nID, CWnd *pParent);
    // "app:" links (in any letter case) come here with the text after "app:" and go nowhere.
    virtual void OnAppCmd(LPCTSTR lpszWhere);

    void OnBeforeNavigate2(LPCTSTR lpszURL, DWORD nFlags, LPCTSTR lpszTargetFrameName, CByteArray &baPostedData,
                           LPCTSTR lpszHeaders, BOOL *pbCancel) override;
};

class CPreview : public CDialog {
public:
    explicit CPreview(CWnd *pParent = nullptr);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange *pDX) override;
    CHtmlCtrl &HtmlControl() { return m_page; }

    CString m_path;         // the file shown; set before the run
    int m_showNextTime = 0; // check box "Pokaż przy następnym uruchomieniu programu"

protected:
    void OnClose();

    DECLARE_MESSAGE_MAP()

private:
    CHtmlCtrl m_page;
};
