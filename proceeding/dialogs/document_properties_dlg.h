// Which documents of the proceeding are secured against changes; a proceeding whose every
// document is secured may be closed and moved to the archive from here.
#pragma once

#include "model/document_slots.h"
#include "framework/ui/commctrls.h"
#include "framework/ui/dialog.h"
#include "res/resource.h"

class CDocumentPropertiesDlg : public CDialog {
public:
    enum { IDD = IDD_DOCUMENT_PROPERTIES };
    static const char kLocked[];
    static const char kUnlocked[];
    static const char kComment[];
    static const char kWordDocument[];
    static const char kExcelDocument[];

    explicit CDocumentPropertiesDlg(CWnd *pParent = nullptr);
    BOOL OnInitDialog() override;
    void OnOK() override;

    int m_nRows = 0;                        // rows listed
    int m_nArchiveRequest = 0;              // 1: close and move to the archive
    CString m_strFileNames[kDocumentSlots]; // slots with an empty file name are not listed
    CString m_strDocumentNames[kDocumentSlots];
    int m_nLocked[kDocumentSlots] = {};
    int m_nComment[kDocumentSlots] = {};
    CListCtrl m_list;

protected:
    void DoDataExchange(CDataExchange *pDX) override;
    void OnListClick(NMHDR *pNMHDR, LRESULT *pResult);
    void OnSecure();
    void OnSecureAll();
    void OnCloseAndArchive();
    DECLARE_MESSAGE_MAP()

private:
    CString InitialState(int slot) const;
    int SelectedRow() const;
    bool IsCommentRow(int row) const;
    bool AnyUnlocked() const;
    void SetSecureButton(BOOL enable, const char *text);
    void StoreFlags();
};
