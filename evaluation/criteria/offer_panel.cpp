#include "evaluation/criteria/offer_panel.h"

#include <algorithm>
#include <cstdlib>

#include "app/number_format.h"
#include "model/criteria_data.h"
#include "framework/core/exceptions.h"
#include "framework/ui/gdi.h"
#include "framework/ui/msgbox.h"
#include "framework/ui/msgmap.h"
#include "res/evaluation_ids.h"

BEGIN_MESSAGE_MAP(COfferPanel, CDialog)
    ON_WM_SIZE()
    ON_WM_VSCROLL()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

BOOL CreateEvaluationBoldFont(CFont &font)
{
    return font.CreateFont(-12, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Verdana");
}

COfferPanel::COfferPanel(UINT nIDTemplate, CCriteriaData *pData) : m_pData(pData), m_nIDTemplate(nIDTemplate) {}

COfferPanel::~COfferPanel()
{
    // Rows go first: a row outliving its panel's window would be destroyed twice.
    for (int i = 0; i < kMaxRows; ++i)
        DestroyRow(i);
}

BOOL COfferPanel::CreatePanel(CWnd *pParent)
{
    return Create(m_nIDTemplate, pParent);
}

CDialog *COfferPanel::GetRow(int i) const
{
    if (i < 0 || i >= m_nRowsPresent)
        return nullptr;
    return m_rows[i].get();
}

void COfferPanel::Guarded(const std::function<void()> &action)
{
    try {
        action();
    } catch (CException *e) {
        e->Delete();
    } catch (...) {
    }
}

void COfferPanel::ForEachRow(const std::function<void(int i, CDialog &row)> &action)
{
    for (int i = 0; i < m_nRowsPresent; ++i) {
        CDialog *row = m_rows[i].get();
        if (row != nullptr)
            Guarded([&] { action(i, *row); });
    }
}

BOOL COfferPanel::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_nScrollPos = 0;
    m_nRowsWanted = m_pData != nullptr ? m_pData->m_nOfferCount : 0;
    m_nRowsPresent = 0;
    GetWindowRect(&m_rcContent);
    CreateRows();
    return FALSE;
}

void COfferPanel::PlaceRow(int i, int nSlot)
{
    CDialog *row = m_rows[i].get();
    if (row == nullptr)
        return;
    // Rows live in the scrolled client area: slot 0 is at -scroll position.
    row->MoveWindow(0, nSlot * m_rowSize.cy - m_nScrollPos, m_rowSize.cx, m_rowSize.cy);
}

void COfferPanel::PlaceNewRows(int nFirst)
{
    for (int i = nFirst; i < m_nRowsWanted; ++i) {
        CDialog *row = m_rows[i].get();
        if (row == nullptr)
            continue;
        Guarded([&] {
            PlaceRow(i, i);
            row->SetDlgItemText(IDC_EVAL_ROW_NUMBER, IntToStr(i + 1));
            row->ShowWindow(SW_SHOW);
        });
    }
}

void COfferPanel::DestroyRow(int i)
{
    std::unique_ptr<CDialog> row = std::move(m_rows[i]);
    if (row == nullptr)
        return;
    Guarded([&] {
        if (row->GetSafeHwnd() != nullptr) {
            row->ShowWindow(SW_HIDE);
            row->DestroyWindow();
        }
    });
}

void COfferPanel::CreateRows()
{
    m_nRowsWanted = std::clamp(m_nRowsWanted, 0, kMaxRows);
    if (m_nRowsWanted == m_nRowsPresent)
        return;

    if (m_nRowsWanted > m_nRowsPresent) {
        const int firstNew = m_nRowsPresent;
        for (int i = firstNew; i < m_nRowsWanted; ++i)
            Guarded([&] { m_rows[i].reset(CreateRow(i)); });
        m_nRowsPresent = m_nRowsWanted;
        for (int i = 0; i < m_nRowsPresent; ++i) {
            if (m_rows[i] != nullptr && m_rows[i]->GetSafeHwnd() != nullptr) {
                CRect rect;
                m_rows[i]->GetWindowRect(&rect);
                m_rowSize = CSize(rect.Width(), rect.Height());
                break;
            }
        }
        PlaceNewRows(firstNew);
        OnRowsGrown();
    } else {
        for (int i = m_nRowsWanted; i < m_nRowsPresent; ++i)
            DestroyRow(i);
        m_nRowsPresent = m_nRowsWanted;
        OnRowsRemoved();
    }

    const int contentHeight = m_nRowsPresent > 0 ? m_rowSize.cy * m_nRowsPresent : 0;
    MoveWindow(0, 0, m_nRowsPresent > 0 ? m_rowSize.cx : 0, contentHeight);
    GetWindowRect(&m_rcContent);
}

void COfferPanel::MoveOntoFrame(CWnd *pOwner, int nFrameId)
{
    CWnd *frame = pOwner != nullptr ? pOwner->GetDlgItem(nFrameId) : nullptr;
    if (frame == nullptr || GetSafeHwnd() == nullptr)
        return;
    CRect rect;
    frame->GetWindowRect(&rect);
    pOwner->ScreenToClient(&rect);
    // Right after the frame in the owner's z-order, so that Tab reaches the rows in its place.
    SetWindowPos(frame, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOACTIVATE);
}

BOOL COfferPanel::ApplyOfferCount(CWnd *pOwner, int nCountId, int nFrameId)
{
    CString text;
    pOwner->GetDlgItemText(nCountId, text);
    const int count = atoi(text);
    if (count >= 100) {
        // The field is set back first: the message box takes the focus and would report the
        // refused number a second time.
        pOwner->SetDlgItemText(nCountId, IntToStr(m_nRowsWanted));
        AfxShowMessageBox(pOwner->GetSafeHwnd(), "Maksymalna ilość ofert to 99", "Błąd", MB_ICONERROR);
        return FALSE;
    }
    m_nRowsWanted = count;
    CreateRows();
    MoveOntoFrame(pOwner, nFrameId);
    return TRUE;
}

void COfferPanel::ScrollTo(int nPos)
{
    const int delta = nPos - m_nScrollPos;
    m_nScrollPos = nPos;
    SetScrollPos(SB_VERT, m_nScrollPos);
    if (delta == 0)
        return;
    // The rows are moved one by one: scrolling the window's pixels leaves the children of a
    // hidden window where they were.
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        CRect rect;
        ::GetWindowRect(child, &rect);
        ScreenToClient(&rect);
        ::SetWindowPos(child, nullptr, rect.left, rect.top - delta, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    Invalidate();
}

void COfferPanel::OnSize(UINT, int, int cy)
{
    m_nPageHeight = cy;
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL;
    info.nMin = 0;
    info.nMax = GetContentHeight();
    info.nPage = (UINT)std::max(0, m_nPageHeight);
    SetScrollInfo(SB_VERT, &info);
    // The rows stay where the bar says they are: back within the new limit.
    const int limit = std::max(0, GetContentHeight() - m_nPageHeight);
    ScrollTo(std::clamp(m_nScrollPos, 0, limit));
}

void COfferPanel::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar *)
{
    const int limit = GetContentHeight() - m_nPageHeight;
    const int line = std::max(limit / 20, 5);
    const int page = std::max(limit / 10, 5);
    int delta = 0;
    switch (nSBCode) {
    case SB_LINEUP:
    case SB_PAGEUP:
        if (m_nScrollPos <= 0)
            return;
        delta = -std::min(nSBCode == SB_LINEUP ? line : page, m_nScrollPos);
        break;
    case SB_LINEDOWN:
    case SB_PAGEDOWN:
        if (m_nScrollPos >= limit)
            return;
        delta = std::min(nSBCode == SB_LINEDOWN ? line : page, limit - m_nScrollPos);
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        // The bar's range lets the thumb one pixel past the limit.
        delta = std::clamp((int)nPos, 0, std::max(0, limit)) - m_nScrollPos;
        break;
    default:
        return;
    }
    ScrollTo(m_nScrollPos + delta);
}

void COfferPanel::OnDestroy()
{
    if (m_pData != nullptr) {
        for (int i = 0; i < m_nRowsPresent; ++i) {
            if (m_rows[i] != nullptr)
                Guarded([&] { StoreRow(i); });
        }
        m_pData->m_nOfferCount = m_nRowsPresent;
    }
    for (int i = 0; i < kMaxRows; ++i)
        DestroyRow(i);
    CWnd::OnDestroy();
}
