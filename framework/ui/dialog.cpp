#include "framework/ui/dialog.h"

#include "framework/core/codepage.h"
#include "framework/core/module.h"
#include "framework/ui/testhook.h"
#include "framework/ui/whole_labels.h"
#include "framework/ui/winapp.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

namespace {
// The dialog being created on this thread: the only object WM_INITDIALOG may bind.
thread_local CDialog *dialogBeingCreated = nullptr;
} // namespace

INT_PTR CALLBACK DialogProcThunk(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE; // everything else reaches the dialog via WindowProcThunk
    CDialog *dialog = reinterpret_cast<CDialog *>(lParam);
    if (dialog == nullptr || dialog != dialogBeingCreated || dialog->m_hWnd != nullptr)
        return FALSE;
    dialogBeingCreated = nullptr;
    if (!dialog->SubclassWindow(hWnd))
        return FALSE;
    return dialog->DispatchThunkedMessage(WM_INITDIALOG, wParam, lParam);
}

CDialog::CDialog(UINT nIDTemplate, CWnd *pParentWnd)
    : m_nIDHelp(nIDTemplate), m_lpszTemplateName(MAKEINTRESOURCE(nIDTemplate)), m_pParentWnd(pParentWnd)
{
}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd *pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd)
{
}

LPCDLGTEMPLATE CDialog::LoadTemplate() const
{
    if (m_lpszTemplateName == nullptr)
        return nullptr;
    HINSTANCE module = AfxGetResourceHandle();
    std::wstring name;
    LPCWSTR resource = (LPCWSTR)m_lpszTemplateName;
    if (!IS_INTRESOURCE(m_lpszTemplateName)) {
        name = Cp1250ToWide(m_lpszTemplateName);
        resource = name.c_str();
    }
    HRSRC found = ::FindResourceW(module, resource, (LPCWSTR)RT_DIALOG);
    HGLOBAL loaded = found ? ::LoadResource(module, found) : nullptr;
    return loaded ? static_cast<LPCDLGTEMPLATE>(::LockResource(loaded)) : nullptr;
}

BOOL CDialog::CreateFromTemplate(LPCDLGTEMPLATE lpTemplate, HWND hWndParent)
{
    if (lpTemplate == nullptr || m_hWnd != nullptr)
        return FALSE;
    AfxEnsureCommonControls();
    CDialog *saved = dialogBeingCreated;
    dialogBeingCreated = this;
    HWND hWnd =
        ::CreateDialogIndirectParamW(AfxGetResourceHandle(), lpTemplate, hWndParent, DialogProcThunk, (LPARAM)this);
    dialogBeingCreated = saved;
    if (hWnd == nullptr)
        return FALSE;
    // OnInitDialog may have failed to bind (it never saw the object): do not keep a stranger.
    if (m_hWnd != hWnd) {
        ::DestroyWindow(hWnd);
        return FALSE;
    }
    return TRUE;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd *pParentWnd)
{
    return Create(MAKEINTRESOURCE(nIDTemplate), pParentWnd);
}

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd *pParentWnd)
{
    m_lpszTemplateName = lpszTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName))
        m_nIDHelp = (UINT)(UINT_PTR)lpszTemplateName;
    m_pParentWnd = pParentWnd;
    return CreateFromTemplate(LoadTemplate(), pParentWnd ? pParentWnd->m_hWnd : nullptr);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd *pParentWnd)
{
    m_pParentWnd = pParentWnd;
    return CreateFromTemplate(lpDialogTemplate, pParentWnd ? pParentWnd->m_hWnd : nullptr);
}

HWND CDialog::ModalOwner() const
{
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : ::GetActiveWindow();
    if (owner == nullptr) {
        CWnd *main = AfxGetMainWnd();
        owner = main ? main->m_hWnd : nullptr;
    }
    return owner ? ::GetAncestor(owner, GA_ROOT) : nullptr;
}

INT_PTR CDialog::DoModal()
{
    LPCDLGTEMPLATE dialogTemplate = LoadTemplate();
    if (dialogTemplate == nullptr)
        return -1;
    HWND owner = ModalOwner();
    BOOL ownerEnabled = owner != nullptr && ::IsWindowEnabled(owner);
    if (ownerEnabled)
        ::EnableWindow(owner, FALSE);

    m_bModal = TRUE;
    m_bEndModal = FALSE;
    m_nModalResult = -1;
    if (CreateFromTemplate(dialogTemplate, owner)) {
        if (!m_bEndModal) {
            if (AfxGetTestHook() != nullptr) {
                RunTestHook();
            } else {
                RunModalLoop();
            }
        }
        // Give the activation back to the owner before the dialog disappears.
        if (ownerEnabled)
            ::EnableWindow(owner, TRUE);
        if (owner != nullptr && ::GetActiveWindow() == m_hWnd)
            ::SetActiveWindow(owner);
        DestroyWindow();
    } else if (ownerEnabled) {
        ::EnableWindow(owner, TRUE);
    }
    m_bModal = FALSE;
    return m_nModalResult;
}

// The dialog stays hidden: focus and keys work without it, and unmapping a shown captioned
// window costs Wine seconds when no window manager answers.
void CDialog::RunTestHook()
{
    CTestHook *hook = AfxGetTestHook();
    if (hook->onDialog)
        hook->onDialog(*this);
    if (!m_bEndModal)
        EndDialog(IDCANCEL);
}

void CDialog::RunModalLoop()
{
    ShowWindow(SW_SHOWNORMAL);
    UpdateWindow();
    BOOL idle = TRUE;
    LONG idleCount = 0;
    MSG msg;
    for (;;) {
        while (idle && !::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, idleCount++))
                idle = FALSE;
        }
        do {
            if (!::GetMessageW(&msg, nullptr, 0, 0)) {
                // WM_QUIT belongs to the main loop: end the dialog and pass it on.
                ::PostQuitMessage((int)msg.wParam);
                EndDialog(IDCANCEL);
                return;
            }
            CWinThread *thread = AfxGetThread();
            BOOL eaten = thread ? thread->PreTranslateMessage(&msg) : CWnd::WalkPreTranslateTree(m_hWnd, &msg);
            if (!eaten) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
            if (m_bEndModal)
                return;
            if (msg.message != WM_TIMER && msg.message != WM_PAINT) {
                idle = TRUE;
                idleCount = 0;
            }
        } while (::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
    }
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    KeepLabelsWhole(m_hWnd);
    return OnInitDialog();
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::EndDialog(int nResult)
{
    if (m_bModal) {
        m_nModalResult = nResult;
        m_bEndModal = TRUE;
    } else if (m_hWnd != nullptr) {
        ::EndDialog(m_hWnd, nResult);
    }
}

void CDialog::NextDlgCtrl() const
{
    SendMessage(WM_NEXTDLGCTL, 0, FALSE);
}
void CDialog::PrevDlgCtrl() const
{
    SendMessage(WM_NEXTDLGCTL, 1, FALSE);
}
void CDialog::GotoDlgCtrl(CWnd *pWndCtrl)
{
    if (pWndCtrl != nullptr)
        SendMessage(WM_NEXTDLGCTL, (WPARAM)pWndCtrl->m_hWnd, TRUE);
}
void CDialog::SetDefID(UINT nID)
{
    SendMessage(DM_SETDEFID, nID);
}
DWORD CDialog::GetDefID() const
{
    return (DWORD)SendMessage(DM_GETDEFID);
}

BOOL CDialog::PreTranslateMessage(MSG *pMsg)
{
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return FALSE;
    // A dialog inside another leaves the keys to the outer one, which tabs through both.
    if (GetStyle() & WS_CHILD)
        return FALSE;
    return ::IsDialogMessageW(m_hWnd, pMsg);
}
