// "Lista dokumentów": edits the ordered document names of a document-list variable. The caller
// sets the caption (the occurrence's name) and the value ("name|name|"), runs DoModal and after
// IDOK reads the value back in the same form.
#pragma once

#include "framework/ui/controls.h"
#include "framework/ui/dialog.h"
#include "res/lists_ids.h"

class CDocumentListDlg : public CDialog {
public:
    enum { IDD = IDD_DOCUMENT_LIST };

    explicit CDocumentListDlg(CWnd *pParent = nullptr);

    CString m_strCaption; // used when not empty
    CString m_strValue;   // in and out

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnAdd();
    void OnDelete();
    void OnEdit();
    void OnMoveUp();
    void OnMoveDown();

    CListBox m_list;

protected:
    void DoDataExchange(CDataExchange *pDX) override;
    DECLARE_MESSAGE_MAP()

private:
    void MoveSelected(int step);
};
