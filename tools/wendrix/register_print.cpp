#include "tools/wendrix/register_print.h"

#include "framework/core/codepage.h"
#include "framework/ui/msgbox.h"
#include "tools/wendrix/register_export.h"

#include <commdlg.h>

namespace {

// Shares of the page width per column, in hundredths.
const int kColumnShares[] = {3, 9, 24, 12, 12, 18, 10, 12};

} // namespace

bool PrintRegister(HWND owner, const std::vector<ContractEntry> &entries)
{
    PRINTDLGW choice{};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = owner;
    choice.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION;
    if (!PrintDlgW(&choice))
        return false;
    HDC dc = choice.hDC;
    const int width = GetDeviceCaps(dc, HORZRES);
    const int height = GetDeviceCaps(dc, VERTRES);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    const int margin = dpi / 2;
    HFONT font =
        CreateFontW(-MulDiv(7, dpi, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, EASTEUROPE_CHARSET, 0, 0, 0, 0, L"Arial");
    HFONT bold = CreateFontW(-MulDiv(7, dpi, 72), 0, 0, 0, FW_BOLD, 0, 0, 0, EASTEUROPE_CHARSET, 0, 0, 0, 0, L"Arial");
    const int lineHeight = MulDiv(10, dpi, 72);
    DOCINFOW document{};
    document.cbSize = sizeof document;
    document.lpszDocName = L"Ewidencja zam\u00f3wie\u0144 publicznych";
    bool ok = StartDocW(dc, &document) > 0;
    const std::vector<std::vector<CString>> table = RegisterTable(entries);
    int y = height;
    for (size_t row = 0; ok && row < table.size(); ++row) {
        if (y + lineHeight > height - margin) {
            if (row > 0)
                ok = EndPage(dc) > 0;
            ok = ok && StartPage(dc) > 0;
            y = margin;
            SelectObject(dc, bold);
            const std::wstring title = L"Ewidencja zam\u00f3wie\u0144 publicznych";
            TextOutW(dc, margin, y, title.c_str(), static_cast<int>(title.size()));
            y += 2 * lineHeight;
        }
        SelectObject(dc, row == 0 ? bold : font);
        int x = margin;
        for (size_t column = 0; column < table[row].size(); ++column) {
            const int columnWidth = (width - 2 * margin) * kColumnShares[column] / 100;
            RECT cell{x, y, x + columnWidth - dpi / 20, y + lineHeight};
            const std::wstring text = Cp1250ToWide(table[row][column]);
            DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &cell,
                      DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
            x += columnWidth;
        }
        y += lineHeight;
    }
    ok = ok && EndPage(dc) > 0 && EndDoc(dc) > 0;
    if (!ok) {
        AbortDoc(dc);
        ShowSystemMessageBox(owner, L"Nie uda\u0142o si\u0119 wydrukowa\u0107 ewidencji.",
                    L"Ewidencja zam\u00f3wie\u0144 publicznych", MB_OK | MB_ICONERROR);
    }
    DeleteObject(font);
    DeleteObject(bold);
    DeleteDC(dc);
    if (choice.hDevMode)
        GlobalFree(choice.hDevMode);
    if (choice.hDevNames)
        GlobalFree(choice.hDevNames);
    return ok;
}
