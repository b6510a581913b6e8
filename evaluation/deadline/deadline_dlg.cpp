#include "evaluation/deadline/deadline_dlg.h"

#include <commctrl.h>

#include "evaluation/deadline/deadline_calendar.h"
#include "evaluation/deadline/deadline_terms_2004.h"
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
    "Przetarg nieograniczony od progów unijnych - oferty",
    "Przetarg ograniczony, negocjacje z ogłoszeniem, dialog,\npartnerstwo innowacyjne (od progów unijnych) - wnioski",
    "Tryb podstawowy (poniżej progów unijnych) - oferty",
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
};
const char *const kOfferTermTexts[] = {
    "35 dni od przekazania ogłoszenia Urzędowi Publikacji UE\n- termin ustawowy (art. 138 ust. 1 ustawy Pzp)",
    "15 dni - skrócony termin: zamieszczono wstępne\nogłoszenie informacyjne (art. 138 ustawy Pzp)",
    "15 dni - skrócony termin: pilna potrzeba udzielenia\nzamówienia (art. 138 ustawy Pzp)",
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
};
const char *const kRequestTermTexts[] = {
    "30 dni od przekazania ogłoszenia Urzędowi Publikacji UE\n- termin ustawowy (art. 144 ust. 1 ustawy Pzp)",
    "15 dni - skrócony termin: pilna potrzeba udzielenia\nzamówienia (art. 144 ustawy Pzp)",
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
};
const char *const kBasicTermTexts[] = {
    "7 dni od zamieszczenia ogłoszenia w BZP -\ndostawy lub usługi (art. 283 ustawy Pzp)",
    "14 dni od zamieszczenia ogłoszenia w BZP -\nroboty budowlane (art. 283 ustawy Pzp)",
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
};

const char kOffersComment[] =
    "Termin wyznaczony w ogłoszeniu nie może być krótszy niż obliczony. Ogłoszenie przekazane "
    "Urzędowi Publikacji UE jest publikowane w ciągu 5 dni. Termin związania ofertą nie może być "
    "dłuższy niż 90 dni od dnia upływu terminu składania ofert (art. 220 ust. 1 ustawy Pzp).";
const char kRequestsComment[] =
    "Po ocenie wniosków zamawiający zaprasza wykonawców do składania ofert, wyznaczając termin nie "
    "krótszy niż 30 dni od dnia przekazania zaproszenia (art. 151 ust. 1 ustawy Pzp; w negocjacjach "
    "z ogłoszeniem dla ofert wstępnych art. 162 ust. 1), chyba że ustawa dopuszcza termin krótszy.";
const char kBasicComment[] =
    "Zamawiający zamieszcza ogłoszenie w Biuletynie Zamówień Publicznych sam, przy użyciu środków "
    "komunikacji elektronicznej. Termin związania ofertą nie może być dłuższy niż 30 dni od dnia "
    "upływu terminu składania ofert (art. 307 ust. 1 ustawy Pzp).";

// The act of 2004: the way the notice is sent and, by post, how soon.
const char *const kSendTexts[] = {
    "Ogłoszenie zostanie wysłane pocztą zwykłą",
    "Ogłoszenie zostanie wysłane pocztą e-mail",
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
};
const char kPostTip[] =
    "Ustawa Pzp z 2004 r. przewiduje przekazanie ogłoszenia środkami komunikacji elektronicznej (art. 11 "
    "ustawy Pzp). Przy wysyłce korespondencji pocztą w programie przyjęto 'bezpiecznie' 14 dni lub "
    "'niezwłocznie' 10 dni na opublikowanie ogłoszenia od dnia wysłania korespondencji.";
const char kEmailTip[] =
    "Ogłoszenie zamieszczone w Biuletynie Zamówień Publicznych jest publikowane w dniu jego zamieszczenia. "
    "Ogłoszenie przekazane Urzędowi Publikacji Unii Europejskiej jest publikowane nie później niż 5 dni od "
    "dnia jego przekazania.";
const char *const kPromptTexts[] = {
    "bezpiecznie", "niezwłocznie", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
};
const char kRequests2004Comment[] =
    "Po ocenie wniosków zamawiający zaprasza do składania ofert wykonawców dopuszczonych do udziału w "
    "przetargu, wyznaczając termin składania ofert zgodnie z art. 52 ustawy Pzp.";
const char kNegotiation2004Comment[] =
    "Po ocenie wniosków zamawiający zaprasza wykonawców dopuszczonych do udziału w negocjacjach do składania "
    "ofert wstępnych, prowadzi z nimi negocjacje, a następnie zaprasza ich do składania ofert (art. 57-59 "
    "ustawy Pzp).";

} // namespace

BEGIN_MESSAGE_MAP(CObliczTerminDlg, CDialog)
    ON_BN_CLICKED(IDC_DEADLINE_BACK, OnBack)
END_MESSAGE_MAP()

CObliczTerminDlg::CObliczTerminDlg(CWnd *pParent) : CDialog(IDD, pParent) {}

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
    DDX_Text(pDX, IDC_DEADLINE_SEND_LABEL, m_strSendLabel);
    DDX_Text(pDX, IDC_DEADLINE_COMMENT, m_strComment);
    DDX_Text(pDX, IDC_DEADLINE_NAME, m_strName);
}

BOOL CObliczTerminDlg::OnInitDialog()
{
    GetDlgItemText(IDC_DEADLINE_PUBLICATION_LABEL, m_strPublicationLabel);
    GetDlgItemText(IDC_DEADLINE_EXPIRY_LABEL, m_strExpiryLabel);
    GetDlgItemText(IDC_DEADLINE_SEND_LABEL, m_strSendLabel);
    if (m_nProcedureCode < 0) {
        const COleDateTime today = COleDateTime::GetCurrentTime();
        m_strSendDate.Format("%04d-%02d-%02d", today.GetYear(), today.GetMonth(), today.GetDay());
        m_nStep = 0;
    } else if (IsAct2004Procedure(m_nProcedureCode)) {
        m_strSendDate.Format("%04d-%02d-%02d", m_nYear, m_nMonth, m_nDay);
        m_bAct2004 = true;
        m_answers[0] = Deadline2004KindOfProcedure(m_nProcedureCode);
        m_nStep = kSendStep2004;
    } else {
        m_strSendDate.Format("%04d-%02d-%02d", m_nYear, m_nMonth, m_nDay);
        m_answers[0] = DeadlineKindOfProcedure(m_nProcedureCode);
        m_nStep = kTermStep;
    }
    m_answers[m_nStep] = -1;
    CDialog::OnInitDialog();

    m_sendDate.SetLocked(0);
    m_publicationDate.SetLocked(1);
    m_expiryDate.SetLocked(1);
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
    if (m_bAct2004) {
        ShowStep2004();
        return;
    }
    static const char *const kTitles[] = {"Krok 1", "Krok 2", "Wynik"};
    m_nRadio = 0;
    m_title.SetWindowText(kTitles[m_nStep]);
    SetDlgItemText(IDOK, m_nStep == kTermStep ? "Oblicz >>" : m_nStep == kLastStep ? "Zakończ" : "Dalej >>");

    const DeadlineKind kind = static_cast<DeadlineKind>(m_answers[0]);
    switch (m_nStep) {
    case kKindStep:
        ShowOptions(kKindTexts);
        break;
    case kTermStep:
        ShowOptions(kind == kDeadlineRequests ? kRequestTermTexts
                    : kind == kDeadlineBasic  ? kBasicTermTexts
                                              : kOfferTermTexts);
        // Works have their own term in the basic mode; the proceeding's choice of the order's
        // kind preselects it.
        if (kind == kDeadlineBasic && m_bWorksOrder)
            m_nRadio = 1;
        m_strSendLabel = kind == kDeadlineBasic ? "Podaj datę zamieszczenia ogłoszenia w BZP:\n(RRRR-MM-DD)"
                                                : "Podaj datę przekazania ogłoszenia:\n(RRRR-MM-DD)";
        break;
    default:
        ShowOptions(nullptr);
        ShowResult();
        break;
    }
    ShowControl(IDC_DEADLINE_NAME_LABEL, m_nStep == kKindStep);
    ShowControl(IDC_DEADLINE_NAME, m_nStep == kKindStep);
    ShowControl(IDC_DEADLINE_SEND_LABEL, m_nStep == kTermStep);
    ShowControl(IDC_DEADLINE_SEND_DATE, m_nStep == kTermStep);
    for (int id : {IDC_DEADLINE_PUBLICATION_LABEL, IDC_DEADLINE_PUBLICATION_DATE, IDC_DEADLINE_EXPIRY_LABEL,
                   IDC_DEADLINE_EXPIRY_DATE, IDC_DEADLINE_COMMENT})
        ShowControl(id, m_nStep == kLastStep);
    UpdateData(FALSE);
}

void CObliczTerminDlg::ShowStep2004()
{
    static const char *const kTitles[] = {"Krok 1", "Krok 2", "Krok 2", "Krok 3", "Wynik"};
    m_nRadio = 0;
    m_title.SetWindowText(kTitles[m_nStep]);
    SetDlgItemText(IDOK, m_nStep == kTermStep2004 ? "Oblicz >>" : m_nStep == kLastStep2004 ? "Zakończ" : "Dalej >>");

    const Deadline2004Kind kind = static_cast<Deadline2004Kind>(m_answers[0]);
    const bool above = IsAboveThresholds2004(m_nProcedureCode);
    switch (m_nStep) {
    case kSendStep2004:
        ShowOptions(kSendTexts);
        SetToolTip(0, kPostTip);
        SetToolTip(1, kEmailTip);
        break;
    case kPromptStep2004:
        ShowOptions(kPromptTexts);
        SetToolTip(0, "14 dni od daty wysłania korespondencji");
        SetToolTip(1, "10 dni od daty wysłania korespondencji");
        break;
    case kTermStep2004: {
        const Term2004 *terms = nullptr;
        const int count = Terms2004(kind, above, &terms);
        const char *texts[kOptionCount] = {};
        for (int i = 0; i < count; ++i)
            texts[terms[i].option] = terms[i].text;
        ShowOptions(texts);
        m_nRadio = PreselectedTerm2004(kind, above, m_bWorksOrder);
        m_strSendLabel = "Podaj datę wysłania ogłoszenia:\n(RRRR-MM-DD)";
        break;
    }
    default:
        ShowOptions(nullptr);
        ShowResult2004();
        break;
    }
    ShowControl(IDC_DEADLINE_NAME_LABEL, false);
    ShowControl(IDC_DEADLINE_NAME, false);
    ShowControl(IDC_DEADLINE_SEND_LABEL, m_nStep == kTermStep2004);
    ShowControl(IDC_DEADLINE_SEND_DATE, m_nStep == kTermStep2004);
    for (int id : {IDC_DEADLINE_PUBLICATION_LABEL, IDC_DEADLINE_PUBLICATION_DATE, IDC_DEADLINE_EXPIRY_LABEL,
                   IDC_DEADLINE_EXPIRY_DATE})
        ShowControl(id, m_nStep == kLastStep2004);
    ShowControl(IDC_DEADLINE_COMMENT, m_nStep == kLastStep2004 && kind != kDeadline2004Offers);
    UpdateData(FALSE);
}

void CObliczTerminDlg::ShowResult2004()
{
    const Deadline2004Kind kind = static_cast<Deadline2004Kind>(m_answers[0]);
    m_strPublicationLabel = "Data publikacji ogłoszenia:";
    switch (kind) {
    case kDeadline2004Requests:
        m_strExpiryLabel = "Data upływu terminu składania wniosków o dopuszczenie do udziału w przetargu:";
        m_strComment = kRequests2004Comment;
        break;
    case kDeadline2004Negotiation:
        m_strExpiryLabel = "Data upływu terminu składania wniosków o dopuszczenie do udziału w negocjacjach:";
        m_strComment = kNegotiation2004Comment;
        break;
    default:
        m_strExpiryLabel = "Data upływu terminu składania ofert:";
        m_strComment.Empty();
        break;
    }
    const int way = m_answers[kSendStep2004];
    const int promptness = way == kSentByPost ? m_answers[kPromptStep2004] : 0;
    Deadline2004Dates dates;
    ComputeDeadline2004Dates(m_strSendDate, m_nProcedureCode, way, promptness, m_answers[kTermStep2004], dates);
    m_strPublicationDate = dates.publication;
    m_strExpiryDate = dates.expiry;
}

void CObliczTerminDlg::ShowResult()
{
    const DeadlineKind kind = static_cast<DeadlineKind>(m_answers[0]);
    switch (kind) {
    case kDeadlineRequests:
        m_strPublicationLabel = "Najpóźniejsza data publikacji ogłoszenia:";
        m_strExpiryLabel = "Najwcześniejsza data upływu terminu składania wniosków o dopuszczenie do udziału:";
        m_strComment = kRequestsComment;
        break;
    case kDeadlineBasic:
        m_strPublicationLabel = "Data zamieszczenia ogłoszenia w BZP:";
        m_strExpiryLabel = "Najwcześniejsza data upływu terminu składania ofert:";
        m_strComment = kBasicComment;
        break;
    default:
        m_strPublicationLabel = "Najpóźniejsza data publikacji ogłoszenia:";
        m_strExpiryLabel = "Najwcześniejsza data upływu terminu składania ofert:";
        m_strComment = kOffersComment;
        break;
    }
    DeadlineDates dates;
    ComputeDeadlineDates(m_strSendDate, kind, m_answers[1], dates);
    m_strPublicationDate = dates.publication;
    m_strExpiryDate = dates.expiry;
}

void CObliczTerminDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    int year, month, day;
    if (m_nStep == LastStep()) {
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
    if (m_nStep == kKindStep && m_strName.IsEmpty()) {
        AfxShowMessageBox(m_hWnd, "Proszę wprowadzić nazwę postępowania", "Informacja", MB_OK | MB_ICONERROR);
        return;
    }
    if (m_nStep == TermStep() && !ParseDeadlineDate(m_strSendDate, year, month, day)) {
        AfxShowMessageBox(m_hWnd, "Błędna data", "Błąd", MB_OK | MB_ICONERROR);
        return;
    }
    m_answers[m_nStep] = m_nRadio;
    // By e-mail there is no question how soon the post delivers.
    const bool skipPrompt = m_bAct2004 && m_nStep == kSendStep2004 && m_nRadio == kSentByEmail;
    m_nStep += skipPrompt ? 2 : 1;
    if (m_nStep < LastStep())
        m_answers[m_nStep] = -1;
    GetDlgItem(IDC_DEADLINE_BACK)->EnableWindow(TRUE);
    ShowStep();
}

void CObliczTerminDlg::OnBack()
{
    // Keep what was typed on this page; ShowStep writes the members back into the controls.
    UpdateData(TRUE);
    const bool overPrompt = m_bAct2004 && m_nStep == kTermStep2004 && m_answers[kSendStep2004] == kSentByEmail;
    m_nStep -= overPrompt ? 2 : 1;
    const int firstStep = m_bAct2004 ? kSendStep2004 : m_nProcedureCode >= 0 ? kTermStep : kKindStep;
    if (m_nStep <= firstStep) {
        m_nStep = firstStep;
        GetDlgItem(IDC_DEADLINE_BACK)->EnableWindow(FALSE);
    }
    m_answers[m_nStep] = -1;
    ShowStep();
}
