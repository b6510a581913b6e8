#include "proceeding/editors/small_value_dialogs.h"

#include "framework/ui/ddx.h"
#include "framework/ui/msgbox.h"
#include "res/editors_ids.h"

namespace {

const int kCriterionEdits[CEditCriteriaDlg::kCriteria] = {
    IDC_CRITERION_1, IDC_CRITERION_2, IDC_CRITERION_3, IDC_CRITERION_4, IDC_CRITERION_5,
    IDC_CRITERION_6, IDC_CRITERION_7, IDC_CRITERION_8, IDC_CRITERION_9, IDC_CRITERION_10,
};

const int kDefaultValueEdits[CWartosciDomyslneDlg::kValues] = {
    IDC_DEFAULT_CASE_NUMBER, IDC_DEFAULT_TASK_NAME,    IDC_DEFAULT_BUYER_NAME, IDC_DEFAULT_STREET,
    IDC_DEFAULT_POSTAL_CODE, IDC_DEFAULT_TOWN,         IDC_DEFAULT_TELEPHONE,  IDC_DEFAULT_EMAIL,
    IDC_DEFAULT_WEB_PAGE,    IDC_DEFAULT_OFFICE_HOURS, IDC_DEFAULT_HEAD,       IDC_DEFAULT_FAX,
};

// Digits, signs and decimal separators only; an empty text is checked elsewhere.
bool IsCriterionNumber(const CString &text)
{
    for (int i = 0; i < text.GetLength(); ++i) {
        const char c = text[i];
        if (!(c >= '0' && c <= '9') && c != '.' && c != ',' && c != '-' && c != '+')
            return false;
    }
    return true;
}

} // namespace

CAddCriterionDlg::CAddCriterionDlg(CWnd *pParent) : CDialog(IDD_ADD_CRITERION, pParent) {}

BOOL CAddCriterionDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!m_strCaption.IsEmpty())
        SetWindowText(m_strCaption);
    return TRUE;
}

void CAddCriterionDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_EDITOR_VALUE, m_strText);
    DDV_MaxChars(pDX, m_strText, 999);
}

CEditCriteriaDlg::CEditCriteriaDlg(CWnd *pParent) : CDialog(IDD_EDIT_CRITERIA, pParent) {}

BOOL CEditCriteriaDlg::OnInitDialog()
{
    for (int i = 0; i < kCriteria; ++i) {
        if (i >= m_nCriteriaCount)
            GetDlgItem(kCriterionEdits[i])->EnableWindow(FALSE);
        else if (m_nFlag == 0)
            m_strCriteria[i] = "0";
    }
    return CDialog::OnInitDialog();
}

void CEditCriteriaDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    for (int i = 0; i < kCriteria; ++i)
        DDX_Text(pDX, kCriterionEdits[i], m_strCriteria[i]);
    DDX_Text(pDX, IDC_OFFER_NUMBER, m_strOfferNumber);
}

void CEditCriteriaDlg::OnOK()
{
    UpdateData(TRUE);
    for (CString &value : m_strCriteria)
        value.Replace(',', '.');
    UpdateData(FALSE);
    for (int i = m_nCriteriaCount; i < kCriteria; ++i)
        m_strCriteria[i] = "0";

    bool anyEmpty = m_strOfferNumber.IsEmpty();
    for (const CString &value : m_strCriteria)
        anyEmpty = anyEmpty || value.IsEmpty();
    if (anyEmpty) {
        AfxShowMessageBox(m_hWnd, "Jedno z wymaganych pól nie zostało wypełnione", "Błąd", MB_ICONERROR);
        return;
    }
    for (int i = 0; i < m_nCriteriaCount && i < kCriteria; ++i) {
        if (!IsCriterionNumber(m_strCriteria[i])) {
            AfxShowMessageBox(m_hWnd, "Jedno z wymaganych pól zostało wypełnione błędnie", "Błąd", MB_ICONERROR);
            return;
        }
    }
    EndDialog(IDOK);
}

CWartoscTekstowaDlg::CWartoscTekstowaDlg(CWnd *pParent) : CDialog(IDD_TEXT_VALUE, pParent) {}

BOOL CWartoscTekstowaDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!m_strCaption.IsEmpty())
        SetWindowText(m_strCaption);
    return TRUE;
}

void CWartoscTekstowaDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_TEXT_VALUE_LABEL, m_strLabel);
    DDX_Text(pDX, IDC_TEXT_VALUE, m_strValue);
}

void CWartoscTekstowaDlg::OnOK()
{
    UpdateData(TRUE);
    if (m_strValue.IsEmpty()) {
        AfxShowMessageBox(m_hWnd, "Należy wprowadzić wartość", "Błąd", MB_ICONERROR);
        return;
    }
    EndDialog(IDOK);
}

CWartosciDomyslneDlg::CWartosciDomyslneDlg(CWnd *pParent) : CDialog(IDD_DEFAULT_VALUES, pParent) {}

void CWartosciDomyslneDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    for (int i = 0; i < kValues; ++i)
        DDX_Text(pDX, kDefaultValueEdits[i], m_values[i]);
}
