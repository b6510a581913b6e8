#include "proceeding/editors/date_editor_dlg.h"

#include <cstdlib>

#include "evaluation/calendar/calendar_dlg.h"
#include "evaluation/deadline/deadline_dlg.h"
#include "framework/core/module.h"
#include "framework/ui/ddx.h"
#include "framework/ui/msgbox.h"
#include "framework/ui/msgmap.h"
#include "res/editors_ids.h"

BEGIN_MESSAGE_MAP(CDateEditorDlg, CDialog)
    ON_WM_CREATE()
    ON_BN_CLICKED(IDC_DATE_SCHEDULER, OnScheduler)
    ON_BN_CLICKED(IDC_DATE_DEADLINE, OnComputeDeadline)
END_MESSAGE_MAP()

CDateEditorDlg::CDateEditorDlg(CWnd *pParent)
    : CDialog(IDD_DATE_EDITOR, pParent), m_date(COleDateTime::GetCurrentTime())
{
}

BOOL CDateEditorDlg::Create(CWnd *pParent)
{
    return CDialog::Create(IDD_DATE_EDITOR, pParent);
}

int CDateEditorDlg::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    return CDialog::OnCreate(lpCreateStruct) == -1 ? -1 : 0;
}

void CDateEditorDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DATE_PICKER, m_picker);
    DDX_DateTimeCtrl(pDX, IDC_DATE_PICKER, m_date);
}

BOOL CDateEditorDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText("Edytor - " + m_strVariableName);
    SetIcon((HICON)::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDI_EDITOR), IMAGE_ICON, 16, 16, 0), FALSE);
    m_picker.SetFormat("yyyy-MM-dd");
    if (m_strValue.GetLength() == 10) {
        const COleDateTime date(atoi(m_strValue.Left(4)), atoi(m_strValue.Mid(5, 2)), atoi(m_strValue.Right(2)), 1, 1,
                                1);
        // A text that names no day leaves the picker at today.
        if (date.GetStatus() == COleDateTime::valid) {
            m_date = date;
            UpdateData(FALSE);
        }
    }
    GetDlgItem(IDC_DATE_SCHEDULER)->EnableWindow(m_nMode == 1 || m_nMode == 2);
    GetDlgItem(IDC_DATE_DEADLINE)->EnableWindow(m_nMode == 2);
    GetDlgItem(IDC_EDITOR_DICTIONARY)->EnableWindow(FALSE);
    return TRUE;
}

bool CDateEditorDlg::ReadPickedDay(int firstYear, int lastYear, UINT icon, int &year, int &month, int &day)
{
    if (!UpdateData(TRUE))
        return false;
    year = m_date.GetYear();
    month = m_date.GetMonth();
    day = m_date.GetDay();
    if (m_date.GetStatus() != COleDateTime::valid || year < firstYear || year > lastYear || month < 1 || month > 12
        || day < 1 || day > 31) {
        AfxShowMessageBox(m_hWnd, "Błędny format daty", "Błąd", icon);
        return false;
    }
    return true;
}

void CDateEditorDlg::OnOK()
{
    int year, month, day;
    if (!ReadPickedDay(1900, 2100, MB_ICONEXCLAMATION, year, month, day))
        return;
    m_strValue.Format("%04d-%02d-%02d", year, month, day);
    EndDialog(IDOK);
}

void CDateEditorDlg::RunScheduler(int mode, int year, int month, int day)
{
    CTerminarzDlg scheduler(this);
    scheduler.m_strFolder = m_strSchedulePath;
    scheduler.m_nMode = mode;
    scheduler.m_nYear = year;
    scheduler.m_nMonth = month;
    scheduler.m_nDay = day;
    scheduler.DoModal();
}

void CDateEditorDlg::OnScheduler()
{
    int year, month, day;
    if (ReadPickedDay(1901, 2099, MB_ICONERROR, year, month, day))
        RunScheduler(CTerminarzDlg::ModeAddAtOnce, year, month, day);
}

void CDateEditorDlg::OnComputeDeadline()
{
    int year, month, day;
    if (!ReadPickedDay(1901, 2099, MB_ICONERROR, year, month, day))
        return;
    CObliczTerminDlg calculator(this);
    calculator.m_nDay = day;
    calculator.m_nMonth = month;
    calculator.m_nYear = year;
    calculator.m_nProcedureCode = m_nProcedureCode;
    calculator.m_bWorksOrder = m_bWorksOrder;
    if (calculator.DoModal() != IDOK)
        return;
    RunScheduler(CTerminarzDlg::ModeAddDeadline, calculator.m_nYear, calculator.m_nMonth, calculator.m_nDay);
    m_date = COleDateTime(calculator.m_nYear, calculator.m_nMonth, calculator.m_nDay, 1, 1, 1);
    UpdateData(FALSE);
}
