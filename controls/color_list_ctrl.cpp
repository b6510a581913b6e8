#include "controls/color_list_ctrl.h"

#include <algorithm>
#include <string>

#include "framework/core/codepage.h"
#include "framework/ui/msgmap.h"

int ItemFormat::s_liveRecords = 0;

ItemFormat::~ItemFormat()
{
    DropFonts();
    --s_liveRecords;
}

void ItemFormat::DropFonts()
{
    if (ownFont != nullptr)
        ::DeleteObject(ownFont);
    if (mergedFont != nullptr)
        ::DeleteObject(mergedFont);
    ownFont = nullptr;
    mergedFont = nullptr;
}

HFONT ItemFormat::StyleFont(const LOGFONTW &base)
{
    if (ownFont == nullptr) {
        LOGFONTW font = base;
        font.lfWeight = (flags & kBold) ? FW_BOLD : FW_NORMAL;
        font.lfItalic = (flags & kItalic) ? TRUE : FALSE;
        font.lfUnderline = (flags & kUnderline) ? TRUE : FALSE;
        font.lfStrikeOut = (flags & kStrikeOut) ? TRUE : FALSE;
        ownFont = ::CreateFontIndirectW(&font);
    }
    return ownFont;
}

namespace {

// Copies every field in which `level` differs from the base font.
void ApplyDifferences(LOGFONTW &merged, const LOGFONTW &level, const LOGFONTW &base)
{
    if (level.lfHeight != base.lfHeight)
        merged.lfHeight = level.lfHeight;
    if (level.lfWidth != base.lfWidth)
        merged.lfWidth = level.lfWidth;
    if (level.lfEscapement != base.lfEscapement)
        merged.lfEscapement = level.lfEscapement;
    if (level.lfOrientation != base.lfOrientation)
        merged.lfOrientation = level.lfOrientation;
    if (level.lfWeight != base.lfWeight)
        merged.lfWeight = level.lfWeight;
    if (level.lfItalic != base.lfItalic)
        merged.lfItalic = level.lfItalic;
    if (level.lfUnderline != base.lfUnderline)
        merged.lfUnderline = level.lfUnderline;
    if (level.lfStrikeOut != base.lfStrikeOut)
        merged.lfStrikeOut = level.lfStrikeOut;
    if (level.lfCharSet != base.lfCharSet)
        merged.lfCharSet = level.lfCharSet;
    if (level.lfOutPrecision != base.lfOutPrecision)
        merged.lfOutPrecision = level.lfOutPrecision;
    if (level.lfClipPrecision != base.lfClipPrecision)
        merged.lfClipPrecision = level.lfClipPrecision;
    if (level.lfQuality != base.lfQuality)
        merged.lfQuality = level.lfQuality;
    if (level.lfPitchAndFamily != base.lfPitchAndFamily)
        merged.lfPitchAndFamily = level.lfPitchAndFamily;
    if (wcscmp(level.lfFaceName, base.lfFaceName) != 0)
        wcscpy_s(merged.lfFaceName, LF_FACESIZE, level.lfFaceName);
}

LOGFONTW LogFontOf(HFONT font)
{
    LOGFONTW logFont{};
    ::GetObjectW(font, sizeof(logFont), &logFont);
    return logFont;
}

ItemFormat *RecordOf(LPARAM lParam)
{
    return reinterpret_cast<ItemFormat *>(lParam);
}

} // namespace

BEGIN_MESSAGE_MAP(CColorListCtrl, CListCtrl)
    ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CColorListCtrl::CColorListCtrl()
    : m_selectionText(::GetSysColor(COLOR_HIGHLIGHTTEXT)), m_selectionBack(::GetSysColor(COLOR_HIGHLIGHT))
{
}

CColorListCtrl::~CColorListCtrl()
{
    // The base destroys a window still open, but no longer through this class's handlers.
    if (GetSafeHwnd() != nullptr)
        DeleteAllItems();
}

int CColorListCtrl::ColumnCount() const
{
    const HWND header = (HWND)SendMessage(LVM_GETHEADER);
    return header != nullptr ? (int)::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0) : 0;
}

int CColorListCtrl::InsertItem(const LVITEM *pItem)
{
    auto record = std::make_unique<ItemFormat>();
    for (int i = 1; i < ColumnCount(); ++i)
        record->subItems.push_back(std::make_unique<ItemFormat>());
    if (pItem->mask & LVIF_PARAM) {
        record->callerData = pItem->lParam;
        record->hasCallerData = 1;
    }

    LVITEMW item{};
    item.mask = pItem->mask | LVIF_PARAM;
    item.iItem = pItem->iItem;
    item.iSubItem = pItem->iSubItem;
    item.state = pItem->state;
    item.stateMask = pItem->stateMask;
    item.iImage = pItem->iImage;
    item.iIndent = pItem->iIndent;
    item.lParam = (LPARAM)record.get();
    std::wstring text;
    if ((pItem->mask & LVIF_TEXT) && pItem->pszText != LPSTR_TEXTCALLBACKA) {
        text = Cp1250ToWide(pItem->pszText != nullptr ? pItem->pszText : "");
        item.pszText = &text[0];
    } else if (pItem->mask & LVIF_TEXT) {
        item.pszText = LPSTR_TEXTCALLBACKW;
    }
    const int index = (int)SendMessage(LVM_INSERTITEMW, 0, (LPARAM)&item);
    if (index >= 0)
        record.release(); // the list view holds it now
    return index;
}

int CColorListCtrl::InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask, int nImage,
                               LPARAM lParam)
{
    LVITEM item{};
    item.mask = nMask;
    item.iItem = nItem;
    item.pszText = const_cast<LPSTR>(lpszItem);
    item.state = nState;
    item.stateMask = nStateMask;
    item.iImage = nImage;
    item.lParam = lParam;
    return InsertItem(&item);
}

int CColorListCtrl::InsertItem(int nItem, LPCTSTR lpszItem)
{
    return InsertItem(LVIF_TEXT, nItem, lpszItem, 0, 0, 0, 0);
}

int CColorListCtrl::InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat, int nWidth, int nSubItem)
{
    const int index = CListCtrl::InsertColumn(nCol, lpszColumnHeading, nFormat, nWidth, nSubItem);
    if (index < 0)
        return index;
    // The records follow their columns: the new column gets a fresh record in every item.
    const size_t at = index > 0 ? (size_t)(index - 1) : 0;
    for (int i = 0; i < GetItemCount(); ++i) {
        ItemFormat *record = GetItemFormat(i);
        if (record == nullptr)
            continue;
        auto &subItems = record->subItems;
        subItems.insert(subItems.begin() + std::min(at, subItems.size()), std::make_unique<ItemFormat>());
    }
    return index;
}

ItemFormat *CColorListCtrl::GetItemFormat(int nItem) const
{
    if (nItem < 0 || nItem >= GetItemCount())
        return nullptr;
    return RecordOf((LPARAM)GetItemData(nItem));
}

ItemFormat *CColorListCtrl::GetSubItemFormat(int nItem, int nSubItem) const
{
    ItemFormat *record = GetItemFormat(nItem);
    if (record == nullptr || nSubItem < 0 || nSubItem > (int)record->subItems.size())
        return nullptr;
    return nSubItem == 0 ? record : record->subItems[nSubItem - 1].get();
}

BOOL CColorListCtrl::DeleteItem(int nItem)
{
    std::unique_ptr<ItemFormat> record(GetItemFormat(nItem));
    if (!CListCtrl::DeleteItem(nItem)) {
        record.release(); // still the list view's
        return FALSE;
    }
    return TRUE;
}

BOOL CColorListCtrl::DeleteAllItems()
{
    for (int count = GetItemCount(); count > 0; --count)
        DeleteItem(0);
    return CListCtrl::DeleteAllItems();
}

ItemFormat *CColorListCtrl::RowFormatOf(int nItem)
{
    ItemFormat *record = GetItemFormat(nItem);
    if (record == nullptr)
        return nullptr;
    if (record->rowFormat == nullptr)
        record->rowFormat = std::make_unique<ItemFormat>();
    return record->rowFormat.get();
}

void CColorListCtrl::SetItemFontStyle(int nItem, unsigned nStyle, BOOL bRedraw)
{
    ItemFormat *row = RowFormatOf(nItem);
    if (row == nullptr)
        return;
    row->flags = nStyle;
    row->hasStyle = (nStyle & ItemFormat::kStyleMask) != 0;
    row->DropFonts();
    // Records of the cells may hold a merge with the old row font.
    if (ItemFormat *record = GetItemFormat(nItem)) {
        record->DropFonts();
        for (auto &subItem : record->subItems)
            subItem->DropFonts();
    }
    if (bRedraw)
        SendMessage(LVM_UPDATE, nItem);
}

void CColorListCtrl::SetItemTextColor(int nItem, COLORREF color, BOOL bRedraw)
{
    ItemFormat *row = RowFormatOf(nItem);
    if (row == nullptr)
        return;
    row->textColor = color;
    row->flags |= ItemFormat::kTextColor;
    if (bRedraw)
        SendMessage(LVM_UPDATE, nItem);
}

CColorListCtrl::CellLook CColorListCtrl::ResolveCellFormat(ItemFormat &item, int nSubItem)
{
    ItemFormat *cell = nSubItem == 0                           ? &item
                       : nSubItem <= (int)item.subItems.size() ? item.subItems[nSubItem - 1].get()
                                                               : nullptr;
    ItemFormat *row = item.rowFormat.get();
    const bool useRow = row != nullptr && (cell == nullptr || !(cell->flags & ItemFormat::kIgnoreRow));

    CellLook look{};
    if (m_drawingSelected) {
        // A selected row shows the selection colours; only its font style stays its own.
        look.text = m_selectionText;
        look.back = m_selectionBack;
    } else {
        look.text = (COLORREF)SendMessage(LVM_GETTEXTCOLOR);
        look.back = (COLORREF)SendMessage(LVM_GETTEXTBKCOLOR);
        if (cell != nullptr && (cell->flags & ItemFormat::kTextColor))
            look.text = cell->textColor;
        else if (useRow && (row->flags & ItemFormat::kTextColor))
            look.text = row->textColor;
        if (cell != nullptr && (cell->flags & ItemFormat::kBackColor))
            look.back = cell->backColor;
        else if (useRow && (row->flags & ItemFormat::kBackColor))
            look.back = row->backColor;
    }

    const bool cellStyled = cell != nullptr && cell->hasStyle;
    const bool rowStyled = useRow && row->hasStyle;
    if (cellStyled && rowStyled) {
        if (cell->mergedFont == nullptr) {
            LOGFONTW merged = m_baseLogFont;
            ApplyDifferences(merged, LogFontOf(row->StyleFont(m_baseLogFont)), m_baseLogFont);
            ApplyDifferences(merged, LogFontOf(cell->StyleFont(m_baseLogFont)), m_baseLogFont);
            cell->mergedFont = ::CreateFontIndirectW(&merged);
        }
        look.font = cell->mergedFont;
    } else if (cellStyled) {
        look.font = cell->StyleFont(m_baseLogFont);
    } else if (rowStyled) {
        look.font = row->StyleFont(m_baseLogFont);
    }
    return look;
}

void CColorListCtrl::OnCustomDraw(NMHDR *pNMHDR, LRESULT *pResult)
{
    NMLVCUSTOMDRAW *draw = reinterpret_cast<NMLVCUSTOMDRAW *>(pNMHDR);
    const HDC dc = draw->nmcd.hdc;
    const int item = (int)draw->nmcd.dwItemSpec;
    ItemFormat *record = RecordOf(draw->nmcd.lItemlParam);
    *pResult = CDRF_DODEFAULT;

    switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        *pResult = CDRF_NOTIFYITEMDRAW;
        break;

    case CDDS_ITEMPREPAINT: {
        if (m_baseFont == nullptr) {
            m_baseFont = (HFONT)::GetCurrentObject(dc, OBJ_FONT);
            m_baseLogFont = LogFontOf(m_baseFont);
        }
        m_drawingSelected = false;
        m_itemFont = nullptr;
        m_itemOldFont = nullptr;
        if (record == nullptr)
            break;
        // The list view would paint its own highlight over our colours: the state goes for
        // the paint (also from this stage's copy of it) and comes back in the post-paint stage.
        if (GetItemState(item, LVIS_SELECTED) & LVIS_SELECTED) {
            m_drawingSelected = true;
            SetItemState(item, 0, LVIS_SELECTED);
            draw->nmcd.uItemState &= ~CDIS_SELECTED;
        }
        const CellLook look = ResolveCellFormat(*record, 0);
        draw->clrText = look.text;
        draw->clrTextBk = look.back;
        LRESULT result = CDRF_NOTIFYSUBITEMDRAW;
        if (look.font != nullptr) {
            m_itemFont = look.font;
            m_itemOldFont = (HFONT)::SelectObject(dc, look.font);
            result |= CDRF_NEWFONT;
        }
        if (m_drawingSelected || look.font != nullptr)
            result |= CDRF_NOTIFYPOSTPAINT;
        *pResult = result;
        break;
    }

    case CDDS_ITEMPOSTPAINT:
        if (m_itemOldFont != nullptr)
            ::SelectObject(dc, m_itemOldFont);
        m_itemOldFont = nullptr;
        m_itemFont = nullptr;
        if (m_drawingSelected)
            SetItemState(item, LVIS_SELECTED, LVIS_SELECTED);
        m_drawingSelected = false;
        break;

    case CDDS_SUBITEM | CDDS_ITEMPREPAINT: {
        if (record == nullptr)
            break;
        const CellLook look = ResolveCellFormat(*record, draw->iSubItem);
        draw->clrText = look.text;
        draw->clrTextBk = look.back;
        const HFONT font = look.font != nullptr ? look.font : m_itemFont;
        m_subItemOldFont = font != nullptr ? (HFONT)::SelectObject(dc, font) : nullptr;
        *pResult = CDRF_NEWFONT | CDRF_NOTIFYPOSTPAINT;
        break;
    }

    case CDDS_SUBITEM | CDDS_ITEMPOSTPAINT:
        if (m_subItemOldFont != nullptr)
            ::SelectObject(dc, m_subItemOldFont);
        m_subItemOldFont = nullptr;
        break;

    default:
        break;
    }
}

void CColorListCtrl::OnDestroy()
{
    DeleteAllItems();
    CListCtrl::OnDestroy();
}
