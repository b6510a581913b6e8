#include "evaluation/criteria/balance_panel.h"

#include <memory>
#include <vector>

#include "app/number_format.h"
#include "document/view/value_editor_runner.h"
#include "evaluation/criteria/balance_dlg.h"
#include "evaluation/criteria/best_offer.h"
#include "model/criteria_data.h"
#include "framework/ui/ddx.h"
#include "framework/ui/msgbox.h"

namespace {

const char kTotalText[] = "Suma punktów uzyskanych we wszystkich  kryteriach";
const COLORREF kTotalColor = RGB(255, 0, 0);
const int kNameColumnWidth = 370;
const int kPointsColumnWidth = 70;

} // namespace

BEGIN_MESSAGE_MAP(COfertaPunktyDlg, CDialog)
    ON_NOTIFY(NM_CLICK, IDC_BALANCE_ROW_POINTS, OnListClick)
    ON_NOTIFY(NM_DBLCLK, IDC_BALANCE_ROW_POINTS, OnListDoubleClick)
    ON_BN_CLICKED(IDC_BALANCE_ROW_EDIT, OnEdit)
END_MESSAGE_MAP()

COfertaPunktyDlg::COfertaPunktyDlg(CCriteriaData *pData, int nOffer, CPanelBilansDlg *pPanel)
    : CDialog(IDD, pPanel), m_pData(pData), m_nOffer(nOffer), m_pPanel(pPanel)
{
}

void COfertaPunktyDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BALANCE_ROW_POINTS, m_list);
}

BOOL COfertaPunktyDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (CreateEvaluationBoldFont(m_boldFont))
        GetDlgItem(IDC_BALANCE_ROW_NUMBER)->SetFont(&m_boldFont);
    m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    m_list.InsertColumn(0, "Nazwa kryterium", LVCFMT_LEFT, kNameColumnWidth);
    m_list.InsertColumn(1, "L. punktów", LVCFMT_LEFT, kPointsColumnWidth);
    return TRUE;
}

bool COfertaPunktyDlg::HasPrice() const
{
    return m_pData != nullptr && m_nOffer >= 0 && m_nOffer < CCriteriaData::kMaxOffers
           && m_pData->m_offers[m_nOffer].grossPrice > 0;
}

void COfertaPunktyDlg::Refill()
{
    m_list.DeleteAllItems();
    m_list.InsertItem(0, "cena");
    if (m_pData == nullptr || m_nOffer < 0 || m_nOffer >= CCriteriaData::kMaxOffers)
        return;
    m_pricePoints = PricePoints(*m_pData, m_nOffer);
    m_list.SetItemText(0, 1, DoubleToStr(m_pricePoints));
    const CriteriaOffer &offer = m_pData->m_offers[m_nOffer];
    for (int k = 0; k < m_pData->m_nCriteriaCount && k < CCriteriaData::kMaxCriteria; ++k) {
        const int row = m_list.InsertItem(k + 1, m_pData->m_strCriterionName[k]);
        m_list.SetItemText(row, 1, DoubleToStr(offer.points[k]));
    }
    const int total = m_list.InsertItem(m_list.GetItemCount(), kTotalText);
    m_list.SetItemFontStyle(total, ItemFormat::kBold, FALSE);
    m_list.SetItemTextColor(total, kTotalColor, FALSE);
    ShowTotal();
}

void COfertaPunktyDlg::ShowTotal()
{
    // From the stored points, not from the shown texts: those are cut to three decimals and
    // grouped by blanks, which atof would stop at.
    m_total = TotalPoints(*m_pData, m_nOffer);
    m_list.SetItemText(TotalRow(), 1, DoubleToStr(m_total));
}

void COfertaPunktyDlg::OnListClick(NMHDR *, LRESULT *pResult)
{
    const int selected = m_list.GetNextItem(-1, LVNI_SELECTED);
    GetDlgItem(IDC_BALANCE_ROW_EDIT)->EnableWindow(selected > 0 && selected < TotalRow());
    *pResult = 0;
}

void COfertaPunktyDlg::OnListDoubleClick(NMHDR *, LRESULT *pResult)
{
    OnEdit();
    *pResult = 0;
}

void COfertaPunktyDlg::OnEdit()
{
    const int selected = m_list.GetNextItem(-1, LVNI_SELECTED);
    if (selected < 0) {
        AfxShowMessageBox(m_hWnd, "Proszę wybrać element do edycji", "Błąd", MB_OK | MB_ICONINFORMATION);
        return;
    }
    const int k = selected - 1;
    if (selected == 0 || selected >= TotalRow() || m_pData == nullptr || k >= m_pData->m_nCriteriaCount)
        return;
    ValueEditorRunner *runner = GetValueEditorRunner();
    if (runner == nullptr)
        return;
    double &points = m_pData->m_offers[m_nOffer].points[k];
    PriceEditRequest request;
    request.caption = "Kryterium: " + m_pData->m_strCriterionName[k];
    request.label = "Wartość:";
    request.value = DoubleToStr(points);
    if (!runner->EditPrice(request))
        return;
    points = (float)StrToDouble(request.value); // points are kept in single precision
    m_list.SetItemText(selected, 1, DoubleToStr(points));
    ShowTotal();
    m_pPanel->FindBest();
}

CPanelBilansDlg::CPanelBilansDlg(CCriteriaData *pData, CBilansPunktowyDlg *pOwner)
    : COfferPanel(IDD_PANEL_BILANS, pData), m_pOwner(pOwner)
{
    CreatePanel(pOwner);
}

CDialog *CPanelBilansDlg::CreateRow(int i)
{
    auto row = std::make_unique<COfertaPunktyDlg>(m_pData, i, this);
    if (!row->Create(IDD_OFERTA_PUNKTY, this))
        return nullptr;
    if (m_pData != nullptr)
        row->Refill();
    return row.release();
}

void CPanelBilansDlg::PlaceNewRows(int nFirst)
{
    // Every visible row is stacked again, so that hidden rows leave no gaps.
    int slot = 0;
    for (int i = 0; i < GetRowCount(); ++i) {
        COfertaPunktyDlg *row = GetOfferRow(i);
        if (row == nullptr)
            continue;
        Guarded([&] {
            if (i >= nFirst)
                row->SetDlgItemText(IDC_BALANCE_ROW_NUMBER, IntToStr(i + 1));
            if (row->HasPrice()) {
                PlaceRow(i, slot++);
                row->ShowWindow(SW_SHOW);
            } else {
                row->ShowWindow(SW_HIDE);
            }
        });
    }
}

void CPanelBilansDlg::RefreshRows()
{
    ForEachRow([](int, CDialog &row) { static_cast<COfertaPunktyDlg &>(row).Refill(); });
    FindBest();
}

void CPanelBilansDlg::FindBest()
{
    std::vector<OfferStanding> standings;
    for (int i = 0; i < GetRowCount(); ++i) {
        const COfertaPunktyDlg *row = GetOfferRow(i);
        if (row != nullptr)
            standings.push_back({i + 1, row->HasPrice(), row->GetTotal(), row->GetPricePoints()});
    }
    const BestOffers result = FindBestOffers(standings);
    if (m_pOwner != nullptr)
        m_pOwner->SetResultText(result.best, result.winners, result.cheapest);
}
