// The new-proceeding wizard: the container "Kreator" and its seven pages. Its first page is
// also the program's start menu. The wizard itself creates only the new proceeding's folder;
// the caller acts on what the pages hold after the modal run.
#pragma once

#include "controls/color_button.h"
#include "model/default_values.h"
#include "framework/ui/commctrls.h"
#include "mainframe/wizard/wizard_dialog.h"

// Operations of the first page, in the order of its radio group.
enum WizardOperation {
    kOperationOldForms = 0,  // a proceeding under the 2004 act
    kOperationNewProceeding, // a proceeding under the 2019 act
    kOperationOpen,
    kOperationArchive,
    kOperationFormsLibrary,
    kOperationContracts,
    kOperationRegisters,
    kOperationAnnualReport,
    kOperationLegalRemedies,
    kOperationCount
};

class CKreatorDlg : public CWizardDialog {
public:
    explicit CKreatorDlg(CWnd *pParent = nullptr);

    // "Krok <n> <title>" in the step title; titles begin with " :: ".
    void SetStepTitle(int nStep, LPCTSTR lpszTitle);
    void SetNextText(BOOL bFlag);
    void Finish() { OnWizardFinish(); }
    void Next() { OnWizardNext(); }

    CColorButton m_stepTitle;
    BYTE m_bAct2019 = FALSE;
    int m_nProcedureCode = 0;
    int m_bAboveThreshold = 0; // written by page 3
    // Bit n set: operation n is offered on the first page. The start menu offers only what the
    // program can carry out.
    UINT m_nEnabledOperations = (1u << kOperationOldForms) | (1u << kOperationNewProceeding) | (1u << kOperationOpen)
                                | (1u << kOperationArchive) | (1u << kOperationFormsLibrary)
                                | (1u << kOperationContracts) | (1u << kOperationRegisters)
                                | (1u << kOperationAnnualReport) | (1u << kOperationLegalRemedies);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange *pDX) override;

protected:
    void OnHelp();
    DECLARE_MESSAGE_MAP()
};

// The pages keep the wizard they belong to; the caller sets it before adding them.
class CWizardPage : public CWizardPageBase {
public:
    using CWizardPageBase::CWizardPageBase;
    CKreatorDlg *m_pKreator = nullptr;
};

// Page 1: the operation.
class CWizardPage1 : public CWizardPage {
public:
    CWizardPage1();
    int m_nOperation = kOperationNewProceeding;
    BYTE m_bAct2019 = FALSE;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange *pDX) override;
    void OnSetActive() override;
    LRESULT OnWizardNext() override;
    void OnOK() override;

protected:
    void OnOperationClicked(UINT nID);
    void OnLegalHelp();
    DECLARE_MESSAGE_MAP()

private:
    CToolTipCtrl m_tooltips;
};

// Page 2: the procedure mode; its captions and codes depend on the act.
class CWizardPage2 : public CWizardPage {
public:
    CWizardPage2();
    int m_nRadio = 0;
    int m_nProcedureCode = 0;

    void DoDataExchange(CDataExchange *pDX) override;
    void OnSetActive() override;
    LRESULT OnWizardNext() override;
    void OnOK() override;
};

// Page 3: the value band against the thresholds.
class CWizardPage3 : public CWizardPage {
public:
    CWizardPage3();
    int m_nValueBand = 0; // 0 below, 1 above
    int m_bAboveThreshold = 0;

    void DoDataExchange(CDataExchange *pDX) override;
    void OnSetActive() override;
    LRESULT OnWizardNext() override;
    void OnOK() override;

private:
    void ApplyBandRules();
};

// Page 4: name, layout of tasks and default values; Next ends the wizard.
class CWizardPage4 : public CWizardPage {
public:
    CWizardPage4();
    int m_nLayout = 0;     // 0 one task, 1 several
    int m_nTaskCount = -1; // -1 one task, else 2..99
    CString m_strName;
    int m_nTaskCountInput = 2;
    CSpinButtonCtrl m_spin;
    DefaultValues m_defaults;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange *pDX) override;
    void OnSetActive() override;
    LRESULT OnWizardNext() override;
    void OnOK() override;
    BOOL Validate();

protected:
    void OnLayoutClicked();
    void OnChooseFolder();
    void OnDefaultValues();
    DECLARE_MESSAGE_MAP()

private:
    void EnableTaskCount();
    BOOL CreateProceedingFolder();
};

// Pages 5, 6 and 7: one choice each, reached only from page 1.
class CWizardChoicePage : public CWizardPage {
public:
    CWizardChoicePage(UINT nIDTemplate, int nFirstRadio, LPCTSTR lpszTitle);
    int m_nChoice = 0;

    void DoDataExchange(CDataExchange *pDX) override;
    void OnSetActive() override;
    LRESULT OnWizardBack() override;
    BOOL OnWizardFinish() override;
    void OnOK() override;

private:
    int m_nFirstRadio;
    LPCTSTR m_lpszTitle;
};

class CWizardPage5 : public CWizardChoicePage {
public:
    CWizardPage5();
};

class CWizardPage6 : public CWizardChoicePage {
public:
    CWizardPage6();
    void OnSetActive() override;
};

class CWizardPage7 : public CWizardChoicePage {
public:
    CWizardPage7();
    void OnSetActive() override;
};

// The container with its seven pages wired and added in their order, as the main frame runs
// it: construct, DoModal, then read the pages.
class CNewProceedingWizard {
public:
    explicit CNewProceedingWizard(CWnd *pParent = nullptr);
    CNewProceedingWizard(const CNewProceedingWizard &) = delete;
    CNewProceedingWizard &operator=(const CNewProceedingWizard &) = delete;

    // IDC_WIZARD_FINISH or IDCANCEL.
    INT_PTR DoModal() { return m_wizard.DoModal(); }

    CKreatorDlg m_wizard;
    CWizardPage1 m_page1;
    CWizardPage2 m_page2;
    CWizardPage3 m_page3;
    CWizardPage4 m_page4;
    CWizardPage7 m_page7;
    CWizardPage5 m_page5;
    CWizardPage6 m_page6;
};
