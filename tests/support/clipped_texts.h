// Which texts of a window its controls cut off: labels, buttons, check boxes, radio buttons
// and list-view column headings, each measured by the ink its font leaves when drawn as the
// control draws it. Wine draws some letters (Polish ones among them) wider than it measures
// them, so a text that measures as fitting can still lose its last letter on the screen; a
// list's header is looked at as it really draws its headings.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

namespace clipped_texts {

// Room a push button's frame takes from its text, a check box's or radio button's mark, and
// a column heading's margins.
const int kPushButtonFrame = 6;
const int kCheckMark = 16;
const int kHeadingMargins = 12;

// The shown text: "&&" is one ampersand, a single "&" only underlines.
inline std::wstring ShownText(const std::wstring &text)
{
    std::wstring shown;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown;
}

inline std::wstring ClassName(HWND window)
{
    wchar_t name[128] = L"";
    GetClassNameW(window, name, 128);
    return name;
}

// How the control lays out its text: room for it on one line, or wrapped into its height.
struct TextLayout {
    bool checked = false;
    bool wraps = false;
    int reserved = 0; // width the control keeps for itself
};

inline TextLayout LayoutOf(HWND control)
{
    TextLayout layout;
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    const std::wstring className = ClassName(control);
    if (className == L"Static") {
        const LONG type = style & SS_TYPEMASK;
        layout.checked =
            type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT || type == SS_LEFTNOWORDWRAP || type == SS_SIMPLE;
        layout.checked = layout.checked && !(style & (SS_ENDELLIPSIS | SS_PATHELLIPSIS | SS_WORDELLIPSIS));
        layout.wraps = type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT;
    } else if (className == L"Button") {
        const LONG type = style & BS_TYPEMASK;
        const bool push = type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
        const bool mark = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON
                          || type == BS_AUTORADIOBUTTON || type == BS_3STATE || type == BS_AUTO3STATE;
        layout.checked = push || mark;
        layout.wraps = (style & BS_MULTILINE) != 0;
        layout.reserved = push ? kPushButtonFrame : kCheckMark;
    }
    return layout;
}

// The text drawn in the font into the given width: the size the font measures, and the size
// its ink covers from the box's top left corner.
struct Drawn {
    SIZE measured;
    SIZE ink;
    int inkPixels; // pixels of clear ink, the faint edges of letters left out
};

// Whether a pixel is clearly darker than the background: a letter's body, not its faint edge.
inline bool ClearInk(DWORD pixel, DWORD background)
{
    return static_cast<int>(background & 0xFF) - static_cast<int>(pixel & 0xFF) > 40;
}

// A 32-bit bitmap for the DC, its top row first in *bits.
inline HBITMAP CreateTopDownBitmap(HDC dc, int width, int height, void **bits)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    return CreateDIBSection(dc, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

inline Drawn DrawnText(HFONT font, const std::wstring &text, int width, bool wraps)
{
    const UINT format = DT_NOPREFIX | DT_NOCLIP | (wraps ? DT_WORDBREAK | DT_EDITCONTROL : DT_SINGLELINE);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ oldFont = SelectObject(dc, font);
    RECT measured{0, 0, width, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured, format | DT_CALCRECT);
    // The ink: the text drawn black on white, with room around it for what overflows.
    const int canvasWidth = (measured.right > width ? measured.right : width) + 64;
    const int canvasHeight = measured.bottom + 32;
    void *bits = nullptr;
    HBITMAP bitmap = CreateTopDownBitmap(dc, canvasWidth, canvasHeight, &bits);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    RECT canvas{0, 0, canvasWidth, canvasHeight};
    FillRect(dc, &canvas, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    RECT box{0, 0, width, measured.bottom};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, format);
    GdiFlush();
    Drawn drawn{{measured.right, measured.bottom}, {0, 0}, 0};
    const auto *pixels = static_cast<const DWORD *>(bits);
    for (int y = 0; y < canvasHeight; ++y)
        for (int x = 0; x < canvasWidth; ++x)
            if ((pixels[y * canvasWidth + x] & 0xFFFFFF) != 0xFFFFFF) {
                drawn.inkPixels += ClearInk(pixels[y * canvasWidth + x], 0xFFFFFF) ? 1 : 0;
                drawn.ink.cx = x + 1 > drawn.ink.cx ? x + 1 : drawn.ink.cx;
                drawn.ink.cy = y + 1 > drawn.ink.cy ? y + 1 : drawn.ink.cy;
            }
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    SelectObject(dc, oldFont);
    DeleteDC(dc);
    return drawn;
}

// The size the text takes on the screen when drawn in the font into the given width: the
// larger of what the font measures and what its ink covers.
inline SIZE DrawnSize(HFONT font, const std::wstring &text, int width, bool wraps)
{
    const Drawn drawn = DrawnText(font, text, width, wraps);
    return {drawn.measured.cx > drawn.ink.cx ? drawn.measured.cx : drawn.ink.cx,
            drawn.measured.cy > drawn.ink.cy ? drawn.measured.cy : drawn.ink.cy};
}

inline void Report(std::vector<std::string> &clipped, const char *where, const std::wstring &text, SIZE needed, int width,
                   int height)
{
    char line[1400];
    snprintf(line, sizeof line, "%s '%ls' needs %ldx%ld, has %dx%d", where, text.c_str(), needed.cx, needed.cy, width,
             height);
    clipped.push_back(line);
}

// A window's client area as WM_PRINTCLIENT draws it into a 32-bit bitmap, top row first.
class PrintedClient {
public:
    explicit PrintedClient(HWND window)
    {
        RECT client{};
        GetClientRect(window, &client);
        width = client.right;
        height = client.bottom;
        if (width <= 0 || height <= 0)
            return;
        void *bits = nullptr;
        m_dc = CreateCompatibleDC(nullptr);
        m_bitmap = CreateTopDownBitmap(m_dc, width, height, &bits);
        m_old = SelectObject(m_dc, m_bitmap);
        SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(m_dc), PRF_CLIENT | PRF_ERASEBKGND);
        GdiFlush();
        pixels = static_cast<const DWORD *>(bits);
    }
    ~PrintedClient()
    {
        if (!m_dc)
            return;
        SelectObject(m_dc, m_old);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    PrintedClient(const PrintedClient &) = delete;
    PrintedClient &operator=(const PrintedClient &) = delete;

    DWORD At(int x, int y) const { return pixels[y * width + x] & 0xFFFFFF; }

    int width = 0;
    int height = 0;
    const DWORD *pixels = nullptr; // null when the window has no client area

private:
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
};

// The headings of a list view that do not fit their columns, and those the header shows cut
// though they fit: the header is printed into a bitmap, and a heading whose ink there stops short
// of the ink of its whole text is cut.
inline void CollectClippedHeadings(HWND list, std::vector<std::string> &clipped, int &measured)
{
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    if (!header)
        return;
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(header, WM_GETFONT, 0, 0));
    const int margin = static_cast<int>(SendMessageW(header, HDM_GETBITMAPMARGIN, 0, 0));
    const PrintedClient printed(header);
    if (!printed.pixels)
        return;
    const int edge = 2; // the edge along each item's right and bottom
    const int count = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[512] = L"";
        HDITEMW item{};
        item.mask = HDI_TEXT | HDI_WIDTH;
        item.pszText = text;
        item.cchTextMax = 512;
        SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        if (!*text)
            continue;
        ++measured;
        char where[64];
        snprintf(where, sizeof where, "heading %d of list %d", i, GetDlgCtrlID(list));
        const int width = item.cxy - kHeadingMargins;
        const Drawn drawn = DrawnText(font, text, width, false);
        const int needed = drawn.measured.cx > drawn.ink.cx ? drawn.measured.cx : drawn.ink.cx;
        if (needed > width) {
            Report(clipped, where, text, {needed, drawn.measured.cy}, width, 0);
            continue;
        }
        RECT box{};
        SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&box));
        if (box.right > printed.width)
            continue; // reached by scrolling the list
        const int left = box.left + margin;
        // The item's background, as it shows in the margin before the text.
        const DWORD back = printed.At(box.left + margin / 2, (box.top + box.bottom) / 2);
        int shown = 0; // the ink's right end as the header shows it, from the text's left
        for (int y = box.top; y < box.bottom - edge && y < printed.height; ++y)
            for (int x = left; x < box.right - edge && x < printed.width; ++x)
                if (printed.At(x, y) != back && x - left + 1 > shown)
                    shown = x - left + 1;
        // A pixel of faint edge may fall either way.
        if (shown + 1 < drawn.ink.cx)
            Report(clipped, where, text, drawn.ink, shown, 0);
    }
}

// The clear ink of a check box's or radio button's label as the button really draws it: the
// button printed into a bitmap, its mark left out.
inline int ShownLabelInk(HWND button)
{
    const PrintedClient printed(button);
    if (!printed.pixels || printed.width <= kCheckMark)
        return 0;
    const DWORD background = printed.pixels[0];
    int ink = 0;
    for (int y = 0; y < printed.height; ++y)
        for (int x = kCheckMark; x < printed.width; ++x)
            ink += ClearInk(printed.pixels[y * printed.width + x], background) ? 1 : 0;
    return ink;
}

// "window/control 'text' needs WxH, has WxH" for each control of the window, and of the
// dialogs inside it, whose text does not fit; measured counts the texts looked at.
inline void CollectClipped(HWND window, int windowId, std::vector<std::string> &clipped, int &measured)
{
    for (HWND control = GetWindow(window, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        const std::wstring className = ClassName(control);
        if (className == L"#32770") {
            CollectClipped(control, GetDlgCtrlID(control), clipped, measured);
            continue;
        }
        if (className == L"SysListView32") {
            CollectClippedHeadings(control, clipped, measured);
            continue;
        }
        const TextLayout layout = LayoutOf(control);
        wchar_t text[1024] = L"";
        GetWindowTextW(control, text, 1024);
        const std::wstring shown = ShownText(text);
        if (!layout.checked || shown.empty())
            continue;
        ++measured;
        RECT client{};
        GetClientRect(control, &client);
        const int width = client.right - layout.reserved;
        HFONT font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
        const SIZE needed = DrawnSize(font ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT)), shown, width,
                                      layout.wraps);
        char where[64];
        snprintf(where, sizeof where, "%d/%d", windowId, GetDlgCtrlID(control));
        if (needed.cx > width || needed.cy > client.bottom) {
            Report(clipped, where, shown, needed, width, static_cast<int>(client.bottom));
            continue;
        }
        // A label that fits its button can still lose a letter where the button draws it: less ink
        // shows than the text leaves (a focus rectangle only adds to what shows).
        if (layout.reserved == kCheckMark && !layout.wraps) {
            const Drawn drawn = DrawnText(font ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT)), shown, width,
                                          false);
            const int shownInk = ShownLabelInk(control);
            const int slack = drawn.inkPixels / 50 > 2 ? drawn.inkPixels / 50 : 2;
            if (shownInk + slack < drawn.inkPixels) {
                char lost[80];
                snprintf(lost, sizeof lost, "%s (ink %d of %d pixels)", where, shownInk, drawn.inkPixels);
                Report(clipped, lost, shown, needed, width, static_cast<int>(client.bottom));
            }
        }
    }
}

// Every clipped text of the window, one line each; empty when all fit.
inline std::string ClippedTexts(HWND window)
{
    std::vector<std::string> clipped;
    int measured = 0;
    CollectClipped(window, GetDlgCtrlID(window), clipped, measured);
    std::string all;
    for (const std::string &line : clipped)
        all += line + "\n";
    return all;
}

} // namespace clipped_texts
