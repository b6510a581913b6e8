#include "framework/ui/whole_labels.h"

#include "framework/ui/under_wine.h"

#include <commctrl.h>
#include <uxtheme.h>
#include <vssym32.h>

#include <vector>

namespace {

const UINT_PTR kSubclassId = 1;
// Room for the ink past the measured text: more than any letter leaves.
const int kInkRoom = 4;

// A check box or radio button with its mark at the left and its text on one line.
bool IsMarkedButton(HWND window)
{
    wchar_t name[16] = L"";
    GetClassNameW(window, name, 16);
    if (lstrcmpiW(name, L"Button") != 0)
        return false;
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    if (style & (BS_PUSHLIKE | BS_BITMAP | BS_ICON | BS_MULTILINE | BS_LEFTTEXT))
        return false;
    if (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_RIGHT)
        return false;
    switch (style & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
    case BS_3STATE:
    case BS_AUTO3STATE:
        return true;
    default:
        return false;
    }
}

BOOL CALLBACK DrawLabelText(HDC dc, LPARAM text, WPARAM format, int cx, int cy)
{
    RECT box{0, 0, cx, cy};
    DrawTextW(dc, reinterpret_cast<const wchar_t *>(text), -1, &box, static_cast<UINT>(format));
    return TRUE;
}

// The disabled state of the button's part in the theme.
int ThemeState(HWND button, bool radio)
{
    const LRESULT check = SendMessageW(button, BM_GETCHECK, 0, 0);
    if (check == BST_CHECKED)
        return radio ? static_cast<int>(RBS_CHECKEDDISABLED) : static_cast<int>(CBS_CHECKEDDISABLED);
    if (check == BST_INDETERMINATE && !radio)
        return CBS_MIXEDDISABLED;
    return radio ? static_cast<int>(RBS_UNCHECKEDDISABLED) : static_cast<int>(CBS_UNCHECKEDDISABLED);
}

// Draws the disabled label again where the button drew it: after the mark and half a digit's
// width, one pixel in, centred in the height; the button cut it at its measured width.
void DrawDisabledLabel(HWND button, HDC dc)
{
    const int length = GetWindowTextLengthW(button);
    if (length <= 0)
        return;
    std::vector<wchar_t> text(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(button, text.data(), length + 1);
    const UINT type = GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK;
    const bool radio = type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
    const int part = radio ? BP_RADIOBUTTON : BP_CHECKBOX;
    HTHEME theme = GetWindowTheme(button);
    const int state = theme ? ThemeState(button, radio) : 0;

    RECT content{};
    GetClientRect(button, &content);
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0));
    LOGFONTW themeFont{};
    HFONT created = theme && SUCCEEDED(GetThemeFont(theme, dc, part, state, TMT_FONT, &themeFont))
                        ? CreateFontIndirectW(&themeFont)
                        : nullptr;
    HFONT used = created ? created : font;
    HGDIOBJ oldFont = used ? SelectObject(dc, used) : nullptr;
    SIZE box{12 * GetDeviceCaps(dc, LOGPIXELSX) / 96 + 1, 0};
    if (theme) {
        RECT client = content;
        GetThemeBackgroundContentRect(theme, dc, part, state, &client, &content);
        SIZE themed{};
        if (SUCCEEDED(GetThemePartSize(theme, dc, part, state, &content, TS_DRAW, &themed)))
            box = themed;
    }
    INT digit = 0;
    GetCharWidthW(dc, L'0', L'0', &digit);
    const int left = content.left + box.cx + digit / 2;
    const UINT format = DT_SINGLELINE | DT_LEFT;
    RECT measured{0, 0, content.right - left, 0};
    DrawTextW(dc, text.data(), -1, &measured, format | DT_CALCRECT);
    const int width = measured.right - measured.left;
    const int height = measured.bottom - measured.top;
    const int x = left + 1;
    const int y = content.top + (content.bottom - content.top - height) / 2;
    const int room = x + width + kInkRoom <= content.right ? width + kInkRoom : content.right - x;
    if (room > width) {
        HWND parent = GetParent(button);
        HBRUSH back = parent ? reinterpret_cast<HBRUSH>(SendMessageW(parent, WM_CTLCOLORSTATIC,
                                                                     reinterpret_cast<WPARAM>(dc),
                                                                     reinterpret_cast<LPARAM>(button)))
                             : nullptr;
        RECT band{x, y, x + room, y + height};
        FillRect(dc, &band, back ? back : GetSysColorBrush(COLOR_BTNFACE));
        if (theme)
            DrawThemeText(theme, dc, part, state, text.data(), -1, format, 0, &band);
        else
            DrawStateW(dc, nullptr, DrawLabelText, reinterpret_cast<LPARAM>(text.data()), format, x, y, room, height,
                       DST_COMPLEX | DSS_DISABLED);
    }
    if (oldFont)
        SelectObject(dc, oldFont);
    if (created)
        DeleteObject(created);
}

LRESULT CALLBACK ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(button, ButtonProc, kSubclassId);
    // The button draws itself on these as well as on WM_PAINT, straight into its window.
    const bool paints = message == WM_PAINT || message == WM_PRINTCLIENT || message == WM_ENABLE
                        || message == BM_SETCHECK || message == BM_SETSTATE || message == WM_SETTEXT
                        || message == WM_UPDATEUISTATE;
    if (!paints)
        return DefSubclassProc(button, message, wParam, lParam);
    const LRESULT result = DefSubclassProc(button, message, wParam, lParam);
    if (IsWindowEnabled(button) || (message != WM_PRINTCLIENT && !IsWindowVisible(button)))
        return result;
    HDC given = message == WM_PAINT || message == WM_PRINTCLIENT ? reinterpret_cast<HDC>(wParam) : nullptr;
    HDC dc = given ? given : GetDC(button);
    if (dc) {
        DrawDisabledLabel(button, dc);
        if (!given)
            ReleaseDC(button, dc);
    }
    return result;
}

} // namespace

void KeepLabelsWhole(HWND window)
{
    if (!RunsUnderWine())
        return;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (IsMarkedButton(child))
            SetWindowSubclass(child, ButtonProc, kSubclassId, 0);
}
