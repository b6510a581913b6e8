#include "controls/icon_menu.h"

#include "framework/core/codepage.h"
#include "framework/core/module.h"
#include "framework/ui/gdi.h"

#include <algorithm>
#include <map>

namespace {

// Every live icon menu and submenu, so that a submenu handle leads back to its records.
std::map<HMENU, CIconMenu *> &LiveMenus()
{
    static std::map<HMENU, CIconMenu *> menus;
    return menus;
}

const WORD kResourcePopup = 0x10;
const WORD kResourceEnd = 0x80;
const UINT kToolbarResourceType = 241;

int PlatformClass()
{
    const DWORD version = ::GetVersion();
    const DWORD major = LOBYTE(LOWORD(version));
    if (version & 0x80000000u)
        return major > 3 ? 1 : 0;
    return major > 3 ? 3 : 2;
}

CFont *MenuFont(CFont &font)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    font.Attach(::CreateFontIndirectW(&metrics.lfMenuFont));
    return &font;
}

int TextWidth(HDC dc, const std::wstring &text)
{
    SIZE size{0, 0};
    ::GetTextExtentPoint32W(dc, text.c_str(), (int)text.size(), &size);
    return size.cx;
}

// The position of the command's button among the toolbar resource's images, or -1.
// The resource: 32-bit width, height and count, then one 32-bit id per button (0 separator).
int ToolbarImageOf(UINT toolbarId, UINT commandId)
{
    HINSTANCE module = AfxGetResourceHandle();
    HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(toolbarId), MAKEINTRESOURCEW(kToolbarResourceType));
    if (found == nullptr)
        return -1;
    const DWORD size = ::SizeofResource(module, found);
    const DWORD *words = static_cast<const DWORD *>(::LockResource(::LoadResource(module, found)));
    if (words == nullptr || size < 12)
        return -1;
    const DWORD count = std::min<DWORD>(words[2], (size - 12) / 4);
    int image = 0;
    for (DWORD i = 0; i < count; ++i) {
        const DWORD id = words[3 + i];
        if (id == 0)
            continue;
        if (id == commandId)
            return image;
        ++image;
    }
    return -1;
}

// A radio item: checked through a radio check or carrying a checked-state bitmap.
bool IsRadioItem(const DRAWITEMSTRUCT &draw)
{
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_CHECKMARKS;
    if (!::GetMenuItemInfoW((HMENU)draw.hwndItem, draw.itemID, FALSE, &info))
        return false;
    return (info.fType & MFT_RADIOCHECK) != 0 || info.hbmpChecked != nullptr;
}

} // namespace

COLORREF LightenColor(COLORREF color, double factor)
{
    if (!(factor > 0.0 && factor <= 1.0))
        return color;
    auto lighten = [factor](int c) { return (int)(factor * (255 - c) + c); };
    return RGB(lighten(GetRValue(color)), lighten(GetGValue(color)), lighten(GetBValue(color)));
}

CIconMenuItem::~CIconMenuItem()
{
    if (imageList != nullptr)
        ::ImageList_Destroy(imageList);
}

CIconMenu::CIconMenu() : m_platformClass(PlatformClass())
{
    ::GetCPInfo(CP_ACP, &m_codePage);
}

CIconMenu::~CIconMenu()
{
    DestroyMenu();
}

CIconMenu *CIconMenu::FromIconMenuHandle(HMENU hMenu)
{
    auto found = LiveMenus().find(hMenu);
    return found == LiveMenus().end() ? nullptr : found->second;
}

void CIconMenu::SetCheckImages(HIMAGELIST images, int checkIndex, int radioIndex)
{
    if (images != m_checkImages)
        ReleaseCheckImages();
    m_checkImages = images;
    m_checkImage = checkIndex;
    m_radioImage = radioIndex;
    for (auto &sub : m_subMenus)
        sub->InheritFrom(*this);
}

void CIconMenu::ReleaseCheckImages()
{
    if (m_checkImages != nullptr && !m_checkImagesBorrowed)
        ::ImageList_Destroy(m_checkImages);
    m_checkImages = nullptr;
    m_checkImage = m_radioImage = -1;
    m_checkImagesBorrowed = false;
}

// A submenu draws as its parent does and borrows its check images; the borrowed list follows
// the parent's, so it never outlives it.
void CIconMenu::InheritFrom(const CIconMenu &parent)
{
    m_maskColor = parent.m_maskColor;
    m_useMaskColor = parent.m_useMaskColor;
    m_embossWithDib = parent.m_embossWithDib;
    m_addAsIcons = parent.m_addAsIcons;
    ReleaseCheckImages();
    m_checkImages = parent.m_checkImages;
    m_checkImage = parent.m_checkImage;
    m_radioImage = parent.m_radioImage;
    m_checkImagesBorrowed = parent.m_checkImages != nullptr;
    for (auto &sub : m_subMenus)
        sub->InheritFrom(*this);
}

BOOL CIconMenu::DestroyMenu()
{
    ReleaseCheckImages();
    if (m_hMenu != nullptr)
        LiveMenus().erase(m_hMenu);
    // Destroying this menu destroys its submenus' handles with it: only their objects remain.
    const BOOL destroyed = CMenu::DestroyMenu();
    for (auto &sub : m_subMenus)
        sub->ForgetDestroyedMenu();
    m_subMenus.clear();
    m_items.clear();
    return destroyed;
}

void CIconMenu::ForgetDestroyedMenu()
{
    ReleaseCheckImages();
    for (auto &sub : m_subMenus)
        sub->ForgetDestroyedMenu();
    m_subMenus.clear();
    if (m_hMenu != nullptr)
        LiveMenus().erase(m_hMenu);
    Detach();
    m_items.clear();
}

BOOL CIconMenu::LoadMenu(UINT nIDResource)
{
    return LoadMenuResource(::FindResourceW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIDResource), (LPCWSTR)RT_MENU));
}

BOOL CIconMenu::LoadMenu(LPCTSTR lpszResourceName)
{
    return LoadMenuResource(
        ::FindResourceW(AfxGetResourceHandle(), Cp1250ToWide(lpszResourceName).c_str(), (LPCWSTR)RT_MENU));
}

BOOL CIconMenu::LoadMenuResource(HRSRC resource)
{
    if (resource == nullptr)
        return FALSE;
    HINSTANCE module = AfxGetResourceHandle();
    const BYTE *data = static_cast<const BYTE *>(::LockResource(::LoadResource(module, resource)));
    const DWORD size = ::SizeofResource(module, resource);
    if (data == nullptr || size < 4)
        return FALSE;
    DestroyMenu();
    if (!CreateMenu())
        return FALSE;
    LiveMenus()[m_hMenu] = this;
    const BYTE *position = data + 4 + *reinterpret_cast<const WORD *>(data + 2);
    if (!ReadLevel(position, data + size)) {
        DestroyMenu();
        return FALSE;
    }
    TurnBarIntoText();
    return TRUE;
}

bool CIconMenu::ReadLevel(const BYTE *&position, const BYTE *end)
{
    for (;;) {
        if (end - position < 2)
            return false;
        const WORD flags = *reinterpret_cast<const WORD *>(position);
        position += 2;
        WORD id = 0;
        if (!(flags & kResourcePopup)) {
            if (end - position < 2)
                return false;
            id = *reinterpret_cast<const WORD *>(position);
            position += 2;
        }
        std::wstring text;
        for (;;) {
            if (end - position < 2)
                return false;
            const wchar_t ch = *reinterpret_cast<const wchar_t *>(position);
            position += 2;
            if (ch == 0)
                break;
            text += ch;
        }
        const UINT state = flags & (MF_GRAYED | MF_CHECKED);
        if (flags & kResourcePopup) {
            auto sub = std::make_unique<CIconMenu>();
            sub->InheritFrom(*this);
            if (!sub->CreatePopupMenu())
                return false;
            LiveMenus()[sub->m_hMenu] = sub.get();
            const bool read = sub->ReadLevel(position, end);
            const HMENU handle = sub->m_hMenu;
            m_subMenus.push_back(std::move(sub));
            if (!read)
                return false;
            AppendItem(text.c_str(), MF_POPUP | state, (UINT_PTR)handle);
        } else {
            AppendItem(text.c_str(), id == 0 && text.empty() ? 0 : state, id);
        }
        if (flags & kResourceEnd)
            break;
    }
    AlignAccelerators();
    return true;
}

void CIconMenu::AlignAccelerators()
{
    CFont font;
    HDC dc = ::GetDC(nullptr);
    HGDIOBJ oldFont = ::SelectObject(dc, MenuFont(font)->m_hObject);
    int widest = 0;
    for (auto &item : m_items) {
        const std::wstring label = item->text.substr(0, item->text.find(L'\t'));
        widest = std::max(widest, TextWidth(dc, label + L" "));
    }
    for (auto &item : m_items) {
        const size_t tab = item->text.find(L'\t');
        if (tab == std::wstring::npos)
            continue;
        std::wstring label = item->text.substr(0, tab);
        const std::wstring accelerator = item->text.substr(tab + 1);
        while (TextWidth(dc, label) < widest)
            label += L' ';
        item->text = label + L"\t" + accelerator;
    }
    ::SelectObject(dc, oldFont);
    ::ReleaseDC(nullptr, dc);
}

void CIconMenu::TurnBarIntoText()
{
    for (size_t position = 0; position < m_items.size(); ++position) {
        const CIconMenuItem &item = *m_items[position];
        const bool popup = (item.flags & MF_POPUP) != 0;
        const UINT_PTR id = popup ? (UINT_PTR)::GetSubMenu(m_hMenu, (int)position) : item.commandId;
        ::ModifyMenuW(m_hMenu, (UINT)position, MF_BYPOSITION | MF_STRING | (popup ? MF_POPUP : 0), id,
                      item.text.c_str());
    }
}

BOOL CIconMenu::AppendItem(LPCTSTR text, UINT nFlags, UINT_PTR nID, int nBitmapId)
{
    return AppendItem(Cp1250ToWide(text ? text : "").c_str(), nFlags, nID, nBitmapId);
}

BOOL CIconMenu::AppendItem(const wchar_t *text, UINT nFlags, UINT_PTR nID, int nBitmapId)
{
    if (m_hMenu == nullptr)
        return FALSE;
    auto item = std::make_unique<CIconMenuItem>();
    item->text = text ? text : L"";
    if (nID == 0 && !(nFlags & MF_POPUP)) {
        nFlags = (nFlags & MF_BYPOSITION) ? 0xD00 : (MF_OWNERDRAW | MF_SEPARATOR);
    } else {
        nFlags |= MF_OWNERDRAW;
    }
    item->flags = nFlags;
    if (nFlags & MF_POPUP) {
        CIconMenu *sub = FromIconMenuHandle((HMENU)nID);
        if (sub != nullptr)
            LiveMenus()[(HMENU)nID] = sub;
    } else {
        item->commandId = (UINT)nID;
    }
    if (nBitmapId >= 0 && !LoadItemBitmap(*item, nBitmapId)) {
        item->imageIndex = -1;
        item->bitmapId = -1;
    }
    if (!::AppendMenuW(m_hMenu, nFlags, nID, reinterpret_cast<LPCWSTR>(item.get())))
        return FALSE;
    m_items.push_back(std::move(item));
    return TRUE;
}

COLORREF CIconMenu::TransparentColor() const
{
    return m_useMaskColor ? m_maskColor : ::GetSysColor(COLOR_BTNFACE);
}

HIMAGELIST CIconMenu::CreateItemImageList() const
{
    return ::ImageList_Create(ICON_WIDTH, ICON_HEIGHT, ILC_COLOR32 | ILC_MASK, 1, 1);
}

bool CIconMenu::LoadItemBitmap(CIconMenuItem &item, int bitmapId)
{
    const int image = ToolbarImageOf((UINT)bitmapId, item.commandId);
    HINSTANCE module = AfxGetResourceHandle();
    HBITMAP bitmap = ::CreateMappedBitmap(module, bitmapId, 0, nullptr, 0);
    BITMAP info{};
    if (bitmap != nullptr && ::GetObjectW(bitmap, sizeof info, &info) && info.bmBitsPixel != 4) {
        // Only 16-colour bitmaps have their standard colours mapped.
        ::DeleteObject(bitmap);
        bitmap = (HBITMAP)::LoadImageW(module, MAKEINTRESOURCEW(bitmapId), IMAGE_BITMAP, 0, 0, 0);
    }
    if (bitmap == nullptr)
        return false;
    item.imageList = CreateItemImageList();
    const bool added = item.imageList != nullptr && AddBitmap(item.imageList, bitmap);
    ::DeleteObject(bitmap);
    if (!added)
        return false;
    item.imageIndex = image < 0 ? 0 : image;
    item.bitmapId = bitmapId;
    return true;
}

bool CIconMenu::AddBitmap(HIMAGELIST images, HBITMAP bitmap) const
{
    if (m_addAsIcons)
        return AddBitmapAsIcons(images, bitmap);
    return ::ImageList_AddMasked(images, bitmap, TransparentColor()) >= 0;
}

// Cuts the bitmap into cells of the icon size and adds each as an icon whose mask is the
// transparent colour.
bool CIconMenu::AddBitmapAsIcons(HIMAGELIST images, HBITMAP bitmap) const
{
    BITMAP info{};
    if (!::GetObjectW(bitmap, sizeof info, &info))
        return false;
    const int count = info.bmWidth / ICON_WIDTH;
    if (count == 0)
        return false;
    HDC screen = ::GetDC(nullptr);
    HDC source = ::CreateCompatibleDC(screen);
    HDC cellDC = ::CreateCompatibleDC(screen);
    HDC maskDC = ::CreateCompatibleDC(screen);
    HGDIOBJ oldSource = ::SelectObject(source, bitmap);
    bool added = true;
    for (int image = 0; image < count && added; ++image) {
        HBITMAP cell = ::CreateCompatibleBitmap(screen, ICON_WIDTH, ICON_HEIGHT);
        HBITMAP mask = ::CreateBitmap(ICON_WIDTH, ICON_HEIGHT, 1, 1, nullptr);
        HGDIOBJ oldCell = ::SelectObject(cellDC, cell);
        HGDIOBJ oldMask = ::SelectObject(maskDC, mask);
        ::BitBlt(cellDC, 0, 0, ICON_WIDTH, ICON_HEIGHT, source, image * ICON_WIDTH, 0, SRCCOPY);
        ::SetBkColor(cellDC, TransparentColor());
        ::BitBlt(maskDC, 0, 0, ICON_WIDTH, ICON_HEIGHT, cellDC, 0, 0, SRCCOPY);
        // An icon's colour is XOR-ed onto the screen where its mask is set: blacken it there.
        ::SetBkColor(cellDC, RGB(255, 255, 255));
        ::SetTextColor(cellDC, RGB(0, 0, 0));
        ::BitBlt(cellDC, 0, 0, ICON_WIDTH, ICON_HEIGHT, maskDC, 0, 0, 0x00220326); // DSna
        ::SelectObject(cellDC, oldCell);
        ::SelectObject(maskDC, oldMask);
        ICONINFO iconInfo{TRUE, 0, 0, mask, cell};
        HICON icon = ::CreateIconIndirect(&iconInfo);
        added = icon != nullptr && ::ImageList_AddIcon(images, icon) >= 0;
        if (icon != nullptr)
            ::DestroyIcon(icon);
        ::DeleteObject(cell);
        ::DeleteObject(mask);
    }
    ::SelectObject(source, oldSource);
    ::DeleteDC(maskDC);
    ::DeleteDC(cellDC);
    ::DeleteDC(source);
    ::ReleaseDC(nullptr, screen);
    return added;
}

void CIconMenu::ModifyItemImage(const wchar_t *text, UINT nID, HIMAGELIST imageList, int imageIndex)
{
    for (size_t position = 0; position < m_items.size(); ++position) {
        CIconMenuItem &item = *m_items[position];
        if ((item.flags & MF_POPUP) || item.commandId != nID || nID == 0)
            continue;
        if (text != nullptr)
            item.text = text;
        if (item.imageList != nullptr)
            ::ImageList_Destroy(item.imageList);
        item.imageList = nullptr;
        item.imageIndex = -1;
        HICON icon = imageList != nullptr ? ::ImageList_GetIcon(imageList, imageIndex, ILD_NORMAL) : nullptr;
        if (icon != nullptr) {
            item.imageList = CreateItemImageList();
            if (item.imageList != nullptr && ::ImageList_AddIcon(item.imageList, icon) >= 0)
                item.imageIndex = 0;
            ::DestroyIcon(icon);
        }
        item.flags = (item.flags & ~MF_BYPOSITION) | MF_OWNERDRAW;
        ::ModifyMenuW(m_hMenu, (UINT)position, MF_BYPOSITION | item.flags, item.commandId,
                      reinterpret_cast<LPCWSTR>(&item));
    }
    for (auto &sub : m_subMenus)
        sub->ModifyItemImage(text, nID, imageList, imageIndex);
}

BOOL CIconMenu::LoadToolbar(UINT nIDToolbar)
{
    HINSTANCE module = AfxGetResourceHandle();
    HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(nIDToolbar), MAKEINTRESOURCEW(kToolbarResourceType));
    if (found == nullptr)
        return FALSE;
    const DWORD size = ::SizeofResource(module, found);
    const DWORD *words = static_cast<const DWORD *>(::LockResource(::LoadResource(module, found)));
    if (words == nullptr || size < 12)
        return FALSE;
    HIMAGELIST images = ::ImageList_Create(ICON_WIDTH, ICON_HEIGHT, ILC_COLOR32 | ILC_MASK, 1, 1);
    HBITMAP bitmap = (HBITMAP)::LoadImageW(module, MAKEINTRESOURCEW(nIDToolbar), IMAGE_BITMAP, 0, 0, 0);
    const bool loaded = images != nullptr && bitmap != nullptr && AddBitmap(images, bitmap);
    if (bitmap != nullptr)
        ::DeleteObject(bitmap);
    if (loaded) {
        const DWORD count = std::min<DWORD>(words[2], (size - 12) / 4);
        int image = 0;
        for (DWORD i = 0; i < count; ++i) {
            const UINT id = words[3 + i];
            if (id == 0)
                continue;
            if (::GetMenuState(m_hMenu, id, MF_BYCOMMAND) != (UINT)-1)
                ModifyItemImage(nullptr, id, images, image);
            ++image;
        }
    }
    if (images != nullptr)
        ::ImageList_Destroy(images);
    return loaded;
}

void CIconMenu::MeasureItem(LPMEASUREITEMSTRUCT measure)
{
    const CIconMenuItem *item = reinterpret_cast<const CIconMenuItem *>(measure->itemData);
    if (item == nullptr)
        return;
    if (item->flags & MF_SEPARATOR) {
        measure->itemWidth = 0;
        measure->itemHeight = ::GetSystemMetrics(SM_CYMENU) / 2;
        return;
    }
    CFont font;
    HDC dc = ::GetDC(nullptr);
    HGDIOBJ oldFont = ::SelectObject(dc, MenuFont(font)->m_hObject);
    int width = 0;
    if (m_platformClass != 0) {
        width = TextWidth(dc, item->text);
    } else {
        RECT rect{0, 0, 0, 0};
        ::DrawTextW(dc, item->text.c_str(), (int)item->text.size(), &rect, DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
        width = rect.right + 3;
        if (!item->text.empty())
            width += width / (int)item->text.size() * 3;
    }
    ::SelectObject(dc, oldFont);
    ::ReleaseDC(nullptr, dc);
    measure->itemWidth = width + 2 * ICON_WIDTH + 1;
    measure->itemHeight = std::max(ICON_HEIGHT + 4, ::GetSystemMetrics(SM_CYMENU));
}

void CIconMenu::DrawItem(LPDRAWITEMSTRUCT draw)
{
    DrawItemInStyle(draw, (::GetDeviceCaps(draw->hDC, RASTERCAPS) & RC_PALETTE) != 0);
}

void CIconMenu::DrawItemInStyle(LPDRAWITEMSTRUCT draw, bool classicStyle)
{
    const CIconMenuItem *item = reinterpret_cast<const CIconMenuItem *>(draw->itemData);
    if (item == nullptr)
        return;
    CDC *dc = CDC::FromHandle(draw->hDC);
    const int saved = dc->SaveDC();
    if (classicStyle) {
        DrawClassic(*dc, *item, *draw);
    } else {
        DrawFlat(*dc, *item, *draw);
    }
    dc->RestoreDC(saved);
}

void CIconMenu::DrawImage(CDC &dc, const CIconMenuItem &item, CPoint at, bool disabled, COLORREF face)
{
    if (!disabled) {
        ::ImageList_Draw(item.imageList, item.imageIndex, dc.m_hDC, at.x, at.y, ILD_TRANSPARENT);
        return;
    }
    // Embossed: the image's shape in the highlight colour, one pixel down and right, and in the
    // shadow colour in place, on the face colour.
    HICON icon = ::ImageList_GetIcon(item.imageList, item.imageIndex, ILD_NORMAL);
    if (icon == nullptr)
        return;
    CDC memory;
    memory.CreateCompatibleDC(&dc);
    CBitmap image;
    image.CreateCompatibleBitmap(&dc, ICON_WIDTH, ICON_HEIGHT);
    CBitmap *oldImage = memory.SelectObject(&image);
    memory.FillSolidRect(0, 0, ICON_WIDTH, ICON_HEIGHT, ::GetSysColor(COLOR_MENU));
    ::DrawIconEx(memory.m_hDC, 0, 0, icon, ICON_WIDTH, ICON_HEIGHT, 0, nullptr, DI_NORMAL);
    ::DestroyIcon(icon);
    const int savedDC = dc.SaveDC();
    if (m_embossWithDib) {
        EmbossThroughDib(dc, memory, at, face);
    } else {
        EmbossThroughMask(dc, memory, at, face);
    }
    dc.RestoreDC(savedDC);
    memory.SelectObject(oldImage);
}

// The mask is set wherever the image shows the background: the menu colour it was drawn on,
// the button face or the highlight. DSPDxax then paints the brush where the mask is clear.
void CIconMenu::EmbossThroughMask(CDC &dc, CDC &image, CPoint at, COLORREF face)
{
    CDC maskDC;
    maskDC.CreateCompatibleDC(&dc);
    CBitmap mask;
    mask.CreateBitmap(ICON_WIDTH, ICON_HEIGHT, 1, 1, nullptr);
    CBitmap *oldMask = maskDC.SelectObject(&mask);
    image.SetBkColor(::GetSysColor(COLOR_MENU));
    maskDC.BitBlt(0, 0, ICON_WIDTH, ICON_HEIGHT, &image, 0, 0, SRCCOPY);
    for (int background : {COLOR_BTNFACE, COLOR_BTNHIGHLIGHT}) {
        image.SetBkColor(::GetSysColor(background));
        maskDC.BitBlt(0, 0, ICON_WIDTH, ICON_HEIGHT, &image, 0, 0, SRCPAINT);
    }

    dc.FillSolidRect(at.x, at.y, ICON_WIDTH, ICON_HEIGHT, face);
    // A clear mask bit becomes white (the brush), a set one black (the cell stays).
    dc.SetBkColor(RGB(0, 0, 0));
    dc.SetTextColor(RGB(255, 255, 255));
    CBrush highlight(::GetSysColor(COLOR_BTNHIGHLIGHT));
    CBrush *oldBrush = dc.SelectObject(&highlight);
    dc.BitBlt(at.x + 1, at.y + 1, ICON_WIDTH, ICON_HEIGHT, &maskDC, 0, 0, 0xE20746);
    CBrush shadow(::GetSysColor(COLOR_BTNSHADOW));
    dc.SelectObject(&shadow);
    dc.BitBlt(at.x, at.y, ICON_WIDTH, ICON_HEIGHT, &maskDC, 0, 0, 0xE20746);
    dc.SelectObject(oldBrush);
    maskDC.SelectObject(oldMask);
}

// The image goes into a black-and-white DIB section (dark parts black); PSDPxax then paints the
// brush where it is black.
void CIconMenu::EmbossThroughDib(CDC &dc, CDC &image, CPoint at, COLORREF face)
{
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[2];
    } info{};
    info.header.biSize = sizeof info.header;
    info.header.biWidth = ICON_WIDTH;
    info.header.biHeight = ICON_HEIGHT;
    info.header.biPlanes = 1;
    info.header.biBitCount = 1;
    info.header.biCompression = BI_RGB;
    info.header.biClrUsed = 2;
    info.colours[1] = RGBQUAD{255, 255, 255, 0};
    void *bits = nullptr;
    HBITMAP dib =
        ::CreateDIBSection(dc.m_hDC, reinterpret_cast<BITMAPINFO *>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
    if (dib == nullptr)
        return;
    CDC monoDC;
    monoDC.CreateCompatibleDC(&dc);
    HGDIOBJ oldDib = ::SelectObject(monoDC.m_hDC, dib);
    image.SetBkColor(::GetSysColor(COLOR_MENU));
    monoDC.BitBlt(0, 0, ICON_WIDTH, ICON_HEIGHT, &image, 0, 0, SRCCOPY);

    CBrush faceBrush(face);
    CRect cell(at.x, at.y, at.x + ICON_WIDTH, at.y + ICON_HEIGHT);
    dc.FillRect(&cell, &faceBrush);
    dc.SetBkColor(RGB(255, 255, 255));
    dc.SetTextColor(RGB(0, 0, 0));
    CBrush highlight(::GetSysColor(COLOR_BTNHIGHLIGHT));
    CBrush *oldBrush = dc.SelectObject(&highlight);
    dc.BitBlt(at.x + 1, at.y + 1, ICON_WIDTH, ICON_HEIGHT, &monoDC, 0, 0, 0xB8074A);
    CBrush shadow(::GetSysColor(COLOR_BTNSHADOW));
    dc.SelectObject(&shadow);
    dc.BitBlt(at.x, at.y, ICON_WIDTH, ICON_HEIGHT, &monoDC, 0, 0, 0xB8074A);
    dc.SelectObject(oldBrush);
    ::SelectObject(monoDC.m_hDC, oldDib);
    ::DeleteObject(dib);
}

void CIconMenu::DrawCheck(CDC &dc, CRect box, bool radio, COLORREF color)
{
    const int image = radio ? m_radioImage : m_checkImage;
    if (m_checkImages != nullptr && image >= 0) {
        ::ImageList_Draw(m_checkImages, image, dc.m_hDC, box.left + 1, box.top + 1, ILD_TRANSPARENT);
        return;
    }
    const int x = box.left + 4;
    const int y = box.top + 4;
    if (radio) {
        CBrush brush(color);
        CPen pen(PS_SOLID, 1, color);
        CBrush *oldBrush = dc.SelectObject(&brush);
        CPen *oldPen = dc.SelectObject(&pen);
        dc.Ellipse(x + 1, y + 1, x + 7, y + 7);
        dc.SelectObject(oldBrush);
        dc.SelectObject(oldPen);
        return;
    }
    static const int strokeTops[7] = {2, 3, 4, 3, 2, 1, 0};
    for (int column = 0; column < 7; ++column)
        dc.FillSolidRect(x + column, y + strokeTops[column], 1, 3, color);
}

void CIconMenu::DrawItemText(CDC &dc, const CIconMenuItem &item, CRect textRect)
{
    const size_t tab = item.text.find(L'\t');
    const std::wstring label = item.text.substr(0, tab);
    ::DrawTextW(dc.m_hDC, label.c_str(), (int)label.size(), &textRect, DT_SINGLELINE | DT_VCENTER);
    if (tab == std::wstring::npos)
        return;
    const std::wstring accelerator = item.text.substr(tab + 1);
    textRect.right -= ICON_WIDTH;
    ::DrawTextW(dc.m_hDC, accelerator.c_str(), (int)accelerator.size(), &textRect,
                DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
}

void CIconMenu::DrawClassic(CDC &dc, const CIconMenuItem &item, const DRAWITEMSTRUCT &draw)
{
    const CRect rect(draw.rcItem);
    const COLORREF face = ::GetSysColor(IsNewShell() ? COLOR_BTNFACE : COLOR_MENU);
    dc.FillSolidRect(&rect, face);
    if (item.flags & MF_SEPARATOR) {
        CRect line(rect.left, rect.top + rect.Height() / 2, rect.right, rect.bottom);
        dc.DrawEdge(&line, EDGE_ETCHED, BF_TOP);
        return;
    }
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    const bool checked = (draw.itemState & ODS_CHECKED) != 0;
    const bool disabled = (draw.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    const bool hasImage = item.imageList != nullptr && item.imageIndex >= 0;
    if (selected) {
        CRect highlight = rect;
        if (hasImage || checked)
            highlight.left += ICON_WIDTH + 5;
        dc.FillSolidRect(&highlight, ::GetSysColor(COLOR_HIGHLIGHT));
    }
    const int d = std::max(0, (rect.Height() - ICON_HEIGHT - 4) / 2);
    CRect cell(rect.left + 1, rect.top + d + 1, rect.left + ICON_WIDTH + 3, rect.top + ICON_HEIGHT + d + 3);
    if (hasImage) {
        if (checked) {
            dc.Draw3dRect(&cell, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT));
        } else if (selected && !disabled) {
            dc.Draw3dRect(&cell, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
        }
        DrawImage(dc, item, CPoint(rect.left + 2, rect.top + d + 2), disabled, face);
    } else if (checked) {
        const bool onMenuColour = selected || !IsNewShell();
        dc.FillSolidRect(&cell, ::GetSysColor(onMenuColour ? COLOR_MENU : COLOR_3DLIGHT));
        if (IsNewShell())
            dc.DrawEdge(&cell, BDR_SUNKENOUTER, BF_RECT);
        DrawCheck(dc, cell, IsRadioItem(draw), ::GetSysColor(COLOR_MENUTEXT));
    }

    CRect textRect(rect.left + ICON_WIDTH + 9, rect.top, rect.right, rect.bottom + 1);
    dc.SetBkMode(TRANSPARENT);
    if (disabled) {
        if (!selected) {
            dc.SetTextColor(::GetSysColor(COLOR_BTNHIGHLIGHT));
            CRect raised = textRect;
            raised.OffsetRect(1, 1);
            DrawItemText(dc, item, raised);
        }
        dc.SetTextColor(selected ? face : ::GetSysColor(COLOR_GRAYTEXT));
    } else {
        dc.SetTextColor(::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    }
    DrawItemText(dc, item, textRect);
}

void CIconMenu::DrawFlat(CDC &dc, const CIconMenuItem &item, const DRAWITEMSTRUCT &draw)
{
    const CRect rect(draw.rcItem);
    const COLORREF menuColour = ::GetSysColor(COLOR_MENU);
    const COLORREF face = ::GetSysColor(IsNewShell() ? COLOR_BTNFACE : COLOR_MENU);
    const bool sameColours = face == menuColour;
    const COLORREF column = sameColours ? LightenColor(face, 0.35) : face;
    const COLORREF textArea = sameColours ? RGB(255, 255, 255) : face;
    CRect iconColumn(rect.left, rect.top, rect.left + ICON_WIDTH + 5, rect.bottom);
    dc.FillSolidRect(&iconColumn, column);
    dc.FillSolidRect(iconColumn.right, rect.top, rect.right - iconColumn.right, rect.Height(), textArea);
    if (item.flags & MF_SEPARATOR) {
        CRect line(iconColumn.right + 2, rect.top + rect.Height() / 2, rect.right, rect.bottom);
        dc.DrawEdge(&line, EDGE_ETCHED, BF_TOP);
        return;
    }
    const bool disabled = (draw.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    const bool selected = (draw.itemState & ODS_SELECTED) != 0 && !disabled;
    const bool checked = (draw.itemState & ODS_CHECKED) != 0;
    const bool hasImage = item.imageList != nullptr && item.imageIndex >= 0;
    const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    if (selected) {
        dc.FillSolidRect(&rect, LightenColor(highlight, sameColours ? 0.85 : 0.7));
        CBrush frame(highlight);
        dc.FrameRect(&rect, &frame);
    }
    const int d = std::max(0, (rect.Height() - ICON_HEIGHT - 4) / 2);
    CRect cell(rect.left + 1, rect.top + d + 1, rect.left + ICON_WIDTH + 3, rect.top + ICON_HEIGHT + d + 3);
    if (hasImage) {
        DrawImage(dc, item, CPoint(rect.left + 2, rect.top + d + 2), disabled, column);
    } else if (checked) {
        dc.FillSolidRect(&cell, LightenColor(highlight, 0.85));
        CBrush frame(highlight);
        dc.FrameRect(&cell, &frame);
        DrawCheck(dc, cell, IsRadioItem(draw), ::GetSysColor(COLOR_MENUTEXT));
    }
    CRect textRect(rect.left + ICON_WIDTH + 9, rect.top, rect.right, rect.bottom + 1);
    dc.SetBkMode(TRANSPARENT);
    COLORREF text = ::GetSysColor(COLOR_MENUTEXT);
    if (disabled) {
        text = ::GetSysColor(COLOR_GRAYTEXT);
        if (sameColours)
            text = LightenColor(text, 0.55);
    }
    dc.SetTextColor(text);
    DrawItemText(dc, item, textRect);
}
