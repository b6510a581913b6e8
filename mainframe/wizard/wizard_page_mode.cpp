// Page 2 of the new-proceeding wizard: the procedure mode, captions and codes by the act.
#include "framework/ui/ddx.h"
#include "framework/ui/msgbox.h"
#include "mainframe/wizard/kreator_dlg.h"
#include "res/wizard_ids.h"

namespace {

struct ModeRadio {
    int id;
    const char *caption2004; // nullptr: the radio is not offered under the 2004 act
    int code2004;
    const char *caption2019;
    int code2019;
};

const ModeRadio kModeRadios[] = {
    {IDC_MODE_FIRST, "Przetarg nieograniczony", 0, "Przetarg nieograniczony", 0},
    {IDC_MODE_2, "Przetarg ograniczony", 1, "Przetarg ograniczony", 1},
    {IDC_MODE_3, "Negocjacje z ogłoszeniem", 2, "Tryb podstawowy bez negocjacji poniżej", 13},
    {IDC_MODE_4, "Negocjacje bez ogłoszenia", 3, "Tryb podstawowy z negocjacjami pkt. 2 poniżej", 14},
    {IDC_MODE_5, "Zamówienie z wolnej ręki", 4, "Tryb podstawowy z negocjacjami pkt. 3 poniżej", 15},
    {IDC_MODE_6, "Zapytanie o cenę", 5, "Zamówienie z wolnej ręki", 16},
    {IDC_MODE_7, "Licytacja elektroniczna", 6, "Procedura poniżej 130.000", 17},
    {IDC_MODE_8, "Procedura poniżej 30'000 EURO", 7, "Negocjacje bez ogłoszenia", 18},
    {IDC_MODE_9, "Partnerstwo innowacyjne", 8, "Negocjacje z ogłoszeniem", 12},
    {IDC_MODE_10, "Dialog konkurencyjny", 9, "Dialog konkurencyjny", 19},
    {IDC_MODE_11, "Konkurs", 10, "Konkurs ograniczony", 20},
    {IDC_MODE_12, "Usługi społeczne", 11, "Konkurs nieograniczony", 21},
    {IDC_MODE_13, nullptr, -1, "Partnerstwo innowacyjne", 22},
    {IDC_MODE_LAST, nullptr, -1, "Procedura powodziowa - bez stosowania ustawy", 23},
};

} // namespace

CWizardPage2::CWizardPage2() : CWizardPage(IDD_WIZARD_MODE) {}

void CWizardPage2::DoDataExchange(CDataExchange *pDX)
{
    CWizardPage::DoDataExchange(pDX);
    DDX_Radio(pDX, IDC_MODE_FIRST, m_nRadio);
}

void CWizardPage2::OnSetActive()
{
    m_pKreator->SetStepTitle(2, " :: Tryb postępowania");
    GetDlgItem(IDC_MODE_FIRST)->SetFocus();
    m_nRadio = 0;
    const bool act2019 = m_pKreator->m_bAct2019 != 0;
    for (const ModeRadio &radio : kModeRadios) {
        CWnd *button = GetDlgItem(radio.id);
        if (act2019) {
            button->SetWindowText(radio.caption2019);
            button->ShowWindow(SW_SHOW);
            CheckDlgButton(radio.id, BST_UNCHECKED);
        } else if (radio.caption2004 != nullptr) {
            button->SetWindowText(radio.caption2004);
            button->ShowWindow(SW_SHOW);
        } else {
            button->ShowWindow(SW_HIDE);
        }
    }
    if (act2019)
        UpdateData(FALSE);
    m_pKreator->SetNextText(FALSE);
}

LRESULT CWizardPage2::OnWizardNext()
{
    UpdateData(TRUE);
    const bool act2019 = m_pKreator->m_bAct2019 != 0;
    const int checked = GetCheckedRadioButton(IDC_MODE_FIRST, IDC_MODE_LAST);
    int code = -1;
    for (const ModeRadio &radio : kModeRadios) {
        if (radio.id == checked)
            code = act2019 ? radio.code2019 : radio.code2004;
    }
    if (code < 0) {
        AfxShowMessageBox(m_hWnd, "Proszę wybrać tryb przetargu.", "Informacja", MB_ICONINFORMATION);
        return -1;
    }
    m_nProcedureCode = code;
    m_pKreator->m_nProcedureCode = code;
    return 0;
}

void CWizardPage2::OnOK()
{
    m_pKreator->Next();
}
