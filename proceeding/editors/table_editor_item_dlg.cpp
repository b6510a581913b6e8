#include "proceeding/editors/table_editor_item_dlg.h"

#include <algorithm>

#include "framework/ui/msgbox.h"
#include "framework/ui/msgmap.h"
#include "proceeding/editors/table_editor_text.h"
#include "res/table_editors_ids.h"

namespace {

const char kPriceFormName[] = "formularz cenowy";
const char kFieldFont[] = "Microsoft Sans Serif Regular";
const int kFieldFontSize = 88; // tenths of a point

// Field geometry in pixels: a heading above each edit, one field every 40 pixels.
const int kFieldLeft = 10;
const int kFieldWidth = 300;
const int kFieldStep = 40;
const int kLabelTop = 5;
const int kLabelHeight = 14;
const int kEditTop = 20;
const int kEditHeight = 18;
const int kBottomMargin = 12;

// The price form's fields: quantity, unit price, net value, tax and gross value.
const int kQuantity = 2;
const int kUnitPrice = 3;
const int kNetValue = 4;
const int kTax = 5;
const int kGrossValue = 6;
const int kPriceFormColumns = 7;

bool IsNumberHeading(CString heading)
{
    heading.Trim(' ');
    heading.MakeLower();
    return heading == "lp" || heading == "lp.";
}

} // namespace

BEGIN_MESSAGE_MAP(CTableEditorItemDlg, CDialog)
    ON_BN_CLICKED(IDC_TABLE_EDITOR_ITEM_ADD_NEXT, OnAddNext)
    ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_TABLE_EDITOR_ITEM_FIRST + kQuantity, IDC_TABLE_EDITOR_ITEM_FIRST + kTax,
                     OnValueChanged)
END_MESSAGE_MAP()

CTableEditorItemDlg::CTableEditorItemDlg(CWnd *pParent) : CDialog(IDD_TABLE_EDITOR_ITEM, pParent) {}

CEdit *CTableEditorItemDlg::Edit(int column) const
{
    return column >= 0 && column < static_cast<int>(m_edits.size()) ? m_edits[column].get() : nullptr;
}

BOOL CTableEditorItemDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_headings.empty()) {
        EndDialog(IDCANCEL);
        return TRUE;
    }
    m_values.resize(m_headings.size());
    if (!m_strTableName.IsEmpty())
        SetWindowText("Edycja elementu tabeli: " + m_strTableName);
    m_bPriceForm = m_strTableName == kPriceFormName;
    m_font.CreatePointFont(kFieldFontSize, kFieldFont);
    m_bNumbered = false;
    CreateFields();
    FitHeight();
    GetDlgItem(IDC_TABLE_EDITOR_ITEM_ADD_NEXT)->EnableWindow(m_bAdding);

    if (m_bNumbered) {
        CString number;
        number.Format("%d", m_nRow + 1);
        m_edits[0]->SetWindowText(number);
        m_edits[0]->EnableWindow(FALSE);
    }
    Edit(m_bNumbered && m_edits.size() > 1 ? 1 : 0)->SetFocus();
    return FALSE;
}

void CTableEditorItemDlg::CreateFields()
{
    for (size_t k = 0; k < m_headings.size(); ++k) {
        const int top = kFieldStep * static_cast<int>(k);
        CString heading = m_headings[k];
        auto label = std::make_unique<CStatic>();
        label->Create(heading.Trim(' '), WS_CHILD | WS_VISIBLE,
                      CRect(kFieldLeft, top + kLabelTop, kFieldLeft + kFieldWidth, top + kLabelTop + kLabelHeight),
                      this);
        label->SetFont(&m_font);

        DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL;
        if (IsNumberHeading(m_headings[k])) {
            style |= ES_NUMBER;
            m_bNumbered = true;
        }
        auto edit = std::make_unique<CEdit>();
        edit->CreateEx(WS_EX_STATICEDGE, "EDIT", m_values[k], style,
                       CRect(kFieldLeft, top + kEditTop, kFieldLeft + kFieldWidth, top + kEditTop + kEditHeight), this,
                       IDC_TABLE_EDITOR_ITEM_FIRST + static_cast<UINT>(k));
        edit->SetFont(&m_font);
        m_labels.push_back(std::move(label));
        m_edits.push_back(std::move(edit));
    }
}

// Tall enough for every field and for the buttons beside them.
void CTableEditorItemDlg::FitHeight()
{
    CRect lowest;
    GetDlgItem(IDC_TABLE_EDITOR_ITEM_ADD_NEXT)->GetWindowRect(&lowest);
    ScreenToClient(&lowest);
    const int fields = kFieldStep * static_cast<int>(m_headings.size());
    const int client = std::max(fields, static_cast<int>(lowest.bottom)) + kBottomMargin;

    CRect window, inside;
    GetWindowRect(&window);
    GetClientRect(&inside);
    SetWindowPos(nullptr, 0, 0, window.Width(), window.Height() - inside.Height() + client,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CTableEditorItemDlg::ReadValues()
{
    std::vector<CString> values;
    for (const auto &edit : m_edits) {
        CString text;
        edit->GetWindowText(text);
        if (text.Find(';') >= 0) {
            AfxShowMessageBox(m_hWnd, "Pole tabeli nie może zawierać znaku ';'", "Błąd", MB_ICONERROR);
            edit->SetFocus();
            return false;
        }
        values.push_back(text);
    }
    m_values = values;
    return true;
}

void CTableEditorItemDlg::OnOK()
{
    if (ReadValues())
        EndDialog(IDOK);
}

void CTableEditorItemDlg::OnAddNext()
{
    if (!ReadValues())
        return;
    m_bAddNext = true;
    EndDialog(IDOK);
}

void CTableEditorItemDlg::OnValueChanged(UINT)
{
    if (!m_bPriceForm || m_edits.size() < kPriceFormColumns)
        return;
    CString quantity, unitPrice, tax;
    m_edits[kQuantity]->GetWindowText(quantity);
    m_edits[kUnitPrice]->GetWindowText(unitPrice);
    m_edits[kTax]->GetWindowText(tax);
    const PriceFormFields fields = ComputePriceForm(quantity, unitPrice, tax);
    if (!fields.unitPrice.IsEmpty())
        m_edits[kUnitPrice]->SetWindowText(fields.unitPrice);
    m_edits[kNetValue]->SetWindowText(fields.netValue);
    m_edits[kTax]->SetWindowText(fields.tax);
    m_edits[kGrossValue]->SetWindowText(fields.grossValue);
}
