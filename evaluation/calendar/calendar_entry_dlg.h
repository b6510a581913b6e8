// "Wiadomość": the text, time of day and flags of one calendar entry.
#pragma once

#include "framework/ui/commctrls.h"
#include "framework/ui/dialog.h"
#include "res/calendar_ids.h"

class CWiadomoscDlg : public CDialog {
public:
    enum { IDD = IDD_WIADOMOSC, kMaxTextLength = 4000 };

    explicit CWiadomoscDlg(CWnd *pParent = nullptr);

    // In for editing (with m_bEditMode), out after OK. A new entry starts at the current time.
    int m_nHour = 0;
    int m_nMinute = 0;
    CString m_strText;
    int m_nAlarm = 0;
    int m_nPriority = 0;
    int m_bEditMode = 0;

    BOOL OnInitDialog() override;
    void OnOK() override;

protected:
    void DoDataExchange(CDataExchange *pDX) override;

private:
    CDateTimeCtrl m_time;
};
