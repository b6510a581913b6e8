// The editor of a date variable: a picker in "yyyy-MM-dd"; the value crosses as "RRRR-MM-DD".
#pragma once

#include "framework/core/oledatetime.h"
#include "framework/ui/commctrls.h"
#include "framework/ui/dialog.h"

class CDateEditorDlg : public CDialog {
public:
    explicit CDateEditorDlg(CWnd *pParent = nullptr);

    // A modeless editor (the class library's create path, for callers that embed it).
    BOOL Create(CWnd *pParent);

    CString m_strSchedulePath;
    CString m_strVariableName;
    CString m_strValue; // "RRRR-MM-DD", in and out
    int m_nMode = 0;    // 0 date only, 1 with the calendar, 2 also the deadline calculator
    int m_nProcedureCode = 0;
    bool m_bWorksOrder = false; // the deadline calculator preselects the works term
    // The picked day; an OLE date, since years before 1970 have to be refused, not lost.
    COleDateTime m_date;
    CDateTimeCtrl m_picker;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange *pDX) override;
    void OnOK() override;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    // "Terminarz": the calendar on the picked day, asking for an entry at once.
    void OnScheduler();
    // "Oblicz termin": the deadline calculator from the picked day; its expiry date goes into
    // the calendar as the offer deadline and is picked.
    void OnComputeDeadline();

private:
    void RunScheduler(int mode, int year, int month, int day);
    // The picked day within the years given; otherwise "Błędny format daty" with the icon.
    bool ReadPickedDay(int firstYear, int lastYear, UINT icon, int &year, int &month, int &day);
    DECLARE_MESSAGE_MAP()
};
