#include "evaluation/deadline_dlg.h"

#include <commctrl.h>

#include "evaluation/deadline_calendar.h"
#include "framework/core/oledatetime.h"
#include "framework/ui/ddx.h"
#include "framework/ui/msgbox.h"
#include "framework/ui/msgmap.h"

namespace {

const int kOptionIds[CObliczTerminDlg::kOptionCount] = {
    IDC_DEADLINE_OPTION0, IDC_DEADLINE_OPTION1, IDC_DEADLINE_OPTION2, IDC_DEADLINE_OPTION3,
    IDC_DEADLINE_OPTION4, IDC_DEADLINE_OPTION5, IDC_DEADLINE_OPTION6, IDC_DEADLINE_OPTION7,
};

// Radio texts per step; a missing text hides the radio.
const char *const kKindTexts[] = {
    "Przetarg nieograniczony pow. 30 000 EURO", nullptr, "Przetarg dwustopniowy pow. 30 000 EURO",
    nullptr, nullptr, nullptr, nullptr, nullptr,
};
const char *const kSendingTexts[] = {
    "Ogłoszenie zostanie wysłane pocztą zwykłą", "Ogłoszenie zostanie wysłane pocztą e-mail",
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
};
const char *const kPostTexts[] = {
    "bezpiecznie", "niezwłocznie", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
};
const char *const kOfferTermTexts[] = {
    "6 tygodniowy - ustawowy termin składania ofert",
    "5 tygodniowy - skrócony termin składania ofert",
    "4 tygodniowy - skrócony termin składania ofert",
    "3 tygodniowy - skrócony termin składania ofert",
    nullptr, nullptr, nullptr, nullptr,
};
const char *const kRequestTermTexts[] = {
    nullptr, nullptr, nullptr, nullptr, nullptr,
    "4 tygodniowy - ustawowy termin składania wniosków o\ndopuszczenie do udziału w przetargu",
    "3 tygodniowy - skrócony termin składania wniosków o\ndopuszczenie do udziału w przetargu",
    "2 tygodniowy - skrócony termin składania wniosków o\ndopuszczenie do udziału w przetargu",
};
const char *const kPreliminaryTermTexts[] = {
    "6 tygodniowy - ustawowy termin składania ofert wstępnych",
    "5 tygodniowy - skrócony termin składania ofert wstępnych",
    "4 tygodniowy - skrócony termin składania ofert wstępnych",
    "3 tygodniowy - skrócony termin składania ofert wstępnych",
    "2 tygodniowy - skrócony termin składania ofert wstępnych",
    nullptr, nullptr, nullptr,
};

const char kPostTip[] =
    "Ogłoszenie publikowane jest w Biuletynie nie później niż w 10 dniu od daty doręczenia do Urzędu "
    "Zamówień Publicznych. Biorąc pod uwagę czas doręczenia korespondencji przez pocztę w programie "
    "przyjęto 'bezpiecznie' 14 dni lub 'niezwłocznie' 10 dni na opublikowanie ogłoszenia od dnia "
    "wysłania korespondencji.";
const char kEmailTip[] =
    "Ogłoszenie publikowane jest w Biuletynie nie później niż w 4 dni robocze od daty wpływu na konto "
    "Urzędu Zamówień Publicznych. Przyjęto w programie bezpieczny okres 5 dni na opublikowanie "
    "ogłoszenia od dnia wysłania korespondencji.";

const char kRequestsComment[] =
    "Po rozpatrzeniu wniosków Zamawiający zaprasza do składania ofert, wyznaczając termin składania "
    "ofert nie krótszy niż 6 tygodni od dnia wysłania zaproszenia (termin ustawowy), lub termin "
    "skrócony zgodnie z wymaganiami ustawowymi.";
const char kPreliminaryComment[] =
    "Po rozpatrzeniu ofert wstępnych Zamawiający zaprasza do składania ofert ostatecznych. Może "
    "przedtem przeprowadzić negocjacje z oferentami. Ustawa nie stawia żadnych ścisłych wymagań "
    "terminowych, związanych ze składaniem ofert ostatecznych i ewentualnymi negocjacjami.";

const int kEmailAnswer = 1;  // way of sending: e-mail
const int kPromptAnswer = 1; // by post: "niezwłocznie"

} // namespace

BEGIN_MESSAGE_MAP(CObliczTerminDlg, CDialog)
    ON_BN_CLICKED(IDC_DEADLINE_BACK, OnWstecz)
END_MESSAGE_MAP()

CObliczTerminDlg::CObliczTerminDlg(CWnd *pParent) : CDialog(IDD, pParent)
{
}

void CObliczTerminDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DEADLINE_STEP_TITLE, m_title);
    for (int i = 0; i < kOptionCount; ++i)
        DDX_Control(pDX, kOptionIds[i], m_options[i]);
    DDX_Control(pDX, IDC_DEADLINE_SEND_DATE, m_sendDate);
    DDX_Control(pDX, IDC_DEADLINE_PUBLICATION_DATE, m_publicationDate);
    DDX_Control(pDX, IDC_DEADLINE_EXPIRY_DATE, m_expiryDate);
    DDX_Radio(pDX, IDC_DEADLINE_OPTION0, m_nRadio);
    DDX_Text(pDX, IDC_DEADLINE_PUBLICATION_LABEL, m_strPublicationLabel);
    DDX_Text(pDX, IDC_DEADLINE_EXPIRY_LABEL, m_strExpiryLabel);
    DDX_Text(pDX, IDC_DEADLINE_PUBLICATION_DATE, m_strPublicationDate);
    DDX_Text(pDX, IDC_DEADLINE_EXPIRY_DATE, m_strExpiryDate);
    DDX_Text(pDX, IDC_DEADLINE_SEND_DATE, m_strSendDate);
    DDX_Text(pDX, IDC_DEADLINE_COMMENT, m_strComment);
    DDX_Text(pDX, IDC_DEADLINE_NAME, m_strName);
}

BOOL CObliczTerminDlg::OnInitDialog()
{
    GetDlgItemText(IDC_DEADLINE_PUBLICATION_LABEL, m_strPublicationLabel);
    GetDlgItemText(IDC_DEADLINE_EXPIRY_LABEL, m_strExpiryLabel);
    if (m_nProcedureCode < 0) {
        const COleDateTime today = COleDateTime::GetCurrentTime();
        m_strSendDate.Format("%04d-%02d-%02d", today.GetYear(), today.GetMonth(), today.GetDay());
        m_nStep = 0;
    } else {
        m_strSendDate.Format("%04d-%02d-%02d", m_nYear, m_nMonth, m_nDay);
        m_answers[0] = DeadlineKindOfProcedure(m_nProcedureCode);
        m_nStep = 1;
    }
    m_answers[m_nStep] = -1;
    CDialog::OnInitDialog();

    m_sendDate.SetLocked(0);
    m_publicationDate.SetLocked(1);
    m_expiryDate.SetLocked(1);
    m_options[1].GetWindowRect(&m_option1Rect);
    ScreenToClient(&m_option1Rect);
    m_options[2].GetWindowRect(&m_option2Rect);
    ScreenToClient(&m_option2Rect);
    GetDlgItem(IDC_DEADLINE_BACK)->EnableWindow(FALSE);
    ShowStep();
    return TRUE;
}

void CObliczTerminDlg::ShowControl(int id, bool show)
{
    GetDlgItem(id)->ShowWindow(show ? SW_SHOW : SW_HIDE);
}

void CObliczTerminDlg::ShowOptions(const char *const texts[kOptionCount])
{
    for (int i = 0; i < kOptionCount; ++i) {
        m_options[i].SetWindowText(texts && texts[i] ? texts[i] : "");
        m_options[i].ShowWindow(texts && texts[i] ? SW_SHOW : SW_HIDE);
        SetToolTip(i, "");
    }
}

void CObliczTerminDlg::SetToolTip(int option, const char *text)
{
    if (*text) {
        m_options[option].SetToolTipText(text);
    } else if (HWND tip = m_options[option].GetToolTip()) {
        ::SendMessageW(tip, TTM_ACTIVATE, FALSE, 0);
    }
}

void CObliczTerminDlg::ShowStep()
{
    static const char *const kTitles[] = {"Krok 1", "Krok 2", "Krok 2", "Krok 3", "Wynik"};
    m_nRadio = 0;
    m_title.SetWindowText(kTitles[m_nStep]);
    SetDlgItemText(IDOK, m_nStep == 3 ? "Oblicz >>" : m_nStep == kLastStep ? "Zakończ" : "Dalej >>");

    // At the first step the two-stage tender stands in the place of the hidden second radio.
    const CRect &place = m_nStep == 0 ? m_option1Rect : m_option2Rect;
    m_options[2].MoveWindow(&place);

    switch (m_nStep) {
    case 0:
        ShowOptions(kKindTexts);
        break;
    case 1:
        ShowOptions(kSendingTexts);
        SetToolTip(0, kPostTip);
        SetToolTip(1, kEmailTip);
        break;
    case 2:
        ShowOptions(kPostTexts);
        SetToolTip(0, "14 dni od daty wysłania korespondencji");
        SetToolTip(1, "10 dni od daty wysłania korespondencji");
        break;
    case 3:
        switch (m_answers[0]) {
        case kDeadlineRequests:
            ShowOptions(kRequestTermTexts);
            m_nRadio = 5;
            break;
        case kDeadlinePreliminaryOffers:
            ShowOptions(kPreliminaryTermTexts);
            break;
        default:
            ShowOptions(kOfferTermTexts);
            break;
        }
        break;
    default:
        ShowOptions(nullptr);
        ShowResult();
        break;
    }
    ShowControl(IDC_DEADLINE_NAME_LABEL, m_nStep == 0);
    ShowControl(IDC_DEADLINE_NAME, m_nStep == 0);
    ShowControl(IDC_DEADLINE_SEND_LABEL, m_nStep == 3);
    ShowControl(IDC_DEADLINE_SEND_DATE, m_nStep == 3);
    for (int id : {IDC_DEADLINE_PUBLICATION_LABEL, IDC_DEADLINE_PUBLICATION_DATE, IDC_DEADLINE_EXPIRY_LABEL,
                   IDC_DEADLINE_EXPIRY_DATE})
        ShowControl(id, m_nStep == kLastStep);
    ShowControl(IDC_DEADLINE_COMMENT, m_nStep == kLastStep && m_answers[0] != kDeadlineOffers);
    UpdateData(FALSE);
}

void CObliczTerminDlg::ShowResult()
{
    const DeadlineKind kind = static_cast<DeadlineKind>(m_answers[0]);
    m_strPublicationLabel = "Data publikacji ogłoszenia:";
    switch (kind) {
    case kDeadlineRequests:
        m_strExpiryLabel = "Data upływu terminu składania wniosków o dopuszczenie do udziału w przetargu:";
        m_strComment = kRequestsComment;
        break;
    case kDeadlinePreliminaryOffers:
        m_strExpiryLabel = "Data upływu terminu składania ofert wstępnych:";
        m_strComment = kPreliminaryComment;
        break;
    default:
        m_strExpiryLabel = "Data upływu terminu składania ofert:";
        m_strComment.Empty();
        break;
    }
    DeadlineDates dates;
    ComputeDeadlineDates(m_strSendDate, PublicationDays(m_answers[1] == kEmailAnswer, m_answers[2] == kPromptAnswer),
                         kind, m_answers[3], dates);
    m_strPublicationDate = dates.publication;
    m_strExpiryDate = dates.expiry;
}

void CObliczTerminDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    int year, month, day;
    if (m_nStep == kLastStep) {
        if (!ParseDeadlineDate(m_strExpiryDate, year, month, day)) {
            AfxShowMessageBox(m_hWnd, "Błędna data", "Błąd", MB_OK | MB_ICONERROR);
            return;
        }
        m_nYear = year;
        m_nMonth = month;
        m_nDay = day;
        m_strResultName = m_strName;
        EndDialog(IDOK);
        return;
    }
    if (m_nRadio == -1) {
        AfxShowMessageBox(m_hWnd, "Proszę wybrać jedną z opcji", "Informacja", MB_OK | MB_ICONERROR);
        return;
    }
    if (m_nStep == 0 && m_strName.IsEmpty()) {
        AfxShowMessageBox(m_hWnd, "Proszę wprowadzić nazwę postępowania", "Informacja", MB_OK | MB_ICONERROR);
        return;
    }
    if (m_nStep == 3 && !ParseDeadlineDate(m_strSendDate, year, month, day)) {
        AfxShowMessageBox(m_hWnd, "Błędna data", "Błąd", MB_OK | MB_ICONERROR);
        return;
    }
    m_answers[m_nStep] = m_nRadio;
    // By e-mail there is no safe or prompt choice to make.
    const bool skipPostStep = m_nStep == 1 && m_nRadio == kEmailAnswer;
    m_nStep += skipPostStep ? 2 : 1;
    if (m_nStep < kLastStep)
        m_answers[m_nStep] = -1;
    GetDlgItem(IDC_DEADLINE_BACK)->EnableWindow(TRUE);
    ShowStep();
}

void CObliczTerminDlg::OnWstecz()
{
    // Keep what was typed on this page; ShowStep writes the members back into the controls.
    UpdateData(TRUE);
    m_nStep -= m_nStep == 3 && m_answers[1] == kEmailAnswer ? 2 : 1;
    const int firstStep = m_nProcedureCode >= 0 ? 1 : 0;
    if (m_nStep <= firstStep) {
        m_nStep = firstStep;
        GetDlgItem(IDC_DEADLINE_BACK)->EnableWindow(FALSE);
    }
    m_answers[m_nStep] = -1;
    ShowStep();
}
