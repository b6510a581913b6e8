#include "proceeding/mail/document_choice_dlg.h"

#include "model/file_utils.h"
#include "framework/ui/ddx.h"
#include "framework/ui/msgbox.h"

namespace {

const int kNameColumn = 0;
const int kFileColumn = 1;

} // namespace

bool IsMailableDocument(const DocumentSlot &slot)
{
    return slot.state == kStateGenerated && GetFileExtension(slot.fileName).CompareNoCase("rtf") == 0;
}

BEGIN_MESSAGE_MAP(CWyborDokumentow, CDialog)
    ON_BN_CLICKED(IDC_MAIL_TICK_ALL, OnTickAll)
    ON_BN_CLICKED(IDC_MAIL_UNTICK_ALL, OnUntickAll)
END_MESSAGE_MAP()

CWyborDokumentow::CWyborDokumentow(CWnd *pParent) : CDialog(IDD, pParent) {}

void CWyborDokumentow::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MAIL_DOCUMENT_LIST, m_list);
}

BOOL CWyborDokumentow::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    m_list.InsertColumn(kNameColumn, "Nazwa dokumentu", LVCFMT_LEFT, 350);
    m_list.InsertColumn(kFileColumn, "Nazwa pliku", LVCFMT_LEFT, 160);

    const int entries = m_nEntries < kDocumentSlots ? m_nEntries : kDocumentSlots;
    for (int i = 0; i < entries; ++i) {
        if (!IsMailableDocument(m_entries[i]))
            continue;
        const int row = m_list.InsertItem(m_list.GetItemCount(), m_entries[i].displayName);
        m_list.SetItemText(row, kFileColumn, m_entries[i].fileName);
        m_list.SetItemData(row, static_cast<DWORD_PTR>(i));
    }
    return TRUE;
}

void CWyborDokumentow::TickAll(BOOL tick)
{
    for (int row = 0; row < m_list.GetItemCount(); ++row)
        m_list.SetCheck(row, tick);
}

void CWyborDokumentow::OnOK()
{
    m_chosen.clear();
    for (int row = 0; row < m_list.GetItemCount(); ++row)
        if (m_list.GetCheck(row))
            m_chosen.push_back(static_cast<int>(m_list.GetItemData(row)));
    if (m_chosen.empty()) {
        AfxShowMessageBox(m_hWnd, "Należy wybrać co najmniej jeden dokument do wysyłki.", "Informacja",
                          MB_OK | MB_ICONINFORMATION);
        return;
    }
    EndDialog(IDOK);
}
