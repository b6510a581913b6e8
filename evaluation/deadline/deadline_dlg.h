// The deadline calculator: a small wizard from the day the contract notice is sent to the day
// its publication is expected and the earliest day the time for offers (or requests) may run out.
// A proceeding of the act of 2004 goes through that act's steps (the way the notice is sent,
// then the term); everything else through the steps of the act of 2019.
#pragma once

#include "controls/color_button.h"
#include "controls/hover_button.h"
#include "controls/mask_edit.h"
#include "evaluation/deadline/deadline_terms.h"
#include "framework/ui/dialog.h"
#include "res/deadline_ids.h"

class CObliczTerminDlg : public CDialog {
public:
    enum { IDD = IDD_OBLICZ_TERMIN };
    enum {
        kOptionCount = 8,
        kKindStep = 0,
        kTermStep = 1,
        kLastStep = 2,
        // Steps of the act of 2004: the way of sending, by post how soon, the term, the result.
        kSendStep2004 = 1,
        kPromptStep2004 = 2,
        kTermStep2004 = 3,
        kLastStep2004 = 4,
    };

    explicit CObliczTerminDlg(CWnd *pParent = nullptr);

    // In: the send date when a procedure code is given; out: the expiry date after "Zakończ".
    int m_nDay = 0;
    int m_nMonth = 0;
    int m_nYear = 0;
    int m_nProcedureCode = -1;  // -1: none, the wizard asks for the kind of proceeding
    bool m_bWorksOrder = false; // the proceeding's order is for works: its term is preselected
    CString m_strResultName;    // out: the proceeding's name, for the calendar

    BOOL OnInitDialog() override;
    void OnOK() override;

protected:
    void DoDataExchange(CDataExchange *pDX) override;
    void OnBack();
    DECLARE_MESSAGE_MAP()

private:
    void ShowStep();
    void ShowStep2004();
    void ShowResult2004();
    int LastStep() const { return m_bAct2004 ? kLastStep2004 : kLastStep; }
    int TermStep() const { return m_bAct2004 ? kTermStep2004 : kTermStep; }
    void ShowOptions(const char *const texts[kOptionCount]);
    void SetToolTip(int option, const char *text);
    void ShowResult();
    void ShowControl(int id, bool show);

    int m_nStep = 0;
    int m_nRadio = 0;
    bool m_bAct2004 = false;
    int m_answers[4] = {-1, -1, -1, -1}; // 2019: kind, term; 2004: -, way, promptness, term
    CString m_strPublicationLabel;
    CString m_strExpiryLabel;
    CString m_strPublicationDate;
    CString m_strExpiryDate;
    CString m_strSendDate;
    CString m_strSendLabel;
    CString m_strComment;
    CString m_strName;

    CColorButton m_title;
    CHoverButton m_options[kOptionCount];
    CDateEdit m_sendDate;
    CDateEdit m_publicationDate;
    CDateEdit m_expiryDate;
};
