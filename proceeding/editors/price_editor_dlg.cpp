#include "proceeding/editors/price_editor_dlg.h"

#include "app/number_format.h"
#include "model/string_utils.h"
#include "framework/ui/ddx.h"
#include "framework/ui/msgbox.h"
#include "framework/ui/msgmap.h"
#include "res/editors_ids.h"

int RemoveChar(CString &text, char character)
{
    return text.Remove(character);
}

bool IsAmountText(const CString &text)
{
    CString rest = NormalizeNumberText(text);
    if (RemoveChar(rest, '.') > 1)
        return false;
    for (char digit = '0'; digit <= '9'; ++digit)
        RemoveChar(rest, digit);
    return rest.IsEmpty();
}

BEGIN_MESSAGE_MAP(CPriceEditorDlg, CDialog)
    ON_EN_SETFOCUS(IDC_EDITOR_VALUE, OnSetFocusValue)
    ON_EN_KILLFOCUS(IDC_EDITOR_VALUE, OnKillFocusValue)
END_MESSAGE_MAP()

CPriceEditorDlg::CPriceEditorDlg(CWnd *pParent) : CDialog(IDD_PRICE_EDITOR, pParent) {}

void CPriceEditorDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_EDITOR_VALUE, m_edit);
}

BOOL CPriceEditorDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!m_strCaption.IsEmpty())
        SetWindowText(m_strCaption);
    if (!m_strLabel.IsEmpty())
        SetDlgItemText(IDC_PRICE_LABEL, m_strLabel);
    m_edit.SetWindowText(NormalizeNumberText(m_strValue));
    return TRUE;
}

void CPriceEditorDlg::OnSetFocusValue()
{
    CString text;
    m_edit.GetWindowText(text);
    m_edit.SetWindowText(NormalizeNumberText(text));
}

void CPriceEditorDlg::OnKillFocusValue()
{
    CString text;
    m_edit.GetWindowText(text);
    // Grouping a text that still holds the user's blanks would double them.
    m_strValue = FormatAmount(NormalizeNumberText(text));
    m_edit.SetWindowText(m_strValue);
}

void CPriceEditorDlg::OnOK()
{
    m_edit.GetWindowText(m_strValue);
    if (!IsAmountText(m_strValue)) {
        AfxShowMessageBox(m_hWnd, "Niepoprawnie wprowadzona wartość", "Błąd", MB_ICONERROR);
        return;
    }
    EndDialog(IDOK);
}
