#pragma once
// Pages of a RichTextDocument: lines broken at spaces to the page width, pages broken at line
// boundaries and at page breaks, and any page drawn onto any DC.
//
// Layout is done in twips with fonts measured at a size of one logical unit per twip, so it
// does not depend on the resolution of the DC it is measured on: a 300-dpi printer and a 96-dpi
// preview get the same lines and the same pages, and drawing only scales them.
//
// Pages are numbered from 1, as the print loop numbers them.

#include "framework/core/cstring.h"
#include "framework/shell/rich_text_document.h"
#include "framework/shell/rich_text_image.h"
#include "framework/shell/rich_text_lines.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

struct RichTextPageSize {
    int width = 11906; // A4, in twips
    int height = 16838;
    RECT margins = {1417, 1417, 1417, 1417}; // left, top, right, bottom
};

// The page the RTF sets up, where it says nothing the default's paper and margins.
RichTextPageSize PageSizeOf(const RichTextPageSetup &setup, const RichTextPageSize &defaults);

// Text of a page's header or footer, e.g. "strona 2 z 5"; may be empty.
using RichTextPageText = std::function<CString(int page, int pageCount)>;

// One laid-out line of a page, for callers that check what a page holds.
struct RichTextLineInfo {
    RECT box; // on the page, in twips
    std::wstring text;
};

class RichTextLayout {
public:
    // The reference DC only measures text (usually the printer's DC); its state is kept.
    RichTextLayout(const RichTextDocument &document, const RichTextPageSize &page, HDC referenceDC);

    int PageCount() const { return static_cast<int>(m_pages.size()); }
    const RichTextPageSize &PageSize() const { return m_page; }

    // The header is drawn above the top margin, the footer below the bottom margin, in the
    // document's default font at 10 points; they may wrap to several lines.
    void SetPageTexts(RichTextPageText header, RichTextPageText footer);

    // Draws page `page` (1..PageCount()) scaled into `target`, the whole sheet in the DC's
    // logical units (MM_TEXT); a sheet turned against the page gets the page turned a quarter.
    // Paints no background. Out-of-range pages draw nothing.
    void DrawPage(HDC dc, int page, const RECT &target) const;

    // Lines of the body, header and footer from top to bottom; empty out of range.
    std::vector<RichTextLineInfo> PageLines(int page) const;
    // The lines' texts, each ended by L'\n'.
    std::wstring PageText(int page) const;

private:
    std::vector<RichTextLine> DecorationLines(int page, bool footer) const;

    RichTextPageSize m_page;
    std::vector<std::wstring> m_fonts;
    int m_defaultFont = -1;
    std::vector<std::shared_ptr<const RichTextImage>> m_images; // by picture index; null: not drawn
    std::vector<RichTextPageContent> m_pages;
    RichTextPageText m_header;
    RichTextPageText m_footer;
};
