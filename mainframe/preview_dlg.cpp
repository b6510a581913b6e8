#include "mainframe/preview_dlg.h"

#include "framework/ui/ddx.h"
#include "res/resource.h"

BOOL CHtmlCtrl::CreateFromStatic(UINT nID, CWnd *pParent)
{
    HWND placeholder = pParent ? ::GetDlgItem(pParent->GetSafeHwnd(), nID) : nullptr;
    if (!placeholder)
        return FALSE;
    RECT area;
    ::GetWindowRect(placeholder, &area);
    ::MapWindowPoints(nullptr, pParent->GetSafeHwnd(), reinterpret_cast<POINT *>(&area), 2);
    ::DestroyWindow(placeholder);
    return Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, area, pParent, nID);
}

void CHtmlCtrl::OnAppCmd(LPCTSTR) {}

void CHtmlCtrl::OnBeforeNavigate2(LPCTSTR lpszURL, DWORD nFlags, LPCTSTR lpszTargetFrameName, CByteArray &baPostedData,
                                  LPCTSTR lpszHeaders, BOOL *pbCancel)
{
    const CString url = lpszURL ? lpszURL : "";
    if (url.Left(4).CompareNoCase("app:") == 0) {
        OnAppCmd(url.Mid(4));
        *pbCancel = TRUE;
        return;
    }
    CHtmlView::OnBeforeNavigate2(lpszURL, nFlags, lpszTargetFrameName, baPostedData, lpszHeaders, pbCancel);
}

BEGIN_MESSAGE_MAP(CPreview, CDialog)
    ON_BN_CLICKED(IDCANCEL, OnClose)
END_MESSAGE_MAP()

CPreview::CPreview(CWnd *pParent) : CDialog(IDD_PREVIEW, pParent) {}

void CPreview::DoDataExchange(CDataExchange *pDX)
{
    DDX_Check(pDX, IDC_PREVIEW_SHOW_NEXT_TIME, m_showNextTime);
}

BOOL CPreview::OnInitDialog()
{
    m_showNextTime = 1;
    m_page.CreateFromStatic(IDC_PREVIEW_PLACEHOLDER, this);
    m_page.ShowWindow(SW_HIDE);
    if (!m_path.IsEmpty())
        m_page.Navigate2("file:///" + m_path);
    m_page.ShowWindow(SW_SHOW);
    CDialog::OnInitDialog();
    return TRUE;
}

void CPreview::OnClose()
{
    UpdateData(TRUE);
    EndDialog(IDCANCEL);
}
