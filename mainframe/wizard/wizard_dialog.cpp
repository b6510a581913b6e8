#include "mainframe/wizard/wizard_dialog.h"

#include "framework/ui/msgmap.h"
#include "res/wizard_ids.h"

CWizardPageBase::CWizardPageBase(UINT nIDTemplate) : CDialog(nIDTemplate), m_nResourceID(nIDTemplate) {}

void CWizardPageBase::OnCancel()
{
    if (m_pWizard != nullptr)
        m_pWizard->OnCancel();
}

BEGIN_MESSAGE_MAP(CWizardDialog, CDialog)
    ON_BN_CLICKED(IDC_WIZARD_BACK, OnWizardBack)
    ON_BN_CLICKED(IDC_WIZARD_NEXT, OnWizardNext)
    ON_BN_CLICKED(IDC_WIZARD_FINISH, OnWizardFinish)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CWizardDialog::CWizardDialog(UINT nIDTemplate, CWnd *pParent) : CDialog(nIDTemplate, pParent) {}

void CWizardDialog::AddPage(CWizardPageBase *pPage, UINT nID)
{
    pPage->m_nResourceID = nID;
    m_pages.AddTail(pPage);
}

CWizardPageBase *CWizardDialog::GetFirstPage() const
{
    return m_pages.IsEmpty() ? nullptr : static_cast<CWizardPageBase *>(m_pages.GetHead());
}

CWizardPageBase *CWizardDialog::GetLastPage() const
{
    return m_pages.IsEmpty() ? nullptr : static_cast<CWizardPageBase *>(m_pages.GetTail());
}

CWizardPageBase *CWizardDialog::GetActivePage() const
{
    for (POSITION pos = m_pages.GetHeadPosition(); pos != nullptr;) {
        auto *page = static_cast<CWizardPageBase *>(m_pages.GetNext(pos));
        if (page->m_bActive)
            return page;
    }
    return nullptr;
}

CWizardPageBase *CWizardDialog::GetPageByResource(UINT nID) const
{
    for (POSITION pos = m_pages.GetHeadPosition(); pos != nullptr;) {
        auto *page = static_cast<CWizardPageBase *>(m_pages.GetNext(pos));
        if (page->m_nResourceID == nID)
            return page;
    }
    return nullptr;
}

CWizardPageBase *CWizardDialog::Neighbour(CWizardPageBase *pPage, bool after) const
{
    CWizardPageBase *previous = nullptr;
    for (POSITION pos = m_pages.GetHeadPosition(); pos != nullptr;) {
        auto *page = static_cast<CWizardPageBase *>(m_pages.GetNext(pos));
        if (page == pPage) {
            if (!after)
                return previous;
            return pos != nullptr ? static_cast<CWizardPageBase *>(m_pages.GetNext(pos)) : nullptr;
        }
        previous = page;
    }
    return nullptr;
}

void CWizardDialog::SetActivePageByResource(UINT nID)
{
    CWizardPageBase *page = GetPageByResource(nID);
    if (page != nullptr && DeactivatePage())
        ActivatePage(page);
}

BOOL CWizardDialog::ActivatePage(CWizardPageBase *pPage)
{
    if (!pPage->m_bCreated) {
        if (!pPage->Create(pPage->m_nResourceID, this))
            return FALSE;
        pPage->m_bCreated = TRUE;
        pPage->m_pWizard = this;
        if (!pPage->OnCreatePage())
            return FALSE;
    }
    if (!DeactivatePage())
        return FALSE;

    CRect place;
    GetDlgItem(m_nPlaceholderID)->GetWindowRect(&place);
    ScreenToClient(&place);
    pPage->SetWindowPos(nullptr, place.left + 6, place.top + 12, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOZORDER);
    pPage->EnableWindow(TRUE);
    pPage->ShowWindow(SW_SHOW);
    pPage->Invalidate();
    pPage->UpdateWindow();

    pPage->OnSetActive();
    pPage->m_bActive = TRUE;
    return TRUE;
}

BOOL CWizardDialog::DeactivatePage()
{
    CWizardPageBase *page = GetActivePage();
    if (page == nullptr)
        return TRUE;
    if (!page->OnKillActive())
        return FALSE;
    page->ShowWindow(SW_HIDE);
    page->m_bActive = FALSE;
    return TRUE;
}

BOOL CWizardDialog::DestroyPage(CWizardPageBase *pPage)
{
    if (!pPage->m_bCreated)
        return TRUE;
    if (!pPage->OnKillActive())
        return FALSE;
    pPage->OnDestroyPage();
    pPage->DestroyWindow();
    pPage->m_bCreated = FALSE;
    pPage->m_bActive = FALSE;
    return TRUE;
}

BOOL CWizardDialog::ShowFirstPage()
{
    CWizardPageBase *first = GetFirstPage();
    if (first == nullptr || !DeactivatePage())
        return FALSE;
    EnableBack(FALSE);
    const bool single = m_pages.GetCount() < 2;
    EnableFinish(single);
    EnableNext(!single);
    return ActivatePage(first);
}

void CWizardDialog::EnableBack(BOOL bEnable)
{
    GetDlgItem(IDC_WIZARD_BACK)->EnableWindow(bEnable);
}

void CWizardDialog::EnableNext(BOOL bEnable)
{
    CWnd *next = GetDlgItem(IDC_WIZARD_NEXT);
    next->EnableWindow(bEnable);
    next->ShowWindow(bEnable ? SW_SHOW : SW_HIDE);
}

void CWizardDialog::EnableFinish(BOOL bEnable)
{
    CWnd *finish = GetDlgItem(IDC_WIZARD_FINISH);
    finish->EnableWindow(bEnable);
    finish->ShowWindow(bEnable ? SW_SHOW : SW_HIDE);
}

BOOL CWizardDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    // Tab and the arrow keys have to walk into the page windows too.
    ModifyStyleEx(0, WS_EX_CONTROLPARENT);
    ShowFirstPage();
    return TRUE;
}

void CWizardDialog::OnWizardNext()
{
    CWizardPageBase *active = GetActivePage();
    if (active == nullptr)
        return;
    const LRESULT where = active->OnWizardNext();
    if (where == -1)
        return;
    CWizardPageBase *target = where == 0 ? Neighbour(active, true) : GetPageByResource((UINT)where);
    if (target == nullptr || !ActivatePage(target))
        return;
    if (target == GetLastPage()) {
        EnableNext(FALSE);
        EnableFinish(TRUE);
    }
    EnableBack(TRUE);
}

void CWizardDialog::OnWizardBack()
{
    CWizardPageBase *active = GetActivePage();
    if (active == nullptr)
        return;
    const LRESULT where = active->OnWizardBack();
    if (where == -1)
        return;
    CWizardPageBase *target = where == 0 ? Neighbour(active, false) : GetPageByResource((UINT)where);
    if (target == nullptr || !ActivatePage(target))
        return;
    if (target == GetFirstPage()) {
        EnableBack(FALSE);
        EnableFinish(FALSE);
    }
    EnableNext(TRUE);
}

void CWizardDialog::OnWizardFinish()
{
    CWizardPageBase *active = GetActivePage();
    if (active != nullptr && !active->OnKillActive())
        return;
    for (POSITION pos = m_pages.GetHeadPosition(); pos != nullptr;) {
        auto *page = static_cast<CWizardPageBase *>(m_pages.GetNext(pos));
        if (page->m_bCreated && !page->OnWizardFinish())
            return;
    }
    if (UpdateData(TRUE))
        EndDialog(IDC_WIZARD_FINISH);
}

void CWizardDialog::OnCancel()
{
    for (POSITION pos = m_pages.GetHeadPosition(); pos != nullptr;) {
        auto *page = static_cast<CWizardPageBase *>(m_pages.GetNext(pos));
        if (page->m_bCreated && !page->OnQueryCancel())
            return;
    }
    EndDialog(IDCANCEL);
}

void CWizardDialog::OnDestroy()
{
    for (POSITION pos = m_pages.GetHeadPosition(); pos != nullptr;)
        DestroyPage(static_cast<CWizardPageBase *>(m_pages.GetNext(pos)));
    CDialog::OnDestroy();
}
