// A wizard made of ordinary dialogs: the container shows one child page at a time over a
// placeholder control and drives Back, Next and Finish. Each page says where Back and Next
// lead: -1 stays, 0 goes to the neighbour in list order, any other value is the resource id
// of the page to show.
#pragma once

#include "framework/core/list.h"
#include "framework/ui/dialog.h"

class CWizardDialog;

class CWizardPageBase : public CDialog {
public:
    explicit CWizardPageBase(UINT nIDTemplate);

    virtual BOOL OnCreatePage() { return TRUE; }
    virtual void OnDestroyPage() {}
    // FALSE keeps the page shown: Next, Back, Finish and jumps all stop.
    virtual BOOL OnKillActive() { return TRUE; }
    virtual void OnSetActive() {}
    virtual BOOL OnQueryCancel() { return TRUE; }
    virtual LRESULT OnWizardBack() { return 0; }
    virtual LRESULT OnWizardNext() { return 0; }
    virtual BOOL OnWizardFinish() { return TRUE; }

    CWizardDialog *m_pWizard = nullptr;
    BOOL m_bCreated = FALSE;
    BOOL m_bActive = FALSE;
    UINT m_nResourceID;

    // A page is a child window: Escape asks the wizard to cancel instead of ending the page.
    void OnCancel() override;
};

class CWizardDialog : public CDialog {
public:
    CWizardDialog(UINT nIDTemplate, CWnd *pParent);

    // The list does not own its pages.
    void AddPage(CWizardPageBase *pPage, UINT nID);
    void SetPlaceholderID(int nID) { m_nPlaceholderID = nID; }

    CWizardPageBase *GetFirstPage() const;
    CWizardPageBase *GetLastPage() const;
    CWizardPageBase *GetActivePage() const;
    CWizardPageBase *GetPageByResource(UINT nID) const;
    void SetActivePageByResource(UINT nID);

    BOOL ActivatePage(CWizardPageBase *pPage);
    BOOL DeactivatePage();
    BOOL DestroyPage(CWizardPageBase *pPage);
    BOOL ShowFirstPage();

    void EnableBack(BOOL bEnable);
    void EnableNext(BOOL bEnable);
    void EnableFinish(BOOL bEnable);

    BOOL OnInitDialog() override;
    // Enter alone never ends a wizard: only Finish and Cancel do.
    void OnOK() override {}
    void OnCancel() override;
    void OnWizardBack();
    void OnWizardNext();
    void OnWizardFinish();

protected:
    void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    CWizardPageBase *Neighbour(CWizardPageBase *pPage, bool after) const;

    CPtrList m_pages;
    int m_nPlaceholderID = 0;
};
