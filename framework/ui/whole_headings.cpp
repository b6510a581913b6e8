#include "framework/ui/whole_headings.h"

#include "framework/ui/under_wine.h"

#include <commctrl.h>

namespace {

const UINT_PTR kSubclassId = 1;
// The etched edge a header item draws along its bottom.
const int kEdge = 2;

// Draws again each left-aligned text heading, over the text the header drew.
void DrawHeadingsWhole(HWND header, HDC dc)
{
    const int count = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    const int margin = static_cast<int>(SendMessageW(header, HDM_GETBITMAPMARGIN, 0, 0));
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(header, WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    const UINT drawnApart = HDF_OWNERDRAW | HDF_IMAGE | HDF_BITMAP | HDF_SORTUP | HDF_SORTDOWN;
    for (int i = 0; i < count; ++i) {
        wchar_t text[260] = L"";
        HDITEMW item{};
        item.mask = HDI_TEXT | HDI_FORMAT;
        item.pszText = text;
        item.cchTextMax = 260;
        RECT box{};
        if (!SendMessageW(header, HDM_GETITEMW, i, reinterpret_cast<LPARAM>(&item))
            || !SendMessageW(header, HDM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&box)))
            continue;
        if (!*text || !(item.fmt & HDF_STRING) || (item.fmt & drawnApart) || (item.fmt & HDF_JUSTIFYMASK) != HDF_LEFT)
            continue;
        RECT band{box.left + margin, box.top, box.right - margin, box.bottom - kEdge};
        if (band.right <= band.left)
            continue;
        // The header's own background, as it shows in the margin before the text: plain or themed.
        COLORREF back = GetPixel(dc, box.left + margin / 2, (box.top + box.bottom) / 2);
        if (back == CLR_INVALID)
            back = GetSysColor(COLOR_3DFACE);
        HBRUSH brush = CreateSolidBrush(back);
        FillRect(dc, &band, brush);
        DeleteObject(brush);
        DrawTextW(dc, text, -1, &band, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX | DT_NOCLIP);
    }
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
}

LRESULT CALLBACK HeaderProc(HWND header, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(header, HeaderProc, kSubclassId);
    if (message != WM_PAINT && message != WM_PRINTCLIENT)
        return DefSubclassProc(header, message, wParam, lParam);
    const LRESULT result = DefSubclassProc(header, message, wParam, lParam);
    // A pressed heading is drawn shifted, and a divider being dragged moves every heading after
    // it: the header's own drawing stands until the mouse is let go.
    if (GetCapture() == header)
        return result;
    HDC given = reinterpret_cast<HDC>(wParam);
    HDC dc = given ? given : GetDC(header);
    if (dc) {
        DrawHeadingsWhole(header, dc);
        if (!given)
            ReleaseDC(header, dc);
    }
    return result;
}

} // namespace

void KeepHeadingsWhole(HWND list)
{
    if (!RunsUnderWine())
        return;
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    if (header)
        SetWindowSubclass(header, HeaderProc, kSubclassId, 0);
}
