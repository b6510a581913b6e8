// COfferPanel: the scrolling panel of the offer-evaluation dialogs. A captionless child dialog
// with a vertical scroll bar that stacks one row dialog per offer (at most kMaxRows) below each
// other and scrolls them. The panel owns its rows: rows beyond the wanted number are destroyed
// at once, and when the panel itself is destroyed every present row first stores its data into
// the record, then the record's offer count becomes the number of rows. The record may be null:
// the panel then shows empty rows and stores nothing.
//
// A derived panel
//   - creates its window from its own constructor with CreatePanel, so that the hooks below are
//     its own when OnInitDialog builds the first rows;
//   - CreateRow(i): makes row i as a child of the panel and fills it from the record (null when
//     it cannot be made; such a slot is skipped everywhere);
//   - PlaceNewRows(first): by default stacks rows first.. at i x row height, sets their number
//     (IDC_EVAL_ROW_NUMBER) to i + 1 and shows them;
//   - OnRowsGrown / OnRowsRemoved: recomputes what depends on all rows;
//   - StoreRow(i): writes row i into the record while the panel is being destroyed.
// Every per-row call runs through ForEachRow or Guarded: an exception raised for one row is
// dropped and the loop goes on with the next.
#pragma once

#include <functional>
#include <memory>

#include "framework/ui/dialog.h"

class CCriteriaData;
class CFont;

// The bold face of the evaluation dialogs' titles and row numbers.
BOOL CreateEvaluationBoldFont(CFont &font);

class COfferPanel : public CDialog {
public:
    static constexpr int kMaxRows = 100;

    ~COfferPanel() override;

    CCriteriaData *GetData() const { return m_pData; }
    int GetRowsWanted() const { return m_nRowsWanted; }
    // Taken into 0..kMaxRows by CreateRows.
    void SetRowsWanted(int nRows) { m_nRowsWanted = nRows; }
    int GetRowCount() const { return m_nRowsPresent; }
    // Row i, or null outside the present rows or when the row could not be made.
    CDialog *GetRow(int i) const;

    // Brings the rows to the wanted number, places them and sizes the panel to hold them all;
    // the caller then moves the panel back onto its frame.
    void CreateRows();
    // Puts the panel over control nFrameId of pOwner (usually the frame it stands in for) and
    // right after it in the Tab order.
    void MoveOntoFrame(CWnd *pOwner, int nFrameId);
    // The number of offers typed into control nCountId of pOwner: below 100 the rows follow it
    // and the panel goes back onto frame nFrameId; otherwise the field shows the rows wanted
    // again and "Maksymalna ilość ofert to 99" is shown. FALSE when refused.
    BOOL ApplyOfferCount(CWnd *pOwner, int nCountId, int nFrameId);

    int GetScrollPosition() const { return m_nScrollPos; }
    int GetPageHeight() const { return m_nPageHeight; }
    int GetContentHeight() const { return m_rcContent.Height(); }
    CSize GetRowSize() const { return m_rowSize; }

protected:
    COfferPanel(UINT nIDTemplate, CCriteriaData *pData);
    BOOL CreatePanel(CWnd *pParent);

    virtual CDialog *CreateRow(int i) = 0;
    virtual void PlaceNewRows(int nFirst);
    virtual void OnRowsGrown() {}
    virtual void OnRowsRemoved() {}
    virtual void StoreRow(int) {}

    // Places row i at slot (its top at slot x row height, in content coordinates).
    void PlaceRow(int i, int nSlot);
    void ForEachRow(const std::function<void(int i, CDialog &row)> &action);
    static void Guarded(const std::function<void()> &action);

    BOOL OnInitDialog() override;
    // Enter and Esc inside a row belong to the dialog around the panel.
    void OnOK() override {}
    void OnCancel() override {}
    void OnSize(UINT nType, int cx, int cy);
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar *pScrollBar);
    void OnDestroy();
    DECLARE_MESSAGE_MAP()

    CCriteriaData *m_pData;

private:
    void DestroyRow(int i);
    void ScrollTo(int nPos);

    UINT m_nIDTemplate;
    int m_nRowsWanted = 0;
    int m_nRowsPresent = 0;
    std::unique_ptr<CDialog> m_rows[kMaxRows];
    CRect m_rcContent;
    CSize m_rowSize;
    int m_nScrollPos = 0;
    int m_nPageHeight = 0;
};
