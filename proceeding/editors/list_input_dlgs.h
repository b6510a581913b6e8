// The small dialogs through which the list editor adds and changes one row: the caller fills
// the public members, runs DoModal and reads them back after IDOK.
#pragma once

#include "framework/ui/dialog.h"

// "Wprowadź": a criterion's name and weight. The weight field takes digits and "." only.
class CCriterionInputDlg : public CDialog {
public:
    explicit CCriterionInputDlg(CWnd *pParent = nullptr);
    CString m_strName;
    CString m_strWeight;
    CString m_strScoring;
    CString m_strOfferNumber;
    int m_nListKind = 0; // 0: only the name and the weight are asked for

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange *pDX) override;

protected:
    void OnWeightChange();
    DECLARE_MESSAGE_MAP()

private:
    CString m_strAcceptedWeight;
};

// "Wprowadź": a numbered criterion with its value and scoring method.
class CCriterionValueInputDlg : public CDialog {
public:
    explicit CCriterionValueInputDlg(CWnd *pParent = nullptr);
    CString m_strNumber;
    CString m_strName;
    CString m_strValue;
    CString m_strScoring;

    void DoDataExchange(CDataExchange *pDX) override;
};

// "Wprowadź": up to six labelled fields; a field from the third on whose label is empty is
// not asked for.
class COfferInputDlg : public CDialog {
public:
    static constexpr int kFields = 6;
    explicit COfferInputDlg(CWnd *pParent = nullptr);
    CString m_strLabels[kFields];
    CString m_strValues[kFields];

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange *pDX) override;
};
