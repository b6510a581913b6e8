#include "evaluation/calendar/calendar_entry_dlg.h"

#include "framework/ui/ddx.h"

CWiadomoscDlg::CWiadomoscDlg(CWnd *pParent) : CDialog(IDD, pParent) {}

void CWiadomoscDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_NOTE_TIME, m_time);
    DDX_Text(pDX, IDC_NOTE_TEXT, m_strText);
    DDV_MaxChars(pDX, m_strText, kMaxTextLength);
    DDX_Check(pDX, IDC_NOTE_ALARM, m_nAlarm);
    DDX_Check(pDX, IDC_NOTE_PRIORITY, m_nPriority);
}

BOOL CWiadomoscDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_time.SetFormat("HH:mm");
    SYSTEMTIME time;
    ::GetLocalTime(&time);
    if (m_bEditMode) {
        time.wHour = static_cast<WORD>(m_nHour);
        time.wMinute = static_cast<WORD>(m_nMinute);
    }
    time.wSecond = 0;
    time.wMilliseconds = 0;
    m_time.SetTime(&time);
    return TRUE;
}

void CWiadomoscDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    SYSTEMTIME time{};
    m_time.GetTime(&time);
    m_nHour = time.wHour;
    m_nMinute = time.wMinute;
    EndDialog(IDOK);
}
