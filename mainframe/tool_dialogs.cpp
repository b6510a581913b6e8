#include "mainframe/tool_dialogs.h"

#include "model/file_utils.h"
#include "app/app_settings.h"
#include "app/registry_text.h"
#include "framework/ui/ddx.h"
#include "framework/ui/msgbox.h"
#include "mainframe/file_name_check.h"
#include "mainframe/main_frame.h"
#include "res/resource.h"

// ---- Window list --------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CWindows, CDialog)
    ON_NOTIFY(NM_CLICK, IDC_WINDOWS_LIST, OnListClick)
    ON_BN_CLICKED(IDC_WINDOWS_ACTIVATE, OnActivate)
    ON_BN_CLICKED(IDC_WINDOWS_CLOSE, OnCloseWindows)
END_MESSAGE_MAP()

CWindows::CWindows(CMainFrame &frame, CWnd *pParent) : CDialog(IDD_WINDOWS, pParent), m_frame(frame) {}

BOOL CWindows::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_list.SubclassDlgItem(IDC_WINDOWS_LIST, this);
    m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    m_list.InsertColumn(0, "Nazwa", LVCFMT_LEFT, 410);
    Refill();
    return TRUE;
}

void CWindows::Refill()
{
    m_list.DeleteAllItems();
    m_frame.ListWindows(m_list);
}

void CWindows::OnListClick(NMHDR *, LRESULT *pResult)
{
    const int selected = m_list.GetSelectedCount();
    GetDlgItem(IDC_WINDOWS_ACTIVATE)->EnableWindow(selected == 1);
    if (selected >= 1)
        GetDlgItem(IDC_WINDOWS_CLOSE)->EnableWindow(TRUE);
    *pResult = 0;
}

void CWindows::OnActivate()
{
    if (m_list.GetSelectedCount() != 1)
        return;
    const int item = m_list.GetNextItem(-1, LVNI_SELECTED);
    m_frame.ActivateWindowByTitle(m_list.GetItemText(item, 0));
}

void CWindows::OnCloseWindows()
{
    for (int item = m_list.GetNextItem(-1, LVNI_SELECTED); item >= 0; item = m_list.GetNextItem(item, LVNI_SELECTED))
        m_frame.CloseWindowByTitle(m_list.GetItemText(item, 0));
    Refill();
    GetDlgItem(IDC_WINDOWS_ACTIVATE)->EnableWindow(FALSE);
    GetDlgItem(IDC_WINDOWS_CLOSE)->EnableWindow(FALSE);
}

// ---- Contracting authority's data ---------------------------------------------------------------

const char *const CDaneZamawiajacegoDlg::kPlaceholders[kFields] = {
    "Nazwa zamawiającego", "Ulica", "Kod", "Miejscowość", "Telefon", "E-mail", "Strona WWW",
    "Godziny urzędowania", "Fax"};

namespace {
const int kBuyerControls[CDaneZamawiajacegoDlg::kFields] = {IDC_BUYER_NAME, IDC_BUYER_STREET, IDC_BUYER_POSTAL_CODE,
                                                            IDC_BUYER_TOWN, IDC_BUYER_PHONE,  IDC_BUYER_EMAIL,
                                                            IDC_BUYER_WWW,  IDC_BUYER_HOURS,  IDC_BUYER_FAX};
const int kPostalCodeField = 2;
const int kPostalCodeLength = 6;
} // namespace

CDaneZamawiajacegoDlg::CDaneZamawiajacegoDlg(CWnd *pParent) : CDialog(IDD_DANE_ZAMAWIAJACEGO, pParent) {}

void CDaneZamawiajacegoDlg::DoDataExchange(CDataExchange *pDX)
{
    for (int i = 0; i < kFields; ++i) {
        DDX_Text(pDX, kBuyerControls[i], m_fields[i]);
        if (i == kPostalCodeField)
            DDV_MaxChars(pDX, m_fields[i], kPostalCodeLength);
    }
}

void EditBuyerData(CWnd *parent)
{
    AppSettings &settings = *GetProgramSettings();
    CDaneZamawiajacegoDlg dialog(parent);
    for (int i = 0; i < CDaneZamawiajacegoDlg::kFields; ++i)
        dialog.m_fields[i] = settings.BuyerData[i];
    if (dialog.DoModal() != IDOK)
        return;
    for (int i = 0; i < CDaneZamawiajacegoDlg::kFields; ++i) {
        CString valueName;
        valueName.Format("zamawiajacy%d", i + 1);
        WriteRegistryText(valueName, dialog.m_fields[i], HKEY_CURRENT_USER, kSettingsKey);
    }
    for (int i = 0; i < CDaneZamawiajacegoDlg::kFields; ++i)
        settings.BuyerData[i] =
            dialog.m_fields[i].IsEmpty() ? CString(CDaneZamawiajacegoDlg::kPlaceholders[i]) : dialog.m_fields[i];
}

// ---- Move to archive ----------------------------------------------------------------------------

CPrzenoszenieDoArchiwumDlg::CPrzenoszenieDoArchiwumDlg(CWnd *pParent) : CDialog(IDD_PRZENOSZENIE_DO_ARCHIWUM, pParent)
{
}

void CPrzenoszenieDoArchiwumDlg::DoDataExchange(CDataExchange *pDX)
{
    DDX_Text(pDX, IDC_ARCHIVE_DESCRIPTION, m_description);
    DDV_MaxChars(pDX, m_description, kMaxDescription);
    DDX_Text(pDX, IDC_ARCHIVE_SIGNATURE, m_signature);
}

void CPrzenoszenieDoArchiwumDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    const CString proposed = ReplaceForbiddenFileNameChars(m_signature);
    if (proposed != m_signature) {
        const CString question = m_signature
                                 + "\nPowyższa nazwa nie jest poprawną nazwą pliku.\nProponowana nazwa to : " + proposed
                                 + "\n\nCzy zapisać postępowanie pod proponowaną nazwą?";
        m_signature = proposed;
        SetDlgItemText(IDC_ARCHIVE_SIGNATURE, m_signature);
        if (AfxShowMessageBox(m_hWnd, question, "Przenoszenie do archiwum", MB_YESNO | MB_ICONQUESTION) != IDYES)
            return;
    }
    // Replacing leaves names such as "" or ".." that still name no archive of their own.
    if (!IsUsableFileName(m_signature)) {
        AfxShowMessageBox(m_hWnd, "Proszę podać numer sygnatury, który może być nazwą pliku.", "Błąd",
                          MB_ICONEXCLAMATION);
        return;
    }
    const CString target = m_archivePath + "\\" + m_signature + ".ar" + m_suffix;
    if (FileExists(target) || DirectoryExists(target)) {
        AfxShowMessageBox(m_hWnd, "Postępowanie o takiej sygnaturze już istnieje. Proszę wybrać inną sygnaturę", "Błąd",
                          MB_ICONEXCLAMATION);
        return;
    }
    UpdateData(FALSE);
    EndDialog(IDOK);
}
