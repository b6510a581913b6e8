#include "proceeding/dialogs/document_properties_dlg.h"

#include "framework/ui/ddx.h"

const char CDocumentPropertiesDlg::kLocked[] = "Zablokowany";
const char CDocumentPropertiesDlg::kUnlocked[] = "Odblokowany";
const char CDocumentPropertiesDlg::kComment[] = "Komentarz";
const char CDocumentPropertiesDlg::kWordDocument[] = "MS DOC";
const char CDocumentPropertiesDlg::kExcelDocument[] = "MS XLS";

namespace {

const char kSecureText[] = "Zabezpiecz";
const char kUnsecureText[] = "Odbezpiecz";
const int kStateColumn = 0;
const int kNameColumn = 1;

} // namespace

BEGIN_MESSAGE_MAP(CDocumentPropertiesDlg, CDialog)
    ON_NOTIFY(NM_CLICK, IDC_DOCUMENT_PROPERTY_LIST, OnListClick)
    ON_BN_CLICKED(IDC_SECURE_DOCUMENT, OnSecure)
    ON_BN_CLICKED(IDC_SECURE_ALL, OnSecureAll)
    ON_BN_CLICKED(IDC_CLOSE_AND_ARCHIVE, OnCloseAndArchive)
END_MESSAGE_MAP()

CDocumentPropertiesDlg::CDocumentPropertiesDlg(CWnd *pParent) : CDialog(IDD, pParent) {}

void CDocumentPropertiesDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DOCUMENT_PROPERTY_LIST, m_list);
}

CString CDocumentPropertiesDlg::InitialState(int slot) const
{
    if (m_nComment[slot] == 1)
        return kComment;
    const CString kind = m_strFileNames[slot].Right(3);
    if (kind == "dot" || kind == "doc")
        return kWordDocument;
    if (kind == "xls")
        return kExcelDocument;
    return m_nLocked[slot] == 1 ? kLocked : kUnlocked;
}

BOOL CDocumentPropertiesDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_nArchiveRequest = 0;
    m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    RECT client;
    m_list.GetClientRect(&client);
    const int width = client.right - client.left;
    m_list.InsertColumn(kStateColumn, "Stan", LVCFMT_LEFT, width * 20 / 100);
    m_list.InsertColumn(kNameColumn, "Nazwa dokumentu", LVCFMT_LEFT, width * 80 / 100 - 15);

    m_nRows = 0;
    for (int slot = 0; slot < kDocumentSlots; ++slot) {
        if (m_strFileNames[slot].IsEmpty())
            continue;
        CString number;
        number.Format("%d", m_nRows + 1);
        const int row = m_list.InsertItem(m_nRows, number);
        m_list.SetItemData(row, static_cast<DWORD_PTR>(slot));
        m_list.SetItemText(row, kNameColumn, m_strDocumentNames[slot]);
        const CString state = InitialState(slot);
        m_list.SetItemText(row, kStateColumn, state);
        if (state == kUnlocked)
            GetDlgItem(IDC_CLOSE_AND_ARCHIVE)->EnableWindow(FALSE);
        ++m_nRows;
    }
    return TRUE;
}

int CDocumentPropertiesDlg::SelectedRow() const
{
    return m_list.GetNextItem(-1, LVNI_SELECTED);
}

bool CDocumentPropertiesDlg::IsCommentRow(int row) const
{
    return m_nComment[m_list.GetItemData(row)] == 1;
}

bool CDocumentPropertiesDlg::AnyUnlocked() const
{
    for (int row = 0; row < m_list.GetItemCount(); ++row)
        if (m_list.GetItemText(row, kStateColumn) == kUnlocked)
            return true;
    return false;
}

void CDocumentPropertiesDlg::SetSecureButton(BOOL enable, const char *text)
{
    CWnd *button = GetDlgItem(IDC_SECURE_DOCUMENT);
    button->EnableWindow(enable);
    if (text)
        button->SetWindowText(text);
}

void CDocumentPropertiesDlg::OnListClick(NMHDR *, LRESULT *pResult)
{
    *pResult = 0;
    const int row = SelectedRow();
    if (row < 0)
        return;
    const CString state = m_list.GetItemText(row, kStateColumn);
    if (state == kLocked) {
        SetSecureButton(TRUE, kUnsecureText);
    } else if (state == kUnlocked) {
        SetSecureButton(TRUE, kSecureText);
    } else {
        SetSecureButton(FALSE, nullptr);
        GetDlgItem(IDC_CLOSE_AND_ARCHIVE)->EnableWindow(FALSE);
    }
}

void CDocumentPropertiesDlg::OnSecure()
{
    const int row = SelectedRow();
    if (row < 0 || IsCommentRow(row))
        return;
    const CString state = m_list.GetItemText(row, kStateColumn);
    if (state == kLocked) {
        m_list.SetItemText(row, kStateColumn, kUnlocked);
        SetSecureButton(TRUE, kSecureText);
        GetDlgItem(IDC_CLOSE_AND_ARCHIVE)->EnableWindow(FALSE);
    } else if (state == kUnlocked) {
        m_list.SetItemText(row, kStateColumn, kLocked);
        SetSecureButton(TRUE, kUnsecureText);
        GetDlgItem(IDC_CLOSE_AND_ARCHIVE)->EnableWindow(!AnyUnlocked());
    }
}

void CDocumentPropertiesDlg::OnSecureAll()
{
    for (int row = 0; row < m_list.GetItemCount(); ++row) {
        const CString state = m_list.GetItemText(row, kStateColumn);
        if (!IsCommentRow(row) && state != kWordDocument && state != kExcelDocument)
            m_list.SetItemText(row, kStateColumn, kLocked);
    }
    GetDlgItem(IDC_SECURE_DOCUMENT)->SetWindowText(kUnsecureText);
    GetDlgItem(IDC_CLOSE_AND_ARCHIVE)->EnableWindow(TRUE);
}

void CDocumentPropertiesDlg::StoreFlags()
{
    for (int row = 0; row < m_list.GetItemCount(); ++row) {
        if (IsCommentRow(row))
            continue;
        m_nLocked[m_list.GetItemData(row)] = m_list.GetItemText(row, kStateColumn) == kLocked ? 1 : 0;
    }
}

void CDocumentPropertiesDlg::OnOK()
{
    StoreFlags();
    EndDialog(IDOK);
}

void CDocumentPropertiesDlg::OnCloseAndArchive()
{
    m_nArchiveRequest = 1;
    StoreFlags();
    EndDialog(IDOK);
}
