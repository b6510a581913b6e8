#pragma once
// CDialog: a dialog laid out by a dialog template of the resources.
//
// DoModal creates the dialog, disables its owner and runs its own modal loop (so
// PreTranslateMessage and idle updates work inside it) until EndDialog. Create makes a modeless
// dialog, or a child dialog inside another when the template has WS_CHILD | DS_CONTROL (the
// dialog manager then adds WS_EX_CONTROLPARENT, and Tab moves through it as through the
// parent's own controls). With a test hook installed, DoModal calls the hook after
// OnInitDialog instead of running the loop (see testhook.h).

#include "framework/ui/wnd.h"

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)

public:
    CDialog() = default;
    explicit CDialog(UINT nIDTemplate, CWnd *pParentWnd = nullptr);
    explicit CDialog(LPCTSTR lpszTemplateName, CWnd *pParentWnd = nullptr);

    BOOL Create(UINT nIDTemplate, CWnd *pParentWnd = nullptr);
    BOOL Create(LPCTSTR lpszTemplateName, CWnd *pParentWnd = nullptr);
    BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd *pParentWnd = nullptr);
    // IDOK, IDCANCEL or the value given to EndDialog; -1 when the dialog could not be created.
    virtual INT_PTR DoModal();

    // Fills the controls through UpdateData(FALSE); TRUE lets the dialog manager set the focus.
    virtual BOOL OnInitDialog();
    // Reads the controls back through UpdateData(TRUE) and ends with IDOK when they pass.
    virtual void OnOK();
    virtual void OnCancel();
    void EndDialog(int nResult);
    BOOL IsModal() const { return m_bModal; }

    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void GotoDlgCtrl(CWnd *pWndCtrl);
    void SetDefID(UINT nID);
    DWORD GetDefID() const;

    BOOL PreTranslateMessage(MSG *pMsg) override;

    DECLARE_MESSAGE_MAP()

    UINT m_nIDHelp = 0;
    LPCTSTR m_lpszTemplateName = nullptr;
    CWnd *m_pParentWnd = nullptr;

    LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);

private:
    friend INT_PTR CALLBACK DialogProcThunk(HWND, UINT, WPARAM, LPARAM);
    LPCDLGTEMPLATE LoadTemplate() const;
    BOOL CreateFromTemplate(LPCDLGTEMPLATE lpTemplate, HWND hWndParent);
    HWND ModalOwner() const;
    void RunModalLoop();
    void RunTestHook();

    BOOL m_bModal = FALSE;
    BOOL m_bEndModal = FALSE;
    int m_nModalResult = -1;
};

// The dialog procedure of every CDialog: at WM_INITDIALOG it binds the dialog window to the
// object that is being created (checked) and routes the window through WindowProcThunk.
INT_PTR CALLBACK DialogProcThunk(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
