#include "controls/alternate_rows.h"

void OnCustomDrawAlternateRows(NMHDR *pNMHDR, LRESULT *pResult)
{
    auto *draw = reinterpret_cast<NMLVCUSTOMDRAW *>(pNMHDR);
    if (draw->nmcd.dwDrawStage == CDDS_PREPAINT) {
        *pResult = CDRF_NOTIFYITEMDRAW;
    } else if (draw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
        draw->clrTextBk = (draw->nmcd.dwItemSpec % 2) ? RGB(240, 240, 240) : RGB(255, 255, 255);
        *pResult = CDRF_DODEFAULT;
    }
}
