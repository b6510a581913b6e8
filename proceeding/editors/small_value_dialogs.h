// Small dialogs that collect one or a few texts for other windows: the caller fills the public
// members, runs DoModal and reads them back after IDOK.
#pragma once

#include "framework/ui/dialog.h"

// "Dodaj kryterium": the name of a new criterion.
class CAddCriterionDlg : public CDialog {
public:
    explicit CAddCriterionDlg(CWnd *pParent = nullptr);
    CString m_strCaption; // used when not empty
    CString m_strText;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange *pDX) override;
};

// "Edycja kryteriów": an offer number and the values of up to ten criteria.
class CEditCriteriaDlg : public CDialog {
public:
    static constexpr int kCriteria = 10;
    explicit CEditCriteriaDlg(CWnd *pParent = nullptr);
    int m_nFlag = 0;          // 0: the used criteria start as "0"
    int m_nCriteriaCount = 0; // 0..10
    CString m_strCriteria[kCriteria];
    CString m_strOfferNumber;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange *pDX) override;
    void OnOK() override;
};

// "Wartość tekstowa": one labelled line that may not stay empty.
class CWartoscTekstowaDlg : public CDialog {
public:
    explicit CWartoscTekstowaDlg(CWnd *pParent = nullptr);
    CString m_strLabel;
    CString m_strValue;
    CString m_strCaption; // used when not empty

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange *pDX) override;
    void OnOK() override;
};

// "Wartości domyślne": the first twelve default texts of a new proceeding (case number, task
// name, then the buyer's data with the fax last).
class CWartosciDomyslneDlg : public CDialog {
public:
    static constexpr int kValues = 12;
    explicit CWartosciDomyslneDlg(CWnd *pParent = nullptr);
    CString m_values[kValues];

    void DoDataExchange(CDataExchange *pDX) override;
};
