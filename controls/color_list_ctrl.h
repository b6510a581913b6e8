#pragma once
// A report list view whose rows and cells can carry their own font style and colours. Every
// item's item data points at the item's format record; the reflected custom draw picks the
// colours and the font of each cell from these records. The control frees the records itself,
// so items must be inserted and deleted through it.

#include <memory>
#include <vector>

#include "framework/ui/commctrls.h"

// The format of an item, a sub-item or a whole row.
struct ItemFormat {
    enum Flags : unsigned {
        kBold = 0x01,
        kItalic = 0x02,
        kUnderline = 0x04,
        kStrikeOut = 0x08,
        kStyleMask = 0x0F,
        kTextColor = 0x10,
        kBackColor = 0x20,
        kIgnoreColumn = 0x40,
        kIgnoreRow = 0x80,
    };

    ItemFormat() { ++s_liveRecords; }
    ~ItemFormat();
    ItemFormat(const ItemFormat &) = delete;
    ItemFormat &operator=(const ItemFormat &) = delete;

    // The records that exist now; a leak shows here.
    static int LiveRecords() { return s_liveRecords; }

    // The font of the style bits on top of the base font, made once.
    HFONT StyleFont(const LOGFONTW &base);
    void DropFonts();

    LPARAM callerData = 0;
    int hasCallerData = 0;
    unsigned flags = 0;
    bool hasStyle = false;
    COLORREF textColor = 0;
    COLORREF backColor = 0;
    std::vector<std::unique_ptr<ItemFormat>> subItems; // sub-items 1 .. columns - 1
    std::unique_ptr<ItemFormat> rowFormat;             // the whole row; made on first use
    HFONT ownFont = nullptr;
    HFONT mergedFont = nullptr; // cell style merged over the row style

private:
    static int s_liveRecords;
};

class CColorListCtrl : public CListCtrl {
public:
    CColorListCtrl();
    ~CColorListCtrl() override;

    int InsertItem(const LVITEM *pItem);
    int InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask, int nImage, LPARAM lParam);
    int InsertItem(int nItem, LPCTSTR lpszItem);
    int InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1,
                     int nSubItem = -1);
    BOOL DeleteItem(int nItem);
    BOOL DeleteAllItems();

    // nStyle: ItemFormat flags for the whole row (bold, italic, underline, strike-out).
    void SetItemFontStyle(int nItem, unsigned nStyle, BOOL bRedraw = TRUE);
    void SetItemTextColor(int nItem, COLORREF color, BOOL bRedraw = TRUE);

    // The item's record and a sub-item's record (sub-item 0 is the item's own), or null.
    ItemFormat *GetItemFormat(int nItem) const;
    ItemFormat *GetSubItemFormat(int nItem, int nSubItem) const;

protected:
    void OnCustomDraw(NMHDR *pNMHDR, LRESULT *pResult);
    void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    struct CellLook {
        COLORREF text;
        COLORREF back;
        HFONT font; // null: the list's own
    };
    CellLook ResolveCellFormat(ItemFormat &item, int nSubItem);
    int ColumnCount() const;
    ItemFormat *RowFormatOf(int nItem);

    HFONT m_baseFont = nullptr;
    LOGFONTW m_baseLogFont{};
    COLORREF m_selectionText;
    COLORREF m_selectionBack;
    bool m_drawingSelected = false;
    HFONT m_itemOldFont = nullptr;
    HFONT m_itemFont = nullptr;
    HFONT m_subItemOldFont = nullptr;
};
