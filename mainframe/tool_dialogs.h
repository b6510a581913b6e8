// Small dialogs of the main window's tools: the list of open windows, the contracting
// authority's data and moving a proceeding to the archive.
#pragma once

#include "framework/ui/commctrls.h"
#include "framework/ui/dialog.h"

class CMainFrame;

class CWindows : public CDialog {
public:
    explicit CWindows(CMainFrame &frame, CWnd *pParent = nullptr);
    BOOL OnInitDialog() override;
    CListCtrl &List() { return m_list; }

protected:
    void OnListClick(NMHDR *pNMHDR, LRESULT *pResult);
    void OnActivate();
    void OnCloseWindows();

    DECLARE_MESSAGE_MAP()

private:
    void Refill();
    CMainFrame &m_frame;
    CListCtrl m_list;
};

class CDaneZamawiajacegoDlg : public CDialog {
public:
    static constexpr int kFields = 9;
    static const char *const kPlaceholders[kFields];

    explicit CDaneZamawiajacegoDlg(CWnd *pParent = nullptr);
    void DoDataExchange(CDataExchange *pDX) override;

    CString m_fields[kFields]; // name, street, postal code, town, telephone, e-mail, www, hours, fax
};

// Runs the authority's data dialog over the application's texts and stores them on "Zapisz".
void EditBuyerData(CWnd *parent);

class CPrzenoszenieDoArchiwumDlg : public CDialog {
public:
    static constexpr int kMaxDescription = 200;

    explicit CPrzenoszenieDoArchiwumDlg(CWnd *pParent = nullptr);
    void DoDataExchange(CDataExchange *pDX) override;
    void OnOK() override;

    CString m_suffix; // the procedure code in decimal
    CString m_archivePath;
    CString m_description;
    CString m_signature;
};
