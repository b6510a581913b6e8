// CGridCtrl: sorting body rows by a column's text.
#include "controls/grid/grid_ctrl.h"

#include <mbstring.h>

#include <utility>

namespace {

// Byte order in the multibyte sense, case-sensitive.
int CompareTexts(const CString &a, const CString &b)
{
    return _mbscmp((const unsigned char *)a.GetString(), (const unsigned char *)b.GetString());
}

} // namespace

void CGridCtrl::SortByColumn(int nCol, BOOL bAscending)
{
    ClearSelection();
    SetFocusCell(-1, -1);
    SortTextItems(nCol, bAscending, m_nFixedRows, -1);
}

BOOL CGridCtrl::SortTextItems(int nCol, BOOL bAscending, int nLow, int nHigh)
{
    if (nCol < 0 || nCol >= m_nCols)
        return FALSE;
    if (nHigh == -1)
        nHigh = m_nRows - 1;
    if (nLow < 0 || nHigh >= m_nRows || nLow >= nHigh)
        return FALSE;

    const CString pivot = CellAt((nLow + nHigh) / 2, nCol)->strText;
    auto before = [&](int row) {
        const int order = CompareTexts(CellAt(row, nCol)->strText, pivot);
        return bAscending ? order < 0 : order > 0;
    };
    auto after = [&](int row) {
        const int order = CompareTexts(CellAt(row, nCol)->strText, pivot);
        return bAscending ? order > 0 : order < 0;
    };

    int lo = nLow;
    int hi = nHigh;
    while (lo <= hi) {
        while (lo < nHigh && before(lo))
            ++lo;
        while (hi > nLow && after(hi))
            --hi;
        if (lo <= hi) {
            if (CompareTexts(CellAt(lo, nCol)->strText, CellAt(hi, nCol)->strText) != 0) {
                std::swap(m_RowData[lo], m_RowData[hi]);
                std::swap(m_arRowHeights[lo], m_arRowHeights[hi]);
            }
            ++lo;
            --hi;
        }
    }
    if (nLow < hi)
        SortTextItems(nCol, bAscending, nLow, hi);
    if (lo < nHigh)
        SortTextItems(nCol, bAscending, lo, nHigh);
    return TRUE;
}
