#pragma once
// A menu whose items draw themselves, so that a command shows the image of its toolbar button
// beside its text. The menu bar itself stays a plain menu drawn by the system; the items of
// its submenus are owner-drawn. Item texts are held in UTF-16.

#include "framework/ui/gdi.h"
#include "framework/ui/menu.h"

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

// Each of red, green and blue moves the factor's share of the way to 255; factors outside
// (0, 1] leave the colour as it is.
COLORREF LightenColor(COLORREF color, double factor);

// One item of an icon menu (the menu item's data).
struct CIconMenuItem {
    std::wstring text;   // "label\taccelerator"
    int imageIndex = -1; // in imageList; -1 none
    int bitmapId = -1;   // the bitmap resource the image came from; -1 none
    UINT flags = 0;      // MF_OWNERDRAW, MF_POPUP, MF_SEPARATOR
    UINT commandId = 0;
    HIMAGELIST imageList = nullptr; // owned
    int reserved = 0;

    CIconMenuItem() = default;
    ~CIconMenuItem();
    CIconMenuItem(const CIconMenuItem &) = delete;
    CIconMenuItem &operator=(const CIconMenuItem &) = delete;
};

class CIconMenu : public CMenu {
public:
    enum { ICON_WIDTH = 16, ICON_HEIGHT = 15 };

    CIconMenu();
    ~CIconMenu() override;

    // Builds the menu from a MENU resource; FALSE when the resource is missing or damaged.
    BOOL LoadMenu(UINT nIDResource);
    BOOL LoadMenu(LPCTSTR lpszResourceName);
    BOOL DestroyMenu();

    // Appends an owner-drawn item. Without a command id it is a separator; with MF_POPUP the
    // id is the handle of a submenu. With nBitmapId >= 0 the item takes its image from that
    // toolbar's bitmap (the button of the command, or the first image).
    BOOL AppendItem(const wchar_t *text, UINT nFlags, UINT_PTR nID, int nBitmapId = -1);
    BOOL AppendItem(LPCTSTR text, UINT nFlags, UINT_PTR nID, int nBitmapId = -1);
    // Gives every item of the command (here and in the submenus) the image, or takes its image
    // away when imageList is null; a text replaces the item's text.
    void ModifyItemImage(const wchar_t *text, UINT nID, HIMAGELIST imageList, int imageIndex);
    // Gives every item whose command has a button on the toolbar that button's image.
    BOOL LoadToolbar(UINT nIDToolbar);

    // Images drawn for checked items that have no image of their own, in place of the drawn
    // check mark and radio bullet (an index of -1 keeps the drawn one). The menu owns the list
    // and lends it to its submenus; loading or destroying the menu releases it.
    void SetCheckImages(HIMAGELIST images, int checkIndex, int radioIndex);

    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
    // Classic style on a palette display, flat style otherwise.
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void DrawItemInStyle(LPDRAWITEMSTRUCT lpDrawItemStruct, bool classicStyle);

    // The item records of this menu, by position; the submenus this menu owns.
    const std::vector<std::unique_ptr<CIconMenuItem>> &Items() const { return m_items; }
    const std::vector<std::unique_ptr<CIconMenu>> &SubMenus() const { return m_subMenus; }
    // The live icon menu (or submenu) of a menu handle, or null.
    static CIconMenu *FromIconMenuHandle(HMENU hMenu);

    COLORREF m_maskColor = RGB(192, 192, 192);
    // When set, m_maskColor is the transparent colour of loaded bitmaps; else COLOR_BTNFACE.
    bool m_useMaskColor = false;
    // Disabled images are embossed through a 1-bit DIB section instead of a monochrome mask.
    bool m_embossWithDib = false;
    // Bitmaps enter the image lists as icons, one per image, instead of as one masked strip.
    bool m_addAsIcons = false;

private:
    BOOL LoadMenuResource(HRSRC resource);
    void ForgetDestroyedMenu();
    // Reads one level of a MENU resource into this menu; false on a damaged resource.
    bool ReadLevel(const BYTE *&position, const BYTE *end);
    void AlignAccelerators();
    void TurnBarIntoText();
    HIMAGELIST CreateItemImageList() const;
    bool AddBitmap(HIMAGELIST images, HBITMAP bitmap) const;
    bool AddBitmapAsIcons(HIMAGELIST images, HBITMAP bitmap) const;
    void InheritFrom(const CIconMenu &parent);
    void ReleaseCheckImages();
    bool LoadItemBitmap(CIconMenuItem &item, int bitmapId);
    COLORREF TransparentColor() const;
    bool IsNewShell() const { return m_platformClass == 1 || m_platformClass == 3; }
    void DrawClassic(CDC &dc, const CIconMenuItem &item, const DRAWITEMSTRUCT &draw);
    void DrawFlat(CDC &dc, const CIconMenuItem &item, const DRAWITEMSTRUCT &draw);
    void DrawItemText(CDC &dc, const CIconMenuItem &item, CRect textRect);
    void DrawImage(CDC &dc, const CIconMenuItem &item, CPoint at, bool disabled, COLORREF face);
    void EmbossThroughMask(CDC &dc, CDC &image, CPoint at, COLORREF face);
    void EmbossThroughDib(CDC &dc, CDC &image, CPoint at, COLORREF face);
    void DrawCheck(CDC &dc, CRect box, bool radio, COLORREF color);

    std::vector<std::unique_ptr<CIconMenuItem>> m_items;
    std::vector<std::unique_ptr<CIconMenu>> m_subMenus;
    HIMAGELIST m_checkImages = nullptr;
    int m_checkImage = -1;
    int m_radioImage = -1;
    bool m_checkImagesBorrowed = false;
    int m_platformClass;
    CPINFO m_codePage{};
};
